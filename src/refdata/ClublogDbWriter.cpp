#include "refdata/ClublogDbWriter.h"

#include "app/Diagnostics.h"
#include "db/Database.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace refdata {
namespace {

const QString kOpenStart = QStringLiteral("1900-01-01 00:00:00");
const QString kOpenEnd = QStringLiteral("2099-12-31 23:59:59");

/** Club Log's centres of these entities are off (a capital instead of the country, a sea
 *  position), so they are fixed here. */
struct Centre {
    int adif;
    double lat;
    double lon;
};
constexpr Centre kFixedCentres[] = {
    {117, 46.23, 6.125}, {124, -22.31, 40.375}, {126, 54.69, 20.54},    {224, 62.52, 25.125},
    {246, 41.9, 12.48},  {266, 60.69, 9.54},    {284, 61.6, 14.8},      {412, -2.94, 14.7},
    {414, -2.94, 18.96}, {504, 48.73, 19.71},   {517, 12.187, -68.958}, {520, 12.151, -68.257},
};

QString periodText(const ClublogRecord &record, const char *key, const QString &fallback)
{
    const QString value = record.value(QLatin1String(key));
    return value.size() >= 19 ? clublogDateText(value) : fallback;
}

QString continent(const QString &cont)
{
    static const QHash<QString, QString> stored = {{QStringLiteral("EU"), QStringLiteral("Eu")},
                                                   {QStringLiteral("AS"), QStringLiteral("As")},
                                                   {QStringLiteral("AF"), QStringLiteral("Af")},
                                                   {QStringLiteral("AN"), QStringLiteral("An")},
                                                   {QStringLiteral("OC"), QStringLiteral("Oc")}};
    return stored.value(cont, cont);
}

/** Two decimals as "%0.2f" writes them (6.125 becomes 6.12), as the database always had. */
double twoDecimals(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%0.2f", value);
    return std::strtod(text, nullptr);
}

int integer(const ClublogRecord &record, const char *key)
{
    return record.value(QLatin1String(key)).trimmed().toInt();
}

void insert(db::Database &database, db::Statement &statement)
{
    if (statement.run())
        return;
    diag(QStringLiteral("DB Error while adding Callsign to ClublogDXCC.db!"));
    diag(QStringLiteral(" Error is:  %1").arg(database.errorMessage()));
}

void writeEntities(db::Database &database, const QList<ClublogRecord> &entities)
{
    db::Statement statement = database.prepare(
        QStringLiteral("INSERT INTO dxcc (name,prefix,cont,start,end,adif,deleted,cqz,lat,long ) "
                       "VALUES (?,?,?,?,?,?,?,?,?,?)"));
    for (const ClublogRecord &record : entities) {
        const int adif = integer(record, "adif");
        QString name = capitalisedWords(record.value(QStringLiteral("name")));
        QString prefix = record.value(QStringLiteral("prefix")).toUpper();
        if (adif == 117)
            name = QStringLiteral("United Nations Geneva");
        else if (adif == 289)
            name = QStringLiteral("United Nations New York");
        // Deleted entities whose prefix a current one has taken over.
        if (adif == 154)
            prefix = QStringLiteral("4W/D");
        else if (adif == 164)
            prefix = QStringLiteral("C9/D");
        else if (adif == 208)
            prefix = QStringLiteral("9U/D");
        double lat = record.value(QStringLiteral("lat")).toDouble();
        double lon = record.value(QStringLiteral("long")).toDouble();
        for (const Centre &centre : kFixedCentres) {
            if (centre.adif == adif) {
                lat = centre.lat;
                lon = centre.lon;
            }
        }
        const bool deleted = record.value(QStringLiteral("deleted")) != u"FALSE";
        statement.reset();
        statement.bindAll({name, prefix, continent(record.value(QStringLiteral("cont"))),
                           periodText(record, "start", kOpenStart),
                           periodText(record, "end", kOpenEnd), adif, deleted ? 1 : 0,
                           integer(record, "cqz"), twoDecimals(lat), twoDecimals(lon)});
        insert(database, statement);
    }
}

void writePeriods(db::Database &database, const QString &sql, const QList<ClublogRecord> &records,
                  bool withEntity)
{
    db::Statement statement = database.prepare(sql);
    for (const ClublogRecord &record : records) {
        statement.reset();
        statement.bind(1, record.value(QStringLiteral("call")))
            .bind(2, periodText(record, "start", kOpenStart))
            .bind(3, periodText(record, "end", kOpenEnd));
        if (withEntity)
            statement.bind(4, integer(record, "adif"));
        insert(database, statement);
    }
}

/** Prefix rows without dates take their entity's period. */
void addMissingDates(db::Database &database)
{
    db::Statement entities = database.prepare(QStringLiteral("select adif,start,end from dxcc"));
    db::Statement starts =
        database.prepare(QStringLiteral("update prefixes set start=? where adif=? and start=''"));
    db::Statement ends =
        database.prepare(QStringLiteral("update prefixes set end=? where adif=? and end=''"));
    const auto stored = [&entities](int column) {
        const QString text = entities.text(column);
        return text == u"(null)" ? QString() : text;
    };
    while (entities.step()) {
        const qint64 adif = entities.int64(0);
        starts.reset();
        starts.bind(1, stored(1)).bind(2, adif);
        if (!starts.run())
            diag(QStringLiteral("Error adding missing start dates: %1")
                     .arg(database.errorMessage()));
        ends.reset();
        ends.bind(1, stored(2)).bind(2, adif);
        if (!ends.run())
            diag(QStringLiteral("Error adding missing end dates: %1").arg(database.errorMessage()));
    }
}

} // namespace

