// The Awards page's view-model: what the page binds to for a small logbook, per award,
// confirmation kind, side and table cell; the QSOs of an item; counts after a save.

#include "../entry/LogFixture.h"
#include "awards/AwardsScreen.h"

#include <QTest>

using namespace awards;

namespace {

/** The table as "band all/cfd cw/cfd digi/cfd phone/cfd; …". */
QString tableText(const AwardsScreen &screen)
{
    QStringList rows;
    for (const QVariant &entry : screen.tableRows()) {
        const QVariantMap row = entry.toMap();
        QString text = row.value(QStringLiteral("band")).toString();
        const QVariantList worked = row.value(QStringLiteral("worked")).toList();
        const QVariantList confirmed = row.value(QStringLiteral("confirmed")).toList();
        for (qsizetype i = 0; i < worked.size(); ++i)
            text += QStringLiteral(" %1/%2").arg(worked.at(i).toInt()).arg(confirmed.at(i).toInt());
        rows << text;
    }
    return rows.join(QStringLiteral("; "));
}

/** Worked items as "CA!1 NY2" ("!" confirmed, then the QSOs) and the count of needed ones. */
QString itemsText(const AwardsScreen &screen)
{
    QStringList items;
    int needed = 0;
    for (const QVariant &entry : screen.items()) {
        const QVariantMap item = entry.toMap();
        const int state = item.value(QStringLiteral("state")).toInt();
        if (state == 0) {
            ++needed;
            continue;
        }
        items << item.value(QStringLiteral("id")).toString() +
                     (state == 2 ? QStringLiteral("!") : QString()) +
                     item.value(QStringLiteral("qsos")).toString();
    }
    return items.join(u' ') + QStringLiteral(" +%1").arg(needed);
}

int indexOf(const AwardsScreen &screen, const QString &id)
{
    for (qsizetype i = 0; i < screen.items().size(); ++i)
        if (screen.items().at(i).toMap().value(QStringLiteral("id")).toString() == id)
            return int(i);
    return -1;
}

} // namespace

class TestAwardsScreen : public QObject, LogFixture {
    Q_OBJECT

private slots:
    void initTestCase() { LogFixture::initTestCase(); }
    void init()
    {
        setUp();
        QList<QsoClass> log;
        const auto add = [&log](const QString &call, const QString &when, double kHz,
                                const QString &band, const QString &mode, const QString &state) {
            log << qso(call, when, kHz, mode);
            log.last().band = band;
            log.last().adif = 291;
            log.last().dxcc = QStringLiteral("K");
            log.last().state = state;
        };
        add("K1ABC", "2024-01-01 10:00:00", 14025, "20m", "CW", "CA");
        log.last().qsl = QStringLiteral("X");
        add("K2XYZ", "2024-02-01 10:00:00", 7150, "40m", "SSB", "NY");
        add("K3AAA", "2024-03-01 10:00:00", 14074, "20m", "FT8", "NY");
        log.last().lotwqsl = QStringLiteral("X");
        // A park to park QSO without a state.
        add("N0PARK", "2024-04-01 10:00:00", 14250, "20m", "SSB", "");
        log.last().extraFields.set(u"my_pota_ref", QStringLiteral("US-0001"));
        log.last().extraFields.set(u"pota_ref", QStringLiteral("US-0002"));
        store(log);
    }
    void cleanup() { tearDown(); }

