#include "services/UploadScreen.h"

#include "app/Clock.h"
#include "app/SecretStore.h"
#include "app/UserDefaults.h"
#include "formats/Formats.h"
#include "model/LogModel.h"
#include "services/UploadTexts.h"

UploadScreen::UploadScreen(uploadmarks::Service service, Keys keys, LogModel &log,
                           UserDefaults &defaults, SecretStore &secrets, const Clock &clock,
                           QNetworkAccessManager &network, QObject *parent)
    : QObject(parent), m_log(log), m_defaults(defaults), m_secrets(secrets), m_clock(clock),
      m_http(network, defaults), m_service(service), m_keys(keys), m_upload(m_http, clock)
{
    connect(&secrets, &SecretStore::warningChanged, this, &UploadScreen::keyringWarningChanged);
    connect(&m_log, &LogModel::qsosChanged, this, [this] {
        m_waitingStale = true;
        if (m_shown)
            refreshWaiting();
    });
    connect(&m_log, &LogModel::logbookSwitched, this, [this] {
        m_waitingStale = true;
        if (m_shown)
            refreshWaiting();
    });
    connect(&m_upload, &RecordUpload::progress, this, [this](int done, int total) {
        m_progress = total > 0 ? double(done) / total : -1.0;
        setStatus(uploadtexts::shown(uploadtexts::kUploading).arg(done + 1).arg(total), false);
    });
    connect(&m_upload, &RecordUpload::finished, this, &UploadScreen::uploaded);
}

void UploadScreen::setApiKey(const QString &key)
{
    if (key == m_apiKey)
        return;
    m_apiKey = key;
    if (!storeKey(key))
        setStatus(uploadtexts::shown(uploadtexts::kKeyNotKept), true);
    emit accountChanged();
}

QString UploadScreen::keyringWarning() const
{
    return m_secrets.warning();
}

bool UploadScreen::uploadAsLogged() const
{
    return m_defaults.boolean(QLatin1String(m_keys.uploadAsLogged));
}

void UploadScreen::setUploadAsLogged(bool on)
{
    if (on == uploadAsLogged())
        return;
    m_defaults.setValue(QLatin1String(m_keys.uploadAsLogged), on);
    emit accountChanged();
}

QString UploadScreen::lastUploadText() const
{
    const QString last = m_defaults.string(QLatin1String(m_keys.lastUpload));
    return last.isEmpty() ? uploadtexts::shown(uploadtexts::kNever) : last;
}

void UploadScreen::setShown(bool shown)
{
    m_shown = shown;
    if (!shown)
        return;
    if (!m_keyRead) {
        m_keyRead = true;
        m_apiKey = readKey();
        emit accountChanged();
    }
    if (m_waitingStale)
        refreshWaiting();
}

void UploadScreen::refreshWaiting()
{
    m_waitingStale = false;
    const int count = uploadmarks::numberWaiting(m_log, m_service).value_or(0);
    m_waitingText = uploadtexts::shown(uploadtexts::kWaiting).arg(count);
    emit waitingChanged();
}

void UploadScreen::setStatus(const QString &text, bool isError)
{
    m_status = text;
    m_statusIsError = isError;
    emit stateChanged();
}

void UploadScreen::upload()
{
    if (m_upload.isBusy())
        return;
    if (!m_keyRead)
        setShown(m_shown);
    const std::optional<RecordUpload::Protocol> how = protocol();
    if (!how)
        return;
    QString readError;
    const QList<QsoClass> qsos = uploadmarks::waiting(m_log, m_service, &readError);
    if (!readError.isEmpty()) {
        setStatus(uploadtexts::shown(uploadtexts::kStopped).arg(readError), true);
        return;
    }
    if (qsos.isEmpty()) {
        setStatus(uploadtexts::shown(uploadtexts::kNothingWaiting), false);
        return;
    }
    m_upload.start(m_log, *how, qsos);
    emit stateChanged();
}

void UploadScreen::uploaded(const RecordUpload::Outcome &outcome)
{
    m_progress = -1.0;
    if (outcome.accepted + outcome.duplicates > 0)
        m_defaults.setValue(QLatin1String(m_keys.lastUpload), formats::sqlDateTime(m_clock.now()));
    m_countsText =
        uploadtexts::shown(uploadtexts::kUploaded).arg(outcome.accepted).arg(outcome.duplicates);
    if (!outcome.error.isEmpty())
        setStatus(uploadtexts::shown(uploadtexts::kStopped).arg(outcome.error), true);
    else if (!outcome.refusals.isEmpty())
        setStatus(uploadtexts::shown(uploadtexts::kRefused)
                      .arg(outcome.refusals.size())
                      .arg(outcome.refusals.join(QStringLiteral("; "))),
                  true);
    else
        setStatus(m_countsText, false);
}
