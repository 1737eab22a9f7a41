#pragma once

#include <QList>
#include <QString>
#include <QStringView>

/** Writing one ADIF field: "<name:length>value " with the length in characters. */
namespace adif {

/** Appends length, ">", the value and a blank to a text that already ends with the field's
 *  opening ("<call:"); answers the text. */
QString &appendAdifPart(const QString &value, QString &text);

/** Appends a whole field "<name:length>value ". */
void appendField(QString &text, QLatin1String name, const QString &value);
void appendField(QString &text, const QString &name, const QString &value);
/** The same with a type indicator when one is given: "<name:length:type>value ". */
void appendField(QString &text, const QString &name, const QString &value, const QString &type);

/** The names of the fields in a record this program wrote (lengths in characters, as above), as
 *  views into the record. */
[[nodiscard]] QList<QStringView> writtenFieldNames(QStringView record);

} // namespace adif
