#include "PgTestServer.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QUrl>
#include <QVersionNumber>

#include <csignal>
#include <pwd.h>
#include <unistd.h>

namespace {

constexpr int kCommandMs = 60'000;
const QString kDatabase = QStringLiteral("brindlewick");

/** The newest installed server's programs (Debian keeps each major version in its own folder),
 *  or the folder named by BRINDLEWICK_PG_BIN. */
QString serverBinaries()
{
    const QString given = qEnvironmentVariable("BRINDLEWICK_PG_BIN");
    if (!given.isEmpty())
        return given;
    QVersionNumber best;
    QString found;
    const QDir versions(QStringLiteral("/usr/lib/postgresql"));
    for (const QString &name : versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString bin = versions.filePath(name + QStringLiteral("/bin"));
        const QVersionNumber version = QVersionNumber::fromString(name);
        if (QFile::exists(bin + QStringLiteral("/initdb")) && version > best) {
            best = version;
            found = bin;
        }
    }
    return found;
}

int freePort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    return probe.serverPort();
}

} // namespace

struct PgTestServer::Impl {
    QTemporaryDir folder;
    QString bin = serverBinaries();
    bool asRoot = ::geteuid() == 0;
    QString superuser;
    int port = 0;
    bool made = false;
    bool running = false;
    QString error;

    QString dataDir() const { return folder.filePath(QStringLiteral("data")); }

    /** Runs one of the server's programs, as "postgres" when we are root (the server refuses to
     *  run as root). False with its output in `error`. */
    bool run(const QString &program, const QStringList &arguments, const QByteArray &input = {})
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // Connection settings of whoever runs the tests must not steer the tools.
        for (const QString &key : environment.keys())
            if (key.startsWith(QLatin1String("PG")))
                environment.remove(key);
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder.path());
        process.setProcessChannelMode(QProcess::MergedChannels);
        const QString path = bin + QLatin1Char('/') + program;
        if (asRoot)
            process.start(QStringLiteral("runuser"),
                          QStringList{QStringLiteral("-u"), QStringLiteral("postgres"),
                                      QStringLiteral("--"), path} +
                              arguments);
        else
            process.start(path, arguments);
        if (!process.waitForStarted(kCommandMs)) {
            error = program + QStringLiteral(": ") + process.errorString();
            return false;
        }
        if (!input.isEmpty())
            process.write(input);
        process.closeWriteChannel();
        if (!process.waitForFinished(kCommandMs)) {
            process.kill();
            process.waitForFinished();
            error = program + QStringLiteral(" did not finish");
            return false;
        }
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            error = program + QStringLiteral(" failed: ") +
                    QString::fromLocal8Bit(process.readAll()).trimmed();
            return false;
        }
        return true;
    }

    QStringList connectArguments() const
    {
        return {QStringLiteral("-h"),  folder.path(),        QStringLiteral("-p"),
                QString::number(port), QStringLiteral("-U"), superuser};
    }

    bool makeCluster()
    {
        if (bin.isEmpty()) {
            error = QStringLiteral("no PostgreSQL server programs in /usr/lib/postgresql "
                                   "(install the package \"postgresql\")");
            return false;
        }
        if (!folder.isValid()) {
            error = QStringLiteral("no temporary folder: ") + folder.errorString();
            return false;
        }
        if (asRoot) {
            const passwd *user = ::getpwnam("postgres");
            if (user == nullptr || ::chown(QFile::encodeName(folder.path()).constData(),
                                           user->pw_uid, user->pw_gid) != 0) {
                error = QStringLiteral("cannot hand the temporary folder to user postgres");
                return false;
            }
            superuser = QStringLiteral("postgres");
        } else {
            const passwd *user = ::getpwuid(::geteuid());
            superuser = user ? QString::fromLocal8Bit(user->pw_name) : QStringLiteral("postgres");
        }
        if (!run(QStringLiteral("initdb"),
                 {QStringLiteral("-D"), dataDir(), QStringLiteral("-U"), superuser,
                  QStringLiteral("-A"), QStringLiteral("trust"), QStringLiteral("-E"),
                  QStringLiteral("UTF8"), QStringLiteral("--locale=C"), QStringLiteral("--no-sync"),
                  QStringLiteral("--no-instructions")}))
            return false;
        // Speed over durability: the data lives as long as the test. Sockets stay in our folder
        // and TCP on loopback.
        QFile config(dataDir() + QStringLiteral("/postgresql.conf"));
        if (!config.open(QIODevice::Append)) {
            error = QStringLiteral("cannot write postgresql.conf");
            return false;
        }
        // No fsync (the machine does not crash in a test), but a commit is acknowledged only once
        // it is in the log: a test stops the server at once and must find every confirmed push.
        config.write("\nlisten_addresses = '127.0.0.1'\n"
                     "unix_socket_directories = '" +
                     QFile::encodeName(folder.path()) +
                     "'\n"
                     "fsync = off\nfull_page_writes = off\n");
        return true;
    }

    bool startServer()
    {
        return run(QStringLiteral("pg_ctl"),
                   {QStringLiteral("-w"), QStringLiteral("-t"), QStringLiteral("30"),
                    QStringLiteral("-D"), dataDir(), QStringLiteral("-l"),
                    folder.filePath(QStringLiteral("server.log")), QStringLiteral("-o"),
                    QStringLiteral("-p ") + QString::number(port), QStringLiteral("start")});
    }
};

