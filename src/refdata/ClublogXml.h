#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

/** Club Log's country file ("cty.xml") split into its four sections: each record a map from
 *  child-element name to its text. Nothing is interpreted here. */
namespace refdata {

using ClublogRecord = QHash<QString, QString>;

struct ClublogCountryFile {
    QString date; // the "date" attribute of <clublog>, "T" and "+00:00" made blanks
    QList<ClublogRecord> entities;
    QList<ClublogRecord> exceptions;
    QList<ClublogRecord> prefixes;
    QList<ClublogRecord> invalidOperations;

    /** All four sections have records; a file without one of them is not complete. */
    [[nodiscard]] bool isComplete() const;
};

struct ClublogParseResult {
    ClublogCountryFile file;
    QString error; // the XML reader's description; empty when the document was well-formed
};

/** Reads the XML without namespace processing; external entities are never resolved. */
[[nodiscard]] ClublogParseResult parseClublogXml(const QByteArray &xml);

/** Club Log writes "2012-12-31T23:59:59+00:00"; the database keeps "2012-12-31 23:59:59 ". */
[[nodiscard]] QString clublogDateText(const QString &text);

} // namespace refdata
