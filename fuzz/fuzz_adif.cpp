// Any bytes through the reading an import does, without a logbook: records found, every record
// read into a QSO, and the decoded text (what a file handed to the window becomes) read again.
// Every record's fields written back by our writer must read back the same, and every accepted
// record's QSO exported and read again must keep its mode and every field without a column.

#include "adif/AdifRecordReader.h"
#include "adif/AdifText.h"
#include "model/AdifField.h"
#include "model/AdifWriter.h"
#include "refdata/BandTable.h"
#include "refdata/ModesList.h"

#include <cstdint>
#include <cstdlib>

namespace {

/** Every call is of no entity: the reader's own work is what is tried here. */
class NoEntities : public adif::EntityLookup {
public:
    adif::AdifEntity resolve(const QString &, const QDateTime &) override { return {}; }
    adif::AdifEntity byNumber(int adif) override { return {adif, {}, {}, 0, 0, {}}; }
    QString prefix(const QString &callsign) override { return callsign.left(3); }
};

/** A value our writer cannot tell apart from a byte-counted one: a blank at its end with a
 *  character beyond ASCII before it ("é " reads back as "é"). */
bool ambiguous(const QString &value)
{
    return !value.isEmpty() && value.back().isSpace() && value.toUtf8().size() != value.size();
}

void checkRoundTrip(const QList<adif::AdifFieldValue> &fields)
{
    if (fields.isEmpty())
        return;
    QString text;
    for (const adif::AdifFieldValue &field : fields) {
        if (ambiguous(field.value))
            return;
        adif::appendField(text, field.name, field.value, field.type);
    }
    text += QLatin1String("<eor>");
    const adif::PreparedAdif again = adif::importAdif(text);
    if (again.estimate() != 1 || again.spans.size() != 1)
        std::abort();
    const QList<adif::AdifFieldValue> read = again.record(0).fields;
    if (read.size() != fields.size())
        std::abort();
    for (qsizetype i = 0; i < read.size(); ++i)
        if (read.at(i).name != fields.at(i).name || read.at(i).value != fields.at(i).value ||
            read.at(i).type != fields.at(i).type)
            std::abort();
}

bool anyAmbiguous(const QsoClass &qso)
{
    for (const ExtraField &field : qso.extraFields)
        if (ambiguous(field.value))
            return true;
    return ambiguous(qso.mode);
}

void checkQsoRoundTrip(const QsoClass &qso, adif::ReaderContext &context,
                       const adif::RecordContext &writing)
{
    if (anyAmbiguous(qso))
        return;
    const adif::ReadRecord again =
        adif::readAdifRecord(adif::makeAdifRecord(qso, writing), context);
    if (again.qso.mode != qso.mode || again.qso.extraFields != qso.extraFields)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static NoEntities entities;
    static const refdata::BandTable bands;
    static const adif::ModesList modes =
        adif::ModesList::fromText(QStringLiteral("SSB,LSB,USB\nMFSK,FT4,JS8\nCW,PCW"));
    adif::ReaderContext context{entities,
                                bands,
                                {QStringLiteral("app_tarvex_userfield_1"),
                                 QStringLiteral("sota_ref"), QStringLiteral("my_sota_ref"),
                                 QStringLiteral("app_tarvex_userfield_4")},
                                &modes};
    const adif::RecordContext writing{modes, context.userFieldNames};

    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const adif::PreparedAdif prepared = adif::prepareAdif(bytes);
    for (qsizetype i = 0; i < prepared.spans.size(); ++i) {
        const adif::AdifRecord record = prepared.record(i);
        const adif::ReadRecord read = adif::readAdifRecord(record, context);
        // A field that could not be read refuses its record.
        if (read.errors.mid(0, record.problems.size()) != record.problems)
            std::abort();
        checkRoundTrip(record.fields);
        if (read.errors.isEmpty())
            checkQsoRoundTrip(read.qso, context, writing);
    }
    const adif::PreparedAdif decoded = adif::importAdif(adif::decodeAdif(bytes));
    for (qsizetype i = 0; i < decoded.spans.size(); ++i)
        (void)adif::readAdifRecord(decoded.record(i), context);
    return 0;
}
