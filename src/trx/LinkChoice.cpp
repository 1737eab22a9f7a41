#include "trx/LinkChoice.h"

#include "trx/GenericBleLink.h"
#include "trx/IcomBleLink.h"
#include "trx/NetworkLink.h"
#include "trx/QtBleCentral.h"
#include "trx/RigctldCommands.h"
#include "trx/SerialLink.h"

#include <QRegularExpression>

namespace trx {
namespace {

constexpr quint16 kRigctldPort = 4532;
constexpr int kHighestBaudRate = 4000000;
const QString kFlowControlFlag = QStringLiteral("rtscts");

std::optional<quint16> portOf(const QString &text)
{
    bool ok = false;
    const uint port = text.toUInt(&ok);
    if (!ok || port < 1 || port > 65535)
        return std::nullopt;
    return static_cast<quint16>(port);
}

/** "HOST" or "HOST:PORT"; an IPv6 literal goes in brackets ("[::1]:4532"). */
std::optional<std::pair<QString, QString>> splitHostPort(const QString &text)
{
    if (text.startsWith(u'[')) {
        const qsizetype close = text.indexOf(u']');
        if (close < 2)
            return std::nullopt;
        const QString rest = text.mid(close + 1);
        if (!rest.isEmpty() && !rest.startsWith(u':'))
            return std::nullopt;
        return std::pair{text.mid(1, close - 1), rest.isEmpty() ? QString() : rest.mid(1)};
    }
    const qsizetype colon = text.indexOf(u':');
    if (colon < 0)
        return std::pair{text, QString()};
    if (text.indexOf(u':', colon + 1) >= 0)
        return std::nullopt; // a bare IPv6 address: which colon ends it?
    return std::pair{text.left(colon), text.mid(colon + 1)};
}

QString hostText(const QString &host)
{
    return host.contains(u':') ? u'[' + host + u']' : host;
}

std::optional<LinkChoice> parseNetwork(const QString &rest, LinkChoice::Kind kind)
{
    const auto parts = splitHostPort(rest);
    if (!parts || parts->first.trimmed().isEmpty() || parts->first.contains(u' '))
        return std::nullopt;
    LinkChoice choice;
    choice.kind = kind;
    choice.host = parts->first.trimmed();
    if (parts->second.isEmpty() && kind == LinkChoice::Kind::Rigctld && !rest.endsWith(u':')) {
        choice.port = kRigctldPort;
        return choice;
    }
    const std::optional<quint16> port = portOf(parts->second);
    if (!port)
        return std::nullopt;
    choice.port = *port;
    return choice;
}

std::optional<LinkChoice> parseSerial(const QString &rest)
{
    QStringList parts = rest.split(u':');
    LinkChoice choice;
    choice.kind = LinkChoice::Kind::Serial;
    if (parts.size() > 1 && parts.last().compare(kFlowControlFlag, Qt::CaseInsensitive) == 0) {
        choice.hardwareFlowControl = true;
        parts.removeLast();
    }
    if (parts.size() > 2)
        return std::nullopt;
    if (parts.size() == 2) {
        bool ok = false;
        choice.baudRate = parts.last().toInt(&ok);
        if (!ok || choice.baudRate < 1 || choice.baudRate > kHighestBaudRate)
            return std::nullopt;
    }
    choice.device = parts.first();
    if (choice.device.trimmed().isEmpty() || choice.device != choice.device.trimmed())
        return std::nullopt;
    return choice;
}

std::optional<LinkChoice> parseBluetooth(const QString &rest, LinkChoice::Kind kind)
{
    static const QRegularExpression address(QStringLiteral("^[0-9A-F]{2}(:[0-9A-F]{2}){5}$"),
                                            QRegularExpression::CaseInsensitiveOption);
    if (!address.match(rest).hasMatch())
        return std::nullopt;
    LinkChoice choice;
    choice.kind = kind;
    choice.bluetoothAddress = rest.toUpper();
    return choice;
}

} // namespace

std::optional<LinkChoice> LinkChoice::parse(const QString &text)
{
    const QString trimmed = text.trimmed();
    const qsizetype colon = trimmed.indexOf(u':');
    if (colon < 0)
        return std::nullopt;
    const QString scheme = trimmed.left(colon).toLower();
    const QString rest = trimmed.mid(colon + 1);
    if (scheme == u"tcp")
        return parseNetwork(rest, Kind::Network);
    if (scheme == u"rigctld")
        return parseNetwork(rest, Kind::Rigctld);
    if (scheme == u"serial")
        return parseSerial(rest);
    if (scheme == u"ble")
        return parseBluetooth(rest, Kind::Ble);
    if (scheme == u"icom-ble")
        return parseBluetooth(rest, Kind::IcomBle);
    return std::nullopt;
}

QString LinkChoice::toString() const
{
    switch (kind) {
    case Kind::Network:
        return QStringLiteral("tcp:%1:%2").arg(hostText(host)).arg(port);
    case Kind::Rigctld:
        return QStringLiteral("rigctld:%1:%2").arg(hostText(host)).arg(port);
    case Kind::Serial:
        return QStringLiteral("serial:%1:%2%3")
            .arg(device)
            .arg(baudRate)
            .arg(hardwareFlowControl ? u':' + kFlowControlFlag : QString());
    case Kind::Ble:
        return QStringLiteral("ble:%1").arg(bluetoothAddress);
    case Kind::IcomBle:
        return QStringLiteral("icom-ble:%1").arg(bluetoothAddress);
    }
    return {};
}

std::unique_ptr<ByteLink> makeLink(const LinkChoice &choice, QObject *parent)
{
    switch (choice.kind) {
    case LinkChoice::Kind::Network:
        return std::make_unique<NetworkLink>(choice.host, choice.port, QStringLiteral("tcp"),
                                             parent);
    case LinkChoice::Kind::Rigctld:
        return std::make_unique<NetworkLink>(choice.host, choice.port, QStringLiteral("rigctld"),
                                             parent);
    case LinkChoice::Kind::Serial:
        return std::make_unique<SerialLink>(choice.device, choice.baudRate,
                                            choice.hardwareFlowControl, parent);
    case LinkChoice::Kind::Ble:
        return std::make_unique<GenericBleLink>(new QtBleCentral, choice.bluetoothAddress, parent);
    case LinkChoice::Kind::IcomBle:
        return std::make_unique<IcomBleLink>(new QtBleCentral, choice.bluetoothAddress,
                                             choice.installationId, parent);
    }
    return nullptr;
}

std::unique_ptr<CommandSet> makeRigctldCommandSet()
{
    return std::make_unique<RigctldCommands>();
}

} // namespace trx
