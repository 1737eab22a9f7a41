// Any bytes as a downloaded LoTW or eQSL member list: what would be stored, and its count.
// Nothing may crash; an accepted LoTW list keeps one line per input line and never grows, an
// accepted eQSL list is stored as downloaded, and a count never exceeds the lines.

#include "refdata/MemberListFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype lines = bytes.count('\n') + 1;
    if (const auto lotw = memberlist::fromDownload(memberlist::Kind::Lotw, bytes)) {
        if (lotw->contents.count('\n') != lines || lotw->contents.size() > bytes.size() + 1 ||
            lotw->count < 1 || lotw->count > lines)
            std::abort();
    }
    if (const auto eqsl = memberlist::fromDownload(memberlist::Kind::Eqsl, bytes)) {
        if (eqsl->contents != bytes || eqsl->count < 0 || eqsl->count > bytes.count('\n') + 1)
            std::abort();
    }
    return 0;
}
