#pragma once

#include "adif/AdifText.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class AdifImport;
class UserDefaults;
class LogModel;
class DXCCModel;
class DxccEntityLookup;
class LogModel;

/** The ADIF import screen: takes a text (pasted, picked as a file or handed to the application),
 *  estimates its records, imports them into the current logbook in short slices so the progress
 *  bar moves, and shows the refused records. The text view gets only the start of a long text
 *  or report (`text`); the import reads every record of what was loaded. */
class AdifImportScreen : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString text READ text NOTIFY textChanged)
    Q_PROPERTY(QString status READ status NOTIFY statusChanged)
    Q_PROPERTY(bool importEnabled READ importEnabled NOTIFY statusChanged)
    Q_PROPERTY(bool importing READ importing NOTIFY progressChanged)
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged)
public:
    explicit AdifImportScreen(UserDefaults &defaults, LogModel &log, DXCCModel &dxcc,
                              QObject *parent = nullptr);
    ~AdifImportScreen() override;

    /** Prepares a text: record ends and the header end are found in any letter case. */
    Q_INVOKABLE void importAdif(const QString &adif);
    /** Reads a file (a path or a "file:" URL) and prepares it. */
    Q_INVOKABLE bool loadFile(const QString &pathOrUrl);
    Q_INVOKABLE void startImport();
    Q_INVOKABLE void reset();

    /** What the text view shows: the loaded text or the report, cut after a few hundred lines. */
    [[nodiscard]] const QString &text() const { return m_text; }
    [[nodiscard]] const QString &status() const { return m_status; }
    /** Only while a loaded text holds a record and no import ran on it. */
    [[nodiscard]] bool importEnabled() const;
    [[nodiscard]] bool importing() const { return m_import != nullptr; }
    [[nodiscard]] double progress() const { return m_progress; }

signals:
    void textChanged();
    void statusChanged();
    void progressChanged();
    /** The import has been stored. */
    void imported(int count);

private:
    void importBytes(const QByteArray &bytes);
    void importSlice();
    void finish();
    void setText(const QString &text);
    void setStatus(const QString &status);

    UserDefaults &m_defaults;
    LogModel &m_log;
    DXCCModel &m_dxcc;
    QTimer m_timer;
    QString m_text;
    QString m_status;
    adif::PreparedAdif m_prepared;
    bool m_loaded = false;
    double m_progress = 0.0;
    std::unique_ptr<DxccEntityLookup> m_entities;
    std::unique_ptr<AdifImport> m_import;
};
