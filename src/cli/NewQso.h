#pragma once

#include "model/QsoClass.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

class AppDelegate;
class Args;

namespace cli {

/** The option names of "qso add". */
[[nodiscard]] const QSet<QString> &newQsoOptions();

/** What "qso add" was given besides the options Args reads: its "--field NAME=VALUE" options
 *  (repeatable, which Args is not) as extra fields, and the remaining words. */
struct FieldOptions {
    QStringList otherWords;
    ExtraFields fields;
    QString error; // the first refused --field; nothing is stored then
};

/** Takes the "--field NAME=VALUE" (or "--field=NAME=VALUE") options out of the words of
 *  "qso add". A name that is not ADIF-shaped or that the logbook keeps in a column of its own
 *  (CALL, MODE, … and the user fields' names, given in `userFieldNames`), a word without "=" and a
 *  name given twice are refused; an empty value adds no field. */
[[nodiscard]] FieldOptions takeFieldOptions(const QStringList &words,
                                            const QStringList &userFieldNames);

/** Builds the QSO "qso add" stores from its options with the entry form's record builder:
 *  upper-case call and mode, the band from the frequency when none is given, RST defaults by mode,
 *  the entity of the call at the QSO's date, the time from the application clock when none is
 *  given. Nothing, with the reason in error, when an
 *  option is missing or not usable. */
[[nodiscard]] std::optional<QsoClass> newQsoFromArgs(AppDelegate &app, const Args &args,
                                                     QString *error);

} // namespace cli
