#include "cli/QslCommands.h"

#include "cli/Args.h"
#include "cli/Cli.h"
#include "cli/QsoJson.h"
#include "cli/WaitLimits.h"
#include "root/AppDelegate.h"
#include "scanner/CardMatcher.h"
#include "scanner/QrReader.h"
#include "scanner/ScanReceiver.h"
#include "scanner/ScanRelay.h"
#include "scanner/ScanSettings.h"

#include <QEventLoop>
#include <QImageReader>
#include <QJsonArray>
#include <QTimer>

namespace cli {
namespace {

const QString kScanUsage = QStringLiteral("Usage: qsl scan-image FILE.png|.jpg [--send HOST:PORT]");
const QString kReceiveUsage =
    QStringLiteral("Usage: qsl receive [--port P] [--count N] [--seconds S]");
/** How long a send may take before the command gives up on hearing how it went. */
constexpr int kSendWaitMs = 5000;

/** "host:7700", "[::1]:7700"; false when there is no port number. */
bool splitTarget(const QString &target, QString *host, qint64 *port)
{
    const qsizetype colon = target.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return false;
    bool ok = false;
    *port = target.mid(colon + 1).toLongLong(&ok);
    *host = target.left(colon);
    if (host->startsWith(QLatin1Char('[')) && host->endsWith(QLatin1Char(']')))
        *host = host->mid(1, host->size() - 2);
    return ok && !host->isEmpty();
}

int send(Cli &cli, const QString &text, const QString &target)
{
    QString host;
    qint64 port = 0;
    if (!splitTarget(target, &host, &port))
        return cli.usage(kScanUsage);
    if (const QString problem = scanner::portProblem(port); !problem.isEmpty())
        return cli.usage(problem);
    AppDelegate &app = cli.app();
    scanner::ScanRelay relay(app.defaults(), app.clock());
    QEventLoop loop;
    QString error;
    bool done = false;
    QObject::connect(&relay, &scanner::ScanRelay::sent, &loop, [&] {
        done = true;
        loop.quit();
    });
    QObject::connect(&relay, &scanner::ScanRelay::sendFailed, &loop, [&](const QString &why) {
        error = why;
        loop.quit();
    });
    if (relay.sendTo(text, host, port) != scanner::ScanRelay::Outcome::Queued)
        return cli.failed(relay.status());
    QTimer::singleShot(kSendWaitMs, &loop, &QEventLoop::quit);
    loop.exec();
    if (!done)
        return cli.failed(
            error.isEmpty() ? QStringLiteral("Socket error: no answer from the socket") : error);
    cli.status(relay.status());
    return Cli::Success;
}

int scanImage(Cli &cli, const QStringList &words)
{
    Args args(words, {{QStringLiteral("send")}, {}});
    if (!args.error().isEmpty())
        return cli.usage(args.error());
    if (args.positional().size() != 1)
        return cli.usage(kScanUsage);
    const QString path = args.positional().constFirst();
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull())
        return cli.failed(
            QStringLiteral("Cannot read the image %1: %2").arg(path, reader.errorString()));
    const std::optional<QString> text = scanner::readQrCode(image);
    if (!text)
        return cli.failed(QStringLiteral("No QR code found in %1").arg(path));
    const std::optional<QString> target = args.option(QStringLiteral("send"));
    cli.printLine(QJsonObject{{QStringLiteral("text"), *text},
                              {QStringLiteral("card"), scanner::hasCardMarkers(*text)}},
                  *text);
    return target ? send(cli, *text, *target) : int(Cli::Success);
}

QString kindName(scanner::CardMatch::Kind kind)
{
    switch (kind) {
    case scanner::CardMatch::NotACard:
        return QStringLiteral("not-a-card");
    case scanner::CardMatch::CannotMatch:
        return QStringLiteral("no-date");
    case scanner::CardMatch::NoQso:
        return QStringLiteral("none");
    case scanner::CardMatch::OneQso:
        return QStringLiteral("one");
    case scanner::CardMatch::SeveralQsos:
        return QStringLiteral("several");
    }
    return {};
}

int receive(Cli &cli, const QStringList &words)
{
    Args args(words,
              {{QStringLiteral("port"), QStringLiteral("count"), QStringLiteral("seconds")}, {}});
    if (!args.error().isEmpty())
        return cli.usage(args.error());
    AppDelegate &app = cli.app();
    bool portOk = true;
    const std::optional<QString> portText = args.option(QStringLiteral("port"));
    const qint64 port = portText ? portText->toLongLong(&portOk)
                                 : scanner::configuredPort(app.defaults()).value_or(0);
    const std::optional<WaitLimits> limits = WaitLimits::read(args);
    if (!args.positional().isEmpty() || !limits || !portOk)
        return cli.usage(kReceiveUsage);
    const std::optional<quint16> usedPort = scanner::scanPort(port);
    if (!usedPort || port == 0)
        return cli.usage(scanner::portProblem(port == 0 ? 70000 : port));

    scanner::ScanReceiver receiver(app.defaults(), app.clock(), app.log(), false);
    QEventLoop loop;
    int received = 0;
    QObject::connect(&receiver, &scanner::ScanReceiver::received, &loop,
                     [&](const QString &text, const scanner::CardMatch &match) {
                         QJsonArray qsos;
                         QStringList lines{text.trimmed(), QStringLiteral("  -> ") + match.message};
                         if (!match.note.isEmpty())
                             lines << QStringLiteral("  (%1)").arg(match.note);
                         for (const QsoClass &qso : match.candidates) {
                             qsos.append(qsoToJson(qso, app.defaults().logDateFormaterStyle()));
                             if (match.candidates.size() > 1)
                                 lines << QStringLiteral("     %1 id %2")
                                              .arg(scanner::CardMatcher::describeQso(qso))
                                              .arg(qso.id.value_or(0));
                         }
                         cli.printLine(QJsonObject{{QStringLiteral("text"), text},
                                                   {QStringLiteral("match"), kindName(match.kind)},
                                                   {QStringLiteral("message"), match.message},
                                                   {QStringLiteral("note"), match.note},
                                                   {QStringLiteral("qsos"), qsos}},
                                       lines.join(QLatin1Char('\n')));
                         if (limits->reached(++received))
                             loop.quit();
                     });
    if (!receiver.listen(*usedPort).isEmpty())
        return Cli::Failed; // the reason is on standard error already
    cli.status(QStringLiteral("Listening for QSL cards on UDP port %1").arg(*usedPort));
    limits->arm(loop);
    loop.exec();
    return limits->met(received) ? Cli::Success : Cli::Failed;
}

} // namespace

int qslCommand(Cli &cli, const QStringList &words)
{
    const QString sub = words.value(0);
    if (sub == QLatin1String("scan-image"))
        return scanImage(cli, words.mid(1));
    if (sub == QLatin1String("receive"))
        return receive(cli, words.mid(1));
    return cli.usage(kScanUsage + QStringLiteral("\n") + kReceiveUsage);
}

} // namespace cli
