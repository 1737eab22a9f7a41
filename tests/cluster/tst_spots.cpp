// Spots: the cluster line parser, the filter, the colouring against a real logbook, the spot
// list and its table model, and the in-memory answers the colouring reads.

#include "AppFixture.h"
#include "ExpectedOutput.h"
#include "app/UserDefaults.h"
#include "cluster/SpotFilter.h"
#include "cluster/SpotList.h"
#include "cluster/SpotMaker.h"
#include "cluster/SpotParser.h"
#include "cluster/SpotTableModel.h"
#include "model/LogModel.h"
#include "refdata/MyFunctions.h"
#include "root/AppDelegate.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace cluster;

namespace {

const QDateTime kNow(QDate(2024, 5, 1), QTime(12, 40, 17), Qt::UTC);

OneDxSpotClass listed(const QString &call, int xBand, const QString &mode, int minutesAgo)
{
    OneDxSpotClass spot;
    spot.dxCall = call;
    spot.xBand = xBand;
    spot.band = QString::number(xBand);
    spot.mode = mode;
    spot.spotTimeStamp = kNow.addSecs(-60 * minutesAgo);
    spot.timeSince1970 = double(spot.spotTimeStamp.toSecsSinceEpoch());
    return spot;
}

QStringList rows(const SpotList &list)
{
    QStringList calls;
    for (int row = 0; row < list.visibleCount(); ++row)
        calls << list.visibleAt(row).dxCall + (list.visibleAt(row).doppelt ? "*" : "");
    return calls;
}

/** The colours of the call, entity, frequency, mode and IOTA columns by their initials. */
QString colours(const std::optional<OneDxSpotClass> &spot)
{
    if (!spot)
        return QStringLiteral("dropped");
    QString text;
    for (const SpotColor color :
         {spot->callColor, spot->dxColor, spot->qrgColor, spot->modeColor, spot->iotaColor})
        text += spotColorName(color).at(0).toUpper();
    return text;
}

QString letters(std::initializer_list<bool> values)
{
    QString text;
    for (const bool value : values)
        text += value ? u'1' : u'0';
    return text;
}

QString answerText(const SpotAnswers &a)
{
    return letters({a.stnWkdBefore, a.stnCfdBefore, a.dxWkd, a.dxCfd, a.dxCfdLotw, a.bandWkd,
                    a.bandCfd, a.bandCfdLotw, a.modeWkd, a.modeCfd, a.modeCfdLotw, a.bandModeWkd,
                    a.bandModeCfd});
}

/** The same thirteen answers, each asked of the logbook on its own. */
QString answerTextFromQueries(LogModel &log, const OneDxSpotClass &s)
{
    return letters({log.stnWkdBefore(s), log.stnCfdBefore(s), log.dxWkd(s.adif), log.dxCfd(s.adif),
                    log.dxCfdLotw(s.adif), log.bandWkd(s), log.bandCfd(s), log.bandCfdLotw(s),
                    log.modeWkd(s), log.modeCfd(s), log.modeCfdLotw(s), log.bandModeWkd(s),
                    log.bandModeCfd(s)});
}

} // namespace

class SpotsTest : public QObject, AppFixture {
    Q_OBJECT

    LogModel &log() { return m_app->log(); }

    void save(const char *call, const char *band, const char *mode, const char *qsl,
              const char *iota = "")
    {
        QsoClass qso;
        qso.callsign = QString::fromLatin1(call);
        const CountryClass country = m_app->dxcc().getDXCC(qso.callsign);
        qso.adif = country.adif;
        qso.dxcc = country.dxcc;
        qso.band = QString::fromLatin1(band);
        qso.mode = QString::fromLatin1(mode);
        qso.qsl = QString::fromLatin1(qsl);
        qso.lotwqsl = QStringLiteral("W");
        qso.iota = QString::fromLatin1(iota);
        qso.dateTime = QDateTime::fromString(QStringLiteral("2023-05-01T12:00:00Z"), Qt::ISODate);
        QVERIFY(log().saveNewQSOtoLog(qso));
    }

