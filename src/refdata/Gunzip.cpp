#include "refdata/Gunzip.h"

#include <zlib.h>

namespace refdata {

std::optional<QByteArray> gunzip(const QByteArray &compressed, qsizetype maxSize)
{
    if (compressed.isEmpty() || maxSize < 0)
        return std::nullopt;
    z_stream stream{};
    // 16 + MAX_WBITS: a gzip header and trailer, not a raw zlib stream.
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK)
        return std::nullopt;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(compressed.constData()));
    stream.avail_in = uInt(compressed.size());
    QByteArray out;
    char buffer[64 * 1024];
    int rc = Z_OK;
    while (rc == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef *>(buffer);
        stream.avail_out = sizeof buffer;
        rc = inflate(&stream, Z_NO_FLUSH);
        const qsizetype produced = qsizetype(sizeof buffer - stream.avail_out);
        if (out.size() + produced > maxSize) {
            inflateEnd(&stream);
            return std::nullopt;
        }
        out.append(buffer, produced);
    }
    inflateEnd(&stream);
    // Z_BUF_ERROR here means the input ended before the stream did.
    if (rc != Z_STREAM_END)
        return std::nullopt;
    return out;
}

} // namespace refdata
