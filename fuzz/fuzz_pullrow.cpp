// Any bytes as one row of the sync server's pull: the columns are the input's lines, a line that
// is exactly "\N" is SQL NULL (as in COPY). The reader must never crash; a refused row leaves the
// page as it was, an accepted one adds exactly one change that holds together, and the same row
// read again is refused (its number is no longer after the cursor). Kept ADIF fields ("adif:…")
// that the checks accept are written out again as they came.

#include "sync/ExtraFieldWire.h"
#include "sync/Hlc.h"
#include "sync/ServerApi.h"

#include <QUuid>

#include <cstdint>
#include <cstdlib>

namespace {

bool samePage(const logsync::PullPage &a, const logsync::PullPage &b)
{
    return a.qsos.size() == b.qsos.size() && a.prefs.size() == b.prefs.size() &&
           a.lastSeq == b.lastSeq;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QStringList row;
    for (const QByteArray &line : bytes.split('\n'))
        row.append(line == "\\N" ? QString() : QString::fromUtf8(line));

    logsync::PullPage page;
    const logsync::PullPage before = page;
    if (!logsync::serverapi::decodePullRow(row, page)) {
        if (!samePage(page, before))
            std::abort();
        return 0;
    }
    if (page.qsos.size() + page.prefs.size() != 1 || page.lastSeq <= 0)
        std::abort();
    for (const logsync::PulledQso &qso : page.qsos) {
        if (qso.seq != page.lastSeq || QUuid::fromString(qso.uuid).isNull() ||
            !logsync::Hlc::fromText(qso.hlc))
            std::abort();
        for (const QString &reading : qso.clocks)
            if (!logsync::Hlc::fromText(reading))
                std::abort();
        for (auto it = qso.fields.cbegin(); it != qso.fields.cend(); ++it) {
            if (it.key().isEmpty())
                std::abort();
            // A kept ADIF field's key and value, once accepted, write out as they came.
            if (const std::optional<QString> name = logsync::extrawire::nameOf(it.key());
                name && logsync::extrawire::keyOf(*name) != it.key())
                std::abort();
            if (const auto value = logsync::extrawire::decode(it.value());
                value && logsync::extrawire::encode(value->type, value->value) != it.value())
                std::abort();
        }
    }
    for (const logsync::PulledPref &pref : page.prefs)
        if (pref.seq != page.lastSeq || pref.entry.isEmpty() || pref.hlc.isEmpty())
            std::abort();

    const logsync::PullPage accepted = page;
    if (logsync::serverapi::decodePullRow(row, page) || !samePage(page, accepted))
        std::abort();
    return 0;
}
