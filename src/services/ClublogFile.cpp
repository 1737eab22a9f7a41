#include "services/ClublogFile.h"

#include "adif/ClublogRecord.h"

#include <QHash>
#include <QSet>

namespace clublogfile {

size_t digest(const QString &record)
{
    return qHash(record, 0x5c1b106);
}

Written write(QIODevice &out, const ClublogForm::Fields &fields, const QString &adifHead,
              const adif::ModesList &modes, const Batches &batches)
{
    Written written;
    ClublogForm form(out);
    if (!form.begin(fields, adifHead)) {
        written.error = form.error();
        return written;
    }
    QSet<qint64> seen;
    for (QList<QsoClass> batch = batches(); !batch.isEmpty(); batch = batches()) {
        for (const QsoClass &qso : std::as_const(batch)) {
            if (seen.contains(qso.rowid))
                continue;
            seen.insert(qso.rowid);
            const QString record = adif::makeOneClublogRecord(qso, modes);
            if (!form.addRecord(record)) {
                written.error = form.error();
                return written;
            }
            written.sent.append({qso.rowid, qso.clublog == QLatin1String("X"), digest(record)});
        }
    }
    if (!form.finish()) {
        written.error = form.error();
        return written;
    }
    written.qsos = written.sent.size();
    written.bytes = form.size();
    return written;
}

Batches fromList(QList<QsoClass> qsos)
{
    return [qsos = std::move(qsos), taken = false]() mutable {
        if (taken)
            return QList<QsoClass>();
        taken = true;
        return std::exchange(qsos, {});
    };
}

} // namespace clublogfile
