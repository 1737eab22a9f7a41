// brindlewick-mkdb OUT.db SCHEMA.sql [MORE.sql ...]
// Builds a database from SQL files run in order; an existing OUT.db is replaced.

#include <QFile>
#include <QTextStream>

#include <sqlite3.h>

int main(int argc, char *argv[])
{
    QTextStream err(stderr);
    if (argc < 3) {
        err << "usage: brindlewick-mkdb OUT.db SCHEMA.sql [MORE.sql ...]\n";
        return 1;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QByteArray sql;
    for (int i = 2; i < argc; ++i) {
        QFile schema(QString::fromLocal8Bit(argv[i]));
        if (!schema.open(QIODevice::ReadOnly)) {
            err << "cannot read " << schema.fileName() << '\n';
            return 2;
        }
        sql += schema.readAll() + '\n';
    }
    QFile::remove(out);

    sqlite3 *db = nullptr;
    if (sqlite3_open(out.toUtf8().constData(), &db) != SQLITE_OK) {
        err << "cannot create " << out << '\n';
        sqlite3_close(db);
        return 2;
    }
    char *message = nullptr;
    const int rc = sqlite3_exec(db, sql.constData(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        err << out << ": " << message << '\n';
        sqlite3_free(message);
    }
    sqlite3_close(db);
    if (rc != SQLITE_OK) {
        QFile::remove(out);
        return 2;
    }
    return 0;
}
