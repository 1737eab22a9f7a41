// The log list as the screens see it: which QSOs, in which order, where it scrolls, how rows
// look, the marks, the row menu, deletion, export and the logbook model's signals it follows.

#include "LogFixture.h"

#include "entry/LogListModel.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QSignalSpy>

namespace {

using Marks = QList<int>;

QStringList callsigns(const LogListModel &list)
{
    QStringList calls;
    for (int row = 0; row < list.rowCount(); ++row)
        calls << list.data(list.index(row), LogListModel::CallsignRole).toString();
    return calls;
}

Marks marks(const LogListModel &list)
{
    Marks rows;
    for (int row = 0; row < list.rowCount(); ++row)
        if (list.data(list.index(row), LogListModel::MarkedRole).toBool())
            rows << row;
    return rows;
}

QStringList markedCalls(const LogListModel &list)
{
    QStringList calls;
    for (int row : marks(list))
        calls << list.qsoAt(row).callsign;
    calls.sort();
    return calls;
}

QStringList menuTexts(const LogListModel &list, int row)
{
    QStringList texts;
    for (const QVariant &entry : list.menuActions(row))
        texts << entry.toMap().value(QStringLiteral("text")).toString();
    return texts;
}

} // namespace

class TestLogList : public QObject {
    Q_OBJECT
    LogFixture f;

    std::unique_ptr<LogListModel> makeList(const QString &sortKey = QStringLiteral("QsoSortIndex"))
    {
        auto list = std::make_unique<LogListModel>(f.app->defaults(), f.app->clock(), f.app->log(),
                                                   sortKey);
        new QAbstractItemModelTester(
            list.get(), QAbstractItemModelTester::FailureReportingMode::QtTest, list.get());
        return list;
    }

    /** Ten QSOs A0…A9, one a day, oldest first. */
    void storeTen()
    {
        QList<QsoClass> qsos;
        for (int i = 0; i < 10; ++i)
            qsos << LogFixture::qso(
                QStringLiteral("A%1").arg(i),
                QStringLiteral("2025-06-%1 10:00:00").arg(i + 1, 2, 10, QLatin1Char('0')));
        f.store(qsos);
    }

private slots:
    void initTestCase() { LogFixture::initTestCase(); }
    void init() { f.setUp(); }
    void cleanup() { f.tearDown(); }

    void ordersAndScrollTargets_data()
    {
        QTest::addColumn<int>("order");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<int>("scrollTarget");
        // K1 newest on 40m SSB, DL2 on 20m FM, AA3 oldest on 80m CW.
        QTest::newRow("0 oldest first, newest at the bottom")
            << 0 << QStringList{"AA3", "DL2", "K1"} << 2;
        QTest::newRow("1 newest first, newest on top") << 1 << QStringList{"K1", "DL2", "AA3"} << 0;
        QTest::newRow("2 by frequency, no scrolling") << 2 << QStringList{"AA3", "K1", "DL2"} << -1;
        QTest::newRow("3 by mode, no scrolling") << 3 << QStringList{"AA3", "DL2", "K1"} << -1;
        QTest::newRow("4 by callsign, no scrolling") << 4 << QStringList{"AA3", "DL2", "K1"} << -1;
        QTest::newRow("empty list does not scroll") << 0 << QStringList{} << -1;
        QTest::newRow("unknown order keeps newest first")
            << 8 << QStringList{"K1", "DL2", "AA3"} << -1;
    }

    void ordersAndScrollTargets()
    {
        QFETCH(int, order);
        QFETCH(QStringList, calls);
        QFETCH(int, scrollTarget);
        if (!calls.isEmpty())
            f.store({LogFixture::qso("AA3", "2025-01-01 10:00:00", 3525.0, "CW"),
                     LogFixture::qso("K1", "2025-03-01 10:00:00", 7100.0, "SSB"),
                     LogFixture::qso("DL2", "2025-02-01 10:00:00", 14300.0, "FM")});
        f.app->defaults().setValue("QsoSortIndex", order);
        const auto list = makeList();
        QCOMPARE(callsigns(*list), calls);
        QCOMPARE(list->scrollTarget(), scrollTarget);
    }

