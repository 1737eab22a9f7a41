#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

class UserDefaults;
class LogModel;
struct DataFolder;

/** Choosing, creating and deleting logbooks. A choice takes effect at once, or, where the screen
 *  is a page that is left again (the phone's), is only remembered and made current when the
 *  screen is left; a new logbook is then not chosen either. */
class LogbookSelection : public QObject {
    Q_OBJECT
    Q_PROPERTY(QStringList logNames READ logNames NOTIFY listChanged)
    Q_PROPERTY(int selectedIndex READ selectedIndex NOTIFY selectionChanged)
    Q_PROPERTY(QString selectedName READ selectedName NOTIFY selectionChanged)
    Q_PROPERTY(QString deleteButtonText READ deleteButtonText NOTIFY selectionChanged)
    Q_PROPERTY(bool deleteEnabled READ deleteEnabled NOTIFY listChanged)
    Q_PROPERTY(QString myCallsign READ myCallsign NOTIFY stationChanged)
    Q_PROPERTY(QString myLocator READ myLocator NOTIFY stationChanged)
    /** Whether a choice waits until the screen is left. */
    Q_PROPERTY(bool choiceOnLeave READ choiceOnLeave NOTIFY choiceOnLeaveChanged)
    Q_PROPERTY(QString newLogbookPrompt READ newLogbookPrompt NOTIFY choiceOnLeaveChanged)
    Q_PROPERTY(QString deleteQuestion READ deleteQuestion NOTIFY selectionChanged)
    Q_PROPERTY(QString deleteActionText READ deleteActionText CONSTANT)
    Q_PROPERTY(QString okayText READ okayText CONSTANT)
    Q_PROPERTY(QString cancelText READ cancelText CONSTANT)
public:
    LogbookSelection(UserDefaults &defaults, LogModel &log, const DataFolder &folder,
                     QObject *parent = nullptr);

    /** The shell's choice for its screen set; a choice made so far stays as it is. */
    void setChoiceOnLeave(bool onLeave);

    /** Reads the list again and preselects the current logbook (else the first row). */
    Q_INVOKABLE void reload();
    /** A row was chosen. */
    Q_INVOKABLE void choose(int row);
    /** The screen is being left: a choice waiting for it becomes the current logbook. */
    Q_INVOKABLE void leave();
    /** Makes a new, empty logbook; a name given before or one that is no plain file name raises
     *  `alertRequested`. */
    Q_INVOKABLE void createLogbook(const QString &name);
    /** Deletes the selected logbook (the user has confirmed); the last one always stays. The
     *  synced log is emptied instead, which empties it on every device that shares it. */
    Q_INVOKABLE void deleteSelected();
    /** A logbook file arrived in the data folder. */
    Q_INVOKABLE void newLogImported();
    /** The folder holding the current logbook, to show it in the file manager. */
    Q_INVOKABLE QUrl currentLogbookFolder() const;

    [[nodiscard]] const QStringList &logNames() const { return m_names; }
    [[nodiscard]] int selectedIndex() const { return m_selected; }
    [[nodiscard]] QString selectedName() const;
    [[nodiscard]] QString deleteButtonText() const;
    [[nodiscard]] bool deleteEnabled() const { return m_names.size() > 1; }
    [[nodiscard]] const QString &myCallsign() const { return m_myCallsign; }
    [[nodiscard]] const QString &myLocator() const { return m_myLocator; }
    [[nodiscard]] bool choiceOnLeave() const { return m_choiceOnLeave; }
    [[nodiscard]] QString newLogbookPrompt() const;
    [[nodiscard]] QString deleteQuestion() const;
    [[nodiscard]] static QString deleteActionText();
    [[nodiscard]] static QString okayText();
    [[nodiscard]] static QString cancelText();

signals:
    void listChanged();
    void selectionChanged();
    void stationChanged();
    void choiceOnLeaveChanged();
    /** A notice for the user: title, message and an "Okay" button. */
    void alertRequested(const QString &title, const QString &message);

private:
    void setSelected(int row);
    void makeCurrent(const QString &name);
    void readStation();

    UserDefaults &m_defaults;
    LogModel &m_log;
    const DataFolder &m_folder;
    bool m_choiceOnLeave = false;
    QStringList m_names;
    int m_selected = -1;
    bool m_changed = false;
    QString m_myCallsign;
    QString m_myLocator;
};