    void whatThePageShows_data()
    {
        QTest::addColumn<QString>("award");
        QTest::addColumn<int>("confirmation");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("cellRow");
        QTest::addColumn<int>("cellMode");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("items");

        QTest::newRow("WAS, any confirmation: the set with the needed states")
            << "WAS" << 0 << 0 << -1 << 0 << "All bands and modes"
            << "2 worked · 2 confirmed · 48 needed of 50"
            << "CA!1 NY!2 +48";
        QTest::newRow("WAS on paper: LoTW does not count")
            << "WAS" << 1 << 0 << -1 << 0 << "All bands and modes"
            << "2 worked · 1 confirmed · 49 needed of 50"
            << "CA!1 NY2 +48";
        QTest::newRow("WAS, the 40 m phone cell") << "WAS" << 0 << 0 << 0 << 3 << "40m · Phone"
                                                  << "1 worked · 0 confirmed · 50 needed of 50"
                                                  << "NY1 +49";
        QTest::newRow("WAS, the total's digital cell is every band")
            << "WAS" << 0 << 0 << 2 << 2 << "All bands · Digi"
            << "1 worked · 1 confirmed · 49 needed of 50"
            << "NY!1 +49";
        QTest::newRow("POTA hunted: an open set, nothing needed")
            << "POTA" << 0 << 0 << -1 << 0 << "All bands and modes"
            << "1 worked · 0 confirmed"
            << "US-00021 +0";
        QTest::newRow("POTA activated: the own park, one QSO is no valid activation")
            << "POTA" << 0 << 1 << -1 << 0 << "All bands and modes"
            << "1 activated · 0 with a valid activation"
            << "US-00011 +0";
    }

    void whatThePageShows()
    {
        QFETCH(QString, award);
        QFETCH(int, confirmation);
        QFETCH(int, side);
        QFETCH(int, cellRow);
        QFETCH(int, cellMode);
        AwardsScreen screen(app->log());
        screen.setShown(true);
        screen.setOpen(true);
        screen.setAward(int(AwardsScreen::awardNames().indexOf(award)));
        screen.setConfirmation(confirmation);
        screen.setSide(side);
        if (cellRow >= 0)
            screen.chooseCell(cellRow, cellMode);
        QTEST(screen.filterText(), "filter");
        QTEST(screen.summary(), "summary");
        QTEST(itemsText(screen), "items");
    }

    void tableOfBandsAndModeClasses()
    {
        AwardsScreen screen(app->log());
        screen.setShown(true);
        screen.setOpen(true);
        QVERIFY(screen.hasTable());
        QCOMPARE(tableText(screen), "40m 1/0 0/0 0/0 1/0; 20m 2/2 1/1 1/1 0/0; "
                                    "Total 2/2 1/1 1/1 1/0");
        // The chosen cell again shows everything.
        screen.chooseCell(1, 1);
        QCOMPARE(screen.filterText(), "20m · CW");
        screen.chooseCell(1, 1);
        QCOMPARE(screen.filterText(), "All bands and modes");
        screen.setAward(int(AwardsScreen::awardNames().indexOf("IOTA")));
        QVERIFY(!screen.hasTable());
        QVERIFY(screen.tableRows().isEmpty());
    }

    void itemListsItsQsosNewestFirst()
    {
        AwardsScreen screen(app->log());
        screen.setShown(true);
        screen.setOpen(true);
        screen.chooseItem(indexOf(screen, "NY"));
        QVERIFY(screen.qsosOpen());
        QCOMPARE(screen.qsosTitle(), "NY · All bands and modes · QSOs: 2");
        QStringList calls;
        for (const QVariant &row : screen.qsos())
            calls << row.toMap().value("call").toString() + u' ' +
                         row.toMap().value("qsl").toString();
        QCOMPARE(calls, QStringList({"K3AAA LoTW", "K2XYZ "}));
    }

    void countsFollowASave()
    {
        AwardsScreen screen(app->log());
        screen.setShown(true);
        screen.setOpen(true);
        QCOMPARE(itemsText(screen), "CA!1 NY!2 +48");
        QsoClass texas = qso("W5TX", "2024-05-01 10:00:00", 21025);
        texas.band = QStringLiteral("15m");
        texas.adif = 291;
        texas.state = QStringLiteral("TX");
        QVERIFY(app->log().saveNewQSOtoLog(texas));
        QTRY_COMPARE(itemsText(screen), "CA!1 NY!2 TX1 +47");
        // Behind another screen nothing is read until it comes back.
        screen.setShown(false);
        QVERIFY(app->log().deleteQSO(*app->log().qsoById(*texas.id)));
        QTest::qWait(20);
        QCOMPARE(itemsText(screen), "CA!1 NY!2 TX1 +47");
        screen.setShown(true);
        QCOMPARE(itemsText(screen), "CA!1 NY!2 +48");
    }
};

QTEST_MAIN(TestAwardsScreen)
#include "tst_awardsscreen.moc"
