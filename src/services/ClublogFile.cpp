#include "services/ClublogFile.h"

#include "adif/ClublogRecord.h"

#include <QSet>

#include <algorithm>

namespace clublogfile {

size_t digest(const QString &record)
{
    return qHash(record, 0x5c1b106);
}

Chunk chunkOf(const QList<QsoClass> &qsos, const adif::ModesList &modes)
{
    Chunk chunk;
    chunk.sent.reserve(qsos.size());
    chunk.ends.reserve(qsos.size());
    for (const QsoClass &qso : qsos) {
        const QString record = adif::makeOneClublogRecord(qso, modes);
        chunk.records += record.toUtf8();
        chunk.ends.append(chunk.records.size());
        chunk.sent.append(
            {qso.id.value_or(0), qso.clublog == QLatin1String("X"), digest(record), qso.adif});
    }
    return chunk;
}

Written write(QIODevice &out, const ClublogForm::Fields &fields, const QString &adifHead,
              const Chunks &chunks)
{
    Written written;
    ClublogForm form(out);
    bool ok = form.begin(fields, adifHead);
    QSet<qint64> seen;
    for (std::optional<Chunk> chunk = chunks(); ok && chunk; chunk = chunks()) {
        const QList<ClublogSent> &sent = chunk->sent;
        if (std::none_of(sent.cbegin(), sent.cend(),
                         [&seen](const ClublogSent &one) { return seen.contains(one.rowid); })) {
            ok = form.addRecords(chunk->records);
            for (const ClublogSent &one : sent)
                seen.insert(one.rowid);
            written.sent += sent;
            continue;
        }
        // Rare: record by record then, leaving out those sent already.
        for (qsizetype i = 0; ok && i < sent.size(); ++i) {
            if (seen.contains(sent.at(i).rowid))
                continue;
            seen.insert(sent.at(i).rowid);
            const qsizetype start = i == 0 ? 0 : chunk->ends.at(i - 1);
            ok = form.addRecords(chunk->records.mid(start, chunk->ends.at(i) - start));
            written.sent.append(sent.at(i));
        }
    }
    if (!ok || !form.finish()) {
        written.error = form.error();
        written.sent.clear();
        return written;
    }
    written.qsos = written.sent.size();
    written.bytes = form.size();
    return written;
}

Chunks fromList(QList<QsoClass> qsos, const adif::ModesList &modes)
{
    // Made when asked for: on the thread that writes.
    return [qsos = std::move(qsos), modes, done = false]() mutable -> std::optional<Chunk> {
        if (std::exchange(done, true))
            return std::nullopt;
        return chunkOf(std::exchange(qsos, {}), modes);
    };
}

} // namespace clublogfile
