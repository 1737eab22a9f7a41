// brindlewick-cli as scripts see it: exit codes, messages and output of whole runs.

#include "db/Database.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

} // namespace

class CliTest : public QObject {
    Q_OBJECT

private:
    Run run(const QStringList &arguments)
    {
        QProcess process;
        process.start(QStringLiteral(BRINDLEWICK_CLI),
                      QStringList{QStringLiteral("--data-dir"), m_dir->path()} + arguments);
        if (!process.waitForFinished(60000))
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()).trimmed(),
                QString::fromUtf8(process.readAllStandardError()).trimmed()};
    }

    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void freeTextIsStoredEncodedAndListedPlain()
    {
        const Run added =
            run({"qso", "add", "--call", "O'NEILL", "--freq", "14025", "--band", "20m", "--mode",
                 "CW", "--name", "O'Neill, Jr.", "--note", "he said \"hi\"; drop table logbook;"});
        QCOMPARE(added.exitCode, 0);
        QCOMPARE(added.out, QStringLiteral("id: 1"));

        db::Database database;
        QCOMPARE(database.open(m_dir->filePath("DefaultLog.rlog"), db::Database::Mode::ReadOnly),
                 0);
        db::Statement stored = database.prepare("select name, rsttx, clublog from logbook");
        QVERIFY(stored.step());
        QCOMPARE(stored.text(0), QStringLiteral("O%27Neill%2C%20Jr."));
        QCOMPARE(stored.text(1), QStringLiteral("599"));
        QCOMPARE(stored.text(2), QStringLiteral("W"));

        const Run listed = run({"--json", "qso", "list"});
        QCOMPARE(listed.exitCode, 0);
        const QJsonArray qsos = QJsonDocument::fromJson(listed.out.toUtf8()).array();
        QCOMPARE(qsos.size(), 1);
        const QJsonObject qso = qsos.first().toObject();
        QCOMPARE(qso["name"].toString(), QStringLiteral("O'Neill, Jr."));
        QCOMPARE(qso["note"].toString(), QStringLiteral("he said \"hi\"; drop table logbook;"));
        QCOMPARE(qso["callsign"].toString(), QStringLiteral("O'NEILL"));
        QCOMPARE(qso["qrg"].toDouble(), 14025.0);
        QCOMPARE(qso["opIsValid"].toBool(), true);
    }

    void answers_data()
    {
        QTest::addColumn<QList<QStringList>>("before");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");

        const QList<QStringList> none;
        const QList<QStringList> oneQso = {{"qso", "add", "--call", "dl1abc", "--freq", "7,012.5",
                                            "--mode", "ssb", "--time", "2024-02-03 10:00:00"}};

        QTest::newRow("band comes from the frequency")
            << oneQso << QStringList{"--json", "qso", "list"} << 0 << "\"band\":\"40m\""
            << "";
        QTest::newRow("voice modes default to 59")
            << oneQso << QStringList{"--json", "qso", "list"} << 0 << "\"rsttx\":\"59\""
            << "";
        QTest::newRow("an impossible date is refused")
            << none << QStringList{"qso",   "add",    "--call", "K1ABC",  "--freq",
                                   "14025", "--mode", "CW",     "--time", "2024-02-30 10:00:00"}
            << 1 << ""
            << "--time needs \"yyyy-MM-dd HH:mm:ss\" (UTC)";
        QTest::newRow("a letter the LoTW field refuses")
            << none << QStringList{"qso",   "add",    "--call", "K1ABC",  "--freq",
                                   "14025", "--mode", "CW",     "--lotw", "Q"}
            << 1 << ""
            << "--lotw takes one of W S X -";
        QTest::newRow("unknown column")
            << oneQso << QStringList{"qso", "set", "1", "nme", "x"} << 1 << ""
            << "Not a logbook column: nme";
        QTest::newRow("missing QSO") << oneQso << QStringList{"qso", "delete", "2"} << 2 << ""
                                     << "No QSO with id 2 in DefaultLog.rlog";
        QTest::newRow("free text set through the CLI reads back")
            << QList<QStringList>{oneQso.first(), {"qso", "set", "1", "qth", "St. John's"}}
            << QStringList{"--json", "qso", "list"} << 0 << "\"qth\":\"St. John's\""
            << "";
        QTest::newRow("a name is given once")
            << QList<QStringList>{{"logbooks", "create", "Contest"}}
            << QStringList{"logbooks", "create", "Contest.RLOG"} << 2 << ""
            << "This name was given before!";
        QTest::newRow("one-letter names are refused")
            << none << QStringList{"logbooks", "create", "C"} << 1 << ""
            << "A logbook name needs at least 2 characters";
        QTest::newRow("the last logbook stays")
            << QList<QStringList>{{"logbooks", "list"}}
            << QStringList{"logbooks", "delete", "DefaultLog"} << 2 << ""
            << "The last logbook cannot be deleted";
        QTest::newRow("selecting makes current")
            << QList<QStringList>{{"logbooks", "create", "Contest"}}
            << QStringList{"logbooks", "select", "Contest"} << 0 << "selected: Contest.rlog"
            << "";
        QTest::newRow("defaults take JSON")
            << QList<QStringList>{{"defaults", "set", "CallsToMark", "[\"DL1ABC\",\"K1JT\"]"}}
            << QStringList{"--json", "defaults", "get", "CallsToMark"} << 0
            << "{\"CallsToMark\":[\"DL1ABC\",\"K1JT\"]}"
            << "";
        QTest::newRow("prefs keep quotes")
            << QList<QStringList>{{"prefs", "set", "mycall", "DL1'A\"B"}}
            << QStringList{"prefs", "get", "mycall"} << 0 << "mycall: DL1'A\"B"
            << "";
        QTest::newRow("band of a frequency")
            << none << QStringList{"--json", "band", "14025"} << 0
            << "{\"band\":\"20m\",\"mode\":\"CW\",\"xBand\":5,\"xMode\":1}"
            << "";
        QTest::newRow("band by name") << none << QStringList{"--json", "band", "--name", "20m"} << 0
                                      << "{\"qrg\":14000,\"xBand\":5}"
                                      << "";
        QTest::newRow("locator from a southern, eastern position")
            << none << QStringList{"--json", "locator", "--from", "-33.9", "18.4"} << 0
            << "{\"locator10\":\"JF96EC84AA\",\"locator6\":\"JF96EC\"}"
            << "";
        QTest::newRow("path Berlin to Boston")
            << none << QStringList{"--json", "path", "JO62QM", "FN42HN"} << 0
            << "{\"bearing\":296,\"distanceKm\":6100}"
            << "";
        QTest::newRow("polar night")
            << none << QStringList{"--json", "sun", "KP69", "--at", "2026-12-21 12:00"} << 0
            << "\"sunrise\":\"----\",\"sunset\":\"----\""
            << "";
        QTest::newRow("a bad locator is refused") << none << QStringList{"sun", "xx"} << 1 << ""
                                                  << "Not a locator: xx";
        QTest::newRow("no member lists before the first download")
            << none << QStringList{"--json", "members", "count"} << 0 << "{\"eqsl\":0,\"lotw\":0}"
            << "";
        QTest::newRow("a failed member-list download says why")
            << QList<QStringList>{{"defaults", "set", "EqslHost", "http://127.0.0.1:1"}}
            << QStringList{"members", "download", "eqsl"} << 2 << ""
            << "eQSL Data not loaded! Connection refused";
        QTest::newRow("unknown command") << none << QStringList{"frob"} << 1 << ""
                                         << "Unknown command frob (see --help)";
    }

    void answers()
    {
        QFETCH(QList<QStringList>, before);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);

        for (const QStringList &step : before)
            QCOMPARE(run(step).exitCode, 0);
        const Run result = run(arguments);
        QVERIFY2(result.out.contains(out), qPrintable(result.out));
        QCOMPARE(result.err, err);
        QCOMPARE(result.exitCode, exitCode);
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
