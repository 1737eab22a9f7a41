// Logging from WSJT-X and JTDX: datagrams written with QDataStream the way those programs write
// them, read, turned into QSOs, stored once, and the same over a loopback UDP socket and the CLI.

#include "../cli/CliRun.h"
#include "AppFixture.h"
#include "adif/DxccEntityLookup.h"
#include "model/LogModel.h"
#include "root/AppDelegate.h"
#include "shell/WsjtxSettings.h"
#include "wsjtx/WsjtxListener.h"
#include "wsjtx/WsjtxLogger.h"
#include "wsjtx/WsjtxMessage.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QtTest>

using wsjtx::WsjtxMessage;
using Skip = wsjtx::WsjtxLogger::Skip;

namespace {

/** What a test QSO is; each datagram below is built from it. */
struct Qso {
    QString call = QStringLiteral("JA1XYZ");
    QString grid = QStringLiteral("PM95");
    quint64 hz = 14075500 + 1200;
    QString mode = QStringLiteral("FT8");
    // UTC, as WSJT-X makes it (QDateTime::currentDateTimeUtc()).
    QDateTime on = QDateTime(QDate(2026, 11, 30), QTime(12, 0, 15), Qt::UTC);
    QString band = QStringLiteral("20m");
};

/** The header every message starts with, as NetworkMessage::Builder writes it. */
QDataStream &header(QDataStream &out, quint32 type, quint32 schema = 3)
{
    out.setVersion(schema == 2 ? QDataStream::Qt_5_2 : QDataStream::Qt_5_4);
    out << quint32(0xadbccbda) << schema << type << QByteArray("WSJT-X");
    return out;
}

/** "QSO Logged" (type 5) with every field of current WSJT-X; `withLater` false stops after the
 *  time on, as older senders do. */
QByteArray qsoLogged(const Qso &qso, quint32 schema = 3, bool withLater = true)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    header(out, WsjtxMessage::QsoLogged, schema)
        << qso.on.addSecs(45) << qso.call.toUtf8() << qso.grid.toUtf8() << qso.hz
        << qso.mode.toUtf8() << QByteArray("-10") << QByteArray("-12") << QByteArray("50")
        << QString::fromUtf8("tnx fér QSO").toUtf8() << QByteArray("Taro") << qso.on;
    if (withLater)
        out << QByteArray() << QByteArray("DL1ABC") << QByteArray("JO40DF") << QByteArray()
            << QByteArray() << QByteArray("");
    return bytes;
}

/** "Logged ADIF" (type 12) carrying the given text. */
QByteArray adifMessage(const QByteArray &text)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    header(out, WsjtxMessage::LoggedAdif) << text;
    return bytes;
}

/** "Logged ADIF", its text as WSJT-X makes it: a header, then one record. */
QByteArray loggedAdif(const Qso &qso)
{
    const bool ft4 = qso.mode == QLatin1String("FT4");
    const auto field = [](const char *name, const QString &value) {
        return QStringLiteral("<%1:%2>%3 ").arg(QLatin1String(name)).arg(value.size()).arg(value);
    };
    const QString text =
        QStringLiteral("\n<adif_ver:5>3.1.0\n<programid:6>WSJT-X\n<EOH>\n") +
        field("call", qso.call) + field("gridsquare", qso.grid) +
        field("mode", ft4 ? QStringLiteral("MFSK") : qso.mode) +
        (ft4 ? field("submode", qso.mode) : QString()) + field("rst_sent", "-10") +
        field("rst_rcvd", "-12") + field("qso_date", qso.on.toString("yyyyMMdd")) +
        field("time_on", qso.on.toString("HHmmss")) +
        field("qso_date_off", qso.on.addSecs(45).toString("yyyyMMdd")) +
        field("time_off", qso.on.addSecs(45).toString("HHmmss")) + field("band", qso.band) +
        field("freq", QString::number(double(qso.hz) / 1e6, 'f', 6)) +
        field("station_callsign", "DL1ABC") + field("my_gridsquare", "JO40DF") +
        field("tx_pwr", "50") + field("comment", QString::fromUtf8("tnx fér QSO")) +
        field("name", "Taro") + QStringLiteral("<EOR>");
    return adifMessage(text.toUtf8());
}

