#pragma once

// What the log list, QSO editor and pile-up tests start from: the shell tests' data folder and
// application object, with QSOs written straight into the default logbook.

#include "../model/ReadOnlyLogbook.h"
#include "../shell/ShellFixture.h"
#include "db/Database.h"
#include "model/LogModel.h"

#include <QLocale>

struct LogFixture : ShellFixture {
    static void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
    }

    static QDateTime utc(const QString &sql)
    {
        QDateTime t = QDateTime::fromString(sql, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        t.setTimeZone(QTimeZone::utc());
        return t;
    }

    static QsoClass qso(const QString &call, const QString &when, double kHz = 14025.0,
                        const QString &mode = QStringLiteral("CW"))
    {
        QsoClass q;
        q.callsign = call;
        q.band = QStringLiteral("20m");
        q.mode = mode;
        q.qrg = kHz;
        q.dateTime = utc(when);
        q.adif = 230;
        q.dxcc = QStringLiteral("DL");
        q.clublog = QStringLiteral("Y");
        return q;
    }

    /** Stores the QSOs as they are (in one transaction). */
    void store(const QList<QsoClass> &qsos)
    {
        LogModel &log = app->log();
        QVERIFY(log.saveAllQSOsToLog(qsos, {}));
    }

    [[nodiscard]] bool makeReadOnly() const
    {
        return makeLogbookReadOnly(dir->filePath(QStringLiteral("DefaultLog.rlog")));
    }

    /** One column of the logbook, row by row in id order, read behind the models' back. */
    [[nodiscard]] QStringList column(const QString &name) const
    {
        db::Database database;
        if (database.open(dir->filePath(QStringLiteral("DefaultLog.rlog")),
                          db::Database::Mode::ReadOnly) != 0)
            return {QStringLiteral("<no file>")};
        db::Statement select =
            database.prepare(QStringLiteral("select %1 from logbook order by id").arg(name));
        QStringList values;
        while (select.step())
            values << select.text(0);
        return values;
    }
};
