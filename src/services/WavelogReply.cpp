#include "services/WavelogReply.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace wavelog {
namespace {

QString clean(QString text)
{
    // The instance's messages may carry HTML line breaks.
    text.replace(QLatin1String("<br>"), QLatin1String(" "), Qt::CaseInsensitive);
    for (QChar &c : text)
        if (c.category() == QChar::Other_Control)
            c = u' ';
    text = text.simplified();
    if (text.size() > kMaxReason)
        text = text.left(kMaxReason) + QStringLiteral("…");
    return text;
}

QString messagesOf(const QJsonObject &object)
{
    QStringList parts;
    if (object.value(QLatin1String("reason")).isString())
        parts << object.value(QLatin1String("reason")).toString();
    const QJsonValue messages = object.value(QLatin1String("messages"));
    if (messages.isString())
        parts << messages.toString();
    for (const QJsonValue &message : messages.toArray())
        if (message.isString() && !message.toString().trimmed().isEmpty())
            parts << message.toString();
    return clean(parts.join(QLatin1Char(' ')));
}

} // namespace

Reply parseReply(int httpStatus, const QByteArray &body)
{
    Reply reply;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return reply;
    const QJsonObject object = document.object();
    const QString status = object.value(QLatin1String("status")).toString().toLower();
    reply.reason = messagesOf(object);
    if (status == QLatin1String("created")) {
        // Cloudlog answers "created" even when its import skipped the record.
        const int errors = object.value(QLatin1String("adif_errors")).toInt(0);
        if (errors == 0 && httpStatus >= 200 && httpStatus < 300)
            reply.verdict = Reply::Verdict::Created;
        else
            reply.verdict = reply.reason.contains(QLatin1String("duplicate"), Qt::CaseInsensitive)
                                ? Reply::Verdict::Duplicate
                                : Reply::Verdict::Refused;
    } else if (status == QLatin1String("failed") || status == QLatin1String("abort")) {
        if (httpStatus == 401 ||
            reply.reason.contains(QLatin1String("api key"), Qt::CaseInsensitive) ||
            reply.reason.contains(QLatin1String("station id"), Qt::CaseInsensitive))
            reply.verdict = Reply::Verdict::BadKey;
        else if (reply.reason.contains(QLatin1String("duplicate"), Qt::CaseInsensitive))
            reply.verdict = Reply::Verdict::Duplicate;
        else
            reply.verdict = Reply::Verdict::Refused;
    }
    return reply;
}

} // namespace wavelog
