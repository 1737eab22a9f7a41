#pragma once

// Helpers shared by the DXCC tests: gzip for fixtures, a hand-written country file imported into
// a data folder, and a record of the program's diagnostic lines.

#include "db/Database.h"
#include "refdata/ClublogDbWriter.h"
#include "refdata/ClublogXml.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>

#include <zlib.h>

namespace testsupport {

inline QByteArray gzip(const QByteArray &data)
{
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&stream, uLong(data.size()))) + 32, '\0');
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return out;
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QByteArray smallCountryFileXml()
{
    return readFile(QStringLiteral(BRINDLEWICK_TEST_DATA "/cty_small.xml"));
}

/** ClublogDXCC.db made from the hand-written country file, written to the path. */
inline bool writeSmallDatabase(const QString &path)
{
    QFile::remove(path);
    if (!QFile::copy(QStringLiteral(":/ClublogDXCC_empty.db"), path))
        return false;
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner);
    const refdata::ClublogParseResult parsed = refdata::parseClublogXml(smallCountryFileXml());
    return parsed.error.isEmpty() &&
           refdata::writeClublogDatabase(path, parsed.file, [](const QString &) {}).isEmpty();
}

/** Collects the diagnostic lines written while it exists. */
class DiagnosticLines {
public:
    DiagnosticLines() { s_lines.clear(), m_previous = qInstallMessageHandler(&record); }
    ~DiagnosticLines() { qInstallMessageHandler(m_previous); }
    [[nodiscard]] const QStringList &lines() const { return s_lines; }

private:
    static void record(QtMsgType, const QMessageLogContext &, const QString &line)
    {
        s_lines.append(line);
    }
    static inline QStringList s_lines;
    QtMessageHandler m_previous = nullptr;
};

} // namespace testsupport
