#pragma once

#include "model/QsoClass.h"
#include "refdata/ModesList.h"
#include "services/ClublogForm.h"

#include <QList>
#include <QString>

#include <functional>

class QIODevice;

/** One QSO as a run sent it: marked afterwards only while it is still as it was sent. */
struct ClublogSent {
    qint64 rowid = 0;
    bool wasUploaded = false; // its "clublog" was "X" already
    size_t digest = 0;        // of its Club Log record
};

/** The upload file of a run: the form body with one Club Log record per QSO, written as the QSOs
 *  are read, and what was sent of each. Pure apart from the device; runs on any thread. */
namespace clublogfile {

struct Written {
    qint64 qsos = 0;
    qint64 bytes = 0;
    QList<ClublogSent> sent;
    QString error; // a write or read failure; nothing is to be sent then
};

/** The QSOs in batches; an empty batch ends them. */
using Batches = std::function<QList<QsoClass>()>;

/** A digest of a QSO's record, to tell whether the QSO changed after it was sent. */
[[nodiscard]] size_t digest(const QString &record);

/** Writes the whole form; a QSO met twice (the logbook moved under a paged read) is sent once. */
[[nodiscard]] Written write(QIODevice &out, const ClublogForm::Fields &fields,
                            const QString &adifHead, const adif::ModesList &modes,
                            const Batches &batches);

/** Batches of one list. */
[[nodiscard]] Batches fromList(QList<QsoClass> qsos);

} // namespace clublogfile
