// brindlewick-cli as scripts see it: exit codes, messages and output of whole runs.

#include "../model/ReadOnlyLogbook.h"
#include "db/Database.h"

#include "../cluster/LoopbackNode.h"
#include "CliRun.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <QProcess>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Run = CliRun;

QString adifRecords(int count)
{
    QString text = QStringLiteral("<adif_ver:5>3.1.4 <eoh>\n");
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("<call:4>K%1AB <freq:6>14.025 <band:3>20m <mode:2>CW "
                               "<qso_date:8>20240102 <time_on:6>%2 <eor>\n")
                    .arg(i % 10)
                    .arg(QTime(0, 0).addSecs(i * 17).toString(QStringLiteral("HHmmss")));
    return text;
}

} // namespace

class CliTest : public QObject {
    Q_OBJECT

private:
    Run run(const QStringList &arguments) { return CliRun::in(m_dir->path(), arguments); }

    QProcess *start(const QStringList &arguments)
    {
        auto *process = new QProcess(this);
        process->start(QStringLiteral(BRINDLEWICK_CLI),
                       QStringList{QStringLiteral("--data-dir"), m_dir->path()} + arguments);
        return process;
    }

    [[nodiscard]] QString logbook() const { return m_dir->filePath("DefaultLog.rlog"); }

    /** One query over the logbook, read behind the CLI's back, rows joined by newlines. */
    QString read(const QString &sql) const
    {
        db::Database database;
        if (database.open(logbook(), db::Database::Mode::ReadOnly) != 0)
            return QStringLiteral("<no file>");
        db::Statement select = database.prepare(sql);
        QStringList rows;
        while (select.step()) {
            QStringList cells;
            for (int column = 0; column < select.columnCount(); ++column)
                cells << select.text(column);
            rows << cells.join(QLatin1Char('|'));
        }
        return select.failed() ? database.errorMessage() : rows.join(QLatin1Char('\n'));
    }

    bool writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir->filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void refusedWritesFail_data()
    {
        QTest::addColumn<bool>("locked"); // else read-only
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        const QString locked = QStringLiteral("database is locked");
        const QString readOnly = QStringLiteral("attempt to write a readonly database");
        const QStringList remove = {"qso", "delete", "1"};
        const QStringList set = {"qso", "set", "1", "name", "Fred"};
        const QStringList import = {"import", "1000.adi"};
        QTest::newRow("delete, locked") << true << remove << locked;
        QTest::newRow("set, locked") << true << set << locked;
        QTest::newRow("import of 1000, locked") << true << import << locked;
        QTest::newRow("delete, read-only") << false << remove << readOnly;
        QTest::newRow("set, read-only") << false << set << readOnly;
        QTest::newRow("import of 1000, read-only") << false << import << readOnly;
    }

    /** Another program holding the write lock past the wait, or a file that cannot be written:
     *  the command fails with SQLite's message and the logbook is as it was. */
    void refusedWritesFail()
    {
        QFETCH(bool, locked);
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        QCOMPARE(
            run({"qso", "add", "--call", "DL1ABC", "--freq", "14025", "--mode", "CW"}).exitCode, 0);
        QVERIFY(writeFile("1000.adi", adifRecords(1000).toUtf8()));
        arguments.replaceInStrings(QRegularExpression("^1000.adi$"), m_dir->filePath("1000.adi"));
        const QString before = read("select id, name from logbook");

        db::Database other;
        if (locked) {
            QCOMPARE(other.open(logbook(), db::Database::Mode::ReadWrite), 0);
            QVERIFY(other.exec("begin immediate"));
        } else {
            QVERIFY(makeLogbookReadOnly(logbook()));
        }
        const Run result = run(arguments);
        other.close();

        QVERIFY2(result.err.endsWith(": " + error), qPrintable(result.err));
        QVERIFY2(!result.out.contains("deleted") && !result.out.contains("imported"),
                 qPrintable(result.out));
        QCOMPARE(result.exitCode, 2);
        QCOMPARE(read("select id, name from logbook"), before);
    }

