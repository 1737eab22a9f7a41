// The DXCC tab's view-models on a small logbook: counter texts and QSL modes, the DX list's
// filters and sections, and when they are worked out again.

#include "../entry/LogFixture.h"
#include "dxcc/DxListRows.h"
#include "dxcc/DxccScreen.h"
#include "shell/AppShell.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using dxcc::DxccCounterModel;
using dxcc::DxListModel;

namespace {

QsoClass contact(int adif, const char *prefix, const char *band, const char *mode, const char *qsl,
                 const char *lotw)
{
    QsoClass q = LogFixture::qso(QStringLiteral("X1X"), QStringLiteral("2024-05-01 12:00:00"));
    q.adif = adif;
    q.dxcc = QString::fromLatin1(prefix);
    q.band = QString::fromLatin1(band);
    q.mode = QString::fromLatin1(mode);
    q.qsl = QString::fromLatin1(qsl);
    q.lotwqsl = QString::fromLatin1(lotw);
    return q;
}

/** A counter row as "worked/confirmed" pairs: total, CW, Digi, Phone. */
QString rowText(const DxccCounterModel &rows, const QString &band)
{
    for (int row = 0; row < rows.rowCount(); ++row) {
        const QModelIndex index = rows.index(row);
        if (index.data(DxccCounterModel::BandRole).toString() != band)
            continue;
        QStringList pairs;
        for (int role = DxccCounterModel::WorkedRole; role <= DxccCounterModel::PhoneConfirmedRole;
             role += 2)
            pairs << QStringLiteral("%1/%2")
                         .arg(index.data(role).toInt())
                         .arg(index.data(role + 1).toInt());
        return pairs.join(u' ');
    }
    return QStringLiteral("<no row %1>").arg(band);
}

QString summariesText(const dxcc::DxccCounter &counter)
{
    QStringList pairs;
    for (const QVariant &entry : counter.summaries()) {
        const QVariantMap map = entry.toMap();
        pairs << map.value(QStringLiteral("workedText")).toString() + u' ' +
                     map.value(QStringLiteral("confirmedText")).toString();
    }
    return pairs.join(QStringLiteral(", "));
}

QStringList column(const DxListModel &rows, int role)
{
    QStringList values;
    for (int row = 0; row < rows.rowCount(); ++row)
        values << rows.index(row).data(role).toString();
    return values;
}

} // namespace

class DxccScreensTest : public QObject {
    Q_OBJECT

    LogFixture f;

    /** DL confirmed on paper (20m CW), K through LoTW (40m SSB) and worked on 60m (FT8), JA both
     *  ways (20m FT8), and the deleted entity A1 worked (20m CW). */
    void storeLog()
    {
        LogModel &log = f.app->log();
        for (QsoClass q :
             {contact(230, "DL", "20m", "CW", "R", ""), contact(291, "K", "40m", "SSB", "", "X"),
              contact(291, "K", "60m", "FT8", "", ""), contact(339, "JA", "20m", "FT8", "R", "X"),
              contact(2, "A1", "20m", "CW", "", "")})
            QVERIFY(log.saveNewQSOtoLog(q));
    }

private slots:
    void initTestCase() { LogFixture::initTestCase(); }
    void init() { f.setUp(); }
    void cleanup() { f.tearDown(); }

