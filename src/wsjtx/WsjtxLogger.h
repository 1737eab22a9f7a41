#pragma once

#include "adif/AdifText.h"
#include "adif/EntityLookup.h"
#include "model/QsoClass.h"
#include "wsjtx/WsjtxMessage.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>

#include <optional>

class Clock;
class LogModel;
class UserDefaults;

namespace wsjtx {

/** Stores the QSOs that WSJT-X and JTDX log into the current logbook, each once. Both programs
 *  send a "QSO Logged" and a "Logged ADIF" message for every QSO they log; each is read through
 *  the ADIF reader (entity, zones and continent resolved as an ADIF import does) and stored
 *  unless the same callsign, start minute, band and mode came in during the last two minutes or
 *  is already in the logbook. */
class WsjtxLogger : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kDuplicateWindowSeconds = 120;
    /** WSJT-X and JTDX send one record per "Logged ADIF"; a datagram full of records is not
     *  theirs and must not hold the event loop with thousands of writes. */
    static constexpr qsizetype kMaxRecordsPerMessage = 20;

    /** Why a QSO was not stored. */
    enum class Skip {
        JustLogged, // the second message of the pair, or a repeat: nothing is wrong
        InLogbook,  // the logbook already holds it (logged by hand, imported, sent earlier)
        Unreadable, // the reader refused the record (no time, call, mode or frequency)
        NotStored,  // the logbook could not store it
    };
    Q_ENUM(Skip)

    WsjtxLogger(const UserDefaults &defaults, const Clock &clock, LogModel &log,
                adif::EntityLookup &entities, QObject *parent = nullptr);

    /** One datagram as it came off the network. */
    void receive(const QByteArray &datagram);
    /** One message already read; types other than the two that log a QSO are ignored. */
    void receive(const WsjtxMessage &message);

signals:
    /** The QSO is now in the logbook (with its row id); log lists show it when they reload. */
    void qsoStored(const QsoClass &qso);
    /** A QSO that was not stored, and why ("DL1ABC 2024-05-01 12:34 20m FT8: already in the
     *  logbook"). */
    void qsoSkipped(const QString &reason, wsjtx::WsjtxLogger::Skip why);
    /** A datagram that could not be read ("Not a WSJT-X message"). */
    void datagramRefused(const QString &reason);

private:
    void offer(const adif::AdifRecord &record, const QString &sender);
    /** Why the QSO must not be stored again; none when it is new. */
    [[nodiscard]] std::optional<Skip> duplicateOf(const QsoClass &qso);
    void forgetOldKeys();

    const UserDefaults &m_defaults;
    const Clock &m_clock;
    LogModel &m_log;
    adif::EntityLookup &m_entities;
    /** QSOs stored lately by their key, with when they came. */
    QHash<QString, QDateTime> m_recent;
};

} // namespace wsjtx
