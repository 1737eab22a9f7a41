#include "refdata/ClublogDxStuff.h"

#include "app/DataFolder.h"
#include "app/Diagnostics.h"
#include "app/UserDefaults.h"
#include "refdata/ClublogDbWriter.h"
#include "refdata/ClublogXml.h"
#include "refdata/DxccDatabases.h"
#include "refdata/Gunzip.h"

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QThread>

namespace {

/** Waits for a download on the worker thread; nothing on any failure or when the body grows
 *  beyond `maxBytes`. */
QByteArray download(const QUrl &url, qsizetype maxBytes)
{
    QNetworkAccessManager network;
    QNetworkRequest request(url);
    request.setTransferTimeout(120000);
    QNetworkReply *reply = network.get(request);
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                     [reply, maxBytes](qint64 received, qint64) {
                         if (received > maxBytes)
                             reply->abort();
                     });
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    const QByteArray body =
        reply->error() == QNetworkReply::NoError ? reply->readAll() : QByteArray();
    reply->deleteLater();
    return body;
}

/** A packed file larger than the unpacked cap cannot be a country file; it is not read. */
QByteArray readFile(const QString &path, qsizetype maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxBytes)
        return {};
    return file.readAll();
}

} // namespace

ClublogDxStuff::ClublogDxStuff(UserDefaults &defaults, const DataFolder &folder, QObject *parent)
    : QObject(parent), m_defaults(defaults),
      m_livePath(folder.filePath(QLatin1String(refdata::kClublogDbName))),
      m_tempPath(folder.filePath(QStringLiteral("ClublogDXCC_temp.db")))
{
    if (!folder.copyResourceIfMissing(QLatin1String(refdata::kClublogDbName)))
        diag(QStringLiteral("Can't coppy  ClublogDXCC.db"));
}

ClublogDxStuff::~ClublogDxStuff()
{
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
    }
}

QUrl ClublogDxStuff::countryFileUrl() const
{
    const auto setting = [this](const char *key, const char *fallback) {
        const QString value = m_defaults.string(QLatin1String(key));
        return value.isEmpty() ? QString::fromLatin1(fallback) : value;
    };
    QString host = setting(kHostKey, kDefaultHost);
    while (host.endsWith(QLatin1Char('/')))
        host.chop(1);
    return QUrl(host + QStringLiteral("/cty.php?api=") + setting(kApiKeyKey, kDefaultApiKey));
}

void ClublogDxStuff::loadAndProccessXMLFile()
{
    loadAndProccessUrl(countryFileUrl());
}

void ClublogDxStuff::loadAndProccessUrl(const QUrl &url)
{
    start([url](qsizetype maxBytes) { return download(url, maxBytes); });
}

void ClublogDxStuff::loadAndProccessFile(const QString &path)
{
    start([path](qsizetype maxBytes) { return readFile(path, maxBytes); });
}

void ClublogDxStuff::start(std::function<QByteArray(qsizetype)> fetch)
{
    if (m_busy)
        return;
    m_busy = true;
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
    }
    m_worker = QThread::create([this, fetch = std::move(fetch), limits = m_limits] {
        sendStatus(tr("Loading xml data..."));
        process(fetch(limits.maxBytes), limits);
    });
    connect(m_worker, &QThread::finished, this, [this] {
        m_busy = false;
        emit idle();
    });
    m_worker->start();
}

void ClublogDxStuff::process(const QByteArray &compressed, const Limits &limits)
{
    const std::optional<QByteArray> xml = refdata::gunzip(compressed, limits.maxBytes);
    if (!xml) {
        sendError(tr("Can't load xml data!"));
        return;
    }
    sendStatus(tr("Processing xml data..."));
    const refdata::ClublogParseResult parsed = refdata::parseClublogXml(*xml);
    if (!parsed.error.isEmpty()) {
        diag(QStringLiteral("Parse error2: %1").arg(parsed.error));
        sendError(parsed.error);
        return;
    }
    const refdata::ClublogCountryFile &file = parsed.file;
    // Judged before anything is written: a file with too few records would replace the whole
    // database and leave every callsign without an entity.
    if (!file.isComplete(limits.minimum)) {
        diag(QStringLiteral("Clublog dx xml missing data"));
        sendError(tr("xml data are not complete!"));
        return;
    }
    if (!copyEmptyClubLogDxccDB())
        return;
    const QString failure = refdata::writeClublogDatabase(
        m_tempPath, file, [this](const QString &text) { sendStatus(text); });
    if (!failure.isEmpty()) {
        sendError(failure);
        return;
    }
    QString error;
    if (!refdata::replaceFile(m_tempPath, m_livePath, &error)) {
        diag(QStringLiteral("Can't swap databases: %1").arg(error));
        sendError(error);
        return;
    }
    // Only a file that made it into place counts as loaded.
    const QString date = file.date;
    QMetaObject::invokeMethod(this, [this, date] {
        m_defaults.setValue(QLatin1String(kLastDateKey), date);
        emit newUpdateDateSet(date);
    });
    sendStatus(tr("DXCCs: %1,  Prefixes: %2,  Callsigns: %3,  Invalid: %4")
                   .arg(file.entities.size())
                   .arg(file.prefixes.size())
                   .arg(file.exceptions.size())
                   .arg(file.invalidOperations.size()));
    QMetaObject::invokeMethod(this, [this] { emit clublogProcessingFinished(); });
}

bool ClublogDxStuff::copyEmptyClubLogDxccDB()
{
    QFile temp(m_tempPath);
    if (temp.exists() && !temp.remove()) {
        diag(QStringLiteral("Can't delete ClublogDXCC_temp.db: %1").arg(temp.errorString()));
        sendError(temp.errorString());
        return false;
    }
    QFile empty(QStringLiteral(":/ClublogDXCC_empty.db"));
    if (!empty.exists()) {
        diag(QStringLiteral("Can't coppy empty ClublogDXCC.db"));
        sendError(tr("Can't coppy empty ClublogDXCC.db!"));
        return false;
    }
    if (!empty.copy(m_tempPath)) {
        diag(QStringLiteral("Can't coppy empty ClublogDXCC.db: %1").arg(empty.errorString()));
        sendError(empty.errorString());
        return false;
    }
    // Copies out of the resources are read-only.
    QFile::setPermissions(m_tempPath, QFile::permissions(m_tempPath) | QFileDevice::WriteOwner);
    return true;
}

void ClublogDxStuff::sendStatus(const QString &text)
{
    QMetaObject::invokeMethod(this, [this, text] { emit clublogStatus(text); });
}

void ClublogDxStuff::sendError(const QString &text)
{
    QMetaObject::invokeMethod(this, [this, text] { emit clublogError(text); });
}
