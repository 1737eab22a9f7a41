#pragma once

#include "adif/AdifText.h"
#include "adif/EntityLookup.h"
#include "model/LogStore.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class LogModel;
class UserDefaults;

/** Brings the records of an ADIF text into the logbook that is current when it starts: each
 *  record read and checked, the refused ones reported with their text, the accepted ones stored
 *  together into that logbook even when another was chosen meanwhile. */
class AdifImport : public QObject {
    Q_OBJECT
public:
    struct Refusal {
        QStringList reasons; // "Date or time not found: " …
        QString record;
    };
    struct Result {
        qsizetype imported = 0;
        qsizetype refused = 0;
        QList<Refusal> refusals;
        QString report; // per refused record: the reasons, each with the record's text
        QString status; // "%lu QSO(s) imported", or the error when none could be stored
        QString error;  // why the logbook stored none of the QSOs; empty when it stored them
    };

    AdifImport(const UserDefaults &defaults, LogModel &log, adif::EntityLookup &entities,
               QObject *parent = nullptr);
    ~AdifImport() override;

    /** Imports every record in one go: records are read on a second thread while the ones read
     *  before are stored. Progress is signalled on the calling thread. */
    Result run(const adif::PreparedAdif &prepared);

    // The same in steps, for screens that keep their event loop turning between them.
    void start(const adif::PreparedAdif &prepared);
    /** Reads up to count more records; false once all are read. */
    bool readNext(qsizetype count);
    [[nodiscard]] qsizetype done() const { return m_next; }
    [[nodiscard]] qsizetype total() const;
    /** Stores the accepted QSOs together (all or none), refreshes their entities' DX info and
     *  posts "NewLogSelected". */
    Result finish();

signals:
    /** Records read so far out of all; a few hundred times per import at most. */
    void progress(qsizetype done, qsizetype total);

private:
    struct Run;
    Result finish(const WriteResult &stored, qsizetype count);

    const UserDefaults &m_defaults;
    LogModel &m_log;
    adif::EntityLookup &m_entities;
    std::unique_ptr<Run> m_run;
    qsizetype m_next = 0;
};