    /** Every answer from memory equals the logbook's own queries (asked of a new model, which
     *  holds nothing from before), for every station, band and mode class of the generated log
     *  and one it does not hold. */
    void compareCacheWithQueries(const QStringList &calls)
    {
        const std::unique_ptr<LogModel> reference = log().pinned();
        const QStringList bands{"160m", "20m", "15m", "60m", "23cm", "4m"};
        for (const QString &call : calls + QStringList{"ZZ9ZZ"})
            for (const QString &band : bands)
                for (int xMode = 0; xMode <= 3; ++xMode) {
                    OneDxSpotClass s;
                    s.dxCall = call + ".";
                    s.band = band;
                    s.xBand = refdata::band2xBand(band);
                    s.xMode = xMode;
                    s.adif = m_app->dxcc().getDXCC(call).adif;
                    QCOMPARE(answerText(log().spotAnswers(s)),
                             answerTextFromQueries(*reference, s));
                }
        for (const QString iota : {"EU-005", "EU-099", "OC-001", "AS-007"}) {
            const QString status = reference->getIotaStatus(iota);
            QCOMPARE(log().iotaWkd(iota), status != "-");
            // "G" counts as a card for the status, not for the cluster.
            if (status == "-" || status == "W")
                QVERIFY(!log().iotaCfd(iota));
            if (status == "L" || status == "X")
                QVERIFY(log().iotaCfd(iota));
        }
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() { startApp(kNow); }

    /** Cluster lines (data/spotlines/, a "# what it shows" line above each) against what the
     *  parser reads from them; null for a line that is no spot. */
    void parsesLines_data() { expected::addInputRows(BRINDLEWICK_TEST_DATA "/spotlines"); }

    void parsesLines()
    {
        QFETCH(QString, input);
        QJsonArray cases;
        QString what;
        for (const QByteArray &raw : expected::readAll(input).split('\n')) {
            const QString line = QString::fromUtf8(raw);
            if (line.startsWith(u'#')) {
                what = line.mid(2);
                continue;
            }
            if (what.isEmpty())
                continue; // the end of the file
            const std::optional<SpotLine> spot = parseSpotLine(line);
            QJsonValue read(QJsonValue::Null);
            if (spot)
                read = QJsonObject{{"dxDe", spot->dxDe},
                                   {"dxCall", spot->dxCall},
                                   {"kHz", spot->kHz},
                                   {"note", spot->note},
                                   {"time", spot->time ? spot->time->toString("HH:mm") : QString()},
                                   {"columnBeforeTime", spot->columnBeforeTime},
                                   {"spotterColumn", spot->spotterColumn}};
            cases << QJsonObject{{"case", what}, {"line", line}, {"spot", read}};
            what.clear();
        }
        COMPARE_EXPECTED(input, cases);
    }

    void hugeFrequencyReadsAsNone()
    {
        const std::optional<SpotLine> spot =
            parseSpotLine(QString("DX de K1ABC: 1" + QString(100000, u'0') + " A1B 1234Z"));
        QVERIFY(spot);
        QCOMPARE(spot->kHz, 0.0);
        QCOMPARE(spot->dxCall, QStringLiteral("A1B"));
    }

    /** Lines as DXSpider and other nodes send them (stored with a comment line above each),
     *  against the spots expected of them: call, kHz, mode, note, time and the columns taken
     *  out of the comment. */
    void readsStoredNodeLines()
    {
        QFile lines(QStringLiteral(BRINDLEWICK_TEST_DATA "/dxspider-lines.txt"));
        QFile expected(QStringLiteral(BRINDLEWICK_TEST_DATA "/dxspider-spots.txt"));
        QVERIFY(lines.open(QIODevice::ReadOnly) && expected.open(QIODevice::ReadOnly));
        SpotMaker maker(log(), m_app->dxcc());
        maker.setOptions({MyFunctions::bandTable(m_app->defaults()), false, false, {}, ""});
        QStringList actual;
        for (const QByteArray &raw : lines.readAll().split('\n')) {
            const QString line = QString::fromUtf8(raw);
            if (line.startsWith(u'#') || line.isEmpty()) {
                actual << line;
                continue;
            }
            const std::optional<SpotLine> parsed = parseSpotLine(line);
            const std::optional<OneDxSpotClass> spot = maker.spotFromDxDe(line, kNow);
            QVERIFY2(parsed && spot, qPrintable(line));
            actual << QStringList{spot->dxCall,
                                  QString::number(spot->qrg),
                                  spot->mode,
                                  spot->note,
                                  spot->spotTimeStamp.toString("HH:mm"),
                                  parsed->columnBeforeTime,
                                  parsed->spotterColumn}
                          .join(u'|');
        }
        const QStringList wanted = QString::fromUtf8(expected.readAll()).split(u'\n');
        for (qsizetype i = 0; i < std::max(actual.size(), wanted.size()); ++i)
            QVERIFY2(actual.value(i) == wanted.value(i),
                     qPrintable(QStringLiteral("line %1:\n  got      %2\n  expected %3")
                                    .arg(i + 1)
                                    .arg(actual.value(i), wanted.value(i))));
    }

    void placesSpotTimes_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QDateTime>("instant");

        const QDate day(2024, 5, 2);
        const auto at = [](QDate d, int h, int m, int s) {
            return QDateTime(d, QTime(h, m, s), Qt::UTC);
        };
        QTest::newRow("earlier today, seconds of now")
            << at(day, 12, 40, 17) << QTime(12, 34) << at(day, 12, 34, 17);
        QTest::newRow("2359 arriving after midnight is yesterday")
            << at(day, 0, 5, 30) << QTime(23, 59) << at(day.addDays(-1), 23, 59, 30);
        QTest::newRow("an hour ahead is still today")
            << at(day, 12, 0, 0) << QTime(13, 0) << at(day, 13, 0, 0);
        QTest::newRow("more than an hour ahead is yesterday")
            << at(day, 12, 0, 0) << QTime(13, 1) << at(day.addDays(-1), 13, 1, 0);
    }

