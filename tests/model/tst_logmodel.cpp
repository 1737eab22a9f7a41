// The logbook store as its callers see it: what lands in a logbook file, what comes back, which
// file is current, and the synced logbook as this device's copy of it.

#include "AppFixture.h"
#include "ReadOnlyLogbook.h"
#include "SqlRows.h"
#include "db/Database.h"
#include "model/LogModel.h"
#include "model/LogbookChoice.h"
#include "model/LogbookFiles.h"
#include "root/AppDelegate.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <memory>

namespace {

const QString kDefaultLog = QStringLiteral("DefaultLog.rlog");

QDateTime utc(const QString &sql)
{
    QDateTime t = QDateTime::fromString(sql, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    t.setTimeZone(QTimeZone::utc());
    return t;
}

QsoClass makeQso(const QString &call, const QString &when, const QString &band = "20m",
                 const QString &mode = "CW")
{
    QsoClass q;
    q.callsign = call;
    q.band = band;
    q.mode = mode;
    q.qrg = 14025.0;
    q.dateTime = utc(when);
    q.adif = 230;
    return q;
}

/** Saves a copy: a single save marks the record it is given. */
qint64 save(LogModel &log, QsoClass qso)
{
    const WriteResult stored = log.saveNewQSOtoLog(qso);
    return stored ? stored.rowid : 0;
}

using TextField = QString QsoClass::*;

TextField textField(const QString &column)
{
    static const QHash<QString, TextField> fields = {
        {"callsign", &QsoClass::callsign}, {"state", &QsoClass::state},
        {"note", &QsoClass::note},         {"manager", &QsoClass::manager},
        {"name", &QsoClass::name},         {"qth", &QsoClass::qth},
        {"county", &QsoClass::county},     {"user_1", &QsoClass::user_1},
        {"user_4", &QsoClass::user_4},     {"qslindate", &QsoClass::qslInDate},
        {"locator", &QsoClass::locator},   {"iota", &QsoClass::iota},
    };
    return fields.value(column);
}

} // namespace

class TestLogModel : public QObject, AppFixture {
    Q_OBJECT

    QString path(const QString &file = kDefaultLog) const { return m_dir->filePath(file); }

    /** Runs SQL on a logbook file behind the model's back. */
    void exec(const QString &sql, const QString &file = kDefaultLog)
    {
        db::Database database;
        QCOMPARE(database.open(path(file)), 0);
        QVERIFY2(database.exec(sql), qPrintable(database.errorMessage()));
    }

    /** The rows of a statement as "a|b|c" lines, read straight from the file. */
    QStringList rows(const QString &sql, const QString &file = kDefaultLog) const
    {
        return sqlRows(path(file), sql);
    }

    /** A logbook file made from the shipped template. */
    void makeLogbook(const QString &file)
    {
        QDir(m_dir->path()).mkpath(QFileInfo(path(file)).path());
        QVERIFY(m_app->folder().copyResourceIfMissing(QStringLiteral("EmptyLog.rlog"), file));
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
    }

    void init() { startApp(utc(QStringLiteral("2025-06-15 12:00:00"))); }

    void cleanup() { stopApp(); }

    void everyFieldRoundTrips()
    {
        // Distinct values in every column show that each lands in its own place.
        QsoClass q = makeQso("DL1ABC", "2025-06-15 12:07:00", "40m", "RTTY");
        q.qrg = 7045.25;
        const QList<TextField> fields = {
            &QsoClass::rsttx,     &QsoClass::rstrx,  &QsoClass::qsl,     &QsoClass::lotwqsl,
            &QsoClass::eqsl,      &QsoClass::dxcc,   &QsoClass::cq,      &QsoClass::itu,
            &QsoClass::cnt,       &QsoClass::state,  &QsoClass::note,    &QsoClass::locator,
            &QsoClass::manager,   &QsoClass::iota,   &QsoClass::satName, &QsoClass::satMode,
            &QsoClass::satRxband, &QsoClass::power,  &QsoClass::name,    &QsoClass::qth,
            &QsoClass::prefix,    &QsoClass::county, &QsoClass::user_1,  &QsoClass::user_2,
            &QsoClass::user_3,    &QsoClass::user_4};
        for (qsizetype i = 0; i < fields.size(); ++i)
            q.*fields[i] = QStringLiteral("v%1").arg(i);
        q.adif = 291;
        q.colorCode = 7;
        q.extraFields.set(u"my_gridsquare", "JO62qm");
        q.extraFields.set(u"app_other_level", "7", "N");

        LogModel &log = m_app->log();
        const WriteResult stored = log.saveNewQSOtoLog(q);
        QVERIFY(stored);
        QCOMPARE(stored.rowid, 1);
        QCOMPARE(rows("select date,time,qrg,datetime,clublog,arrlcredit from logbook"),
                 QStringList{"15/06/2025|1207|7045.2|2025-06-15 12:07:00|W|7"});

        const auto check = [&](const QsoClass &back, const QsoClass &expected) {
            for (qsizetype i = 0; i < fields.size(); ++i)
                QCOMPARE(back.*fields[i], expected.*fields[i]);
            QCOMPARE(back.callsign, expected.callsign);
            QCOMPARE(back.band, expected.band);
            QCOMPARE(back.mode, expected.mode);
            QCOMPARE(back.sqlDateTime(), expected.sqlDateTime());
            QCOMPARE(back.dateTime, expected.dateTime);
            QCOMPARE(back.adif, expected.adif);
            QCOMPARE(back.colorCode, expected.colorCode);
            for (const ExtraField &field : expected.extraFields)
                QVERIFY(back.extraFields.list().contains(field));
            QCOMPARE(back.extraFields.size(), expected.extraFields.size());
        };
        const QList<QsoClass> saved = log.getlastQSOs(0);
        QCOMPARE(saved.size(), 1);
        check(saved.first(), q);
        QCOMPARE(saved.first().id.value_or(0), 1);
        QCOMPARE(saved.first().qrgText(), QStringLiteral("7,045.2"));

        // An edit rewrites every column but leaves the Club Log mark alone.
        QVERIFY(log.markNewQsosAsClublogOkay());
        QsoClass edited = saved.first();
        for (qsizetype i = 0; i < fields.size(); ++i)
            edited.*fields[i] = QStringLiteral("e%1").arg(i);
        edited.callsign = "DL2XYZ";
        edited.adif = 230;
        edited.colorCode = 3;
        edited.extraFields.remove(u"app_other_level");
        edited.extraFields.set(u"MY_GRIDSQUARE", "JO62qn");
        edited.extraFields.set(u"sig_info", "DE-0001");
        QVERIFY(log.updateQSO(saved.first(), edited));
        QCOMPARE(rows("select qso, name, value, type from qso_fields order by name"),
                 QStringList({"1|my_gridsquare|JO62qn|", "1|sig_info|DE-0001|"}));
        const QList<QsoClass> updated = log.getlastQSOs(0);
        QCOMPARE(updated.size(), 1);
        check(updated.first(), edited);
        QCOMPARE(updated.first().clublog, QStringLiteral("X"));
    }