    void counterFollowsQslModeAndDeletedEntities_data()
    {
        QTest::addColumn<int>("qslMode");
        QTest::addColumn<bool>("withDeleted");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("band20m");
        QTest::addColumn<QString>("band60m");
        QTest::addColumn<QString>("summaries");

        // 60m counts on its row and in the totals, never in the summaries.
        QTest::newRow("any confirmation") << 0 << false << "3/3 1/1 2/1 1/1"
                                          << "2/2 1/1 1/1 0/0"
                                          << "1/0 0/0 1/0 0/0"
                                          << "3 wkd 3 cfd, 3 wkd 3 cfd, 3 wkd 3 cfd";
        QTest::newRow("paper: the LoTW-only entity is only worked")
            << 1 << false << "3/2 1/1 2/1 1/0"
            << "2/2 1/1 1/1 0/0"
            << "1/0 0/0 1/0 0/0"
            << "3 wkd 2 cfd, 3 wkd 2 cfd, 3 wkd 2 cfd";
        QTest::newRow("LoTW: the paper-only entity is only worked")
            << 2 << false << "3/2 1/0 2/1 1/1"
            << "2/1 1/0 1/1 0/0"
            << "1/0 0/0 1/0 0/0"
            << "3 wkd 2 cfd, 3 wkd 2 cfd, 3 wkd 2 cfd";
        QTest::newRow("deleted entities included") << 0 << true << "4/3 2/1 2/1 1/1"
                                                   << "3/2 2/1 1/1 0/0"
                                                   << "1/0 0/0 1/0 0/0"
                                                   << "4 wkd 3 cfd, 4 wkd 3 cfd, 4 wkd 3 cfd";
    }

    void counterFollowsQslModeAndDeletedEntities()
    {
        QFETCH(int, qslMode);
        QFETCH(bool, withDeleted);
        QFETCH(QString, total);
        QFETCH(QString, band20m);
        QFETCH(QString, band60m);
        QFETCH(QString, summaries);
        storeLog();
        dxcc::DxccScreen screen(f.app->log());
        dxcc::DxccCounter &counter = *screen.counter();
        QAbstractItemModelTester tester(counter.rows());
        screen.setShown(true);
        counter.setQslMode(qslMode);
        counter.setWithDeleted(withDeleted);

        QCOMPARE(counter.rows()->rowCount(), 14);
        QCOMPARE(rowText(*counter.rows(), QStringLiteral("Total:")), total);
        QCOMPARE(rowText(*counter.rows(), QStringLiteral("20m:")), band20m);
        QCOMPARE(rowText(*counter.rows(), QStringLiteral("60m:")), band60m);
        QCOMPARE(rowText(*counter.rows(), QStringLiteral("70cm:")), "0/0 0/0 0/0 0/0");
        QCOMPARE(summariesText(counter), summaries);
    }

    void phoneTitleSaysWhatTheNumbersAre_data()
    {
        QTest::addColumn<int>("view");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("phone");

        QTest::newRow("worked") << 0 << "Worked DXCCs" << 3 << 1;
        QTest::newRow("all confirmations") << 1 << "All cfd DXCCs" << 3 << 1;
        QTest::newRow("paper") << 2 << "Paper cfd DXCCs" << 2 << 0;
        QTest::newRow("LoTW") << 3 << "LoTW cfd DXCCs" << 2 << 1;
    }

    void phoneTitleSaysWhatTheNumbersAre()
    {
        QFETCH(int, view);
        QFETCH(QString, title);
        QFETCH(int, total);
        QFETCH(int, phone);
        storeLog();
        dxcc::DxccScreen screen(f.app->log());
        dxcc::DxccCounter &counter = *screen.counter();
        QAbstractItemModelTester tester(counter.rows());
        screen.setShown(true);
        counter.setPhoneView(view);

        QCOMPARE(counter.phoneView(), view);
        QCOMPARE(counter.title(), title);
        const QModelIndex totalRow = counter.rows()->index(13);
        QCOMPARE(totalRow.data(DxccCounterModel::BandRole).toString(), "Total:");
        QCOMPARE(totalRow.data(DxccCounterModel::TotalShownRole).toInt(), total);
        QCOMPARE(totalRow.data(DxccCounterModel::PhoneShownRole).toInt(), phone);
    }

