#include "contest/ContestLog.h"

#include <algorithm>

using contest::ContestDefinition;
using contest::Multiplier;
using contest::PointRule;

ContestLog::ContestLog(ContestDefinition definition, OwnStation own)
    : m_def(std::move(definition)), m_own(std::move(own))
{
    m_multipliers.resize(m_def.multipliers.size());
    for (qsizetype i = 0; i < m_def.exchange.size(); ++i)
        if (m_def.exchange.at(i).isSerial())
            m_serialField = int(i);
}

void ContestLog::clear()
{
    m_qsos.clear();
    m_byCall.clear();
    for (QSet<QString> &set : m_multipliers)
        set.clear();
    m_highestSerial = 0;
}

std::optional<ContestQso> ContestLog::dupeOf(const QString &call, const QString &band,
                                             const QString &cabMode) const
{
    const auto found = m_byCall.constFind(call.toUpper());
    if (found == m_byCall.cend())
        return std::nullopt;
    for (const qsizetype index : *found) {
        const ContestQso &earlier = m_qsos.at(index);
        const bool same = m_def.dupe == contest::DupeRule::Once ||
                          (earlier.band == band && (m_def.dupe == contest::DupeRule::PerBand ||
                                                    earlier.cabMode == cabMode));
        if (same)
            return earlier;
    }
    return std::nullopt;
}

bool ContestLog::takesForm(const QString &field, const QString &as, const ContestQso &qso) const
{
    if (field.isEmpty())
        return true;
    const int index = m_def.fieldIndex(field);
    if (index < 0 || index >= qso.receivedForms.size())
        return false;
    const contest::ExchangeField &f = m_def.exchange.at(index);
    const int form = qso.receivedForms.at(index);
    return as.isEmpty() || (form >= 0 && form < f.forms.size() && f.forms.at(form).as == as);
}

int ContestLog::pointsOf(const ContestQso &qso) const
{
    for (const PointRule &rule : m_def.points) {
        if (!rule.modes.isEmpty() && !rule.modes.contains(qso.cabMode))
            continue;
        if (!rule.bands.isEmpty() && !rule.bands.contains(qso.band))
            continue;
        if (!rule.ownContinent.isEmpty() &&
            rule.ownContinent.compare(m_own.continent, Qt::CaseInsensitive) != 0)
            continue;
        if (!takesForm(rule.field, rule.as, qso))
            continue;
        const bool knownContinents = !qso.continent.isEmpty() && !m_own.continent.isEmpty();
        bool holds = true;
        switch (rule.when) {
        case PointRule::Any:
            break;
        case PointRule::SameCountry:
            holds = qso.adif != 0 && qso.adif == m_own.adif;
            break;
        case PointRule::SameContinent:
            holds = knownContinents && qso.continent == m_own.continent;
            break;
        case PointRule::OtherContinent:
            holds = knownContinents && qso.continent != m_own.continent;
            break;
        case PointRule::SameItuZone:
            holds = qso.ituZone != 0 && qso.ituZone == m_own.ituZone;
            break;
        }
        if (holds)
            return rule.points;
    }
    return m_def.points.isEmpty() ? 1 : 0;
}

QString ContestLog::multiplierKey(const Multiplier &m, const ContestQso &qso) const
{
    if (!takesForm(m.field, m.as, qso))
        return {};
    QString value;
    switch (m.source) {
    case Multiplier::Dxcc:
        value = qso.adif > 0 ? QString::number(qso.adif) : QString();
        break;
    case Multiplier::Prefix:
        value = qso.wpx;
        break;
    case Multiplier::Field:
        value = qso.received.value(m_def.fieldIndex(m.field));
        break;
    }
    if (value.isEmpty())
        return {};
    switch (m.per) {
    case Multiplier::PerBand:
        return qso.band + u'|' + value;
    case Multiplier::PerBandMode:
        return qso.band + u'|' + qso.cabMode + u'|' + value;
    case Multiplier::PerContest:
        break;
    }
    return value;
}

void ContestLog::add(ContestQso qso)
{
    qso.call = qso.call.toUpper();
    qso.dupe = dupeOf(qso.call, qso.band, qso.cabMode).has_value();
    qso.points = qso.dupe ? 0 : pointsOf(qso);
    if (!qso.dupe)
        for (qsizetype i = 0; i < m_def.multipliers.size(); ++i)
            if (const QString key = multiplierKey(m_def.multipliers.at(i), qso); !key.isEmpty())
                m_multipliers[i].insert(key);
    if (m_serialField >= 0)
        m_highestSerial = std::max(m_highestSerial, qso.sent.value(m_serialField).toInt());
    m_byCall[qso.call].append(m_qsos.size());
    m_qsos.append(std::move(qso));
}

ContestScore ContestLog::score() const
{
    ContestScore score;
    for (const ContestQso &qso : m_qsos) {
        if (qso.dupe) {
            ++score.dupes;
            continue;
        }
        ++score.qsos;
        score.points += qso.points;
    }
    for (qsizetype i = 0; i < m_def.multipliers.size(); ++i) {
        const int count = int(m_multipliers.at(i).size());
        score.multipliers.append({m_def.multipliers.at(i).name, count});
        score.multiplierTotal += count;
    }
    score.total =
        m_def.multipliers.isEmpty() ? score.points : qint64(score.points) * score.multiplierTotal;
    return score;
}

std::pair<int, int> ContestLog::rate(const QDateTime &now) const
{
    int last10 = 0;
    int last60 = 0;
    for (auto it = m_qsos.crbegin(); it != m_qsos.crend(); ++it) {
        const qint64 age = it->time.secsTo(now);
        if (age < 0)
            continue;
        if (age > 3600)
            continue;
        ++last60;
        if (age <= 600)
            ++last10;
    }
    return {last10, last60};
}
