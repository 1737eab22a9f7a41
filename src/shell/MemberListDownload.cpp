#include "shell/MemberListDownload.h"

#include "app/AppDelegate.h"
#include "app/Diagnostics.h"
#include "app/Notifications.h"
#include "model/LogModel.h"
#include "shell/ShellTexts.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>

namespace {

const QString kLotwHost = QStringLiteral("LotwHost");
const QString kEqslHost = QStringLiteral("EqslHost");

} // namespace

MemberListDownload::MemberListDownload(AppDelegate &app, Kind kind, QObject *parent)
    : QObject(parent), m_app(app), m_kind(kind), m_network(new QNetworkAccessManager(this))
{
    readCount();
    m_app.notifications().observe(QString::fromLatin1(notifications::DownloadableDataChanged), this,
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
    return m_kind == Kind::Lotw ? QStringLiteral("LoTW users") : QStringLiteral("eQSL users");
}

void MemberListDownload::received()
{
    m_data += m_reply->readAll();
    const qint64 expected = m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    m_progress = expected > 0 ? qMin(1.0, double(m_data.size()) / double(expected)) : 0.0;
    m_label = QString::fromLatin1(shelltexts::kLoadingData);
    emit stateChanged();
}

void MemberListDownload::finished()
{
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();
    m_data += reply->readAll();
    m_progress = 0.0;
    if (reply->error() != QNetworkReply::NoError &&
        reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isNull()) {
        m_label = QString::fromLatin1(shelltexts::kError);
        emit stateChanged();
        emit alertRequested(QString::fromLatin1(m_kind == Kind::Lotw ? shelltexts::kLotwNotLoaded
                                                                     : shelltexts::kEqslNotLoaded),
                            reply->errorString());
        return;
    }
    if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() != 200) {
        m_label = QString::fromLatin1(shelltexts::kError);
        emit stateChanged();
        return;
    }
    const int lines = store(m_data);
    m_data.clear();
    m_label = QString::fromLatin1(m_kind == Kind::Lotw ? shelltexts::kLotwUsersRead
                                                       : shelltexts::kEqslUsersRead)
                  .arg(lines);
    m_app.notifications().post(QString::fromLatin1(notifications::DownloadableDataChanged));
    emit stateChanged();
}

int MemberListDownload::store(const QByteArray &data)
{
    QSaveFile file(
        m_app.documentPath(QString::fromLatin1(m_kind == Kind::Lotw ? "lotw.txt" : "eqsl.txt")));
    QByteArray contents;
    int lines = 0;
    if (m_kind == Kind::Lotw) {
        // The activity list is CSV with dates; the stored list keeps the callsigns only.
        const QList<QByteArray> rows = data.split('\n');
        for (const QByteArray &row : rows) {
            if (!row.isEmpty())
                ++lines;
            const qsizetype comma = row.indexOf(',');
            contents += (comma < 0 ? row : row.left(comma)) + '\n';
        }
    } else {
        contents = data;
        lines =
            int(QString::fromLatin1(data).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).size());
    }
    const char *what = m_kind == Kind::Lotw ? "Writing LoTW users: %1" : "Writing eQSL users: %1";
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size() ||
        !file.commit())
        diag(QString::fromLatin1(what).arg(file.errorString()));
    return lines;
}

void MemberListDownload::readCount()
{
    LogModel log(m_app);
    m_count = m_kind == Kind::Lotw ? log.numberofLotwUser() : log.numberOfEqslUser();
    emit stateChanged();
}

QString MemberListDownload::url() const
{
    if (m_kind == Kind::Lotw)
        return m_app.defaults().string(kLotwHost) + QStringLiteral("/lotw-user-activity.csv");
    return m_app.defaults().string(kEqslHost) +
           QStringLiteral("/qslcard/DownloadedFiles/AGMemberList.txt");
}
