#include "trx/TrxSettings.h"

#include "app/UserDefaults.h"
#include "trx/TrxController.h"

namespace trx {
namespace {

QString key(const char *name)
{
    return QString::fromLatin1(name);
}

const char kBrand[] = "TRX_Brand";
const char kType[] = "Trx_Type";
const char kDataSubMode[] = "TRX_Data_Sub_Mode";
const char kUseDataMode[] = "UseDataMode";
const char kPollTime[] = "IcomPollTime";
const char kPollForData[] = "IcomPollForData";
const char kPigtailAddress[] = "Pigtail_Address";
const char kPigtailPort[] = "Pigtail_Port";
const char kLink[] = "TrxLink";
const char kSerialPort[] = "TrxSerialPort";
const char kSerialBaud[] = "TrxSerialBaud";
const char kSerialFlow[] = "TrxSerialFlow";
const char kRigctldAddress[] = "RigctldAddress";
const char kRigctldPort[] = "RigctldPort";
const char kBleAddress[] = "BleAddress";
const char kIcomAddress[] = "IcomAddress";
const char kIcomName[] = "IcomName";
const char kInstallationId[] = "BleInstallationId";

} // namespace

Make TrxSettings::make() const
{
    const qint64 index = m_defaults.integer(key(kBrand));
    return index >= int(Make::Elecraft) && index <= int(Make::Yaesu) ? Make(index) : Make::Elecraft;
}

void TrxSettings::setMake(Make make)
{
    m_defaults.setValue(key(kBrand), int(make));
}

QString TrxSettings::model() const
{
    const QString stored = m_defaults.string(key(kType));
    return modelsOf(make()).contains(stored) ? stored : QString();
}

void TrxSettings::setModel(const QString &model)
{
    m_defaults.setValue(key(kType), model);
}

RadioChoice TrxSettings::radio() const
{
    RadioChoice choice{make(), model(), 0};
    if (choice.make == Make::Icom)
        choice.icomAddress = icomAddressOf(choice.model).value_or(0);
    return choice;
}

CatOptions TrxSettings::catOptions() const
{
    return {int(m_defaults.integer(key(kDataSubMode))), m_defaults.boolean(key(kUseDataMode))};
}

void TrxSettings::setDataSubMode(int index)
{
    m_defaults.setValue(key(kDataSubMode), index);
}

void TrxSettings::setUseDataMode(bool on)
{
    m_defaults.setValue(key(kUseDataMode), on);
}

bool TrxSettings::pollForData() const
{
    return m_defaults.boolean(key(kPollForData));
}

void TrxSettings::setPollForData(bool on)
{
    m_defaults.setValue(key(kPollForData), on);
}

double TrxSettings::pollSeconds() const
{
    return TrxController::usablePollSeconds(m_defaults.real(key(kPollTime)));
}

void TrxSettings::setPollSeconds(double seconds)
{
    m_defaults.setValue(key(kPollTime), seconds);
}

LinkChoice::Kind TrxSettings::linkKind() const
{
    const QString name = m_defaults.string(key(kLink));
    for (const auto kind : {LinkChoice::Kind::Serial, LinkChoice::Kind::Rigctld,
                            LinkChoice::Kind::Ble, LinkChoice::Kind::IcomBle})
        if (name == kindName(kind))
            return kind;
    return LinkChoice::Kind::Network;
}

void TrxSettings::setLinkKind(LinkChoice::Kind kind)
{
    m_defaults.setValue(key(kLink), kindName(kind));
}

QString TrxSettings::networkAddress() const
{
    return m_defaults.string(key(kPigtailAddress)).trimmed();
}

void TrxSettings::setNetworkAddress(const QString &address)
{
    m_defaults.setValue(key(kPigtailAddress), address.trimmed());
}

quint16 TrxSettings::networkPort() const
{
    return port(kPigtailPort, 0);
}

void TrxSettings::setNetworkPort(quint16 port)
{
    m_defaults.setValue(key(kPigtailPort), port);
}

QString TrxSettings::serialPort() const
{
    return m_defaults.string(key(kSerialPort));
}

void TrxSettings::setSerialPort(const QString &device)
{
    m_defaults.setValue(key(kSerialPort), device.trimmed());
}

int TrxSettings::serialBaud() const
{
    const qint64 baud = m_defaults.integer(key(kSerialBaud));
    return baud > 0 && baud <= 4'000'000 ? int(baud) : kDefaultBaudRate;
}

void TrxSettings::setSerialBaud(int baud)
{
    m_defaults.setValue(key(kSerialBaud), baud);
}

bool TrxSettings::serialFlow() const
{
    return m_defaults.boolean(key(kSerialFlow));
}

void TrxSettings::setSerialFlow(bool hardware)
{
    m_defaults.setValue(key(kSerialFlow), hardware);
}

QString TrxSettings::rigctldAddress() const
{
    const QString address = m_defaults.string(key(kRigctldAddress)).trimmed();
    return address.isEmpty() ? QStringLiteral("localhost") : address;
}

void TrxSettings::setRigctldAddress(const QString &address)
{
    m_defaults.setValue(key(kRigctldAddress), address.trimmed());
}

quint16 TrxSettings::rigctldPort() const
{
    return port(kRigctldPort, kDefaultRigctldPort);
}

void TrxSettings::setRigctldPort(quint16 port)
{
    m_defaults.setValue(key(kRigctldPort), port);
}

QString TrxSettings::bleAddress() const
{
    return m_defaults.string(key(kBleAddress));
}

void TrxSettings::setBleAddress(const QString &address)
{
    m_defaults.setValue(key(kBleAddress), address);
}

QString TrxSettings::icomAddress() const
{
    return m_defaults.string(key(kIcomAddress));
}

QString TrxSettings::icomName() const
{
    return m_defaults.string(key(kIcomName));
}

void TrxSettings::setIcomRadio(const QString &address, const QString &name)
{
    m_defaults.setValue(key(kIcomAddress), address);
    m_defaults.setValue(key(kIcomName), name.isEmpty() ? QStringLiteral("NoName") : name);
}

QUuid TrxSettings::bleInstallationId() const
{
    QUuid id = QUuid::fromString(m_defaults.string(key(kInstallationId)));
    if (id.isNull()) {
        id = QUuid::createUuid();
        m_defaults.setValue(key(kInstallationId), id.toString(QUuid::WithoutBraces));
    }
    return id;
}

LinkChoice TrxSettings::link() const
{
    LinkChoice choice;
    choice.kind = linkKind();
    switch (choice.kind) {
    case LinkChoice::Kind::Network:
        choice.host = networkAddress();
        choice.port = networkPort();
        break;
    case LinkChoice::Kind::Serial:
        choice.device = serialPort();
        choice.baudRate = serialBaud();
        choice.hardwareFlowControl = serialFlow();
        break;
    case LinkChoice::Kind::Rigctld:
        choice.host = rigctldAddress();
        choice.port = rigctldPort();
        break;
    case LinkChoice::Kind::Ble:
        choice.bluetoothAddress = bleAddress();
        break;
    case LinkChoice::Kind::IcomBle:
        choice.bluetoothAddress = icomAddress();
        choice.installationId = bleInstallationId();
        break;
    }
    return choice;
}

QString TrxSettings::kindName(LinkChoice::Kind kind)
{
    switch (kind) {
    case LinkChoice::Kind::Serial:
        return QStringLiteral("serial");
    case LinkChoice::Kind::Rigctld:
        return QStringLiteral("rigctld");
    case LinkChoice::Kind::Ble:
        return QStringLiteral("ble");
    case LinkChoice::Kind::IcomBle:
        return QStringLiteral("icom-ble");
    case LinkChoice::Kind::Network:
        break;
    }
    return QStringLiteral("network");
}

quint16 TrxSettings::port(const char *name, quint16 fallback) const
{
    if (!m_defaults.contains(key(name)))
        return fallback;
    const qint64 value = m_defaults.integer(key(name));
    return value > 0 && value <= 65535 ? quint16(value) : fallback;
}

} // namespace trx
