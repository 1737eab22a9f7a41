// The award counts: what one QSO counts for, the counts of a hand-checked logbook, and counts
// kept up to date by the logbook's change signal matching a count from scratch.

#include "../entry/LogFixture.h"
#include "awards/AwardEngine.h"
#include "awards/AwardRules.h"
#include "refdata/Bands.h"

#include <QSignalSpy>
#include <QTest>

using namespace awards;

namespace {

/** "call=K1ABC/4;dxcc=291;state=ca;pota_ref=US-1" as a QSO of the awards' view. */
AwardQso qsoFrom(const QString &fields)
{
    AwardQso qso;
    for (const QString &pair : fields.split(u';', Qt::SkipEmptyParts)) {
        const QString name = pair.section(u'=', 0, 0);
        const QString value = pair.section(u'=', 1);
        if (name == u"call")
            qso.callsign = value;
        else if (name == u"dxcc")
            qso.adif = value.toLongLong();
        else if (name == u"cq")
            qso.cq = value;
        else if (name == u"itu")
            qso.itu = value;
        else if (name == u"cnt")
            qso.cnt = value;
        else if (name == u"state")
            qso.state = value;
        else if (name == u"locator")
            qso.locator = value;
        else if (name == u"iota")
            qso.iota = value;
        else
            qso.setField(name, value);
    }
    return qso;
}

/** "W 2/1: AK CA!" — worked/confirmed and the items, "!" marking confirmed ones. */
QString summary(const AwardResult &result)
{
    QStringList items;
    for (const AwardItem &item : result.items)
        items << item.id + (item.confirmed ? QStringLiteral("!") : QString());
    QString text =
        QStringLiteral("%1/%2: %3").arg(result.worked).arg(result.confirmed).arg(items.join(u' '));
    for (const AwardItem &item : result.activated)
        text +=
            QStringLiteral(" act %1x%2v%3").arg(item.id).arg(item.qsos).arg(item.validActivations);
    return text;
}

/** Everything the engine answers for a logbook, as text to compare. */
QString everything(AwardEngine &engine)
{
    QStringList lines;
    for (int i = 0; i < kListedCount; ++i) {
        const Award award = Award(i);
        for (const Confirmation confirmation :
             {Confirmation::Any, Confirmation::Paper, Confirmation::Lotw, Confirmation::Eqsl}) {
            AwardFilter filter;
            filter.confirmation = confirmation;
            lines << summary(engine.result(award, filter));
        }
        const AwardTable table = engine.table(award, Confirmation::Any);
        QString rows;
        for (qsizetype r = 0; r < table.rows.size(); ++r)
            for (const AwardCount &count : table.rows.at(r))
                rows += QStringLiteral(" %1:%2/%3")
                            .arg(table.bands.at(r))
                            .arg(count.worked)
                            .arg(count.confirmed);
        lines << rows;
    }
    return lines.join(u'\n');
}

} // namespace

class TestAwards : public QObject, LogFixture {
    Q_OBJECT

private slots:
    void initTestCase() { LogFixture::initTestCase(); }
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void itemsOfOneQso_data();
    void itemsOfOneQso();
    void countsOfAHandCheckedLog_data();
    void countsOfAHandCheckedLog();
    void updatesMatchACountFromScratch();
    void aLogbookChangedBehindItsBackIsCountedAgain();
    void engineCountsWhatTheRulesSayOfOddFields();

private:
    /** The hand-checked logbook: what each QSO counts for is in its comment. */
    void storeHandCheckedLog();
};

