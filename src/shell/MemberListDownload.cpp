#include "shell/MemberListDownload.h"

#include "app/DataFolder.h"
#include "app/Diagnostics.h"
#include "app/NotificationCenter.h"
#include "app/Notifications.h"
#include "app/UserDefaults.h"
#include "model/LogModel.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>

namespace {

const QString kLotwHost = QStringLiteral("LotwHost");
const QString kEqslHost = QStringLiteral("EqslHost");

QString shown(const char *text)
{
    return QCoreApplication::translate(memberlist::kTextContext, text);
}

} // namespace

MemberListDownload::MemberListDownload(UserDefaults &defaults, NotificationCenter &centre,
                                       LogModel &log, const DataFolder &folder, Kind kind,
                                       QObject *parent)
    : QObject(parent), m_defaults(defaults), m_notifications(centre), m_log(log), m_folder(folder),
      m_kind(kind), m_network(new QNetworkAccessManager(this))
{
    readCount();
    m_notifications.observe(QString::fromLatin1(notifications::DownloadableDataChanged), this,
                            [this](const QVariant &) { readCount(); });
}

void MemberListDownload::download()
{
    if (busy())
        return;
    QNetworkRequest request{QUrl(url())};
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    m_data.clear();
    m_progress = 0.0;
    m_reply = m_network->get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &MemberListDownload::received);
    connect(m_reply, &QNetworkReply::finished, this, &MemberListDownload::finished);
    emit stateChanged();
}

QString MemberListDownload::title() const
{
    return m_kind == Kind::Lotw ? tr("LoTW users") : tr("eQSL users");
}

void MemberListDownload::received()
{
    m_data += m_reply->readAll();
    const qint64 expected = m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    m_progress = expected > 0 ? qMin(1.0, double(m_data.size()) / double(expected)) : 0.0;
    m_label = shown(memberlist::kLoadingData);
    emit stateChanged();
}

void MemberListDownload::finished()
{
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();
    m_data += reply->readAll();
    m_progress = 0.0;
    const bool lotw = m_kind == Kind::Lotw;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (reply->error() != QNetworkReply::NoError && status.isNull()) {
        fail(reply->errorString());
        return;
    }
    if (status.toInt() != 200) {
        fail({});
        return;
    }
    const std::optional<memberlist::Stored> stored = memberlist::fromDownload(m_kind, m_data);
    m_data.clear();
    if (!stored) {
        fail(shown(memberlist::kNotAMemberList));
        return;
    }
    store(stored->contents);
    m_label =
        shown(lotw ? memberlist::kLotwUsersRead : memberlist::kEqslUsersRead).arg(stored->count);
    m_notifications.post(QString::fromLatin1(notifications::DownloadableDataChanged));
    emit stateChanged();
    emit done(true);
}

/** The label says "Error"; with a reason the user also gets the alert. */
void MemberListDownload::fail(const QString &alert)
{
    m_data.clear();
    m_label = shown(memberlist::kError);
    emit stateChanged();
    if (!alert.isEmpty())
        emit alertRequested(
            shown(m_kind == Kind::Lotw ? memberlist::kLotwNotLoaded : memberlist::kEqslNotLoaded),
            alert);
    emit done(false);
}

void MemberListDownload::store(const QByteArray &contents)
{
    QSaveFile file(m_folder.filePath(memberlist::fileName(m_kind)));
    const char *what = m_kind == Kind::Lotw ? "Writing LoTW users: %1" : "Writing eQSL users: %1";
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size() ||
        !file.commit())
        diag(QString::fromLatin1(what).arg(file.errorString()));
}

void MemberListDownload::readCount()
{
    m_count = m_kind == Kind::Lotw ? m_log.numberofLotwUser() : m_log.numberOfEqslUser();
    emit stateChanged();
}

QString MemberListDownload::url() const
{
    if (m_kind == Kind::Lotw)
        return m_defaults.string(kLotwHost) + QStringLiteral("/lotw-user-activity.csv");
    return m_defaults.string(kEqslHost) +
           QStringLiteral("/qslcard/DownloadedFiles/AGMemberList.txt");
}