    void placesSpotTimes()
    {
        QFETCH(QDateTime, now);
        QFETCH(QTime, time);
        QFETCH(QDateTime, instant);
        QCOMPARE(spotInstant(time, now), instant);
    }

    void filtersBandsAndModes_data()
    {
        QTest::addColumn<QVariantMap>("settings");
        QTest::addColumn<int>("xBand");
        QTest::addColumn<int>("xMode");
        QTest::addColumn<bool>("shown");

        QTest::newRow("unknown band never") << QVariantMap{} << 0 << 1 << false;
        QTest::newRow("nothing hidden yet") << QVariantMap{} << 5 << 1 << true;
        QTest::newRow("60m can be shown") << QVariantMap{} << 19 << 2 << true;
        QTest::newRow("60m can be hidden")
            << QVariantMap{{"Cluster_Hide_Band_19", true}} << 19 << 2 << false;
        QTest::newRow("4m hidden as a text")
            << QVariantMap{{"Cluster_Hide_Band_20", "true"}} << 20 << 3 << false;
        QTest::newRow("CW hidden") << QVariantMap{{"ClusterShowCW", false}} << 5 << 1 << false;
        QTest::newRow("unknown class passes")
            << QVariantMap{{"ClusterShowCW", false}} << 5 << 0 << true;
        QTest::newRow("phone shown") << QVariantMap{{"ClusterShowCW", false}} << 5 << 3 << true;
    }

    void filtersBandsAndModes()
    {
        QFETCH(QVariantMap, settings);
        QFETCH(int, xBand);
        QFETCH(int, xMode);
        QFETCH(bool, shown);
        for (auto it = settings.cbegin(); it != settings.cend(); ++it)
            m_app->defaults().setValue(it.key(), it.value());
        OneDxSpotClass spot;
        spot.xBand = xBand;
        spot.xMode = xMode;
        QCOMPARE(SpotFilter::read(m_app->defaults()).accepts(spot), shown);
    }

    void coloursFromTheLog_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("marked");
        QTest::addColumn<QString>("colours"); // call, entity, frequency, mode, IOTA
        QTest::addColumn<bool>("isNew");      // kept with "NewOnesOnly"

