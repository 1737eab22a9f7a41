// brindlewick-cli and the names and settings that decide which files are logbooks: a logbook name
// is a file name in the data folder, and the entries that make a file a logbook stay as they are.

#include "CliRun.h"
#include <QDir>

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using Run = CliRun;

class CliLogbookNamesTest : public QObject {
    Q_OBJECT

private:
    Run run(const QStringList &arguments) { return CliRun::in(dataDir(), arguments); }

    /** A folder inside the temporary one, so that a file written next to it is seen. */
    [[nodiscard]] QString dataDir() const { return m_dir->filePath(QStringLiteral("data")); }

    /** Every file below the temporary folder, data folder included. */
    [[nodiscard]] QStringList allFiles() const
    {
        QStringList files;
        QDirIterator it(m_dir->path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(m_dir->path()).relativeFilePath(it.next());
        files.sort();
        return files;
    }

    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir().mkpath(dataDir()));
        QCOMPARE(run({"logbooks", "list"}).exitCode, 0); // the default logbook, as at first use
    }

    void namesThatAreNoFileNameAreRefused_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("err");
        const QString noFileName = QStringLiteral("(a logbook name is a file name");
        for (const char *action : {"create", "select", "delete"}) {
            const auto row = [action](const char *what) {
                return &QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(action, what)));
            };
            *row("into the parent folder") << action << "../escaped" << noFileName;
            *row("the parent folder itself") << action << ".." << noFileName;
            *row("parent reached through a folder") << action << "sub/../../escaped" << noFileName;
            *row("absolute path") << action << "/tmp/escaped" << noFileName;
            *row("into a subfolder") << action << "sub/log" << noFileName;
            *row("backslash") << action << "..\\escaped" << noFileName;
            *row("blank") << action << "   "
                          << "A logbook name cannot be empty";
            *row("empty") << action << ""
                          << "A logbook name cannot be empty";
        }
    }

    void namesThatAreNoFileNameAreRefused()
    {
        QFETCH(QString, action);
        QFETCH(QString, name);
        QFETCH(QString, err);
        const QStringList before = allFiles();
        const Run refused = run({"logbooks", action, name});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.contains(err), qPrintable(refused.err));
        QCOMPARE(allFiles(), before);
        QCOMPARE(run({"logbooks", "list"}).out, QStringLiteral("* DefaultLog.rlog"));
    }

    void logbookInASubfolderIsStillChosenByItsListedName()
    {
        QVERIFY(QDir(dataDir()).mkpath(QStringLiteral("Archive")));
        QVERIFY(QFile::copy(QDir(dataDir()).filePath(QStringLiteral("DefaultLog.rlog")),
                            QDir(dataDir()).filePath(QStringLiteral("Archive/Old.rlog"))));
        const Run selected = run({"logbooks", "select", "Archive/Old.rlog"});
        QCOMPARE(selected.exitCode, 0);
        QCOMPARE(selected.out, QStringLiteral("selected: Archive/Old.rlog"));
    }

    void entriesThatMakeALogbookStay_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("value");
        QTest::newRow("appname") << "appname"
                                 << "X";
        QTest::newRow("dbversion") << "dbversion"
                                   << "9";
        QTest::newRow("appname, other letter case") << "AppName"
                                                    << "X";
    }

    void entriesThatMakeALogbookStay()
    {
        QFETCH(QString, entry);
        QFETCH(QString, value);
        const Run refused = run({"prefs", "set", entry, value});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.contains(QStringLiteral("identifies the logbook file")),
                 qPrintable(refused.err));
        QCOMPARE(run({"logbooks", "list"}).out, QStringLiteral("* DefaultLog.rlog"));
        QCOMPARE(run({"prefs", "get", "appname"}).out, QStringLiteral("appname: Morvalen"));
        QCOMPARE(run({"prefs", "get", "dbversion"}).out, QStringLiteral("dbversion: 4"));
        // Other entries are still the user's to set.
        QCOMPARE(run({"prefs", "set", "mycall", "DL1ABC"}).exitCode, 0);
    }

    void currentLogbookNameStaysInTheDataFolder()
    {
        const Run refused = run({"defaults", "set", "LogDbName", "../escaped.rlog"});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.contains(QStringLiteral("(a logbook name is a file name")),
                 qPrintable(refused.err));
        QCOMPARE(run({"logbooks", "list"}).out, QStringLiteral("* DefaultLog.rlog"));
    }
};

QTEST_GUILESS_MAIN(CliLogbookNamesTest)
#include "tst_clilogbooknames.moc"
