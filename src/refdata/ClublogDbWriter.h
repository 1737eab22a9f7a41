#pragma once

#include "refdata/ClublogXml.h"

#include <QString>

#include <functional>

/** Writes a parsed country file into a copy of the empty DXCC database, and puts a finished
 *  database in place of the live one. */
namespace refdata {

using StatusSink = std::function<void(const QString &)>;

/** Fills the database at the path (tables of ClublogDXCC_empty.db) in one transaction and adds
 *  the entities' dates to prefixes without any. Single rows that fail are logged and skipped;
 *  the result is the logged error when the file cannot be opened or nothing could be committed,
 *  else empty. */
[[nodiscard]] QString writeClublogDatabase(const QString &path, const ClublogCountryFile &file,
                                           const StatusSink &status);

/** Replaces the target by the source in one step (rename over it), so the target is always a
 *  complete file: the old one or the new one. False with the reason when that failed. */
[[nodiscard]] bool replaceFile(const QString &source, const QString &target, QString *error);

/** NSString-style capitals: the first letter of every blank-separated word upper case, the
 *  rest lower case ("UNITED STATES OF AMERICA" → "United States Of America"). */
[[nodiscard]] QString capitalisedWords(const QString &text);

} // namespace refdata
