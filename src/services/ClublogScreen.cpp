#include "services/ClublogScreen.h"

#include "app/SecretStore.h"
#include "model/LogModel.h"
#include "services/ClublogTexts.h"
#include "services/ServicePasswords.h"

namespace {

QString text(const char *literal)
{
    return clublogtexts::shown(literal);
}

bool isOn(const QString &stored)
{
    return stored == QLatin1String("1") ||
           stored.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
           stored.compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0;
}

/** Whether the line is made from the text, whose "%1" comes last. */
bool startsLike(const QString &line, const char *pattern)
{
    const QString text = clublogtexts::shown(pattern);
    return line.startsWith(text.left(text.indexOf(QLatin1String("%1"))));
}

} // namespace

ClublogScreen::ClublogScreen(LogModel &log, UserDefaults &defaults, SecretStore &secrets,
                             const Clock &clock, QNetworkAccessManager &network, QObject *parent)
    : QObject(parent), m_log(log), m_secrets(secrets), m_http(network, defaults),
      m_upload(m_http, defaults, clock)
{
    connect(&secrets, &SecretStore::warningChanged, this, &ClublogScreen::keyringWarningChanged);
    readAccount();
    // Saves come one by one from the entry form, a batch from an import: one look for all.
    m_realTimeDelay.setSingleShot(true);
    m_realTimeDelay.setInterval(0);
    connect(&m_realTimeDelay, &QTimer::timeout, this, &ClublogScreen::realTimeUpload);
    connect(&m_log, &LogModel::qsosChanged, this, &ClublogScreen::qsosChanged);
    connect(&m_log, &LogModel::logbookSwitched, this, [this] {
        m_waitingStale = true;
        if (busy())
            return;
        readAccount();
        refreshWaiting();
    });
    connect(&m_upload, &ClublogUpload::clublogCurrentStatus, this, [this](const QString &line) {
        // A real-time look that finds nothing leaves the line as it was.
        if (m_quiet &&
            (line == text(clublogtexts::kPreparing) || line == text(clublogtexts::kNoNewQsos)))
            return;
        m_status = line;
        m_statusIsError =
            startsLike(line, clublogtexts::kError) || startsLike(line, clublogtexts::kUploadError);
        emit stateChanged();
    });
    connect(&m_upload, &ClublogUpload::clublogCurrentValue, this, [this](int number) {
        m_value = number;
        emit stateChanged();
    });
    connect(&m_upload, &ClublogUpload::finished, this, &ClublogScreen::uploadEnded);
}

void ClublogScreen::readAccount()
{
    m_account = ClublogUpload::loadPrefs(m_log, m_secrets);
    m_realTime = isOn(m_log.readPrefsForEntry(QString::fromLatin1(kRealTimeEntry)));
    emit accountChanged();
}

void ClublogScreen::setUser(const QString &user)
{
    m_account.user = user;
    emit accountChanged();
}

void ClublogScreen::setPassword(const QString &password)
{
    m_account.password = password;
    emit accountChanged();
}

void ClublogScreen::setCallsign(const QString &callsign)
{
    m_account.callsign = callsign;
    emit accountChanged();
}

void ClublogScreen::setRealTime(bool on)
{
    if (on == m_realTime)
        return;
    if (!m_log.updatePrefs(QString::fromLatin1(kRealTimeEntry),
                           on ? QStringLiteral("1") : QStringLiteral("0"))) {
        emit accountChanged(); // the switch shows what is stored
        return;
    }
    m_realTime = on;
    emit accountChanged();
    if (on)
        m_realTimeDelay.start(); // what waits already goes now
}

QString ClublogScreen::purgeQuestion()
{
    return text(clublogtexts::kPurgeQuestion);
}

QString ClublogScreen::overwriteText()
{
    return text(clublogtexts::kOverwrite);
}

QString ClublogScreen::cancelText()
{
    return text(clublogtexts::kCancel);
}

void ClublogScreen::saveAccount()
{
    m_log.saveClublogPrefs({{QStringLiteral("Username"), m_account.user},
                            {QStringLiteral("Callsign"), m_account.callsign}});
    servicepasswords::setPassword(m_secrets, m_log, servicepasswords::Service::Clublog,
                                  m_account.password);
}

void ClublogScreen::uploadAll()
{
    if (!buttonsEnabled())
        return;
    m_quiet = false;
    m_upload.performFullLogUpload(m_log, m_account);
}

void ClublogScreen::uploadNew()
{
    if (!buttonsEnabled())
        return;
    m_quiet = false;
    m_upload.performNewQsosUpload(m_log, m_account);
}

void ClublogScreen::setShown(bool shown)
{
    m_shown = shown;
    if (shown && m_waitingStale)
        refreshWaiting();
}

void ClublogScreen::refreshWaiting()
{
    if (!m_shown) {
        m_waitingStale = true;
        return;
    }
    m_waitingStale = false;
    const int waiting = m_log.numberOfNewQSOsForClublog();
    const QString line = text(clublogtexts::kNotUploaded).arg(waiting);
    if (line != m_waitingText) {
        m_waitingText = line;
        emit waitingChanged();
    }
}

void ClublogScreen::qsosChanged(const QsoChange &change)
{
    // QSOs another device brought in are that device's to send.
    if (change.fromSync) {
        m_waitingStale = true;
        if (!busy())
            refreshWaiting();
        return;
    }
    if (busy()) {
        m_changedMeanwhile = true;
        return;
    }
    refreshWaiting();
    if (m_realTime)
        m_realTimeDelay.start();
}

void ClublogScreen::realTimeUpload()
{
    // Without an account every QSO would only fetch a refusal.
    if (!m_realTime || busy() || m_account.user.isEmpty() || m_account.password.isEmpty() ||
        m_account.callsign.isEmpty())
        return;
    m_quiet = true;
    m_upload.performNewQsosUpload(m_log, m_account);
}

void ClublogScreen::uploadEnded()
{
    const bool again = m_changedMeanwhile;
    m_changedMeanwhile = false;
    m_quiet = false;
    refreshWaiting();
    // QSOs saved during the upload were not in it: the next one takes them.
    if (again && m_realTime)
        m_realTimeDelay.start();
}

QString ClublogScreen::keyringWarning() const
{
    return m_secrets.warning();
}
