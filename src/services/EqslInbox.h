#pragma once

#include "formats/Formats.h"
#include "model/QsoClass.h"

#include <QByteArray>
#include <QList>
#include <QString>

/** The two replies of an eQSL inbox download, read without touching anything. Pure. */
namespace eqsl {

/** The first reply: an HTML page that links the built ADIF file, or says why not. */
struct InboxPage {
    enum class Kind { Link, NoEntries, Error, Unknown };
    Kind kind = Kind::Unknown;
    QString link;  // Link: relative to "/qslcard/"
    QString error; // Error: the server's text from "Error" up to the next "<"
};

[[nodiscard]] InboxPage parseInboxPage(const QByteArray &html);

/** The second reply: the ADIF file of received eQSLs. */
struct Inbox {
    /** The reply is an ADIF file (it has its "<EOH>"), not a page. */
    bool isAdif = false;
    /** Every record ended with "<EOR>": nothing was cut off. */
    bool complete = false;
    /** Callsign, date and time, band and mode ("MFSK/FT4" when a submode is given) of each
     *  received eQSL with a callsign of two or more characters, in file order. */
    QList<QsoClass> received;
};

/** Walks the fields by their declared lengths, so "<call:" inside a QSL message is no field. */
[[nodiscard]] Inbox parseInbox(const QByteArray &bytes);

/** "yyyyMMddHHmm" from a last-download text "yyyy-MM-dd HH:mm:ss" (16 or more characters);
 *  empty otherwise. */
[[nodiscard]] QString sinceValue(const QString &lastDownload);

} // namespace eqsl