    void placeKeptUnlessAQsoWasLogged()
    {
        storeTen();
        f.app->defaults().setValue("QsoSortIndex", 1); // newest first
        const auto list = makeList();
        QCOMPARE(list->scrollTarget(), 0); // first shown: the newest
        list->loadData();                  // an edit or a QSL mark: same rows
        QCOMPARE(list->scrollTarget(), -1);
        QCOMPARE(list->newestRow(), 0); // where a view shown for the first time starts
        f.store({LogFixture::qso("W1NEW", "2026-01-01 10:00:00")});
        // One more (the list heard it from the logbook model): the newest is shown.
        QCOMPARE(list->scrollTarget(), 0);
        list->setSortIndex(0); // another order starts at the newest again
        QCOMPARE(list->scrollTarget(), list->count() - 1);
    }

    void pagesReadInBackground()
    {
        storeTen();
        const auto list = makeList();
        list->setPagesInBackground(true);
        list->loadData();
        QCOMPARE(list->rowCount(), 10);
        QVERIFY(!list->data(list->index(9), LogListModel::CallsignRole).isValid());
        QTRY_COMPARE(list->data(list->index(9), LogListModel::CallsignRole).toString(), "A9");
        // What a row's actions need is there at once.
        list->loadData();
        QCOMPARE(list->qsoAt(3).callsign, "A3");
    }

    /** An editor starts from the whole QSO, not the row's columns: saved back, a row would drop
     *  the QSO's extra fields. */
    void editorsGetTheWholeQso()
    {
        QsoClass qso = LogFixture::qso("W1AW", "2026-01-01 10:00:00");
        qso.extraFields.set(u"my_sota_ref", "W1/HA-001");
        f.store({qso});
        const auto list = makeList();
        list->setPagesInBackground(true);
        list->loadData();
        QTRY_COMPARE(list->data(list->index(0), LogListModel::CallsignRole).toString(), "W1AW");
        QCOMPARE(list->storedQsoAt(0).extraFields.value(u"MY_SOTA_REF"), "W1/HA-001");
    }

    void largerScreensKeepTheirOwnOrder()
    {
        storeTen();
        f.app->defaults().setValue("QsoSortIndex", 0);
        f.app->defaults().setValue("LogSortIndes", 1);
        const auto list = makeList(QStringLiteral("LogSortIndes"));
        QCOMPARE(list->data(list->index(0), LogListModel::CallsignRole).toString(), "A9");
        list->setSortIndex(4);
        QCOMPARE(f.app->defaults().integer("LogSortIndes"), 4);
        QCOMPARE(f.app->defaults().integer("QsoSortIndex"), 0);
    }

