#pragma once

#include <QObject>
#include <QString>

struct DataFolder;

/** Brings a logbook file from elsewhere into the data folder under its own file name. When a
 *  file of that name is there already the user is asked first; cancelling leaves both files as
 *  they are. The imported logbook is not made current. */
class LogbookFileImport : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool questionPending READ questionPending NOTIFY questionPendingChanged)
    Q_PROPERTY(QString pendingName READ pendingName NOTIFY questionPendingChanged)
    Q_PROPERTY(QString questionTitle READ questionTitle CONSTANT)
    Q_PROPERTY(QString questionMessage READ questionMessage CONSTANT)
    Q_PROPERTY(QString overwriteText READ overwriteText CONSTANT)
    Q_PROPERTY(QString cancelText READ cancelText CONSTANT)
public:
    explicit LogbookFileImport(const DataFolder &folder, QObject *parent = nullptr);

    /** Copies the file (a path or a "file:" URL) in, or asks about overwriting. */
    Q_INVOKABLE void importFile(const QString &pathOrUrl);
    /** Answers the question: the existing logbook is replaced by the handed one. */
    Q_INVOKABLE void overwrite();
    /** Answers the question: nothing changes. */
    Q_INVOKABLE void cancel();

    [[nodiscard]] bool questionPending() const { return !m_pendingSource.isEmpty(); }
    [[nodiscard]] QString pendingName() const;
    [[nodiscard]] static QString questionTitle();
    [[nodiscard]] static QString questionMessage();
    [[nodiscard]] static QString overwriteText();
    [[nodiscard]] static QString cancelText();

signals:
    void questionPendingChanged();
    /** A logbook file arrived in the data folder under that name. */
    void imported(const QString &name);

private:
    void copyIn(const QString &source, const QString &name);
    void clearQuestion();

    const DataFolder &m_folder;
    QString m_pendingSource;
};
