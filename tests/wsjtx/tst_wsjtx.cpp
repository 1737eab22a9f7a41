// Logging from WSJT-X and JTDX: datagrams written with QDataStream the way those programs write
// them, read, turned into QSOs, stored once, and the same over a loopback UDP socket and the CLI.

#include "../cli/CliRun.h"
#include "AppFixture.h"
#include "ExpectedOutput.h"
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

QStringList warnings;

void collectWarning(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtWarningMsg)
        warnings << text;
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

    /** Stored datagrams (data/datagrams/) as WSJT-X and JTDX write them, and hostile ones,
     *  against what is read from them and what the logger does with them: a datagram that
     *  cannot be read is refused whole with its reason, a record that holds no loggable QSO
     *  is skipped with its reason, nothing hostile reaches the logbook. */
    void datagramFiles_data() { expected::addInputRows(BRINDLEWICK_TEST_DATA "/datagrams"); }

    void datagramFiles()
    {
        QFETCH(QString, input);
        const QByteArray datagram = expected::readAll(input);
        QString error;
        const std::optional<WsjtxMessage> message = wsjtx::readWsjtxMessage(datagram, &error);
        QJsonObject read{{"error", error}};
        if (message) {
            read = {{"schema", qint64(message->schema)},
                    {"type", qint64(message->type)},
                    {"id", message->id}};
            const wsjtx::WsjtxQso &r = message->qso;
            if (message->type == WsjtxMessage::QsoLogged)
                read.insert("qso", QJsonObject{{"timeOn", r.timeOn.toString(Qt::ISODate)},
                                               {"timeOff", r.timeOff.toString(Qt::ISODate)},
                                               {"dxCall", r.dxCall},
                                               {"dxGrid", r.dxGrid},
                                               {"txFrequencyHz", QString::number(r.txFrequencyHz)},
                                               {"mode", r.mode},
                                               {"reportSent", r.reportSent},
                                               {"reportReceived", r.reportReceived},
                                               {"txPower", r.txPower},
                                               {"comments", r.comments},
                                               {"name", r.name},
                                               {"myCall", r.myCall},
                                               {"myGrid", r.myGrid},
                                               {"operatorCall", r.operatorCall},
                                               {"propagationMode", r.propagationMode}});
            if (message->type == WsjtxMessage::LoggedAdif)
                read.insert("adif", message->adif);
        }
        QSignalSpy refused(m_logger.get(), &wsjtx::WsjtxLogger::datagramRefused);
        QSignalSpy skipped(m_logger.get(), &wsjtx::WsjtxLogger::qsoSkipped);
        QSignalSpy storedSpy(m_logger.get(), &wsjtx::WsjtxLogger::qsoStored);
        warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collectWarning);
        m_logger->receive(datagram);
        qInstallMessageHandler(previous);
        QJsonArray logged;
        for (const QList<QVariant> &signal : std::as_const(storedSpy)) {
            const auto q = signal.first().value<QsoClass>();
            logged << QJsonObject{
                {"callsign", q.callsign}, {"dateTime", q.dateTime.toString(Qt::ISODate)},
                {"band", q.band},         {"mode", q.mode},
                {"qrg", q.qrg},           {"locator", q.locator},
                {"rsttx", q.rsttx},       {"rstrx", q.rstrx}};
        }
        QJsonArray skips;
        for (const QList<QVariant> &signal : std::as_const(skipped))
            skips << signal.first().toString();
        COMPARE_EXPECTED(
            input, (QJsonObject{{"read", read},
                                {"refused", refused.isEmpty() ? QString()
                                                              : refused.first().first().toString()},
                                {"skipped", skips},
                                {"stored", logged},
                                {"warnings", QJsonArray::fromStringList(warnings)}}));
        QCOMPARE(m_app->log().getlastQSOs(4).size(), logged.size());
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
