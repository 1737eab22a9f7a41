#pragma once

// What most tests start from: their own data folder, an application object on it and a clock
// fixed at a known moment.

#include "app/DataFolder.h"
#include "root/AppDelegate.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class AppFixture {
protected:
    /** A new data folder and application object on it; the clock stands at now. */
    void startApp(const QDateTime &now)
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_app = std::make_unique<AppDelegate>(DataFolder::at(m_dir->path()));
        m_app->clock().setFixed(now);
    }
    /** The application object goes before its folder. */
    void stopApp()
    {
        m_app.reset();
        m_dir.reset();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppDelegate> m_app;
};
