#include "entry/PileUp.h"

#include "app/Clock.h"
#include "app/UserDefaults.h"
#include "entry/EntryTexts.h"
#include "entry/FieldRules.h"
#include "entry/PileUpStart.h"
#include "formats/Formats.h"
#include "model/LogModel.h"
#include "refdata/DXCCModel.h"
#include "refdata/WpxPrefix.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTimer>

#include <cstdlib>

namespace {

constexpr int kClockMs = 1000;
// Shorter texts are taken for slips of the finger, not callsigns.
constexpr int kShortestCallsign = 3;

QString clockText(const QDateTime &now)
{
    return QLocale(QStringLiteral("en_GB"))
        .toString(now.toUTC().time(), QStringLiteral("HH:mm:ss"));
}

} // namespace

PileUp::PileUp(UserDefaults &defaults, const Clock &clock, LogModel &log, DXCCModel &dxcc,
               QObject *parent)
    : QObject(parent), m_defaults(defaults), m_now(clock), m_current(log), m_dxcc(dxcc),
      m_clock(new QTimer(this))
{
    m_clock->setInterval(kClockMs);
    connect(m_clock, &QTimer::timeout, this, &PileUp::updateLogTime);
}

PileUp::~PileUp() = default;

QString PileUp::alertTitle()
{
    return entry::texts::shown(pileup::kCantRun);
}

QString PileUp::start(const QVariantMap &fields, int powerIndex, const QString &powerText,
                      int colorCode)
{
    const auto made = pileup::makeDefaultQso({fields, powerIndex, powerText, colorCode});
    if (const QString *message = std::get_if<QString>(&made))
        return *message;
    setDefaultQSO(std::get<QsoClass>(made));
    return {};
}

void PileUp::setDefaultQSO(const QsoClass &defaultQso)
{
    // A pile-up logs into the logbook it started on.
    m_log = m_current.pinned();
    m_default = defaultQso;
    m_rstrx = defaultQso.rstrx;
    m_rsttx = defaultQso.rsttx;
    m_callsign.clear();
    m_logText.clear();
    m_logged.clear();
    m_running = true;
    updateLogTime();
    m_clock->start();
    emit runningChanged();
    emit reportsChanged();
    emit callsignChanged();
    emit logTextChanged();
}

void PileUp::finish()
{
    m_clock->stop();
    m_log.reset();
    if (m_running) {
        m_running = false;
        emit runningChanged();
    }
}

void PileUp::updateLogTime()
{
    const QDateTime now = m_now.now();
    m_dateText = formats::displayDate(now.date(), m_defaults.logDateFormaterStyle());
    m_timeText = clockText(now);
    emit clockChanged();
}

void PileUp::setCallsign(const QString &text)
{
    const QString typed = entry::typedText(entry::TextField::Callsign, text);
    if (typed == m_callsign)
        return;
    m_callsign = typed;
    emit callsignChanged();
}

QString PileUp::duplicateText() const
{
    const QString call = m_callsign.trimmed().toUpper();
    if (!m_logged.contains(call))
        return {};
    return QCoreApplication::translate("PileUp", "%1 is already in this pile-up's log").arg(call);
}

void PileUp::setRstrx(const QString &text)
{
    const QString typed = entry::typedText(entry::TextField::Rst, text);
    if (typed == m_rstrx)
        return;
    m_rstrx = typed;
    emit reportsChanged();
}

void PileUp::setRsttx(const QString &text)
{
    const QString typed = entry::typedText(entry::TextField::Rst, text);
    if (typed == m_rsttx)
        return;
    m_rsttx = typed;
    emit reportsChanged();
}

void PileUp::cancel()
{
    setCallsign({});
    emit keyboardCloseRequested();
}

bool PileUp::logQso()
{
    const QString call = m_callsign.trimmed().toUpper();
    if (!m_running || call.size() < kShortestCallsign) {
        emit keyboardCloseRequested();
        return false;
    }
    const QDateTime now = m_now.now();
    const CountryClass entity = m_dxcc.getDXCC(call, now);

    QsoClass qso;
    qso.dateTime = now.toUTC();
    qso.callsign = call;
    qso.band = m_default.band;
    qso.qrg = m_default.qrg;
    qso.mode = m_default.mode;
    qso.rstrx = m_rstrx;
    qso.rsttx = m_rsttx;
    qso.qsl = m_default.qsl;
    qso.lotwqsl = m_default.lotwqsl;
    qso.eqsl = m_default.eqsl;
    qso.colorCode = m_default.colorCode;
    qso.note = m_default.note;
    qso.power = m_default.power;
    qso.dxcc = entity.dxcc;
    qso.cq = QString::number(entity.cq);
    qso.itu = QString::number(entity.itu);
    qso.cnt = entity.cnt;
    qso.adif = std::abs(entity.adif);
    qso.prefix = refdata::getPrefix(call);
    const WriteResult stored = m_log->saveNewQSOtoLog(qso);
    if (!stored) {
        // The callsign stays in the field, so the QSO can be logged again.
        emit alertRequested(entry::texts::shown(entry::texts::kAlertTitle),
                            entry::texts::shown(entry::texts::kNotStored));
        return false;
    }

    m_logged.insert(call);
    setCallsign({});
    emit callsignFocusRequested();
    // The line carries the QSO's own second, so the list and the logbook agree.
    m_logText.prepend(QStringLiteral("%1\t\t%2\n").arg(clockText(now), call));
    emit logTextChanged();
    emit qsoLogged(stored.rowid);
    return true;
}
