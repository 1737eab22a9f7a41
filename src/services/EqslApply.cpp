#include "services/EqslApply.h"

#include "model/QslMatch.h"
#include "model/QslSession.h"
#include "refdata/ModesList.h"

#include <QSet>

#include <algorithm>
#include <cstdlib>

namespace eqsl {
namespace {

constexpr int kWindowSeconds = 3600;

bool isOneOf(const QString &letter, const char *a, const char *b)
{
    return letter == QLatin1String(a) || letter == QLatin1String(b);
}

std::optional<QsoClass> match(QslSession &session, const QsoClass &received,
                              const adif::ModesList &modes, const QSet<qint64> &taken)
{
    if (!received.dateTime.isValid())
        return std::nullopt;
    const qint64 at = received.dateTime.toSecsSinceEpoch();
    QList<qslmatch::Candidate> candidates;
    for (const QslSession::Near &qso :
         session.qsosBetween(received.dateTime.addSecs(-kWindowSeconds),
                             received.dateTime.addSecs(kWindowSeconds), received.band)) {
        if (qslmatch::sameStation(qso.callsign, received.callsign))
            candidates.append({qso.rowid, std::abs(qso.seconds - at), isOneOf(qso.eqsl, "R", "X"),
                               qslmatch::modeFit(qso.mode, received.mode, &modes)});
    }
    const qsizetype chosen = qslmatch::best(candidates, taken);
    if (chosen < 0)
        return std::nullopt;
    return session.qsoById(candidates.at(chosen).rowid);
}

} // namespace

QString receivedState(const QString &current)
{
    return isOneOf(current, "S", "X") ? QStringLiteral("X") : QStringLiteral("R");
}

QString uploadedState(const QString &current)
{
    return isOneOf(current, "R", "X") ? QStringLiteral("X") : QStringLiteral("S");
}

Applied applyInbox(const Inbox &inbox, QslSession &session, const adif::ModesList &modes,
                   const QString &startedAt)
{
    Applied applied;
    if (!session.isOpen()) {
        applied.error = session.error();
        return applied;
    }
    QSet<qint64> taken;
    for (const QsoClass &received : inbox.received) {
        QslRow row = QslRow::received(received, session.dateStyle());
        row.mark = QslRow::Mark::NotFound;
        if (const std::optional<QsoClass> logged = match(session, received, modes, taken)) {
            const QString state = receivedState(logged->eqsl);
            if (const WriteResult result = session.setField(*logged, QStringLiteral("eqsl"), state);
                !result) {
                applied.error = result.error;
                return applied;
            }
            taken.insert(*logged->id);
            row.mark = QslRow::Mark::None;
            row.id = logged->id;
            row.corrections << QStringLiteral("eqsl %1 → %2").arg(logged->eqsl, state);
            ++applied.matched;
        } else {
            ++applied.notFound;
        }
        applied.rows.append(row);
    }
    const bool moveDate = !applied.rows.isEmpty() && !startedAt.isEmpty();
    if (moveDate) {
        if (const WriteResult result = session.setPref(QStringLiteral("eqsllastqsl"), startedAt);
            !result) {
            applied.error = result.error;
            return applied;
        }
    }
    if (const WriteResult result = session.commit(); !result) {
        applied.error = result.error;
        return applied;
    }
    if (moveDate)
        applied.lastDownload = startedAt;
    std::stable_sort(applied.rows.begin(), applied.rows.end(),
                     [](const QslRow &a, const QslRow &b) { return a.id < b.id; });
    applied.ok = true;
    return applied;
}

} // namespace eqsl