void TestAwards::itemsOfOneQso_data()
{
    QTest::addColumn<QString>("award");
    QTest::addColumn<QString>("qso");
    QTest::addColumn<QString>("items");

    QTest::newRow("WAS: state of a US QSO, any case and blanks") << "was"
                                                                 << "dxcc=291;state= ca "
                                                                 << "CA";
    QTest::newRow("WAS: a US QSO without a state counts for none") << "was"
                                                                   << "dxcc=291"
                                                                   << "";
    QTest::newRow("WAS: DC is no state") << "was"
                                         << "dxcc=291;state=DC"
                                         << "";
    QTest::newRow("WAS: Alaska without STATE is AK") << "was"
                                                     << "dxcc=6"
                                                     << "AK";
    QTest::newRow("WAS: Hawaii is HI whatever STATE says") << "was"
                                                           << "dxcc=110;state=CA"
                                                           << "HI";
    QTest::newRow("WAS: not valid for DXCC still a state") << "was"
                                                           << "dxcc=-291;state=NY"
                                                           << "NY";
    QTest::newRow("WAZ: leading zero") << "waz"
                                       << "cq=05"
                                       << "5";
    QTest::newRow("WAZ: zone 41 is none") << "waz"
                                          << "cq=41"
                                          << "";
    QTest::newRow("ITU: zone 90") << "itu"
                                  << "itu=90"
                                  << "90";
    QTest::newRow("WAC: lower case") << "wac"
                                     << "cnt=eu"
                                     << "EU";
    QTest::newRow("WAC: Antarctica does not count") << "wac"
                                                    << "cnt=AN"
                                                    << "";
    QTest::newRow("WPX: call area after the stroke") << "wpx"
                                                     << "call=K1ABC/4"
                                                     << "K4";
    QTest::newRow("WPX: /P keeps the prefix") << "wpx"
                                              << "call=W1AW/P"
                                              << "W1";
    QTest::newRow("WPX: prefix without digit gets 0") << "wpx"
                                                      << "call=F/ON4XX"
                                                      << "F0";
    QTest::newRow("WPX: call without digit gets 0") << "wpx"
                                                    << "call=RAEM"
                                                    << "RA0";
    QTest::newRow("WPX: digit first") << "wpx"
                                      << "call=2E0ABC"
                                      << "2E0";
    QTest::newRow("WPX: other country's prefix") << "wpx"
                                                 << "call=VE3ABC/VE8"
                                                 << "VE8";
    QTest::newRow("IOTA: normalised") << "iota"
                                      << "iota=eu-005"
                                      << "EU-005";
    QTest::newRow("IOTA: short number is none") << "iota"
                                                << "iota=EU-5"
                                                << "";
    QTest::newRow("grids: field of a locator") << "grids"
                                               << "locator=jo62qm"
                                               << "JO62";
    QTest::newRow("grids: VUCC list of four with the locator among them")
        << "grids"
        << "locator=FN20xa;vucc_grids=FN20,FN21, fm29,FM30"
        << "FN20 FN21 FM29 FM30";
    QTest::newRow("grids: out of range letters") << "grids"
                                                 << "locator=ZZ99"
                                                 << "";
    QTest::newRow("POTA: a two-fer") << "pota"
                                     << "pota_ref=us-0001, US-0002"
                                     << "US-0001 US-0002";
    QTest::newRow("POTA: from SIG") << "pota"
                                    << "sig=pota;sig_info=K-1234"
                                    << "K-1234";
    QTest::newRow("POTA: SIG of another programme") << "pota"
                                                    << "sig=SOTA;sig_info=G/LD-001"
                                                    << "";
    QTest::newRow("POTA: own field and SIG naming the same park")
        << "pota"
        << "pota_ref=K-1234;sig=POTA;sig_info=K-1234"
        << "K-1234";
    QTest::newRow("SOTA: hunted") << "sota"
                                  << "sota_ref=W7W/KG-001"
                                  << "W7W/KG-001";
    QTest::newRow("WWFF: hunted") << "wwff"
                                  << "wwff_ref=DLFF-0123"
                                  << "DLFF-0123";
    QTest::newRow("POTA activated: MY_ field, not the other's")
        << "pota-activated"
        << "my_pota_ref=US-0001;pota_ref=US-0002"
        << "US-0001";
    QTest::newRow("SOTA activated: from MY_SIG") << "sota-activated"
                                                 << "my_sig=SOTA;my_sig_info=G/LD-001"
                                                 << "G/LD-001";
}

void TestAwards::itemsOfOneQso()
{
    QFETCH(QString, award);
    QFETCH(QString, qso);
    QFETCH(QString, items);
    std::optional<Award> which = awardNamed(award);
    for (int i = kListedCount; !which && i < kAwardCount; ++i)
        if (award == QLatin1String(definition(Award(i)).name))
            which = Award(i);
    QVERIFY(which);
    QCOMPARE(itemsFor(*which, qsoFrom(qso)).join(u' '), items);
}

