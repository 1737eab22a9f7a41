#pragma once

#include <QCoreApplication>
#include <QString>

namespace scanner {

/** A text for the user in two forms: `english` as the CLI prints it and the diagnostics log
 *  it, `shown` in the user's language for the screens (the same when no translation is
 *  loaded). */
struct UserText {
    QString english;
    QString shown;
};

/** `source`, marked with QT_TRANSLATE_NOOP in `context`, with its "%1"… filled in by the
 *  arguments (texts, not numbers). */
template <typename... Args>
UserText userText(const char *context, const char *source, const Args &...args)
{
    if constexpr (sizeof...(Args) == 0)
        return {QString::fromUtf8(source), QCoreApplication::translate(context, source)};
    else
        return {QString::fromUtf8(source).arg(args...),
                QCoreApplication::translate(context, source).arg(args...)};
}

} // namespace scanner
