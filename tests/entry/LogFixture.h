#pragma once

// What the log list, QSO editor and pile-up tests start from: their own data folder with the
// default logbook, an application object with a fixed clock, and QSOs written straight into the
// logbook.

#include "app/AppDelegate.h"
#include "app/DataFolder.h"
#include "db/Database.h"
#include "model/LogModel.h"

#include <QDateTime>
#include <QLocale>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <memory>

struct LogFixture {
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<AppDelegate> app;
    QStringList posted;

    static void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
    }

    void setUp()
    {
        dir = std::make_unique<QTemporaryDir>();
        app = std::make_unique<AppDelegate>(DataFolder::at(dir->path()));
        app->clock().setFixed(utc(QStringLiteral("2025-06-15 12:00:00")));
        posted.clear();
        QObject::connect(&app->notifications(), &NotificationCenter::posted, app.get(),
                         [this](const QString &name) { posted << name; });
    }

    void tearDown()
    {
        app.reset();
        dir.reset();
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
        q.qrgString = QStringLiteral("%1").arg(kHz, 0, 'f', 1);
        q.dateTime = utc(when);
        q.sqlDateTime = when;
        q.dateString = QStringLiteral("d");
        q.timeString = QStringLiteral("t");
        q.adif = 230;
        q.dxcc = QStringLiteral("DL");
        q.clublog = QStringLiteral("Y");
        return q;
    }

    /** Stores the QSOs as they are (in one transaction). */
    void store(const QList<QsoClass> &qsos)
    {
        LogModel log(*app);
        QCOMPARE(log.saveAllQSOsToLog(qsos, {}), qsos.size());
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
