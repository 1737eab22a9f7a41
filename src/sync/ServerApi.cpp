#include "sync/ServerApi.h"

#include "sync/Hlc.h"
#include "sync/PgConnection.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QUuid>

namespace logsync::serverapi {

namespace {

constexpr qsizetype kPullColumns = 8; // seq, kind, key, deleted, data, hlc, base, clocks

/** PostgreSQL text cannot hold U+0000; a value carrying one would be refused on every push and
 *  keep the outbox stuck, so it goes without. */
QJsonValue jsonText(const QString &value)
{
    if (value.isNull())
        return QJsonValue(QJsonValue::Null);
    if (value.contains(QChar(0)))
        return QString(value).remove(QChar(0));
    return value;
}

QString qsosJson(const QList<QsoChange> &qsos)
{
    QJsonArray array;
    for (const QsoChange &qso : qsos) {
        QJsonObject fields;
        for (auto it = qso.fields.cbegin(); it != qso.fields.cend(); ++it)
            fields.insert(it.key(), jsonText(it.value()));
        QJsonObject change{{QStringLiteral("uuid"), qso.uuid},
                           {QStringLiteral("hlc"), qso.hlc},
                           {QStringLiteral("deleted"), qso.deleted},
                           {QStringLiteral("fields"), fields}};
        if (!qso.clocks.isEmpty()) {
            QJsonObject clocks;
            for (auto it = qso.clocks.cbegin(); it != qso.clocks.cend(); ++it)
                clocks.insert(it.key(), it.value());
            change.insert(QStringLiteral("clocks"), clocks);
        }
        array.append(change);
    }
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

QString prefsJson(const QList<PrefChange> &prefs)
{
    QJsonArray array;
    for (const PrefChange &pref : prefs)
        array.append(QJsonObject{{QStringLiteral("entry"), pref.entry},
                                 {QStringLiteral("value"), jsonText(pref.value)},
                                 {QStringLiteral("hlc"), pref.hlc}});
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

/** A JSON string or null as the QString that stands for it: null stays null, "" stays empty. */
bool textOf(const QJsonValue &value, QString *text)
{
    if (value.isNull()) {
        *text = QString();
        return true;
    }
    if (!value.isString())
        return false;
    *text = value.toString();
    if (text->isNull())
        *text = QString(0, QChar());
    return true;
}

std::optional<qint64> number(const PgConnection::Result &result, QString *error)
{
    if (!result.ok) {
        if (error)
            *error = result.error;
        return std::nullopt;
    }
    bool ok = false;
    const qint64 value = result.rows.size() == 1 && result.rows.first().size() == 1
                             ? result.rows.first().first().toLongLong(&ok)
                             : 0;
    if (!ok) {
        if (error)
            *error = QStringLiteral("the sync server's reply is not a number");
        return std::nullopt;
    }
    return value;
}

} // namespace

bool installSchema(PgConnection &connection, QString *error)
{
    QFile file(QStringLiteral(":/sync/ServerSchema.sql"));
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("the server schema is missing from the program");
        return false;
    }
    // Sent as one script, which the server runs as one transaction: all of it or nothing.
    const PgConnection::Result result = connection.exec(QString::fromUtf8(file.readAll()));
    if (!result.ok && error)
        *error = result.error;
    return result.ok;
}

std::optional<qint64> joinLogbook(PgConnection &connection, const QString &name, QString *error)
{
    return number(connection.exec(QStringLiteral("SELECT brindlewick.join_logbook($1)"), {name}),
                  error);
}

bool addMember(PgConnection &connection, const QString &logbook, const QString &member,
               QString *error)
{
    const PgConnection::Result result =
        connection.exec(QStringLiteral("SELECT brindlewick.add_member($1, $2)"), {logbook, member});
    if (!result.ok && error)
        *error = result.error;
    return result.ok;
}

std::optional<PushResult> push(PgConnection &connection, qint64 logbook, const PushBatch &batch,
                               QString *error)
{
    const PgConnection::Result result = connection.exec(
        QStringLiteral("SELECT before, after, last_key FROM brindlewick.push($1, $2, $3)"),
        {QString::number(logbook), qsosJson(batch.qsos), prefsJson(batch.prefs)});
    if (!result.ok) {
        if (error)
            *error = result.error;
        return std::nullopt;
    }
    PushResult pushed;
    bool beforeOk = false;
    bool afterOk = false;
    if (result.rows.size() == 1 && result.rows.first().size() == 3) {
        const QStringList &row = result.rows.first();
        pushed.before = row.at(0).toLongLong(&beforeOk);
        pushed.after = row.at(1).toLongLong(&afterOk);
        pushed.lastKey = row.at(2);
    }
    if (!beforeOk || !afterOk || pushed.after < pushed.before) {
        if (error)
            *error = QStringLiteral("the sync server's reply to a push cannot be read");
        return std::nullopt;
    }
    return pushed;
}

std::optional<bool> holds(PgConnection &connection, qint64 logbook, qint64 after,
                          const QString &lastKey, QString *error)
{
    const PgConnection::Result result =
        connection.exec(QStringLiteral("SELECT brindlewick.holds($1, $2, $3)"),
                        {QString::number(logbook), QString::number(after), lastKey});
    if (!result.ok || result.rows.size() != 1 || result.rows.first().size() != 1) {
        if (error)
            *error =
                result.ok ? QStringLiteral("the sync server's reply cannot be read") : result.error;
        return std::nullopt;
    }
    return result.rows.first().first() == QLatin1String("t");
}

std::optional<QString> channel(PgConnection &connection, qint64 logbook, QString *error)
{
    const PgConnection::Result result = connection.exec(
        QStringLiteral("SELECT brindlewick.channel($1)"), {QString::number(logbook)});
    if (!result.ok || result.rows.size() != 1 || result.rows.first().value(0).isEmpty()) {
        if (error)
            *error = result.ok ? QStringLiteral("the sync server named no channel") : result.error;
        return std::nullopt;
    }
    return result.rows.first().first();
}

std::optional<PullPage> pull(PgConnection &connection, qint64 logbook, qint64 after, int limit,
                             QString *error)
{
    const PgConnection::Result result = connection.exec(
        QStringLiteral("SELECT seq, kind, key, deleted, data, hlc, base, clocks FROM "
                       "brindlewick.pull($1, $2, $3)"),
        {QString::number(logbook), QString::number(after), QString::number(limit)});
    if (!result.ok) {
        if (error)
            *error = result.error;
        return std::nullopt;
    }
    PullPage page;
    page.lastSeq = after;
    for (const QStringList &row : result.rows) {
        if (!decodePullRow(row, page)) {
            if (error)
                *error = QStringLiteral("the sync server sent a change that cannot be read");
            return std::nullopt;
        }
    }
    page.more = limit > 0 && result.rows.size() >= limit;
    return page;
}

bool decodePullRow(const QStringList &row, PullPage &page)
{
    if (row.size() != kPullColumns)
        return false;
    bool ok = false;
    const qint64 seq = row.at(0).toLongLong(&ok);
    // pull() hands out rows in order of their numbers, each number once.
    if (!ok || seq <= 0 || seq <= page.lastSeq)
        return false;
    const QString &kind = row.at(1);
    const QString &key = row.at(2);
    const QString &deletedText = row.at(3);
    const QString &hlc = row.at(5);
    const QString &base = row.at(6);
    if (deletedText != QLatin1String("t") && deletedText != QLatin1String("f"))
        return false;
    const bool deleted = deletedText == QLatin1String("t");
    if (hlc.isEmpty() || key.isEmpty())
        return false;
    QJsonParseError parseError;
    const QJsonDocument data = QJsonDocument::fromJson(row.at(4).toUtf8(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !data.isObject())
        return false;
    const QJsonObject object = data.object();
    const QJsonDocument clockData = QJsonDocument::fromJson(row.at(7).toUtf8(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !clockData.isObject())
        return false;
    QMap<QString, QString> clocks;
    const QJsonObject clockObject = clockData.object();
    for (auto it = clockObject.constBegin(); it != clockObject.constEnd(); ++it) {
        if (!it.value().isString() || !Hlc::fromText(it.value().toString()))
            return false;
        clocks.insert(it.key(), it.value().toString());
    }
    // A reading that is not one would be compared with local changes: refused like a bad row.
    if (!Hlc::fromText(hlc) || (!base.isEmpty() && !Hlc::fromText(base)))
        return false;

    if (kind == QLatin1String("qso")) {
        const QUuid uuid = QUuid::fromString(key);
        if (uuid.isNull())
            return false;
        PulledQso qso;
        qso.seq = seq;
        qso.uuid = uuid.toString(QUuid::WithoutBraces);
        qso.deleted = deleted;
        qso.hlc = hlc;
        qso.base = base;
        qso.clocks = std::move(clocks);
        for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
            QString value;
            if (it.key().isEmpty() || !textOf(it.value(), &value))
                return false;
            qso.fields.insert(it.key(), value);
        }
        page.qsos.append(std::move(qso));
    } else if (kind == QLatin1String("pref")) {
        QString value;
        if (deleted || object.size() != 1 || !object.contains(QLatin1String("value")) ||
            !textOf(object.value(QLatin1String("value")), &value))
            return false;
        page.prefs.append({seq, key, value, hlc});
    } else {
        return false;
    }
    page.lastSeq = seq;
    page.lastKey = kind + QLatin1Char(':') + key;
    return true;
}

} // namespace logsync::serverapi
