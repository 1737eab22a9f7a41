#pragma once

#include "trx/CommandSet.h"
#include "trx/TrxSettings.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <memory>

class UserDefaults;

namespace trx {

class BleScanner;
class IcomPairing;
class InterfaceDiscovery;
class TrxController;

/** The transceiver screen of both layouts: make and model, the link and its fields (network
 *  interface with the ones found listening, serial port, rigctld), polling, the data-mode
 *  options, the connect button and the radio's frequency and mode. The choices are stored at
 *  once; make, model and link are locked while a link is open or opening. All radio traffic
 *  goes through the controller. */
class TrxScreen : public QObject {
    Q_OBJECT
    Q_PROPERTY(QStringList makes READ makes CONSTANT)
    Q_PROPERTY(int makeIndex READ makeIndex WRITE setMakeIndex NOTIFY radioChanged)
    Q_PROPERTY(QStringList models READ models NOTIFY radioChanged)
    /** -1 when the stored model is not one of the make's. */
    Q_PROPERTY(int modelIndex READ modelIndex WRITE setModelIndex NOTIFY radioChanged)
    Q_PROPERTY(bool icom READ icom NOTIFY radioChanged)
    /** The Icom model's CI-V address, "0xA4"; empty for other makes or without a model. */
    Q_PROPERTY(QString icomAddress READ icomAddress NOTIFY radioChanged)
    Q_PROPERTY(QStringList linkKinds READ linkKinds CONSTANT)
    Q_PROPERTY(int linkIndex READ linkIndex WRITE setLinkIndex NOTIFY linkChanged)
    Q_PROPERTY(
        QString networkAddress READ networkAddress WRITE setNetworkAddress NOTIFY linkChanged)
    Q_PROPERTY(int networkPort READ networkPort WRITE setNetworkPort NOTIFY linkChanged)
    /** The network interfaces heard, shown under "WLAN interfaces:". */
    Q_PROPERTY(QStringList interfaces READ interfaces NOTIFY interfacesChanged)
    Q_PROPERTY(bool scanning READ scanning NOTIFY interfacesChanged)
    Q_PROPERTY(double scanProgress READ scanProgress NOTIFY scanProgressChanged)
    /** The Bluetooth LE serial adapters heard, shown under "BT interfaces:". */
    Q_PROPERTY(QStringList bluetoothDevices READ bluetoothDevices NOTIFY bluetoothChanged)
    Q_PROPERTY(QString bluetoothAddress READ bluetoothAddress NOTIFY linkChanged)
    /** Scanning or pairing: the scan and pair buttons wait. */
    Q_PROPERTY(bool bluetoothBusy READ bluetoothBusy NOTIFY bluetoothChanged)
    /** "IC-705 (AA:BB:…)", empty before pairing. */
    Q_PROPERTY(QString pairedIcom READ pairedIcom NOTIFY linkChanged)
    Q_PROPERTY(QStringList serialPorts READ serialPorts NOTIFY serialPortsChanged)
    Q_PROPERTY(QString serialPort READ serialPort WRITE setSerialPort NOTIFY linkChanged)
    Q_PROPERTY(QVariantList baudRates READ baudRates CONSTANT)
    Q_PROPERTY(int serialBaud READ serialBaud WRITE setSerialBaud NOTIFY linkChanged)
    Q_PROPERTY(bool serialFlow READ serialFlow WRITE setSerialFlow NOTIFY linkChanged)
    Q_PROPERTY(
        QString rigctldAddress READ rigctldAddress WRITE setRigctldAddress NOTIFY linkChanged)
    Q_PROPERTY(int rigctldPort READ rigctldPort WRITE setRigctldPort NOTIFY linkChanged)
    /** The poll switch and the transceive hint: Icom only. */
    Q_PROPERTY(bool pollSwitchShown READ icom NOTIFY radioChanged)
    /** The poll slider: Icom, or a radio that is always polled. */
    Q_PROPERTY(bool pollSliderShown READ pollSliderShown NOTIFY radioChanged)
    Q_PROPERTY(bool pollForData READ pollForData WRITE setPollForData NOTIFY pollChanged)
    Q_PROPERTY(double pollSeconds READ pollSeconds WRITE setPollSeconds NOTIFY pollChanged)
    Q_PROPERTY(QString pollText READ pollText NOTIFY pollChanged)
    Q_PROPERTY(QString transceiveHint READ transceiveHint NOTIFY pollChanged)
    Q_PROPERTY(QStringList dataModeLabels READ dataModeLabels NOTIFY radioChanged)
    Q_PROPERTY(int dataModeIndex READ dataModeIndex WRITE setDataModeIndex NOTIFY catChanged)
    /** The "UseDataMode" switch: Kenwood-style only. */
    Q_PROPERTY(bool useDataModeShown READ useDataModeShown NOTIFY radioChanged)
    Q_PROPERTY(bool useDataMode READ useDataMode WRITE setUseDataMode NOTIFY catChanged)
    Q_PROPERTY(bool connected READ connected NOTIFY connectionChanged)
    /** A link is open or opening: make, model and link cannot change. */
    Q_PROPERTY(bool locked READ locked NOTIFY connectionChanged)
    Q_PROPERTY(QString connectTitle READ connectTitle NOTIFY connectionChanged)
    Q_PROPERTY(QString frequencyText READ frequencyText NOTIFY readingChanged)
    Q_PROPERTY(QString modeText READ modeText NOTIFY readingChanged)
    Q_PROPERTY(QString statusText READ statusText NOTIFY statusChanged)
    Q_PROPERTY(bool statusIsError READ statusIsError NOTIFY statusChanged)
public:
    // In English; transceiveHint() gives them translated.
    static inline const QString kPollOffHint = QString::fromUtf8(QT_TRANSLATE_NOOP(
        "trx::TrxScreen", "Set the 'CI-V Transceive' option on your TRX to OFF!"));
    static inline const QString kPollOnHint = QString::fromUtf8(
        QT_TRANSLATE_NOOP("trx::TrxScreen", "Set the 'CI-V Transceive' option on your TRX to ON!"));

