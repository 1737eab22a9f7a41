#include "sync/ServerMessage.h"

#include <QCoreApplication>

#include <array>

namespace logsync {
namespace {

struct Known {
    const char *marker; // a part of libpq's or the server's text
    const char *text;   // what the page says instead
};

// Checked in this order; the first marker found wins.
constexpr std::array<Known, 11> kKnown{{
    {"Connection refused",
     QT_TRANSLATE_NOOP("ServerMessage", "The sync server cannot be reached: is it running, and "
                                        "does it accept connections from this device?")},
    {"could not translate host name",
     QT_TRANSLATE_NOOP("ServerMessage", "The sync server's name is not known: check the address")},
    {"password authentication failed",
     QT_TRANSLATE_NOOP("ServerMessage", "The sync server refused the user name or password")},
    {"no password supplied",
     QT_TRANSLATE_NOOP("ServerMessage", "The sync server wants a password")},
    {"no pg_hba.conf entry",
     QT_TRANSLATE_NOOP("ServerMessage",
                       "The sync server does not let this device in (its pg_hba.conf)")},
    {"server does not support SSL",
     QT_TRANSLATE_NOOP("ServerMessage",
                       "The sync server offers no encrypted connection (TLS), which a server on "
                       "another machine must")},
    {"timeout expired",
     QT_TRANSLATE_NOOP("ServerMessage", "The sync server did not answer in time")},
    {"did not answer within",
     QT_TRANSLATE_NOOP("ServerMessage", "The sync server did not answer in time")},
    {"ahead of the server's clock",
     QT_TRANSLATE_NOOP("ServerMessage",
                       "This device's clock is ahead of the sync server's: set the clock right; "
                       "the changes wait until then")},
    {"has lost changes",
     QT_TRANSLATE_NOOP("ServerMessage", "The sync server has lost changes it had (restored from a "
                                        "backup?): this device sends its copy again")},
    {"schema \"brindlewick\" does not exist",
     QT_TRANSLATE_NOOP("ServerMessage",
                       "The sync server is not prepared yet: press \"Prepare server\" once")},
}};

} // namespace

QString readableServerMessage(const QString &raw)
{
    for (const Known &known : kKnown)
        if (raw.contains(QLatin1String(known.marker)))
            return QCoreApplication::translate("ServerMessage", known.text);
    if (raw.contains(QLatin1String("database \"")) && raw.contains(QLatin1String("does not exist")))
        return QCoreApplication::translate(
            "ServerMessage", "The database named in the address does not exist on the server");
    return raw.section(QLatin1Char('\n'), 0, 0).trimmed();
}

} // namespace logsync
