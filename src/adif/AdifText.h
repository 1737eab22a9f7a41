#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

/** Reading ADIF: finding records by walking fields with their declared lengths, decoding every
 *  value by itself and reading fields.
 *
 *  A declared length counts characters; when a value so read would run into the next field but
 *  another reading ends cleanly, that one counts: bytes (programs that count UTF-8 bytes) or bare
 *  line feeds as CR LF (files whose line ends were converted after writing). Text between fields
 *  is skipped, so a value that itself looks like a field ("<eor>" or "<call:3>…" inside a
 *  comment) stays part of it. Each value is UTF-8 when its bytes are valid UTF-8 and Latin-1
 *  otherwise, so a file put together from several programs keeps every name. */
namespace adif {

/** One field of a record: the name in lower case, its value and the data type indicator as
 *  written ("<name:length:type>"; empty when there is none). */
struct AdifFieldValue {
    QString name;
    QString value;
    QString type;
};

/** One record as read. */
struct AdifRecord {
    QString text;                 // the record as written, for reports
    QList<AdifFieldValue> fields; // in order
    /** Why the record cannot be taken as it is ("Field COMMENT runs past the end of the file: ",
     *  "Field A B has a name ADIF does not allow: ", …); empty when every field was read
     *  cleanly. */
    QStringList problems;
};

/** A file cut into records, ready to import. */
struct PreparedAdif {
    /** A record's bytes: from the end of the one before up to and including its "<eor>"; a last
     *  record without one runs to the end of the file. */
    struct Span {
        qsizetype begin = 0;
        qsizetype end = 0;
        bool ended = true;
    };

    QByteArray bytes;
    QList<Span> spans;       // only records holding a field (or a broken one)
    QList<qint64> unitMarks; // counts for lengths longer than the bytes left, made on first need
    QString status;          // "Probably number of found QSOs: %lu" or "No QSOs found"

    /** The records with their end; a last one without it is read (and refused) but not
     *  counted here. */
    [[nodiscard]] int estimate() const
    {
        return int(spans.size()) - (!spans.isEmpty() && !spans.constLast().ended ? 1 : 0);
    }
    /** The record at index (0 ≤ index < spans.size()), read from the bytes. */
    [[nodiscard]] AdifRecord record(qsizetype index) const;
};

/** The file's text for showing: every value decoded by itself, the rest as UTF-8 where valid and
 *  Latin-1 otherwise; a leading byte order mark is dropped. */
[[nodiscard]] QString decodeAdif(const QByteArray &bytes);

/** A file's records. A header exists only when the file does not start with "<" (after a byte
 *  order mark and blanks) and ends at the first "<eoh>" tag outside a value; without one the
 *  whole file is records. Records end at "<eor>" tags outside values (any case). */
[[nodiscard]] PreparedAdif prepareAdif(const QByteArray &bytes);

/** The same for a text already decoded (pasted or handed over). */
[[nodiscard]] PreparedAdif importAdif(const QString &text);

/** The fields of one record text, in order; broken fields are left out. */
[[nodiscard]] QList<AdifFieldValue> parseFields(const QString &record);

/** The value of the first field of that name (any case) in the parsed fields; "" when absent. */
[[nodiscard]] QString fieldValue(const QList<AdifFieldValue> &fields, QStringView name);

/** The value of a field given by its opening such as "<call:" in a record; "" when absent or
 *  when its declared length runs past the end of the record. */
[[nodiscard]] QString getTag(const QString &opening, const QString &record);

} // namespace adif
