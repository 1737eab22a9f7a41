#include "cli/WsjtxCommands.h"

#include "adif/DxccEntityLookup.h"
#include "cli/Args.h"
#include "cli/Cli.h"
#include "cli/QsoJson.h"
#include "cli/WaitLimits.h"
#include "root/AppDelegate.h"
#include "wsjtx/WsjtxListener.h"
#include "wsjtx/WsjtxLogger.h"

#include <QEventLoop>
#include <QHostAddress>

namespace cli {
namespace {

const QString kListenUsage =
    QStringLiteral("Usage: wsjtx listen [--port P] [--address IP] [--count N] [--seconds S]");

int listen(Cli &cli, const QStringList &words)
{
    Args args(words, {{QStringLiteral("port"), QStringLiteral("address"), QStringLiteral("count"),
                       QStringLiteral("seconds")},
                      {}});
    if (!args.error().isEmpty())
        return cli.usage(args.error());
    AppDelegate &app = cli.app();
    bool portOk = true;
    const qint64 port =
        args.option(QStringLiteral("port"),
                    QString::number(wsjtx::WsjtxListener::configuredPort(app.defaults())))
            .toLongLong(&portOk);
    const std::optional<WaitLimits> limits = WaitLimits::read(args);
    if (!args.positional().isEmpty() || !limits)
        return cli.usage(kListenUsage);
    if (!portOk || !wsjtx::WsjtxListener::portProblem(port).isEmpty())
        return cli.usage(wsjtx::WsjtxListener::portProblem(portOk ? port : 0));
    std::optional<QHostAddress> address = wsjtx::WsjtxListener::configuredAddress(app.defaults());
    if (const std::optional<QString> text = args.option(QStringLiteral("address")))
        address = QHostAddress(*text).isNull() ? std::nullopt : std::optional(QHostAddress(*text));
    if (!address)
        return cli.usage(QStringLiteral("--address takes an IP address (127.0.0.1, a multicast "
                                        "group such as 224.0.0.73, or this machine's address)"));

    DxccEntityLookup entities(app.dxcc());
    wsjtx::WsjtxLogger logger(app.defaults(), app.clock(), app.log(), entities);
    wsjtx::WsjtxListener listener;
    QEventLoop loop;
    int stored = 0;
    QObject::connect(&listener, &wsjtx::WsjtxListener::datagramReceived, &logger,
                     qOverload<const QByteArray &>(&wsjtx::WsjtxLogger::receive));
    QObject::connect(&logger, &wsjtx::WsjtxLogger::qsoStored, &loop, [&](const QsoClass &qso) {
        cli.printLine(qsoToJson(qso, app.defaults().logDateFormaterStyle()),
                      QStringLiteral("%1 %2 %3 %4 %5 %6 %7/%8")
                          .arg(qso.sqlDateTime().left(16), qso.callsign.leftJustified(12),
                               qso.band.leftJustified(5), qso.mode.leftJustified(5),
                               qso.dxcc.leftJustified(5), qso.locator.leftJustified(6), qso.rsttx,
                               qso.rstrx));
        if (limits->reached(++stored))
            loop.quit();
    });
    // Skipped QSOs and refused datagrams are already on standard error as diagnostic lines.
    if (!listener.listen(quint16(port), *address).isEmpty())
        return Cli::Failed; // the reason is on standard error already
    cli.status(QStringLiteral("Listening for WSJT-X and JTDX on UDP port %1 of %2")
                   .arg(port)
                   .arg(address->toString()));
    limits->arm(loop);
    loop.exec();
    return limits->met(stored) ? Cli::Success : Cli::Failed;
}

} // namespace

int wsjtxCommand(Cli &cli, const QStringList &words)
{
    if (words.value(0) == QLatin1String("listen"))
        return listen(cli, words.mid(1));
    return cli.usage(kListenUsage);
}

} // namespace cli