    void clublogLetter_data()
    {
        QTest::addColumn<bool>("bulk");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("stored");
        QTest::newRow("single save marks a new QSO for upload") << false << ""
                                                                << "W";
        QTest::newRow("single save marks an uploaded QSO again") << false << "X"
                                                                 << "W";
        QTest::newRow("import keeps an uploaded mark") << true << "X"
                                                       << "X";
        QTest::newRow("import keeps a foreign letter") << true << "Q"
                                                       << "Q";
        QTest::newRow("import keeps no letter") << true << ""
                                                << "";
    }

    void clublogLetter()
    {
        QFETCH(bool, bulk);
        QFETCH(QString, given);
        QFETCH(QString, stored);
        LogModel &log = m_app->log();
        QsoClass q = makeQso("DL1ABC", "2025-06-15 12:00:00");
        q.clublog = given;
        if (bulk)
            QVERIFY(log.saveAllQSOsToLog({q}, {q}));
        else
            QVERIFY(log.saveNewQSOtoLog(q));
        QCOMPARE(rows("select clublog from logbook"), QStringList{stored});
        QCOMPARE(log.getlastQSOs(0).value(0).clublog, stored);
    }

    void entityNumber_data()
    {
        QTest::addColumn<bool>("opIsValid");
        QTest::addColumn<int>("storedAdif");
        QTest::addColumn<QList<int>>("countingEntities");
        QTest::newRow("counting operation") << true << 291 << QList<int>{291};
        QTest::newRow("operation not counting is stored negative") << false << -291 << QList<int>{};
    }

    void entityNumber()
    {
        QFETCH(bool, opIsValid);
        QFETCH(int, storedAdif);
        QFETCH(QList<int>, countingEntities);
        LogModel &log = m_app->log();
        QsoClass q = makeQso("K1ABC", "2025-06-15 12:00:00");
        q.adif = 291;
        q.opIsValid = opIsValid;
        QVERIFY(log.saveNewQSOtoLog(q));
        save(log, makeQso("DL1ABC", "2025-06-15 12:01:00"));
        QCOMPARE(rows("select dxccadif from logbook where id=1"),
                 QStringList{QString::number(storedAdif)});

        const QList<QsoClass> found = log.getQSOsFromDXCC(291);
        QCOMPARE(found.size(), 1);
        // Read back, the number is the entity's and the sign is the validity.
        QCOMPARE(found.first().adif, 291);
        QCOMPARE(found.first().opIsValid, opIsValid);
        QList<int> entities = log.getDistinctDxccAdifsfromLog();
        entities.removeAll(230);
        QCOMPARE(entities, countingEntities);
    }

    void colourCode_data()
    {
        QTest::addColumn<qint64>("stored");
        QTest::addColumn<qint64>("read");
        QTest::newRow("lowest mark") << qint64(0) << qint64(0);
        QTest::newRow("highest mark") << qint64(9) << qint64(9);
        QTest::newRow("10 is out of range") << qint64(10) << qint64(0);
        QTest::newRow("negative is out of range") << qint64(-1) << qint64(0);
    }

    void colourCode()
    {
        QFETCH(qint64, stored);
        QFETCH(qint64, read);
        LogModel &log = m_app->log();
        QsoClass q = makeQso("DL1ABC", "2025-06-15 12:00:00");
        q.colorCode = stored;
        QVERIFY(log.saveNewQSOtoLog(q));
        QCOMPARE(rows("select arrlcredit from logbook"), QStringList{QString::number(stored)});
        QCOMPARE(log.getlastQSOs(0).value(0).colorCode, read);
    }

    void freeText_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("stored");
        QTest::newRow("apostrophe, comma and space escaped") << "name"
                                                             << "O'Neill, Jr."
                                                             << "O%27Neill%2C%20Jr.";
        QTest::newRow("other scripts stay, emoji escaped per UTF-8 byte") << "qth"
                                                                          << "東京 🙂"
                                                                          << "東京%20%F0%9F%99%82";
        QTest::newRow("statement text in a note is just text")
            << "note"
            << "he said \"73\"; drop table logbook;--"
            << "he%20said%20%2273%22%3B%20drop%20table%20logbook%3B--";
        QTest::newRow("quotes in a callsign stored as given") << "callsign"
                                                              << "O'NEILL\""
                                                              << "O'NEILL\"";
    }

    void freeText()
    {
        QFETCH(QString, column);
        QFETCH(QString, value);
        QFETCH(QString, stored);
        LogModel &log = m_app->log();
        QsoClass q = makeQso("DL1ABC", "2025-06-15 12:00:00");
        q.locator = "JO62QM";
        q.*textField(column) = value;
        QVERIFY(log.saveNewQSOtoLog(q));
        QCOMPARE(rows("select " + column + " from logbook"), QStringList{stored});

        const QList<QsoClass> back = log.getlastQSOs(0);
        QCOMPARE(back.size(), 1);
        QCOMPARE(back.first().*textField(column), value);
        QCOMPARE(log.getAllQSOsWith(q.callsign).size(), 1);
        QCOMPARE(log.numberOfQSOsWithCallsign(q.callsign), 1);
        QCOMPARE(log.getLocatorFromLog(q.callsign), QStringLiteral("JO62QM"));

        QVERIFY(log.updateQSO(back.first(), back.first()));
        QCOMPARE(rows("select " + column + " from logbook"), QStringList{stored});
    }

