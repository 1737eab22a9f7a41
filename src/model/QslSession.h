#pragma once

#include "db/Database.h"
#include "db/FileStamp.h"
#include "formats/Formats.h"
#include "model/LogStore.h"
#include "model/QsoChange.h"
#include "model/QsoClass.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <optional>
#include <unordered_map>

/** One QSL download applied to a logbook file: one connection, one write transaction, statements
 *  prepared once. Everything a download changes (QSL marks, corrections, DX info, the date of the
 *  last QSL) goes in together when commit() succeeds and not at all otherwise, so a failure
 *  half-way never leaves QSOs marked while the date says they are still to come. Reads see the
 *  writes made so far. Made and used on one thread (a download's worker). */
class QslSession {
public:
    /** Opens the existing file and takes the write lock (waiting a few seconds for another
     *  program's); error() tells why when it could not. */
    QslSession(const QString &path, formats::DateStyle style);
    /** Rolls back unless committed. */
    ~QslSession();
    QslSession(const QslSession &) = delete;
    QslSession &operator=(const QslSession &) = delete;

    [[nodiscard]] bool isOpen() const { return m_error.isEmpty(); }
    [[nodiscard]] const QString &error() const { return m_error; }

    /** What matching needs of a QSO near a QSL's time. */
    struct Near {
        qint64 rowid = 0;
        QString callsign;
        qint64 seconds = 0; // of the QSO's start, see secondsOf()
        QString lotwqsl;
        QString eqsl;
        QString mode;
    };
    /** The QSOs on the band strictly between the two instants, read along the time index. */
    [[nodiscard]] QList<Near> qsosBetween(const QDateTime &after, const QDateTime &before,
                                          const QString &band);
    /** The whole QSO; none when there is no such row. */
    [[nodiscard]] std::optional<QsoClass> qsoById(qint64 id);
    /** Seconds since the epoch of a "yyyy-MM-dd HH:mm:ss" text (UTC), without the cost of a
     *  date parser for every row; none for anything else. */
    [[nodiscard]] static std::optional<qint64> secondsOf(QStringView sqlDateTime);
    /** Writes one column of one QSO (stored form, as updateLogbookField). `qso` is the QSO as
     *  stored before this write. */
    WriteResult setField(const QsoClass &qso, const QString &column, const QString &value);
    /** "lotwqsl" X and "clublog" W in one write: the QSO is confirmed and queued for Club Log. */
    WriteResult markLotwConfirmed(const QsoClass &qso);

    /** One QSO's new letter in a mark column. */
    struct Mark {
        qint64 id = 0;
        int adif = 0; // the QSO's entity, for change()
        QString value;
    };
    /** Writes the "eqsl" or "clublog" letters of many QSOs in one statement (the ids and letters
     *  go into a temporary table first). Fails when one of the QSOs is not in the logbook; the
     *  session must not be committed then. A QSO listed twice takes its last letter. */
    WriteResult setMarks(const QString &column, const QList<Mark> &marks);
    /** Hands the QSOs with these ids that the logbook holds to `visit`, read in one pass in id
     *  order, with only the `columns` filled (see qsorow::onlyColumns); false when the read
     *  failed (the error is logged). */
    bool forEachQso(const QList<qint64> &ids, const QStringList &columns,
                    const std::function<void(const QsoClass &)> &visit);

    /** The entity's stored DX info text; none when the logbook has none for it. */
    [[nodiscard]] std::optional<QString> storedDxInfo(int adif);
    /** The entity's 60 m group as the logbook holds it now. */
    [[nodiscard]] QString group60m(int adif);
    /** "-", "W", "P", "L" or "X" for an IOTA reference (empty unless 6 characters) and for a
     *  grid square on a band (first 4 characters, case ignored; empty for fewer), as LogModel
     *  answers them. Only writes through this session are seen after the first question. */
    [[nodiscard]] QString iotaStatus(const QString &reference);
    [[nodiscard]] QString locatorStatus(const QString &locator, const QString &band);
    /** Rebuilds and stores the entity's DX info text from its QSOs; an empty `dxcc` is taken
     *  from them. */
    WriteResult refreshDxInfo(int adif, const QString &dxcc);
    WriteResult setPref(const QString &entry, const QString &value);

    /** Whether no write reached the file since `stamp` was taken (see db::FileStamp): then
     *  every QSO is as it was read after that. Never so for a file in WAL mode, whose commits
     *  stay beside the file until a checkpoint. */
    [[nodiscard]] bool unchangedSince(const db::FileStamp &stamp);

    WriteResult commit();
    /** The QSOs this session wrote and their entities; announce it after commit with
     *  LogModel::takeCommitted. */
    [[nodiscard]] const QsoChange &change() const { return m_change; }

    /** The user's date style, in which the QSOs read here show their dates. */
    [[nodiscard]] formats::DateStyle dateStyle() const { return m_style; }

private:
    db::Statement &statement(const QString &sql);
    WriteResult failed(const QString &what);
    /** Empties the temporary table (made when first needed) and fills it with one prepared
     *  insert. `row` binds the values of one entry, the id first. */
    bool fillTemporary(const QString &table, const QString &columns, qsizetype count,
                       const std::function<void(db::Statement &, qsizetype)> &row);
    /** How many QSOs of a grid square on a band, or of an IOTA reference, there are, and how
     *  many of them are paper and LoTW confirmed. Read in one pass over the logbook when first
     *  asked, then kept in step with this run's writes. */
    struct Tally {
        qint64 any = 0;
        qint64 paper = 0;
        qint64 lotw = 0;
    };
    void loadTallies();
    /** Counts the QSO in (+1) or out (-1) of its square and island. */
    void tally(const QsoClass &qso, int step);
    [[nodiscard]] static QString statusOf(const Tally &tally);
    [[nodiscard]] static QString squareKey(const QString &locator, const QString &band);

    db::Database m_database;
    QString m_path;
    formats::DateStyle m_style;
    QString m_error;
    bool m_open = false;
    std::unordered_map<QString, db::Statement> m_statements;
    bool m_talliesLoaded = false;
    QHash<QString, Tally> m_squares; // by squareKey()
    QHash<QString, Tally> m_islands; // by reference
    QsoChange m_change;
};
