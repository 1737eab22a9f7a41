#pragma once

#include "app/Clock.h"
#include "app/DataFolder.h"
#include "app/NotificationCenter.h"
#include "app/UserDefaults.h"
#include "formats/Formats.h"

#include <QObject>
#include <QStringList>

class LogStore;

/** The application object: built once by each front end (and by each test) and handed to the
 *  models. It owns the long-lived pieces: data folder, user defaults, notifications, clock, the
 *  synced store, the 60 m info cache and the date style. */
class AppDelegate : public QObject {
    Q_OBJECT
public:
    static constexpr int k60mCacheSize = 600;

    explicit AppDelegate(const DataFolder &folder, QObject *parent = nullptr);

    [[nodiscard]] const QString &dataFolder() const { return m_folder.path; }
    /** A file in the data folder. */
    [[nodiscard]] QString documentPath(const QString &fileName) const;
    [[nodiscard]] UserDefaults &defaults() { return m_defaults; }
    [[nodiscard]] NotificationCenter &notifications() { return m_notifications; }
    [[nodiscard]] Clock &clock() { return m_clock; }
    [[nodiscard]] const Clock &clock() const { return m_clock; }

    /** The synced logbook's store; none until the synced logbook is available. */
    [[nodiscard]] LogStore *coreData() const { return nullptr; }

    /** Per entity number the 60 m status group (3 characters) or empty text (not computed). */
    [[nodiscard]] QStringList &info60m() { return m_info60m; }
    /** "DateFormatIndex" 0 gives the short style, anything else the medium one. */
    [[nodiscard]] formats::DateStyle logDateFormaterStyle() const;

    bool connectToCluster = false;

    /** Copies a shipped resource (":/resource") into the data folder under the target name (the
     *  resource's own name when empty) unless that file exists; the copy is made writable.
     *  False when the copy failed. */
    bool copyResourceIfMissing(const QString &resource, const QString &target = {}) const;

    /** The application stops being the one the user works with (the window lost the focus):
     *  pending synced changes would be saved here; posts "AppGoesBackground". */
    void applicationWillResignActive();
    /** The application is hidden (the window was minimised); posts "AppGoesBackground" again. */
    void applicationDidEnterBackground();

private:
    void newLogSelected();

    DataFolder m_folder;
    UserDefaults m_defaults;
    NotificationCenter m_notifications;
    Clock m_clock;
    QStringList m_info60m;
};
