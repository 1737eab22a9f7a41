// The rules of station profiles and activations, without a logbook: which profiles may be
// stored, what a new QSO is given, which QSOs make an activation and how they count.

#include "station/Activation.h"
#include "station/ActivationExport.h"
#include "station/ProfileList.h"
#include "station/ProfileStamp.h"
#include "station/ProfileValidation.h"

#include <QTest>
#include <QTimeZone>

using station::Programme;

namespace {

QDateTime utc(const QString &text)
{
    QDateTime t = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm"));
    t.setTimeZone(QTimeZone::utc());
    return t;
}

/** A QSO from a park (or summit, area) as the stamp leaves it: the reference in its own field. */
QsoClass fromRef(const QString &call, const QString &when, const QString &field, const QString &ref,
                 const QString &band = QStringLiteral("20m"),
                 const QString &mode = QStringLiteral("SSB"))
{
    static qint64 nextId = 1;
    QsoClass q;
    q.id = nextId++;
    q.callsign = call;
    q.dateTime = utc(when);
    q.band = band;
    q.mode = mode;
    q.extraFields.set(field, ref);
    return q;
}

QList<QsoClass> parkQsos(int count, const QString &park = QStringLiteral("US-0001"))
{
    QList<QsoClass> qsos;
    for (int i = 0; i < count; ++i)
        qsos << fromRef(QStringLiteral("K%1ABC").arg(i),
                        QStringLiteral("2026-05-01 14:%1").arg(10 + i),
                        QStringLiteral("my_pota_ref"), park);
    return qsos;
}

} // namespace

class TestStationRules : public QObject {
    Q_OBJECT
private slots:
    void profileChecks_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("problemStart"); // empty: the profile may be stored

