#pragma once

#include "trx/CommandSet.h"
#include "trx/LinkChoice.h"
#include "trx/RadioModels.h"

#include <QString>

class UserDefaults;

namespace trx {

/** The user's stored transceiver choices: make and model, the link and its fields, polling and
 *  the data-mode options. Reads and writes the user defaults each time, so the screen and the
 *  CLI always see the same values. */
class TrxSettings {
public:
    static constexpr int kDefaultBaudRate = 38400;
    static constexpr quint16 kDefaultRigctldPort = 4532;

    explicit TrxSettings(UserDefaults &defaults) : m_defaults(defaults) {}

    /** "TRX_Brand"; anything but a make's index reads as the first make. */
    [[nodiscard]] Make make() const;
    void setMake(Make make);
    /** "Trx_Type" when it is one of the make's models, else empty. */
    [[nodiscard]] QString model() const;
    void setModel(const QString &model);
    /** The make, the model and, for Icom, the model's CI-V address. */
    [[nodiscard]] RadioChoice radio() const;

    /** "TRX_Data_Sub_Mode" and "UseDataMode". */
    [[nodiscard]] CatOptions catOptions() const;
    void setDataSubMode(int index);
    void setUseDataMode(bool on);

    /** "IcomPollForData" and "IcomPollTime" (a stored time below 0.1 s reads as 1 s). */
    [[nodiscard]] bool pollForData() const;
    void setPollForData(bool on);
    [[nodiscard]] double pollSeconds() const;
    void setPollSeconds(double seconds);

    /** "TrxLink": "network", "serial", "rigctld", "ble" or "icom-ble". */
    [[nodiscard]] LinkChoice::Kind linkKind() const;
    void setLinkKind(LinkChoice::Kind kind);
    /** "Pigtail_Address", "Pigtail_Port": the network serial interface. */
    [[nodiscard]] QString networkAddress() const;
    void setNetworkAddress(const QString &address);
    [[nodiscard]] quint16 networkPort() const;
    void setNetworkPort(quint16 port);
    /** "TrxSerialPort", "TrxSerialBaud", "TrxSerialFlow". */
    [[nodiscard]] QString serialPort() const;
    void setSerialPort(const QString &device);
    [[nodiscard]] int serialBaud() const;
    void setSerialBaud(int baud);
    [[nodiscard]] bool serialFlow() const;
    void setSerialFlow(bool hardware);
    /** "RigctldAddress", "RigctldPort". */
    [[nodiscard]] QString rigctldAddress() const;
    void setRigctldAddress(const QString &address);
    [[nodiscard]] quint16 rigctldPort() const;
    void setRigctldPort(quint16 port);
    /** "BleAddress": the Bluetooth LE serial adapter chosen from the scan. */
    [[nodiscard]] QString bleAddress() const;
    void setBleAddress(const QString &address);
    /** "IcomAddress" and "IcomName": the paired Icom radio ("NoName" when it has none). */
    [[nodiscard]] QString icomAddress() const;
    [[nodiscard]] QString icomName() const;
    void setIcomRadio(const QString &address, const QString &name);
    /** "BleInstallationId": made once, on first use; the Icom radio knows us by it. */
    [[nodiscard]] QUuid bleInstallationId() const;
    /** The chosen link with its fields. */
    [[nodiscard]] LinkChoice link() const;

    [[nodiscard]] static QString kindName(LinkChoice::Kind kind);

private:
    [[nodiscard]] quint16 port(const char *key, quint16 fallback) const;

    UserDefaults &m_defaults;
};

} // namespace trx
