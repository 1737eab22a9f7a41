// Start-up, files handed to the application, home-screen shortcuts and the window's activity.

#include "ShellFixture.h"
#include "cluster/ClusterScreen.h"
#include "model/LogModel.h"
#include "model/LogbookChoice.h"
#include "root/Startup.h"
#include "scanner/ScannerScreen.h"
#include "shell/AppShell.h"
#include "shell/LaunchOptions.h"
#include "shell/ScreenNames.h"

#include <QSignalSpy>
#include <QVideoSink>

class TestLaunch : public QObject {
    Q_OBJECT

    ShellFixture f;

    void makeLogbook(const QString &name)
    {
        QCOMPARE(logbookchoice::createLogbook(f.app->folder(), name),
                 logbookchoice::CreateResult::Created);
    }

    [[nodiscard]] QString logDbName() const
    {
        return f.app->defaults().string(QStringLiteral("LogDbName"));
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { f.setUp(); }
    void cleanup() { f.tearDown(); }

    void freshDataFolderOpensTheDefaultLogbook()
    {
        AppShell shell(*f.app, AppShell::Layout::Tablet);
        QCOMPARE(shell.logbookName(), QStringLiteral("DefaultLog.rlog"));
        QVERIFY(QFile::exists(f.path(QStringLiteral("DefaultLog.rlog"))));
        QCOMPARE(shell.logbooks()->logNames(), QStringList{QStringLiteral("DefaultLog.rlog")});
        QCOMPARE(shell.logbooks()->selectedIndex(), 0);
    }

    void eachScreenSetGetsItsBehaviour_data()
    {
        QTest::addColumn<bool>("phone");
        QTest::newRow("phone") << true;
        QTest::newRow("tablet") << false;
    }

    void eachScreenSetGetsItsBehaviour()
    {
        QFETCH(bool, phone);
        AppShell shell(*f.app, phone ? AppShell::Layout::Phone : AppShell::Layout::Tablet);
        QCOMPARE(shell.layout(), phone ? AppShell::Layout::Phone : AppShell::Layout::Tablet);
        QCOMPARE(shell.entryForm()->use(),
                 phone ? QsoEntryForm::Use::Page : QsoEntryForm::Use::Panel);
        QCOMPARE(shell.logbooks()->choiceOnLeave(), phone);

        // A station taken from the lookup reaches the form and brings the log tab up.
        QSignalSpy front(shell.entryForm(), &QsoEntryForm::frontRequested);
        shell.setCurrentTab(AppShell::ClusterTab);
        QsoClass record;
        record.callsign = QStringLiteral("DL1ABC");
        emit shell.lookup()->stationTaken(record);
        QCOMPARE(front.size(), 1);
        QCOMPARE(shell.entryForm()->field(QStringLiteral("callsign")), QStringLiteral("DL1ABC"));
        QCOMPARE(shell.currentTab(), int(AppShell::LogTab));

        // The scanner page open when the application goes to the background: the phone's
        // settings stack goes back to its menu, the larger screens keep the page.
        QVideoSink preview;
        shell.scanner()->setVideoSink(&preview);
        QSignalSpy roots(&shell, &AppShell::rootRequested);
        f.app->applicationDidEnterBackground();
        QCOMPARE(roots.size(), phone ? 1 : 0);
        if (phone)
            QCOMPARE(roots.at(0).at(0).toInt(), int(AppShell::SettingsTab));
        shell.scanner()->setVideoSink(nullptr);
    }

    void screenshotNamesStayAsScriptsKnowThem_data()
    {
        QTest::addColumn<bool>("phone");
        QTest::newRow("phone") << true;
        QTest::newRow("tablet") << false;
    }

    void screenshotNamesStayAsScriptsKnowThem()
    {
        QFETCH(bool, phone);
        AppShell shell(*f.app, phone ? AppShell::Layout::Phone : AppShell::Layout::Tablet);
        QStringList names;
        for (const screens::Screen screen : shell.screenshotScreens()) {
            names << screens::name(screen);
            QCOMPARE(screens::fromName(names.last()), std::optional(screen));
            QVERIFY2(shell.showScreen(screen), qPrintable(names.last()));
        }
        // The pictures' file names, as the screenshot tool and the README use them.
        QStringList expected = {"log",
                                "cluster",
                                "map",
                                "dxcc",
                                "qsl",
                                "settings",
                                "settings-logbooks",
                                "settings-station",
                                "settings-userfields",
                                "settings-datestyle",
                                "settings-bands",
                                "settings-memberlists",
                                "settings-countryfile",
                                "settings-adifimport",
                                "settings-cluster",
                                "settings-lookupaccounts",
                                "settings-transceiver",
                                "settings-wsjtx",
                                "settings-sync",
                                "settings-language",
                                "settings-scanner",
                                "adif-import",
                                "new-qso",
                                "cluster-spots",
                                "dxcc-list",
                                "qsl-clublog",
                                "qsl-services",
                                "qso-detail",
                                "station-profiles",
                                "station-activation"};
        if (phone)
            expected << "pile-up";
        expected << "lookup"
                 << "trx-elecraft"
                 << "contest"
                 << "awards"
                 << "statistics";
        QCOMPARE(names, expected);
        QVERIFY(!screens::fromName(u"settings-nothing"));
        QVERIFY(screens::name(screens::Screen::EditQso).isEmpty());
    }

    void cache60mIsEmptyAfterEverySwitch_data()
    {
        QTest::addColumn<bool>("phone");
        QTest::addColumn<QString>("action");
        QTest::newRow("tablet chooses a row") << false << "choose";
        QTest::newRow("phone leaves after choosing") << true << "choose";
        QTest::newRow("tablet makes a new logbook") << false << "create";
        QTest::newRow("the current logbook is deleted") << false << "delete";
        QTest::newRow("phone leaves after an import") << true << "import";
    }

    void cache60mIsEmptyAfterEverySwitch()
    {
        QFETCH(bool, phone);
        QFETCH(QString, action);
        makeLogbook(QStringLiteral("Alpha"));
        AppShell shell(*f.app, phone ? AppShell::Layout::Phone : AppShell::Layout::Tablet);
        LogbookSelection &selection = *shell.logbooks();
        selection.choose(int(selection.logNames().indexOf(QStringLiteral("DefaultLog.rlog"))));
        selection.leave();
        f.app->log().info60m().fill(QStringLiteral("C/P"));
        if (action == QLatin1String("choose")) {
            selection.choose(int(selection.logNames().indexOf(QStringLiteral("Alpha.rlog"))));
        } else if (action == QLatin1String("create")) {
            selection.createLogbook(QStringLiteral("Beta"));
        } else if (action == QLatin1String("delete")) {
            selection.deleteSelected();
        } else {
            QTemporaryDir elsewhere;
            const QString source = elsewhere.filePath(QStringLiteral("Gamma.rlog"));
            QVERIFY(QFile::copy(f.path(QStringLiteral("Alpha.rlog")), source));
            shell.openFile(source);
        }
        selection.leave();
        QCOMPARE(f.app->log().info60m().size(), LogModel::k60mCacheSize);
        QCOMPARE(f.app->log().info60m().count(QString()), LogModel::k60mCacheSize);
    }

    void modesListIsReplacedByTheShippedOne()
    {
        const QString target = f.path(QStringLiteral("Modes&Submodes.txt"));
        QVERIFY(ShellFixture::write(target, "EDITED,BY,HAND\n"));
        QTemporaryDir shippedDir;
        const QString shipped = shippedDir.filePath(QStringLiteral("modes.txt"));
        QVERIFY(ShellFixture::write(shipped, "CW,PCW\nSSB,LSB,USB\n"));
        startup::refreshModesList(f.app->folder(), shipped);
        QCOMPARE(ShellFixture::contents(target), QByteArray("CW,PCW\nSSB,LSB,USB\n"));
        // The shipped list goes in on every start; the next one may be edited again.
        QVERIFY(QFileInfo(target).isWritable());
    }

    void missingShippedModesListIsReported()
    {
        QTest::ignoreMessage(QtInfoMsg, "Can't coppy Modes&Submodes.txt");
        startup::refreshModesList(f.app->folder(), f.path(QStringLiteral("no-such-file.txt")));
        QVERIFY(!QFile::exists(f.path(QStringLiteral("Modes&Submodes.txt"))));
    }

    void launchMakesTheModesListAndClearsTheClusterFlag()
    {
        f.app->connectToCluster = true;
        startup::didFinishLaunching(*f.app);
        QVERIFY(!f.app->connectToCluster);
        QVERIFY(QFileInfo(f.path(QStringLiteral("Modes&Submodes.txt"))).size() > 0);
    }

    void handedFiles_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("Log.ADIF is ADIF") << "Log.ADIF"
                                          << "adif";
        QTest::newRow(".Adif mixed case") << "field.Adif"
                                          << "adif";
        QTest::newRow(".RLOG") << "Archive.RLOG"
                               << "rlog";
        QTest::newRow("other extension") << "notes.txt"
                                         << "none";
        QTest::newRow("no extension") << "adif"
                                      << "none";
    }

