#include "sync/ServerAddress.h"

#include <QHostAddress>
#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

#include <libpq-fe.h>

#include <algorithm>
#include <memory>

namespace serveraddress {

namespace {

struct FreeOptions {
    void operator()(PQconninfoOption *options) const { PQconninfoFree(options); }
};
using Options = std::unique_ptr<PQconninfoOption, FreeOptions>;

Options parse(const QString &address, QString *error)
{
    char *message = nullptr;
    Options options(PQconninfoParse(address.toUtf8().constData(), &message));
    if (!options) {
        if (error)
            *error = message ? QString::fromUtf8(message).trimmed()
                             : QStringLiteral("not a server address");
    }
    if (message)
        PQfreemem(message);
    return options;
}

bool isUrl(const QString &address)
{
    const QString text = address.trimmed();
    return text.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
           text.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

/** A key=value value, quoted so that spaces, quotes and backslashes survive. */
QString quoted(QString value)
{
    value.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    value.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + value + QLatin1Char('\'');
}

/** One host of a (comma-separated) host list that traffic never leaves the machine for: a socket
 *  folder, libpq's default socket (empty), localhost or a loopback address. */
bool isLocalHost(const QString &host)
{
    const QString name = host.trimmed();
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1Char('@')))
        return true;
    if (name.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    QString bare = name;
    if (bare.startsWith(QLatin1Char('[')) && bare.endsWith(QLatin1Char(']')))
        bare = bare.mid(1, bare.size() - 2);
    const QHostAddress ip(bare);
    return !ip.isNull() && ip.isLoopback();
}

bool allLocal(const QString &hosts)
{
    const QStringList names = hosts.split(QLatin1Char(','));
    return std::all_of(names.begin(), names.end(), isLocalHost);
}

const PQconninfoOption *option(const Options &options, const char *keyword)
{
    for (const PQconninfoOption *o = options.get(); o->keyword != nullptr; ++o)
        if (qstrcmp(o->keyword, keyword) == 0)
            return o;
    return nullptr;
}

QString value(const Options &options, const char *keyword)
{
    const PQconninfoOption *o = option(options, keyword);
    return o != nullptr && o->val != nullptr ? QString::fromUtf8(o->val) : QString();
}

/** The options as key=value text, leaving out `skip` (when given). */
QString keyValueText(const Options &options, const char *skip = nullptr)
{
    QStringList parts;
    for (const PQconninfoOption *o = options.get(); o->keyword != nullptr; ++o) {
        if (o->val == nullptr || (skip != nullptr && qstrcmp(o->keyword, skip) == 0))
            continue;
        parts.append(QString::fromLatin1(o->keyword) + QLatin1Char('=') +
                     quoted(QString::fromUtf8(o->val)));
    }
    return parts.join(QLatin1Char(' '));
}

/** A URL's password is in its user part ("user:secret@") or a "password=" parameter. */
QString urlWithoutPassword(const QString &address)
{
    QString text = address.trimmed();
    const qsizetype schemeEnd = text.indexOf(QLatin1String("://")) + 3;
    qsizetype authorityEnd = text.size();
    for (const QChar stop : {QLatin1Char('/'), QLatin1Char('?')}) {
        const qsizetype at = text.indexOf(stop, schemeEnd);
        if (at >= 0 && at < authorityEnd)
            authorityEnd = at;
    }
    const qsizetype userEnd = text.lastIndexOf(QLatin1Char('@'), authorityEnd - 1);
    if (userEnd >= schemeEnd) {
        const qsizetype colon = text.indexOf(QLatin1Char(':'), schemeEnd);
        if (colon >= 0 && colon < userEnd)
            text.remove(colon, userEnd - colon);
    }
    const qsizetype query = text.indexOf(QLatin1Char('?'), schemeEnd);
    if (query < 0)
        return text;
    QStringList kept;
    const QStringList parameters = text.mid(query + 1).split(QLatin1Char('&'));
    for (const QString &parameter : parameters)
        if (!parameter.startsWith(QLatin1String("password="), Qt::CaseInsensitive) &&
            parameter.compare(QLatin1String("password"), Qt::CaseInsensitive) != 0)
            kept.append(parameter);
    text.truncate(query);
    if (!kept.isEmpty())
        text += QLatin1Char('?') + kept.join(QLatin1Char('&'));
    return text;
}

} // namespace

std::optional<QString> connectionText(const QString &address, QString *error,
                                      int connectTimeoutSeconds)
{
    const Options options = parse(address, error);
    if (!options)
        return std::nullopt;
    QString text = keyValueText(options);
    if (value(options, "sslmode").isNull()) {
        // The connection goes to hostaddr when it is given, else to host.
        const QString hostaddr = value(options, "hostaddr");
        const bool local =
            hostaddr.isEmpty() ? allLocal(value(options, "host")) : allLocal(hostaddr);
        if (!local)
            text += QLatin1String(text.isEmpty() ? "" : " ") + QLatin1String("sslmode='require'");
    }
    // A server that does not answer should not hold a sync for minutes: a limit for connecting,
    // one for each statement on the server (a push waiting for another's lock included), and
    // keep-alives, so that a connection that only listens notices a peer that is gone.
    const auto addDefault = [&](const char *keyword, const char *setting) {
        if (value(options, keyword).isNull())
            text += QLatin1String(text.isEmpty() ? "" : " ") + QLatin1String(keyword) +
                    QLatin1String("='") + QLatin1String(setting) + QLatin1Char('\'');
    };
    addDefault("connect_timeout", QByteArray::number(connectTimeoutSeconds).constData());
    addDefault("options", "-c statement_timeout=120000");
    addDefault("keepalives_idle", "30");
    addDefault("keepalives_interval", "10");
    addDefault("keepalives_count", "3");
    return text;
}

QString withoutPassword(const QString &address)
{
    if (isUrl(address))
        return urlWithoutPassword(address);
    if (const Options options = parse(address, nullptr))
        return keyValueText(options, "password");
    // Not an address at all; still never show what looks like a password.
    static const QRegularExpression password(
        QStringLiteral(R"(password\s*=\s*('(?:[^'\\]|\\.)*'?|\S*))"),
        QRegularExpression::CaseInsensitiveOption);
    return QString(address).remove(password).simplified();
}

QString password(const QString &address)
{
    const Options options = parse(address, nullptr);
    return options ? value(options, "password") : QString();
}

QString withPassword(const QString &address, const QString &password)
{
    if (password.isEmpty())
        return address;
    const QString bare = withoutPassword(address);
    if (isUrl(bare)) {
        const QString encoded = QString::fromLatin1(QUrl::toPercentEncoding(password));
        return bare + QLatin1Char(bare.contains(QLatin1Char('?')) ? '&' : '?') +
               QLatin1String("password=") + encoded;
    }
    return bare + QLatin1String(bare.isEmpty() ? "" : " ") + QLatin1String("password=") +
           quoted(password);
}

} // namespace serveraddress
