// A device's copy of the synced logbook: the clock, change capture by triggers, the outbox and
// applying what was pulled. No server: these are the copy's own rules.

#include "../model/ReadOnlyLogbook.h"
#include "../model/SqlRows.h"
#include "app/DataFolder.h"
#include "db/Database.h"
#include "formats/TextCoding.h"
#include "sync/Hlc.h"
#include "sync/LocalReplica.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using logsync::Hlc;
using logsync::LocalReplica;
using logsync::PulledPref;
using logsync::PulledQso;
using logsync::PullPage;
using logsync::PushBatch;

using Fields = QMap<QString, QString>;

namespace {

constexpr qint64 kNow = 1'733'558'400'000; // 2024-12-07 08:00 UTC

/** The wall clock, which also stamps the triggers' changes. */
qint64 wallClock()
{
    return QDateTime::currentMSecsSinceEpoch();
}

/** "col=value;col=value" as fields (for values without ';' and '='). */
Fields fields(const QString &text)
{
    Fields result;
    for (const QString &pair : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype at = pair.indexOf(QLatin1Char('='));
        result.insert(pair.left(at), pair.mid(at + 1));
    }
    return result;
}

/** Like fields(), with "<null>" for a null value (a removed kept field). */
Fields wireFields(const QString &text)
{
    Fields result = fields(text);
    for (QString &value : result)
        if (value == u"<null>"_qs)
            value = QString();
    return result;
}

/** The kept ADIF fields among a change's fields as "key=value" (null as "<null>"), sorted. */
QStringList extrasOf(const Fields &values)
{
    QStringList lines;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        if (it.key().startsWith(u"adif:"_qs))
            lines << it.key() + u'=' + (it.value().isNull() ? u"<null>"_qs : it.value());
    return lines;
}

/** A clock reading's text, zero-padded so that text order is clock order. */
QString reading(qint64 ms, int counter, const char *device = "me")
{
    return u"%1.%2.%3"_qs.arg(ms, 18, 10, QChar(u'0'))
        .arg(counter, 5, 10, QChar(u'0'))
        .arg(QLatin1String(device));
}

PulledQso pulled(const QString &uuid, const Fields &values, bool deleted = false, qint64 ms = kNow)
{
    return {0, uuid, deleted, values, Hlc{ms, 0, QStringLiteral("other")}.toText()};
}

PullPage page(QList<PulledQso> qsos, QList<PulledPref> prefs = {}, qint64 lastSeq = 1)
{
    return {std::move(qsos), std::move(prefs), lastSeq};
}

} // namespace

class LocalReplicaTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    /** A logbook file from the shipped template, made a synced copy unless told otherwise. */
    QString newCopy(const QString &name, bool install = true)
    {
        const QString path = m_dir->filePath(name);
        if (!DataFolder::at(m_dir->path()).copyResourceIfMissing(u"EmptyLog.rlog"_qs, name))
            return {};
        QString error;
        if (install && !LocalReplica(path).install(&error))
            qWarning() << error;
        return path;
    }

    /** Runs statements on a connection of its own, as another program would. */
    static bool exec(const QString &path, const QStringList &statements)
    {
        db::Database database;
        if (database.open(path, db::Database::Mode::ReadWrite) != 0)
            return false;
        for (const QString &sql : statements) {
            if (!database.exec(sql)) {
                qWarning() << sql << database.errorMessage();
                return false;
            }
        }
        return true;
    }

    static QStringList rows(const QString &path, const QString &sql) { return sqlRows(path, sql); }

    /** The outbox as "CALL:field" and "pref:entry", sorted; "?" for a QSO no longer there. */
    static QString outbox(const QString &path)
    {
        QStringList lines =
            rows(path, QStringLiteral("SELECT coalesce(l.callsign, '?') || ':' || o.field "
                                      "FROM sync_outbox o LEFT JOIN sync_qso q ON q.uuid = "
                                      "o.uuid LEFT JOIN logbook l ON l.id = q.id "
                                      "UNION ALL SELECT 'pref:' || entry FROM "
                                      "sync_prefs_outbox"));
        lines.sort();
        return lines.join(QLatin1Char(' '));
    }

    static QString uuidOf(const QString &path, const QString &callsign)
    {
        return rows(path, u"SELECT q.uuid FROM sync_qso q JOIN logbook l ON l.id = q.id WHERE "
                          "l.callsign = '%1'"_qs.arg(callsign))
            .value(0);
    }

    /** Pushes everything and forgets it, as after a successful sync. */
    static bool drain(const QString &path)
    {
        LocalReplica copy(path);
        const auto batch = copy.takeOutbox(1000, wallClock(), nullptr);
        return batch && copy.confirmPushed(*batch, {}, nullptr) && copy.pendingChanges() == 0;
    }

    /** A copy holding DL1A (20m, note "n0", entity 230, the kept ADIF field SIG_INFO "K-0001"
     *  without a type) and the setting mycall, all pushed. */
    QString copyWithOneQso(const QString &name)
    {
        const QString path = newCopy(name);
        if (!exec(path, {u"insert into logbook (callsign, band, note, dxccadif, lotwqsl) values "
                         "('DL1A', '20m', 'n0', 230, '')"_qs,
                         u"insert into qso_fields (qso, name, value) select id, 'sig_info', "
                         "'K-0001' from logbook"_qs,
                         u"replace into prefs (entry, value) values ('mycall', 'DL1A')"_qs}) ||
            !drain(path))
            return {};
        return path;
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    // --- the clock ---

    void hlcTickAndReceive_data()
    {
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("seen"); // empty: a local tick at kNow
        QTest::addColumn<QString>("expected");
        QTest::newRow("first tick") << QString() << QString() << reading(kNow, 0);
        QTest::newRow("tick in the same millisecond counts up")
            << reading(kNow, 3) << QString() << reading(kNow, 4);
        QTest::newRow("tick after a reading from the future")
            << "000001900000000000.00007.me" << QString() << "000001900000000000.00008.me";
        QTest::newRow("tick past a full counter moves a millisecond")
            << reading(kNow, 99999) << QString() << reading(kNow + 1, 0);
        QTest::newRow("receive a later reading, keep own device")
            << reading(1000, 3) << reading(2000, 1, "them") << reading(2000, 1);
        QTest::newRow("receive an earlier reading changes nothing")
            << reading(2000, 1) << reading(1000, 9, "them") << reading(2000, 1);
        QTest::newRow("receive in the same millisecond passes both counters")
            << reading(2000, 1) << reading(2000, 5, "them") << reading(2000, 6);
    }

    void hlcTickAndReceive()
    {
        QFETCH(QString, last);
        QFETCH(QString, seen);
        QFETCH(QString, expected);
        const Hlc before = last.isEmpty() ? Hlc{0, 0, u"me"_qs} : *Hlc::fromText(last);
        const Hlc after = seen.isEmpty() ? Hlc::tick(before, kNow, u"me"_qs)
                                         : Hlc::receive(before, *Hlc::fromText(seen));
        QCOMPARE(after.toText(), expected);
        // The server compares the texts: their order must be the clock's.
        QCOMPARE(after > before, after.toText() > before.toText());
        if (seen.isEmpty())
            QVERIFY(after > before);
    }

    // --- change capture ---

    void triggersCaptureChanges_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<QString>("expected");
        QTest::newRow("new QSO goes out whole")
            << QStringList{"insert into logbook (callsign) values ('DL2B')"} << "DL2B:*";
        QTest::newRow("only the changed columns")
            << QStringList{"update logbook set note = 'x', band = '20m', dxccadif = 230"}
            << "DL1A:note";
        QTest::newRow("the same values again send nothing")
            << QStringList{"update logbook set band = band, note = note"} << "";
        QTest::newRow("a changed id keeps the QSO's identity")
            << QStringList{"update logbook set id = 77, note = 'moved'"} << "DL1A:note";
        QTest::newRow("NULL to empty text is a change")
            << QStringList{"update logbook set qth = ''"} << "DL1A:qth";
        QTest::newRow("a delete replaces waiting fields")
            << QStringList{"update logbook set note = 'x'", "delete from logbook"} << "?:-";
        // The field waits with the time of its own change: a new QSO sent again after a push
        // that was never confirmed cannot overwrite a later change of another device.
        QTest::newRow("an edit of a new QSO waits with its own time")
            << QStringList{"insert into logbook (callsign) values ('DL2B')",
                           "update logbook set note = 'y' where callsign = 'DL2B'"}
            << "DL2B:* DL2B:note";
        // Kept ADIF fields (qso_fields) travel one by one, as columns do.
        const QString addCity =
            u"insert into qso_fields (qso, name, value, type) select id, '%1', 'Bonn', 'S' "
            "from logbook"_qs;
        QTest::newRow("a kept field added")
            << QStringList{addCity.arg("my_city")} << "DL1A:adif:my_city";
        QTest::newRow("a kept field named in upper case by another program")
            << QStringList{addCity.arg("MY_CITY")} << "DL1A:adif:my_city";
        QTest::newRow("a kept field's value changed")
            << QStringList{"update qso_fields set value = 'K-0002'"} << "DL1A:adif:sig_info";
        QTest::newRow("a kept field's type changed")
            << QStringList{"update qso_fields set type = 'S'"} << "DL1A:adif:sig_info";
        QTest::newRow("a kept field stored again unchanged")
            << QStringList{"update qso_fields set value = value, type = type"} << "";
        QTest::newRow("a kept field removed")
            << QStringList{"delete from qso_fields"} << "DL1A:adif:sig_info";
        QTest::newRow("a renamed kept field: the old one removed, the new one added")
            << QStringList{"update qso_fields set name = 'sig'"}
            << "DL1A:adif:sig DL1A:adif:sig_info";
        QTest::newRow("a kept field moved to another QSO leaves the first one")
            << QStringList{"insert into logbook (callsign) values ('DL2B')",
                           "update qso_fields set qso = (select id from logbook where "
                           "callsign = 'DL2B')"}
            << "DL1A:adif:sig_info DL2B:* DL2B:adif:sig_info";
        // The logbook's own trigger removes a deleted QSO's fields: no removal of each goes out.
        QTest::newRow("a deleted QSO sends only its deletion")
            << QStringList{"delete from logbook"} << "?:-";
        QTest::newRow("a deleted QSO drops its waiting kept fields")
            << QStringList{"update qso_fields set value = 'x'", addCity.arg("my_city"),
                           "delete from logbook"}
            << "?:-";
        QTest::newRow("a changed setting")
            << QStringList{"replace into prefs (entry, value) values ('mycall', 'DL9Z')"}
            << "pref:mycall";
        QTest::newRow("a setting stored again unchanged")
            << QStringList{"replace into prefs (entry, value) values ('mycall', 'DL1A')"} << "";
    }

    void triggersCaptureChanges()
    {
        QFETCH(QStringList, statements);
        QFETCH(QString, expected);
        const QString path = copyWithOneQso(u"copy.rlog"_qs);
        QVERIFY(exec(path, statements));
        QCOMPARE(outbox(path), expected);
    }

    void settingsThatStayLocal_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("local");
        QTest::newRow("LoTW password") << "lotwpassword" << true;
        QTest::newRow("Club Log password, any case") << "ClublogPassword" << true;
        QTest::newRow("dbversion") << "dbversion" << true;
        QTest::newRow("own call") << "mycall" << false;
    }

    void settingsThatStayLocal()
    {
        QFETCH(QString, entry);
        QFETCH(bool, local);
        QCOMPARE(LocalReplica::isLocalPref(entry), local);

        const QString path = copyWithOneQso(u"copy.rlog"_qs);
        // The triggers' copy of the rule.
        QVERIFY(exec(path,
                     {u"replace into prefs (entry, value) values ('%1', 'secret')"_qs.arg(entry)}));
        QCOMPARE(outbox(path), local ? QString() : u"pref:"_qs + entry);

        // Nor does a pulled value overwrite it.
        QVERIFY(drain(path));
        LocalReplica copy(path);
        QVERIFY(copy.applyPulled(page({}, {{1, entry, u"theirs"_qs, {}}}), wallClock(), nullptr));
        QCOMPARE(rows(path, u"select value from prefs where entry = '%1'"_qs.arg(entry)),
                 QStringList{local ? u"secret"_qs : u"theirs"_qs});
    }

    // --- install ---

    void installAdoptsQsosAndRunsOnce()
    {
        const QString path = newCopy(u"file.rlog"_qs, false);
        QVERIFY(exec(path, {u"insert into logbook (callsign) values ('DL1A'), ('DL2B')"_qs}));
        LocalReplica copy(path);
        QString error;
        QVERIFY2(copy.install(&error), qPrintable(error));
        QCOMPARE(outbox(path), u"DL1A:* DL2B:*"_qs);
        const QRegularExpression v4(
            u"^[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}$"_qs);
        const QStringList uuids = QStringList{copy.state(u"device"_qs), uuidOf(path, u"DL1A"_qs),
                                              uuidOf(path, u"DL2B"_qs)};
        for (const QString &uuid : uuids)
            QVERIFY2(v4.match(uuid).hasMatch(), qPrintable(uuid));
        QCOMPARE(QSet<QString>(uuids.cbegin(), uuids.cend()).size(), 3);

        const auto snapshot = [&path] {
            return rows(path, u"select type, name, sql from sqlite_master order by name"_qs) +
                   rows(path, u"select * from sync_qso"_qs) +
                   rows(path, u"select * from sync_outbox"_qs) +
                   rows(path, u"select * from sync_state"_qs);
        };
        const QStringList before = snapshot();
        QVERIFY(copy.install(&error));
        QCOMPARE(snapshot(), before);
        QVERIFY(drain(path));
        QVERIFY(copy.install(&error));
        QCOMPARE(copy.pendingChanges(), 0);

        // Triggers an older version left, under any name, are replaced.
        QVERIFY(exec(path, {u"drop trigger sync_logbook_update_note"_qs,
                            u"create trigger sync_logbook_update_note after update on logbook "
                            "begin select 1; end"_qs,
                            u"create trigger \"sync_old; drop table logbook\" after update on "
                            "logbook begin select 1; end"_qs}));
        QVERIFY(copy.install(&error));
        QCOMPARE(rows(path, u"select count(*) from sqlite_master where name like 'sync_old%'"_qs),
                 QStringList{u"0"_qs});
        QVERIFY(exec(path, {u"update logbook set note = 'x' where callsign = 'DL1A'"_qs}));
        QCOMPARE(outbox(path), u"DL1A:note"_qs);
    }

    void installRefusesAFileWithoutTheColumns()
    {
        const QString path = m_dir->filePath(u"odd.rlog"_qs);
        db::Database database;
        QCOMPARE(database.open(path), 0);
        QVERIFY(database.exec(u"create table logbook (id integer primary key, date text)"_qs));
        database.close();
        QString error;
        QVERIFY(!LocalReplica(path).install(&error));
        QCOMPARE(error, u"The logbook has no column time"_qs);
        QCOMPARE(rows(path, u"select count(*) from sqlite_master where name like 'sync%'"_qs),
                 QStringList{u"0"_qs});
    }

    void importAddsQsosAsNew_data()
    {
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("expected");
        QTest::newRow("kept, going out as new") << true << "DL1A:* DL2B:* DL3C:*";
        QTest::newRow("refused, nothing kept") << false << "DL1A:*";
    }

    void importAddsQsosAsNew()
    {
        QFETCH(bool, accepted);
        QFETCH(QString, expected);
        const QString path = newCopy(u"copy.rlog"_qs);
        LocalReplica copy(path);
        const auto triggers = [&path] {
            return rows(
                path,
                u"select name, sql from sqlite_master where type = 'trigger' order by name"_qs);
        };
        const QStringList before = triggers();
        QString error;
        const bool imported = copy.importQsos(
            [accepted](db::Database &database) {
                return database.exec(
                           u"insert into logbook (callsign) values ('DL2B'), ('DL3C')"_qs) &&
                       accepted;
            },
            &error);
        QCOMPARE(imported, accepted);
        QCOMPARE(triggers(), before);
        // Capture goes on as before.
        QVERIFY(exec(path, {u"insert into logbook (callsign) values ('DL1A')"_qs}));
        QCOMPARE(outbox(path), expected);
    }

    // --- the outbox ---

    void takeOutboxOldestFirstWithClocks()
    {
        const QString path = newCopy(u"copy.rlog"_qs);
        // A clock ahead of the wall clock, as after pulling from a device whose clock is fast.
        const qint64 now = wallClock();
        QVERIFY(LocalReplica(path).setState(u"hlc"_qs, reading(now + 60'000, 7, "old")));
        QVERIFY(exec(path, {u"insert into logbook (callsign, dxccadif, note) values "
                            "('DL1A', -230, NULL), ('DL2B', 291, ''), ('DL3C', 0, 'x')"_qs,
                            u"update logbook set qth = 'Bonn' where callsign = 'DL1A'"_qs,
                            u"replace into prefs (entry, value) values ('mycall', 'DL1A')"_qs}));
        LocalReplica copy(path);
        QString error;
        const auto batch = copy.takeOutbox(2, now, &error);
        QVERIFY2(batch, qPrintable(error));
        QCOMPARE(batch->qsos.size(), 2);
        // Oldest first: DL1A waits since it was logged, its later edit with it.
        QCOMPARE(batch->qsos[0].fields.value(u"callsign"_qs), u"DL1A"_qs);
        QCOMPARE(batch->qsos[0].fields.value(u"qth"_qs), u"Bonn"_qs);
        QCOMPARE(batch->qsos[1].fields.value(u"callsign"_qs), u"DL2B"_qs);
        QCOMPARE(batch->qsos[1].fields.size(), 38);
        QCOMPARE(batch->qsos[1].fields.value(u"dxccadif"_qs), u"291"_qs);
        QVERIFY(!batch->qsos[1].fields.value(u"note"_qs).isNull()); // '' is not NULL
        QVERIFY(batch->qsos[1].fields.value(u"qth"_qs).isNull());
        QCOMPARE(batch->prefs.size(), 1);

        // Each change carries the time it was made, after every reading the copy had seen then.
        const QString device = copy.state(u"device"_qs);
        const QString expected = reading(now + 60'001, 0, qPrintable(device));
        for (const QString &stamp : {batch->qsos[0].hlc, batch->qsos[1].hlc, batch->prefs[0].hlc})
            QCOMPARE(stamp, expected);
        QCOMPARE(copy.state(u"hlc"_qs), expected);

        QVERIFY(copy.confirmPushed(*batch, {}, &error));
        const auto rest = copy.takeOutbox(2, now, &error);
        QVERIFY(rest);
        QCOMPARE(rest->qsos.size(), 1);
        QCOMPARE(rest->qsos[0].fields.value(u"callsign"_qs), u"DL3C"_qs);
    }

    void keptFieldsGoOut_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<QStringList>("expected"); // the pushed QSO's kept fields
        QTest::addColumn<bool>("whole");           // the pushed QSO goes out whole
        const QString newQso = u"insert into logbook (callsign) values ('DL2B')"_qs;
        const QString add = u"insert into qso_fields (qso, name, value, type) select max(id), "
                            "'%1', '%2', '%3' from logbook"_qs;
        QTest::newRow("a new QSO with all its kept fields, typed or not")
            << QStringList{newQso, add.arg("my_gridsquare", "JO31", ""),
                           add.arg("app_n1mm_exchange1", "Hello: world", "S")}
            << QStringList{"adif:app_n1mm_exchange1=S:Hello: world", "adif:my_gridsquare=:JO31"}
            << true;
        QTest::newRow("a new QSO whose field was removed before the push")
            << QStringList{newQso, add.arg("my_city", "Bonn", ""),
                           "delete from qso_fields where name = 'my_city'"}
            << QStringList{"adif:my_city=<null>"} << true;
        QTest::newRow("a changed kept field goes out alone")
            << QStringList{"update qso_fields set value = 'K-0002'"}
            << QStringList{"adif:sig_info=:K-0002"} << false;
        QTest::newRow("a removed kept field goes out as null")
            << QStringList{"delete from qso_fields"} << QStringList{"adif:sig_info=<null>"}
            << false;
        QTest::newRow("a type that could not be read back goes out without")
            << QStringList{add.arg("my_city", "Bonn", "XY")} << QStringList{"adif:my_city=:Bonn"}
            << false;
        QTest::newRow("a name that is no ADIF name stays on the device")
            << QStringList{add.arg("my city", "Bonn", "")} << QStringList{} << false;
    }

    void keptFieldsGoOut()
    {
        QFETCH(QStringList, statements);
        QFETCH(QStringList, expected);
        QFETCH(bool, whole);
        const QString path = copyWithOneQso(u"copy.rlog"_qs);
        QVERIFY(exec(path, statements));
        LocalReplica copy(path);
        const auto batch = copy.takeOutbox(10, wallClock(), nullptr);
        QVERIFY(batch);
        QCOMPARE(batch->qsos.size(), expected.isEmpty() ? 0 : 1);
        if (expected.isEmpty())
            return;
        const Fields &pushed = batch->qsos.first().fields;
        QCOMPARE(extrasOf(pushed), expected);
        QCOMPARE(pushed.size(), expected.size() + (whole ? 38 : 0));
        QVERIFY(copy.confirmPushed(*batch, {}, nullptr));
        QCOMPARE(copy.pendingChanges(), 0);
    }

    void fieldsCarryTheirOwnClocks()
    {
        // A field changed after the QSO was logged goes out with its own reading; a reading from
        // a wrong clock far ahead goes out as now, which the server accepts.
        const QString path = newCopy(u"copy.rlog"_qs);
        const qint64 now = wallClock();
        QVERIFY(exec(path, {u"insert into logbook (callsign) values ('DL1A')"_qs}));
        const qint64 inserted = wallClock();
        QTRY_VERIFY(wallClock() > inserted); // the change gets a later reading
        QVERIFY(exec(path, {u"update logbook set note = 'later'"_qs}));
        LocalReplica copy(path);
        const auto batch = copy.takeOutbox(10, wallClock(), nullptr);
        QVERIFY(batch && batch->qsos.size() == 1);
        const logsync::QsoChange &change = batch->qsos.first();
        QCOMPARE(change.clocks.keys(), QStringList{u"note"_qs});
        QVERIFY(change.clockOf(u"note"_qs) > change.hlc);
        QCOMPARE(change.clockOf(u"callsign"_qs), change.hlc);

        const qint64 decade = 10LL * 365 * 24 * 3600 * 1000;
        QVERIFY(copy.setState(u"hlc"_qs, reading(now + decade, 0, "wrong")));
        QVERIFY(exec(path, {u"update logbook set qth = 'x'"_qs}));
        const auto ahead = copy.takeOutbox(10, now, nullptr);
        QVERIFY(ahead && !ahead->qsos.isEmpty());
        QCOMPARE(ahead->qsos.first().clockOf(u"qth"_qs).left(18), reading(now, 0).left(18));
        QVERIFY(copy.state(u"hlc"_qs) < reading(now + 3600'000, 0));
    }

    void confirmKeepsRowsChangedAgain_data()
    {
        QTest::addColumn<QString>("beforeTake");
        QTest::addColumn<QString>("afterTake");
        QTest::addColumn<QString>("expected");
        const QString note = u"update logbook set note = 'a'"_qs;
        QTest::newRow("unchanged rows go") << note << QString() << QString();
        QTest::newRow("a field changed again stays") << note << "update logbook set note = 'b'"
                                                     << "DL1A:note";
        QTest::newRow("another field stays") << note << "update logbook set lotwqsl = 'X'"
                                             << "DL1A:lotwqsl";
        QTest::newRow("a new QSO edited before the confirmation stays")
            << "insert into logbook (callsign) values ('DL2B')"
            << "update logbook set note = 'b' where callsign = 'DL2B'"
            << "DL2B:note";
        QTest::newRow("a setting changed again stays")
            << "update prefs set value = 'A' where entry = 'mycall'"
            << "update prefs set value = 'B' where entry = 'mycall'"
            << "pref:mycall";
    }

    void confirmKeepsRowsChangedAgain()
    {
        QFETCH(QString, beforeTake);
        QFETCH(QString, afterTake);
        QFETCH(QString, expected);
        const QString path = copyWithOneQso(u"copy.rlog"_qs);
        QVERIFY(exec(path, {beforeTake}));
        LocalReplica copy(path);
        const auto batch = copy.takeOutbox(10, wallClock(), nullptr);
        QVERIFY(batch);
        if (!afterTake.isEmpty())
            QVERIFY(exec(path, {afterTake}));
        QVERIFY(copy.confirmPushed(*batch, {}, nullptr));
        QCOMPARE(outbox(path), expected);
    }

    // --- applying pulled changes ---

    void pulledChanges_data()
    {
        QTest::addColumn<QString>("local");
        QTest::addColumn<QString>("values");
        QTest::addColumn<bool>("deleted");
        QTest::addColumn<QString>("row"); // note|lotwqsl|band of DL1A
        QTest::addColumn<QString>("expectedOutbox");
        QTest::addColumn<QList<int>>("entities"); // touched, before and after; DL1A's is 230
        const QString mine = u"update logbook set note = 'mine'"_qs;
        const QList<int> dl1a{230};
        QTest::newRow("written and not echoed")
            << QString() << "lotwqsl=X;note=n1" << false << "n1|X|20m" << QString() << dl1a;
        QTest::newRow("a waiting local field is kept")
            << mine << "note=theirs;lotwqsl=X" << false << "mine|X|20m"
            << "DL1A:note" << dl1a;
        QTest::newRow("unknown names are ignored")
            << QString() << "bogus=1;id=99;lotwqsl=X" << false << "n0|X|20m" << QString() << dl1a;
        QTest::newRow("changed entity: old and new")
            << QString() << "dxccadif=-291" << false << "n0||20m" << QString()
            << QList<int>{230, 291};
        QTest::newRow("a pulled delete wins over a waiting edit")
            << mine << QString() << true << QString() << QString() << dl1a;
        QTest::newRow("a waiting local delete keeps it away")
            << "delete from logbook"
            << "lotwqsl=X" << false << QString() << "?:-" << QList<int>{};
    }

    void pulledChanges()
    {
        QFETCH(QString, local);
        QFETCH(QString, values);
        QFETCH(bool, deleted);
        QFETCH(QString, row);
        QFETCH(QString, expectedOutbox);
        QFETCH(QList<int>, entities);
        const QString path = copyWithOneQso(u"copy.rlog"_qs);
        const QString uuid = uuidOf(path, u"DL1A"_qs);
        if (!local.isEmpty())
            QVERIFY(exec(path, {local}));
        LocalReplica copy(path);
        QString error;
        const auto touched =
            copy.applyPulled(page({pulled(uuid, fields(values), deleted)}), wallClock(), &error);
        QVERIFY2(touched, qPrintable(error));
        QCOMPARE(touched->entities, QSet<int>(entities.cbegin(), entities.cend()));
        QCOMPARE(rows(path, u"select note, lotwqsl, band from logbook"_qs).join(u' '), row);
        QCOMPARE(outbox(path), expectedOutbox);
        if (deleted)
            QCOMPARE(rows(path, u"select count(*) from sync_qso"_qs), QStringList{u"0"_qs});
    }

    void pulledKeptFields_data()
    {
        QTest::addColumn<QString>("local"); // a statement run first; "resend": all goes out again
        QTest::addColumn<QString>("values");
        QTest::addColumn<bool>("later");   // the server's change is later than the local ones
        QTest::addColumn<QString>("kept"); // DL1A's kept fields afterwards
        QTest::addColumn<QString>("expectedOutbox");
        QTest::addColumn<bool>("refused"); // a key or value is ignored and logged
        const QString none;
        const QString stored = u"sig_info|K-0001|"_qs;
        const QString mine = u"update qso_fields set value = 'mine'"_qs;
        QTest::newRow("a new kept field is stored")
            << none << "adif:my_gridsquare=:JO31;lotwqsl=X" << false
            << "my_gridsquare|JO31| sig_info|K-0001|" << none << false;
        QTest::newRow("a value with a colon and a type")
            << none << "adif:sig_info=S:K-0001: Hills" << false << "sig_info|K-0001: Hills|S"
            << none << false;
        QTest::newRow("null removes the field")
            << none << "adif:sig_info=<null>" << false << "" << none << false;
        QTest::newRow("null for a field not here changes nothing")
            << none << "adif:my_city=<null>" << false << stored << none << false;
        QTest::newRow("a spelling in upper case from another program is replaced")
            << "insert into qso_fields (qso, name, value) select id, 'MY_CITY', 'Köln' from "
               "logbook"
            << "adif:my_city=:Bonn" << true << "my_city|Bonn| sig_info|K-0001|" << none << false;
        QTest::newRow("a waiting local edit later than the server's stays")
            << mine << "adif:sig_info=:K-0002" << false << "sig_info|mine|"
            << "DL1A:adif:sig_info" << false;
        QTest::newRow("the server's edit later than the waiting local one wins")
            << mine << "adif:sig_info=:K-0002" << true << "sig_info|K-0002|" << none << false;
        QTest::newRow("a waiting local removal later than the server's edit stays")
            << "delete from qso_fields"
            << "adif:sig_info=:K-0002" << false << ""
            << "DL1A:adif:sig_info" << false;
        // A QSO going out whole says nothing about fields it does not have.
        QTest::newRow("a QSO going out whole keeps its field and takes one it lacks")
            << "resend"
            << "adif:sig_info=:K-0002;adif:my_city=:Bonn" << false
            << "my_city|Bonn| sig_info|K-0001|"
            << "DL1A:* pref:mycall" << false;

        // The server is a peer: what it sends under "adif:" is checked before it is stored.
        const auto hostile = [&](const char *tag, const QString &values) {
            QTest::newRow(tag) << none << values << true << stored << none << true;
        };
        hostile("empty name", u"adif:=:x"_qs);
        hostile("name in upper case", u"adif:MY_CITY=:Bonn"_qs);
        hostile("name with a blank", u"adif:my city=:Bonn"_qs);
        hostile("name with markup", u"adif:x<eor>=:Bonn"_qs);
        hostile("name longer than 64", u"adif:"_qs + QString(65, u'a') + u"=:Bonn"_qs);
        hostile("value without the type's colon", u"adif:my_city=Bonn"_qs);
        hostile("type of two letters", u"adif:my_city=SS:Bonn"_qs);
        hostile("type a digit", u"adif:my_city=1:Bonn"_qs);
        hostile("empty value", u"adif:my_city=S:"_qs);
        hostile("empty text instead of null", u"adif:my_city="_qs);
        hostile("a malformed value never removes a stored one", u"adif:sig_info=K-0002"_qs);
    }

    void pulledKeptFields()
    {
        QFETCH(QString, local);
        QFETCH(QString, values);
        QFETCH(bool, later);
        QFETCH(QString, kept);
        QFETCH(QString, expectedOutbox);
        QFETCH(bool, refused);
        const QString path = copyWithOneQso(u"copy.rlog"_qs);
        const QString uuid = uuidOf(path, u"DL1A"_qs);
        LocalReplica copy(path);
        if (local == u"resend"_qs)
            QVERIFY(copy.resendAll(nullptr));
        else if (!local.isEmpty())
            QVERIFY(exec(path, {local}));
        const QRegularExpression warning(u"^Sync: ignored the field \"adif:.*\" of QSO "_qs + uuid);
        if (refused)
            QTest::ignoreMessage(QtWarningMsg, warning);
        else
            QTest::failOnWarning(warning);
        const qint64 ms = later ? wallClock() + 60'000 : kNow;
        QString error;
        QVERIFY2(copy.applyPulled(page({pulled(uuid, wireFields(values), false, ms)}), wallClock(),
                                  &error),
                 qPrintable(error));
        QCOMPARE(
            rows(path, u"select name, value, type from qso_fields order by name"_qs).join(u' '),
            kept);
        QCOMPARE(outbox(path), expectedOutbox);
        if (values.contains(u"lotwqsl"_qs))
            QCOMPARE(rows(path, u"select lotwqsl from logbook"_qs), QStringList{u"X"_qs});
    }

    void keptFieldsRoundTrip()
    {
        // Pushed from one copy, pulled into another as a new QSO: the same fields, names in lower
        // case, values and types exactly.
        const QString first = newCopy(u"first.rlog"_qs);
        const QString add = u"insert into qso_fields (qso, name, value, type) select id, ?, ?, ? "
                            "from logbook"_qs;
        QVERIFY(exec(first, {u"insert into logbook (callsign) values ('DL1A')"_qs}));
        db::Database database;
        QCOMPARE(database.open(first, db::Database::Mode::ReadWrite), 0);
        const QList<QStringList> kept{{"APP_N1MM_RX_PWR", "-12", "N"},
                                      {"notes", "50% \"loud\"\r\nline 2; a:b", ""},
                                      {"my_name", "Zoë Þórshöfn 東京", "I"},
                                      {"sig_info", QString(2000, u'x'), "S"}};
        for (const QStringList &field : kept) {
            db::Statement insert = database.prepare(add);
            insert.bind(1, field[0]).bind(2, field[1]).bind(3, field[2]);
            QVERIFY(insert.run());
        }
        database.close();
        const auto batch = LocalReplica(first).takeOutbox(10, wallClock(), nullptr);
        QVERIFY(batch && batch->qsos.size() == 1);

        const QString second = newCopy(u"second.rlog"_qs);
        const logsync::QsoChange &change = batch->qsos.first();
        QVERIFY(LocalReplica(second).applyPulled(page({pulled(change.uuid, change.fields)}),
                                                 wallClock(), nullptr));
        const QString select = u"select lower(name), value, type, length(value) from qso_fields "
                               "order by lower(name)"_qs;
        QCOMPARE(rows(second, select), rows(first, select));
        QCOMPARE(rows(second, u"select name from qso_fields where name = 'app_n1mm_rx_pwr'"_qs),
                 QStringList{u"app_n1mm_rx_pwr"_qs});
        // Nothing pulled goes out again.
        QCOMPARE(LocalReplica(second).pendingChanges(), 0);
    }

    void pulledQsoMovesCursorAndClock()
    {
        const QString path = newCopy(u"copy.rlog"_qs);
        LocalReplica copy(path);
        const QString uuid = u"0b5c7e1e-8a2f-4c1d-9e3b-5f6a7b8c9d0e"_qs;
        // A new QSO without an entity touches none.
        const auto touched =
            copy.applyPulled(page({pulled(uuid, fields(u"callsign=DL2B;dxccadif=0"_qs))}, {}, 42),
                             wallClock(), nullptr);
        QVERIFY(touched && touched->entities.isEmpty());
        QCOMPARE(copy.state(u"cursor"_qs), u"42"_qs);
        // An empty page never moves the cursor back.
        QVERIFY(copy.applyPulled(page({}, {}, 0), wallClock(), nullptr));
        QCOMPARE(copy.state(u"cursor"_qs), u"42"_qs);
        // The clock passes a pulled reading ahead of the wall clock: the next local change
        // reads later even with this device's clock behind the other's.
        const qint64 ahead = wallClock() + 60'000;
        QVERIFY(copy.applyPulled(page({pulled(uuid, fields(u"qth=y"_qs), false, ahead)}, {}, 43),
                                 wallClock(), nullptr));
        QVERIFY(exec(path, {u"update logbook set note = 'x'"_qs}));
        const auto batch = copy.takeOutbox(10, wallClock(), nullptr);
        QVERIFY(batch && batch->qsos.size() == 1);
        QVERIFY(batch->qsos[0].hlc > pulled(uuid, {}, false, ahead).hlc);
        QCOMPARE(batch->qsos[0].fields, fields(u"note=x"_qs));
    }

    void freeTextRoundTrips_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("plain");
        QTest::newRow("name with apostrophe and comma") << "name" << QString("O'Neill, Jr.");
        QTest::newRow("note with percent, slash, letters")
            << "note" << QString("50% via 9A/DL1A, Zürich & Łódź");
        QTest::newRow("user field empty") << "user_4" << QString("");
        QTest::newRow("user field NULL") << "user_1" << QString();
        QTest::newRow("plain column unchanged") << "callsign" << QString("DL1A/P");
        QTest::newRow("integer column") << "dxccadif" << QString("-230");
    }

    void freeTextRoundTrips()
    {
        QFETCH(QString, column);
        QFETCH(QString, plain);
        const bool encoded = column != u"callsign"_qs && column != u"dxccadif"_qs;
        const QString stored = encoded && !plain.isNull() ? formats::percentEncode(plain) : plain;

        // Pushed decoded.
        const QString first = newCopy(u"first.rlog"_qs);
        db::Database database;
        QCOMPARE(database.open(first, db::Database::Mode::ReadWrite), 0);
        db::Statement insert =
            database.prepare(u"insert into logbook (%1) values (?)"_qs.arg(column));
        if (stored.isNull())
            insert.bindNull(1);
        else
            insert.bind(1, stored);
        QVERIFY(insert.run());
        const auto batch = LocalReplica(first).takeOutbox(10, wallClock(), nullptr);
        QVERIFY(batch && batch->qsos.size() == 1);
        const QString pushed = batch->qsos[0].fields.value(column);
        QCOMPARE(pushed, plain);
        QCOMPARE(pushed.isNull(), plain.isNull());

        // Stored encoded where pulled.
        const QString second = newCopy(u"second.rlog"_qs);
        PulledQso qso = pulled(batch->qsos[0].uuid, batch->qsos[0].fields);
        QVERIFY(LocalReplica(second).applyPulled(page({qso}), wallClock(), nullptr));
        QCOMPARE(rows(second, u"select %1 from logbook"_qs.arg(column)),
                 rows(first, u"select %1 from logbook"_qs.arg(column)));
        QCOMPARE(rows(second, u"select typeof(%1) from logbook"_qs.arg(column)),
                 rows(first, u"select typeof(%1) from logbook"_qs.arg(column)));
    }

    void failuresSayWhy()
    {
        const QString path = copyWithOneQso(u"copy.rlog"_qs);
        QVERIFY(exec(path, {u"update logbook set note = 'x'"_qs}));
        QVERIFY(makeLogbookReadOnly(path));
        LocalReplica copy(path);
        QString errors[3];
        QVERIFY(!copy.install(&errors[0]));
        QVERIFY(!copy.takeOutbox(10, kNow, &errors[1]));
        QVERIFY(!copy.applyPulled(page({}), wallClock(), &errors[2]));
        for (const QString &error : errors)
            QCOMPARE(error, u"attempt to write a readonly database"_qs);
    }

    void failedApplyLeavesNothing()
    {
        const QString path = copyWithOneQso(u"copy.rlog"_qs);
        const QString uuid = uuidOf(path, u"DL1A"_qs);
        // Stands for anything the file refuses half-way through a page.
        QVERIFY(exec(path, {u"create trigger refuse before insert on logbook when "
                            "new.callsign = 'BAD' begin select raise(abort, 'refused'); end"_qs}));
        LocalReplica copy(path);
        const QStringList before = rows(path, u"select * from logbook"_qs) +
                                   rows(path, u"select * from prefs"_qs) +
                                   rows(path, u"select * from sync_state"_qs);
        QString error;
        const auto result = copy.applyPulled(
            page({pulled(uuid, fields(u"lotwqsl=X"_qs)),
                  pulled(u"11111111-1111-4111-8111-111111111111"_qs, fields(u"callsign=DL2B"_qs)),
                  pulled(u"22222222-2222-4222-8222-222222222222"_qs, fields(u"callsign=BAD"_qs))},
                 {{3, u"mycall"_qs, u"DL9Z"_qs, {}}}, 9),
            wallClock(), &error);
        QVERIFY(!result);
        QCOMPARE(error, u"refused"_qs);
        QCOMPARE(rows(path, u"select * from logbook"_qs) + rows(path, u"select * from prefs"_qs) +
                     rows(path, u"select * from sync_state"_qs),
                 before);
        // Capture is on again for everyone.
        QCOMPARE(rows(path, u"select applying from sync_apply"_qs), QStringList{u"0"_qs});
        QVERIFY(exec(path, {u"update logbook set note = 'after'"_qs}));
        QCOMPARE(outbox(path), u"DL1A:note"_qs);
    }
};

QTEST_GUILESS_MAIN(LocalReplicaTest)
#include "tst_localreplica.moc"
