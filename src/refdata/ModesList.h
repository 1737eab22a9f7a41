#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

/** The ADIF modes with their submodes, one line per mode: "PSK,PSK31,PSK63,…". */
namespace adif {

/** The list's name in the data folder, and the shipped list it is refreshed from. */
inline constexpr char kModesFileName[] = "Modes&Submodes.txt";
inline constexpr char kModesResource[] = ":/ModesAndSubmodes.txt";

class ModesList {
public:
    ModesList() = default;
    /** The list in a text file (ASCII, lines at "\n", entries at ","). */
    [[nodiscard]] static ModesList fromFile(const QString &path);
    [[nodiscard]] static ModesList fromText(const QString &text);

    /** The ADIF mode of a stored mode: the first entry of the first line that lists it in any
     *  case; nothing when no line does. */
    [[nodiscard]] std::optional<QString> logModeToAdifMode(const QString &mode) const;
    [[nodiscard]] bool isEmpty() const { return m_adifModes.isEmpty(); }

private:
    QHash<QString, QString> m_adifModes; // every entry in upper case → its line's first entry
};

} // namespace adif
