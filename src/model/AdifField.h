#pragma once

#include <QString>

/** Writing one ADIF field: "<name:length>value " with the length in characters. */
namespace adif {

/** Appends length, ">", the value and a blank to a text that already ends with the field's
 *  opening ("<call:"); answers the text. */
QString &appendAdifPart(const QString &value, QString &text);

/** Appends a whole field "<name:length>value ". */
void appendField(QString &text, QLatin1String name, const QString &value);
void appendField(QString &text, const QString &name, const QString &value);

} // namespace adif