void TestAwards::storeHandCheckedLog()
{
    const auto make = [](const QString &call, const QString &when, const QString &band,
                         const QString &mode, int adif, const QString &cq, const QString &cnt) {
        QsoClass q = qso(call, when, refdata::mBand2qrg(band), mode);
        q.band = band;
        q.adif = adif;
        q.cq = cq;
        q.cnt = cnt;
        q.qsl = QStringLiteral("-");
        q.lotwqsl = QStringLiteral("W");
        q.eqsl = QStringLiteral("W");
        return q;
    };
    QList<QsoClass> log;
    // WAS CA on paper; WPX K4; zone 3.
    log << make("K1ABC/4", "2024-01-02 10:00:00", "20m", "CW", 291, "3", "NA");
    log.last().state = QStringLiteral("CA");
    log.last().qsl = QStringLiteral("R");
    // No state: no WAS; WPX W1; zone 5 through LoTW.
    log << make("W1AW/P", "2024-01-03 10:00:00", "40m", "SSB", 291, "5", "NA");
    log.last().lotwqsl = QStringLiteral("X");
    // WPX F0; zone 14 through eQSL.
    log << make("F/ON4XX", "2024-01-04 10:00:00", "20m", "FT8", 227, "14", "EU");
    log.last().eqsl = QStringLiteral("R");
    // Alaska without STATE: WAS AK worked; zone 1.
    log << make("KL7XX", "2024-01-05 10:00:00", "20m", "CW", 6, "1", "NA");
    // The same station before and after its zone moved: zones 19 and 18.
    log << make("UA0AA", "2020-05-01 10:00:00", "20m", "SSB", 15, "19", "AS");
    log << make("UA0AA", "2024-05-01 10:00:00", "20m", "SSB", 15, "18", "AS");
    // Four grids on 6 m through LoTW.
    log << make("W2GRD", "2024-06-01 10:00:00", "6m", "FT8", 291, "", "");
    log.last().locator = QStringLiteral("FN20");
    log.last().extraFields.set(u"vucc_grids", QStringLiteral("FN20,FN21,FM29,FM30"));
    log.last().lotwqsl = QStringLiteral("X");
    // Park to park from US-0001 with a two-fer, confirmed both ways on paper; IOTA EU-005.
    log << make("N0PARK", "2024-07-01 10:00:00", "20m", "SSB", 291, "", "");
    log.last().extraFields.set(u"my_pota_ref", QStringLiteral("US-0001"));
    log.last().extraFields.set(u"pota_ref", QStringLiteral("US-0002,US-0003"));
    log.last().extraFields.set(u"station_callsign", QStringLiteral("DL1ABC"));
    log.last().iota = QStringLiteral("EU-005");
    log.last().qsl = QStringLiteral("X");
    // A summit hunted under another own call, named by SIG.
    log << make("W7ABC/P", "2024-07-02 10:00:00", "2m", "FM", 291, "", "");
    log.last().extraFields.set(u"sig", QStringLiteral("SOTA"));
    log.last().extraFields.set(u"sig_info", QStringLiteral("W7W/KG-001"));
    log.last().extraFields.set(u"station_callsign", QStringLiteral("DL1ABC/P"));
    store(log);
}

