// brindlewick-mkdb OUT.db SCHEMA.sql [MORE.sql ...] [--csv TABLE=FILE.csv ...]
// Builds a database from SQL files run in order, then fills tables from CSV files whose header
// names the columns; an existing OUT.db is replaced.

#include "CsvTable.h"

#include <QFile>
#include <QTextStream>

#include <sqlite3.h>

namespace {

bool readFile(const QString &path, QByteArray &content, QTextStream &err)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "cannot read " << path << '\n';
        return false;
    }
    content = file.readAll();
    return true;
}

/** Inserts every row as text; the columns' affinity turns numbers into numbers. */
bool importCsv(sqlite3 *db, const QString &table, const QString &path, QTextStream &err)
{
    QByteArray content;
    if (!readFile(path, content, err))
        return false;
    QString error;
    const std::optional<CsvTable> csv = CsvTable::parse(content, &error);
    if (!csv) {
        err << path << ": " << error << '\n';
        return false;
    }
    QStringList marks(csv->columns.size(), QStringLiteral("?"));
    const QByteArray sql =
        QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
            .arg(table, csv->columns.join(QLatin1Char(',')), marks.join(QLatin1Char(',')))
            .toUtf8();
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr) != SQLITE_OK) {
        err << path << ": " << sqlite3_errmsg(db) << '\n';
        return false;
    }
    bool ok = true;
    for (const QStringList &row : csv->rows) {
        for (int i = 0; i < row.size(); ++i) {
            const QByteArray value = row.at(i).toUtf8();
            sqlite3_bind_text(stmt, i + 1, value.constData(), int(value.size()), SQLITE_TRANSIENT);
        }
        if (sqlite3_step(stmt) != SQLITE_DONE) {
            err << path << ": " << sqlite3_errmsg(db) << '\n';
            ok = false;
            break;
        }
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    return ok;
}

bool exec(sqlite3 *db, const QByteArray &sql, const QString &what, QTextStream &err)
{
    char *message = nullptr;
    if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, &message) == SQLITE_OK)
        return true;
    err << what << ": " << message << '\n';
    sqlite3_free(message);
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QTextStream err(stderr);
    if (argc < 3) {
        err << "usage: brindlewick-mkdb OUT.db SCHEMA.sql [MORE.sql ...] "
               "[--csv TABLE=FILE.csv ...]\n";
        return 1;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QByteArray sql;
    QList<std::pair<QString, QString>> csvFiles;
    for (int i = 2; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--csv") && i + 1 < argc) {
            const QString assignment = QString::fromLocal8Bit(argv[++i]);
            const qsizetype eq = assignment.indexOf(QLatin1Char('='));
            if (eq <= 0) {
                err << "--csv needs TABLE=FILE.csv\n";
                return 1;
            }
            csvFiles.append({assignment.left(eq), assignment.mid(eq + 1)});
            continue;
        }
        QByteArray schema;
        if (!readFile(arg, schema, err))
            return 2;
        sql += schema + '\n';
    }
    QFile::remove(out);

    sqlite3 *db = nullptr;
    if (sqlite3_open(out.toUtf8().constData(), &db) != SQLITE_OK) {
        err << "cannot create " << out << '\n';
        sqlite3_close(db);
        return 2;
    }
    bool ok = exec(db, sql, out, err);
    if (!csvFiles.isEmpty()) {
        ok = ok && exec(db, "BEGIN", out, err);
        for (const auto &[table, path] : csvFiles)
            ok = ok && importCsv(db, table, path, err);
        ok = ok && exec(db, "COMMIT", out, err);
    }
    sqlite3_close(db);
    if (!ok) {
        QFile::remove(out);
        return 2;
    }
    return 0;
}
