#pragma once

#include <QObject>
#include <QString>

/** Files handed to the application (command line, dropped on the window), told apart by their
 *  extension in lower case: ADIF text goes to the import screen, logbook files to the data
 *  folder; anything else is ignored. */
class FileHandOff : public QObject {
    Q_OBJECT
public:
    explicit FileHandOff(QObject *parent = nullptr) : QObject(parent) {}

    /** A path or a "file:" URL. */
    Q_INVOKABLE void openFile(const QString &pathOrUrl);

signals:
    /** An ".adi" or ".adif" file to show in the import screen. */
    void adifHanded(const QString &path);
    /** An ".rlog" file to take into the data folder. */
    void logbookHanded(const QString &path);
};