QString capitalisedWords(const QString &text)
{
    QString result = text.toLower();
    bool wordStart = true;
    for (QChar &c : result) {
        if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r') {
            wordStart = true;
        } else if (wordStart) {
            c = c.toUpper();
            wordStart = false;
        }
    }
    return result;
}

QString writeClublogDatabase(const QString &path, const ClublogCountryFile &file,
                             const StatusSink &status)
{
    db::Database database;
    const int rc = database.open(path, db::Database::Mode::ReadWrite);
    if (rc != 0) {
        const QString line = QStringLiteral("Failed to open ClublogDXCC.db: %1").arg(rc);
        diag(line);
        return line;
    }
    database.exec(QStringLiteral("pragma journal_mode = MEMORY"));
    database.exec(QStringLiteral("BEGIN TRANSACTION"));
    status(QStringLiteral("Saving Country data..."));
    writeEntities(database, file.entities);
    status(QStringLiteral("Saving Callsign data..."));
    writePeriods(database,
                 QStringLiteral("INSERT INTO callsigns (callsign,start,end,adif) VALUES (?,?,?,?)"),
                 file.exceptions, true);
    status(QStringLiteral("Saving Prefix data..."));
    writePeriods(database,
                 QStringLiteral("INSERT INTO prefixes (prefix,start,end,adif) VALUES (?,?,?,?)"),
                 file.prefixes, true);
    status(QStringLiteral("Saving Invalid data..."));
    writePeriods(database,
                 QStringLiteral("INSERT INTO invalid (callsign,start,end) VALUES (?,?,?)"),
                 file.invalidOperations, false);
    if (!database.exec(QStringLiteral("END TRANSACTION"))) {
        // Nothing was written; the live database stays.
        const QString message = database.errorMessage();
        diag(QStringLiteral("DB Error while adding Callsign to ClublogDXCC.db!"));
        diag(QStringLiteral(" Error is:  %1").arg(message));
        return message;
    }
    status(QStringLiteral("Adding missing dates..."));
    addMissingDates(database);
    return {};
}

bool replaceFile(const QString &source, const QString &target, QString *error)
{
    // rename(2) replaces the target atomically; readers see the old file or the new one.
    if (std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) ==
        0) {
        return true;
    }
    *error = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

} // namespace refdata
