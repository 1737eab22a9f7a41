#include "services/EqslInbox.h"

#include "adif/AdifText.h"

#include <QTimeZone>

#include <algorithm>

namespace eqsl {

InboxPage parseInboxPage(const QByteArray &html)
{
    const QString page = QString::fromLatin1(html);
    InboxPage result;
    static const QString kBuilt = QStringLiteral("Your ADIF log file has been built");
    const qsizetype built = page.indexOf(kBuilt);
    if (built >= 0) {
        const QStringList pieces = page.mid(built + kBuilt.size()).split(QLatin1Char('"'));
        if (pieces.size() >= 2) {
            result.kind = InboxPage::Kind::Link;
            result.link = pieces.at(1);
        }
        return result;
    }
    if (page.contains(QLatin1String("You have no log entries"))) {
        result.kind = InboxPage::Kind::NoEntries;
        return result;
    }
    const qsizetype head = page.indexOf(QLatin1String("</HEAD>"));
    if (head >= 0) {
        const QString body = page.mid(head + 7);
        const qsizetype error = body.indexOf(QLatin1String("Error"));
        if (error >= 0) {
            result.kind = InboxPage::Kind::Error;
            const qsizetype end = body.indexOf(QLatin1Char('<'), error);
            result.error = body.mid(error, end < 0 ? -1 : end - error).trimmed();
        }
    }
    return result;
}

Inbox parseInbox(const QByteArray &bytes)
{
    Inbox inbox;
    const QByteArray upper = bytes.toUpper();
    const qsizetype endOfHeader = upper.indexOf("<EOH>");
    // A web page (a login or error page) that happens to contain "<EOH>" is no inbox: its
    // header holds markup.
    const QByteArray header = upper.first(std::max<qsizetype>(endOfHeader, 0));
    inbox.isAdif = endOfHeader >= 0 && !header.contains("<HTML") && !header.contains("<!DOCTYPE") &&
                   !header.contains("<BODY") && !header.contains("<HEAD");
    if (!inbox.isAdif)
        return inbox;
    const adif::PreparedAdif prepared = adif::prepareAdif(bytes);
    inbox.complete = prepared.spans.isEmpty() || prepared.spans.constLast().ended;
    for (qsizetype i = 0; i < prepared.spans.size(); ++i) {
        if (!prepared.spans.at(i).ended)
            continue;
        const QList<adif::AdifFieldValue> fields = prepared.record(i).fields;
        const auto field = [&fields](const char16_t *name) {
            return adif::fieldValue(fields, name);
        };
        QsoClass qso;
        qso.callsign = field(u"call");
        if (qso.callsign.size() < 2)
            continue;
        QString time = field(u"time_on");
        if (time.size() == 4)
            time += QLatin1String("00");
        const QDateTime instant =
            QDateTime::fromString(field(u"qso_date") + time, QStringLiteral("yyyyMMddHHmmss"));
        if (instant.isValid())
            qso.dateTime = QDateTime(instant.date(), instant.time(), QTimeZone::utc());
        qso.band = field(u"band").toLower();
        qso.mode = field(u"mode");
        const QString submode = field(u"submode");
        if (!submode.isEmpty())
            qso.mode += QLatin1Char('/') + submode;
        inbox.received.append(qso);
    }
    return inbox;
}

QString sinceValue(const QString &lastDownload)
{
    // The open end "2099-12-31 23:59:59" of a logbook that never downloaded asks for everything.
    if (lastDownload.size() < 16 || lastDownload.startsWith(QLatin1String("2099")))
        return {};
    return lastDownload.mid(0, 4) + lastDownload.mid(5, 2) + lastDownload.mid(8, 2) +
           lastDownload.mid(11, 2) + lastDownload.mid(14, 2);
}

} // namespace eqsl