/** "QSO Logged" whose time off is written as a date-time in the named time zone (kind 3): the
 *  zone id goes on the wire as a text, whatever it holds. */
QByteArray qsoLoggedInZone(const QString &zoneId)
{
    const Qso qso;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    header(out, WsjtxMessage::QsoLogged)
        << qint64(qso.on.date().toJulianDay()) << quint32(qso.on.time().msecsSinceStartOfDay())
        << quint8(3) << zoneId << qso.call.toUtf8() << qso.grid.toUtf8() << qso.hz
        << qso.mode.toUtf8() << QByteArray("-10") << QByteArray("-12") << QByteArray("50")
        << QByteArray("tnx") << QByteArray("Taro") << qso.on;
    return bytes;
}

QByteArray otherMessage(quint32 type)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    header(out, type) << quint32(3) << QByteArray("2.7.0") << QByteArray("abc");
    return bytes;
}

Qso secondQso()
{
    Qso qso;
    qso.call = QStringLiteral("K1ABC");
    qso.grid = QStringLiteral("FN42");
    qso.on = qso.on.addSecs(180);
    return qso;
}

quint16 freePort()
{
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return probe.localPort();
}

} // namespace

class WsjtxTest : public QObject, AppFixture {
    Q_OBJECT

    std::unique_ptr<DxccEntityLookup> m_entities;
    std::unique_ptr<wsjtx::WsjtxLogger> m_logger;

    [[nodiscard]] QList<QsoClass> stored(const QString &call = QStringLiteral("JA1XYZ"))
    {
        return m_app->log().getAllQSOsWith(call);
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        startApp(QDateTime(QDate(2026, 11, 30), QTime(12, 1), QTimeZone::utc()));
        m_entities = std::make_unique<DxccEntityLookup>(m_app->dxcc());
        m_logger = std::make_unique<wsjtx::WsjtxLogger>(m_app->defaults(), m_app->clock(),
                                                        m_app->log(), *m_entities);
    }

    void cleanup()
    {
        m_logger.reset();
        m_entities.reset();
        m_app.reset();
    }

    void readsQsoLoggedAsWritten_data()
    {
        QTest::addColumn<quint32>("schema");
        QTest::addColumn<bool>("withLater");
        QTest::addColumn<QDateTime>("on");
        const QDate day(2026, 11, 30);
        const QTime time(12, 0, 15);
        QTest::newRow("schema 3, current fields") << 3u << true << QDateTime(day, time, Qt::UTC);
        QTest::newRow("schema 2") << 2u << true << QDateTime(day, time, Qt::UTC);
        QTest::newRow("older sender ends after the time on")
            << 3u << false << QDateTime(day, time, Qt::UTC);
        QTest::newRow("UTC as a zone, as Qt 6.4 writes it")
            << 3u << true << QDateTime(day, time, QTimeZone::utc());
        QTest::newRow("offset from UTC")
            << 3u << true << QDateTime(day, time.addSecs(7200), Qt::OffsetFromUTC, 7200);
        QTest::newRow("named zone")
            << 3u << true << QDateTime(day, time.addSecs(3600), QTimeZone("Europe/Berlin"));
    }

    void readsQsoLoggedAsWritten()
    {
        QFETCH(quint32, schema);
        QFETCH(bool, withLater);
        QFETCH(QDateTime, on);
        Qso qso;
        qso.on = on;
        QString error;
        const std::optional<WsjtxMessage> message =
            wsjtx::readWsjtxMessage(qsoLogged(qso, schema, withLater), &error);
        QVERIFY2(message, qPrintable(error));
        QCOMPARE(message->schema, schema);
        QCOMPARE(message->type, quint32(WsjtxMessage::QsoLogged));
        QCOMPARE(message->id, QStringLiteral("WSJT-X"));
        const wsjtx::WsjtxQso &r = message->qso;
        QCOMPARE(QStringList({r.timeOn.toString(Qt::ISODate), r.timeOff.toString(Qt::ISODate),
                              r.dxCall, r.dxGrid, QString::number(r.txFrequencyHz), r.mode,
                              r.reportSent, r.reportReceived, r.txPower, r.comments, r.name,
                              r.myCall, r.myGrid, r.operatorCall, r.propagationMode})
                     .join('|'),
                 QString::fromUtf8("2026-11-30T12:00:15Z|2026-11-30T12:01:00Z|JA1XYZ|PM95|"
                                   "14076700|FT8|-10|-12|50|tnx fér QSO|Taro|") +
                     (withLater ? "DL1ABC|JO40DF||" : "|||"));
    }

