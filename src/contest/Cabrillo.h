#pragma once

#include <QMap>
#include <QString>

class ContestLog;
struct ContestSettings;

/** Cabrillo 3.0 logs, the form contest sponsors take entries in. */
namespace cabrillo {

/** The headers a session gives when it names none: single operator, all bands, high power, the
 *  contest's mode (MIXED for several). */
[[nodiscard]] QMap<QString, QString> categories(const ContestLog &log,
                                                const ContestSettings &settings);

/** The whole log: START-OF-LOG: 3.0, the headers, CLAIMED-SCORE, one QSO: line per QSO in the
 *  contest's columns (frequency in kHz, or the band for 50 MHz and up), END-OF-LOG:. Lines end
 *  in CR LF. */
[[nodiscard]] QString write(const ContestLog &log, const ContestSettings &settings);

/** The frequency column: kHz below 30 MHz, "50", "144", "432", "1.2G", … above. */
[[nodiscard]] QString frequency(double kHz, const QString &band);

} // namespace cabrillo