    void ranges_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("rows");
        // 3000 QSOs: 1000 each in 2023, 2024 and 2025 (clock: June 2025).
        QTest::newRow("0 last 500") << 0 << 500;
        QTest::newRow("1 last 2500") << 1 << 2500;
        QTest::newRow("2 this year from its first second") << 2 << 1000;
        QTest::newRow("3 this and last year") << 3 << 2000;
        QTest::newRow("4 all, read page by page") << 4 << 3000;
        QTest::newRow("an unknown range behaves like 0") << 7 << 500;
    }

    void ranges()
    {
        QFETCH(int, range);
        QFETCH(int, rows);
        QList<QsoClass> qsos;
        for (int year = 2023; year <= 2025; ++year)
            for (int i = 0; i < 1000; ++i)
                qsos << LogFixture::qso(
                    QStringLiteral("C%1").arg(year * 10000 + i),
                    LogFixture::utc(QStringLiteral("%1-01-01 00:00:00").arg(year))
                        .addSecs(i * 60)
                        .toString("yyyy-MM-dd HH:mm:ss"));
        f.store(qsos);
        f.app->defaults().setValue("xQSOsIndex", range);
        f.app->defaults().setValue("QsoSortIndex", 0);
        const auto list = makeList();
        QCOMPARE(list->rowCount(), rows);
        // Oldest first across page boundaries, ending with the newest QSO.
        QString previous;
        for (int row = 0; row < list->rowCount(); ++row) {
            const QString when = list->qsoAt(row).sqlDateTime();
            QVERIFY2(when > previous, qPrintable(QStringLiteral("row %1").arg(row)));
            previous = when;
        }
        QCOMPARE(list->qsoAt(rows - 1).callsign, "C20250999");
    }

    void lastRangesTakeTheNewestBeforeSorting()
    {
        // Sorted by callsign, "last 500" still means the 500 newest QSOs.
        QList<QsoClass> qsos;
        for (int i = 0; i < 600; ++i)
            qsos << LogFixture::qso(QStringLiteral("K%1").arg(999 - i, 3, 10, QLatin1Char('0')),
                                    LogFixture::utc("2025-01-01 00:00:00")
                                        .addSecs(i * 60)
                                        .toString("yyyy-MM-dd HH:mm:ss"));
        f.store(qsos);
        f.app->defaults().setValue("QsoSortIndex", 4);
        const auto list = makeList();
        QCOMPARE(list->rowCount(), 500);
        QCOMPARE(list->qsoAt(0).callsign, "K400");
        QCOMPARE(list->qsoAt(499).callsign, "K899");
    }

    void rowLooks_data()
    {
        QTest::addColumn<qint64>("colorCode");
        QTest::addColumn<int>("adif");
        QTest::addColumn<QString>("tint");
        QTest::addColumn<bool>("purple");
        QTest::newRow("code 0 no tint") << qint64(0) << 230 << "#00000000" << false;
        QTest::newRow("code 1 brown") << qint64(1) << 230 << "#33996633" << false;
        QTest::newRow("code 9 red") << qint64(9) << 230 << "#33ff0000" << false;
        QTest::newRow("negative entity written in purple")
            << qint64(0) << -230 << "#00000000" << true;
        QTest::newRow("unknown entity is not purple") << qint64(0) << 0 << "#00000000" << false;
    }

    void rowLooks()
    {
        QFETCH(qint64, colorCode);
        QFETCH(int, adif);
        QFETCH(QString, tint);
        QFETCH(bool, purple);
        QsoClass q = LogFixture::qso("DL1ABC", "2025-06-01 10:00:00");
        q.colorCode = colorCode;
        q.setStoredAdif(adif);
        f.store({q});
        const auto list = makeList();
        QCOMPARE(list->data(list->index(0), LogListModel::TintRole).toString(), tint);
        QCOMPARE(list->data(list->index(0), LogListModel::InvalidOperationRole).toBool(), purple);
        QCOMPARE(list->data(list->index(0), LogListModel::FrequencyRole).toString(), "14,025.0");
        QCOMPARE(list->data(list->index(0), LogListModel::PrefixRole).toString(), "DL");
    }

    void markingDown_data()
    {
        QTest::addColumn<Marks>("before");
        QTest::addColumn<int>("from");
        QTest::addColumn<Marks>("after");
        QTest::newRow("stops at the first marked row") << Marks{5, 9} << 2 << Marks{2, 3, 4, 5, 9};
        QTest::newRow("runs to the end") << Marks{5} << 7 << Marks{5, 7, 8, 9};
        QTest::newRow("from a marked row adds nothing") << Marks{5} << 5 << Marks{5};
    }

    void markingDown()
    {
        QFETCH(Marks, before);
        QFETCH(int, from);
        QFETCH(Marks, after);
        storeTen();
        const auto list = makeList();
        for (int row : before)
            list->markQso(row);
        list->markAllQsos(from);
        QCOMPARE(marks(*list), after);
    }

    void markingDownFollowsTheListsOrder_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("order");
        QTest::addColumn<Marks>("before");
        QTest::addColumn<int>("from");
        for (int order = 0; order <= 5; ++order) {
            const QByteArray name = QByteArray::number(order);
            QTest::newRow("this year, order " + name) << 2 << order << Marks{5} << 1;
            QTest::newRow("last 500, order " + name) << 0 << order << Marks{} << 2;
            QTest::newRow("all, order " + name) << 4 << order << Marks{0, 9} << 3;
        }
    }

    void markingDownFollowsTheListsOrder()
    {
        QFETCH(int, range);
        QFETCH(int, order);
        QFETCH(Marks, before);
        QFETCH(int, from);
        // Equal frequencies, modes, callsigns and times, and last year's QSOs outside "this
        // year": the marks must follow the rows exactly as the list shows them.
        const struct {
            const char *call;
            const char *when;
            double kHz;
            const char *mode;
        } qsos[] = {{"K1A", "2024-03-01 10:00:00", 7010, "CW"},
                    {"DL2B", "2025-02-01 10:00:00", 14025, "SSB"},
                    {"K1A", "2025-02-01 10:00:00", 14025, "CW"},
                    {"G3C", "2025-04-01 10:00:00", 3550, "FT8"},
                    {"DL2B", "2024-11-01 10:00:00", 14025, "CW"},
                    {"F4D", "2025-05-01 10:00:00", 21025, "SSB"},
                    {"K1A", "2025-06-01 10:00:00", 7010, "FT8"},
                    {"EA5E", "2025-06-01 10:00:00", 14025, "CW"},
                    {"G3C", "2025-07-01 10:00:00", 10110, "CW"},
                    {"ON6F", "2025-08-01 10:00:00", 7010, "SSB"},
                    {"DL2B", "2025-09-01 10:00:00", 28025, "CW"},
                    {"I1G", "2025-10-01 10:00:00", 14025, "FT8"}};
        QList<QsoClass> stored;
        for (const auto &q : qsos)
            stored << LogFixture::qso(q.call, q.when, q.kHz, q.mode);
        f.store(stored);
        f.app->clock().setFixed(QDateTime(QDate(2025, 12, 1), QTime(12, 0), Qt::UTC));
        f.app->defaults().setValue("xQSOsIndex", range);
        f.app->defaults().setValue("QsoSortIndex", order);
        const auto list = makeList();
        QVERIFY(from < list->rowCount());
        // Row by row as the list shows them, down to the first marked row.
        QSet<int> expected(before.begin(), before.end());
        for (int row = from; row < list->rowCount() && !before.contains(row); ++row)
            expected.insert(row);
        for (int row : before)
            list->markQso(row);
        list->markAllQsos(from);
        Marks sorted(expected.begin(), expected.end());
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(marks(*list), sorted);
        QCOMPARE(list->markedCount(), sorted.size());
    }

    void marksAndExportButton()
    {
        storeTen();
        const auto list = makeList();
        QSignalSpy changed(list.get(), &LogListModel::marksChanged);
        QVERIFY(!list->exportEnabled());
        list->markQso(3);
        QVERIFY(list->exportEnabled());
        list->markQso(3);
        QVERIFY(!list->exportEnabled());
        list->markQso(1);
        list->markQso(4);
        list->trigger(4, "clearMarks");
        QCOMPARE(marks(*list), Marks{});
        QVERIFY(!list->exportEnabled());
        QCOMPARE(changed.count(), 5);

        // A rebuild when the screen appears keeps the marks, another logbook drops them.
        list->markQso(2);
        list->loadData();
        QCOMPARE(marks(*list), Marks{2});
        f.app->log().selectLogbook(f.app->log().logDbName());
        QCOMPARE(marks(*list), Marks{});
        QVERIFY(!list->exportEnabled());
    }

    void menu()
    {
        storeTen();
        const auto list = makeList();
        const QStringList lookups = {"HamQTH", "QRZ"};
        QCOMPARE(menuTexts(*list, 2),
                 QStringList({"Show Info", "Show QSO", "Edit QSO", "Delete QSO", "Select QSO",
                              "Select QSO and all further down"}) +
                     lookups);
        list->markQso(2);
        QCOMPARE(menuTexts(*list, 2),
                 QStringList({"Show Info", "Show QSO", "Edit QSO", "Delete QSO", "Deselect QSO",
                              "Select QSO and all further down", "Deselect all QSO"}) +
                     lookups);
        QVERIFY(list->menuActions(2).at(3).toMap().value("destructive").toBool());

        QSignalSpy opened(list.get(), &LogListModel::qsoRequested);
        QSignalSpy lookup(list.get(), &LogListModel::lookupRequested);
        list->trigger(2, "editQso");
        list->trigger(2, "showQso");
        QCOMPARE(opened.at(0), QVariantList({2, true}));
        QCOMPARE(opened.at(1), QVariantList({2, false}));
        list->trigger(0, "lookupQrz");
        QCOMPARE(lookup.at(0), QVariantList({"A0", "QRZ"}));
    }

    void deleting()
    {
        storeTen();
        const auto list = makeList();
        list->markQso(2);
        list->markQso(6);
        list->deleteQso(4);
        QCOMPARE(list->rowCount(), 9);
        QCOMPARE(f.column("callsign").contains("A4"), false);
        QCOMPARE(list->qsoAt(4).callsign, "A5");
        // Marks stay on their QSOs.
        QCOMPARE(marks(*list), Marks({2, 5}));
        QCOMPARE(list->qsoAt(5).callsign, "A6");
    }

    /** Newest first, a QSO logged while rows are marked moves every row down; the marks stay
     *  on the QSOs the user chose, through reloads and another order, and are what is exported. */
    void marksFollowTheirQsos()
    {
        storeTen();
        const auto list = makeList();
        list->setSortIndex(LogListQuery::DateDescending);
        list->markQso(1);
        list->markQso(4);
        list->markQso(7);
        QCOMPARE(markedCalls(*list), QStringList({"A2", "A5", "A8"}));

        LogModel &log = f.app->log();
        QsoClass newest = LogFixture::qso("B1", "2025-06-20 10:00:00");
        QVERIFY(log.saveNewQSOtoLog(newest));
        list->loadData();
        QCOMPARE(list->qsoAt(0).callsign, "B1");
        QCOMPARE(marks(*list), Marks({2, 5, 8}));
        list->setSortIndex(LogListQuery::DateAscending);
        QCOMPARE(markedCalls(*list), QStringList({"A2", "A5", "A8"}));
        QCOMPARE(list->markedCount(), 3);

        list->setExportFolder(f.dir->path());
        QSignalSpy ready(list.get(), &LogListModel::exportReady);
        list->exportMarked();
        QCOMPARE(ready.count(), 1);
        QFile file(ready.at(0).at(0).toUrl().toLocalFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QCOMPARE(text.count("<eor>"), 3);
        QVERIFY(text.indexOf("<call:2>A2") < text.indexOf("<call:2>A5"));
        QVERIFY(text.indexOf("<call:2>A5") < text.indexOf("<call:2>A8"));
    }

    /** SQLite gives a new QSO the id of the newest one deleted before: a mark of a QSO deleted
     *  elsewhere must not come back on it. */
    void marksOfQsosDeletedElsewhereGo()
    {
        storeTen();
        const auto list = makeList();
        list->markQso(9);
        LogModel &log = f.app->log();
        const QsoClass newest = list->qsoAt(9);
        QVERIFY(log.deleteQSO(newest));
        list->loadData();
        QCOMPARE(list->markedCount(), 0);
        QsoClass next = LogFixture::qso("B1", "2025-06-20 10:00:00");
        QCOMPARE(log.saveNewQSOtoLog(next).rowid, *newest.id);
        list->loadData();
        QCOMPARE(marks(*list), Marks{});
    }

    void refusedDeleteKeepsTheRow()
    {
        storeTen();
        const auto list = makeList();
        list->markQso(4);
        QVERIFY(f.makeReadOnly());
        QSignalSpy alert(list.get(), &LogListModel::alertRequested);
        list->deleteQso(4);
        QCOMPARE(list->rowCount(), 10);
        QCOMPARE(list->qsoAt(4).callsign, "A4");
        QCOMPARE(marks(*list), Marks{4});
        QCOMPARE(f.column("callsign").size(), 10);
        QCOMPARE(alert.count(), 1);
        QCOMPARE(alert.at(0).at(1).toString(),
                 "The logbook could not delete the QSO: attempt to write a readonly database");
    }

    void exportOfMarkedQsos()
    {
        storeTen();
        const auto list = makeList();
        list->setExportFolder(f.dir->path());
        QSignalSpy ready(list.get(), &LogListModel::exportReady);
        list->exportMarked();
        QCOMPARE(ready.count(), 0); // nothing marked, nothing written

        list->markQso(7);
        list->markQso(1);
        QSignalSpy failed(list.get(), &LogListModel::alertRequested);
        list->setExportFolder(f.dir->filePath("missing/folder"));
        list->exportMarked();
        QCOMPARE(ready.count(), 0);
        QCOMPARE(failed.count(), 1);
        QVERIFY(list->exportEnabled()); // the marks are kept for another try

        list->setExportFolder(f.dir->path());
        list->exportMarked();
        QCOMPARE(ready.count(), 1);
        QCOMPARE(ready.at(0).at(1).toString(), "2025-06-15.adif");
        QVERIFY(!list->exportEnabled());
        QFile file(ready.at(0).at(0).toUrl().toLocalFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QCOMPARE(text.count("<eor>"), 2);

        QSignalSpy alert(list.get(), &LogListModel::alertRequested);
        const QString target = f.dir->filePath("mine.adi");
        list->saveExport(QUrl::fromLocalFile(target));
        QCOMPARE(alert.at(0), QVariantList({"Brindlewick", "Successfully uploaded file mine.adi"}));
        QVERIFY(QFile::exists(target));
    }

    void noticeAfterUpdate()
    {
        {
            const auto list = makeList();
            QVERIFY(list->noticeDue());
            list->noticeShown(false);
            QVERIFY(!list->noticeDue());
        }
        {
            const auto list = makeList();
            QVERIFY(list->noticeDue());
            list->noticeShown(true);
        }
        QVERIFY(!makeList()->noticeDue());
        QVERIFY(f.app->defaults().boolean("Alert_5_0_0"));
    }

    void newLogbookIsListed()
    {
        storeTen();
        const auto list = makeList();
        QCOMPARE(list->rowCount(), 10);
        QVERIFY(f.app->folder().copyResourceIfMissing("EmptyLog.rlog", "Other.rlog"));
        f.app->defaults().setValue("LogDbName", "Other.rlog");
        QCOMPARE(list->rowCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestLogList)
#include "tst_loglist.moc"
