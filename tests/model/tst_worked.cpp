// Worked and confirmed: the DX info texts and the questions the cluster and entry form ask.

#include "db/Database.h"
#include "model/DxInfo.h"
#include "model/DxccStatistics.h"
#include "model/FileWorkedStore.h"
#include "model/LogModel.h"
#include "model/PrefixRanges.h"
#include "model/QslSession.h"
#include "refdata/Bands.h"
#include "refdata/ModeClasses.h"
#include "refdata/OneDxSpotClass.h"
#include "root/AppDelegate.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Qso {
    const char *call;
    const char *band;
    const char *mode;
    const char *qsl;
    const char *lotw;
    int adif;
    const char *iota = "";
    const char *locator = "";
};

} // namespace

// Declared before the test tables use it: a Release build instantiates QMetaTypeId early.
Q_DECLARE_METATYPE(Qso)

namespace {

OneDxSpotClass spot(const QString &call, const QString &band, int xBand, int xMode, int adif)
{
    OneDxSpotClass s;
    s.dxCall = call;
    s.band = band;
    s.xBand = xBand;
    s.xMode = xMode;
    s.adif = adif;
    return s;
}

/** The thirteen answers as letters: station worked/confirmed, entity (3), band (3), mode (3),
 *  slot (2); "1" true, "0" false. */
QString answers(LogModel &log, const OneDxSpotClass &s)
{
    const bool values[] = {log.stnWkdBefore(s), log.stnCfdBefore(s),   log.dxWkd(s.adif),
                           log.dxCfd(s.adif),   log.dxCfdLotw(s.adif), log.bandWkd(s),
                           log.bandCfd(s),      log.bandCfdLotw(s),    log.modeWkd(s),
                           log.modeCfd(s),      log.modeCfdLotw(s),    log.bandModeWkd(s),
                           log.bandModeCfd(s)};
    QString text;
    for (const bool value : values)
        text += value ? u'1' : u'0';
    return text;
}

/** A QSO written as "call band mode qsl lotwqsl entity iota" ("-" for an empty text, a negative
 *  entity for an invalid operation). */
QsoClass qsoFrom(const QString &line)
{
    const QStringList f = line.split(u' ', Qt::SkipEmptyParts);
    const auto text = [&f](int i) { return f.at(i) == u"-" ? QString() : f.at(i); };
    QsoClass qso;
    qso.callsign = f.at(0);
    qso.band = f.at(1);
    qso.mode = text(2);
    qso.qsl = text(3);
    qso.lotwqsl = text(4);
    qso.adif = std::abs(f.at(5).toInt());
    qso.opIsValid = f.at(5).toInt() >= 0;
    qso.dxcc = QStringLiteral("DL");
    qso.iota = text(6);
    qso.dateTime = QDateTime::fromString(QStringLiteral("2024-05-01T12:00:00Z"), Qt::ISODate);
    return qso;
}

/** Everything the cluster and the entry form ask, for every station, band, mode class, entity
 *  and island of the given QSOs, as one text per question. */
QStringList everyAnswer(LogModel &log, const QList<QsoClass> &qsos, bool stored)
{
    QSet<QString> calls{QStringLiteral("NOBODY")};
    QSet<QString> bands{QStringLiteral("20m"), QStringLiteral("60m")};
    QSet<int> entities{230, 291};
    QSet<QString> islands{QStringLiteral("EU-042")};
    for (const QsoClass &qso : qsos) {
        calls.insert(qso.callsign);
        bands.insert(qso.band);
        entities.insert(qso.adif);
        islands.insert(qso.iota);
    }
    QStringList answers;
    for (const QString &call : calls)
        for (const QString &band : bands)
            for (const int adif : entities)
                for (int xMode = 0; xMode <= 3; ++xMode) {
                    const SpotAnswers a =
                        log.spotAnswers(spot(call, band, refdata::band2xBand(band), xMode, adif));
                    const bool values[] = {
                        a.stnWkdBefore, a.stnCfdBefore, a.dxWkd,       a.dxCfd,   a.dxCfdLotw,
                        a.bandWkd,      a.bandCfd,      a.bandCfdLotw, a.modeWkd, a.modeCfd,
                        a.modeCfdLotw,  a.bandModeWkd,  a.bandModeCfd};
                    QString text =
                        QStringLiteral("%1 %2 %3 %4 ").arg(call, band).arg(adif).arg(xMode);
                    for (const bool value : values)
                        text += value ? u'1' : u'0';
                    answers << text;
                }
    for (const QString &island : islands)
        answers << QStringLiteral("%1 %2%3")
                       .arg(island)
                       .arg(log.iotaWkd(island))
                       .arg(log.iotaCfd(island));
    // The stored DX info texts against texts built from the QSOs.
    for (const int adif : entities)
        answers << QStringLiteral("%1 %2").arg(adif).arg(
            stored ? log.getDxInfoString(adif) : dxinfo::usable(log.makeDxInfoString(adif)));
    answers.sort();
    return answers;
}
} // namespace

class WorkedTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppDelegate> m_app;
    std::unique_ptr<LogModel> m_log;

    void save(const Qso &q)
    {
        QsoClass qso;
        qso.callsign = QString::fromLatin1(q.call);
        qso.band = QString::fromLatin1(q.band);
        qso.mode = QString::fromLatin1(q.mode);
        qso.qsl = QString::fromLatin1(q.qsl);
        qso.lotwqsl = QString::fromLatin1(q.lotw);
        qso.adif = std::abs(q.adif);
        qso.opIsValid = q.adif >= 0;
        qso.dxcc = QStringLiteral("DL");
        qso.iota = QString::fromLatin1(q.iota);
        qso.locator = QString::fromLatin1(q.locator);
        qso.dateTime = QDateTime::fromString(QStringLiteral("2024-05-01T12:00:00Z"), Qt::ISODate);
        QVERIFY(m_log->saveNewQSOtoLog(qso));
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_app = std::make_unique<AppDelegate>(DataFolder::at(m_dir->path()));
        m_log = std::make_unique<LogModel>(m_app->defaults(), m_app->folder(), m_app->clock(),
                                           m_app->dxcc());
    }

    void buildsTheDxInfoText_data()
    {
        QTest::addColumn<QList<Qso>>("qsos");
        QTest::addColumn<QString>("info");

        QTest::newRow("no QSO") << QList<Qso>{}
                                << "... ... ... ... ... ... ... ... ... ... ... ...";
        QTest::newRow("SSB on 20m with a card")
            << QList<Qso>{{"DL1A", "20m", "SSB", "R", "", 230}}
            << "... ... ... ... ..P ... ... ... ... ... ... ...";
        QTest::newRow("LoTW in the same slot makes X")
            << QList<Qso>{{"DL1A", "20m", "SSB", "R", "", 230},
                          {"DL2B", "20m", "USB", "", "X", 230}}
            << "... ... ... ... ..X ... ... ... ... ... ... ...";
        QTest::newRow("PCW is digital here, G a card, invalid operations count")
            << QList<Qso>{{"DL1A", "160m", "PCW", "", "", 230},
                          {"DL1A", "70cm", "CW", "G", "", -230},
                          {"DL1A", "40m", "FT8", "", "X", 230}}
            << ".W. ... .L. ... ... ... ... ... ... ... ... P..";
        QTest::newRow("untracked bands and other entities are left out")
            << QList<Qso>{{"DL1A", "23cm", "CW", "", "", 230},
                          {"K1A", "20m", "CW", "", "", 291},
                          {"DL1A", "60m", "CW", "", "", 230}}
            << "... ... ... ... ... ... ... ... ... ... ... ...";
    }

    void buildsTheDxInfoText()
    {
        QFETCH(QList<Qso>, qsos);
        QFETCH(QString, info);
        for (const Qso &q : qsos)
            save(q);
        QCOMPARE(m_log->getDxInfoString(230), info);
    }

    void answersSpots_data()
    {
        QTest::addColumn<OneDxSpotClass>("spot");
        QTest::addColumn<QString>("answers");

        // The log: DL1A 20m SSB card "R", DL1A 40m PCW, DL2B 20m CW card "G", DL3C 60m FT8 LoTW;
        // so 20m reads "P.P", 40m ".W." and 60m ".L.".
        QTest::newRow("same station, band and class")
            << spot("DL1A.", "20m", 5, 3, 230) << "1111111011011";
        QTest::newRow("PCW counts as CW for the station, digital for the slot")
            << spot("DL1A", "40m", 3, 1, 230) << "1011110011000";
        QTest::newRow("a card G does not confirm the station")
            << spot("DL2B", "20m", 5, 1, 230) << "1011111011011";
        QTest::newRow("new entity") << spot("K1A", "20m", 5, 1, 291) << "0000000000000";
        QTest::newRow("bands not tracked are never new")
            << spot("K1A", "4m", 20, 1, 291) << "0000011100011";
        QTest::newRow("23cm too") << spot("K1A", "23cm", 13, 3, 291) << "0000011100011";
        QTest::newRow("60m from its own group")
            << spot("DL9Z", "60m", 19, 2, 230) << "0011111111111";
    }

    void answersSpots()
    {
        QFETCH(OneDxSpotClass, spot);
        QFETCH(QString, answers);
        for (const Qso &q :
             {Qso{"DL1A", "20m", "SSB", "R", "", 230}, Qso{"DL1A", "40m", "PCW", "", "", 230},
              Qso{"DL2B", "20m", "CW", "G", "", 230}, Qso{"DL3C", "60m", "FT8", "", "X", 230}})
            save(q);
        QCOMPARE(::answers(*m_log, spot), answers);
        const SpotAnswers a = m_log->spotAnswers(spot);
        const bool together[] = {a.stnWkdBefore, a.stnCfdBefore, a.dxWkd,       a.dxCfd,
                                 a.dxCfdLotw,    a.bandWkd,      a.bandCfd,     a.bandCfdLotw,
                                 a.modeWkd,      a.modeCfd,      a.modeCfdLotw, a.bandModeWkd,
                                 a.bandModeCfd};
        QString text;
        for (const bool value : together)
            text += value ? u'1' : u'0';
        QCOMPARE(text, answers);
    }

    void a60mSaveIsSeenAtTheNextQuestion()
    {
        const OneDxSpotClass cw = spot("DL9Z", "60m", 19, 1, 230);
        QVERIFY(!m_log->bandModeWkd(cw)); // computed and cached as "..."
        save({"DL1A", "60m", "CW", "", "", 230});
        QVERIFY(m_log->bandModeWkd(cw));
        QCOMPARE(m_log->getDxInfoString60m(230).mid(8, 3), QStringLiteral("W.."));
    }

    void summarisesIotaAndLocators()
    {
        for (const Qso &q : {Qso{"DL1A", "20m", "CW", "G", "", 230, "EU-042", "JO62QM"},
                             Qso{"DL2B", "20m", "CW", "", "X", 230, "EU-057", "JO62AA"},
                             Qso{"DL3C", "40m", "CW", "", "", 230, "EU-100", "JN58TD"}})
            save(q);
        QCOMPARE(m_log->getIotaStatus("EU-04"), QString());
        QCOMPARE(m_log->getIotaStatus("EU-999"), QStringLiteral("-"));
        QCOMPARE(m_log->getIotaStatus("EU-042"), QStringLiteral("P"));
        QCOMPARE(m_log->getIotaStatus("EU-057"), QStringLiteral("L"));
        QCOMPARE(m_log->getIotaStatus("EU-100"), QStringLiteral("W"));
        QVERIFY(m_log->iotaWkd("EU-042"));
        QVERIFY(!m_log->iotaCfd("EU-042")); // a card "G" does not count here
        QVERIFY(m_log->iotaCfd("EU-057"));
        QCOMPARE(m_log->getLocatorStatus("JO62", "20m"), QStringLiteral("X"));
        QCOMPARE(m_log->getLocatorStatus("JO62xx", "40m"), QStringLiteral("-"));
        QCOMPARE(m_log->getLocatorStatus("JN5", "40m"), QString());
    }

    void summarisesModes_data()
    {
        QTest::addColumn<QString>("extended");
        QTest::addColumn<QString>("summary");
        QTest::newRow("short") << "..."
                               << "";
        QTest::newRow("P and L in one class make X, 70cm left out")
            << "P.. ... ... L.. ... ... ... ... ... ... ... ... XXX"
            << "X..";
        QTest::newRow("P and L in different bands make X too")
            << "..W ... .P. ... ... ... ... ... ... ... ... .L. ..."
            << ".XW";
        QTest::newRow("paper only") << "P.. ... ... ... ... ... ... ... ... ... ... ... ..."
                                    << "P..";
        QTest::newRow("LoTW only") << ".L. ... ... ... ... ... ... ... ... ... ... ... ..."
                                   << ".L.";
    }

    void summarisesModes()
    {
        QFETCH(QString, extended);
        QFETCH(QString, summary);
        QCOMPARE(LogModel::makeModeInfoText(extended), summary);
    }

    void countsEntities_data()
    {
        QTest::addColumn<QStringList>("infos");
        QTest::addColumn<int>("qslMode");
        QTest::addColumn<QString>("totals");    // index 0 of the 8 series
        QTest::addColumn<QString>("summaries"); // six bands, nine bands, slots (worked/confirmed)
        QTest::addColumn<int>("worked60m");

        const QString empty = "... ... ... ... ... ... ... ... ... ... ... ... ...";
        const QString paper20m = "... ... ... ... ... P.. ... ... ... ... ... ... ...";
        const QString only60m = "... ... .W. ... ... ... ... ... ... ... ... ... ...";
        QTest::newRow("empty log") << QStringList{empty, empty} << 0 << "0 0 0 0 0 0 0 0"
                                   << "0/0 0/0 0/0" << 0;
        QTest::newRow("paper counts for any confirmation")
            << QStringList{paper20m} << 0 << "1 1 1 1 0 0 0 0"
            << "1/1 1/1 1/1" << 0;
        QTest::newRow("paper counts for paper") << QStringList{paper20m} << 1 << "1 1 1 1 0 0 0 0"
                                                << "1/1 1/1 1/1" << 0;
        QTest::newRow("paper is only worked for LoTW")
            << QStringList{paper20m} << 2 << "1 0 1 0 0 0 0 0"
            << "1/0 1/0 1/0" << 0;
        QTest::newRow("60m counts per band, not in summaries or slots")
            << QStringList{only60m} << 0 << "1 0 0 0 1 0 0 0"
            << "0/0 0/0 0/0" << 1;
        QTest::newRow("one entity counts once per mode class")
            << QStringList{"XXX ... ... X.. ... X.. ... ... ... ... ... ... ...", "..."} << 2
            << "1 1 1 1 1 1 1 1"
            << "3/3 3/3 5/5" << 0;
    }

    void countsEntities()
    {
        QFETCH(QStringList, infos);
        QFETCH(int, qslMode);
        QFETCH(QString, totals);
        QFETCH(QString, summaries);
        QFETCH(int, worked60m);
        const dxstats::Counts counts = dxstats::countDxccs(infos, qslMode);
        QStringList actual;
        for (const auto &series : counts)
            actual << QString::number(series[0]);
        QCOMPARE(actual.join(' '), totals);
        const auto text = [](dxstats::Pair p) {
            return QStringLiteral("%1/%2").arg(p.worked).arg(p.confirmed);
        };
        QCOMPARE(
            QStringList({text(dxstats::sixBandSummary(counts)),
                         text(dxstats::nineBandSummary(counts)), text(dxstats::slotCount(counts))})
                .join(' '),
            summaries);
        QCOMPARE(counts[0][dxstats::k60mColumn], worked60m);
    }

    void locatorQuestionsAnswerAsLike_data()
    {
        QTest::addColumn<QString>("square");
        for (const char *square : {"JO31", "jo31", "Jo31", "jO31", "JO3", "JO", "", "JO31AB",
                                   "jo31ef12", "JN58", "JO31%", "JO3_", "JO31\\", "JOZ9"})
            QTest::newRow(*square ? square : "(empty)") << QString::fromLatin1(square);
    }

    void locatorQuestionsAnswerAsLike()
    {
        // Stored as other programs may have written them: any case, 4 to 8 characters, empty,
        // and with the characters "like" would take for wildcards.
        const char *stored[] = {"JO31",     "jo31ab", "Jo31Cd", "jO31ef12", "JO3",  "",
                                "JN58td",   "JO31%x", "JO3_",   "JO31\\",   "JO32", "JN",
                                "JO31ZZ99", "jn58",   "JP31",   "JO4",      "JO31"};
        const char *qsl[] = {"", "R", "X", "", "G", "", "X", "", "R",
                             "", "",  "",  "", "R", "", "",  ""};
        const char *lotw[] = {"",  "", "X", "X", "", "X", "", "", "",
                              "X", "", "",  "X", "", "",  "", "X"};
        const QString path = m_log->fullLogDatabasePath();
        for (size_t i = 0; i < std::size(stored); ++i)
            save({"DL1A", i % 2 ? "20m" : "40m", "CW", qsl[i], lotw[i], 230});
        {
            db::Database database;
            QCOMPARE(database.open(path), 0);
            db::Statement update =
                database.prepare(QStringLiteral("update logbook set locator=? where id=?"));
            for (size_t i = 0; i < std::size(stored); ++i) {
                update.reset();
                update.bind(1, QString::fromLatin1(stored[i])).bind(2, qint64(i + 1));
                QVERIFY(update.run());
            }
        }
        QFETCH(QString, square);
        FileWorkedStore store(m_app->defaults(), path);
        db::Database database;
        QCOMPARE(database.open(path, db::Database::Mode::ReadOnly), 0);
        const std::pair<WorkedStore::Confirmation, const char *> kinds[] = {
            {WorkedStore::Confirmation::Any, ""},
            {WorkedStore::Confirmation::Paper, " and (qsl='R' or qsl='X' or qsl='G')"},
            {WorkedStore::Confirmation::Lotw, " and lotwqsl='X'"},
            {WorkedStore::Confirmation::Strict, " and (qsl='X' or qsl='R' or lotwqsl='X')"}};
        QString pattern = square;
        pattern.replace(u'\\', QStringLiteral("\\\\"))
            .replace(u'%', QStringLiteral("\\%"))
            .replace(u'_', QStringLiteral("\\_"));
        for (const QString band : {"20m", "40m", "80m"}) {
            for (const auto &[kind, condition] : kinds) {
                db::Statement like = database.prepare(
                    QStringLiteral("select id from logbook where locator like ? escape '\\' "
                                   "and band=?") +
                    QLatin1String(condition));
                like.bind(1, pattern + u'%').bind(2, band);
                QCOMPARE(store.hasLocator(square, band, kind), like.step());
            }
        }
    }

    void locatorQuestionsUseTheIndex()
    {
        save({"DL1A", "20m", "CW", "", "", 230, "", "JO31AB"});
        const std::optional<QList<prefixranges::Range>> ranges = prefixranges::caseBlind("JO31");
        QVERIFY(ranges);
        QCOMPARE(ranges->size(), 4);
        prefixranges::Condition locator =
            prefixranges::condition(QStringLiteral("locator"), *ranges);
        db::Database database;
        QCOMPARE(database.open(m_log->fullLogDatabasePath(), db::Database::Mode::ReadOnly), 0);
        db::Statement plan =
            database.prepare(QStringLiteral("explain query plan select id from logbook where ") +
                             locator.sql + QStringLiteral(" and +band = ? limit 1"));
        QString steps;
        while (plan.step())
            steps += plan.text(3) + u'\n';
        QVERIFY2(steps.contains("USING INDEX logbook_locator") && !steps.contains("SCAN logbook"),
                 qPrintable(steps));
        // Too many letters to spell every way: asked with "like" instead.
        QVERIFY(!prefixranges::caseBlind("JO31AB12CD"));
        QVERIFY(!prefixranges::caseBlind(QStringLiteral("JO3\u00e4")));
    }

    void keptStatusMatchesARebuild_data()
    {
        // One write per line: "save QSO", "edit N QSO", "delete N", "lotw N" (a LoTW download
        // confirms it), "field N column value", "pull N column value" (another device's change
        // brought in by the synced logbook), "import QSO|QSO…"; N counts the QSOs saved so far,
        // QSO is as qsoFrom() reads it.
        QTest::addColumn<QStringList>("writes");
        QTest::newRow("edit moves a QSO to another station, band and entity")
            << QStringList{"edit 0 K1A 40m CW - - 291 -", "edit 1 DL1A 40m CW - - 230 -"};
        QTest::newRow("edit takes away the only confirmation of station, slot and island")
            << QStringList{"edit 2 DL3C 20m SSB - - 230 EU-042", "edit 2 DL3C 60m FT8 - - 230 -"};
        QTest::newRow("delete one of two QSOs of a slot, then the other")
            << QStringList{"delete 0", "delete 1", "delete 4"};
        QTest::newRow("delete the newest QSO, then import and save over its id") << QStringList{
            "delete 5", "import DL8H 60m CW R - 230 EU-057|K2B 20m SSB - X 291 NA-001",
            "save DL7G 17m FT8 - X 230 -"};
        QTest::newRow("a LoTW download and a card entered by hand")
            << QStringList{"lotw 3", "field 1 qsl R", "field 4 lotwqsl X", "field 4 band 30m"};
        QTest::newRow("pulled changes of entity, band and confirmation") << QStringList{
            "pull 1 dxccadif 291", "pull 4 band 60m", "pull 2 lotwqsl N", "pull 3 mode NULL"};
        QTest::newRow("a QSO without mode, then with one") << QStringList{
            "save DL9Z 20m - - - 230 -", "field 6 mode (null)", "edit 6 DL9Z 20m CW R - 230 -"};
    }

    /** After every write the answers kept in memory are those of a fresh look at the file. */
    void keptStatusMatchesARebuild()
    {
        QFETCH(QStringList, writes);
        QList<QsoClass> saved;
        for (const char *line : {"DL1A 20m SSB R - 230 EU-042", "DL1A 20m USB - - 230 EU-042",
                                 "DL2B 20m CW - X 230 EU-057", "DL3C 60m FT8 - - 230 -",
                                 "K1A 40m CW G - 291 NA-001", "K1A 60m SSB R X -291 -"}) {
            saved << qsoFrom(QString::fromLatin1(line));
            QVERIFY(m_log->saveNewQSOtoLog(saved.last()));
        }
        // The QSOs of each write, and every QSO there will be, to ask about.
        const auto qsosOf = [](const QString &write) {
            const QString op = write.section(u' ', 0, 0);
            QList<QsoClass> qsos;
            if (op == u"save" || op == u"import" || op == u"edit")
                for (const QString &line : write.section(u' ', op == u"edit" ? 2 : 1).split(u'|'))
                    qsos << qsoFrom(line);
            return qsos;
        };
        QList<QsoClass> universe = saved;
        for (const QString &write : writes)
            universe << qsosOf(write);
        const QString path = m_log->fullLogDatabasePath();
        everyAnswer(*m_log, universe, true); // built before the first write
        for (const QString &write : writes) {
            const QStringList f = write.split(u' ');
            const QString op = f.at(0);
            const QList<QsoClass> qsos = qsosOf(write);
            if (op == u"save") {
                saved << qsos.first();
                QVERIFY(m_log->saveNewQSOtoLog(saved.last()));
            } else if (op == u"import") {
                QVERIFY(m_log->saveAllQSOsToLog(qsos, qsos));
            } else if (op == u"edit") {
                QsoClass edited = qsos.first();
                edited.id = saved.at(f.at(1).toInt()).id;
                QVERIFY(m_log->updateQSO(saved.at(f.at(1).toInt()), edited));
                saved[f.at(1).toInt()] = edited;
            } else if (op == u"delete") {
                QVERIFY(m_log->deleteQSO(saved.at(f.at(1).toInt())));
            } else if (op == u"field") {
                // As the card scanner does it: the column, then the entity's DX info.
                QVERIFY(m_log->updateLogbookField(f.at(2), saved.at(f.at(1).toInt()), f.at(3)));
                m_log->updateDxInfoString(saved.at(f.at(1).toInt()));
            } else if (op == u"pull") {
                const QsoClass &qso = saved.at(f.at(1).toInt());
                db::Database other;
                QCOMPARE(other.open(path), 0);
                db::Statement update = other.prepare(
                    QStringLiteral("update logbook set %1=? where id=?").arg(f.at(2)));
                if (f.at(3) == u"NULL")
                    update.bindNull(1);
                else
                    update.bind(1, f.at(3));
                QVERIFY(update.bind(2, *qso.id).run());
                m_log->takePulled({qso.adif, f.at(3).toInt()}, {*qso.id});
            } else if (op == u"lotw") {
                QslSession session(path, formats::DateStyle::Short);
                const std::optional<QsoClass> stored =
                    session.qsoById(*saved.at(f.at(1).toInt()).id);
                QVERIFY(stored);
                QVERIFY(session.markLotwConfirmed(*stored));
                QVERIFY(session.refreshDxInfo(stored->adif, stored->dxcc));
                QVERIFY(session.commit());
                m_log->takeCommitted(path, session.change());
            }
            LogModel fresh(m_app->defaults(), m_app->folder(), m_app->clock(), m_app->dxcc(), path);
            QCOMPARE(everyAnswer(*m_log, universe, true), everyAnswer(fresh, universe, false));
        }
    }

    void aReplacedLogbookIsSeen()
    {
        save({"DL1A", "20m", "CW", "", "", 230});
        QCOMPARE(m_log->getDxInfoString(230).at(16), QChar(u'W'));
        const QString path = m_log->fullLogDatabasePath();
        QVERIFY(QFile::remove(path));
        QVERIFY(QFile::copy(":/EmptyLog.rlog", path));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(m_log->getDxInfoString(230), QString::fromLatin1(dxinfo::kEmpty));
    }
};

QTEST_GUILESS_MAIN(WorkedTest)
#include "tst_worked.moc"
