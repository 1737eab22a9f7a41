#include "shell/MemberListDownload.h"

#include "app/DataFolder.h"
#include "app/Diagnostics.h"
#include "app/UserDefaults.h"
#include "model/LogModel.h"
#include "services/HttpCall.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QSaveFile>

namespace {

const QString kLotwHost = QStringLiteral("LotwHost");
const QString kEqslHost = QStringLiteral("EqslHost");

QString shown(const char *text)
{
    return QCoreApplication::translate(memberlist::kTextContext, text);
}

} // namespace

MemberListDownload::MemberListDownload(UserDefaults &defaults, LogModel &log,
                                       const DataFolder &folder, Kind kind, QObject *parent)
    : QObject(parent), m_defaults(defaults), m_log(log), m_folder(folder), m_kind(kind),
      m_network(new QNetworkAccessManager(this)), m_http(*m_network, defaults)
{
    m_http.setMaxReplyBytes(kMaxBytes);
    readCount();
}

void MemberListDownload::download()
{
    if (busy())
        return;
    m_progress = 0.0;
    const auto [base, path] = address();
    m_call = m_http.get(base, path, {}, this);
    connect(m_call, &HttpCall::progress, this, &MemberListDownload::received);
    connect(m_call, &HttpCall::finished, this, &MemberListDownload::finished);
    emit stateChanged();
}

QString MemberListDownload::title() const
{
    return m_kind == Kind::Lotw ? tr("LoTW users") : tr("eQSL users");
}

void MemberListDownload::received(qint64 done, qint64 total)
{
    m_progress = total > 0 ? qMin(1.0, double(done) / double(total)) : 0.0;
    m_label = shown(memberlist::kLoadingData);
    emit stateChanged();
}

void MemberListDownload::finished(const HttpResult &result)
{
    m_call->deleteLater();
    m_call = nullptr;
    m_progress = 0.0;
    const bool lotw = m_kind == Kind::Lotw;
    if (result.status == 0) {
        fail(result.error);
        return;
    }
    if (result.status != 200) {
        fail({});
        return;
    }
    const std::optional<memberlist::Stored> stored = memberlist::fromDownload(m_kind, result.body);
    if (!stored) {
        fail(shown(memberlist::kNotAMemberList));
        return;
    }
    store(stored->contents);
    m_label =
        shown(lotw ? memberlist::kLotwUsersRead : memberlist::kEqslUsersRead).arg(stored->count);
    // The entry form's member line reads the new list.
    m_log.forgetMemberLists();
    readCount();
    emit done(true);
}

/** The label says "Error"; with a reason the user also gets the alert. */
void MemberListDownload::fail(const QString &alert)
{
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

std::pair<QString, QString> MemberListDownload::address() const
{
    if (m_kind == Kind::Lotw)
        return {m_defaults.string(kLotwHost), QStringLiteral("/lotw-user-activity.csv")};
    return {m_defaults.string(kEqslHost),
            QStringLiteral("/qslcard/DownloadedFiles/AGMemberList.txt")};
}
