// The LoTW upload through TQSL: what TQSL is handed, what each of its exit codes does to the
// logbook, a missing program, a hung one, a QSO edited while TQSL runs, and the command line.
// TQSL is a stand-in script on PATH; nothing leaves the machine.

#include "../cli/CliRun.h"
#include "QslFixture.h"
#include "services/LotwScreen.h"
#include "services/LotwUpload.h"
#include "services/LotwUploadFile.h"
#include "services/Tqsl.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QSignalSpy>

class TestLotwUpload : public QObject {
    Q_OBJECT

    QslFixture f;
    std::unique_ptr<QTemporaryDir> bin; // the stand-in's folder, first on PATH
    QByteArray m_path;

    // Sent before, confirmed, and three waiting: empty, "W" and a satellite QSO marked "-".
    void storeLog()
    {
        QList<QsoClass> qsos;
        const auto add = [&](const QString &call, const QString &when, const QString &lotw) {
            QsoClass q = QslFixture::qso(call, when);
            q.lotwqsl = lotw;
            qsos << q;
            return qsos.size() - 1;
        };
        add(QStringLiteral("DL1AA"), QStringLiteral("2025-06-10 10:00:00"), QString());
        add(QStringLiteral("K1ABC"), QStringLiteral("2025-06-11 11:00:00"), QStringLiteral("S"));
        add(QStringLiteral("JA1XYZ"), QStringLiteral("2025-06-12 12:00:00"), QStringLiteral("X"));
        add(QStringLiteral("G4AAA"), QStringLiteral("2025-06-13 13:00:00"), QStringLiteral("W"));
        const int sat = add(QStringLiteral("EA7BBB"), QStringLiteral("2025-06-14 14:00:00"),
                            QStringLiteral("-"));
        qsos[sat].qrg = 435300.0;
        qsos[sat].band = QStringLiteral("70cm");
        qsos[sat].mode = QStringLiteral("FM");
        qsos[sat].satName = QStringLiteral("SO-50");
        qsos[sat].satRxband = QStringLiteral("2m");
        f.store(qsos);
    }

    void answer(int exitCode, const QByteArray &message = {}, int sleepSeconds = 0)
    {
        qputenv("TQSL_STANDIN_EXIT", QByteArray::number(exitCode));
        qputenv("TQSL_STANDIN_MESSAGE", message);
        qputenv("TQSL_STANDIN_SLEEP", sleepSeconds ? QByteArray::number(sleepSeconds) : "");
    }

    [[nodiscard]] QByteArray recorded(const QString &name) const
    {
        return QslFixture::contents(bin->filePath(name));
    }

    LotwUpload::Outcome run(const QString &location = QStringLiteral("Home"), bool dryRun = false)
    {
        LotwUpload upload(f.app->defaults(), f.app->clock());
        QSignalSpy done(&upload, &LotwUpload::finished);
        if (!upload.upload(f.app->log(), location, dryRun) || !done.wait(20000))
            return {};
        return done.at(0).at(0).value<LotwUpload::Outcome>();
    }

    [[nodiscard]] QString sentDate(qint64 id)
    {
        const std::optional<QsoClass> qso = f.app->log().qsoById(id);
        return qso ? qso->extraFields.value(u"lotw_qslsdate") : QStringLiteral("<gone>");
    }

private slots:
    void initTestCase()
    {
        QslFixture::initTestCase();
        qRegisterMetaType<LotwUpload::Outcome>();
        m_path = qgetenv("PATH");
    }

    void init()
    {
        f.setUp();
        bin = std::make_unique<QTemporaryDir>();
        const QString standin = bin->filePath(QStringLiteral("tqsl"));
        QVERIFY(QFile::copy(QStringLiteral(TQSL_STANDIN), standin));
        QVERIFY(QFile::setPermissions(standin, QFile::ReadOwner | QFile::ExeOwner));
        qputenv("PATH", bin->path().toLocal8Bit() + ':' + m_path);
        qputenv("TQSL_STANDIN_DIR", bin->path().toLocal8Bit());
        answer(0);
        storeLog();
    }