    void notALogbook_data()
    {
        QTest::addColumn<QString>("damage"); // SQL run on the logbook, or "text" for a text file
        QTest::addColumn<QString>("reason");
        QTest::newRow("a text file") << "text"
                                     << "file is not a database";
        QTest::newRow("logbook table gone") << "drop table logbook"
                                            << "no such table: logbook";
        QTest::newRow("dxlist table gone") << "drop table dxlist"
                                           << "no such table: dxlist";
        QTest::newRow("prefs table gone") << "drop table prefs"
                                          << "no such table: prefs";
        QTest::newRow("unknown dbversion") << "update prefs set value='999' where entry='dbversion'"
                                           << "unknown dbversion";
        QTest::newRow("another program's appname") << "delete from prefs where entry='appname'"
                                                   << "no appname entry of this program";
    }

    /** Every command that reads or writes the logbook stops with exit 2 and says why, and
     *  nothing is written to the file. */
    void notALogbook()
    {
        QFETCH(QString, damage);
        QFETCH(QString, reason);
        QCOMPARE(run({"logbooks", "list"}).exitCode, 0); // makes DefaultLog.rlog
        if (damage == "text") {
            QVERIFY(writeFile("DefaultLog.rlog", "just some text\n"));
        } else {
            db::Database database;
            QCOMPARE(database.open(logbook(), db::Database::Mode::ReadWrite), 0);
            QVERIFY(database.exec(damage));
        }
        QFile file(logbook());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        const QList<QStringList> commands = {
            {"stats"},
            {"status", "DL1ABC"},
            {"dxlist"},
            {"iota"},
            {"grid"},
            {"prefs", "get", "mycall"},
            {"logbooks", "list"},
            {"eqsl", "upload", "--dry-run"},
            {"clublog", "upload", "--dry-run"},
            {"qso", "add", "--call", "DL1ABC", "--freq", "14025", "--mode", "CW"},
            {"export"}};
        for (const QStringList &command : commands) {
            const Run result = run(command);
            QVERIFY2(result.exitCode == 2 &&
                         result.err.startsWith("DefaultLog.rlog is not a logbook: " + reason),
                     qPrintable(command.join(' ') + ": " + QString::number(result.exitCode) + " " +
                                result.err));
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }

    void emptyDataFolderIsRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("separate word") << QStringList{"--data-dir", "", "stats"};
        QTest::newRow("with equals sign") << QStringList{"--data-dir=", "stats"};
        QTest::newRow("only spaces") << QStringList{"--data-dir", "  ", "stats"};
    }

