#pragma once

#include "app/Clock.h"
#include "app/DataFolder.h"
#include "app/SecretStore.h"
#include "app/UserDefaults.h"
#include "model/LogModel.h"
#include "refdata/DXCCModel.h"
#include "refdata/MyFunctions.h"

#include <QObject>

#include <memory>

/** The long-lived objects a front end (the application, the CLI, a test) makes once: data
 *  folder, user defaults, clock, the DXCC model and the one LogModel of the
 *  current logbook. It is the composition root's store, not a locator: units below the front
 *  ends are handed the pieces they use, never this object. */
class AppDelegate : public QObject {
    Q_OBJECT
public:
    /** The passwords go to the desktop's keyring, except with an overridden data folder (tests,
     *  scripted runs): those keep them in the folder's logbooks and settings file. */
    explicit AppDelegate(const DataFolder &folder, QObject *parent = nullptr);
    /** With the password store handed in (tests give a MemorySecretStore). */
    AppDelegate(const DataFolder &folder, std::unique_ptr<SecretStore> secrets,
                QObject *parent = nullptr);
    ~AppDelegate() override;

    [[nodiscard]] const DataFolder &folder() const { return m_folder; }
    [[nodiscard]] UserDefaults &defaults() { return m_defaults; }
    /** Where the services' passwords are kept; its `warning` tells when no keyring serves. */
    [[nodiscard]] SecretStore &secrets() { return *m_secrets; }
    [[nodiscard]] Clock &clock() { return m_clock; }
    [[nodiscard]] const Clock &clock() const { return m_clock; }
    [[nodiscard]] DXCCModel &dxcc() { return *m_dxcc; }
    [[nodiscard]] MyFunctions &functions() { return *m_functions; }
    /** The current logbook; a logbook switch repoints it (`LogModel::logbookSwitched`). */
    [[nodiscard]] LogModel &log() { return *m_log; }

    bool connectToCluster = false;

    /** The application stops being the one the user works with (the window lost the focus):
     *  announced with `wentToBackground`. */
    void applicationWillResignActive();
    /** The application is hidden (the window was minimised); `wentToBackground` again. */
    void applicationDidEnterBackground();

signals:
    /** The user works with another program now (the camera is to be let go). */
    void wentToBackground();

private:
    DataFolder m_folder;
    UserDefaults m_defaults;
    Clock m_clock;
    std::unique_ptr<SecretStore> m_secrets;
    std::unique_ptr<DXCCModel> m_dxcc;
    std::unique_ptr<MyFunctions> m_functions;
    std::unique_ptr<LogModel> m_log;
};
