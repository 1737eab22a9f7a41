#include "cluster/TerminalModel.h"

namespace cluster {
namespace {

QString printable(QStringView text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text)
        if (c == u'\t' || (!c.isNonCharacter() && c.category() != QChar::Other_Control))
            shown.append(c);
    return shown;
}

} // namespace

TerminalModel::TerminalModel(QObject *parent) : QAbstractListModel(parent)
{
    m_flushTimer.setSingleShot(true);
    m_flushTimer.setInterval(kFlushIntervalMs);
    connect(&m_flushTimer, &QTimer::timeout, this, &TerminalModel::flush);
}

void TerminalModel::addMessage(const QString &text)
{
    if (text.isEmpty())
        return;
    m_pending += text;
    if (!m_flushTimer.isActive())
        m_flushTimer.start();
}

void TerminalModel::flush()
{
    m_flushTimer.stop();
    if (m_pending.isEmpty())
        return;
    const QStringList pieces = m_pending.split(u'\n');
    m_pending.clear();
    qsizetype first = 0;
    if (m_lastOpen && !m_lines.isEmpty()) {
        m_lines.last() += printable(pieces.first());
        const QModelIndex last = index(int(m_lines.size() - 1));
        emit dataChanged(last, last, {LineRole});
        first = 1;
    }
    const qsizetype added = pieces.size() - first - (pieces.last().isEmpty() ? 1 : 0);
    m_lastOpen = !pieces.last().isEmpty();
    if (added > 0) {
        const int from = int(m_lines.size());
        beginInsertRows({}, from, from + int(added) - 1);
        for (qsizetype i = first; i < first + added; ++i)
            m_lines.append(printable(pieces.at(i)));
        endInsertRows();
    }
    if (m_lines.size() > kMaxLines) {
        const int excess = int(m_lines.size()) - kMaxLines;
        beginRemoveRows({}, 0, excess - 1);
        m_lines.remove(0, excess);
        endRemoveRows();
    }
    emit appended();
}

void TerminalModel::clear()
{
    m_flushTimer.stop();
    m_pending.clear();
    beginResetModel();
    m_lines.clear();
    m_lastOpen = false;
    endResetModel();
}

QString TerminalModel::text() const
{
    return m_lines.join(u'\n');
}

int TerminalModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant TerminalModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) ||
        (role != LineRole && role != Qt::DisplayRole))
        return {};
    return m_lines.at(index.row());
}

QHash<int, QByteArray> TerminalModel::roleNames() const
{
    return {{LineRole, "line"}};
}

} // namespace cluster
