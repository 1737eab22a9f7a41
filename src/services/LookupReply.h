#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace lookup {

/** A QRZ or HamQTH reply read into a flat table: element name → its text. Nesting is dropped
 *  (both services answer with one record); a later element of a name replaces an earlier one. */
struct LookupReply {
    QHash<QString, QString> items;
    /** False for anything that is not well-formed XML or breaks the limits below; then `items`
     *  is empty and `errorCode` holds the reader's error (QXmlStreamReader::Error). */
    bool ok = false;
    int errorCode = 0;
    QString errorText; // for the log only

    [[nodiscard]] bool has(const QString &name) const { return items.contains(name); }
    [[nodiscard]] QString value(const QString &name) const { return items.value(name); }
};

/** Real replies are a few kilobytes; anything past these is not a reply and is refused whole. */
inline constexpr qsizetype kMaxReplyBytes = 1 << 20;
inline constexpr int kMaxDepth = 32;
inline constexpr int kMaxElements = 4096;
inline constexpr qsizetype kMaxTextChars = 64 * 1024;

/** Reads a reply. Pure: any bytes in, a value out; a DTD (and with it every entity
 *  declaration) is refused, so nothing is expanded or fetched. */
[[nodiscard]] LookupReply parseLookupReply(const QByteArray &xml);

} // namespace lookup