    void cleanup()
    {
        qputenv("PATH", m_path);
        bin.reset();
        f.tearDown();
    }

    void handsTqslTheWaitingQsosInBatchMode()
    {
        const LotwUpload::Outcome outcome = run(QStringLiteral("Home QTH"));
        QVERIFY(outcome.ok);
        QCOMPARE(recorded(QStringLiteral("args")).split('\n').mid(0, 8),
                 QByteArrayList({"-x", "-d", "-q", "-u", "-a", "compliant", "-l", "Home QTH"}));
        const QString file = QString::fromUtf8(recorded(QStringLiteral("upload.adi")));
        QVERIFY2(file.contains(QLatin1String("<EOH>")), qPrintable(file));
        QCOMPARE(file.count(QLatin1String("<eor>")), 3);
        QVERIFY(file.contains(QLatin1String("<call:5>DL1AA <qso_date:8>20250610 <time_on:6>100000 "
                                            "<band:3>20m  <mode:2>CW <freq:9>14.025000")));
        QVERIFY(file.contains(QLatin1String("<call:5>G4AAA")));
        QVERIFY2(file.contains(QLatin1String("<prop_mode:3>SAT <sat_name:5>SO-50 <band_rx:2>2m ")),
                 qPrintable(file));
        QVERIFY(!file.contains(QLatin1String("K1ABC")));  // sent before
        QVERIFY(!file.contains(QLatin1String("JA1XYZ"))); // confirmed
    }

    void marksWhatTqslAccepted_data()
    {
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("shown");

        QTest::newRow("0 all accepted") << 0 << QByteArray() << true << "3 QSO(s) marked";
        QTest::newRow("1 cancelled") << 1 << QByteArray() << false << "cancelled";
        QTest::newRow("2 rejected by LoTW")
            << 2 << QByteArray("Upload rejected: certificate expired") << false
            << "rejected by LoTW: Signing using Callsign K1ABC, DXCC Entity UNITED STATES OF "
               "AMERICA Upload rejected: certificate expired";
        QTest::newRow("3 unexpected response") << 3 << QByteArray() << false << "unexpected resp";
        QTest::newRow("4 TQSL error: no certificate")
            << 4 << QByteArray("No callsign certificate for K1ABC") << false
            << "No callsign certificate for K1ABC";
        QTest::newRow("5 TQSLlib error: wrong location")
            << 5 << QByteArray("Station location Home does not exist") << false
            << "Station location Home does not exist";
        QTest::newRow("6 input unreadable") << 6 << QByteArray() << false << "input file";
        QTest::newRow("7 output unwritable") << 7 << QByteArray() << false << "output file";
        QTest::newRow("8 all duplicates")
            << 8 << QByteArray("3 duplicate QSOs") << true << "all QSOs were duplicates";
        QTest::newRow("9 some duplicates")
            << 9 << QByteArray() << true << "some QSOs were duplicates";
        QTest::newRow("10 syntax") << 10 << QByteArray() << false << "command syntax error";
        QTest::newRow("11 network") << 11 << QByteArray("Network error: Could not resolve host")
                                    << false << "LoTW connection error";
        QTest::newRow("12 unexpected") << 12 << QByteArray() << false << "unexpected error";
        QTest::newRow("13 duplicates database")
            << 13 << QByteArray() << false << "duplicates database error";
        QTest::newRow("unknown code") << 42 << QByteArray() << false << "unknown exit code";
    }