    /** An empty folder (an unset shell variable) never falls back to the user's own data. */
    void emptyDataFolderIsRefused()
    {
        QFETCH(QStringList, arguments);
        QProcess cli;
        cli.start(QStringLiteral(BRINDLEWICK_CLI), arguments);
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 1);
        QCOMPARE(cli.readAllStandardError().trimmed(), QByteArray("--data-dir needs a folder"));
        QVERIFY(cli.readAllStandardOutput().isEmpty());
    }

    /** On a full file system every file the CLI replaces stays as it was and the command fails:
     *  export, settings and the grayline picture. Runs on a small tmpfs in a mount namespace of
     *  its own where the system allows one. */
    void fullDiskKeepsOldFiles()
    {
        QProcess probe;
        probe.start(QStringLiteral("unshare"), {"-rm", "true"});
        if (!probe.waitForFinished(10000) || probe.exitStatus() != QProcess::NormalExit ||
            probe.exitCode() != 0)
            QSKIP("No unprivileged mount namespace here (unshare -rm): full-disk test skipped");
        QCOMPARE(
            run({"qso", "add", "--call", "DL1ABC", "--freq", "14025", "--mode", "CW"}).exitCode, 0);
        QCOMPARE(run({"defaults", "set", "Station", "home"}).exitCode, 0);
        QCOMPARE(run({"defaults", "set", "Colour", "red"}).exitCode, 0);
        QTemporaryDir mount;
        QProcess script;
        script.start(QStringLiteral("unshare"),
                     {"-rm", "sh", QStringLiteral(BRINDLEWICK_TEST_DATA "/full-disk.sh"),
                      mount.path(), QStringLiteral(BRINDLEWICK_CLI), m_dir->path()});
        QVERIFY(script.waitForFinished(120000));
        if (script.exitCode() == 99)
            QSKIP("tmpfs cannot be mounted here: full-disk test skipped");
        QCOMPARE(QString::fromUtf8(script.readAllStandardOutput()),
                 QStringLiteral("export -o: exit 2, old export\n"
                                "defaults set: exit 2\n"
                                "settings file unchanged\n"
                                "defaults remove: exit 2\n"
                                "settings file unchanged\n"
                                "grayline -o: exit 2, old picture\n"
                                "Brindlewick.ini export.adi map.png settings.before \n"));
    }

    void importWaitsForALockedLogbook()
    {
        QVERIFY(writeFile("1000.adi", adifRecords(1000).toUtf8()));
        QCOMPARE(
            run({"qso", "add", "--call", "DL1ABC", "--freq", "14025", "--mode", "CW"}).exitCode, 0);
        db::Database other;
        QCOMPARE(other.open(logbook(), db::Database::Mode::ReadWrite), 0);
        QVERIFY(other.exec("begin immediate"));
        QProcess *import = start({"import", m_dir->filePath("1000.adi")});
        QThread::msleep(1500); // well inside the wait, and long enough to be waiting
        other.close();
        QVERIFY(import->waitForFinished(60000));
        const QByteArray out = import->readAllStandardOutput();
        QVERIFY2(out.contains("1000 QSO(s) imported"), out.constData());
        QCOMPARE(import->exitCode(), 0);
        QCOMPARE(read("select count(*) from logbook"), QStringLiteral("1001"));
    }

    void foreignFileIsNoLogbook_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("import") << QStringList{"import", "one.adi"};
        QTest::newRow("list") << QStringList{"qso", "list"};
        QTest::newRow("export") << QStringList{"export"};
        QTest::newRow("delete") << QStringList{"qso", "delete", "1"};
    }

    void foreignFileIsNoLogbook()
    {
        QFETCH(QStringList, arguments);
        QVERIFY(writeFile("one.adi", adifRecords(1).toUtf8()));
        arguments.replaceInStrings(QRegularExpression("^one.adi$"), m_dir->filePath("one.adi"));
        const QByteArray text = "Shopping list: antenna wire, coax, tea\n";
        QVERIFY(writeFile("DefaultLog.rlog", text));

        const Run result = run(arguments);
        QVERIFY2(result.err.endsWith("DefaultLog.rlog is not a logbook: file is not a database"),
                 qPrintable(result.err));
        QCOMPARE(result.exitCode, 2);
        QFile file(logbook());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), text);
    }

    void damagedLogbookIsNotExported_data()
    {
        QTest::addColumn<bool>("toFile");
        QTest::newRow("to a file") << true;
        QTest::newRow("to standard output") << false;
    }

    /** A logbook with pages overwritten in the middle: no export that looks complete but is
     *  not, and an export file from before stays as it was. */
    void damagedLogbookIsNotExported()
    {
        QFETCH(bool, toFile);
        QCOMPARE(
            run({"qso", "add", "--call", "DL1ABC", "--freq", "14025", "--mode", "CW"}).exitCode, 0);
        {
            db::Database database;
            QCOMPARE(database.open(logbook(), db::Database::Mode::ReadWrite), 0);
            QVERIFY(database.exec(
                "with recursive n(i) as (select 1 union all select i + 1 from n where i < 3000) "
                "insert into logbook (callsign, band, mode, qrg, datetime, name, note) "
                "select 'K' || i || 'ABC', '20m', 'CW', '14025.0', "
                "datetime('2024-01-01', '+' || i || ' minutes'), 'Operator ' || i, "
                "'a note long enough to fill the pages of the logbook ' || i from n"));
        }
        QFile file(logbook());
        QVERIFY(file.open(QIODevice::ReadWrite));
        const qint64 pageSize = 4096;
        const qint64 pages = file.size() / pageSize;
        QVERIFY(pages > 100);
        QRandomGenerator garbage(7);
        for (qint64 page = pages / 2; page < pages / 2 + 4; ++page) {
            QByteArray bytes(pageSize, Qt::Uninitialized);
            garbage.fillRange(reinterpret_cast<quint32 *>(bytes.data()), pageSize / 4);
            QVERIFY(file.seek(page * pageSize));
            QCOMPARE(file.write(bytes), pageSize);
        }
        file.close();

        const QString target = m_dir->filePath("export.adi");
        QVERIFY(writeFile("export.adi", "the export from last week"));
        const QStringList entries = QDir(m_dir->path()).entryList(QDir::Files);
        const Run result =
            run(toFile ? QStringList{"export", "-o", target} : QStringList{"export"});
        QVERIFY2(result.err.contains("DefaultLog.rlog is damaged: "), qPrintable(result.err));
        QCOMPARE(result.out, QString());
        QCOMPARE(result.exitCode, 2);
        QFile old(target);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("the export from last week"));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), entries);
    }

    /** Another program may have written ids above 2^31; cut to 32 bits, two QSOs would share
     *  one and a delete could hit the wrong one. */
    void idsBeyond32Bits()
    {
        QCOMPARE(
            run({"qso", "add", "--call", "DL1ABC", "--freq", "14025", "--mode", "CW"}).exitCode, 0);
        {
            db::Database database;
            QCOMPARE(database.open(logbook(), db::Database::Mode::ReadWrite), 0);
            QVERIFY(database.exec("update logbook set id = 5"));
            QVERIFY(database.exec("insert into logbook (id, callsign, band, mode, qrg, datetime) "
                                  "values (4294967301, 'K1BIG', '20m', 'CW', '14025.0', "
                                  "'2024-01-01 10:00:00')"));
        }
        const QString big = QStringLiteral("4294967301");

        QList<qint64> ids;
        for (const QJsonValue &qso :
             QJsonDocument::fromJson(run({"--json", "qso", "list"}).out.toUtf8()).array())
            ids << qso.toObject()["rowid"].toVariant().toLongLong();
        std::sort(ids.begin(), ids.end());
        QCOMPARE(ids, (QList<qint64>{5, 4294967301}));

        const Run exported = run({"export", "--ids", big});
        QCOMPARE(exported.exitCode, 0);
        QCOMPARE(exported.out.count("<eor>"), 1);
        QVERIFY(exported.out.contains("<call:5>K1BIG"));

        QCOMPARE(run({"qso", "set", big, "name", "Big"}).exitCode, 0);
        QCOMPARE(read("select id, name from logbook order by id"),
                 QStringLiteral("5|\n4294967301|Big"));
        const Run deleted = run({"qso", "delete", big});
        QCOMPARE(deleted.out, "deleted: " + big);
        QCOMPARE(read("select id, callsign from logbook"), QStringLiteral("5|DL1ABC"));
    }

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

    /** Extra fields given to "qso add", changed and removed by "qso set", as "qso list" shows
     *  them and as the logbook keeps them. */
    void extraFieldsRoundTrip()
    {
        QCOMPARE(run({"qso", "add", "--call", "K1ABC", "--freq", "14285", "--mode", "SSB",
                      "--field", "SIG=POTA", "--field=sig_info=K-0817", "--note", "--field",
                      "--field", "APP_N1MM_EXCHANGE1=5NN 05", "--field", "MY_CITY=", "--field",
                      "MY_SOTA_REF=W1/HA-001"})
                     .exitCode,
                 0);
        const QJsonObject added{{"sig", "POTA"},
                                {"sig_info", "K-0817"},
                                {"app_n1mm_exchange1", "5NN 05"},
                                {"my_sota_ref", "W1/HA-001"}};
        const auto listed = [this]() {
            const QJsonArray qsos =
                QJsonDocument::fromJson(run({"--json", "qso", "list"}).out.toUtf8()).array();
            return qsos.size() == 1 ? qsos.first().toObject() : QJsonObject();
        };
        QCOMPARE(listed()["fields"].toObject(), added);
        // Another option's value that reads "--field" stays that option's.
        QCOMPARE(listed()["note"].toString(), "--field");

        const Run changed = run({"--json", "qso", "set", "1", "SIG_INFO", "K-0818"});
        QCOMPARE(changed.out, R"({"fields":{"sig_info":"K-0818"},"id":1})");
        QCOMPARE(run({"qso", "set", "1", "my_sota_ref", ""}).exitCode, 0);
        QCOMPARE(run({"qso", "set", "1", "APP_WSJT-X_RIG", "IC-7300"}).exitCode, 0);
        QCOMPARE(run({"qso", "set", "1", "name", "Fred"}).exitCode, 0);
        const QJsonObject qso = listed();
        QCOMPARE(qso["fields"].toObject(), (QJsonObject{{"sig", "POTA"},
                                                        {"sig_info", "K-0818"},
                                                        {"app_n1mm_exchange1", "5NN 05"},
                                                        {"app_wsjt-x_rig", "IC-7300"}}));
        QCOMPARE(qso["name"].toString(), "Fred");
        QCOMPARE(read("select name, value from qso_fields order by name"),
                 "app_n1mm_exchange1|5NN 05\napp_wsjt-x_rig|IC-7300\nsig|POTA\nsig_info|K-0818");
    }

    void refusedExtraFieldsStoreNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        const QStringList add = {"qso",    "add",   "--call", "K1ABC",
                                 "--freq", "14025", "--mode", "CW"};
        QTest::newRow("--field without =") << add + QStringList{"--field", "MY_CITY"} << 1
                                           << "--field needs NAME=VALUE: \"MY_CITY\"";
        QTest::newRow("--field without its value")
            << add + QStringList{"--field"} << 1 << "Option --field needs a value";
        QTest::newRow("a name with a blank")
            << add + QStringList{"--field", "SIG=POTA", "--field", "MY CITY=Boston"} << 1
            << "--field Not an ADIF field name: \"MY CITY\"";
        QTest::newRow("no name") << add + QStringList{"--field", "=x"} << 1
                                 << "--field Not an ADIF field name: \"\"";
        QTest::newRow("a name that would open a tag")
            << add + QStringList{"--field", "<call:5>W1AW=x"} << 1
            << "--field Not an ADIF field name: \"<call:5>W1AW\"";
        QTest::newRow("a field with a column")
            << add + QStringList{"--field", "Call=W1AW"} << 1
            << "--field CALL is kept in the QSO's own field \"callsign\", not as an extra field";
        QTest::newRow("a name given twice")
            << add + QStringList{"--field", "SIG=POTA", "--field", "sig=SOTA"} << 1
            << "--field SIG is given twice";
        QTest::newRow("set on a QSO that is not there")
            << QStringList{"qso", "set", "2", "SIG", "POTA"} << 2
            << "No QSO with id 2 in DefaultLog.rlog";
        QTest::newRow("set with a name that is no name")
            << QStringList{"qso", "set", "1", "SIG,INFO", "K-0817"} << 2
            << "Not an ADIF field name: \"SIG,INFO\"";
    }

    void refusedExtraFieldsStoreNothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        QCOMPARE(run({"qso", "add", "--call", "DL1ABC", "--freq", "14025", "--mode", "CW",
                      "--field", "MY_CITY=Bonn"})
                     .exitCode,
                 0);
        const Run refused = run(arguments);
        QCOMPARE(refused.err, err);
        QCOMPARE(refused.exitCode, exitCode);
        QCOMPARE(read("select count(*) from logbook"), "1");
        QCOMPARE(read("select qso, name, value from qso_fields"), "1|my_city|Bonn");
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
        QTest::newRow("dates are shown in the user's style")
            << oneQso << QStringList{"--json", "qso", "list"} << 0
            << "\"dateString\":\"03/02/2024\""
            << "";
        QTest::newRow("a county is kept as given")
            << QList<QStringList>{{"qso", "add", "--call", "K1ABC", "--freq", "14025", "--mode",
                                   "CW", "--county", "MA,Middlesex"}}
            << QStringList{"--json", "qso", "list"} << 0 << "\"county\":\"MA,Middlesex\""
            << "";
        QTest::newRow("an operation that does not count")
            << QList<QStringList>{{"qso", "add", "--call", "K1ABC", "--freq", "14025", "--mode",
                                   "CW", "--invalid-op"}}
            << QStringList{"--json", "qso", "list"} << 0 << "\"opIsValid\":false"
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
        QTest::newRow("a field name with a blank")
            << oneQso << QStringList{"qso", "set", "1", "my grid", "JO40"} << 2 << ""
            << "Not an ADIF field name: \"my grid\"";
        QTest::newRow("a name qso list shows but no column")
            << oneQso << QStringList{"qso", "set", "1", "colorcode", "3"} << 1 << ""
            << "Not a logbook column: colorcode";
        QTest::newRow("an ADIF field the logbook keeps in a column")
            << oneQso << QStringList{"qso", "set", "1", "gridsquare", "JO40"} << 2 << ""
            << "GRIDSQUARE is kept in the QSO's own field \"locator\", not as an extra field";
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
            << "Error while fetching: http://127.0.0.1:1/qslcard/DownloadedFiles/AGMemberList.txt "
               "(1)\neQSL Data not loaded! Could not reach 127.0.0.1 (connection refused)";
        const QString locatorUsage =
            QStringLiteral("Usage: locator --from LAT LON (degrees, north and east positive)");
        QTest::newRow("no locator of NaN")
            << none << QStringList{"locator", "--from", "nan", "nan"} << 1 << "" << locatorUsage;
        QTest::newRow("no locator of infinity")
            << none << QStringList{"locator", "--from", "10", "inf"} << 1 << "" << locatorUsage;
        QTest::newRow("no locator of the north pole's edge")
            << none << QStringList{"locator", "--from", "90", "0"} << 1 << "" << locatorUsage;
        QTest::newRow("no locator of the 180th meridian's edge")
            << none << QStringList{"locator", "--from", "0", "180"} << 1 << "" << locatorUsage;
        QTest::newRow("the south-west corner is AA00AA")
            << none << QStringList{"--json", "locator", "--from", "-90", "-180"} << 0
            << "\"locator6\":\"AA00AA\""
            << "";
        const QString sunUsage =
            QStringLiteral("Usage: sun LOC [--alt DEG] [--at \"yyyy-MM-dd HH:mm\"]");
        QTest::newRow("no sun altitude of NaN")
            << none << QStringList{"sun", "JO40", "--alt", "nan"} << 1 << "" << sunUsage;
        QTest::newRow("no sun altitude beyond 90°")
            << none << QStringList{"sun", "JO40", "--alt", "1e308"} << 1 << "" << sunUsage;
        QTest::newRow("no band of NaN") << none << QStringList{"band", "nan"} << 1 << ""
                                        << "Usage: band KHZ | band --name NAME";
        QTest::newRow("terminal escapes in a stored text are not printed raw")
            << QList<QStringList>{{"prefs", "set", "mycall", "DL1\x1b]0;pwned\a\x1b[2JAB"}}
            << QStringList{"prefs", "get", "mycall"} << 0
            << "mycall: DL1\ufffd]0;pwned\ufffd\ufffd[2JAB"
            << "";
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

    /** Spots from standard input and from a node, as JSON lines a script reads. */
    void clusterSpotsAsJsonLines()
    {
        QCOMPARE(run({"prefs", "set", "mylocator", "JO40DF"}).exitCode, 0);
        const QByteArray lines = "DX de K1ABC:     14025.0  JA1XYZ     599 tnx    1234Z\r\n"
                                 "not a spot\n"
                                 "DX de W1AW:       3525.0  Q0AAA      cq         tnx!\n";
        QProcess *parse = start({"--json", "cluster", "parse"});
        parse->write(lines);
        parse->closeWriteChannel();
        QVERIFY(parse->waitForFinished(30000));
        const QList<QByteArray> printed = parse->readAllStandardOutput().trimmed().split('\n');
        QCOMPARE(printed.size(), 2);
        const QJsonObject first = QJsonDocument::fromJson(printed.first()).object();
        QCOMPARE(first.value("call").toString(), QStringLiteral("JA1XYZ"));
        QCOMPARE(first.value("spotter").toString(), QStringLiteral("K1ABC"));
        QCOMPARE(first.value("band").toString(), QStringLiteral("20m"));
        QCOMPARE(first.value("entity").toString(), QStringLiteral("JA"));
        QCOMPARE(first.value("time").toString(), QStringLiteral("1234"));
        QVERIFY(first.value("dist").toInt() > 8000);
        QCOMPARE(first.value("colors").toObject().value("dxcc").toString(), QStringLiteral("red"));
        const QJsonObject unknown = QJsonDocument::fromJson(printed.last()).object();
        QCOMPARE(unknown.value("adif").toInt(), 0);
        QVERIFY(!unknown.contains("dist")); // no entity, no position

        LoopbackNode node;
        node.setGreeting("login: ");
        QProcess *listen = start({"cluster", "listen", "127.0.0.1", QString::number(node.port()),
                                  "--login", "DL1ABC", "--count", "1", "--seconds", "20"});
        QVERIFY(node.waitForClient());
        QTRY_COMPARE(node.received(), QByteArray("DL1ABC\r\n"));
        node.send(lines);
        QVERIFY(listen->waitForFinished(20000));
        QCOMPARE(listen->exitCode(), 0);
        QVERIFY(listen->readAllStandardOutput().contains("JA1XYZ"));
    }

    /** Standard input is framed as a node's feed: Latin-1 comments are kept, an endless line is
     *  cut at 8 KB and the spots after it still read. */
    void clusterParseFramesLikeListen()
    {
        QProcess *parse = start({"--json", "cluster", "parse"});
        parse->write(
            "DX de DL1AA:      7010.0  F5ABC        caf\xe9 599                    1200Z\n");
        parse->write(QByteArray(3 * 1024 * 1024, 'x'));
        parse->write(
            "\nDX de DL1AA:      7074.0  JA1XYZ       FT8 -10                      1201Z\n");
        parse->closeWriteChannel();
        QVERIFY(parse->waitForFinished(30000));
        QCOMPARE(parse->exitCode(), 0);
        const QList<QByteArray> printed = parse->readAllStandardOutput().trimmed().split('\n');
        QCOMPARE(printed.size(), 2);
        QCOMPARE(QJsonDocument::fromJson(printed.first()).object().value("note").toString(),
                 QString::fromUtf8("café 599"));
        QCOMPARE(QJsonDocument::fromJson(printed.last()).object().value("mode").toString(),
                 QStringLiteral("FT8"));
    }

    /** A node never reached is one line and exit 2; a quiet node is no failure; a node that
     *  drops the line after the login (another login with the call) is named, and exit 2 when
     *  it is gone at the end. Without --login the logbook's own call logs in. */
    void clusterListenSaysWhatHappened()
    {
        quint16 closedPort = 0;
        {
            QTcpServer server;
            QVERIFY(server.listen(QHostAddress::LocalHost));
            closedPort = server.serverPort();
        }
        const Run dead =
            run({"cluster", "listen", "127.0.0.1", QString::number(closedPort), "--seconds", "5"});
        QCOMPARE(dead.exitCode, 2);
        QVERIFY2(dead.err.startsWith(
                     QStringLiteral("Could not connect to 127.0.0.1 port %1").arg(closedPort)) &&
                     !dead.err.trimmed().contains(u'\n'),
                 qPrintable(dead.err));

        QCOMPARE(run({"prefs", "set", "mycall", "DL1XYZ"}).exitCode, 0);
        {
            LoopbackNode quiet;
            const Run idle = run({"cluster", "listen", "127.0.0.1", QString::number(quiet.port()),
                                  "--seconds", "1"});
            QCOMPARE(idle.exitCode, 0);
        }

        LoopbackNode node;
        node.setGreeting("login: ");
        QProcess *listen = start({"cluster", "listen", "127.0.0.1", QString::number(node.port()),
                                  "--count", "5", "--seconds", "3"});
        QVERIFY(node.waitForClient());
        QTRY_COMPARE(node.received(), QByteArray("DL1XYZ\r\n"));
        node.send("\nWelcome, DL1XYZ\r\n");
        node.stopListening();
        node.close();
        QVERIFY(listen->waitForFinished(20000));
        QCOMPARE(listen->exitCode(), 2);
        const QString err = QString::fromUtf8(listen->readAllStandardError());
        QVERIFY2(err.contains("The node closed the line (another login with this call?)") &&
                     err.contains("could not be reached at the end") && !err.contains("Welcome"),
                 qPrintable(err));
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
