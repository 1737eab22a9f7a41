// Any bytes as a datagram on the WSJT-X port, read the way the logger reads it and, for the two
// messages that log a QSO, on through the ADIF reader into a QSO, without a logbook.

#include "adif/AdifRecordReader.h"
#include "refdata/BandTable.h"
#include "wsjtx/WsjtxMessage.h"
#include "wsjtx/WsjtxRecord.h"

#include <cstdint>
#include <cstdlib>

namespace {

/** Every call is of no entity: the reading is what is tried here. */
class NoEntities : public adif::EntityLookup {
public:
    adif::AdifEntity resolve(const QString &, const QDateTime &) override { return {}; }
    adif::AdifEntity byNumber(int adif) override { return {adif, {}, {}, 0, 0, {}}; }
    QString prefix(const QString &callsign) override { return callsign.left(3); }
};

constexpr qsizetype kHeaderSize = 4 + 4 + 4 + 4; // magic, schema, type, id's length

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static NoEntities entities;
    static const refdata::BandTable bands;
    adif::ReaderContext context{entities, bands, {}};

    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QString error;
    const std::optional<wsjtx::WsjtxMessage> message = wsjtx::readWsjtxMessage(bytes, &error);
    if (!message) {
        if (error.isEmpty())
            std::abort(); // a refusal always says why
        return 0;
    }
    if (bytes.size() < kHeaderSize || !error.isEmpty())
        std::abort();
    const wsjtx::WsjtxQso &qso = message->qso;
    // Every instant read is handed on in UTC.
    for (const QDateTime &instant : {qso.timeOn, qso.timeOff})
        if (instant.isValid() && instant.offsetFromUtc() != 0)
            std::abort();

    if (message->type == wsjtx::WsjtxMessage::QsoLogged)
        (void)adif::readAdifRecord(wsjtx::adifRecord(qso), context);
    else if (message->type == wsjtx::WsjtxMessage::LoggedAdif)
        for (const adif::AdifRecord &record : wsjtx::adifRecords(message->adif))
            (void)adif::readAdifRecord(record, context);
    return 0;
}
