#pragma once

#include "contest/ContestDefinition.h"
#include "contest/ContestQso.h"

#include <QHash>
#include <QList>
#include <QSet>

#include <optional>

/** The score so far. */
struct ContestScore {
    int qsos = 0; // without dupes
    int dupes = 0;
    int points = 0;
    QList<std::pair<QString, int>> multipliers; // name, count
    int multiplierTotal = 0;
    qint64 total = 0; // points × multipliers (points alone when the contest has none)
};

/** The QSOs of one contest session in memory: duplicates found through an index by call, the
 *  next serial number, points, multipliers and the rate. Knows nothing of the logbook. */
class ContestLog {
public:
    ContestLog(contest::ContestDefinition definition, OwnStation own);

    [[nodiscard]] const contest::ContestDefinition &definition() const { return m_def; }
    [[nodiscard]] const OwnStation &own() const { return m_own; }

    /** Adds a QSO (in time order or not); its dupe mark and points are worked out here. */
    void add(ContestQso qso);
    /** Drops every QSO. */
    void clear();
    [[nodiscard]] const QList<ContestQso> &qsos() const { return m_qsos; }

    /** The earlier QSO that makes a new one with this call on that band and mode a dupe. */
    [[nodiscard]] std::optional<ContestQso> dupeOf(const QString &call, const QString &band,
                                                   const QString &cabMode) const;
    /** The serial number the next QSO sends: one more than the highest sent so far. */
    [[nodiscard]] int nextSerial() const { return m_highestSerial + 1; }
    [[nodiscard]] ContestScore score() const;
    /** QSOs (dupes included) in the 10 and 60 minutes up to `now`. */
    [[nodiscard]] std::pair<int, int> rate(const QDateTime &now) const;
    /** The points a QSO would give. */
    [[nodiscard]] int pointsOf(const ContestQso &qso) const;

private:
    [[nodiscard]] QString multiplierKey(const contest::Multiplier &m, const ContestQso &qso) const;
    [[nodiscard]] bool takesForm(const QString &field, const QString &as,
                                 const ContestQso &qso) const;

    contest::ContestDefinition m_def;
    OwnStation m_own;
    QList<ContestQso> m_qsos;
    QHash<QString, QList<qsizetype>> m_byCall;
    QList<QSet<QString>> m_multipliers; // one set per multiplier of the definition
    int m_serialField = -1;
    int m_highestSerial = 0;
};
