#pragma once

#include <QCoreApplication>
#include <QString>

// The words of the DXCC screens, shared by both screen sets; in English, `shown` gives one in
// the user's language.

namespace dxcc::texts {

inline constexpr char kContext[] = "DxccTexts";

// Band names, the same in every language.
inline constexpr const char *kBandLabels[] = {
    "160m:", "80m:", "60m:", "40m:", "30m:", "20m:", "17m:",
    "15m:",  "12m:", "10m:", "6m:",  "2m:",  "70cm:"};
inline constexpr char kTotalLabel[] = QT_TRANSLATE_NOOP("DxccTexts", "Total:");

inline constexpr char kWorkedTitle[] = QT_TRANSLATE_NOOP("DxccTexts", "Worked DXCCs");
inline constexpr const char *kConfirmedTitles[] = {
    QT_TRANSLATE_NOOP("DxccTexts", "All cfd DXCCs"),
    QT_TRANSLATE_NOOP("DxccTexts", "Paper cfd DXCCs"),
    QT_TRANSLATE_NOOP("DxccTexts", "LoTW cfd DXCCs")};

/** A text of this list in the user's language (as it stands when no translation is loaded). */
inline QString shown(const char *text)
{
    return QCoreApplication::translate(kContext, text);
}

} // namespace dxcc::texts
