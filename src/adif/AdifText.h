#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

/** Reading ADIF text: decoding a file, cutting it into records and reading fields. */
namespace adif {

/** A file's text: UTF-8 when the bytes are valid UTF-8, otherwise Latin-1 (older Windows
 *  programs write their code page). */
[[nodiscard]] QString decodeAdif(const QByteArray &bytes);

/** A text cut into record pieces, ready to import. */
struct PreparedAdif {
    QStringList pieces; // split at each record end; the last piece is what follows the last one
    QString status;     // "Probably number of found QSOs: %lu" or "No QSOs found"
    [[nodiscard]] int estimate() const { return pieces.size() < 2 ? 0 : int(pieces.size()) - 1; }
};

/** Everything up to and including the header end ("<EOH>", any case) is dropped and the rest is
 *  cut at every record end ("<EOR>", any case). */
[[nodiscard]] PreparedAdif importAdif(const QString &text);

/** One field of a record: the name in lower case and its value. */
struct AdifFieldValue {
    QString name;
    QString value;
};

/** The fields of one record, in order. A declared length counts characters; when a value so
 *  read would run into the next field but another reading ends cleanly, that one counts: UTF-8
 *  bytes (programs that count bytes) or bare line feeds as CR LF (files whose line ends were
 *  converted after writing). Text between fields is skipped, so a value that itself looks like
 *  a field ("<call:3>…" inside a comment) stays part of it. */
[[nodiscard]] QList<AdifFieldValue> parseFields(const QString &record);

/** The value of the first field of that name (any case) in the parsed fields; "" when absent. */
[[nodiscard]] QString fieldValue(const QList<AdifFieldValue> &fields, QStringView name);

/** The value of a field given by its opening such as "<call:" in a record; "" when absent or
 *  when its declared length runs past the end of the record. */
[[nodiscard]] QString getTag(const QString &opening, const QString &record);

} // namespace adif
