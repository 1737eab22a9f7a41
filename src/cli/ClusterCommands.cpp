#include "cli/ClusterCommands.h"

#include "cli/Args.h"
#include "cli/Cli.h"
#include "cli/WaitLimits.h"
#include "cluster/ClusterSession.h"
#include "cluster/LineFramer.h"
#include "cluster/SpotFilter.h"
#include "cluster/SpotMaker.h"
#include "formats/Formats.h"
#include "model/LogModel.h"
#include "root/AppDelegate.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QJsonObject>

#include <cstdio>

namespace cli {
namespace {

/** Turns lines into accepted spots and prints each. */
class SpotPrinter {
public:
    explicit SpotPrinter(Cli &cli)
        : m_cli(cli), m_maker(cli.app().log(), cli.app().dxcc()),
          m_filter(cluster::SpotFilter::read(cli.app().defaults()))
    {
        m_maker.readOptions(cli.app().functions());
    }

    /** True when the line was an accepted spot. */
    bool offer(const QString &line)
    {
        const std::optional<OneDxSpotClass> spot =
            m_maker.spotFromDxDe(line, m_cli.app().clock().now());
        if (!spot || !m_filter.accepts(*spot))
            return false;
        print(*spot);
        return true;
    }

private:
    void print(const OneDxSpotClass &spot)
    {
        const bool located = spot.hasPosition;
        const QString time = spot.spotTimeStamp.toUTC().toString(QStringLiteral("HHmm"));
        const QJsonObject colours{{QStringLiteral("call"), spotColorName(spot.callColor)},
                                  {QStringLiteral("dxcc"), spotColorName(spot.dxColor)},
                                  {QStringLiteral("qrg"), spotColorName(spot.qrgColor)},
                                  {QStringLiteral("mode"), spotColorName(spot.modeColor)},
                                  {QStringLiteral("iota"), spotColorName(spot.iotaColor)}};
        QJsonObject result{
            {QStringLiteral("call"), spot.dxCall}, {QStringLiteral("spotter"), spot.spotter()},
            {QStringLiteral("kHz"), spot.qrg},     {QStringLiteral("band"), spot.band},
            {QStringLiteral("mode"), spot.mode},   {QStringLiteral("entity"), spot.dxcc},
            {QStringLiteral("adif"), spot.adif},   {QStringLiteral("iota"), spot.iota},
            {QStringLiteral("note"), spot.note},   {QStringLiteral("time"), time},
            {QStringLiteral("colors"), colours}};
        if (located) {
            result.insert(QStringLiteral("dist"), spot.dist);
            result.insert(QStringLiteral("hdg"), spot.hdg);
        }
        const QString where =
            located ? QStringLiteral("%1 km %2°").arg(spot.dist).arg(spot.hdg) : QString();
        m_cli.printLine(result, QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                                    .arg(time, spot.dxCall.leftJustified(12),
                                         formats::groupedKHz(spot.qrg).rightJustified(11),
                                         spot.mode.leftJustified(5), spot.dxcc, where, spot.note)
                                    .simplified());
    }

    Cli &m_cli;
    cluster::SpotMaker m_maker;
    cluster::SpotFilter m_filter;
};

int parse(Cli &cli, const QStringList &words)
{
    if (!words.isEmpty())
        return cli.usage(QStringLiteral("Usage: cluster parse < lines"));
    SpotPrinter printer(cli);
    // Framed as "cluster listen" frames a node's bytes: the same line-length limit, and bytes
    // that are no UTF-8 read as Latin-1.
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return cli.failed(QStringLiteral("Cannot read standard input"));
    cluster::LineFramer framer(false);
    constexpr qint64 kChunk = 64 * 1024;
    QByteArray bytes;
    while (!(bytes = in.read(kChunk)).isEmpty())
        for (const QString &line : framer.push(bytes).lines)
            printer.offer(line);
    for (const QString &line : framer.push("\n").lines)
        printer.offer(line);
    return Cli::Success;
}

int listen(Cli &cli, const QStringList &words)
{
    Args args(words,
              {{QStringLiteral("login"), QStringLiteral("count"), QStringLiteral("seconds")}, {}});
    if (!args.error().isEmpty())
        return cli.usage(args.error());
    const QStringList &positional = args.positional();
    bool portOk = false;
    const int port = positional.value(1).toInt(&portOk);
    const std::optional<WaitLimits> limits = WaitLimits::read(args);
    if (positional.size() != 2 || !portOk || port < 1 || port > 65535 || !limits)
        return cli.usage(QStringLiteral("Usage: cluster listen HOST PORT [--login CALL] "
                                        "[--count N] [--seconds S]"));

    SpotPrinter printer(cli);
    cluster::ClusterSession session;
    // Nodes drop a line that never logs in: the station's own call serves when none is given.
    const QString myCall = cli.app().log().getMyCallsign().trimmed();
    session.setLoginCall(
        args.option(QStringLiteral("login"), myCall.size() >= 2 ? myCall : QString()));
    QEventLoop loop;
    int printed = 0;
    bool everConnected = false;
    QString whyNot; // the first word on a node never reached
    QObject::connect(&session, &cluster::ClusterSession::notice, &loop, [&](const QString &line) {
        // A node never reached gets the one line below.
        if (everConnected)
            cli.status(line);
        else if (whyNot.isEmpty())
            whyNot = line;
    });
    QObject::connect(&session, &cluster::ClusterSession::lineReceived, &loop,
                     [&](const QString &line) {
                         if (printer.offer(line) && limits->reached(++printed))
                             loop.quit();
                     });
    QObject::connect(&session, &cluster::ClusterSession::stateChanged, &loop,
                     [&](cluster::ClusterSession::State state) {
                         if (state == cluster::ClusterSession::State::Connected)
                             everConnected = true;
                         else if (state == cluster::ClusterSession::State::Disconnected)
                             loop.quit();
                     });
    limits->arm(loop);
    session.connectTo({positional.at(0), positional.at(0), port});
    if (session.state() != cluster::ClusterSession::State::Disconnected)
        loop.exec();
    // A quiet node is no failure; a node that cannot be reached at the end is.
    const bool stillConnected = session.state() == cluster::ClusterSession::State::Connected;
    QObject::disconnect(&session, nullptr, &loop, nullptr);
    session.disconnectFromNode();
    if (!everConnected)
        return cli.failed(
            QStringLiteral("Could not connect to %1 port %2%3")
                .arg(positional.at(0))
                .arg(port)
                .arg(whyNot.isEmpty() ? QStringLiteral(".") : QStringLiteral(": ") + whyNot));
    if (limits->reached(printed) || stillConnected)
        return Cli::Success;
    return cli.failed(QStringLiteral("%1 port %2 could not be reached at the end")
                          .arg(positional.at(0))
                          .arg(port));
}

} // namespace

int clusterCommand(Cli &cli, const QStringList &words)
{
    const QString sub = words.value(0);
    if (sub == QLatin1String("parse"))
        return parse(cli, words.mid(1));
    if (sub == QLatin1String("listen"))
        return listen(cli, words.mid(1));
    return cli.usage(QStringLiteral("Usage: cluster parse | cluster listen HOST PORT ..."));
}

} // namespace cli