void TestAwards::countsOfAHandCheckedLog_data()
{
    QTest::addColumn<QString>("award");
    QTest::addColumn<QString>("band");
    QTest::addColumn<int>("modeClass");
    QTest::addColumn<QString>("confirmedBy");
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("expected");

    QTest::newRow("WAS: no state, no count; Alaska counts") << "was"
                                                            << "" << 0 << "any"
                                                            << ""
                                                            << "2/1: AK CA!";
    QTest::newRow("WAS: paper QSL counts on paper") << "was"
                                                    << "20m" << 0 << "paper"
                                                    << ""
                                                    << "2/1: AK CA!";
    QTest::newRow("WAS: paper QSL is not LoTW") << "was"
                                                << "" << 0 << "lotw"
                                                << ""
                                                << "2/0: AK CA";
    QTest::newRow("WAS: 40 m has none") << "was"
                                        << "40m" << 0 << "any"
                                        << ""
                                        << "0/0: ";
    QTest::newRow("WAZ: both zones of a station that moved") << "waz"
                                                             << "" << 0 << "any"
                                                             << ""
                                                             << "6/3: 1 3! 5! 14! 18 19";
    QTest::newRow("WAZ: eQSL only") << "waz"
                                    << "" << 0 << "eqsl"
                                    << ""
                                    << "6/1: 1 3 5 14! 18 19";
    QTest::newRow("WAZ: CW") << "waz"
                             << "" << 1 << "any"
                             << ""
                             << "2/1: 1 3!";
    QTest::newRow("WPX: portable forms") << "wpx"
                                         << "" << 0 << "any"
                                         << ""
                                         << "8/5: F0! K4! KL7 N0! UA0 W1! W2! W7";
    QTest::newRow("WAC") << "wac"
                         << "" << 0 << "any"
                         << ""
                         << "3/2: AS EU! NA!";
    QTest::newRow("IOTA") << "iota"
                          << "" << 0 << "any"
                          << ""
                          << "1/1: EU-005!";
    QTest::newRow("grids: a VUCC list of four on 6 m") << "grids"
                                                       << "6m" << 0 << "any"
                                                       << ""
                                                       << "4/4: FM29! FM30! FN20! FN21!";
    QTest::newRow("grids: none on 2 m") << "grids"
                                        << "2m" << 0 << "any"
                                        << ""
                                        << "0/0: ";
    QTest::newRow("POTA: park to park counts hunted and activated")
        << "pota"
        << "" << 0 << "any"
        << ""
        << "2/2: US-0002! US-0003! act US-0001x1v0";
    QTest::newRow("POTA: own call filter") << "pota"
                                           << "" << 0 << "any"
                                           << "DL1ABC/P"
                                           << "0/0: ";
    QTest::newRow("SOTA: hunted through SIG") << "sota"
                                              << "" << 0 << "any"
                                              << "DL1ABC/P"
                                              << "1/0: W7W/KG-001";
    QTest::newRow("WWFF: none") << "wwff"
                                << "" << 0 << "any"
                                << ""
                                << "0/0: ";
}

void TestAwards::countsOfAHandCheckedLog()
{
    QFETCH(QString, award);
    QFETCH(QString, band);
    QFETCH(int, modeClass);
    QFETCH(QString, confirmedBy);
    QFETCH(QString, call);
    QFETCH(QString, expected);
    storeHandCheckedLog();
    AwardEngine engine;
    engine.setPath(app->log().fullLogDatabasePath());
    AwardFilter filter;
    filter.xBand = band.isEmpty() ? -1 : refdata::band2xBand(band);
    filter.modeClass = modeClass;
    filter.confirmation = *confirmationNamed(confirmedBy);
    filter.ownCall = call;
    const AwardResult result = engine.result(*awardNamed(award), filter);
    QCOMPARE(summary(result), expected);
    if (result.finite)
        QCOMPARE(result.needed.size(),
                 definition(result.award).fullSet().size() - result.confirmed);
}

void TestAwards::updatesMatchACountFromScratch()
{
    storeHandCheckedLog();
    LogModel &log = app->log();
    AwardEngine kept;
    kept.setPath(log.fullLogDatabasePath());
    QVERIFY(kept.ensureBuilt());
    connect(&log, &LogModel::qsosChanged, this,
            [&kept](const QsoChange &change) { kept.takeChange(change); });
    const auto fromScratch = [&log] {
        AwardEngine fresh;
        fresh.setPath(log.fullLogDatabasePath());
        return everything(fresh);
    };
    const int builds = kept.builds();

    QsoClass added = qso(QStringLiteral("K5NEW"), QStringLiteral("2024-08-01 10:00:00"));
    added.adif = 291;
    added.state = QStringLiteral("TX");
    added.cq = QStringLiteral("4");
    added.extraFields.set(u"pota_ref", QStringLiteral("US-0002"));
    QVERIFY(log.saveNewQSOtoLog(added));
    QCOMPARE(everything(kept), fromScratch());
    QVERIFY(everything(kept).contains(u"TX"));

    QsoClass edited = added;
    edited.state = QStringLiteral("NY");
    edited.qsl = QStringLiteral("R");
    edited.extraFields.set(u"pota_ref", QStringLiteral("US-0009"));
    QVERIFY(log.updateQSO(added, edited));
    QCOMPARE(everything(kept), fromScratch());
    QVERIFY(!everything(kept).contains(u"TX"));

    QVERIFY(log.deleteQSO(edited));
    QCOMPARE(everything(kept), fromScratch());
    QVERIFY(!everything(kept).contains(u"US-0009"));
    // Taken in by reading the named QSOs, not by counting everything again.
    QCOMPARE(kept.builds(), builds);
}