    void storedTextReading_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("sqlValue");
        QTest::addColumn<QString>("read");
        QTest::newRow("(null) in a plain column") << "callsign"
                                                  << "'(null)'"
                                                  << "";
        QTest::newRow("(null) in an encoded column") << "name"
                                                     << "'(null)'"
                                                     << "";
        QTest::newRow("NULL reads as empty") << "note"
                                             << "NULL"
                                             << "";
        QTest::newRow("broken escape reads as empty") << "qth"
                                                      << "'Berlin%G1'"
                                                      << "";
        QTest::newRow("escape that is not UTF-8 reads as empty") << "name"
                                                                 << "'J%F6rg'"
                                                                 << "";
        QTest::newRow("lower-case escape decodes") << "name"
                                                   << "'J%c3%b6rg'"
                                                   << "Jörg";
        QTest::newRow("plain columns are not decoded") << "locator"
                                                       << "'JO%2062'"
                                                       << "JO%2062";
    }

    void storedTextReading()
    {
        QFETCH(QString, column);
        QFETCH(QString, sqlValue);
        QFETCH(QString, read);
        LogModel &log = m_app->log();
        exec("insert into logbook (callsign, datetime) values ('DL1ABC', '2025-06-15 12:00:00')");
        exec(QStringLiteral("update logbook set %1=%2").arg(column, sqlValue));
        const QList<QsoClass> back = log.getlastQSOs(0);
        QCOMPARE(back.size(), 1);
        QCOMPARE(back.first().*textField(column), read);
    }

    void storedDateTimeReading_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("dateFormatIndex");
        QTest::addColumn<QString>("dateString");
        QTest::addColumn<QString>("timeString");
        QTest::newRow("short style") << "2025-06-05 07:09:30" << 0 << "05/06/2025"
                                     << "0709";
        QTest::newRow("medium style") << "2025-06-05 07:09:30" << 1 << "5 Jun 2025"
                                      << "0709";
        QTest::newRow("impossible day") << "2025-02-30 12:00:00" << 0 << "??"
                                        << "??";
        QTest::newRow("ISO separator") << "2025-06-05T07:09:30" << 0 << "??"
                                       << "??";
        QTest::newRow("empty") << "" << 0 << "??"
                               << "??";
    }

    void storedDateTimeReading()
    {
        QFETCH(QString, stored);
        QFETCH(int, dateFormatIndex);
        QFETCH(QString, dateString);
        QFETCH(QString, timeString);
        m_app->defaults().setValue("DateFormatIndex", dateFormatIndex);
        LogModel &log = m_app->log();
        exec("insert into logbook (callsign, datetime) values ('DL1ABC', '" + stored + "')");
        const QList<QsoClass> back = log.getlastQSOs(0);
        QCOMPARE(back.size(), 1);
        QCOMPARE(back.first().dateText(m_app->defaults().logDateFormaterStyle()), dateString);
        QCOMPARE(back.first().timeText(), timeString);

        // An edit writes the date texts in the user's style; one without a readable instant
        // keeps what the row held.
        const bool readable = back.first().dateTime.isValid();
        QsoClass edited = back.first();
        edited.note = "edited";
        QVERIFY(log.updateQSO(back.first(), edited));
        QCOMPARE(rows("select coalesce(date,'NULL'),coalesce(time,'NULL'),datetime from logbook"),
                 QStringList{readable ? dateString + '|' + timeString + '|' + stored
                                      : "NULL|NULL|" + stored});
    }

    void unstoredQsoIsRefused_data()
    {
        QTest::addColumn<QString>("write");
        QTest::newRow("whole QSO") << "updateQSO";
        QTest::newRow("one column") << "updateLogbookField";
        QTest::newRow("delete") << "deleteQSO";
    }

    void unstoredQsoIsRefused()
    {
        // A QSO never saved has no id, so no write may pick a row for it.
        QFETCH(QString, write);
        LogModel &log = m_app->log();
        QsoClass logged = makeQso("DL1ABC", "2025-06-15 12:00:00");
        QVERIFY(!logged.isStored());
        QVERIFY(log.saveNewQSOtoLog(logged));
        QCOMPARE(logged.id.value_or(0), 1); // the save gives the QSO its id
        QsoClass fresh = makeQso("DL1ABC", "2025-06-15 12:00:00");
        fresh.note = "changed";
        const WriteResult result = write == "updateQSO" ? log.updateQSO(fresh, fresh)
                                   : write == "deleteQSO"
                                       ? log.deleteQSO(fresh)
                                       : log.updateLogbookField("note", fresh, "x");
        QCOMPARE(result.error, QStringLiteral("The QSO is not stored in the logbook"));
        QCOMPARE(rows("select id, note from logbook"), QStringList{"1|"});
    }

    void qslDates_data()
    {
        QTest::addColumn<int>("dateFormatIndex");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("short style") << 0 << "2024-03-05"
                                     << "05/03/2024";
        QTest::newRow("medium style") << 1 << "2024-03-05"
                                      << "5 Mar 2024";
        QTest::newRow("empty stays empty") << 0 << ""
                                           << "";
        QTest::newRow("ten characters but no date kept") << 0 << "2024-13-05"
                                                         << "2024-13-05";
        QTest::newRow("already shown form kept") << 1 << "05/03/2024"
                                                 << "05/03/2024";
    }

    void qslDates()
    {
        QFETCH(int, dateFormatIndex);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        m_app->defaults().setValue("DateFormatIndex", dateFormatIndex);
        LogModel &log = m_app->log();
        exec("insert into logbook (callsign, datetime, qslindate, qsloutdate) values ('DL1ABC', "
             "'2025-06-15 12:00:00', '" +
             stored + "', '" + stored + "')");
        const QList<QsoClass> back = log.getlastQSOs(0);
        QCOMPARE(back.size(), 1);
        QCOMPARE(back.first().qslInDate, shown);
        QCOMPARE(back.first().qslOutDate, shown);
    }

    void logbookChoice_data()
    {
        QTest::addColumn<QString>("logDbName");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("missing file falls back to the default")
            << "Gone.rlog" << QStringList{} << kDefaultLog;
        QTest::newRow("no name falls back to the default") << "" << QStringList{} << kDefaultLog;
        QTest::newRow("existing file is kept")
            << "Contest.rlog" << QStringList{"Contest.rlog"} << "Contest.rlog";
        QTest::newRow("file in a subfolder")
            << "old/Club.rlog" << QStringList{"old/Club.rlog"} << "old/Club.rlog";
        QTest::newRow("a name with \"..\" falls back to the default")
            << "old/../Contest.rlog" << QStringList{"Contest.rlog"} << kDefaultLog;
    }

    void logbookChoice()
    {
        QFETCH(QString, logDbName);
        QFETCH(QStringList, files);
        QFETCH(QString, chosen);
        for (const QString &file : files)
            makeLogbook(file);
        m_app->defaults().setValue("LogDbName", logDbName);
        LogModel &log = m_app->log();
        QCOMPARE(log.logDbName(), chosen);
        QCOMPARE(log.fullLogDatabasePath(), path(chosen));
        QCOMPARE(m_app->defaults().string("LogDbName"), chosen);
        QVERIFY(logbookfiles::isLogbook(path(chosen)));
        QVERIFY(!log.isSyncLog());
    }

    void fallbackKeepsExistingDefaultLog()
    {
        {
            LogModel &log = m_app->log();
            save(log, makeQso("DL1ABC", "2025-06-15 12:00:00"));
        }
        m_app->defaults().setValue("LogDbName", "Gone.rlog");
        LogModel &log = m_app->log();
        QCOMPARE(log.logDbName(), kDefaultLog);
        QCOMPARE(log.getlastQSOs(0).size(), 1);
    }

    void lotwMatch_data()
    {
        QTest::addColumn<QStringList>("logged"); // "call|datetime|band", in insert order
        QTest::addColumn<QString>("received");
        QTest::addColumn<int>("rowid"); // 0: no match
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("analysed"); // a big logbook whose statistics favour the time index
        const QStringList one = {"DL1ABC|2025-06-15 12:00:00|20m"};
        QTest::newRow("same second") << one << "DL1ABC|2025-06-15 12:00:00|20m" << 1 << "" << false;
        QTest::newRow("59 s earlier")
            << one << "DL1ABC|2025-06-15 11:59:01|20m" << 1 << "" << false;
        QTest::newRow("60 s later is outside")
            << one << "DL1ABC|2025-06-15 12:01:00|20m" << 0 << "" << false;
        QTest::newRow("other band") << one << "DL1ABC|2025-06-15 12:00:00|40m" << 0 << "" << false;
        QTest::newRow("logged portable call starts with the received one")
            << QStringList{"DL1ABC/P|2025-06-15 12:00:00|20m"} << "DL1ABC|2025-06-15 12:00:00|20m"
            << 1 << "" << false;
        QTest::newRow("received call longer than logged")
            << one << "DL1ABC/P|2025-06-15 12:00:00|20m" << 0 << "" << false;
        QTest::newRow("two in the window: first inserted, with a line")
            << QStringList{"DL1ABC|2025-06-15 12:00:40|20m", "DL1ABC|2025-06-15 12:00:00|20m"}
            << "DL1ABC|2025-06-15 12:00:20|20m" << 1
            << "Multiple QSOs found for DL1ABC at 2025-06-15 12:00:20" << false;
        QTest::newRow("two in the window of an analysed logbook: still the first inserted")
            << QStringList{"DL1ABC|2025-06-15 12:00:40|20m", "DL1ABC|2025-06-15 12:00:00|20m"}
            << "DL1ABC|2025-06-15 12:00:20|20m" << 3001
            << "Multiple QSOs found for DL1ABC at 2025-06-15 12:00:20" << true;
    }

    void lotwMatch()
    {
        QFETCH(QStringList, logged);
        QFETCH(QString, received);
        QFETCH(int, rowid);
        QFETCH(QString, message);
        QFETCH(bool, analysed);
        LogModel &log = m_app->log();
        if (analysed)
            exec("insert into logbook (callsign, band, datetime) with recursive n(i) as (select 1 "
                 "union all select i + 1 from n where i < 3000) select 'K' || i, '20m', "
                 "printf('2020-%02d-%02d %02d:00:00', i % 12 + 1, i % 28 + 1, i % 24) from n");
        const auto qsoOf = [](const QString &entry) {
            const QStringList p = entry.split(QLatin1Char('|'));
            return makeQso(p[0], p[1], p[2]);
        };
        for (const QString &entry : logged)
            save(log, qsoOf(entry));
        if (analysed)
            exec("analyze");
        if (!message.isEmpty())
            QTest::ignoreMessage(QtInfoMsg, qPrintable(message));
        QsoClass report = qsoOf(received);
        report.mode = "SSB"; // the mode is not compared
        const auto found = log.getQsoFromLotwQso(report);
        QCOMPARE(found ? *found->id : 0, rowid);
    }

    void eqslMatch_data()
    {
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("band");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("rowid");
        QTest::addColumn<QString>("eqsl");
        QTest::newRow("59:59 later") << "2025-06-15 12:59:59"
                                     << "20m"
                                     << "CW" << 1 << "R";
        QTest::newRow("59:59 earlier") << "2025-06-15 11:00:01"
                                       << "20m"
                                       << "CW" << 1 << "R";
        QTest::newRow("an hour later is outside") << "2025-06-15 13:00:00"
                                                  << "20m"
                                                  << "CW" << -1 << "";
        QTest::newRow("other mode") << "2025-06-15 12:00:00"
                                    << "20m"
                                    << "SSB" << -1 << "";
        QTest::newRow("other band") << "2025-06-15 12:00:00"
                                    << "40m"
                                    << "CW" << -1 << "";
    }

    void eqslMatch()
    {
        QFETCH(QString, time);
        QFETCH(QString, band);
        QFETCH(QString, mode);
        QFETCH(int, rowid);
        QFETCH(QString, eqsl);
        LogModel &log = m_app->log();
        QsoClass logged = makeQso("DL1ABC/P", "2025-06-15 12:00:00");
        logged.eqsl = "R";
        QVERIFY(log.saveNewQSOtoLog(logged));
        QsoClass inbox = makeQso("DL1ABC", time, band, mode);
        inbox.eqsl = "";
        const QsoClass answer = log.getIdAndEqslFromQso(inbox);
        QCOMPARE(answer.id.value_or(-1), rowid);
        QCOMPARE(answer.eqsl, eqsl);
        QCOMPARE(answer.callsign, QStringLiteral("DL1ABC"));
    }

    void logbookListing_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("change"); // SQL run on a template copy; "text:" writes text
        QTest::addColumn<bool>("listed");
        QTest::newRow("template copy") << "Field day.rlog"
                                       << "" << true;
        QTest::newRow("upper-case suffix") << "Old.RLOG"
                                           << "" << true;
        QTest::newRow("in a subfolder") << "2019/Club.rlog"
                                        << "" << true;
        QTest::newRow("dbversion 2")
            << "v2.rlog"
            << "update prefs set value='2' where entry='dbversion'" << true;
        QTest::newRow("dbversion 1")
            << "v1.rlog"
            << "update prefs set value='1' where entry='dbversion'" << false;
        QTest::newRow("dbversion not a number")
            << "vx.rlog"
            << "update prefs set value='four' where entry='dbversion'" << false;
        QTest::newRow("other appname")
            << "other.rlog"
            << "update prefs set value='Other' where entry='appname'" << false;
        QTest::newRow("no appname") << "bare.rlog"
                                    << "delete from prefs where entry='appname'" << false;
        QTest::newRow("no prefs table") << "noprefs.rlog"
                                        << "drop table prefs" << false;
        QTest::newRow("not SQLite") << "notes.rlog"
                                    << "text:73 de DL1ABC" << false;

        QTest::newRow("other suffix") << "backup.rlog.bak"
                                      << "" << false;
    }

    void logbookListing()
    {
        QFETCH(QString, file);
        QFETCH(QString, change);
        QFETCH(bool, listed);
        LogModel &log = m_app->log();
        if (change.startsWith("text:")) {
            QFile text(path(file));
            QVERIFY(text.open(QIODevice::WriteOnly));
            text.write(change.mid(5).toUtf8());
        } else {
            makeLogbook(file);
            if (!change.isEmpty())
                exec(change, file);
        }
        const QByteArray before = [&] {
            QFile f(path(file));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        QStringList expected = {kDefaultLog};
        if (listed)
            expected << file;
        QStringList names = log.getAllLogNames();
        QCOMPARE(names.size(), expected.size());
        for (const QString &name : expected)
            QVERIFY2(names.contains(name), qPrintable(name));
        QFile after(path(file));
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), before); // looking does not touch the file
    }

    void logbookListingOrder()
    {
        LogModel &log = m_app->log();
        for (const char *file : {"b.rlog", "A.rlog", "sub/c.rlog", "Zulu.rlog", "alpha.rlog"})
            makeLogbook(file);
        QCOMPARE(log.getAllLogNames(), (QStringList{"A.rlog", "alpha.rlog", "b.rlog", kDefaultLog,
                                                    "sub/c.rlog", "Zulu.rlog"}));
    }

    void newChoiceSeenAtNextOperation()
    {
        LogModel &first = m_app->log();
        save(first, makeQso("DL1ABC", "2025-06-15 12:00:00"));
        makeLogbook("Other.rlog");
        exec("insert into logbook (callsign, datetime) values ('K1A', '2025-01-01 00:00:00'), "
             "('K1B', '2025-01-02 00:00:00')",
             "Other.rlog");
        LogModel &second = m_app->log();

        m_app->log().selectLogbook("Other.rlog");
        QCOMPARE(first.getlastQSOs(0).size(), 2);
        QCOMPARE(second.getlastQSOs(0).size(), 2);

        // Replaced behind the program's back: the next query reads the new file.
        QVERIFY(QFile::remove(path("Other.rlog")));
        QVERIFY(QFile::copy(path(kDefaultLog), path("Other.rlog")));
        QCOMPARE(first.getlastQSOs(0).size(), 1);
        QCOMPARE(first.getlastQSOs(0).first().callsign, QStringLiteral("DL1ABC"));
    }

    void olderLogbookGetsItsAdditions()
    {
        const QString additions =
            QStringLiteral("select type, name from sqlite_master where type in ('index', "
                           "'table', 'trigger') and sql is not null order by name");
        makeLogbook("Old.rlog");
        exec("insert into logbook (callsign, datetime) values ('K1A', '2010-01-01 00:00:00')",
             "Old.rlog");
        const QStringList shipped = rows(additions, "Old.rlog");
        QVERIFY(shipped.contains("table|qso_fields"));
        exec("drop table qso_fields", "Old.rlog"); // its index and triggers go with it
        for (const QString &index : rows("select name from sqlite_master where type='index' "
                                         "and sql is not null",
                                         "Old.rlog"))
            exec("drop index " + index, "Old.rlog");
        const QStringList prefsBefore = rows("select * from prefs", "Old.rlog");

        // A file without the field store reads, also where nothing may be added to it.
        QVERIFY(QFile::copy(path("Old.rlog"), path("Locked.rlog")));
        QVERIFY(makeLogbookReadOnly(path("Locked.rlog")));
        m_app->defaults().setValue("LogDbName", "Locked.rlog");
        QCOMPARE(m_app->log().getlastQSOs(0).value(0).callsign, QStringLiteral("K1A"));

        m_app->defaults().setValue("LogDbName", "Old.rlog");
        LogModel &log = m_app->log();
        QCOMPARE(rows(additions, "Old.rlog"), shipped);
        QCOMPARE(rows("select * from prefs", "Old.rlog"), prefsBefore);
        QCOMPARE(log.getlastQSOs(0).size(), 1);
    }

    void updateLogbookField_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("changed"); // the target row's new cell, empty when refused
        QTest::addColumn<QString>("error");
        QTest::newRow("status letter") << "lotwqsl"
                                       << "X"
                                       << "X"
                                       << "";
        QTest::newRow("value written as passed, not encoded") << "note"
                                                              << "a\"b' where 1=1; --"
                                                              << "a\"b' where 1=1; --"
                                                              << "";
        QTest::newRow("unknown column") << "nosuchcolumn"
                                        << "X"
                                        << ""
                                        << "no such column";
        QTest::newRow("column name carrying a second assignment") << "callsign\"='X', \"note"
                                                                  << "Y"
                                                                  << ""
                                                                  << "no such column";
        QTest::newRow("text for the row id") << "id"
                                             << "abc"
                                             << ""
                                             << "datatype mismatch";
    }

    void updateLogbookField()
    {
        QFETCH(QString, column);
        QFETCH(QString, value);
        QFETCH(QString, changed);
        QFETCH(QString, error);
        LogModel &log = m_app->log();
        save(log, makeQso("DL1ABC", "2025-06-15 12:00:00"));
        save(log, makeQso("DL2XYZ", "2025-06-15 12:05:00"));
        const QStringList before = rows("select * from logbook order by id");
        if (!error.isEmpty()) {
            const QRegularExpression line("^Error(| while updating logbook): .*" + error);
            QTest::ignoreMessage(QtInfoMsg, line);
            QTest::ignoreMessage(QtInfoMsg, line);
        }
        const QsoClass target = log.getAllQSOsWith("DL1ABC").value(0);
        const WriteResult result = log.updateLogbookField(column, target, value);
        QCOMPARE(result.ok, error.isEmpty());
        QVERIFY2(result.error.contains(error), qPrintable(result.error));

        QStringList expected = before;
        if (!changed.isEmpty()) {
            const QStringList names = rows("select name from pragma_table_info('logbook')");
            QStringList cells = expected[0].split(QLatin1Char('|'));
            cells[names.indexOf(column)] = changed;
            expected[0] = cells.join(QLatin1Char('|'));
        }
        QCOMPARE(rows("select * from logbook order by id"), expected);
    }

    void deleteQSO()
    {
        LogModel &log = m_app->log();
        QsoClass first = makeQso("DL1ABC", "2025-06-15 12:00:00");
        first.extraFields.set(u"station_callsign", "K1ABC");
        QsoClass second = makeQso("DL2XYZ", "2025-06-15 12:05:00");
        second.extraFields.set(u"station_callsign", "K1XYZ");
        save(log, first);
        save(log, second);
        QVERIFY(log.deleteQSO(log.getAllQSOsWith("DL1ABC").value(0)));
        QsoClass gone;
        gone.id = 99;
        // Nothing deleted is not success: the caller would drop a row that is still shown.
        QCOMPARE(log.deleteQSO(gone).error, QStringLiteral("No QSO with id 99"));
        QCOMPARE(rows("select id, callsign from logbook"), QStringList{"2|DL2XYZ"});
        QCOMPARE(log.getLastLoggedBand(), QStringLiteral("20m"));
        QCOMPARE(log.getLastLoggedFrequency(), QStringLiteral("14,025.0"));
        // Its extra fields go with a QSO, whoever deletes it.
        QCOMPARE(rows("select qso, value from qso_fields"), QStringList{"2|K1XYZ"});
        exec("delete from logbook");
        QCOMPARE(rows("select count(*) from qso_fields"), QStringList{"0"});
    }

    /** Marks after an upload: many QSOs in one write, with their extra fields, announced once;
     *  one QSO gone and none of them changes. */
    void manyEditsAreOneWrite()
    {
        LogModel &log = m_app->log();
        QsoClass first = makeQso("DL1ABC", "2025-06-15 12:00:00");
        QsoClass second = makeQso("K1ABC", "2025-06-15 12:05:00");
        second.adif = 291;
        second.extraFields.set(u"station_callsign", "DL1BWK");
        save(log, first);
        save(log, second);
        QList<QsoEdit> edits;
        for (const QsoClass &qso : log.getlastQSOs(4)) {
            QsoClass edited = qso;
            edited.lotwqsl = QStringLiteral("S");
            edited.extraFields.set(u"lotw_qslsdate", "20261208");
            edits.append({qso, edited});
        }
        QsoEdit gone = edits.first();
        gone.stored.id = 99;
        QSignalSpy changes(&log, &LogModel::qsosChanged);

        QCOMPARE(log.updateQSOs(edits + QList<QsoEdit>{gone}).error,
                 QStringLiteral("No QSO with id 99"));
        QCOMPARE(rows("select callsign, lotwqsl from logbook order by id"),
                 QStringList({"DL1ABC|", "K1ABC|"}));
        QCOMPARE(rows("select count(*) from qso_fields where name = 'lotw_qslsdate'"),
                 QStringList{"0"});
        QCOMPARE(changes.size(), 0);

        QVERIFY(log.updateQSOs(edits));
        QCOMPARE(rows("select callsign, lotwqsl from logbook order by id"),
                 QStringList({"DL1ABC|S", "K1ABC|S"}));
        QCOMPARE(rows("select qso, name, value from qso_fields order by qso, name"),
                 QStringList({"1|lotw_qslsdate|20261208", "2|lotw_qslsdate|20261208",
                              "2|station_callsign|DL1BWK"}));
        QCOMPARE(changes.size(), 1);
        const auto change = changes.at(0).at(0).value<QsoChange>();
        QCOMPARE(change.ids, QSet<qint64>({1, 2}));
        QCOMPARE(change.entities, QSet<int>({230, 291}));
    }

    void lastLoggedIsLastInserted()
    {
        LogModel &log = m_app->log();
        QCOMPARE(log.getLastLoggedMode(), QString());
        QsoClass late = makeQso("DL1ABC", "2025-06-15 12:00:00", "20m", "CW");
        QsoClass early = makeQso("DL2XYZ", "2020-01-01 00:00:00", "40m", "SSB");
        early.qrg = 7150.0;
        save(log, late);
        save(log, early);
        QCOMPARE(log.getLastLoggedMode(), QStringLiteral("SSB"));
        QCOMPARE(log.getLastLoggedBand(), QStringLiteral("40m"));
        QCOMPARE(log.getLastLoggedFrequency(), QStringLiteral("7,150.0"));
    }

    void stationInfo()
    {
        LogModel &log = m_app->log();
        const auto add = [&](const QString &when, const QString &name, const QString &county,
                             const QString &locator) {
            QsoClass q = makeQso("W1AW", when);
            q.name = name;
            q.county = county;
            q.locator = locator;
            save(log, q);
        };
        add("2021-01-01 00:00:00", "Hiram", "CT,Hartford", "FN31");
        add("2023-01-01 00:00:00", "H", "", "FN31pr");           // too short to count: name
        add("2022-01-01 00:00:00", "Hiram P.", "Newington", ""); // older by time, inserted later
        const QsoClass info = log.getInfoForStation("W1AW");
        QCOMPARE(info.name, QStringLiteral("Hiram P."));
        QCOMPARE(info.county, QStringLiteral("Newington"));
        QCOMPARE(info.locator, QStringLiteral("FN31pr"));
        QCOMPARE(log.getInfoForStation("K1ABC").name, QString());
    }

    void memberLists()
    {
        QFile lotw(path("lotw.txt"));
        QVERIFY(lotw.open(QIODevice::WriteOnly));
        lotw.write("DL1ABC\nK1ABC\n");
        lotw.close();
        QFile eqsl(path("eqsl.txt"));
        QVERIFY(eqsl.open(QIODevice::WriteOnly));
        eqsl.write("DL1ABC\r\nW1AW");
        eqsl.close();

        LogModel &log = m_app->log();
        QVERIFY(log.isLotwUser("K1ABC"));
        QVERIFY(!log.isLotwUser("k1abc"));
        QVERIFY(!log.isLotwUser("K1AB"));
        QCOMPARE(log.numberofLotwUser(), 3); // the empty last line counts
        QVERIFY(log.isEqslUser("DL1ABC"));
        QVERIFY(log.isEqslUser("W1AW"));
        QCOMPARE(log.numberOfEqslUser(), 2);

        // Kept until a download replaced the lists.
        QVERIFY(QFile::remove(path("lotw.txt")));
        QVERIFY(log.isLotwUser("K1ABC"));
        log.forgetMemberLists();
        QVERIFY(!log.isLotwUser("K1ABC"));
        QCOMPARE(log.numberofLotwUser(), 0);
    }

    void refusedWritesSaySo_data()
    {
        QTest::addColumn<QString>("write");
        for (const char *write :
             {"saveNewQSOtoLog", "saveAllQSOsToLog", "updateQSO", "updateLogbookField", "deleteQSO",
              "markNewQsosAsClublogOkay", "markAllAsClublogOkay", "updatePrefs"})
            QTest::newRow(write) << write;
    }

    /** Every write of a logbook that cannot be written reports SQLite's message, changes
     *  nothing, and leaves the DX info alone. */
    void refusedWritesSaySo()
    {
        QFETCH(QString, write);
        LogModel &log = m_app->log();
        QVERIFY(save(log, makeQso("DL1ABC", "2025-06-15 12:00:00")) > 0);
        const QsoClass stored = log.getlastQSOs(0).value(0);
        const QStringList before = rows("select * from logbook") + rows("select * from prefs") +
                                   rows("select * from dxlist");
        QVERIFY(makeLogbookReadOnly(path()));

        QsoClass changed = stored;
        changed.callsign = "K1ABC";
        changed.adif = 291;
        WriteResult result;
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression("readonly database"));
        if (write == "saveNewQSOtoLog") {
            QTest::ignoreMessage(QtInfoMsg, QRegularExpression("^DB Error while saving new QSO!$"));
            result = log.saveNewQSOtoLog(changed);
        } else if (write == "saveAllQSOsToLog") {
            QTest::ignoreMessage(QtInfoMsg, QRegularExpression("^DB Error while saving new QSO!$"));
            result = log.saveAllQSOsToLog({changed, changed}, {changed});
        } else if (write == "updateQSO") {
            result = log.updateQSO(stored, changed);
        } else if (write == "updateLogbookField") {
            QTest::ignoreMessage(QtInfoMsg, QRegularExpression("readonly database"));
            result = log.updateLogbookField("name", stored, "Hans");
        } else if (write == "deleteQSO") {
            QTest::ignoreMessage(QtInfoMsg, QRegularExpression("readonly database"));
            result = log.deleteQSO(stored);
        } else if (write == "markNewQsosAsClublogOkay") {
            result = log.markNewQsosAsClublogOkay();
        } else if (write == "markAllAsClublogOkay") {
            result = log.markAllAsClublogOkay();
        } else {
            QTest::ignoreMessage(QtInfoMsg, QRegularExpression("readonly database"));
            result = log.updatePrefs("mycall", "K1ABC");
        }
        QVERIFY(!result);
        QCOMPARE(result.error, QStringLiteral("attempt to write a readonly database"));
        QCOMPARE(result.rowid, 0);
        QCOMPARE(rows("select * from logbook") + rows("select * from prefs") +
                     rows("select * from dxlist"),
                 before);
    }

    void foreignFilesAreNoLogbooks_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("problem");
        QTest::newRow("text") << QByteArray("73 de DL1ABC\n")
                              << "Foreign.rlog is not a logbook: file is not a database";
        QTest::newRow("another program's database")
            << QByteArray() << "Foreign.rlog is not a logbook: no such table: logbook";
    }

    /** Not a logbook is not an empty logbook: reads say why, and the file stays as it was. */
    void foreignFilesAreNoLogbooks()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, problem);
        if (content.isEmpty()) {
            exec("create table notes (text)", "Foreign.rlog");
        } else {
            QFile file(path("Foreign.rlog"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        QFile file(path("Foreign.rlog"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        m_app->defaults().setValue("LogDbName", "Foreign.rlog");
        LogModel &log = m_app->log();
        QCOMPARE(log.logbookProblem(), problem);

        QString readError;
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression("^Error reading logbook: "));
        QVERIFY(!log.qsoById(1, &readError));
        QVERIFY(!readError.isEmpty());
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression("^Error reading logbook: "));
        QVERIFY(log.getlastQSOs(0, &readError).isEmpty());
        QVERIFY(!readError.isEmpty());
        QVERIFY(file.seek(0));
        QCOMPARE(file.readAll(), before);
    }

    void qsoById()
    {
        LogModel &log = m_app->log();
        QVERIFY(save(log, makeQso("DL1ABC", "2025-06-15 12:00:00")) > 0);
        exec("insert into logbook (id, callsign) values (4294967297, 'K1BIG')");
        QString readError = "stale";
        QCOMPARE(log.qsoById(4294967297, &readError).value_or(QsoClass()).callsign, "K1BIG");
        QCOMPARE(log.qsoById(1, &readError).value_or(QsoClass()).callsign, "DL1ABC");
        QVERIFY(!log.qsoById(2, &readError)); // no such QSO is no read error
        QCOMPARE(readError, QString());
        QCOMPARE(log.logbookProblem(true), std::nullopt);
    }

    void unopenableLogbook()
    {
        QVERIFY(QDir(m_dir->path()).mkdir("Folder.rlog"));
        m_app->defaults().setValue("LogDbName", "Folder.rlog");
        LogModel &log = m_app->log();
        QCOMPARE(log.logDbName(), QStringLiteral("Folder.rlog"));
        const QRegularExpression failed("^Failed to open logbook database: \\d+$");
        QTest::ignoreMessage(QtInfoMsg, failed);
        QVERIFY(!log.openDB());
        QTest::ignoreMessage(QtInfoMsg, failed);
        QVERIFY(log.getlastQSOs(0).isEmpty());
        QTest::ignoreMessage(QtInfoMsg, failed);
        QsoClass q = makeQso("DL1ABC", "2025-06-15 12:00:00");
        QCOMPARE(log.saveNewQSOtoLog(q).error,
                 QStringLiteral("Folder.rlog could not be opened: unable to open database file"));
        QTest::ignoreMessage(QtInfoMsg, failed);
        QVERIFY(!log.markAllAsClublogOkay());
    }

    void pinnedWritesAreAnnouncedOnceByTheCurrentModel()
    {
        LogModel &log = m_app->log();
        QSignalSpy changes(&log, &LogModel::qsosChanged);
        // A pinned model writing on a worker thread: announced on the main thread, after commit.
        std::unique_ptr<LogModel> pinned = log.pinned();
        QsoClass qso = makeQso("DL1ABC", "2025-06-15 12:00:00");
        std::unique_ptr<QThread> worker(
            QThread::create([&] { QVERIFY(pinned->saveNewQSOtoLog(qso)); }));
        worker->start();
        QVERIFY(worker->wait(10000));
        QCOMPARE(changes.size(), 0); // not on the worker
        QTRY_COMPARE(changes.size(), 1);
        const auto change = changes.at(0).at(0).value<QsoChange>();
        QCOMPARE(change.ids, QSet<qint64>{*qso.id});
        QCOMPARE(log.getlastQSOs(0).size(), 1);

        // Once another logbook is current, the pinned one's writes are not this model's news.
        makeLogbook("Other.rlog");
        log.selectLogbook("Other.rlog");
        QsoClass second = makeQso("DL2XYZ", "2025-06-15 12:05:00");
        QVERIFY(pinned->saveNewQSOtoLog(second));
        QCOMPARE(changes.size(), 1);
        pinned.reset();
        QVERIFY(log.saveNewQSOtoLog(second));
        QCOMPARE(changes.size(), 2);
    }

    void sixtyMetreCache_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("band");
        QTest::addColumn<int>("adif");
        QTest::addColumn<bool>("blanked");
        QTest::newRow("operation not counting uses the entity") << "save"
                                                                << "60m" << -291 << true;
        QTest::newRow("save on 20m") << "save"
                                     << "20m" << 291 << false;
        QTest::newRow("entity beyond the cache") << "save"
                                                 << "60m" << 700 << false;
        QTest::newRow("import on 60m") << "bulk"
                                       << "60m" << 291 << true;
        QTest::newRow("delete on 60m") << "delete"
                                       << "60m" << 291 << true;
    }

    void sixtyMetreCache()
    {
        QFETCH(QString, operation);
        QFETCH(QString, band);
        QFETCH(int, adif);
        QFETCH(bool, blanked);
        LogModel &log = m_app->log();
        QsoClass q = makeQso("K1ABC", "2025-06-15 12:00:00", band);
        q.adif = adif;
        if (operation == "delete")
            QVERIFY(log.saveNewQSOtoLog(q));
        QStringList &cache = m_app->log().info60m();
        cache.fill(QStringLiteral("ABC"));
        if (operation == "save")
            QVERIFY(log.saveNewQSOtoLog(q));
        else if (operation == "bulk")
            QVERIFY(log.saveAllQSOsToLog({q}, {}));
        else
            QVERIFY(log.deleteQSO(log.getlastQSOs(0).value(0)));
        QCOMPARE(cache.size(), LogModel::k60mCacheSize);
        QCOMPARE(cache.count(QString()), blanked ? 1 : 0);
        QCOMPARE(cache.value(291).isEmpty(), blanked);
    }

    void prefs_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("stored");
        QTest::newRow("plain") << "mycall"
                               << "DL1ABC"
                               << "DL1ABC";
        QTest::newRow("quotes in value") << "eqslcomment"
                                         << "Tnx \"QSO\", it's 73"
                                         << "Tnx \"QSO\", it's 73";

        QTest::newRow("eQSL password as Base64") << "eqslpassword"
                                                 << "pässwort"
                                                 << "cMOkc3N3b3J0";
    }

    void prefs()
    {
        QFETCH(QString, entry);
        QFETCH(QString, value);
        QFETCH(QString, stored);
        LogModel &log = m_app->log();
        QVERIFY(log.updatePrefs(entry, "first"));
        QVERIFY(log.updatePrefs(entry, value));
        QCOMPARE(log.readPrefsForEntry(entry), stored);
        QCOMPARE(rows("select count(*) from prefs where entry='appname'"), QStringList{"1"});
        QCOMPARE(rows("select count(*) from prefs"), QStringList{"3"});
    }

    void lastQslDate_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("read");
        QTest::newRow("full date-time") << "2024-01-02 03:04:05"
                                        << "2024-01-02 03:04:05";
        QTest::newRow("never downloaded") << ""
                                          << "2099-12-31 23:59:59";

        QTest::newRow("one character too many") << "2024-01-02 03:04:05Z"
                                                << "2099-12-31 23:59:59";
    }

    void lastQslDate()
    {
        QFETCH(QString, stored);
        QFETCH(QString, read);
        LogModel &log = m_app->log();
        QVERIFY(log.updatePrefs("lotwlastqsl", stored));
        QVERIFY(log.updatePrefs("eqsllastqsl", stored));
        QCOMPARE(log.getLotwPrefs().value("lotwlastqsl").toString(), read);
        QCOMPARE(log.getAllEqslData().value("eqsllastqsl").toString(), read);
    }

    void accountPasswordsAreStoredAsBase64()
    {
        LogModel &log = m_app->log();
        log.saveClublogPrefs({{"Username", "me"}, {"Password", "geheim"}});
        QCOMPARE(log.readPrefsForEntry("ClublogPassword"), QStringLiteral("Z2VoZWlt"));
        QCOMPARE(log.getClublogPrefs().value("Password").toString(), QStringLiteral("geheim"));
    }

    void syncedLogIsTheDevicesCopy()
    {
        {
            LogModel &log = m_app->log();
            save(log, makeQso("DL1ABC", "2025-06-15 12:00:00"));
        }
        // Chosen before this device joined one: the default logbook stays in use.
        m_app->defaults().setValue("LogDbName", QString::fromLatin1(logbookfiles::kSyncedLog));
        QVERIFY(!m_app->log().isSyncLog());
        QCOMPARE(m_app->log().getAllLogNames(), QStringList{kDefaultLog});

        const QString copy = m_app->folder().filePath(logbookfiles::kSyncedCopy);
        QVERIFY(QDir().mkpath(QFileInfo(copy).path()));
        QVERIFY(QFile::copy(m_app->folder().filePath(kDefaultLog), copy));
        m_app->defaults().setValue("LogDbName", QString());
        m_app->defaults().setValue("LogDbName", QString::fromLatin1(logbookfiles::kSyncedLog));
        LogModel &log = m_app->log();
        QVERIFY(log.isSyncLog());
        QCOMPARE(log.fullLogDatabasePath(), copy);
        // Listed once, by its name, though the copy is a logbook file in the data folder.
        QCOMPARE(log.getAllLogNames(),
                 (QStringList{QString::fromLatin1(logbookfiles::kSyncedLog), kDefaultLog}));
        QVERIFY(save(log, makeQso("K1ABC", "2025-06-15 13:00:00")));
        QCOMPARE(log.getlastQSOs(0).size(), 2);
        QCOMPARE(rows("select callsign from logbook"), QStringList{"DL1ABC"});
    }

    void createLogbook_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("file");
        using R = logbookchoice::CreateResult;
        QTest::newRow("suffix appended") << "Field day" << int(R::Created) << "Field day.rlog";
        QTest::newRow("one character refused") << "a" << int(R::NameTooShort) << "";
        QTest::newRow("given before in other case")
            << "defaultlog.RLOG" << int(R::NameGivenBefore) << "";
    }

    void createLogbook()
    {
        QFETCH(QString, name);
        QFETCH(int, result);
        QFETCH(QString, file);
        LogModel &log = m_app->log();
        save(log, makeQso("DL1ABC", "2025-06-15 12:00:00"));
        QCOMPARE(int(logbookchoice::createLogbook(m_app->folder(), name)), result);
        QStringList expected = {kDefaultLog};
        if (!file.isEmpty())
            expected << file;
        expected.sort(Qt::CaseInsensitive);
        QCOMPARE(log.getAllLogNames(), expected);
        QCOMPARE(log.getlastQSOs(0).size(), 1); // the existing logbook is left alone
        QCOMPARE(m_app->defaults().string("LogDbName"), kDefaultLog);
    }

    void deleteLogbook_data()
    {
        QTest::addColumn<QStringList>("others"); // logbooks besides DefaultLog.rlog
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("currentAfter");
        using R = logbookchoice::DeleteResult;
        QTest::newRow("the last logbook stays")
            << QStringList{} << kDefaultLog << kDefaultLog << int(R::LastLogbook) << kDefaultLog;
        QTest::newRow("a file that is no logbook does not count")
            << QStringList{"junk.rlog"} << kDefaultLog << kDefaultLog << int(R::LastLogbook)
            << kDefaultLog;
        QTest::newRow("another logbook goes, the current stays")
            << QStringList{"B.rlog"} << kDefaultLog << "B.rlog" << int(R::Deleted) << kDefaultLog;
        QTest::newRow("the current goes, the first remaining is chosen")
            << QStringList{"B.rlog", "Zulu.rlog"} << "B.rlog"
            << "B.rlog" << int(R::Deleted) << kDefaultLog;
        QTest::newRow("unknown name")
            << QStringList{"B.rlog"} << kDefaultLog << "C.rlog" << int(R::NotFound) << kDefaultLog;
    }

    void deleteLogbook()
    {
        QFETCH(QStringList, others);
        QFETCH(QString, current);
        QFETCH(QString, name);
        QFETCH(int, result);
        QFETCH(QString, currentAfter);
        LogModel &log = m_app->log();
        for (const QString &file : others) {
            makeLogbook(file);
            if (file.startsWith("junk"))
                exec("delete from prefs", file);
        }
        m_app->log().selectLogbook(current);
        QCOMPARE(int(logbookchoice::deleteLogbook(m_app->folder(), m_app->defaults(), log, name)),
                 result);
        QCOMPARE(QFile::exists(path(name)),
                 result == int(logbookchoice::DeleteResult::LastLogbook));
        QCOMPARE(m_app->defaults().string("LogDbName"), currentAfter);
        QCOMPARE(log.logDbName(), currentAfter);
    }
};

QTEST_GUILESS_MAIN(TestLogModel)
#include "tst_logmodel.moc"
