// The fixed callsign rules of DXCC resolution: base call and call area, WPX prefix, IOTA in a
// note, zone refinements and call-area corrections. No database involved.

#include "refdata/CallsignRules.h"
#include "refdata/IotaNote.h"
#include "refdata/WpxPrefix.h"
#include "refdata/ZoneRefinements.h"

#include <QTest>

using namespace refdata;

class TestCallsigns : public QObject {
    Q_OBJECT
private slots:
    void trimCall_data();
    void trimCall();
    void splitBaseCall_data();
    void splitBaseCall();
    void getCallArea_data();
    void getCallArea();
    void getFirstSuffix_data();
    void getFirstSuffix();
    void getPrefix_data();
    void getPrefix();
    void getIotaFromNote_data();
    void getIotaFromNote();
    void zoneRefinement_data();
    void zoneRefinement();
    void correctForCallArea_data();
    void correctForCallArea();
};

void TestCallsigns::trimCall_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("call");
    QTest::newRow("blanks at both ends") << "  DL1ABC "
                                         << "DL1ABC";
    QTest::newRow("spotter's trailing dot") << "DL1ABC."
                                            << "DL1ABC";
    QTest::newRow("punctuation inside blanks") << " :;DL1ABC,. "
                                               << "DL1ABC";
    QTest::newRow("tab is not a blank") << "\tDL1ABC"
                                        << "\tDL1ABC";
    QTest::newRow("only punctuation") << " .,;: "
                                      << "";
    QTest::newRow("lower case kept") << "dl1abc"
                                     << "dl1abc";
}

void TestCallsigns::trimCall()
{
    QFETCH(QString, input);
    QFETCH(QString, call);
    QCOMPARE(refdata::trimCall(input), call);
}

void TestCallsigns::splitBaseCall_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("base");
    QTest::addColumn<int>("area");
    QTest::newRow("plain call") << "DL1ABC"
                                << "DL1ABC" << kNoArea;
    QTest::newRow("/P dropped") << "DL1ABC/P"
                                << "DL1ABC" << kNoArea;
    QTest::newRow("/QRPP dropped") << "DL1ABC/QRPP"
                                   << "DL1ABC" << kNoArea;
    QTest::newRow("/LH dropped") << "G4ABC/LH"
                                 << "G4ABC" << kNoArea;
    QTest::newRow("area digit") << "W1ABC/4"
                                << "W1ABC" << 4;
    QTest::newRow("prefix after the call") << "G4ABC/F"
                                           << "F" << kNoArea;
    QTest::newRow("prefix before the call") << "F/G4ABC"
                                            << "F" << kNoArea;
    QTest::newRow("prefix starting with a digit") << "G4ABC/3D2"
                                                  << "3D2" << kNoArea;
    QTest::newRow("number of 10 or more dropped") << "G4ABC/12"
                                                  << "G4ABC" << kNoArea;
    QTest::newRow("prefix, call and /P") << "F/G4ABC/P"
                                         << "F" << kNoArea;
    QTest::newRow("equal lengths take the first") << "AB1/CD2"
                                                  << "AB1" << kNoArea;
    QTest::newRow("empty") << ""
                           << "" << kNoArea;
}

void TestCallsigns::splitBaseCall()
{
    QFETCH(QString, call);
    QFETCH(QString, base);
    QFETCH(int, area);
    const BaseCall result = refdata::splitBaseCall(call);
    QCOMPARE(result.base, base);
    QCOMPARE(result.area, area);
}

void TestCallsigns::getCallArea_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("area");
    QTest::newRow("digit of the call") << "DL1ABC" << 1;
    QTest::newRow("digit after a digit prefix") << "9A1AA" << 1;
    QTest::newRow("suffix digit wins") << "W1ABC/4" << 4;
    QTest::newRow("/P ignored") << "TA1ABC/P" << 1;
    QTest::newRow("shorter part of two") << "VE3/K1ABC" << 3;
    QTest::newRow("equal lengths take the second") << "AB1/CD2" << 2;
    QTest::newRow("no digit") << "RAEM" << 0;
    QTest::newRow("too short") << "K" << 0;
}

