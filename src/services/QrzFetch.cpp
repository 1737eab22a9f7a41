#include "services/QrzFetch.h"

#include "adif/AdifText.h"

#include <QRegularExpression>
#include <QTimeZone>

#include <algorithm>
#include <optional>

namespace qrzlog {
namespace {

const QRegularExpression kCall(QStringLiteral("^[A-Z0-9/]{3,20}$"));
const QRegularExpression kBand(QStringLiteral("^[0-9.]{1,6}(c?m|mm)$"));
const QRegularExpression kMode(QStringLiteral("^[A-Z0-9-]{1,20}$"));
const QRegularExpression kLogId(QStringLiteral("^[0-9]{1,18}$"));
const QRegularExpression kStatus(QStringLiteral("^[A-Z]{1,2}$"));

QDateTime instant(const QList<adif::AdifFieldValue> &fields)
{
    QString time = adif::fieldValue(fields, u"time_on").trimmed();
    if (time.size() == 4)
        time += QLatin1String("00");
    const QDateTime at = QDateTime::fromString(
        adif::fieldValue(fields, u"qso_date").trimmed() + time, QStringLiteral("yyyyMMddHHmmss"));
    return at.isValid() ? QDateTime(at.date(), at.time(), QTimeZone::utc()) : QDateTime();
}

std::optional<QsoClass> qsoOf(const QList<adif::AdifFieldValue> &fields, qint64 &lastLogId)
{
    const auto field = [&fields](const char16_t *name) {
        return adif::fieldValue(fields, name).trimmed();
    };
    QsoClass qso;
    qso.callsign = field(u"call").toUpper();
    qso.dateTime = instant(fields);
    if (!kCall.match(qso.callsign).hasMatch() || !qso.dateTime.isValid())
        return std::nullopt;
    const QString band = field(u"band").toLower();
    qso.band = kBand.match(band).hasMatch() ? band : QString();
    const QString mode = field(u"mode").toUpper();
    qso.mode = kMode.match(mode).hasMatch() ? mode : QString();
    const QString status = field(u"app_qrzlog_status").toUpper();
    if (kStatus.match(status).hasMatch())
        qso.extraFields.set(QString::fromLatin1(kStatusField), status);
    const QString logId = field(u"app_qrzlog_logid");
    if (kLogId.match(logId).hasMatch()) {
        qso.extraFields.set(QString::fromLatin1(kLogIdField), logId);
        lastLogId = std::max(lastLogId, logId.toLongLong());
    }
    return qso;
}

} // namespace

FetchPage parseFetch(const QByteArray &body, qint64 max)
{
    FetchPage page;
    page.reply = parseReply(body);
    if (page.reply.result != Reply::Result::Ok || page.reply.count < 0)
        return page;
    page.expected = std::min(page.reply.count, max);
    if (!page.reply.hasAdif)
        return page;
    const adif::PreparedAdif prepared = adif::importAdif(page.reply.adif);
    for (qsizetype i = 0; i < prepared.spans.size(); ++i) {
        if (!prepared.spans.at(i).ended) {
            page.cut = true;
            continue;
        }
        ++page.recordCount;
        if (std::optional<QsoClass> qso = qsoOf(prepared.record(i).fields, page.lastLogId))
            page.qsos.append(*qso);
    }
    return page;
}

} // namespace qrzlog
