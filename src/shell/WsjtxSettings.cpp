#include "shell/WsjtxSettings.h"

#include "app/Clock.h"
#include "app/UserDefaults.h"
#include "model/QsoClass.h"
#include "wsjtx/WsjtxListener.h"
#include "wsjtx/WsjtxLogger.h"

#include <QHostAddress>

using wsjtx::WsjtxListener;
using wsjtx::WsjtxLogger;

WsjtxSettings::WsjtxSettings(UserDefaults &defaults, const Clock &clock, LogModel &log,
                             DXCCModel &dxcc, QObject *parent)
    : QObject(parent), m_defaults(defaults), m_clock(clock), m_entities(dxcc),
      m_logger(new WsjtxLogger(defaults, clock, log, m_entities, this)),
      m_listener(new WsjtxListener(defaults, this))
{
    connect(m_listener, &WsjtxListener::datagramReceived, m_logger,
            qOverload<const QByteArray &>(&WsjtxLogger::receive));
    connect(m_listener, &WsjtxListener::stateChanged, this, &WsjtxSettings::changed);
    connect(&defaults, &UserDefaults::changed, this, [this](const QString &key) {
        if (key == QLatin1String(WsjtxListener::kListenKey) ||
            key == QLatin1String(WsjtxListener::kPortKey) ||
            key == QLatin1String(WsjtxListener::kAddressKey))
            emit changed();
    });
    connect(m_logger, &WsjtxLogger::qsoStored, this, &WsjtxSettings::noteStored);
    // The second message of each pair is how the programs report a QSO, not news for the user.
    connect(m_logger, &WsjtxLogger::qsoSkipped, this,
            [this](const QString &reason, WsjtxLogger::Skip why) {
                if (why != WsjtxLogger::Skip::JustLogged)
                    note(reason, false);
            });
}

WsjtxSettings::~WsjtxSettings() = default;

bool WsjtxSettings::on() const
{
    return m_defaults.boolean(QString::fromLatin1(WsjtxListener::kListenKey));
}

void WsjtxSettings::setOn(bool on)
{
    if (on != this->on())
        m_defaults.setValue(QString::fromLatin1(WsjtxListener::kListenKey), on);
}

int WsjtxSettings::port() const
{
    return WsjtxListener::configuredPort(m_defaults);
}

QString WsjtxSettings::setPort(const QString &text)
{
    bool ok = false;
    const qint64 port = text.trimmed().toLongLong(&ok);
    const QString problem = ok ? WsjtxListener::portProblem(port) : WsjtxListener::portProblem(0);
    if (!problem.isEmpty())
        return problem;
    if (port != this->port() || !m_defaults.contains(QString::fromLatin1(WsjtxListener::kPortKey)))
        m_defaults.setValue(QString::fromLatin1(WsjtxListener::kPortKey), int(port));
    else if (on() && failed())
        m_listener->listen(quint16(port)); // the same port again: it may have been freed
    return {};
}

QString WsjtxSettings::address() const
{
    const QString stored = m_defaults.string(QString::fromLatin1(WsjtxListener::kAddressKey));
    return stored.trimmed().isEmpty() ? QString::fromLatin1(WsjtxListener::kDefaultAddress)
                                      : stored.trimmed();
}

QString WsjtxSettings::setAddress(const QString &text)
{
    const QString typed = text.trimmed().isEmpty()
                              ? QString::fromLatin1(WsjtxListener::kDefaultAddress)
                              : text.trimmed();
    if (QHostAddress(typed).isNull())
        return tr("%1 is no IP address (e.g. 127.0.0.1, 0.0.0.0 or 224.0.0.1)").arg(typed);
    if (typed != address())
        m_defaults.setValue(QString::fromLatin1(WsjtxListener::kAddressKey), typed);
    return {};
}

QString WsjtxSettings::status() const
{
    if (!m_listener->error().isEmpty())
        return m_listener->error();
    if (m_listener->isListening())
        return tr("Listening on UDP port %1").arg(m_listener->port());
    return tr("Off");
}

bool WsjtxSettings::failed() const
{
    return !m_listener->error().isEmpty();
}

void WsjtxSettings::noteStored(const QsoClass &qso)
{
    note(QStringLiteral("%1  %2  %3  %4  %5  %6")
             .arg(qso.callsign, qso.sqlDateTime().left(16), qso.band, qso.mode, qso.dxcc,
                  qso.rsttx + QLatin1Char('/') + qso.rstrx),
         true);
}

void WsjtxSettings::note(const QString &text, bool stored)
{
    m_received.prepend(QVariantMap{
        {QStringLiteral("time"), m_clock.now().toUTC().toString(QStringLiteral("HH:mm:ss"))},
        {QStringLiteral("text"), text},
        {QStringLiteral("stored"), stored}});
    while (m_received.size() > kReceivedShown)
        m_received.removeLast();
    emit receivedChanged();
}