    void refusesHostileDatagrams_data()
    {
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("wholeDatagram"); // false: a record in it is skipped

        const QByteArray valid = qsoLogged(Qso());
        const auto patched = [&valid](int at, const char *hex) {
            return QByteArray(valid).replace(at, int(qstrlen(hex)) / 2, QByteArray::fromHex(hex));
        };
        // The call's length, after header, id and the time off.
        const int callAt = 12 + 4 + 6 + 13;
        const QByteArray badMagic = patched(0, "52");
        const QByteArray schema1 = patched(7, "01");
        const QByteArray schema4 = patched(7, "04");
        const QByteArray oversize = patched(callAt, "7ffffff0"); // far more than is there
        const QByteArray almostNull = patched(callAt, "fffffffe");
        const QByteArray zone = patched(callAt - 1, "03"); // a zone named by the call's bytes
        const QByteArray badTimeSpec = patched(callAt - 1, "07");

        QTest::newRow("empty") << QByteArray() << "Not a WSJT-X message" << true;
        QTest::newRow("other magic") << badMagic << "Not a WSJT-X message" << true;
        QTest::newRow("schema 1") << schema1 << "Unknown WSJT-X message schema 1" << true;
        QTest::newRow("schema 4") << schema4 << "Unknown WSJT-X message schema 4" << true;
        QTest::newRow("id cut short") << valid.left(18) << "Message ends inside a field" << true;
        QTest::newRow("text longer than the datagram")
            << oversize << "Message ends inside a field" << true;
        QTest::newRow("length one short of null")
            << almostNull << "Message ends inside a field" << true;
        QTest::newRow("zone of no name") << zone << "Date-time in an unknown time zone" << true;
        QTest::newRow("unknown kind of time")
            << badTimeSpec << "Date-time with an unknown kind of time 7" << true;
        QTest::newRow("cut inside the time on")
            << qsoLogged(Qso(), 3, false).chopped(3) << "Message ends inside a field" << true;
        QTest::newRow("cut inside a later field")
            << valid.chopped(6) << "Message ends inside a field" << true;
        QTest::newRow("ADIF text cut short")
            << loggedAdif(Qso()).chopped(10) << "Message ends inside a field" << true;
        Qso noFrequency;
        noFrequency.hz = 0;
        Qso nulInCall;
        nulInCall.call = QStringLiteral("JA1XYZ") + QChar(u'\0');
        QTest::newRow("no frequency") << qsoLogged(noFrequency) << "Frequency not found: " << false;
        QTest::newRow("NUL in the call")
            << qsoLogged(nulInCall) << "Field CALL holds a NUL character: " << false;
        // Qt would open a zone id as a file below the zone folder.
        QTest::newRow("time-zone id that is a path to a device")
            << qsoLoggedInZone("../../../dev/stdin") << "Date-time in an unknown time zone" << true;
        QTest::newRow("time-zone id that climbs to another file")
            << qsoLoggedInZone("../../etc/passwd") << "Date-time in an unknown time zone" << true;
        QTest::newRow("absolute time-zone path")
            << qsoLoggedInZone("/etc/localtime") << "Date-time in an unknown time zone" << true;
        QTest::newRow("time-zone id that names no zone")
            << qsoLoggedInZone("Mars/Olympus") << "Date-time in an unknown time zone" << true;
        const auto withCall = [](const QString &call) {
            Qso qso;
            qso.call = call;
            return qsoLogged(qso);
        };
        QTest::newRow("call with a space")
            << withCall("JA1 XYZ") << "not logged: not a callsign" << false;
        QTest::newRow("call with an escape")
            << withCall("JA1\x1b[2JXYZ") << "not logged: not a callsign" << false;
        QTest::newRow("call with ADIF tags")
            << withCall("JA1XYZ<eor><call:4>K1AB") << "not logged: not a callsign" << false;
        QTest::newRow("200-character call")
            << withCall(QString(200, u'K')) << "not logged: not a callsign" << false;
        Qso badGrid;
        badGrid.grid = QStringLiteral("ZZ99ZZ'--");
        QTest::newRow("locator of no square")
            << qsoLogged(badGrid) << "not logged: not a locator" << false;
        Qso farOff;
        farOff.hz = 18'000'000'000'000'000'000ULL;
        QTest::newRow("frequency beyond any band")
            << qsoLogged(farOff) << "not logged: no frequency on a known band" << false;
        Qso ancient;
        ancient.on = QDateTime(QDate(-4714, 11, 24), QTime(12, 0), Qt::UTC);
        QTest::newRow("date in 4714 BC")
            << qsoLogged(ancient) << "not logged: no plausible date" << false;
        Qso future;
        future.on = QDateTime(QDate(2092, 1, 1), QTime(12, 0), Qt::UTC);
        QTest::newRow("date in 2092")
            << qsoLogged(future) << "not logged: no plausible date" << false;
        QTest::newRow("empty ADIF text")
            << adifMessage("") << "No QSO in the ADIF text from WSJT-X" << false;
        QTest::newRow("ADIF header alone")
            << adifMessage("<adif_ver:5>3.1.0 <EOH>\n") << "Record end <eor> not found: " << false;
    }

