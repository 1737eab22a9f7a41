#include "scanner/ReceivedCards.h"

namespace scanner {

ReceivedCards::ReceivedCards(QObject *parent) : QAbstractListModel(parent)
{}

int ReceivedCards::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant ReceivedCards::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row &row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case TextRole:
        return row.text;
    case TimeRole:
        return row.time.toUTC().toString(QStringLiteral("HH:mm:ss"));
    case SenderRole:
        return row.sender;
    case IsCardRole:
        return row.match.card.has_value();
    case MessageRole:
        return row.match.shownMessage;
    case NoteRole:
        return row.match.shownNote;
    case CandidatesRole: {
        QStringList lines;
        for (const QsoClass &qso : row.match.candidates)
            lines << CardMatcher::describeQso(qso);
        return lines;
    }
    case CanMarkRole:
        return !row.marked &&
               (row.match.kind == CardMatch::OneQso || row.match.kind == CardMatch::SeveralQsos);
    case OutcomeRole:
        return row.outcome;
    }
    return {};
}

QHash<int, QByteArray> ReceivedCards::roleNames() const
{
    return {{TimeRole, "time"},
            {SenderRole, "sender"},
            {TextRole, "text"},
            {IsCardRole, "isCard"},
            {MessageRole, "message"},
            {NoteRole, "note"},
            {CandidatesRole, "candidates"},
            {CanMarkRole, "canMark"},
            {OutcomeRole, "outcome"}};
}

void ReceivedCards::prepend(Row row)
{
    if (m_rows.size() >= kKept) {
        beginRemoveRows({}, kKept - 1, int(m_rows.size()) - 1);
        m_rows.resize(kKept - 1);
        endRemoveRows();
    }
    beginInsertRows({}, 0, 0);
    m_rows.prepend(std::move(row));
    endInsertRows();
    emit countChanged();
}

const ReceivedCards::Row *ReceivedCards::row(int index) const
{
    return index >= 0 && index < m_rows.size() ? &m_rows.at(index) : nullptr;
}

void ReceivedCards::setOutcome(int index, const QString &outcome, bool marked)
{
    if (index < 0 || index >= m_rows.size())
        return;
    m_rows[index].outcome = outcome;
    m_rows[index].marked = m_rows[index].marked || marked;
    const QModelIndex changed = this->index(index);
    emit dataChanged(changed, changed, {OutcomeRole, CanMarkRole});
}

} // namespace scanner