    void dxListFiltersAndSections_data()
    {
        QTest::addColumn<bool>("phone");
        QTest::addColumn<int>("sortIndex");
        QTest::addColumn<int>("filterIndex");
        QTest::addColumn<int>("count"); // below 0: all entities but that many
        QTest::addColumn<QStringList>("sections");
        QTest::addColumn<QStringList>("firstNames");

        QTest::newRow("worked, by prefix, deleted entity listed")
            << false << 0 << 1 << 4 << QStringList{"A", "D", "J", "K"}
            << QStringList{"Abu Ail Islands", "Fed. Rep. Of Germany", "Japan", "United States"};
        QTest::newRow("worked, by name")
            << false << 1 << 1 << 4 << QStringList{"A", "F", "J", "U"}
            << QStringList{"Abu Ail Islands", "Fed. Rep. Of Germany", "Japan", "United States"};
        QTest::newRow("confirmed") << false << 0 << 2 << 3 << QStringList{"D", "J", "K"}
                                   << QStringList{"Fed. Rep. Of Germany", "Japan"};
        QTest::newRow("worked but not confirmed")
            << false << 0 << 5 << 1 << QStringList{"A"} << QStringList{"Abu Ail Islands"};
        QTest::newRow("not worked") << false << 0 << 3 << -4 << QStringList{} << QStringList{};
        QTest::newRow("phone's second segment: worked")
            << true << 0 << 1 << 4 << QStringList{"A", "D", "J", "K"}
            << QStringList{"Abu Ail Islands", "Fed. Rep. Of Germany"};
        QTest::newRow("phone's third segment: not confirmed")
            << true << 1 << 2 << -3 << QStringList{} << QStringList{};
    }

    void dxListFiltersAndSections()
    {
        QFETCH(bool, phone);
        QFETCH(int, sortIndex);
        QFETCH(int, filterIndex);
        QFETCH(int, count);
        QFETCH(QStringList, sections);
        QFETCH(QStringList, firstNames);
        storeLog();
        dxcc::DxccScreen screen(f.app->log());
        dxcc::DxList &list = *screen.list();
        list.setCompact(phone);
        QAbstractItemModelTester tester(list.rows());
        screen.setShown(true);
        list.setSortIndex(sortIndex);
        list.setFilterIndex(filterIndex);

        const int all = int(f.app->log().getAllDxInfoStrings(false).size());
        QCOMPARE(list.rows()->rowCount(), count < 0 ? all + count : count);
        if (!sections.isEmpty())
            QCOMPARE(list.sectionTitles(), sections);
        QCOMPARE(column(*list.rows(), DxListModel::NameRole).mid(0, firstNames.size()), firstNames);
        for (int s = 0; s < list.sectionTitles().size(); ++s)
            QCOMPARE(list.rows()->index(list.rowOfSection(s)).data(DxListModel::SectionRole),
                     list.sectionTitles().at(s));
    }

    void dxListCoversEveryEntityInOrderedSections()
    {
        dxcc::DxccScreen screen(f.app->log());
        dxcc::DxList &list = *screen.list();
        list.setCompact(true);
        screen.setShown(true);
        const int all = list.rows()->rowCount();
        QCOMPARE(all, f.app->log().getAllDxInfoStrings(false).size());
        QCOMPARE(list.filterTitles().size(), 3);
        // Digits first, no empty section, an empty log's status all dots.
        const QStringList sections = list.sectionTitles();
        QVERIFY(sections.first().front().isDigit());
        QVERIFY(!sections.contains(QStringLiteral("0")));
        QCOMPARE(sections.last(), "Z");
        QCOMPARE(list.rows()->index(0).data(DxListModel::GroupsRole).toStringList().size(), 13);
    }

    void parsesEntries_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("byName");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("deleted");
        QTest::addColumn<QString>("section");