void TestAwards::aLogbookChangedBehindItsBackIsCountedAgain()
{
    storeHandCheckedLog();
    AwardEngine engine;
    engine.setPath(app->log().fullLogDatabasePath());
    QCOMPARE(engine.result(Award::Was, {}).worked, 2);
    // Written without the engine being told (as another program would).
    db::Database database;
    QCOMPARE(database.open(app->log().fullLogDatabasePath()), 0);
    QVERIFY(database.exec(QStringLiteral("update logbook set state='NY' where callsign='W1AW/P'")));
    database.close();
    QCOMPARE(engine.result(Award::Was, {}).worked, 3);
}

QTEST_GUILESS_MAIN(TestAwards)
#include "tst_awards.moc"

// The engine takes short cuts for plain calls, short fields and locators; for texts around those
// cases it must count what the rules say of each QSO.
void TestAwards::engineCountsWhatTheRulesSayOfOddFields()
{
    const QStringList calls = {
        "K1ABC",  "k1abc", "RAEM",   "2E0ABC",  "9A1AA",  "DL10ABC",          "AB",
        "A1",     "X",     "W1AW/P", "K1ABC/4", " K1ABC", "AB1234567890123X", "ABCDEFGHIJKLM",
        "JA1ÄBC", "",      "4X4",    "VP2E"};
    const QStringList zones = {"5", "05", " 5", "41", "0", "x", "", "91", "90", "1a", "٣"};
    const QStringList texts = {"eu", "EU", " EU", "AN", "ca", "CA", "DC", "", "E", "Eü"};
    const QStringList locators = {"JO62QM", "jo62", "JS62", "JO6",  " JO62",
                                  "AA00aa", "RR99", "ZZ99", "Jo6x", ""};
    QList<QsoClass> log;
    QList<AwardQso> mirror;
    for (qsizetype i = 0; i < 60; ++i) {
        QsoClass qso = LogFixture::qso(calls.at(i % calls.size()), "2024-01-01 10:00:00");
        qso.adif = i % 3 == 0 ? 291 : i % 3 == 1 ? 6 : 230;
        qso.cq = zones.at(i % zones.size());
        qso.itu = zones.at((i + 3) % zones.size());
        qso.cnt = texts.at(i % texts.size());
        qso.state = texts.at((i + 4) % texts.size());
        qso.locator = locators.at(i % locators.size());
        log << qso;
        AwardQso view;
        view.callsign = qso.callsign;
        view.adif = qso.adif;
        view.cq = qso.cq;
        view.itu = qso.itu;
        view.cnt = qso.cnt;
        view.state = qso.state;
        view.locator = qso.locator;
        mirror << view;
    }
    store(log);
    AwardEngine engine;
    engine.setPath(app->log().fullLogDatabasePath());
    for (const Award award :
         {Award::Was, Award::Waz, Award::Itu, Award::Wac, Award::Wpx, Award::Grids}) {
        QMap<QString, int> expected;
        for (const AwardQso &qso : std::as_const(mirror))
            for (const QString &item : itemsFor(award, qso))
                ++expected[item];
        QMap<QString, int> counted;
        for (const AwardItem &item : engine.result(award, {}).items)
            counted.insert(item.id, item.qsos);
        QCOMPARE(counted, expected);
    }
}
