#pragma once

#include "station/Activation.h"

#include <QObject>
#include <QVariantList>

class Clock;
class LogModel;
class StationProfiles;
struct DataFolder;

/** The activation screen: today's (UTC) QSOs from the active profile's park, summit or WWFF
 *  area, their count against what the programme needs, park-to-park QSOs marked, and the
 *  export of the upload file into the data folder's "Activations" folder. */
class ActivationPanel : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString reference READ reference NOTIFY changed)
    Q_PROPERTY(bool hasReference READ hasReference NOTIFY changed)
    Q_PROPERTY(QString title READ title NOTIFY changed)
    Q_PROPERTY(int counted READ counted NOTIFY changed)
    Q_PROPERTY(int target READ target NOTIFY changed)
    Q_PROPERTY(bool valid READ valid NOTIFY changed)
    Q_PROPERTY(QString statusText READ statusText NOTIFY changed)
    /** One entry per QSO, oldest first: time, callsign, band, mode, counted, p2p (the other
     *  station's reference or empty). */
    Q_PROPERTY(QVariantList qsos READ qsos NOTIFY changed)
    Q_PROPERTY(QString exportMessage READ exportMessage NOTIFY exportMessageChanged)
public:
    ActivationPanel(LogModel &log, StationProfiles &profiles, const DataFolder &folder,
                    const Clock &clock, QObject *parent = nullptr);

    [[nodiscard]] const QString &reference() const { return m_activation.reference; }
    [[nodiscard]] bool hasReference() const { return !m_activation.reference.isEmpty(); }
    [[nodiscard]] QString title() const;
    [[nodiscard]] int counted() const { return m_activation.counted; }
    [[nodiscard]] int target() const { return m_activation.target; }
    [[nodiscard]] bool valid() const { return hasReference() && m_activation.isValid(); }
    [[nodiscard]] QString statusText() const;
    [[nodiscard]] QVariantList qsos() const;
    [[nodiscard]] const QString &exportMessage() const { return m_exportMessage; }
    [[nodiscard]] const station::Activation &activation() const { return m_activation; }

    /** Reads the activation again (the profile, the date or the logbook changed). */
    Q_INVOKABLE void refresh();
    /** Writes the upload file; false with the reason in exportMessage. */
    Q_INVOKABLE bool exportFile();

signals:
    void changed();
    void exportMessageChanged();

private:
    void setExportMessage(const QString &text);

    LogModel &m_log;
    StationProfiles &m_profiles;
    const DataFolder &m_folder;
    const Clock &m_clock;
    station::Activation m_activation;
    QString m_exportMessage;
};