void TestCallsigns::getCallArea()
{
    QFETCH(QString, call);
    QFETCH(int, area);
    QCOMPARE(refdata::getCallArea(call), area);
}

void TestCallsigns::getFirstSuffix_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("letter");
    QTest::newRow("digit second") << "R9ABC"
                                  << "A";
    QTest::newRow("letter second") << "UA9XYZ"
                                   << "X";
    QTest::newRow("three letters, no digit second") << "UA9"
                                                    << "";
    QTest::newRow("too short") << "R9"
                               << "";
}

void TestCallsigns::getFirstSuffix()
{
    QFETCH(QString, call);
    QFETCH(QString, letter);
    QCOMPARE(refdata::getFirstSuffix(call), letter);
}

void TestCallsigns::getPrefix_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("letters and digit") << "DL1ABC"
                                       << "DL1";
    QTest::newRow("digit run") << "YB10ABC"
                               << "YB10";
    QTest::newRow("area replaces the digit") << "W1ABC/4"
                                             << "W4";
    QTest::newRow("one-letter prefix") << "F/G4ABC"
                                       << "F0";
    QTest::newRow("no digit") << "RAEM"
                              << "RA0";
    QTest::newRow("/MM dropped") << "DL1ABC/MM"
                                 << "DL1";
    QTest::newRow("digit first") << "9A1AA"
                                 << "9A1";
    QTest::newRow("one character") << "K"
                                   << "K0";
}

void TestCallsigns::getPrefix()
{
    QFETCH(QString, call);
    QFETCH(QString, prefix);
    QCOMPARE(refdata::getPrefix(call), prefix);
}

void TestCallsigns::getIotaFromNote_data()
{
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("iota");
    QTest::newRow("lower case, short number") << "iota eu-5 island"
                                              << "EU-005";
    QTest::newRow("blank after the dash") << "OC- 12"
                                          << "OC-012";
    QTest::newRow("four digits kept") << "AS-1234"
                                      << "AS-1234";
    QTest::newRow("USA- is not South America") << "USA-123 EU-1"
                                               << "EU-001";
    QTest::newRow("SA- at the start") << "SA-8 Chile"
                                      << "SA-008";
    QTest::newRow("zero is no reference") << "EU-000"
                                          << "";
    QTest::newRow("nothing after the dash") << "cq EU-"
                                            << "";
    QTest::newRow("code at position 50")
        << QString(50, QLatin1Char('x')) + QStringLiteral("EU-005") << "";
    QTest::newRow("code at position 49")
        << QString(49, QLatin1Char('x')) + QStringLiteral("EU-005") << "EU-005";
    QTest::newRow("NA tried before EU") << "EU-5 NA-6"
                                        << "NA-006";
    QTest::newRow("no code") << "tnx qso"
                             << "";
}

void TestCallsigns::getIotaFromNote()
{
    QFETCH(QString, note);
    QFETCH(QString, iota);
    QCOMPARE(refdata::getIotaFromNote(note), iota);
}

