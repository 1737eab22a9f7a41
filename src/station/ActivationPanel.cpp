#include "station/ActivationPanel.h"

#include "app/Clock.h"
#include "app/DataFolder.h"
#include "model/LogModel.h"
#include "station/ActivationExport.h"
#include "station/StationProfiles.h"

#include <QDir>

namespace {

const QString kExportFolder = QStringLiteral("Activations");

} // namespace

ActivationPanel::ActivationPanel(LogModel &log, StationProfiles &profiles, const DataFolder &folder,
                                 const Clock &clock, QObject *parent)
    : QObject(parent), m_log(log), m_profiles(profiles), m_folder(folder), m_clock(clock)
{
    connect(&m_profiles, &StationProfiles::changed, this, &ActivationPanel::refresh);
    connect(&m_log, &LogModel::qsosChanged, this, &ActivationPanel::refresh);
    connect(&m_log, &LogModel::logbookSwitched, this, &ActivationPanel::refresh);
    refresh();
}

void ActivationPanel::refresh()
{
    const QDate today = m_clock.now().toUTC().date();
    QString reference;
    if (const std::optional<StationProfile> active = m_profiles.active())
        for (const QString &ref : {active->pota, active->sota, active->wwff})
            if (reference.isEmpty())
                reference = ref;
    const std::optional<station::Programme> programme = station::programmeOf(reference);
    m_activation = programme ? station::findActivation(m_log, *programme, reference, today)
                             : station::Activation{};
    if (!programme)
        m_activation.date = today;
    emit changed();
}

QString ActivationPanel::title() const
{
    if (!hasReference())
        return tr("No activation");
    return tr("%1 %2 on %3")
        .arg(station::programmeName(m_activation.programme), m_activation.reference,
             m_activation.date.toString(Qt::ISODate));
}

QString ActivationPanel::statusText() const
{
    if (!hasReference())
        return tr("The active station profile has no park, summit or WWFF reference.");
    const QString count = tr("%1 of %2 QSOs").arg(m_activation.counted).arg(m_activation.target);
    return m_activation.isValid() ? tr("%1: a valid activation").arg(count)
                                  : tr("%1: %2 more for a valid activation")
                                        .arg(count)
                                        .arg(m_activation.target - m_activation.counted);
}

QVariantList ActivationPanel::qsos() const
{
    QVariantList list;
    for (const station::ActivationQso &entry : m_activation.qsos)
        list.append(QVariantMap{{QStringLiteral("time"), entry.qso.sqlDateTime().mid(11, 5)},
                                {QStringLiteral("callsign"), entry.qso.callsign},
                                {QStringLiteral("band"), entry.qso.band},
                                {QStringLiteral("mode"), entry.qso.mode},
                                {QStringLiteral("counted"), entry.counted},
                                {QStringLiteral("p2p"), entry.otherReference}});
    return list;
}

bool ActivationPanel::exportFile()
{
    if (m_activation.qsos.isEmpty()) {
        setExportMessage(tr("No QSOs to export."));
        return false;
    }
    const QString folder = m_folder.filePath(kExportFolder);
    QString error;
    std::optional<QString> path;
    if (QDir().mkpath(folder))
        path = station::exportActivation(m_log, m_activation, folder, &error);
    else
        error = tr("The folder %1 could not be made.").arg(folder);
    setExportMessage(path ? tr("Saved as %1").arg(QDir::toNativeSeparators(*path))
                          : tr("Not exported: %1").arg(error));
    return path.has_value();
}

void ActivationPanel::setExportMessage(const QString &text)
{
    m_exportMessage = text;
    emit exportMessageChanged();
}