    TrxScreen(UserDefaults &defaults, TrxController &controller, QObject *parent = nullptr);
    ~TrxScreen() override;

    /** Connects with the stored choices, or disconnects (also while connecting). */
    Q_INVOKABLE void toggleConnection();
    /** Listens for network interfaces on the interface port. */
    Q_INVOKABLE void scanInterfaces();
    /** Takes a found interface's address. */
    Q_INVOKABLE void chooseInterface(int row);
    Q_INVOKABLE void refreshSerialPorts();
    /** Listens 10 s for Bluetooth LE serial adapters. */
    Q_INVOKABLE void scanBluetooth();
    Q_INVOKABLE void chooseBluetooth(int row);
    /** Pairs with an Icom radio in "Pairing Reception"; the pairing alert comes first. */
    Q_INVOKABLE void pairIcom();

    [[nodiscard]] QStringList bluetoothDevices() const;
    [[nodiscard]] QString bluetoothAddress() const { return m_settings.bleAddress(); }
    [[nodiscard]] bool bluetoothBusy() const;
    [[nodiscard]] QString pairedIcom() const;

    [[nodiscard]] static QStringList makes();
    [[nodiscard]] int makeIndex() const;
    void setMakeIndex(int index);
    [[nodiscard]] QStringList models() const;
    [[nodiscard]] int modelIndex() const;
    void setModelIndex(int index);
    [[nodiscard]] bool icom() const;
    [[nodiscard]] QString icomAddress() const;

    [[nodiscard]] static QStringList linkKinds();
    [[nodiscard]] int linkIndex() const;
    void setLinkIndex(int index);
    [[nodiscard]] QString networkAddress() const { return m_settings.networkAddress(); }
    void setNetworkAddress(const QString &address);
    [[nodiscard]] int networkPort() const { return m_settings.networkPort(); }
    void setNetworkPort(int port);
    [[nodiscard]] QStringList interfaces() const;
    [[nodiscard]] bool scanning() const;
    [[nodiscard]] double scanProgress() const;
    [[nodiscard]] const QStringList &serialPorts() const { return m_serialPorts; }
    [[nodiscard]] QString serialPort() const { return m_settings.serialPort(); }
    void setSerialPort(const QString &device);
    [[nodiscard]] static QVariantList baudRates();
    [[nodiscard]] int serialBaud() const { return m_settings.serialBaud(); }
    void setSerialBaud(int baud);
    [[nodiscard]] bool serialFlow() const { return m_settings.serialFlow(); }
    void setSerialFlow(bool hardware);
    [[nodiscard]] QString rigctldAddress() const { return m_settings.rigctldAddress(); }
    void setRigctldAddress(const QString &address);
    [[nodiscard]] int rigctldPort() const { return m_settings.rigctldPort(); }
    void setRigctldPort(int port);

    [[nodiscard]] bool pollSliderShown() const;
    [[nodiscard]] bool pollForData() const { return m_settings.pollForData(); }
    void setPollForData(bool on);
    [[nodiscard]] double pollSeconds() const { return m_settings.pollSeconds(); }
    void setPollSeconds(double seconds);
    [[nodiscard]] QString pollText() const;
    [[nodiscard]] QString transceiveHint() const;
    [[nodiscard]] QStringList dataModeLabels() const;
    [[nodiscard]] int dataModeIndex() const { return m_settings.catOptions().dataSubMode; }
    void setDataModeIndex(int index);
    [[nodiscard]] bool useDataModeShown() const;
    [[nodiscard]] bool useDataMode() const { return m_settings.catOptions().useDataMode; }
    void setUseDataMode(bool on);

    [[nodiscard]] bool connected() const;
    [[nodiscard]] bool locked() const;
    [[nodiscard]] QString connectTitle() const;
    [[nodiscard]] QString frequencyText() const;
    [[nodiscard]] QString modeText() const;
    [[nodiscard]] const QString &statusText() const { return m_status; }
    [[nodiscard]] bool statusIsError() const { return m_statusIsError; }

signals:
    void radioChanged();
    void linkChanged();
    void interfacesChanged();
    void scanProgressChanged();
    void serialPortsChanged();
    void pollChanged();
    void catChanged();
    void connectionChanged();
    void readingChanged();
    void statusChanged();
    void bluetoothChanged();
    /** A message the user must acknowledge ("Okay"). */
    void alert(const QString &title, const QString &text);

private:
    void radioChosen();
    void pushPolling();
    /** Why the stored link cannot be opened; empty when it can. */
    [[nodiscard]] QString missingLinkField() const;
    void setStatus(const QString &text, bool error);

    TrxSettings m_settings;
    TrxController &m_controller;
    InterfaceDiscovery *m_discovery;
    BleScanner *m_bleScanner = nullptr; // made on first use: no Bluetooth is touched before
    IcomPairing *m_pairing = nullptr;
    // The chosen radio's command set, for its data-mode labels and polling; never sent to.
    std::unique_ptr<CommandSet> m_preview;
    QStringList m_serialPorts;
    QString m_status;
    bool m_statusIsError = false;
};

} // namespace trx