        const QString status =
            QStringLiteral("... ... ... ... W.. ... ... ... ... ... ... ... ...");
        QTest::newRow("by prefix")
            << QStringLiteral("3B8    Mauritius:").leftJustified(43) + status << false << "3B8"
            << "Mauritius" << false << "3";
        QTest::newRow("by name, deleted")
            << QStringLiteral("Abu Ail Islands").leftJustified(35) + QStringLiteral("A1:     ") +
                   status + QStringLiteral("xyz")
            << true << "A1"
            << "Abu Ail Islands" << true << "A";
        QTest::newRow("a name too long for its column loses its colon")
            << QStringLiteral("VK0H   ") + QString(36, u'H') + status << false << "VK0H"
            << QString(36, u'H') << false << "V";
        QTest::newRow("a name starting otherwise is kept in its own section")
            << QStringLiteral("Åland Islands").leftJustified(35) + QStringLiteral("OH0:    ") +
                   status
            << true << "OH0"
            << "Åland Islands" << false << "#";
    }

    void parsesEntries()
    {
        QFETCH(QString, entry);
        QFETCH(bool, byName);
        QFETCH(QString, prefix);
        QFETCH(QString, name);
        QFETCH(bool, deleted);
        QFETCH(QString, section);
        const dxcc::DxListRow row = dxcc::parseDxListRow(entry, byName);
        QCOMPARE(row.prefix, prefix);
        QCOMPARE(row.name, name);
        QCOMPARE(row.deleted, deleted);
        QCOMPARE(row.section, section);
        QCOMPARE(row.status.size(), 51);
        // The "#" section comes after Z.
        const QList<dxcc::DxListRow> rows = dxcc::sectionedRows(
            {entry, QStringLiteral("ZZ     Z:").leftJustified(94, u'.')}, byName, 0);
        QCOMPARE(rows.last().section == QLatin1String("#"), section == QLatin1String("#"));
    }

    void savedQsoShowsOnlyWhileTheTabIsInFront()
    {
        AppShell shell(*f.app, AppShell::Layout::Tablet);
        dxcc::DxccScreen &screen = *shell.dxcc();
        QAbstractItemModelTester tester(screen.list()->rows());
        QSignalSpy refreshed(&screen, &dxcc::DxccScreen::refreshed);
        LogModel &log = f.app->log();

        QsoClass first = contact(230, "DL", "20m", "CW", "", "");
        QVERIFY(log.saveNewQSOtoLog(first));
        QTest::qWait(20);
        QCOMPARE(refreshed.count(), 0); // nothing is worked out behind another tab

        shell.setCurrentTab(AppShell::DxccTab);
        QCOMPARE(refreshed.count(), 1);
        QCOMPARE(rowText(*screen.counter()->rows(), QStringLiteral("Total:")), "1/0 1/0 0/0 0/0");

        // Writes while in front come in one refresh.
        screen.list()->setFilterIndex(1);
        QsoClass second = contact(291, "K", "40m", "SSB", "", "X");
        QsoClass third = contact(339, "JA", "15m", "FT8", "", "");
        QVERIFY(log.saveNewQSOtoLog(second));
        const WriteResult saved = log.saveNewQSOtoLog(third);
        QVERIFY(saved);
        third.id = saved.rowid;
        QTRY_COMPARE(refreshed.count(), 2);
        QCOMPARE(rowText(*screen.counter()->rows(), QStringLiteral("Total:")), "3/1 1/0 1/0 1/1");
        QCOMPARE(column(*screen.list()->rows(), DxListModel::PrefixRole),
                 (QStringList{"DL", "JA", "K"}));

        // Another logbook, or writes a QSL download made on its own session.
        f.app->log().takeCommitted(f.app->log().fullLogDatabasePath(), QsoChange::manyRows());
        QTRY_COMPARE(refreshed.count(), 3);
        shell.setCurrentTab(AppShell::LogTab);
        QVERIFY(log.deleteQSO(third));
        QTest::qWait(20); // proves that nothing is worked out behind another tab
        QCOMPARE(refreshed.count(), 3);
        QVERIFY(shell.showScreen(screens::Screen::DxList));
        QCOMPARE(screen.page(), 1);
        QCOMPARE(refreshed.count(), 4);
        QCOMPARE(column(*screen.list()->rows(), DxListModel::PrefixRole), (QStringList{"DL", "K"}));
    }
};

QTEST_MAIN(DxccScreensTest)
#include "tst_dxccscreens.moc"