    void marksWhatTqslAccepted()
    {
        QFETCH(int, exitCode);
        QFETCH(QByteArray, message);
        QFETCH(bool, ok);
        QFETCH(QString, shown);
        answer(exitCode, message);
        const QStringList before = f.column(QStringLiteral("lotwqsl"));
        f.announced.clear();
        const LotwUpload::Outcome outcome = run();
        QCOMPARE(outcome.ok, ok);
        QCOMPARE(outcome.exitCode, exitCode);
        QVERIFY2(outcome.status.contains(shown), qPrintable(outcome.status));
        if (!ok) {
            QVERIFY2(outcome.status.contains(QStringLiteral("exit %1").arg(exitCode)),
                     qPrintable(outcome.status));
            QCOMPARE(outcome.marked, 0);
            QCOMPARE(f.column(QStringLiteral("lotwqsl")), before);
            QCOMPARE(sentDate(1), QString());
            QVERIFY(f.announced.isEmpty());
            return;
        }
        QCOMPARE(outcome.marked, 3);
        QCOMPARE(f.column(QStringLiteral("lotwqsl")),
                 QStringList({"S", "S", "X", "S", "S"})); // the confirmation stays
        QCOMPARE(sentDate(1), QStringLiteral("20250615"));
        QCOMPARE(sentDate(2), QString()); // sent before, not now
        QCOMPARE(sentDate(5), QStringLiteral("20250615"));
        QVERIFY(f.announced.contains(QStringLiteral("qsosChanged")));
        // Nothing waits any more.
        answer(0);
        QVERIFY(run().nothingToSend);
    }

