#pragma once

// What every shell test starts from: its own data folder, an application object on it, a fixed
// clock, and a record of what the logbook model announced.

#include "app/DataFolder.h"
#include "root/AppDelegate.h"

#include <QDateTime>
#include <QFile>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <memory>

struct ShellFixture {
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<AppDelegate> app;
    /** "logbookSwitched", "qsosChanged" and "settingsChanged ENTRY", in order. */
    QStringList announced;

    void setUp()
    {
        dir = std::make_unique<QTemporaryDir>();
        app = std::make_unique<AppDelegate>(DataFolder::at(dir->path()));
        app->clock().setFixed(QDateTime(QDate(2025, 6, 15), QTime(12, 0), QTimeZone::utc()));
        announced.clear();
        LogModel &log = app->log();
        QObject::connect(&log, &LogModel::logbookSwitched, app.get(),
                         [this] { announced << QStringLiteral("logbookSwitched"); });
        QObject::connect(&log, &LogModel::qsosChanged, app.get(),
                         [this] { announced << QStringLiteral("qsosChanged"); });
        QObject::connect(&log, &LogModel::settingsChanged, app.get(), [this](const QString &entry) {
            announced << QStringLiteral("settingsChanged ") + entry;
        });
    }

    void tearDown()
    {
        app.reset();
        dir.reset();
    }

    [[nodiscard]] QString path(const QString &name) const { return dir->filePath(name); }

    [[nodiscard]] static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static bool write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
};