PgTestServer::PgTestServer() : d(new Impl)
{}

PgTestServer::~PgTestServer()
{
    stop();
    delete d;
}

bool PgTestServer::start()
{
    if (d->running)
        return true;
    d->error.clear();
    const bool first = !d->made;
    if (first) {
        if (!d->makeCluster())
            return false;
        d->made = true;
    }
    // A restart keeps the port, so that clients find the server where it was. The first start
    // tries again when another program took the free port in the meantime.
    bool started = false;
    for (int attempt = 0; attempt < (first ? 3 : 1) && !started; ++attempt) {
        if (first)
            d->port = freePort();
        started = d->port != 0 && d->startServer();
    }
    if (!started)
        return false;
    d->running = true;
    if (first &&
        !d->run(QStringLiteral("createdb"), d->connectArguments() + QStringList{kDatabase})) {
        stop();
        return false;
    }
    return true;
}

void PgTestServer::stop()
{
    if (!d->running)
        return;
    d->run(QStringLiteral("pg_ctl"),
           {QStringLiteral("-w"), QStringLiteral("-D"), d->dataDir(), QStringLiteral("-m"),
            QStringLiteral("immediate"), QStringLiteral("stop")});
    d->running = false;
}

bool PgTestServer::isRunning() const
{
    return d->running;
}

const QString &PgTestServer::error() const
{
    return d->error;
}

QString PgTestServer::url() const
{
    return url(d->superuser);
}

QString PgTestServer::url(const QString &user) const
{
    return QStringLiteral("postgresql://%1@127.0.0.1:%2/%3")
        .arg(QString::fromLatin1(QUrl::toPercentEncoding(user)), QString::number(d->port),
             kDatabase);
}

bool PgTestServer::createRole(const QString &user)
{
    if (!d->running) {
        d->error = QStringLiteral("the server is not running");
        return false;
    }
    // createuser quotes the name itself; its defaults are a login without special rights.
    return d->run(QStringLiteral("createuser"), d->connectArguments() + QStringList{user});
}

bool PgTestServer::freeze(bool frozen)
{
    // The postmaster's pid is the first line of postmaster.pid; the backends are its children.
    QFile pidFile(d->dataDir() + QStringLiteral("/postmaster.pid"));
    if (!d->running || !pidFile.open(QIODevice::ReadOnly)) {
        d->error = QStringLiteral("the server is not running");
        return false;
    }
    const QByteArray master = pidFile.readLine().trimmed();
    QList<pid_t> pids{pid_t(master.toLongLong())};
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid …": the name may hold spaces, so read after its ')'.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> after = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (after.size() > 1 && after.at(1) == master)
            pids.append(pid_t(entry.toLongLong()));
    }
    for (const pid_t pid : pids)
        ::kill(pid, frozen ? SIGSTOP : SIGCONT);
    return true;
}

bool PgTestServer::dump(const QString &name)
{
    return d->run(QStringLiteral("pg_dump"),
                  d->connectArguments() + QStringList{QStringLiteral("-Fc"), QStringLiteral("-f"),
                                                      d->folder.filePath(name), kDatabase});
}

bool PgTestServer::restore(const QString &name)
{
    return d->run(QStringLiteral("dropdb"),
                  d->connectArguments() + QStringList{QStringLiteral("--force"), kDatabase}) &&
           d->run(QStringLiteral("createdb"), d->connectArguments() + QStringList{kDatabase}) &&
           d->run(QStringLiteral("pg_restore"),
                  d->connectArguments() +
                      QStringList{QStringLiteral("-d"), kDatabase, d->folder.filePath(name)});
}
