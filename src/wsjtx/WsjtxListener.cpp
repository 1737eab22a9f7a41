#include "wsjtx/WsjtxListener.h"

#include "app/UserDefaults.h"

namespace wsjtx {

WsjtxListener::WsjtxListener(UserDefaults &defaults, QObject *parent)
    : QObject(parent), m_defaults(&defaults)
{
    connect(&m_socket, &net::UdpListener::datagramReceived, this,
            [this](const QByteArray &datagram) { emit datagramReceived(datagram); });
    connect(&defaults, &UserDefaults::changed, this, [this](const QString &key) {
        if (key == QLatin1String(kListenKey) || key == QLatin1String(kPortKey) ||
            key == QLatin1String(kAddressKey))
            followDefaults();
    });
    followDefaults();
}

WsjtxListener::WsjtxListener(QObject *parent) : QObject(parent)
{
    connect(&m_socket, &net::UdpListener::datagramReceived, this,
            [this](const QByteArray &datagram) { emit datagramReceived(datagram); });
}

WsjtxListener::~WsjtxListener() = default;

int WsjtxListener::configuredPort(const UserDefaults &defaults)
{
    bool ok = false;
    const qint64 port = defaults.value(QString::fromLatin1(kPortKey)).toLongLong(&ok);
    return ok && portProblem(port).isEmpty() ? int(port) : kDefaultPort;
}

QString WsjtxListener::portProblem(qint64 port)
{
    if (port >= 1 && port <= 65535)
        return {};
    return tr("The port must be a number from 1 to 65535.");
}

std::optional<QHostAddress> WsjtxListener::configuredAddress(const UserDefaults &defaults)
{
    const QString text = defaults.string(QString::fromLatin1(kAddressKey)).trimmed();
    const QHostAddress address(text.isEmpty() ? QString::fromLatin1(kDefaultAddress) : text);
    if (address.isNull())
        return std::nullopt;
    return address;
}

QString WsjtxListener::listen(quint16 port, std::optional<QHostAddress> address)
{
    if (!address && m_defaults)
        address = configuredAddress(*m_defaults);
    if (!address)
        address = QHostAddress(QString::fromLatin1(kDefaultAddress));
    if (const QString reason = m_socket.listen(port, *address); !reason.isEmpty()) {
        // The diagnostic stays English; the settings screen shows the user's language.
        m_error = tr("UDP port %1 could not be opened: %2").arg(port).arg(reason);
        emit stateChanged();
        return m_error;
    }
    m_error.clear();
    emit stateChanged();
    return {};
}

void WsjtxListener::stop()
{
    const bool changed = m_socket.stop() || !m_error.isEmpty();
    m_error.clear();
    if (changed)
        emit stateChanged();
}

void WsjtxListener::followDefaults()
{
    if (!m_defaults->boolean(QString::fromLatin1(kListenKey))) {
        stop();
        return;
    }
    const std::optional<QHostAddress> address = configuredAddress(*m_defaults);
    if (!address) {
        stop();
        m_error = tr("The address %1 is no IP address.")
                      .arg(m_defaults->string(QString::fromLatin1(kAddressKey)));
        emit stateChanged();
        return;
    }
    listen(quint16(configuredPort(*m_defaults)), *address);
}

} // namespace wsjtx
