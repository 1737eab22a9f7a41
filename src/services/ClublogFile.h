#pragma once

#include "model/QsoClass.h"
#include "refdata/ModesList.h"
#include "services/ClublogForm.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

class QIODevice;

/** One QSO as a run sent it: marked afterwards only while it is still as it was sent. */
struct ClublogSent {
    qint64 rowid = 0;
    bool wasUploaded = false; // its "clublog" was "X" already
    size_t digest = 0;        // of its Club Log record
    int adif = 0;             // its entity, for the change announced after marking
};

/** The upload file of a run: the form body with one Club Log record per QSO, written as the QSOs
 *  are read, and what was sent of each. Pure apart from the device; runs on any thread. */
namespace clublogfile {

/** Some QSOs as records, made on any thread. */
struct Chunk {
    QByteArray records; // UTF-8
    QList<ClublogSent> sent;
    QList<qsizetype> ends; // where each record ends in `records`
};

struct Written {
    qint64 qsos = 0;
    qint64 bytes = 0;
    QList<ClublogSent> sent;
    QString error; // a write or read failure; nothing is to be sent then
};

/** The records in order, a chunk at a time; nothing ends them. */
using Chunks = std::function<std::optional<Chunk>()>;

/** A digest of a QSO's record, to tell whether the QSO changed after it was sent. */
[[nodiscard]] size_t digest(const QString &record);

[[nodiscard]] Chunk chunkOf(const QList<QsoClass> &qsos, const adif::ModesList &modes);

/** Writes the whole form; a QSO met twice (the logbook moved under a paged read) is sent once. */
[[nodiscard]] Written write(QIODevice &out, const ClublogForm::Fields &fields,
                            const QString &adifHead, const Chunks &chunks);

/** The chunk of one list. */
[[nodiscard]] Chunks fromList(QList<QsoClass> qsos, const adif::ModesList &modes);

} // namespace clublogfile
