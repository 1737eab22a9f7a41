#include "model/QslMatch.h"

#include "refdata/ModeClasses.h"

#include <tuple>

namespace qslmatch {

bool sameStation(QStringView logged, QStringView received)
{
    if (received.isEmpty() || !logged.startsWith(received, Qt::CaseInsensitive))
        return false;
    return logged.size() == received.size() || logged.at(received.size()) == QLatin1Char('/');
}

int modeFit(const QString &logged, const QString &received, const adif::ModesList *modes)
{
    const QString mode = received.section(QLatin1Char('/'), 0, 0);
    const QString submode = received.section(QLatin1Char('/'), 1);
    const auto same = [](const QString &a, const QString &b) {
        return !a.isEmpty() && a.compare(b, Qt::CaseInsensitive) == 0;
    };
    if (same(logged, mode) || same(logged, submode))
        return 0;
    if (modes && submode.isEmpty()) {
        // "USB" is logged where the QSL says "SSB": the list names the ADIF mode of the former.
        const std::optional<QString> adifMode = modes->logModeToAdifMode(logged);
        if (adifMode && same(*adifMode, mode))
            return 0;
    }
    const int loggedClass = refdata::mode2xMode(logged);
    const int receivedClass = refdata::mode2xMode(submode.isEmpty() ? mode : submode);
    return loggedClass != 0 && loggedClass == receivedClass ? 1 : -1;
}

qsizetype best(const QList<Candidate> &candidates, const QSet<qint64> &taken)
{
    qsizetype chosen = -1;
    const auto key = [](const Candidate &c) {
        return std::make_tuple(c.modeFit, c.secondsApart, c.confirmed, c.rowid);
    };
    for (qsizetype i = 0; i < candidates.size(); ++i) {
        const Candidate &c = candidates.at(i);
        if (c.modeFit < 0 || taken.contains(c.rowid))
            continue;
        if (chosen < 0 || key(c) < key(candidates.at(chosen)))
            chosen = i;
    }
    return chosen;
}

} // namespace qslmatch