        // L label, R red, O orange, B blue, G green, M magenta.
        struct Row {
            const char *name;
            const char *spot;
            const char *marked;
            const char *colours;
            bool isNew;
        };
        const Row rows[] = {
            {"new entity", "14025.0 JA1XYZ", "", "LRLLL", true},
            {"entity worked, station not", "14025.0 F6BBB", "", "LOLLL", true},
            {"entity and station worked", "14025.0 F5AAA", "", "BBLLL", true},
            {"unknown entity", "14025.0 Q1ABC", "", "LMLLL", false},
            {"nothing new", "14025.0 DL1AAA", "", "GLLLL", false},
            {"new band", "18080.0 DL3CCC", "", "LLRLL", true},
            {"band not confirmed", "7025.0 DL3CCC", "", "LLOLL", true},
            {"class not confirmed", "14200.0 DL3CCC", "", "LLLOL", true},
            {"new class", "14200.0 I2BBB", "", "LLLRL", true},
            {"new slot", "28025.0 DL3CCC", "", "LLBBL", true},
            {"slot not confirmed", "14074.0 DL3CCC", "", "LLGGL", true},
            {"marked with a star, worked", "14025.0 DL1AAA", "XX1 DL1*", "OLLLL", true},
            {"marked exactly, not worked", "14025.0 DL9ZZ", "DL9ZZ", "RLLLL", true},
            {"IOTA of the note, worked", "14025.0 G4XYZ IOTA EU-005", "", "LOLLO", true},
            {"IOTA never worked", "14025.0 DL1AAA IOTA EU-099", "", "GLLLR", true},
        };
        for (const Row &row : rows)
            QTest::newRow(row.name)
                << QStringLiteral("DX de K1ABC: %1 1234Z").arg(QLatin1String(row.spot))
                << QString::fromLatin1(row.marked).split(u' ', Qt::SkipEmptyParts)
                << QString::fromLatin1(row.colours) << row.isNew;
    }

    void coloursFromTheLog()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, marked);
        QFETCH(QString, colours);
        QFETCH(bool, isNew);
        save("DL1AAA", "20m", "CW", "R");
        save("DL2BBB", "40m", "SSB", "");
        save("DL2BBB", "10m", "FT8", "R");
        save("DL4DDD", "20m", "FT8", "");
        save("I1AAA", "20m", "CW", "R");
        save("F5AAA", "20m", "CW", "");
        save("G3AAA", "40m", "CW", "", "EU-005");
        SpotMaker maker(log(), m_app->dxcc());
        SpotMaker::Options options{
            MyFunctions::bandTable(m_app->defaults()), true, false, marked, {}};
        maker.setOptions(options);
        QCOMPARE(::colours(maker.spotFromDxDe(line, kNow)), colours);
        options.newOnesOnly = true;
        maker.setOptions(options);
        QCOMPARE(::colours(maker.spotFromDxDe(line, kNow)), isNew ? colours : "dropped");
        options.coloredSpots = false; // and so no new-ones filter either
        maker.setOptions(options);
        QCOMPARE(::colours(maker.spotFromDxDe(line, kNow)), "LLLLL");
    }

    void makesSpots()
    {
        QFile lotw(m_dir->filePath("lotw.txt"));
        QVERIFY(lotw.open(QIODevice::WriteOnly));
        lotw.write("JA1XYZ\nK1ABC\n");
        lotw.close();
        save("JA1XYZ", "20m", "RTTY", "");
        SpotMaker maker(log(), m_app->dxcc());
        maker.setOptions({MyFunctions::bandTable(m_app->defaults()), true, false, {}, "JO40df"});
        std::optional<OneDxSpotClass> spot =
            maker.spotFromDxDe(u"DX de K1ABC: 14080.0 JA1XYZ rtty up 2 1234Z\r", kNow);
        QVERIFY(spot);
        QCOMPARE(spot->dxCall, "JA1XYZ.");
        QCOMPARE(spot->callColor, SpotColor::Blue); // the LoTW mark is not part of the station
        QCOMPARE(spot->band, "20m");
        QCOMPARE(spot->mode, "RTTY");
        QCOMPARE(spot->spotTimeStamp, QDateTime(kNow.date(), QTime(12, 34, 17), Qt::UTC));
        QVERIFY(spot->hasPosition);
        QVERIFY2(spot->dist > 8500 && spot->dist < 9500, qPrintable(QString::number(spot->dist)));
        QVERIFY(spot->hdg > 20 && spot->hdg < 60);

        // Without an own locator nothing is measured; a spot without a time is as old as now.
        maker.setOptions({MyFunctions::bandTable(m_app->defaults()), true, false, {}, ""});
        QTest::ignoreMessage(QtInfoMsg, "spotLine: DX de K1ABC: 14025.0 JA1XYZ tnx!");
        QTest::ignoreMessage(QtInfoMsg, "s: tnx!");
        spot = maker.spotFromDxDe(u"DX de K1ABC: 14025.0 JA1XYZ tnx!", kNow);
        QVERIFY(spot);
        QVERIFY(!spot->hasPosition);
        QCOMPARE(spot->spotTimeStamp, kNow);
        QCOMPARE(spot->note, "tnx!");

        // The diagnostic shows a node's escape sequences harmless.
        QTest::ignoreMessage(QtInfoMsg, "spotLine: DX de K1ABC: 14025.0 JA1XYZ \ufffd[2Jtnx!");
        QTest::ignoreMessage(QtInfoMsg, "s: \ufffd[2Jtnx!");
        QVERIFY(maker.spotFromDxDe(u"DX de K1ABC: 14025.0 JA1XYZ \x1b[2Jtnx!\r", kNow));
    }

    void listsSpots()
    {
        SpotList list(5);
        list.add(listed("JA1XYZ", 5, "CW", 10));
        list.add(listed("DL1AAA", 3, "CW", 8));
        list.add(listed("ja1xyz", 5, "CW", 6)); // another station: calls compare exactly
        list.add(listed("JA1XYZ", 5, "Phone", 5));
        list.add(listed("JA1XYZ", 5, "CW", 12)); // arrives late: sorted in, still the newest
        QCOMPARE(rows(list), QStringList({"JA1XYZ", "DL1AAA", "ja1xyz", "JA1XYZ"}));
        QCOMPARE(list.visibleAt(0).mode, "CW");
        list.setSegment(SpotList::kAllSpotsSegment);
        QCOMPARE(rows(list), QStringList({"JA1XYZ", "JA1XYZ*", "DL1AAA", "ja1xyz", "JA1XYZ"}));
        list.setSearch("Xyz");
        QCOMPARE(rows(list), QStringList({"JA1XYZ", "JA1XYZ*", "ja1xyz", "JA1XYZ"}));
        list.setSegment(3);
        QVERIFY(list.search().isEmpty());
        QCOMPARE(rows(list), QStringList({"DL1AAA"}));

        // Full: the oldest goes, and a spot older than all is not taken.
        list.setSegment(0);
        list.add(listed("K1ABC", 5, "CW", 1));
        QCOMPARE(list.size(), 5);
        QCOMPARE(rows(list), QStringList({"DL1AAA", "ja1xyz", "JA1XYZ", "K1ABC"}));
        list.add(listed("VK9X", 5, "CW", 60));
        QCOMPARE(list.size(), 5);
        QCOMPARE(list.allSpotsOf("JA1XYZ.").size(), std::size_t(2));
    }

    void agesSpots_data()
    {
        QTest::addColumn<int>("secondsAgo");
        QTest::addColumn<QString>("ago"); // "gone" when removed

        QTest::newRow("ahead of now") << -600 << "Now";
        QTest::newRow("under a minute") << 59 << "Now";
        QTest::newRow("minutes round") << 150 << "2 min";
        QTest::newRow("just under an hour") << 3590 << "60 min";
        QTest::newRow("hours") << 5400 << "1.5 h";
        QTest::newRow("two hours stay") << 7200 << "2.0 h";
        QTest::newRow("past two hours go") << 7201 << "gone";
    }

    void agesSpots()
    {
        QFETCH(int, secondsAgo);
        QFETCH(QString, ago);
        SpotList list;
        OneDxSpotClass spot = listed("JA1XYZ", 5, "CW", 0);
        spot.spotTimeStamp = kNow.addSecs(-secondsAgo);
        list.add(spot);
        list.add(listed("DL1AAA", 5, "CW", 200)); // gone in every case
        list.age(kNow);
        QCOMPARE(list.size() == 1 ? list.visibleAt(0).ago : QStringLiteral("gone"), ago);
    }

    void tableModelFollowsTheList()
    {
        SpotTableModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy added(&model, &SpotTableModel::spotsAdded);
        OneDxSpotClass spot = listed("JA1XYZ", 5, "CW", 30);
        spot.qrg = 14025.0;
        spot.dxcc = "JA";
        spot.dist = 9123;
        spot.hdg = 35;
        spot.dxDe = "K1ABC:"; // as the node sends it
        model.enqueue(spot);
        model.enqueue(listed("DL1AAA", 3, "CW", 150));
        QCOMPARE(model.rowCount(), 0);
        QTRY_COMPARE(model.rowCount(), 2); // the flush timer
        QCOMPARE(added.count(), 1);
        const QModelIndex ja = model.index(1);
        QCOMPARE(ja.data(SpotTableModel::QrgRole), "14,025.0");
        QCOMPARE(ja.data(SpotTableModel::DistanceRole), ""); // not measured
        QCOMPARE(ja.data(SpotTableModel::SpotterRole), "K1ABC");
        spot.hasPosition = true;
        spot.timeSince1970 += 60;
        model.enqueue(spot); // supersedes the first
        model.flush();
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.index(1).data(SpotTableModel::DistanceRole), "9,123 km");
        QCOMPARE(model.index(1).data(SpotTableModel::HeadingRole), "35°");
        model.setSegment(SpotList::kAllSpotsSegment);
        QCOMPARE(model.rowCount(), 3);
        model.age(kNow);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.index(0).data(SpotTableModel::AgoRole), "30 min");
        QCOMPARE(model.index(0).data(SpotTableModel::SupersededRole), true);
        model.setSearch("dl");
        QCOMPARE(model.rowCount(), 0);
        model.clear();
        QCOMPARE(model.spots().size(), 0);
    }

    void cacheAnswersLikeTheQueries()
    {
        // A generated log: repeat stations, every band the cluster knows, cards of all kinds,
        // invalid operations, IOTA references and modes outside the usual ones.
        const QStringList calls{"DL1AAA", "F5AAA", "G3AAA", "JA1XYZ", "K1ABC", "VK2AA", "ZS6A"};
        const QStringList bands{"160m", "20m", "15m", "60m", "23cm", "4m"};
        const QStringList modes{"CW", "PCW", "SSB", "USB", "FT8", "RTTY", "", "cw"};
        const QStringList qsls{"", "R", "X", "G", "W"};
        const QStringList iotas{"", "EU-005", "OC-001", "AS-007"};
        QRandomGenerator random(7);
        const auto pick = [&random](const QStringList &list) {
            return list.at(random.bounded(int(list.size())));
        };
        QList<QsoClass> qsos;
        QList<QsoClass> refresh;
        for (int i = 0; i < 600; ++i) {
            QsoClass qso;
            qso.callsign = pick(calls);
            const CountryClass country = m_app->dxcc().getDXCC(qso.callsign);
            qso.adif = country.adif;
            qso.dxcc = country.dxcc;
            qso.opIsValid = random.bounded(10) > 0;
            qso.band = pick(bands);
            qso.mode = pick(modes);
            qso.qsl = pick(qsls);
            qso.lotwqsl = random.bounded(3) == 0 ? "X" : "W";
            qso.iota = pick(iotas);
            qso.dateTime =
                QDateTime::fromString(QStringLiteral("2023-05-01T12:00:00Z"), Qt::ISODate);
            qsos.append(qso);
            refresh.append(qso);
        }
        QVERIFY(log().saveAllQSOsToLog(qsos, refresh));
        compareCacheWithQueries(calls);

        // Kept current by this model's saves, rebuilt after its deletes.
        QsoClass qso = qsos.first();
        qso.callsign = "ZZ9ZZ";
        qso.band = "60m";
        qso.mode = "CW";
        qso.qsl = "R";
        qso.iota = "AS-007";
        QVERIFY(log().saveNewQSOtoLog(qso));
        compareCacheWithQueries(calls + QStringList{"ZZ9ZZ"});
        const QList<QsoClass> stored = log().getAllQSOsWith("JA1XYZ");
        for (const QsoClass &gone : stored)
            QVERIFY(log().deleteQSO(gone));
        compareCacheWithQueries(calls);

        // Another writer is seen once the cache looks at the file's stamp again.
        const std::unique_ptr<LogModel> other = log().pinned();
        qso.callsign = "JA1XYZ";
        qso.adif = m_app->dxcc().getDXCC(qso.callsign).adif;
        QVERIFY(other->saveNewQSOtoLog(qso));
        OneDxSpotClass spot;
        spot.dxCall = qso.callsign + ".";
        spot.band = qso.band;
        spot.xBand = refdata::band2xBand(qso.band);
        spot.adif = qso.adif;
        QTRY_VERIFY(log().spotAnswers(spot).stnWkdBefore);
        compareCacheWithQueries(calls);
    }
};

QTEST_GUILESS_MAIN(SpotsTest)
#include "tst_spots.moc"
