// Choosing, creating and deleting logbooks on the phone and on the tablet.

#include "ShellFixture.h"
#include "model/LogModel.h"
#include "model/LogbookChoice.h"
#include "model/LogbookFiles.h"
#include "shell/LogbookSelection.h"

#include <QSignalSpy>

class TestLogbookSelection : public QObject {
    Q_OBJECT

    ShellFixture f;

    void makeLogbook(const QString &name, const QString &myCall = {})
    {
        QString file;
        QCOMPARE(logbookchoice::createLogbook(f.app->folder(), name, &file),
                 logbookchoice::CreateResult::Created);
        if (myCall.isEmpty())
            return;
        // Written through a model that stays on that logbook.
        LogModel log(f.app->defaults(), f.app->folder(), f.app->clock(), f.app->dxcc(),
                     f.app->folder().filePath(file));
        log.updateMyCallsign(myCall);
        log.updateMyLocator(QStringLiteral("JO62QM"));
    }

    [[nodiscard]] QString current() const
    {
        return f.app->defaults().string(QStringLiteral("LogDbName"));
    }

    [[nodiscard]] QStringList files() const
    {
        return QDir(f.dir->path()).entryList({QStringLiteral("*")}, QDir::Files, QDir::Name);
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        f.setUp();
        (void)f.app->log(); // the default logbook, as at start-up
    }
    void cleanup() { f.tearDown(); }