void TestCallsigns::zoneRefinement_data()
{
    QTest::addColumn<int>("entity");
    QTest::addColumn<QString>("base");
    QTest::addColumn<int>("area");
    QTest::addColumn<int>("cq");
    QTest::addColumn<int>("itu");
    QTest::addColumn<QString>("locator");
    QTest::newRow("US area 4") << 291 << "W1ABC" << 4 << 5 << 8 << "EM85AA";
    QTest::newRow("US area from the call") << 291 << "W6XYZ" << kNoArea << 3 << 6 << "CM98HF";
    QTest::newRow("US empty base is area 0") << 291 << "" << kNoArea << 4 << 7 << "EM08AA";
    QTest::newRow("Canada VO1 before the area") << 1 << "VO1AA" << kNoArea << 5 << 9 << "GN28RX";
    QTest::newRow("Canada area 0 has no zones") << 1 << "" << kNoArea << 0 << 0 << "";
    QTest::newRow("Canada area 7") << 1 << "VE7ABC" << kNoArea << 3 << 2 << "CO81HU";
    QTest::newRow("Australia area 6") << 150 << "VK6AA" << kNoArea << 29 << 58 << "PG02MQ";
    QTest::newRow("Australia area 9 keeps the locator")
        << 150 << "VK9AA" << kNoArea << 30 << 59 << "QF00AA";
    QTest::newRow("Asiatic Russia area 0, suffix Z")
        << 15 << "UA0ZAA" << kNoArea << 19 << 35 << "QO93LL";
    QTest::newRow("Asiatic Russia area 0, suffix G unchanged ITU")
        << 15 << "UA0GAA" << kNoArea << 19 << 99 << "NO15LL";
    QTest::newRow("Asiatic Russia area 8, suffix T")
        << 15 << "UA8TAA" << kNoArea << 18 << 32 << "OO22LL";
    QTest::newRow("Asiatic Russia area 9, suffix X")
        << 15 << "RA9XAA" << kNoArea << 17 << 20 << "LP51LL";
    QTest::newRow("European Russia area 1, suffix P")
        << 54 << "UA1PAA" << kNoArea << 99 << 20 << "LP67LL";
    QTest::newRow("European Russia area 9 sets CQ") << 54 << "UA9AA" << 9 << 17 << 30 << "LP67LL";
    QTest::newRow("European Russia area 3") << 54 << "UA3ABC" << kNoArea << 99 << 29 << "KO85LL";
}

void TestCallsigns::zoneRefinement()
{
    QFETCH(int, entity);
    QFETCH(QString, base);
    QFETCH(int, area);
    CountryClass country;
    country.cq = 99;
    country.itu = 99;
    country.locator = QStringLiteral("QF00AA");
    switch (entity) {
    case 1:
        getVEallData(base, area, country);
        break;
    case 291:
        getWallData(base, area, country);
        break;
    case 150:
        getVKallData(base, area, country);
        break;
    case 15:
        getUA9allData(base, area, country);
        break;
    default:
        getUAallData(base, area, country);
    }
    QTEST(country.cq, "cq");
    QTEST(country.itu, "itu");
    QTEST(country.locator, "locator");
}

void TestCallsigns::correctForCallArea_data()
{
    QTest::addColumn<int>("found");
    QTest::addColumn<int>("area");
    QTest::addColumn<int>("entity");
    QTest::newRow("Alaska with /4 is the US") << 6 << 4 << 291;
    QTest::newRow("Greece /9 is Crete") << 236 << 9 << 40;
    QTest::newRow("Crete /1 is Greece") << 40 << 1 << 236;
    QTest::newRow("Ecuador /8 is Galapagos") << 120 << 8 << 71;
    QTest::newRow("Ecuador /5 stays") << 120 << 5 << 120;
    QTest::newRow("Finland /0 is Aland") << 224 << 0 << 5;
    QTest::newRow("Russia /2 is Kaliningrad") << 15 << 2 << 126;
    QTest::newRow("Russia /0 is Asiatic") << 54 << 0 << 15;
    QTest::newRow("Mauritius /5 unchanged") << 165 << 5 << 165;
    QTest::newRow("Spain /8 is Canaries") << 281 << 8 << 29;
    QTest::newRow("entity without a rule") << 230 << 3 << 230;
}

void TestCallsigns::correctForCallArea()
{
    QFETCH(int, found);
    QFETCH(int, area);
    QTEST(refdata::correctForCallArea(found, area), "entity");
}

QTEST_APPLESS_MAIN(TestCallsigns)
#include "tst_callsigns.moc"