    void refusesWithoutProgramOrLocation_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("location");
        QTest::addColumn<QString>("shown");
        QTest::newRow("no such path") << "/nonexistent/tqsl"
                                      << "Home"
                                      << "sudo apt install trustedqsl";
        QTest::newRow("not on PATH") << "tqsl-not-installed"
                                     << "Home"
                                     << "sudo apt install trustedqsl";
        QTest::newRow("a file that is no program") << "<plain file>"
                                                   << "Home"
                                                   << "sudo apt install trustedqsl";
        QTest::newRow("no station location") << "tqsl"
                                             << ""
                                             << "station location";
    }

    void refusesWithoutProgramOrLocation()
    {
        QFETCH(QString, program);
        QFETCH(QString, location);
        QFETCH(QString, shown);
        if (program == QLatin1String("<plain file>")) {
            program = bin->filePath(QStringLiteral("plain"));
            QFile plain(program);
            QVERIFY(plain.open(QIODevice::WriteOnly));
        }
        f.app->defaults().setValue(QLatin1String(tqsl::kPathKey), program);
        const LotwUpload::Outcome outcome = run(location);
        QVERIFY(!outcome.ok);
        QVERIFY2(outcome.status.contains(shown), qPrintable(outcome.status));
        QVERIFY(!QFile::exists(bin->filePath(QStringLiteral("args"))));
        QCOMPARE(f.column(QStringLiteral("lotwqsl")), QStringList({"", "S", "X", "W", "-"}));
    }

    void stopsAHungTqsl()
    {
        f.app->defaults().setValue(QLatin1String(tqsl::kTimeoutKey), 1);
        answer(0, {}, 5);
        QElapsedTimer timer;
        timer.start();
        const LotwUpload::Outcome outcome = run();
        QVERIFY(timer.elapsed() < 10000);
        QVERIFY(!outcome.ok);
        QVERIFY2(outcome.status.contains(QLatin1String("within 1 seconds")),
                 qPrintable(outcome.status));
        QCOMPARE(f.column(QStringLiteral("lotwqsl")), QStringList({"", "S", "X", "W", "-"}));
    }

    void leavesAQsoEditedMeanwhileWaiting()
    {
        answer(0, {}, 1);
        LotwUpload upload(f.app->defaults(), f.app->clock());
        QSignalSpy done(&upload, &LotwUpload::finished);
        QVERIFY(upload.upload(f.app->log(), QStringLiteral("Home")));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(bin->filePath(QStringLiteral("started"))), 10000);
        // The call is corrected while TQSL signs the old one.
        const QsoClass stored = *f.app->log().qsoById(4);
        QsoClass edited = stored;
        edited.callsign = QStringLiteral("G4AAB");
        QVERIFY(f.app->log().updateQSO(stored, edited));
        QVERIFY(done.wait(20000));
        const auto outcome = done.at(0).at(0).value<LotwUpload::Outcome>();
        QVERIFY(outcome.ok);
        QCOMPARE(outcome.marked, 2);
        QCOMPARE(f.column(QStringLiteral("lotwqsl")), QStringList({"S", "S", "X", "W", "S"}));
    }

    void screenCountsUploadsAndShowsTqslsWords()
    {
        QNetworkAccessManager network;
        LotwScreen screen(f.app->log(), f.app->dxcc(), f.app->defaults(), f.app->secrets(),
                          f.app->clock(), network);
        screen.setTqslPath(QStringLiteral("tqsl-not-installed"));
        QVERIFY(!screen.tqslFound());
        QVERIFY2(screen.tqslHint().contains(QLatin1String("sudo apt install trustedqsl")),
                 qPrintable(screen.tqslHint()));
        screen.setTqslPath(QString());
        QVERIFY(screen.tqslFound());
        QCOMPARE(screen.tqslHint(), QString());
        screen.refreshUploadCounts();
        QCOMPARE(screen.uploadCounts(), QStringLiteral("3 QSO(s) waiting for LoTW"));
        QCOMPARE(screen.lastUpload(), QString());

        screen.setStationLocation(QStringLiteral(" Home "));
        answer(11, "Network error: Could not resolve host");
        screen.upload();
        QVERIFY(screen.uploading());
        QTRY_VERIFY_WITH_TIMEOUT(!screen.uploading(), 20000);
        QVERIFY(screen.uploadStatusIsError());
        QVERIFY2(screen.tqslOutput().endsWith(QLatin1String("Could not resolve host")),
                 qPrintable(screen.tqslOutput()));
        QCOMPARE(recorded(QStringLiteral("args")).split('\n').value(7), QByteArray("Home"));

        answer(0);
        screen.upload();
        QTRY_VERIFY_WITH_TIMEOUT(!screen.uploading(), 20000);
        QVERIFY2(!screen.uploadStatusIsError(), qPrintable(screen.uploadStatus()));
        QCOMPARE(screen.uploadCounts(), QStringLiteral("0 QSO(s) waiting for LoTW"));
        QCOMPARE(screen.lastUpload(), QStringLiteral("2025-06-15 12:00:00"));
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("tqslExit");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("lotwqsl");
        const QStringList untouched{"", "S", "X", "W", "-"};
        QTest::newRow("dry run lists and marks nothing")
            << QStringList{"lotw", "upload", "--dry-run"} << 0 << 0 << untouched;
        QTest::newRow("accepted") << QStringList{"lotw", "upload", "--location", "Home"} << 0 << 0
                                  << QStringList{"S", "S", "X", "S", "S"};
        QTest::newRow("rejected is a failure")
            << QStringList{"lotw", "upload", "--location", "Home"} << 2 << 2 << untouched;
        QTest::newRow("no location is a failure")
            << QStringList{"lotw", "upload"} << 0 << 2 << untouched;
        QTest::newRow("unknown option")
            << QStringList{"lotw", "upload", "--all"} << 0 << 1 << untouched;
        QTest::newRow("location without name")
            << QStringList{"lotw", "upload", "--location"} << 0 << 1 << untouched;
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, tqslExit);
        QFETCH(int, exitCode);
        QFETCH(QStringList, lotwqsl);
        answer(tqslExit, "LoTW said no");
        f.app.reset(); // the CLI is the only writer
        const CliRun cli = CliRun::in(f.dir->path(), QStringList{"--json"} + arguments);
        QVERIFY2(cli.exitCode == exitCode, qPrintable(cli.err));
        QCOMPARE(f.column(QStringLiteral("lotwqsl")), lotwqsl);
        if (exitCode == 2 && tqslExit == 2)
            QVERIFY2(cli.err.contains(QLatin1String("rejected by LoTW")), qPrintable(cli.err));
        if (arguments.contains(QLatin1String("--dry-run"))) {
            QCOMPARE(cli.out.count(QLatin1String("\"call\"")), 3);
            QVERIFY(!QFile::exists(bin->filePath(QStringLiteral("args"))));
        }
    }
};

QTEST_GUILESS_MAIN(TestLotwUpload)
#include "tst_lotwupload.moc"