    void newLogbookName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored"); // empty: nothing made
        QTest::newRow("Field day gets the suffix") << "Field day"
                                                   << "Field day.rlog";
        QTest::newRow("upper-case suffix kept") << "Contest.RLOG"
                                                << "Contest.RLOG";
        QTest::newRow("lower-case suffix kept") << "dx.rlog"
                                                << "dx.rlog";
        QTest::newRow("two characters are enough") << "ab"
                                                   << "ab.rlog";
        QTest::newRow("one character does nothing") << "X"
                                                    << "";
        QTest::newRow("empty does nothing") << ""
                                            << "";
    }

    void newLogbookName()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        LogbookSelection selection(f.app->defaults(), f.app->log(), f.app->folder());
        QSignalSpy alerts(&selection, &LogbookSelection::alertRequested);
        const QStringList before = files();
        selection.createLogbook(typed);
        QCOMPARE(alerts.size(), 0);
        if (stored.isEmpty()) {
            QCOMPARE(files(), before);
            return;
        }
        QVERIFY(QFile::exists(f.path(stored)));
        QCOMPARE(files().size(), before.size() + 1);
    }

    void nameGivenBeforeIsRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("same name") << "Portable";
        QTest::newRow("same name with suffix") << "Portable.rlog";
        QTest::newRow("other letter case") << "PORTABLE";
    }

    void nameGivenBeforeIsRefused()
    {
        QFETCH(QString, typed);
        makeLogbook(QStringLiteral("Portable"));
        const QByteArray before = ShellFixture::contents(f.path(QStringLiteral("Portable.rlog")));
        LogbookSelection selection(f.app->defaults(), f.app->log(), f.app->folder());
        QSignalSpy alerts(&selection, &LogbookSelection::alertRequested);
        selection.createLogbook(typed);
        QCOMPARE(alerts.size(), 1);
        QCOMPARE(alerts.at(0).at(0).toString(), QStringLiteral("This name was given before!"));
        QVERIFY(alerts.at(0).at(1).toString().startsWith(typed.left(4)));
        QCOMPARE(ShellFixture::contents(f.path(QStringLiteral("Portable.rlog"))), before);
        QCOMPARE(current(), QStringLiteral("DefaultLog.rlog"));
    }

    void namesThatAreNoFileNameAreRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("into the parent folder") << "../escaped";
        QTest::newRow("the parent folder") << "..";
        QTest::newRow("parent reached through a folder") << "sub/../../escaped";
        QTest::newRow("absolute path") << "/tmp/escaped";
        QTest::newRow("into a subfolder") << "sub/log";
        QTest::newRow("backslash") << "..\\escaped";
        QTest::newRow("blank") << "   ";
    }

    void namesThatAreNoFileNameAreRefused()
    {
        QFETCH(QString, typed);
        QVERIFY(QDir(f.dir->path()).mkpath(QStringLiteral("sub")));
        const QString parent = QFileInfo(f.dir->path()).absolutePath();
        // Other programs use that folder too, so only names of this test are looked at.
        const QStringList escaped{QStringLiteral("escaped*"), QStringLiteral("*.rlog")};
        const QStringList parentBefore = QDir(parent).entryList(escaped, QDir::Files);
        const QStringList before = files();
        LogbookSelection selection(f.app->defaults(), f.app->log(), f.app->folder());
        QSignalSpy alerts(&selection, &LogbookSelection::alertRequested);
        selection.createLogbook(typed);
        QCOMPARE(alerts.size(), 1);
        QCOMPARE(alerts.at(0).at(0).toString(), logbookfiles::logbookNameError(typed));
        QVERIFY(!alerts.at(0).at(0).toString().isEmpty());
        QCOMPARE(files(), before);
        QCOMPARE(QDir(f.path(QStringLiteral("sub"))).entryList(QDir::Files), QStringList());
        QCOMPARE(QDir(parent).entryList(escaped, QDir::Files), parentBefore);
        QCOMPARE(current(), QStringLiteral("DefaultLog.rlog"));
    }

    void newLogbookBecomesCurrentOnlyOnTheTablet_data()
    {
        QTest::addColumn<bool>("phone");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QStringList>("announced");
        QTest::newRow("tablet") << false << "Field day.rlog"
                                << QStringList{QStringLiteral("logbookSwitched")};
        QTest::newRow("phone") << true << "DefaultLog.rlog" << QStringList{};
    }

    void newLogbookBecomesCurrentOnlyOnTheTablet()
    {
        QFETCH(bool, phone);
        LogbookSelection selection(f.app->defaults(), f.app->log(), f.app->folder());
        selection.setChoiceOnLeave(phone);
        f.announced.clear();
        selection.createLogbook(QStringLiteral("Field day"));
        QTEST(current(), "current");
        QTEST(f.announced, "announced");
        QVERIFY(selection.logNames().contains(QStringLiteral("Field day.rlog")));
        QTEST(selection.selectedName(), "current");
    }

    void choosing_data()
    {
        QTest::addColumn<bool>("phone");
        QTest::addColumn<QString>("afterChoice");
        QTest::addColumn<QString>("afterLeaving");
        QTest::addColumn<int>("postsAfterChoice");
        QTest::newRow("tablet switches at once") << false << "Alpha.rlog"
                                                 << "Alpha.rlog" << 1;
        QTest::newRow("phone switches on leaving") << true << "DefaultLog.rlog"
                                                   << "Alpha.rlog" << 0;
    }

    void choosing()
    {
        QFETCH(bool, phone);
        QFETCH(int, postsAfterChoice);
        makeLogbook(QStringLiteral("Alpha"), QStringLiteral("DL1ABC"));
        LogbookSelection selection(f.app->defaults(), f.app->log(), f.app->folder());
        selection.setChoiceOnLeave(phone);
        QCOMPARE(selection.selectedName(), QStringLiteral("DefaultLog.rlog"));
        f.announced.clear();
        selection.choose(int(selection.logNames().indexOf(QStringLiteral("Alpha.rlog"))));
        QTEST(current(), "afterChoice");
        QCOMPARE(f.announced.size(), postsAfterChoice);
        selection.leave();
        QTEST(current(), "afterLeaving");
        QCOMPARE(f.announced, QStringList{QStringLiteral("logbookSwitched")});
        QCOMPARE(selection.myCallsign(), QStringLiteral("DL1ABC"));
        QCOMPARE(selection.myLocator(), QStringLiteral("JO62QM"));
        // Leaving again without a new choice changes nothing.
        selection.leave();
        QCOMPARE(f.announced.size(), 1);
    }

    void currentLogbookIsPreselected()
    {
        makeLogbook(QStringLiteral("Alpha"));
        makeLogbook(QStringLiteral("Zulu"));
        f.app->defaults().setValue(QStringLiteral("LogDbName"), QStringLiteral("Zulu.rlog"));
        LogbookSelection selection(f.app->defaults(), f.app->log(), f.app->folder());
        selection.setChoiceOnLeave(true);
        QCOMPARE(selection.logNames(), (QStringList{"Alpha.rlog", "DefaultLog.rlog", "Zulu.rlog"}));
        QCOMPARE(selection.selectedIndex(), 2);
    }

    void deleteButton_data()
    {
        QTest::addColumn<int>("extraLogbooks");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("one row: disabled") << 0 << false;
        QTest::newRow("two rows: enabled") << 1 << true;
    }

    void deleteButton()
    {
        QFETCH(int, extraLogbooks);
        QFETCH(bool, enabled);
        for (int i = 0; i < extraLogbooks; ++i)
            makeLogbook(QStringLiteral("Extra %1").arg(i));
        LogbookSelection selection(f.app->defaults(), f.app->log(), f.app->folder());
        QCOMPARE(selection.deleteEnabled(), enabled);
        QCOMPARE(selection.deleteButtonText(), QStringLiteral("Delete selected log file"));
        QCOMPARE(selection.deleteQuestion(), QStringLiteral("Do you want to delete this logbook?"));
        QCOMPARE(selection.deleteActionText(), QStringLiteral("Delete logbook"));
        // Even when asked, the last logbook stays.
        selection.deleteSelected();
        QCOMPARE(QFile::exists(f.path(QStringLiteral("DefaultLog.rlog"))), !enabled);
        QCOMPARE(selection.logNames().size(), 1);
    }

    void deletingSelectsTheFirstRow_data()
    {
        QTest::addColumn<bool>("phone");
        QTest::addColumn<QString>("deleted");
        QTest::addColumn<QString>("current");
        QTest::newRow("tablet deletes another") << false << "Zulu.rlog"
                                                << "Alpha.rlog";
        QTest::newRow("tablet deletes the current") << false << "DefaultLog.rlog"
                                                    << "Alpha.rlog";
        QTest::newRow("phone deletes another") << true << "Zulu.rlog"
                                               << "DefaultLog.rlog";
        QTest::newRow("phone deletes the current") << true << "DefaultLog.rlog"
                                                   << "Alpha.rlog";
    }

    void deletingSelectsTheFirstRow()
    {
        QFETCH(bool, phone);
        QFETCH(QString, deleted);
        makeLogbook(QStringLiteral("Alpha"));
        makeLogbook(QStringLiteral("Zulu"));
        LogbookSelection selection(f.app->defaults(), f.app->log(), f.app->folder());
        selection.setChoiceOnLeave(phone);
        selection.choose(int(selection.logNames().indexOf(deleted)));
        selection.deleteSelected();
        QVERIFY(!QFile::exists(f.path(deleted)));
        QVERIFY(!selection.logNames().contains(deleted));
        QCOMPARE(selection.selectedIndex(), 0);
        QTEST(current(), "current");
        selection.leave();
        QCOMPARE(current(), QStringLiteral("Alpha.rlog"));
    }

    void syncedLogIsEmptiedNotDeleted_data()
    {
        QTest::addColumn<bool>("phone");
        QTest::newRow("tablet") << false;
        QTest::newRow("phone") << true;
    }

    void syncedLogIsEmptiedNotDeleted()
    {
        QFETCH(bool, phone);
        const QString synced = QString::fromLatin1(logbookfiles::kSyncedLog);
        const QString copy = f.app->folder().filePath(logbookfiles::kSyncedCopy);
        QVERIFY(QDir().mkpath(QFileInfo(copy).path()));
        QVERIFY(f.app->folder().copyResourceIfMissing(logbookfiles::kEmptyLog,
                                                      logbookfiles::kSyncedCopy));
        LogModel pinned(f.app->defaults(), f.app->folder(), f.app->clock(), f.app->dxcc(), copy);
        QsoClass qso;
        qso.callsign = QStringLiteral("DL1ABC");
        qso.dateTime = QDateTime::fromString(QStringLiteral("2026-12-01T10:00:00Z"), Qt::ISODate);
        QVERIFY(pinned.saveNewQSOtoLog(qso));

        LogbookSelection selection(f.app->defaults(), f.app->log(), f.app->folder());
        selection.setChoiceOnLeave(phone);
        const QStringList names = selection.logNames();
        selection.choose(int(names.indexOf(synced)));
        QCOMPARE(selection.deleteButtonText(), QStringLiteral("Delete all QSOs in log"));
        QVERIFY(selection.deleteQuestion().contains(QLatin1String("every device")));
        selection.deleteSelected();
        QVERIFY(QFile::exists(copy));
        QVERIFY(pinned.getlastQSOs(4).isEmpty());
        QCOMPARE(selection.logNames(), names);
        QCOMPARE(current(), synced);
    }

    void promptsDifferByScreenSet()
    {
        LogbookSelection selection(f.app->defaults(), f.app->log(), f.app->folder());
        QCOMPARE(selection.newLogbookPrompt(), QStringLiteral("Name of new logbook:"));
        QSignalSpy changed(&selection, &LogbookSelection::choiceOnLeaveChanged);
        selection.setChoiceOnLeave(true);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(selection.newLogbookPrompt(), QStringLiteral("Enter logbook file name:"));
    }
};

QTEST_GUILESS_MAIN(TestLogbookSelection)
#include "tst_logbookselection.moc"
