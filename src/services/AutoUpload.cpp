#include "services/AutoUpload.h"

#include "app/UserDefaults.h"
#include "model/LogModel.h"
#include "services/QrzLogbook.h"
#include "services/WavelogApi.h"

#include <algorithm>

AutoUpload::AutoUpload(LogModel &log, QNetworkAccessManager &network, UserDefaults &defaults,
                       SecretStore &secrets, const Clock &clock, QObject *parent)
    : QObject(parent), m_log(log), m_defaults(defaults), m_secrets(secrets),
      m_http(network, defaults), m_qrz{uploadmarks::Service::Qrz,
                                       new RecordUpload(m_http, clock, this),
                                       {}},
      m_wavelog{uploadmarks::Service::Wavelog, new RecordUpload(m_http, clock, this), {}}
{
    connect(&log, &LogModel::qsosChanged, this, &AutoUpload::take);
    for (Lane *lane : {&m_qrz, &m_wavelog})
        connect(lane->run, &RecordUpload::finished, this,
                [this, lane](const RecordUpload::Outcome &outcome) {
                    emit uploaded(lane->service, outcome);
                    if (!outcome.error.isEmpty())
                        lane->queued.clear(); // the service is out of reach: they stay waiting
                    startLane(*lane);
                });
}

bool AutoUpload::enabled(uploadmarks::Service service) const
{
    return m_defaults.boolean(QLatin1String(service == uploadmarks::Service::Qrz
                                                ? qrzlog::kUploadAsLoggedKey
                                                : wavelog::kUploadAsLoggedKey));
}

void AutoUpload::take(const QsoChange &change)
{
    if (change.many || change.fromSync)
        return;
    for (Lane *lane : {&m_qrz, &m_wavelog}) {
        if (!enabled(lane->service))
            continue;
        lane->queued.unite(change.ids);
        if (!lane->run->isBusy())
            startLane(*lane);
    }
}

void AutoUpload::startLane(Lane &lane)
{
    if (lane.queued.isEmpty())
        return;
    QList<QsoClass> qsos;
    for (const qint64 id : std::as_const(lane.queued)) {
        const std::optional<QsoClass> qso = m_log.qsoById(id);
        if (qso && uploadmarks::isWaiting(*qso, lane.service))
            qsos.append(*qso);
    }
    lane.queued.clear();
    if (qsos.isEmpty())
        return;
    std::sort(qsos.begin(), qsos.end(),
              [](const QsoClass &a, const QsoClass &b) { return a.dateTime < b.dateTime; });
    if (lane.service == uploadmarks::Service::Qrz) {
        const QString key = qrzlog::apiKey(m_secrets, m_defaults);
        if (key.isEmpty())
            return;
        lane.run->start(
            m_log, qrzlog::insertProtocol(m_defaults.string(QLatin1String(qrzlog::kHostKey)), key),
            qsos);
    } else {
        const QString host = m_defaults.string(QLatin1String(wavelog::kHostKey));
        const QString station = m_defaults.string(QLatin1String(wavelog::kStationKey));
        const QString key = wavelog::apiKey(m_secrets, m_defaults);
        if (host.isEmpty() || station.isEmpty() || key.isEmpty())
            return;
        lane.run->start(m_log, wavelog::qsoProtocol(host, key, station), qsos);
    }
}
