#pragma once

#include "adif/AdifText.h"
#include "adif/EntityLookup.h"

#include <QObject>
#include <QString>

class AppDelegate;
class LogModel;

/** Brings the records of an ADIF text into the current logbook: each record read and checked,
 *  the refused ones reported with their text, the accepted ones stored together. */
class AdifImport : public QObject {
    Q_OBJECT
public:
    struct Result {
        qsizetype imported = 0;
        qsizetype refused = 0;
        QString report;  // per refused record: the reasons, each with the record's text
        QString status;  // "%lu QSO(s) imported"
    };

    AdifImport(AppDelegate &app, LogModel &log, adif::EntityLookup &entities,
               QObject *parent = nullptr);

    /** Imports every piece but the last (what follows the last record end) and posts
     *  "NewLogSelected". */
    Result run(const adif::PreparedAdif &prepared);

signals:
    /** Records read so far out of all; a few hundred times per import at most. */
    void progress(qsizetype done, qsizetype total);

private:
    AppDelegate &m_app;
    LogModel &m_log;
    adif::EntityLookup &m_entities;
};