    void refusesHostileDatagrams()
    {
        QFETCH(QByteArray, datagram);
        QFETCH(QString, reason);
        QFETCH(bool, wholeDatagram);
        QSignalSpy refused(m_logger.get(), &wsjtx::WsjtxLogger::datagramRefused);
        QSignalSpy skipped(m_logger.get(), &wsjtx::WsjtxLogger::qsoSkipped);
        if (wholeDatagram)
            QTest::ignoreMessage(QtWarningMsg, qPrintable("WSJT-X datagram refused: " + reason));
        else
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression(QRegularExpression::escape(reason)));
        m_logger->receive(datagram);
        QCOMPARE(refused.size(), int(wholeDatagram));
        QCOMPARE(skipped.size(), int(!wholeDatagram));
        if (!wholeDatagram) {
            QVERIFY(skipped.constFirst().constFirst().toString().contains(reason));
            QCOMPARE(skipped.constFirst().at(1).value<Skip>(), Skip::Unreadable);
        }
        QVERIFY(m_app->log().getlastQSOs(4).isEmpty());
    }

    void readsTheFuzzSeeds()
    {
        // The seeds are written without Qt, byte by byte as the protocol describes them.
        const QDir seeds(QStringLiteral(BRINDLEWICK_SOURCE_DIR "/fuzz/corpus/wsjtx"));
        const QStringList files = seeds.entryList(QDir::Files);
        QVERIFY(files.size() >= 3);
        for (const QString &name : files) {
            QFile file(seeds.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QString error;
            const QByteArray bytes = file.readAll();
            const std::optional<WsjtxMessage> message = wsjtx::readWsjtxMessage(bytes, &error);
            // "refused-" seeds are hostile datagrams that must not be read.
            if (name.startsWith(QLatin1String("refused-"))) {
                QVERIFY2(!message, qPrintable(name));
                continue;
            }
            QVERIFY2(message, qPrintable(name + ": " + error));
            if (message->type == WsjtxMessage::QsoLogged)
                QCOMPARE(message->qso.timeOn.date(), QDate(2026, 11, 30));
            m_logger->receive(bytes);
        }
        // The logger stores none of the hostile QSOs.
        for (const QsoClass &qso : stored())
            QVERIFY2(QRegularExpression("^[A-Z0-9/]{3,20}$").match(qso.callsign).hasMatch(),
                     qPrintable(qso.callsign));
        QVERIFY(!stored().isEmpty());
    }

    void logsEachQsoOnce_data()
    {
        QTest::addColumn<QList<QByteArray>>("datagrams");
        QTest::addColumn<int>("japan");
        QTest::addColumn<QString>("mode");

        const Qso qso;
        Qso ft4;
        ft4.mode = QStringLiteral("FT4");
        ft4.hz = 14080000 + 1000;
        Qso otherBand;
        otherBand.hz = 7074000 + 900;
        otherBand.band = QStringLiteral("40m");
        QTest::newRow("QSO Logged, then Logged ADIF")
            << QList{qsoLogged(qso), loggedAdif(qso)} << 1 << "FT8";
        QTest::newRow("Logged ADIF, then QSO Logged")
            << QList{loggedAdif(qso), qsoLogged(qso)} << 1 << "FT8";
        QTest::newRow("FT4: MFSK with submode is the same QSO")
            << QList{qsoLogged(ft4), loggedAdif(ft4)} << 1 << "FT4";
        QTest::newRow("same call and minute on another band is another QSO")
            << QList{qsoLogged(qso), loggedAdif(qso), loggedAdif(otherBand), qsoLogged(otherBand)}
            << 2 << "FT8";
        QTest::newRow("heartbeat, status and unknown types store nothing")
            << QList{otherMessage(WsjtxMessage::Heartbeat), otherMessage(WsjtxMessage::Status),
                     otherMessage(99)}
            << 0 << "";
    }

    void logsEachQsoOnce()
    {
        QFETCH(QList<QByteArray>, datagrams);
        QFETCH(int, japan);
        QFETCH(QString, mode);
        QSignalSpy storedSpy(m_logger.get(), &wsjtx::WsjtxLogger::qsoStored);
        QSignalSpy skipped(m_logger.get(), &wsjtx::WsjtxLogger::qsoSkipped);
        for (const QByteArray &datagram : datagrams)
            m_logger->receive(datagram);

        QCOMPARE(stored().size(), japan);
        QCOMPARE(storedSpy.size(), japan);
        QCOMPARE(skipped.size(), mode.isEmpty() ? 0 : datagrams.size() - japan);
        if (japan == 0)
            return;
        const QsoClass qso = stored().constFirst();
        QCOMPARE(QStringList({qso.mode, qso.sqlDateTime().left(16), qso.dxcc,
                              QString::number(qso.adif), qso.cnt, qso.cq, qso.locator, qso.rsttx,
                              qso.rstrx, qso.name, qso.note, qso.power})
                     .join('|'),
                 mode + QString::fromUtf8("|2026-11-30 12:00|JA|339|As|25|PM95|-10|-12|Taro|"
                                          "tnx fér QSO|50"));
        QCOMPARE(storedSpy.constFirst().constFirst().value<QsoClass>().id, qso.id);
    }

    void skipsWhatTheLogbookHoldsLongAfter()
    {
        m_logger->receive(qsoLogged(Qso()));
        m_app->clock().setFixed(m_app->clock().now().addSecs(3600));
        QSignalSpy skipped(m_logger.get(), &wsjtx::WsjtxLogger::qsoSkipped);
        m_logger->receive(loggedAdif(Qso()));
        QCOMPARE(stored().size(), 1);
        QCOMPARE(skipped.size(), 1);
        QCOMPARE(skipped.constFirst().constFirst().toString(),
                 QStringLiteral("JA1XYZ 2026-11-30 12:00 20m FT8: already in the logbook"));
        QCOMPARE(skipped.constFirst().at(1).value<Skip>(), Skip::InLogbook);
    }

    void capsTheRecordsOfOneMessage()
    {
        QString text = QStringLiteral("<adif_ver:5>3.1.0 <EOH>\n");
        for (int i = 0; i < 25; ++i)
            text += QStringLiteral("<call:5>K1A%1 <mode:3>FT8 <qso_date:8>20261130 "
                                   "<time_on:4>1200 <band:3>20m <EOR>\n")
                        .arg(QChar(u'A' + i));
        QSignalSpy skipped(m_logger.get(), &wsjtx::WsjtxLogger::qsoSkipped);
        QTest::ignoreMessage(QtWarningMsg, "5 more QSOs in one ADIF text from WSJT-X not logged");
        m_logger->receive(adifMessage(text.toUtf8()));
        QCOMPARE(m_app->log().getlastQSOs(4).size(), 20);
        QCOMPARE(skipped.size(), 1);
    }

    void settingsListenOverLoopbackOnceThePortIsFree()
    {
        WsjtxSettings settings(m_app->defaults(), m_app->clock(), m_app->log(), m_app->dxcc());
        QCOMPARE(settings.port(), 2237);
        QCOMPARE(settings.status(), QStringLiteral("Off"));
        for (const char *bad : {"0", "65536", "port"})
            QCOMPARE(settings.setPort(QString::fromLatin1(bad)),
                     QStringLiteral("The port must be a number from 1 to 65535."));
        QCOMPARE(settings.port(), 2237);

        // Another program holds the port: said so, and tried again when the port is set.
        auto blocker = std::make_unique<QUdpSocket>();
        QVERIFY(blocker->bind(QHostAddress::Any, 0, QUdpSocket::DontShareAddress));
        const quint16 port = blocker->localPort();
        QCOMPARE(settings.setPort(QString::number(port)), QString());
        QVERIFY(!settings.listener().isListening());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("could not be opened"));
        settings.setOn(true);
        QVERIFY(settings.failed());
        QVERIFY(settings.status().startsWith(
            QStringLiteral("UDP port %1 could not be opened: ").arg(port)));
        blocker.reset();
        QCOMPARE(settings.setPort(QString::number(port)), QString());
        QVERIFY(!settings.failed() && settings.listener().isListening());
        QCOMPARE(settings.status(), QStringLiteral("Listening on UDP port %1").arg(port));
        {
            // A second listener on the same port, as another logger would open it.
            wsjtx::WsjtxListener other;
            QCOMPARE(other.listen(port), QString());
        }

        QTest::ignoreMessage(QtWarningMsg, "WSJT-X datagram refused: Not a WSJT-X message");
        QUdpSocket wsjtx;
        for (const QByteArray &datagram :
             {otherMessage(WsjtxMessage::Heartbeat), qsoLogged(Qso()), loggedAdif(Qso()),
              QByteArray("garbage"), qsoLogged(secondQso())})
            wsjtx.writeDatagram(datagram, QHostAddress::LocalHost, port);
        QTRY_COMPARE(stored(QStringLiteral("K1ABC")).size(), 1);
        QCOMPARE(stored().size(), 1);
        QVERIFY(
            settings.received().constFirst().toMap().value("text").toString().startsWith("K1ABC"));

        settings.setOn(false);
        QVERIFY(!settings.listener().isListening());
        QCOMPARE(settings.status(), QStringLiteral("Off"));
    }

    void cliListenStoresAndPrints()
    {
        const quint16 port = freePort();
        // The CLI owns the data folder while it runs.
        m_logger.reset();
        m_entities.reset();
        m_app.reset();
        QProcess cli;
        cli.start(QStringLiteral(BRINDLEWICK_CLI),
                  {"--data-dir", m_dir->path(), "--json", "wsjtx", "listen", "--port",
                   QString::number(port), "--count", "2", "--seconds", "30"});
        QVERIFY(cli.waitForStarted());
        QUdpSocket wsjtx;
        // Sent until the CLI has both: it may not listen yet, and repeats are stored once.
        for (int round = 0; round < 100 && cli.state() == QProcess::Running; ++round) {
            for (const QByteArray &datagram :
                 {qsoLogged(Qso()), loggedAdif(Qso()), loggedAdif(secondQso())})
                wsjtx.writeDatagram(datagram, QHostAddress::LocalHost, port);
            cli.waitForFinished(200);
        }
        QVERIFY(cli.state() == QProcess::NotRunning || cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 0);
        const QList<QByteArray> lines = cli.readAllStandardOutput().trimmed().split('\n');
        QCOMPARE(lines.size(), 2);
        const QJsonObject first = QJsonDocument::fromJson(lines.first()).object();
        QCOMPARE(first.value("callsign").toString(), QStringLiteral("JA1XYZ"));
        QCOMPARE(first.value("dxcc").toString(), QStringLiteral("JA"));
        // As "qso list" shows it.
        QCOMPARE(first.value("qrgString").toString(), QStringLiteral("14,076.7"));

        m_app = std::make_unique<AppDelegate>(DataFolder::at(m_dir->path()));
        QCOMPARE(stored().size(), 1);
        QCOMPARE(stored(QStringLiteral("K1ABC")).size(), 1);

        const CliRun refused = CliRun::in(m_dir->path(), {"wsjtx", "listen", "--port", "70000"});
        QCOMPARE(refused.exitCode, 1);
        QCOMPARE(refused.err, QStringLiteral("The port must be a number from 1 to 65535."));
    }
};

QTEST_GUILESS_MAIN(WsjtxTest)
#include "tst_wsjtx.moc"
