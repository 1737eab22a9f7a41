#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

/** Club Log's country file ("cty.xml") split into its four sections: each record a map from
 *  child-element name to its text. Nothing is interpreted here. */
namespace refdata {

using ClublogRecord = QHash<QString, QString>;

/** The fewest records per section a real country file has. The shipped database holds 402
 *  entities, 7,856 prefixes and 18,645 exceptions; these floors sit far below so that a file
 *  which shrinks over the years still loads, while a cut or made-up one cannot replace the whole
 *  database (every callsign would then resolve to no entity). */
struct ClublogMinimumCounts {
    qsizetype entities = 300;
    qsizetype exceptions = 1000;
    qsizetype prefixes = 1000;
    qsizetype invalidOperations = 1;
};

struct ClublogCountryFile {
    QString date; // the "date" attribute of <clublog>, "T" and "+00:00" made blanks
    QList<ClublogRecord> entities;
    QList<ClublogRecord> exceptions;
    QList<ClublogRecord> prefixes;
    QList<ClublogRecord> invalidOperations;

    /** Every section holds at least its minimum of records; a file with fewer is not complete. */
    [[nodiscard]] bool isComplete(const ClublogMinimumCounts &minimum) const;
};

struct ClublogParseResult {
    ClublogCountryFile file;
    QString error; // why the document was refused ("a DTD is not allowed", the XML reader's
                   // description); empty when it was read
};

/** Reads the XML without namespace processing; external entities are never resolved. */
[[nodiscard]] ClublogParseResult parseClublogXml(const QByteArray &xml);

/** Club Log writes "2012-12-31T23:59:59+00:00"; the database keeps "2012-12-31 23:59:59 ". */
[[nodiscard]] QString clublogDateText(const QString &text);

} // namespace refdata