    void handedFiles()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, outcome);
        QTemporaryDir elsewhere;
        const QString source = elsewhere.filePath(fileName);
        if (outcome == QLatin1String("rlog")) {
            QVERIFY(QFile::copy(QStringLiteral(":/EmptyLog.rlog"), source));
        } else {
            QVERIFY(ShellFixture::write(
                source, "header<eoh><call:5>K1ABC<qso_date:8>20240501<time_on:4>1200"
                        "<band:3>20m<mode:2>CW<eor>"));
        }
        AppShell shell(*f.app, AppShell::Layout::Phone);
        shell.setCurrentTab(AppShell::SettingsTab);
        QSignalSpy requested(&shell, &AppShell::screenRequested);
        shell.openFile(QUrl::fromLocalFile(source).toString());

        if (outcome == QLatin1String("adif")) {
            QCOMPARE(shell.currentTab(), int(AppShell::LogTab));
            QCOMPARE(requested.size(), 1);
            QCOMPARE(requested.at(0).at(1).value<screens::Screen>(), screens::Screen::AdifImport);
            QCOMPARE(shell.adifImport()->status(),
                     QStringLiteral("Probably number of found QSOs: 1"));
            QVERIFY(shell.adifImport()->importEnabled());
        } else if (outcome == QLatin1String("rlog")) {
            QVERIFY(QFile::exists(f.path(fileName)));
            QVERIFY(QFile::exists(source));
            QVERIFY(shell.logbooks()->logNames().contains(fileName));
            // Imported, not chosen.
            QCOMPARE(logDbName(), QStringLiteral("DefaultLog.rlog"));
            QCOMPARE(shell.currentTab(), int(AppShell::LogTab));
            QCOMPARE(requested.size(), 1);
            QCOMPARE(requested.at(0).at(1).value<screens::Screen>(), screens::Screen::Logbooks);
        } else {
            QCOMPARE(shell.currentTab(), int(AppShell::SettingsTab));
            QCOMPARE(requested.size(), 0);
            QVERIFY(!QFile::exists(f.path(fileName)));
        }
    }

    void unreadableAdifFileIsReported()
    {
        AppShell shell(*f.app, AppShell::Layout::Tablet);
        QTest::ignoreMessage(QtInfoMsg,
                             QRegularExpression(QStringLiteral("^Error loading ADIF file: ")));
        shell.openFile(f.path(QStringLiteral("missing.adi")));
        QCOMPARE(shell.adifImport()->status(), QString());
        QCOMPARE(shell.currentTab(), int(AppShell::LogTab));
    }

    void existingLogbookNameAsks_data()
    {
        QTest::addColumn<bool>("overwrite");
        QTest::newRow("Cancel leaves both files") << false;
        QTest::newRow("Overwrite logbook replaces the existing one") << true;
    }

    void existingLogbookNameAsks()
    {
        QFETCH(bool, overwrite);
        QVERIFY(ShellFixture::write(f.path(QStringLiteral("Club.rlog")), "existing logbook"));
        QTemporaryDir elsewhere;
        const QString source = elsewhere.filePath(QStringLiteral("Club.rlog"));
        QVERIFY(ShellFixture::write(source, "handed logbook"));

        AppShell shell(*f.app, AppShell::Layout::Tablet);
        LogbookFileImport &import = *shell.logbookImport();
        QSignalSpy imported(&import, &LogbookFileImport::imported);
        shell.openFile(source);
        QVERIFY(import.questionPending());
        QCOMPARE(import.pendingName(), QStringLiteral("Club.rlog"));
        QCOMPARE(ShellFixture::contents(f.path(QStringLiteral("Club.rlog"))),
                 QByteArray("existing logbook"));

        if (overwrite)
            import.overwrite();
        else
            import.cancel();
        QVERIFY(!import.questionPending());
        QCOMPARE(ShellFixture::contents(f.path(QStringLiteral("Club.rlog"))),
                 overwrite ? QByteArray("handed logbook") : QByteArray("existing logbook"));
        QCOMPARE(ShellFixture::contents(source), QByteArray("handed logbook"));
        QCOMPARE(imported.size(), overwrite ? 1 : 0);
        QCOMPARE(logDbName(), QStringLiteral("DefaultLog.rlog"));
    }

    void importingTheCurrentFileOntoItselfKeepsIt()
    {
        AppShell shell(*f.app, AppShell::Layout::Tablet);
        const QString current = f.path(QStringLiteral("DefaultLog.rlog"));
        const QByteArray before = ShellFixture::contents(current);
        shell.logbookImport()->importFile(current);
        shell.logbookImport()->overwrite();
        QCOMPARE(ShellFixture::contents(current), before);
    }

    void shortcuts_data()
    {
        QTest::addColumn<bool>("phone");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("connects");
        QTest::addColumn<bool>("newQso"); // the new-QSO page is opened
        QTest::newRow("tablet DX_Cluster") << false << "DX_Cluster" << 1 << true << false;
        QTest::newRow("tablet QSLs") << false << "QSLs" << 5 << false << false;
        QTest::newRow("phone DX_Cluster") << true << "DX_Cluster" << 1 << true << false;
        QTest::newRow("phone New_Qso") << true << "New_Qso" << 0 << false << true;
        QTest::newRow("phone QSLs") << true << "QSLs" << 4 << false << false;
        QTest::newRow("unknown") << true << "Logbook" << 5 << false << false;
    }

    void shortcuts()
    {
        QFETCH(bool, phone);
        QFETCH(QString, shortcut);
        QFETCH(int, tab);
        QFETCH(bool, connects);
        QFETCH(bool, newQso);
        // The cluster connects on the shortcut: to a closed port here, never the real node.
        f.app->defaults().setValue(QStringLiteral("DX-Clusters"),
                                   QVariantList{QVariantList{"Local", "127.0.0.1", 1}});
        AppShell shell(*f.app, phone ? AppShell::Layout::Phone : AppShell::Layout::Tablet);
        shell.setCurrentTab(AppShell::SettingsTab);
        QSignalSpy roots(&shell, &AppShell::rootRequested);
        QSignalSpy screens(&shell, &AppShell::screenRequested);
        shell.performShortcut(shortcut);
        QCOMPARE(shell.currentTab(), tab);
        QCOMPARE(shell.cluster()->busy() || shell.cluster()->connected(), connects);
        QCOMPARE(!screens.isEmpty() &&
                     screens.last().at(1).value<screens::Screen>() == screens::Screen::NewQso,
                 newQso);
        // The phone's New_Qso starts from the log's first screen.
        QCOMPARE(roots.size(), phone && shortcut == QLatin1String("New_Qso") ? 1 : 0);
    }

    void leavingTheForegroundLetsTheCameraGo()
    {
        AppShell shell(*f.app, AppShell::Layout::Tablet);
        QSignalSpy background(f.app.get(), &AppDelegate::wentToBackground);
        shell.setWindowActive(true);
        QCOMPARE(background.size(), 0);
        shell.setWindowActive(false);
        shell.windowHidden();
        QCOMPARE(background.size(), 2);
    }

    void launchOptions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<QString>("screenshots");
        QTest::addColumn<QStringList>("files");
        const int automatic = int(LaunchOptions::Layout::Automatic);
        const int phone = int(LaunchOptions::Layout::Phone);
        const int tablet = int(LaunchOptions::Layout::Tablet);
        QTest::newRow("nothing") << QStringList{} << true << automatic << ""
                                 << "" << QStringList{};
        QTest::newRow("phone layout, shortcut")
            << QStringList{"--layout", "phone", "--shortcut", "DX_Cluster"} << true << phone
            << "DX_Cluster"
            << "" << QStringList{};
        QTest::newRow("screenshots with data folder")
            << QStringList{"--screenshot", "/tmp/s", "--layout=tablet", "--data-dir", "/tmp/d"}
            << true << tablet << ""
            << "/tmp/s" << QStringList{};
        QTest::newRow("files") << QStringList{"a.adi", "b.rlog"} << true << automatic << ""
                               << "" << QStringList{"a.adi", "b.rlog"};
        QTest::newRow("unknown layout") << QStringList{"--layout", "watch"} << false << 0 << ""
                                        << "" << QStringList{};
        QTest::newRow("unknown shortcut") << QStringList{"--shortcut", "Map"} << false << 0 << ""
                                          << "" << QStringList{};
    }

    void launchOptions()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, valid);
        arguments.prepend(QStringLiteral("brindlewick"));
        QString error;
        const auto options = LaunchOptions::parse(arguments, &error);
        QCOMPARE(options.has_value(), valid);
        QCOMPARE(error.isEmpty(), valid);
        if (!valid)
            return;
        QTEST(int(options->layout), "layout");
        QTEST(options->shortcut, "shortcut");
        QTEST(options->screenshotDir, "screenshots");
        QTEST(options->files, "files");
    }
};

QTEST_GUILESS_MAIN(TestLaunch)
#include "tst_launch.moc"