        QTest::newRow("6-character locator") << "locator"
                                             << "jo62qm"
                                             << "";
        QTest::newRow("8-character locator") << "locator"
                                             << "JO62QM45"
                                             << "";
        QTest::newRow("4-character locator is too coarse") << "locator"
                                                           << "JO62"
                                                           << "Locator:";
        QTest::newRow("10-character locator") << "locator"
                                              << "JO62QM45AB"
                                              << "Locator:";
        QTest::newRow("field letter past R") << "locator"
                                             << "JS62QM"
                                             << "Locator:";
        QTest::newRow("subsquare letter past X") << "locator"
                                                 << "JO62QZ"
                                                 << "Locator:";
        QTest::newRow("blank inside locator") << "locator"
                                              << "JO62 QM"
                                              << "Locator:";
        QTest::newRow("US park") << "pota"
                                 << "US-0001"
                                 << "";
        QTest::newRow("one-letter park prefix") << "pota"
                                                << "K-0001"
                                                << "";
        QTest::newRow("German park") << "pota"
                                     << "dl-0123"
                                     << "";
        QTest::newRow("five-digit park") << "pota"
                                         << "US-12345"
                                         << "";
        QTest::newRow("park without dash") << "pota"
                                           << "US0001"
                                           << "POTA:";
        QTest::newRow("park with three digits") << "pota"
                                                << "US-001"
                                                << "POTA:";
        QTest::newRow("park prefix of digits only") << "pota"
                                                    << "12-0001"
                                                    << "POTA:";
        QTest::newRow("two parks in one profile") << "pota"
                                                  << "US-0001,US-0002"
                                                  << "POTA:";
        QTest::newRow("summit W7W") << "sota"
                                    << "W7W/KG-001"
                                    << "";
        QTest::newRow("summit G/LD") << "sota"
                                     << "G/LD-003"
                                     << "";
        QTest::newRow("summit with digit in association") << "sota"
                                                          << "VK3/VE-001"
                                                          << "";
        QTest::newRow("summit without region") << "sota"
                                               << "W7W-001"
                                               << "SOTA:";
        QTest::newRow("summit with two digits") << "sota"
                                                << "G/LD-03"
                                                << "SOTA:";
        QTest::newRow("WWFF DL") << "wwff"
                                 << "DLFF-0123"
                                 << "";
        QTest::newRow("WWFF K") << "wwff"
                                << "KFF-0001"
                                << "";
        QTest::newRow("WWFF without FF") << "wwff"
                                         << "DL-0123"
                                         << "WWFF:";
        QTest::newRow("WWFF five digits") << "wwff"
                                          << "DLFF-01234"
                                          << "WWFF:";
        QTest::newRow("IOTA") << "iota"
                              << "EU-005"
                              << "";
        QTest::newRow("IOTA unknown continent") << "iota"
                                                << "XX-005"
                                                << "IOTA:";
        QTest::newRow("IOTA two digits") << "iota"
                                         << "EU-05"
                                         << "IOTA:";
        QTest::newRow("CQ zone 40") << "cq"
                                    << "40"
                                    << "";
        QTest::newRow("CQ zone 0") << "cq"
                                   << "0"
                                   << "CQ zone:";
        QTest::newRow("CQ zone 41") << "cq"
                                    << "41"
                                    << "CQ zone:";
        QTest::newRow("ITU zone 90") << "itu"
                                     << "90"
                                     << "";
        QTest::newRow("ITU zone 91") << "itu"
                                     << "91"
                                     << "ITU zone:";
        QTest::newRow("ITU zone text") << "itu"
                                       << "2x"
                                       << "ITU zone:";
        QTest::newRow("power in watts") << "power"
                                        << "5.5"
                                        << "";
        QTest::newRow("power zero") << "power"
                                    << "0"
                                    << "Power:";
        QTest::newRow("power with unit") << "power"
                                         << "100W"
                                         << "Power:";
        QTest::newRow("portable call") << "callsign"
                                       << "dl1abc/p"
                                       << "";
        QTest::newRow("call with blank") << "callsign"
                                         << "DL1 ABC"
                                         << "Station callsign:";
        QTest::newRow("call of digits") << "callsign"
                                        << "1234"
                                        << "Station callsign:";
        QTest::newRow("operator with ADIF brackets") << "operator"
                                                     << "DL1ABC<eor>"
                                                     << "Operator:";
        QTest::newRow("rig with a line feed") << "rig"
                                              << "IC-705\n<eor>"
                                              << "Rig:";
        QTest::newRow("antenna of 101 characters") << "antenna" << QString(101, u'x') << "Antenna:";
        QTest::newRow("state with a terminal escape") << "state"
                                                      << "\x1b[2JCA"
                                                      << "State:";
        QTest::newRow("county with umlauts") << "county"
                                             << "Märkisch-Oderland"
                                             << "";
        QTest::newRow("empty name") << "name"
                                    << "  "
                                    << "A station profile needs a name.";
        QTest::newRow("name with line feed") << "name"
                                             << "Home\nPark"
                                             << "Name:";
    }

    void profileChecks()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, problemStart);
        QJsonObject json{{"name", "Home"}};
        json.insert(field, value);
        StationProfile profile = StationProfile::fromJson(json);
        profile.normalise();
        const QString problem = station::profileProblem(profile);
        if (problemStart.isEmpty())
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
        else
            QVERIFY2(problem.startsWith(problemStart), qPrintable(problem));
    }

    // The synced log's list is written by another device: taken whole or not at all.
    void profileListFromAnotherDevice_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QStringList>("names"); // empty with taken=false: refused
        QTest::addColumn<bool>("taken");
        QTest::newRow("two profiles, normalised")
            << QByteArray(
                   R"([{"name":" Home ","locator":"jo62qm"},{"name":"Park","pota":"us-0001"}])")
            << QStringList{"Home", "Park"} << true;
        QTest::newRow("empty list") << QByteArray("[]") << QStringList{} << true;
        QTest::newRow("unknown members are left aside")
            << QByteArray(R"([{"name":"Home","colour":"red"}])") << QStringList{"Home"} << true;
        QTest::newRow("not JSON") << QByteArray("[{\"name\":") << QStringList{} << false;
        QTest::newRow("an object, not a list")
            << QByteArray(R"({"name":"Home"})") << QStringList{} << false;
        QTest::newRow("an entry that is no object")
            << QByteArray(R"(["Home"])") << QStringList{} << false;
        QTest::newRow("a zone given as number")
            << QByteArray(R"([{"name":"Home","cq":14}])") << QStringList{} << false;
        QTest::newRow("one bad locator spoils the list")
            << QByteArray(R"([{"name":"Home"},{"name":"Park","locator":"ZZ99"}])") << QStringList{}
            << false;
        QTest::newRow("the same name twice in another case")
            << QByteArray(R"([{"name":"Home"},{"name":"HOME"}])") << QStringList{} << false;
        QTest::newRow("no name") << QByteArray(R"([{"callsign":"N0CALL"}])") << QStringList{}
                                 << false;
        QTest::newRow("a name with an escape sequence")
            << QByteArray("[{\"name\":\"\\u001b[2JHome\"}]") << QStringList{} << false;
        QByteArray many = "[";
        for (int i = 0; i <= station::kMostProfiles; ++i)
            many += QStringLiteral(R"(%1{"name":"P%2"})").arg(i ? "," : "").arg(i).toUtf8();
        QTest::newRow("more profiles than anyone keeps") << many + "]" << QStringList{} << false;
        QTest::newRow("nested deeply") << QByteArray(4096, '[') << QStringList{} << false;
    }

    void profileListFromAnotherDevice()
    {
        QFETCH(QByteArray, json);
        QFETCH(QStringList, names);
        QFETCH(bool, taken);
        const std::optional<QList<StationProfile>> list = station::parseProfileList(json);
        QCOMPARE(list.has_value(), taken);
        QStringList found;
        for (const StationProfile &profile : list.value_or(QList<StationProfile>{}))
            found << profile.name;
        QCOMPARE(found, names);
    }

    void stampFillsOnlyWhatIsMissing()
    {
        StationProfile profile;
        profile.name = QStringLiteral("Park");
        profile.callsign = QStringLiteral("N0CALL/P");
        profile.operatorCall = QStringLiteral("N0CALL");
        profile.locator = QStringLiteral("DN17AB");
        profile.pota = QStringLiteral("US-0001");
        profile.wwff = QStringLiteral("KFF-0001");
        profile.cqZone = QStringLiteral("4");
        profile.power = QStringLiteral("10");
        profile.rig = QStringLiteral("KX2");

        QsoClass fresh;
        station::stampQso(profile, fresh);
        const QList<ExtraField> expected{{"station_callsign", "N0CALL/P", ""},
                                         {"operator", "N0CALL", ""},
                                         {"my_gridsquare", "DN17AB", ""},
                                         {"my_pota_ref", "US-0001", ""},
                                         {"my_wwff_ref", "KFF-0001", ""},
                                         {"my_cq_zone", "4", ""},
                                         {"my_rig", "KX2", ""},
                                         {"my_sig", "POTA", ""},
                                         {"my_sig_info", "US-0001", ""}};
        QCOMPARE(fresh.extraFields.list(), expected);
        QCOMPARE(fresh.power, QStringLiteral("10"));

        // What WSJT-X or the form gave stays; the SIG pair is not split.
        QsoClass given;
        given.power = QStringLiteral("100");
        given.extraFields.set(u"my_gridsquare", QStringLiteral("DN17AC"));
        given.extraFields.set(u"my_sig_info", QStringLiteral("US-0002"));
        station::stampQso(profile, given);
        QCOMPARE(given.power, QStringLiteral("100"));
        QCOMPARE(given.extraFields.value(u"my_gridsquare"), QStringLiteral("DN17AC"));
        QCOMPARE(given.extraFields.value(u"my_sig_info"), QStringLiteral("US-0002"));
        QVERIFY(!given.extraFields.contains(u"my_sig"));
        QCOMPARE(given.extraFields.value(u"station_callsign"), QStringLiteral("N0CALL/P"));
    }

    void programmeOfReference_data()
    {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<int>("programme"); // -1: none
        QTest::newRow("park") << "US-0001" << int(Programme::Pota);
        QTest::newRow("park in lower case") << "dl-0123" << int(Programme::Pota);
        QTest::newRow("summit") << "G/LD-003" << int(Programme::Sota);
        QTest::newRow("WWFF, though shaped like a park") << "DLFF-0123" << int(Programme::Wwff);
        QTest::newRow("IOTA is no activation") << "EU-005" << -1;
        QTest::newRow("empty") << "" << -1;
    }

    void programmeOfReference()
    {
        QFETCH(QString, reference);
        QFETCH(int, programme);
        const std::optional<Programme> found = station::programmeOf(reference);
        QCOMPARE(found ? int(*found) : -1, programme);
    }

    void activationCount_data()
    {
        QTest::addColumn<QList<QsoClass>>("qsos");
        QTest::addColumn<int>("programme");
        QTest::addColumn<int>("listed");
        QTest::addColumn<int>("counted");
        QTest::addColumn<bool>("valid");

        const auto pota = int(Programme::Pota);
        QTest::newRow("9 QSOs: one short") << parkQsos(9) << pota << 9 << 9 << false;
        QTest::newRow("10 QSOs: valid") << parkQsos(10) << pota << 10 << 10 << true;

        QList<QsoClass> withDupe = parkQsos(10);
        withDupe[9].callsign = withDupe[0].callsign;
        QTest::newRow("same station, band and mode twice counts once")
            << withDupe << pota << 10 << 9 << false;

        QList<QsoClass> otherBand = withDupe;
        otherBand[9].band = QStringLiteral("40m");
        QTest::newRow("same station on another band counts for POTA")
            << otherBand << pota << 10 << 10 << true;

        QList<QsoClass> otherDay = parkQsos(10);
        otherDay[0].dateTime = utc(QStringLiteral("2026-05-02 00:00"));
        otherDay[1].dateTime = utc(QStringLiteral("2026-04-30 23:59"));
        QTest::newRow("UTC day ends the activation") << otherDay << pota << 8 << 8 << false;

        QList<QsoClass> otherPark = parkQsos(10);
        otherPark[0].extraFields.set(u"my_pota_ref", QStringLiteral("US-0002"));
        QTest::newRow("QSO from another park left out") << otherPark << pota << 9 << 9 << false;

        QList<QsoClass> bySig = parkQsos(9);
        QsoClass generic = fromRef(QStringLiteral("W1AW"), QStringLiteral("2026-05-01 18:00"),
                                   QStringLiteral("my_sig"), QStringLiteral("pota"));
        generic.extraFields.set(u"my_sig_info", QStringLiteral("K-0005,US-0001"));
        bySig << generic;
        QTest::newRow("MY_SIG_INFO naming the park in a two-fer")
            << bySig << pota << 10 << 10 << true;

        QList<QsoClass> twice = parkQsos(9);
        twice << twice.constFirst();
        QTest::newRow("a QSO found by both fields is taken once")
            << twice << pota << 9 << 9 << false;

        QList<QsoClass> summit;
        for (const char *call : {"G4ABC", "G4ABC", "M0XYZ", "G3AAA"})
            summit << fromRef(call, QStringLiteral("2026-05-01 10:00"),
                              QStringLiteral("my_sota_ref"), QStringLiteral("G/LD-003"),
                              summit.size() == 1 ? QStringLiteral("40m") : QStringLiteral("20m"));
        QTest::newRow("SOTA counts each station once, even on another band")
            << summit << int(Programme::Sota) << 4 << 3 << false;
    }

    void activationCount()
    {
        QFETCH(QList<QsoClass>, qsos);
        QFETCH(int, programme);
        QFETCH(int, listed);
        QFETCH(int, counted);
        QFETCH(bool, valid);
        const QString ref = programme == int(Programme::Sota) ? QStringLiteral("G/LD-003")
                                                              : QStringLiteral("US-0001");
        const station::Activation activation =
            station::makeActivation(Programme(programme), ref, QDate(2026, 5, 1), qsos);
        QCOMPARE(activation.qsos.size(), listed);
        QCOMPARE(activation.counted, counted);
        QCOMPARE(activation.isValid(), valid);
        for (qsizetype i = 1; i < activation.qsos.size(); ++i)
            QVERIFY(activation.qsos.at(i - 1).qso.dateTime <= activation.qsos.at(i).qso.dateTime);
    }

    void parkToParkMarked_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("marked");
        QTest::newRow("POTA_REF") << "pota_ref"
                                  << "ve-0123"
                                  << "VE-0123";
        QTest::newRow("SIG POTA with SIG_INFO") << "sig"
                                                << "POTA"
                                                << "K-4567";
        QTest::newRow("SIG of another programme") << "sig"
                                                  << "WWFF"
                                                  << "";
        QTest::newRow("summit is not a park") << "sota_ref"
                                              << "W7W/KG-001"
                                              << "";
    }

    void parkToParkMarked()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, marked);
        QList<QsoClass> qsos = parkQsos(2);
        qsos[1].extraFields.set(field, value);
        qsos[1].extraFields.set(u"sig_info", QStringLiteral("K-4567"));
        const station::Activation activation = station::makeActivation(
            Programme::Pota, QStringLiteral("US-0001"), QDate(2026, 5, 1), qsos);
        QCOMPARE(activation.qsos.at(0).otherReference, QString());
        QCOMPARE(activation.qsos.at(1).otherReference, marked);
    }

    void exportFileName_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "n0call"
                               << "US-0001"
                               << "N0CALL@US-0001-20260501.adi";
        QTest::newRow("portable call") << "DL1ABC/P"
                                       << "DL-0123"
                                       << "DL1ABC_P@DL-0123-20260501.adi";
        QTest::newRow("summit reference") << "G4ABC"
                                          << "G/LD-003"
                                          << "G4ABC@G_LD-003-20260501.adi";
        QTest::newRow("no way out of the folder") << "..\\X"
                                                  << "US-0001"
                                                  << ".._X@US-0001-20260501.adi";
    }

    void exportFileName()
    {
        QFETCH(QString, call);
        QFETCH(QString, reference);
        QFETCH(QString, name);
        QCOMPARE(station::activationFileName(call, reference, QDate(2026, 5, 1)), name);
    }
};

QTEST_GUILESS_MAIN(TestStationRules)
#include "tst_stationrules.moc"
