#include "stats/StatisticsScreen.h"

#include "refdata/DXCCModel.h"

#include <QLocale>

namespace stats {

StatisticsScreen::StatisticsScreen(LogModel &log, DXCCModel &dxcc, QObject *parent)
    : QObject(parent), m_dxcc(dxcc), m_statistics(log), m_entities(new EntitySpanModel(this))
{
    connect(&m_statistics, &Statistics::changed, this, &StatisticsScreen::take);
    connect(&m_statistics, &Statistics::readingChanged, this, &StatisticsScreen::readingChanged);
}

QStringList StatisticsScreen::kindTitles()
{
    QStringList titles;
    for (int kind = 0; kind < kKindCount; ++kind)
        titles << kindTitle(Kind(kind));
    return titles << gridsTitle();
}

void StatisticsScreen::setKind(int kind)
{
    if (kind < 0 || kind > kKindCount || kind == m_kind)
        return;
    m_kind = kind;
    emit kindChanged();
    makeChart();
    emit refreshed();
}

QString StatisticsScreen::totalText() const
{
    return tr("%1 QSOs").arg(QLocale(QLocale::English).toString(m_total));
}

QString StatisticsScreen::entitiesTitle()
{
    return tr("First and last QSO per entity");
}

void StatisticsScreen::setShown(bool shown)
{
    if (shown == m_shown)
        return;
    m_shown = shown;
    m_statistics.setLive(shown);
    emit shownChanged();
    if (shown && !m_statistics.isStale())
        take();
}

void StatisticsScreen::refresh()
{
    m_statistics.reread();
}

void StatisticsScreen::take()
{
    const QsoStatistics &numbers = m_statistics.current();
    m_total = numbers.total;
    QHash<int, QString> names;
    for (const EntitySpan &span : numbers.entities)
        names.insert(span.adif, m_dxcc.adifToCountry(span.adif).cntry);
    m_entities->setSpans(numbers.entities, names);
    m_grids = numbers.grids;
    m_endPoints = numbers.endPoints;
    makeChart();
    emit refreshed();
}

void StatisticsScreen::makeChart()
{
    if (showsMap()) {
        m_chart = {gridsTitle(), {}};
        return;
    }
    const QsoStatistics &numbers = m_statistics.current();
    m_chart = {kindTitle(Kind(m_kind)), numbers.of(Kind(m_kind))};
}

} // namespace stats
