#include "wsjtx/WsjtxLogger.h"

#include "adif/AdifRecordReader.h"
#include "app/Clock.h"
#include "app/UserDefaults.h"
#include "formats/Formats.h"
#include "model/LogModel.h"
#include "refdata/MyFunctions.h"
#include "wsjtx/WsjtxQsoCheck.h"
#include "wsjtx/WsjtxRecord.h"

namespace wsjtx {
namespace {

/** What makes two reports the same QSO: callsign, start to the minute, band and mode. */
QString keyOf(const QsoClass &qso)
{
    return QStringList{qso.callsign.toUpper(), qso.sqlDateTime().left(16), qso.band.toLower(),
                       qso.mode.toUpper()}
        .join(QLatin1Char('|'));
}

/** Report texts go to the diagnostics and the screen: control characters a datagram may carry
 *  (a NUL would cut the diagnostic line) are shown as replacement characters. */
QString printable(QString text)
{
    for (QChar &c : text)
        if (c.category() == QChar::Other_Control && c != u'\n')
            c = QChar::ReplacementCharacter;
    return text;
}

/** "DL1ABC 2024-05-01 12:34 20m FT8", for reports. */
QString describe(const QsoClass &qso)
{
    return printable(QStringList{qso.callsign, qso.sqlDateTime().left(16), qso.band, qso.mode}
                         .join(QLatin1Char(' '))
                         .simplified());
}

/** A record for a report line: a datagram may carry kilobytes. */
QString shortened(const QString &text)
{
    constexpr qsizetype kShown = 200;
    return text.size() <= kShown ? text : text.left(kShown) + QStringLiteral("…");
}

} // namespace

WsjtxLogger::WsjtxLogger(const UserDefaults &defaults, const Clock &clock, LogModel &log,
                         adif::EntityLookup &entities, QObject *parent)
    : QObject(parent), m_defaults(defaults), m_clock(clock), m_log(log), m_entities(entities)
{}

void WsjtxLogger::receive(const QByteArray &datagram)
{
    QString error;
    const std::optional<WsjtxMessage> message = readWsjtxMessage(datagram, &error);
    if (!message) {
        qWarning("WSJT-X datagram refused: %s", qPrintable(error));
        emit datagramRefused(error);
        return;
    }
    receive(*message);
}

void WsjtxLogger::receive(const WsjtxMessage &message)
{
    const QString sender = printable(message.id);
    if (message.type == WsjtxMessage::QsoLogged) {
        offer(adifRecord(message.qso), sender);
    } else if (message.type == WsjtxMessage::LoggedAdif) {
        const QList<adif::AdifRecord> records = adifRecords(message.adif);
        if (records.isEmpty()) {
            qWarning("%s",
                     qPrintable(QStringLiteral("No QSO in the ADIF text from %1").arg(sender)));
            emit qsoSkipped(tr("No QSO in the ADIF text from %1").arg(sender), Skip::Unreadable);
        }
        for (const adif::AdifRecord &record : records.mid(0, kMaxRecordsPerMessage))
            offer(record, sender);
        if (records.size() > kMaxRecordsPerMessage) {
            const qsizetype more = records.size() - kMaxRecordsPerMessage;
            qWarning("%s",
                     qPrintable(QStringLiteral("%1 more QSOs in one ADIF text from %2 not logged")
                                    .arg(more)
                                    .arg(sender)));
            emit qsoSkipped(
                tr("%1 more QSOs in one ADIF text from %2 not logged").arg(more).arg(sender),
                Skip::Unreadable);
        }
    }
}

void WsjtxLogger::offer(const adif::AdifRecord &record, const QString &sender)
{
    const refdata::BandTable bands = MyFunctions::bandTable(m_defaults);
    adif::ReaderContext context{m_entities, bands, m_log.makeMappingInfo(), &m_log.modesList()};
    adif::ReadRecord read = adif::readAdifRecord(record, context);
    QsoClass &qso = read.qso;
    if (!read.errors.isEmpty()) {
        const auto reason = [&](const QString &pattern) {
            return printable(
                pattern
                    .arg(describe(qso), sender, read.errors.join(QString()), shortened(record.text))
                    .simplified());
        };
        qWarning("%s", qPrintable(reason(QStringLiteral("%1 from %2 not logged: %3%4"))));
        emit qsoSkipped(reason(tr("%1 from %2 not logged: %3%4")), Skip::Unreadable);
        return;
    }
    // As the entry form takes it: no spaces around the call, capitals.
    qso.callsign = qso.callsign.trimmed().toUpper();
    if (const QString problem = qsoProblem(qso, m_clock.now()); !problem.isEmpty()) {
        const QString line = QStringLiteral("%1 from %2 not logged: %3")
                                 .arg(shortened(describe(qso)), sender, problem);
        qWarning("%s", qPrintable(line));
        emit qsoSkipped(
            tr("%1 from %2 not logged: %3").arg(shortened(describe(qso)), sender, problem),
            Skip::Unreadable);
        return;
    }
    if (const std::optional<Skip> duplicate = duplicateOf(qso)) {
        const bool just = *duplicate == Skip::JustLogged;
        qInfo("%s", qPrintable(QStringLiteral("%1: %2").arg(
                        describe(qso), just ? QStringLiteral("just logged")
                                            : QStringLiteral("already in the logbook"))));
        emit qsoSkipped(QStringLiteral("%1: %2").arg(
                            describe(qso), just ? tr("just logged") : tr("already in the logbook")),
                        *duplicate);
        return;
    }
    const WriteResult stored = m_log.saveNewQSOtoLog(qso);
    if (!stored) {
        qWarning("%s", qPrintable(QStringLiteral("%1 not stored in %2: %3")
                                      .arg(describe(qso), m_log.logDbName(), stored.error)));
        emit qsoSkipped(
            tr("%1 not stored in %2: %3").arg(describe(qso), m_log.logDbName(), stored.error),
            Skip::NotStored);
        return;
    }
    m_recent.insert(keyOf(qso), m_clock.now());
    qInfo("QSO from %s stored: %s", qPrintable(sender), qPrintable(describe(qso)));
    emit qsoStored(qso);
}

std::optional<WsjtxLogger::Skip> WsjtxLogger::duplicateOf(const QsoClass &qso)
{
    forgetOldKeys();
    const QString key = keyOf(qso);
    if (m_recent.contains(key))
        return Skip::JustLogged;
    const QList<QsoClass> stored = m_log.getAllQSOsWith(qso.callsign);
    for (const QsoClass &other : stored)
        if (keyOf(other) == key)
            return Skip::InLogbook;
    return std::nullopt;
}

void WsjtxLogger::forgetOldKeys()
{
    const QDateTime now = m_clock.now();
    for (auto it = m_recent.begin(); it != m_recent.end();) {
        const qint64 age = it.value().secsTo(now);
        if (age > kDuplicateWindowSeconds || age < 0)
            it = m_recent.erase(it);
        else
            ++it;
    }
}

} // namespace wsjtx
