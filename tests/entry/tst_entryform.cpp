// The entry form: keystroke rules, the checks before logging, and whole QSOs typed as an operator
// types them, ending in the logbook.

#include "../model/ReadOnlyLogbook.h"
#include "app/DataFolder.h"
#include "entry/EntryValidation.h"
#include "entry/FieldRules.h"
#include "entry/QsoEntryForm.h"
#include "model/LogModel.h"
#include "refdata/BandTable.h"
#include "refdata/MyFunctions.h"
#include "refdata/OneDxSpotClass.h"
#include "root/AppDelegate.h"

#include <QLocale>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <memory>

namespace {

refdata::BandTable shippedBands()
{
    QVariantList rows;
    const QList<QList<double>> table = {
        {1800, 1838, 1843, 2000},         {3500, 3570, 3600, 4000},
        {7000, 7040, 7060, 7300},         {10100, 10130, 10150, 10150},
        {14000, 14070, 14112, 14350},     {18068, 18095, 18120, 18168},
        {21000, 21070, 21151, 21450},     {24890, 24915, 24940, 24990},
        {28000, 28070, 28320, 29700},     {50000, 50100, 50300, 54000},
        {144000, 144150, 144400, 148000}, {430000, 432100, 432400, 440000}};
    for (const QList<double> &row : table) {
        QVariantList r;
        for (double v : row)
            r << v;
        rows << QVariant(r);
    }
    return refdata::BandTable::fromVariant(rows);
}

} // namespace

class EntryFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppDelegate> m_app;

    std::unique_ptr<QsoEntryForm> form(bool phone = false)
    {
        auto made = std::make_unique<QsoEntryForm>(m_app->defaults(), m_app->clock(), m_app->log(),
                                                   m_app->dxcc(), m_app->functions());
        if (!phone)
            made->setUse(QsoEntryForm::Use::Panel);
        return made;
    }

    /** Types a callsign key by key and leaves the field, as the operator does. */
    static void typeCallsign(QsoEntryForm &f, const QString &callsign)
    {
        for (qsizetype n = 1; n <= callsign.size(); ++n)
            f.setField(QStringLiteral("callsign"), callsign.left(n));
        f.leaveField(QStringLiteral("callsign"));
    }

    static void typeInto(QsoEntryForm &f, const QString &field, const QString &text)
    {
        f.setField(field, text);
        f.leaveField(field);
    }

    QList<QsoClass> logged() { return m_app->log().getlastQSOs(4); }

    void logEarlier(const QString &call, const QString &name, const QString &locator = {})
    {
        auto f = form();
        typeCallsign(*f, call);
        typeInto(*f, QStringLiteral("qrgString"), QStringLiteral("7025"));
        f->typeModeKey(QStringLiteral("c"));
        typeInto(*f, QStringLiteral("name"), name);
        typeInto(*f, QStringLiteral("locator"), locator);
        QCOMPARE(f->save(), QString());
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_app = std::make_unique<AppDelegate>(DataFolder::at(m_dir->path()));
        m_app->clock().setFixed(QDateTime(QDate(2025, 6, 15), QTime(12, 0), QTimeZone::utc()));
    }

    void cleanup()
    {
        m_app.reset();
        m_dir.reset();
    }

    // --- keystroke rules -------------------------------------------------------------------

    void typedTextFollowsTheFieldRule_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        using F = entry::TextField;
        QTest::newRow("callsign: capitals, space refused") << int(F::Callsign) << "dl1 abc/p"
                                                           << "DL1ABC/P";
        QTest::newRow("frequency: space refused") << int(F::Frequency) << "14 025"
                                                  << "14025";
        QTest::newRow("report: space refused") << int(F::Rst) << "5 9 9"
                                               << "599";
        QTest::newRow("locator: space refused") << int(F::Locator) << "jo62 qm"
                                                << "JO62QM";
        QTest::newRow("a name keeps its spaces") << int(F::Plain) << "hans peter"
                                                 << "HANS PETER";
    }
    void typedTextFollowsTheFieldRule()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QCOMPARE(entry::typedText(entry::TextField(field), typed), shown);
    }

    void modeKeyExpandsAndSetsReports_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("rst");
        QTest::newRow("p gives PSK31 with 599") << "p"
                                                << "PSK31"
                                                << "599";
        QTest::newRow("s gives SSB with 59") << "s"
                                             << "SSB"
                                             << "59";
        QTest::newRow("C gives CW") << "C"
                                    << "CW"
                                    << "599";
        QTest::newRow("other keys are refused, reports stay") << "x"
                                                              << ""
                                                              << "599";
    }
    void modeKeyExpandsAndSetsReports()
    {
        QFETCH(QString, key);
        QFETCH(QString, mode);
        QFETCH(QString, rst);
        auto f = form(true);
        const QString before = f->field(QStringLiteral("mode"));
        QCOMPARE(f->typeModeKey(key), !mode.isEmpty());
        QCOMPARE(f->field(QStringLiteral("mode")), mode.isEmpty() ? before : mode);
        QCOMPARE(f->field(QStringLiteral("rsttx")), rst);
        QCOMPARE(f->field(QStringLiteral("rstrx")), rst);
        QCOMPARE(entry::defaultRst(QStringLiteral("AM")), QStringLiteral("59"));
    }

    void letterFieldsTakeTheirLettersOnly_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("QSL takes Q") << "qsl"
                                     << "q" << true;
        QTest::newRow("QSL refuses Y") << "qsl"
                                       << "y" << false;
        QTest::newRow("LoTW refuses R") << "lotwqsl"
                                        << "r" << false;
        QTest::newRow("LoTW takes X") << "lotwqsl"
                                      << "x" << true;
        QTest::newRow("eQSL takes R") << "eqsl"
                                      << "r" << true;
        QTest::newRow("eQSL refuses B") << "eqsl"
                                        << "b" << false;
        QTest::newRow("dash everywhere") << "lotwqsl"
                                         << "-" << true;
    }
    void letterFieldsTakeTheirLettersOnly()
    {
        QFETCH(QString, field);
        QFETCH(QString, key);
        QFETCH(bool, accepted);
        auto f = form();
        QCOMPARE(f->field(field), QStringLiteral("W"));
        QCOMPARE(f->typeQslKey(field, key), accepted);
        QCOMPARE(f->field(field), accepted ? key.toUpper() : QStringLiteral("W"));
    }

    void frequencyReadings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("kHz");
        QTest::addColumn<QString>("band");
        QTest::addColumn<bool>("usable");
        QTest::newRow("plain kHz") << "14025" << 14025.0 << "20m" << true;
        QTest::newRow("grouped passes through the pattern")
            << "14,025.5" << 14025.5 << "20m" << true;
        QTest::newRow("MHz is no band") << "14.025" << 14.025 << "??" << false;
        QTest::newRow("below 100 kHz") << "99.9" << 99.9 << "??" << false;
        QTest::newRow("out of band but usable") << "12000" << 12000.0 << "??" << true;
    }
    void frequencyReadings()
    {
        QFETCH(QString, text);
        QFETCH(double, kHz);
        QFETCH(QString, band);
        QFETCH(bool, usable);
        const entry::FrequencyReading r = entry::readFrequency(shippedBands(), text);
        QCOMPARE(r.kHz, kHz);
        QCOMPARE(r.band, band);
        QCOMPARE(entry::frequencyIsUsable(text), usable);
    }

    void numberInTheCallsignFieldTunes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("kHz");
        QTest::addColumn<QString>("remains");
        QTest::newRow("above 1800 tunes") << "14025" << 14025.0 << "";
        QTest::newRow("decimals are kept") << "7045.5" << 7045.5 << "";
        QTest::newRow("1800 itself is a callsign") << "1800" << 0.0 << "1800";
        QTest::newRow("a call starting with a digit") << "3B8XY" << 0.0 << "3B8XY";
    }
    void numberInTheCallsignFieldTunes()
    {
        QFETCH(QString, typed);
        QFETCH(double, kHz);
        QFETCH(QString, remains);
        auto f = form();
        QSignalSpy tune(f.get(), &QsoEntryForm::tuneRequested);
        typeCallsign(*f, typed);
        QCOMPARE(f->field(QStringLiteral("callsign")), remains);
        QCOMPARE(tune.size(), kHz > 0 ? 1 : 0);
        if (kHz > 0) {
            const auto spot = tune.at(0).at(0).value<OneDxSpotClass>();
            QCOMPARE(spot.qrg, kHz);
            QCOMPARE(spot.xMode, kHz == 14025.0 ? 1 : 2); // CW segment of 20m, digital on 40m
        }
    }

    // --- checks before logging ---------------------------------------------------------------

    void checksComeInOrder_data()
    {
        QTest::addColumn<entry::EntryCheck>("check");
        QTest::addColumn<QString>("message");
        const auto c = [](const char *call, const char *qrg, const char *mode, const char *loc,
                          const char *date = "15/06/2025", const char *time = "1200",
                          bool byHand = false) {
            return entry::EntryCheck{QString::fromLatin1(call),
                                     QString::fromLatin1(qrg),
                                     QString::fromLatin1(mode),
                                     QString::fromLatin1(loc),
                                     QString::fromLatin1(date),
                                     QString::fromLatin1(time),
                                     byHand};
        };
        QTest::newRow("one character, empty mode: callsign first")
            << c("D", "14025", "", "") << "No Callsign given";
        QTest::newRow("no frequency") << c("DL1ABC", "", "CW", "") << "Frequency invalid";
        QTest::newRow("grouped frequency passes") << c("DL1ABC", "14,025.0", "CW", "") << "";
        QTest::newRow("no mode") << c("DL1ABC", "14025", "", "JO6") << "No Mode given";
        QTest::newRow("short locator") << c("DL1ABC", "14025", "CW", "JO6") << "Locator is invalid";
        QTest::newRow("four-character locator is fine") << c("DL1ABC", "14025", "CW", "JO62") << "";
        QTest::newRow("31 February by hand")
            << c("DL1ABC", "14025", "CW", "", "31/02/2025", "1200", true)
            << "Date or time is invalid";
        QTest::newRow("time 2460 by hand")
            << c("DL1ABC", "14025", "CW", "", "15/06/2025", "2460", true)
            << "Date or time is invalid";
        QTest::newRow("clock running: date not checked")
            << c("DL1ABC", "14025", "CW", "", "", "", false) << "";
    }
    void checksComeInOrder()
    {
        QFETCH(entry::EntryCheck, check);
        QFETCH(QString, message);
        QCOMPARE(entry::firstEntryError(check, formats::DateStyle::Short), message);
    }

    void twoDigitYearIsThisCentury()
    {
        // The American short style writes "6/15/25".
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        const auto instant = entry::parseEntryDateTime(
            QStringLiteral("6/15/25"), QStringLiteral("0930"), formats::DateStyle::Short);
        QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
        QVERIFY(instant);
        QCOMPARE(instant->date(), QDate(2025, 6, 15));
        QCOMPARE(instant->time(), QTime(9, 30));
    }

    void badInputIsNotLoggedOnEitherLayout_data()
    {
        QTest::addColumn<bool>("phone");
        QTest::newRow("tablet") << false;
        QTest::newRow("phone") << true;
    }
    void badInputIsNotLoggedOnEitherLayout()
    {
        QFETCH(bool, phone);
        auto f = form(phone);
        typeCallsign(*f, QStringLiteral("DL1ABC"));
        typeInto(*f, QStringLiteral("qrgString"), QStringLiteral("14025"));
        f->typeModeKey(QStringLiteral("c"));
        typeInto(*f, QStringLiteral("locator"), QStringLiteral("JO6"));
        QCOMPARE(f->tone(QStringLiteral("locator")), QStringLiteral("error"));
        QCOMPARE(f->save(), QStringLiteral("Locator is invalid"));
        typeInto(*f, QStringLiteral("locator"), QString());
        f->setRealTime(false);
        typeInto(*f, QStringLiteral("timeString"), QStringLiteral("25"));
        QCOMPARE(f->save(), QStringLiteral("Date or time is invalid"));
        QVERIFY(logged().isEmpty());
        QCOMPARE(f->field(QStringLiteral("callsign")), QStringLiteral("DL1ABC"));
    }

    // --- whole QSOs --------------------------------------------------------------------------

    void operatorLogsAWholeQso()
    {
        auto f = form();
        QSignalSpy endLocator(f.get(), &QsoEntryForm::endLocatorChanged);
        QSignalSpy saved(f.get(), &QsoEntryForm::qsoSaved);
        typeCallsign(*f, QStringLiteral("dl1abc"));
        QCOMPARE(f->entityLine(), QStringLiteral("DL  Fed. Rep. Of Germany  Eu"));
        QCOMPARE(f->tone(QStringLiteral("callsign")), QStringLiteral("normal"));
        QCOMPARE(f->field(QStringLiteral("cq")), QStringLiteral("14"));
        QCOMPARE(f->field(QStringLiteral("itu")), QStringLiteral("28"));
        QCOMPARE(f->qsoCountLine(), QStringLiteral("No QSOs"));
        QVERIFY(f->zoneLine().startsWith(QStringLiteral("CQ: 14  ITU: 28  Sunrise: ")));
        QVERIFY(!endLocator.isEmpty()); // the map draws the path to the entity

        typeInto(*f, QStringLiteral("qrgString"), QStringLiteral("14025"));
        QCOMPARE(f->field(QStringLiteral("qrgString")), QStringLiteral("14,025.0"));
        QCOMPARE(f->field(QStringLiteral("band")), QStringLiteral("20m"));
        QVERIFY(f->typeModeKey(QStringLiteral("c")));
        QCOMPARE(f->save(), QString());
        QCOMPARE(saved.count(), 1);

        const QList<QsoClass> qsos = logged();
        QCOMPARE(qsos.size(), 1);
        const QsoClass &q = qsos.first();
        QCOMPARE(q.callsign, QStringLiteral("DL1ABC"));
        QCOMPARE(q.adif, 230);
        QCOMPARE(q.cq, QStringLiteral("14"));
        QCOMPARE(q.prefix, QStringLiteral("DL1"));
        QCOMPARE(q.clublog, QStringLiteral("W"));
        QCOMPARE(q.qrg, 14025.0);
        QCOMPARE(q.band, QStringLiteral("20m"));
        QCOMPARE(q.mode, QStringLiteral("CW"));
        QCOMPARE(q.rsttx, QStringLiteral("599"));
        QCOMPARE(q.sqlDateTime(), QStringLiteral("2025-06-15 12:00:00"));
        // The entity's DX info now has 20m CW worked.
        QCOMPARE(m_app->log().getDxInfoString(230).mid(16, 3), QStringLiteral("W.."));

        // Cleared for the next QSO; mode, frequency and letters stay.
        QCOMPARE(f->field(QStringLiteral("callsign")), QString());
        QCOMPARE(f->field(QStringLiteral("cq")), QString());
        QCOMPARE(f->field(QStringLiteral("mode")), QStringLiteral("CW"));
        QCOMPARE(f->field(QStringLiteral("qrgString")), QStringLiteral("14,025.0"));
        QCOMPARE(f->field(QStringLiteral("rsttx")), QStringLiteral("599"));

        typeCallsign(*f, QStringLiteral("DL1ABC"));
        QCOMPARE(f->qsoCountLine(), QStringLiteral("1 QSO"));
        QVERIFY(f->dxInfo().contains(u'W'));
    }

    void unknownPrefixMarksTheCallsign()
    {
        auto f = form();
        typeCallsign(*f, QStringLiteral("QQ1XYZ"));
        QCOMPARE(f->tone(QStringLiteral("callsign")), QStringLiteral("error"));
        QVERIFY(f->dxInfo().isEmpty());
        QVERIFY(f->zoneLine().isEmpty());
    }

    void earlierQsosFillInBlue_data()
    {
        QTest::addColumn<QString>("earlierName");
        QTest::addColumn<QString>("shownName");
        QTest::addColumn<QString>("tone");
        QTest::newRow("a known name replaces the typed one") << "PETER"
                                                             << "PETER"
                                                             << "log";
        QTest::newRow("a one-letter name keeps the typed one") << "P"
                                                               << "HANS"
                                                               << "normal";
    }
    void earlierQsosFillInBlue()
    {
        QFETCH(QString, earlierName);
        QFETCH(QString, shownName);
        QFETCH(QString, tone);
        logEarlier(QStringLiteral("DL1ABC"), earlierName, QStringLiteral("JO62QM"));
        auto f = form();
        typeInto(*f, QStringLiteral("name"), QStringLiteral("hans"));
        typeCallsign(*f, QStringLiteral("DL1ABC"));
        QCOMPARE(f->field(QStringLiteral("name")), shownName);
        QCOMPARE(f->tone(QStringLiteral("name")), tone);
        QCOMPARE(f->field(QStringLiteral("locator")), QStringLiteral("JO62QM"));
        QVERIFY(f->locatorLine().startsWith(QStringLiteral("Sunrise: ")));
    }

    // A locator the log knows for the station, whatever its length, gives distance, bearing
    // and the map's end point, as typing it would.
    void locatorFromTheLogPointsTheWay_data()
    {
        QTest::addColumn<QString>("locator");
        QTest::newRow("four characters") << "FN31";
        QTest::newRow("six characters") << "FN31PR";
    }
    void locatorFromTheLogPointsTheWay()
    {
        QFETCH(QString, locator);
        m_app->log().updateMyLocator(QStringLiteral("JO62QM"));
        logEarlier(QStringLiteral("W1AW"), QStringLiteral("HIRAM"), locator);
        auto f = form();
        QSignalSpy endLocator(f.get(), &QsoEntryForm::endLocatorChanged);
        typeCallsign(*f, QStringLiteral("W1AW"));
        QCOMPARE(f->field(QStringLiteral("locator")), locator);
        const QString km = QStringLiteral("%1km").arg(
            MyFunctions::getDistanceFrom(QStringLiteral("JO62QM"), locator));
        QVERIFY2(f->locatorLine().contains(km), qPrintable(f->locatorLine()));
        QCOMPARE(f->bearing(), MyFunctions::getBearingFrom(QStringLiteral("JO62QM"), locator));
        QCOMPARE(endLocator.last().at(0).toString(), locator);
    }

    // A callsign typed and taken back leaves no entity, zones or bearing behind.
    void emptyCallsignShowsNoEntity()
    {
        m_app->log().updateMyLocator(QStringLiteral("JO62QM"));
        auto f = form();
        typeCallsign(*f, QStringLiteral("VK2"));
        QVERIFY(f->bearingKnown());
        QCOMPARE(f->field(QStringLiteral("cq")), QStringLiteral("30"));
        f->setField(QStringLiteral("callsign"), QString());
        f->leaveField(QStringLiteral("callsign"));
        QCOMPARE(f->entityLine(), QString());
        QCOMPARE(f->field(QStringLiteral("cq")), QString());
        QCOMPARE(f->field(QStringLiteral("itu")), QString());
        QVERIFY(!f->bearingKnown());
    }

    void invalidOperationIsStoredNegative_data()
    {
        QTest::addColumn<bool>("phone");
        QTest::newRow("tablet: details say invalid") << false;
        QTest::newRow("phone: switch off while editing") << true;
    }
    void invalidOperationIsStoredNegative()
    {
        QFETCH(bool, phone);
        auto f = form();
        typeCallsign(*f, QStringLiteral("DL1ABC"));
        typeInto(*f, QStringLiteral("qrgString"), QStringLiteral("14025"));
        f->typeModeKey(QStringLiteral("c"));
        if (!phone) {
            f->newDetailsSelected({}, {}, {}, {}, {}, false, {});
            QCOMPARE(f->stationTone(), QStringLiteral("invalid"));
            QCOMPARE(f->save(), QString());
        } else {
            QCOMPARE(f->save(), QString());
            auto p = form(true);
            QVERIFY(p->editQsoWithId(*logged().first().id));
            QCOMPARE(p->title(), QStringLiteral("Edit QSO"));
            p->setValidOperation(false);
            QCOMPARE(p->save(), QString());
        }
        const QList<QsoClass> qsos = logged();
        QCOMPARE(qsos.size(), 1);
        QCOMPARE(qsos.first().adif, 230);
        QCOMPARE(qsos.first().storedAdif(), -230);
        QVERIFY(!qsos.first().opIsValid);
    }

    void rememberedUserFieldsStayAfterSaving()
    {
        auto f = form();
        m_app->log().updateUserFieldRemember(true, 1);
        typeCallsign(*f, QStringLiteral("DL1ABC"));
        typeInto(*f, QStringLiteral("qrgString"), QStringLiteral("14025"));
        f->typeModeKey(QStringLiteral("c"));
        typeInto(*f, QStringLiteral("user_1"), QStringLiteral("contest"));
        typeInto(*f, QStringLiteral("user_2"), QStringLiteral("x1"));
        QCOMPARE(f->save(), QString());
        QCOMPARE(f->field(QStringLiteral("user_1")), QStringLiteral("CONTEST"));
        QCOMPARE(f->field(QStringLiteral("user_2")), QString());
        QCOMPARE(logged().first().user_2, QStringLiteral("X1"));
    }

    void countyIsAskedForUnitedStates()
    {
        auto f = form();
        typeCallsign(*f, QStringLiteral("K1ABC"));
        QVERIFY(f->countyAsked());
        QCOMPARE(f->countyLine(), QStringLiteral("Select in Details"));
        typeInto(*f, QStringLiteral("qrgString"), QStringLiteral("14025"));
        f->typeModeKey(QStringLiteral("c"));
        f->newDetailsSelected({}, QStringLiteral("QRP"), QStringLiteral("MA"),
                              QStringLiteral("Middlesex"), {}, {}, 3);
        QCOMPARE(f->countyLine(), QStringLiteral("MA,Middlesex"));
        QCOMPARE(f->save(), QString());
        const QsoClass q = logged().first();
        QCOMPARE(q.adif, 291);
        QCOMPARE(q.county, QStringLiteral("MA,Middlesex"));
        QCOMPARE(q.state, QStringLiteral("MA"));
        QCOMPARE(q.colorCode, 3);
        QVERIFY(!f->countyAsked());

        // The prompt itself is never stored.
        typeCallsign(*f, QStringLiteral("W1AW"));
        QCOMPARE(f->save(), QString());
        QCOMPARE(logged().first().county, QString());
    }

    void transceiverSetsModeBandAndFrequency()
    {
        auto f = form();
        QsoClass radio;
        radio.mode = QStringLiteral("SSB");
        radio.band = QStringLiteral("40m");
        radio.qrg = 7100.0;
        f->takeTrxData(radio);
        QCOMPARE(f->field(QStringLiteral("mode")), QStringLiteral("SSB"));
        QCOMPARE(f->field(QStringLiteral("rsttx")), QStringLiteral("59"));
        QCOMPARE(f->field(QStringLiteral("band")), QStringLiteral("40m"));
        QCOMPARE(f->field(QStringLiteral("qrgString")), QStringLiteral("7,100.0"));
    }

    void recordsAreTakenOver_data()
    {
        QTest::addColumn<bool>("spot");
        QTest::addColumn<QString>("tone");
        QTest::newRow("cluster spot") << true << "normal";
        QTest::newRow("callsign lookup shows brown") << false << "lookup";
    }
    void recordsAreTakenOver()
    {
        QFETCH(bool, spot);
        QFETCH(QString, tone);
        auto f = form();
        QSignalSpy front(f.get(), &QsoEntryForm::frontRequested);
        if (spot) {
            OneDxSpotClass s;
            s.dxCall = QStringLiteral("EA8AB.");
            s.qrg = 21250.0;
            s.mode = QStringLiteral("Phone");
            f->takeSpot(s);
        } else {
            QsoClass r;
            r.callsign = QStringLiteral("EA8AB");
            r.name = QStringLiteral("Jose");
            r.iota = QStringLiteral("AF-004");
            r.locator = QStringLiteral("IL18");
            f->takeOverRecord(r);
        }
        QCOMPARE(front.count(), 1);
        QCOMPARE(f->field(QStringLiteral("callsign")), QStringLiteral("EA8AB"));
        QCOMPARE(f->tone(QStringLiteral("callsign")), QStringLiteral("normal"));
        if (spot) {
            QCOMPARE(f->field(QStringLiteral("mode")), QStringLiteral("SSB"));
            QCOMPARE(f->field(QStringLiteral("band")), QStringLiteral("15m"));
            QCOMPARE(f->field(QStringLiteral("qrgString")), QStringLiteral("21,250.0"));
            QCOMPARE(f->field(QStringLiteral("rstrx")), QStringLiteral("59"));
        } else {
            QCOMPARE(f->field(QStringLiteral("name")), QStringLiteral("Jose"));
            QCOMPARE(f->tone(QStringLiteral("name")), tone);
            QCOMPARE(f->field(QStringLiteral("iota")), QStringLiteral("AF-004"));
        }
    }

    void phoneStartsFromTheLastQso()
    {
        m_app->log().updateUserFieldRemember(true, 2);
        m_app->defaults().setValue(QStringLiteral("Default_User_2"), QStringLiteral("POTA"));
        m_app->defaults().setValue(QStringLiteral("LastUsedPowerIndex"), 2);
        logEarlier(QStringLiteral("DL1ABC"), QStringLiteral("HANS"));
        auto f = form(true);
        QCOMPARE(f->title(), QStringLiteral("New QSO"));
        QCOMPARE(f->field(QStringLiteral("mode")), QStringLiteral("CW"));
        QCOMPARE(f->field(QStringLiteral("band")), QStringLiteral("40m"));
        QCOMPARE(f->field(QStringLiteral("rsttx")), QStringLiteral("599"));
        QCOMPARE(f->field(QStringLiteral("eqsl")), QStringLiteral("W"));
        QCOMPARE(f->field(QStringLiteral("user_2")), QStringLiteral("POTA"));
        QCOMPARE(f->powerIndex(), 2);
        f->newQso(); // the page opens again: the clock still fills date and time
        QCOMPARE(f->field(QStringLiteral("dateString")), QStringLiteral("15/06/2025"));
        QCOMPARE(f->field(QStringLiteral("timeString")), QStringLiteral("1200"));

        typeInto(*f, QStringLiteral("user_2"), QStringLiteral("sota"));
        QCOMPARE(m_app->defaults().string(QStringLiteral("Default_User_2")),
                 QStringLiteral("SOTA"));
        f->setPowerIndex(6);
        f->setField(QStringLiteral("power"), QStringLiteral("5w"));
        typeCallsign(*f, QStringLiteral("G4XYZ"));
        QCOMPARE(f->save(), QString());
        QCOMPARE(logged().first().power, QStringLiteral("5W"));
        QCOMPARE(m_app->defaults().string(QStringLiteral("LastUsedPowerString")),
                 QStringLiteral("5W"));
    }

    void phoneEditKeepsTheStoredDate()
    {
        logEarlier(QStringLiteral("DL1ABC"), QStringLiteral("HANS"));
        const QsoClass stored = logged().first();
        m_app->clock().setFixed(QDateTime(QDate(2025, 7, 1), QTime(8, 0), QTimeZone::utc()));
        auto f = form(true);
        QVERIFY(f->editQsoWithId(*stored.id));
        typeInto(*f, QStringLiteral("note"), QStringLiteral("nice signal"));
        QCOMPARE(f->save(), QString());
        const QList<QsoClass> qsos = logged();
        QCOMPARE(qsos.size(), 1);
        QCOMPARE(qsos.first().note, QStringLiteral("NICE SIGNAL"));
        QCOMPARE(qsos.first().sqlDateTime(), stored.sqlDateTime());
        QCOMPARE(qsos.first().adif, 230);
        QVERIFY(!f->editQsoWithId(9999));
    }

    void refusedSaveIsReported_data()
    {
        QTest::addColumn<bool>("edit");
        QTest::newRow("a new QSO") << false;
        QTest::newRow("a changed QSO") << true;
    }

    void refusedSaveIsReported()
    {
        QFETCH(bool, edit);
        logEarlier(QStringLiteral("DL1ABC"), QStringLiteral("HANS"));
        auto f = form();
        if (edit)
            QVERIFY(f->editQsoWithId(*logged().first().id));
        else
            typeCallsign(*f, QStringLiteral("G4XYZ"));
        typeInto(*f, QStringLiteral("name"), QStringLiteral("BOB"));
        QVERIFY(makeLogbookReadOnly(m_dir->filePath(QStringLiteral("DefaultLog.rlog"))));
        QCOMPARE(f->save(), QStringLiteral("The logbook could not store the QSO."));
        QCOMPARE(f->fields().value(QStringLiteral("name")).toString(), QStringLiteral("BOB"));
        QCOMPARE(logged().size(), 1);
        QCOMPARE(logged().first().name, QStringLiteral("HANS"));
    }

    void ownPositionGoesIntoTheNote()
    {
        auto f = form();
        f->setSaveCurrentLocation(true);
        f->ownPositionChanged({52.52, 13.40}, 34.4);
        QCOMPARE(f->myLocator(), QStringLiteral("JO62QM"));
        QCOMPARE(f->positionLine(),
                 QStringLiteral("JO62QM (Lat: 52.520000º  Long: 13.400000º Alt: 34m)"));
        typeCallsign(*f, QStringLiteral("DL1ABC"));
        typeInto(*f, QStringLiteral("qrgString"), QStringLiteral("14025"));
        f->typeModeKey(QStringLiteral("c"));
        typeInto(*f, QStringLiteral("note"), QStringLiteral("portable"));
        QCOMPARE(f->save(), QString());
        QCOMPARE(logged().first().note, f->positionLine() + QStringLiteral(" PORTABLE"));
        f->setSaveCurrentLocation(false);
    }

    void myGridUserFieldTakesTheLongLocator()
    {
        auto f = form();
        m_app->log().updateUserFieldAdifIdx(1, 3);
        f->setSaveCurrentLocation(true);
        f->ownPositionChanged({52.52, 13.40}, 34.4);
        QCOMPARE(f->field(QStringLiteral("user_3")).size(), 8);
        QVERIFY(f->field(QStringLiteral("user_3")).startsWith(QStringLiteral("JO62QM")));
        QCOMPARE(f->positionLine(), QStringLiteral("Alt: 34m"));
        f->setSaveCurrentLocation(false);
    }

    void lookupButtonNeedsCredentials()
    {
        auto f = form();
        typeCallsign(*f, QStringLiteral("DL1ABC"));
        QVERIFY(!f->lookupVisible());
        QCOMPARE(f->lookupTitle(), QStringLiteral("HamQTH"));
        m_app->defaults().setValue(QStringLiteral("SegQthQrz"), 1);
        m_app->defaults().setValue(QStringLiteral("QRZ_UserName"), QStringLiteral("me"));
        m_app->defaults().setValue(QStringLiteral("QRZ_PassWord"), QStringLiteral("c2VjcmV0"));
        f->preferencesChanged(); // the lookup settings page says so
        QCOMPARE(f->lookupTitle(), QStringLiteral("QRZ"));
        QVERIFY(f->lookupVisible());
    }
};

QTEST_GUILESS_MAIN(EntryFormTest)
#include "tst_entryform.moc"
