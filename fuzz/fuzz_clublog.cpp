// Any bytes as Club Log's country file: the XML reader, the four record sections and the file's
// date. Nothing may crash; no record holds a name or value longer than the input, a record stands
// for at least one element of the input, and a refused document keeps its reason.

#include "refdata/ClublogXml.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const refdata::ClublogParseResult parsed = refdata::parseClublogXml(bytes);
    const refdata::ClublogCountryFile &file = parsed.file;
    const qsizetype records = file.entities.size() + file.exceptions.size() + file.prefixes.size() +
                              file.invalidOperations.size();
    if (records > bytes.count('<'))
        std::abort();
    for (const auto *section :
         {&file.entities, &file.exceptions, &file.prefixes, &file.invalidOperations})
        for (const refdata::ClublogRecord &record : *section)
            for (auto it = record.cbegin(); it != record.cend(); ++it)
                if (it.key().isEmpty() || it.key().size() > bytes.size() ||
                    it.value().size() > bytes.size())
                    std::abort();
    if (file.date.size() > bytes.size())
        std::abort();
    (void)file.isComplete({});
    return 0;
}
