#include "trx/TrxScreen.h"

#include "trx/BleScanner.h"
#include "trx/ByteLink.h"
#include "trx/IcomPairing.h"
#include "trx/InterfaceDiscovery.h"
#include "trx/LinkChoice.h"
#include "trx/QtBleCentral.h"
#include "trx/RadioModels.h"
#include "trx/TrxController.h"

#include <QSerialPortInfo>

#include <iterator>

namespace trx {
namespace {

constexpr LinkChoice::Kind kKinds[] = {LinkChoice::Kind::Network, LinkChoice::Kind::Serial,
                                       LinkChoice::Kind::Rigctld, LinkChoice::Kind::Ble,
                                       LinkChoice::Kind::IcomBle};

bool validPort(int port)
{
    return port > 0 && port <= 65535;
}

} // namespace

TrxScreen::TrxScreen(UserDefaults &defaults, TrxController &controller, QObject *parent)
    : QObject(parent), m_settings(defaults), m_controller(controller),
      m_discovery(new InterfaceDiscovery(this))
{
    connect(&m_controller, &TrxController::connectionChanged, this, &TrxScreen::connectionChanged);
    connect(&m_controller, &TrxController::readingChanged, this, &TrxScreen::readingChanged);
    connect(&m_controller, &TrxController::statusChanged, this,
            [this] { setStatus(m_controller.statusText(), m_controller.statusIsError()); });
    connect(m_discovery, &InterfaceDiscovery::hostsChanged, this, &TrxScreen::interfacesChanged);
    connect(m_discovery, &InterfaceDiscovery::runningChanged, this, &TrxScreen::interfacesChanged);
    connect(m_discovery, &InterfaceDiscovery::progressChanged, this,
            &TrxScreen::scanProgressChanged);
    connect(m_discovery, &InterfaceDiscovery::failed, this,
            [this](const QString &reason) { setStatus(reason, true); });

    m_status = m_controller.statusText();
    m_statusIsError = m_controller.statusIsError();
    m_preview = makeCommandSet(m_settings.radio());
    m_controller.setCatOptions(m_settings.catOptions());
    pushPolling();
    refreshSerialPorts();
}

TrxScreen::~TrxScreen() = default;

QStringList TrxScreen::bluetoothDevices() const
{
    QStringList rows;
    if (!m_bleScanner)
        return rows;
    for (const BleDevice &device : m_bleScanner->devices())
        rows.append(device.name.isEmpty()
                        ? device.address
                        : QStringLiteral("%1 (%2)").arg(device.name, device.address));
    return rows;
}

bool TrxScreen::bluetoothBusy() const
{
    return (m_bleScanner && m_bleScanner->scanning()) || (m_pairing && m_pairing->pairing());
}

QString TrxScreen::pairedIcom() const
{
    const QString address = m_settings.icomAddress();
    return address.isEmpty() ? QString()
                             : QStringLiteral("%1 (%2)").arg(m_settings.icomName(), address);
}

void TrxScreen::scanBluetooth()
{
    if (bluetoothBusy() || locked())
        return;
    if (!m_bleScanner) {
        m_bleScanner = new BleScanner(new QtBleCentral, this);
        connect(m_bleScanner, &BleScanner::devicesChanged, this, &TrxScreen::bluetoothChanged);
        connect(m_bleScanner, &BleScanner::finished, this, &TrxScreen::bluetoothChanged);
    }
    if (!m_bleScanner->start(BleCentral::kGenericService)) {
        emit alert(tr("Bluetooth is not available!"),
                   tr("Do you have it enabled in the Privacy settings?"));
        return;
    }
    emit bluetoothChanged();
}

void TrxScreen::chooseBluetooth(int row)
{
    if (!m_bleScanner || row < 0 || row >= m_bleScanner->devices().size() || locked())
        return;
    m_settings.setBleAddress(m_bleScanner->devices().at(row).address);
    emit linkChanged();
}

void TrxScreen::pairIcom()
{
    if (bluetoothBusy() || locked())
        return;
    if (!m_pairing) {
        m_pairing = new IcomPairing(new QtBleCentral, m_settings.bleInstallationId(), this);
        connect(m_pairing, &IcomPairing::paired, this,
                [this](const QString &address, const QString &name) {
                    m_settings.setIcomRadio(address, name);
                    emit bluetoothChanged();
                    emit linkChanged();
                });
        connect(m_pairing, &IcomPairing::notPaired, this, [this](const QString &message) {
            emit bluetoothChanged();
            emit alert(QStringLiteral("Brindlewick"), message);
        });
    }
    m_pairing->pairNow();
    emit bluetoothChanged();
}

void TrxScreen::toggleConnection()
{
    if (locked()) {
        m_controller.disconnect();
        return;
    }
    const QString missing = missingLinkField();
    if (!missing.isEmpty()) {
        setStatus(missing, true);
        return;
    }
    const LinkChoice choice = m_settings.link();
    // Over rigctld, rigctld speaks for the radio; its make and model are set up there.
    const bool rigctld = choice.kind == LinkChoice::Kind::Rigctld;
    std::unique_ptr<CommandSet> commands =
        rigctld ? makeRigctldCommandSet() : makeCommandSet(m_settings.radio());
    std::unique_ptr<ByteLink> link = makeLink(choice);
    if (!commands || !link) {
        setStatus(tr("This radio or link is not available."), true);
        return;
    }
    m_controller.setCatOptions(m_settings.catOptions());
    pushPolling();
    m_controller.connectTo(std::move(link), std::move(commands), m_settings.make());
}

void TrxScreen::scanInterfaces()
{
    if (m_settings.networkPort() == 0) {
        setStatus(tr("Enter the interface's port first."), true);
        return;
    }
    m_discovery->start(m_settings.networkPort());
}

void TrxScreen::chooseInterface(int row)
{
    const QString host = m_discovery->hosts().value(row);
    if (!host.isEmpty())
        setNetworkAddress(host);
}

void TrxScreen::refreshSerialPorts()
{
    QStringList ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        ports << info.systemLocation();
    ports.sort();
    if (ports == m_serialPorts)
        return;
    m_serialPorts = ports;
    emit serialPortsChanged();
}

QStringList TrxScreen::makes()
{
    return makeTitles();
}

int TrxScreen::makeIndex() const
{
    return int(m_settings.make());
}

void TrxScreen::setMakeIndex(int index)
{
    if (locked() || index < int(Make::Elecraft) || index > int(Make::Yaesu) || index == makeIndex())
        return;
    const auto make = Make(index);
    m_settings.setMake(make);
    // The new make's first model, so that a make never stands without one.
    m_settings.setModel(modelsOf(make).value(0));
    radioChosen();
}

QStringList TrxScreen::models() const
{
    return modelsOf(m_settings.make());
}

int TrxScreen::modelIndex() const
{
    const QString model = m_settings.model();
    return model.isEmpty() ? -1 : int(models().indexOf(model));
}

void TrxScreen::setModelIndex(int index)
{
    const QString model = models().value(index);
    if (locked() || model.isEmpty() || index == modelIndex())
        return;
    m_settings.setModel(model);
    radioChosen();
}

bool TrxScreen::icom() const
{
    return m_settings.make() == Make::Icom;
}

QString TrxScreen::icomAddress() const
{
    const RadioChoice radio = m_settings.radio();
    if (radio.make != Make::Icom || radio.model.isEmpty())
        return {};
    return QStringLiteral("0x") +
           QStringLiteral("%1").arg(radio.icomAddress, 2, 16, QLatin1Char('0')).toUpper();
}

QStringList TrxScreen::linkKinds()
{
    return {tr("Network interface"), tr("Serial port"), tr("rigctld"), tr("Bluetooth LE"),
            tr("Icom Bluetooth")};
}

int TrxScreen::linkIndex() const
{
    const LinkChoice::Kind kind = m_settings.linkKind();
    for (int i = 0; i < int(std::size(kKinds)); ++i)
        if (kKinds[i] == kind)
            return i;
    return 0;
}

void TrxScreen::setLinkIndex(int index)
{
    if (locked() || index < 0 || index >= int(std::size(kKinds)) || index == linkIndex())
        return;
    m_settings.setLinkKind(kKinds[index]);
    emit linkChanged();
    emit connectionChanged(); // the button's title names the link
}

void TrxScreen::setNetworkAddress(const QString &address)
{
    if (locked() || address.trimmed() == m_settings.networkAddress())
        return;
    m_settings.setNetworkAddress(address);
    emit linkChanged();
}

void TrxScreen::setNetworkPort(int port)
{
    if (locked() || !validPort(port) || port == networkPort())
        return;
    m_settings.setNetworkPort(quint16(port));
    emit linkChanged();
    // Interfaces broadcast from the port they listen on: listen again on the new one.
    m_discovery->stop();
    m_discovery->start(quint16(port));
}

QStringList TrxScreen::interfaces() const
{
    return m_discovery->hosts();
}

bool TrxScreen::scanning() const
{
    return m_discovery->isRunning();
}

double TrxScreen::scanProgress() const
{
    return m_discovery->progress();
}

void TrxScreen::setSerialPort(const QString &device)
{
    if (locked() || device.trimmed() == serialPort())
        return;
    m_settings.setSerialPort(device);
    emit linkChanged();
}

QVariantList TrxScreen::baudRates()
{
    return {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
}

void TrxScreen::setSerialBaud(int baud)
{
    if (locked() || baud <= 0 || baud == serialBaud())
        return;
    m_settings.setSerialBaud(baud);
    emit linkChanged();
}

void TrxScreen::setSerialFlow(bool hardware)
{
    if (locked() || hardware == serialFlow())
        return;
    m_settings.setSerialFlow(hardware);
    emit linkChanged();
}

void TrxScreen::setRigctldAddress(const QString &address)
{
    if (locked() || address.trimmed() == m_settings.rigctldAddress())
        return;
    m_settings.setRigctldAddress(address);
    emit linkChanged();
}

void TrxScreen::setRigctldPort(int port)
{
    if (locked() || !validPort(port) || port == rigctldPort())
        return;
    m_settings.setRigctldPort(quint16(port));
    emit linkChanged();
}

bool TrxScreen::pollSliderShown() const
{
    return icom() || (m_preview && m_preview->alwaysPolled());
}

void TrxScreen::setPollForData(bool on)
{
    if (on == pollForData())
        return;
    m_settings.setPollForData(on);
    pushPolling();
    emit pollChanged();
}

void TrxScreen::setPollSeconds(double seconds)
{
    if (qFuzzyCompare(seconds, pollSeconds()))
        return;
    m_settings.setPollSeconds(seconds);
    pushPolling();
    emit pollChanged();
}

QString TrxScreen::pollText() const
{
    return tr("%1 sec").arg(QString::number(pollSeconds(), 'f', 1));
}

QString TrxScreen::transceiveHint() const
{
    if (!icom())
        return {};
    return tr((pollForData() ? kPollOffHint : kPollOnHint).toUtf8().constData());
}

QStringList TrxScreen::dataModeLabels() const
{
    return m_preview ? m_preview->dataModeLabels() : QStringList();
}

void TrxScreen::setDataModeIndex(int index)
{
    if (index < 0 || index == dataModeIndex())
        return;
    m_settings.setDataSubMode(index);
    m_controller.setCatOptions(m_settings.catOptions());
    emit catChanged();
}

bool TrxScreen::useDataModeShown() const
{
    return m_settings.make() == Make::Kenwood;
}

void TrxScreen::setUseDataMode(bool on)
{
    if (on == useDataMode())
        return;
    m_settings.setUseDataMode(on);
    m_controller.setCatOptions(m_settings.catOptions());
    emit catChanged();
}

bool TrxScreen::connected() const
{
    return m_controller.isConnected();
}

bool TrxScreen::locked() const
{
    return m_controller.isConnected() || m_controller.isConnecting();
}

QString TrxScreen::connectTitle() const
{
    const bool up = locked();
    switch (m_settings.linkKind()) {
    case LinkChoice::Kind::Serial:
        return up ? tr("Disconnect serial port") : tr("Connect serial port");
    case LinkChoice::Kind::Rigctld:
        return up ? tr("Disconnect rigctld") : tr("Connect rigctld");
    case LinkChoice::Kind::Ble:
        return up ? tr("Disconnect BT") : tr("Connect BT");
    case LinkChoice::Kind::IcomBle:
        return up ? tr("Disconnect Icom") : tr("Connect Icom");
    case LinkChoice::Kind::Network:
        break;
    }
    return up ? tr("Disconnect WLAN") : tr("Connect WLAN");
}

QString TrxScreen::frequencyText() const
{
    return m_controller.frequencyText();
}

QString TrxScreen::modeText() const
{
    return m_controller.modeText();
}

void TrxScreen::radioChosen()
{
    m_preview = makeCommandSet(m_settings.radio());
    pushPolling();
    emit radioChanged();
    emit catChanged();
    emit pollChanged();
}

void TrxScreen::pushPolling()
{
    m_controller.setPolling(m_settings.pollForData(), m_settings.pollSeconds());
}

QString TrxScreen::missingLinkField() const
{
    const LinkChoice choice = m_settings.link();
    switch (choice.kind) {
    case LinkChoice::Kind::Network:
        if (choice.host.isEmpty())
            return tr("Enter the interface's address first.");
        if (choice.port == 0)
            return tr("Enter the interface's port first.");
        break;
    case LinkChoice::Kind::Serial:
        if (choice.device.isEmpty())
            return tr("Choose a serial port first.");
        break;
    case LinkChoice::Kind::Rigctld:
        return {}; // rigctld knows the radio
    case LinkChoice::Kind::Ble:
        if (choice.bluetoothAddress.isEmpty())
            return tr("Scan and choose a Bluetooth interface first.");
        break;
    case LinkChoice::Kind::IcomBle:
        if (choice.bluetoothAddress.isEmpty())
            return tr("Pair the Icom radio first.");
        break;
    }
    if (m_settings.model().isEmpty())
        return tr("Choose a model first.");
    return {};
}

void TrxScreen::setStatus(const QString &text, bool error)
{
    if (text == m_status && error == m_statusIsError)
        return;
    m_status = text;
    m_statusIsError = error;
    emit statusChanged();
}

} // namespace trx
