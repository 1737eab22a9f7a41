#pragma once

#include "stats/ChartRenderer.h"
#include "stats/EntitySpanModel.h"
#include "stats/Statistics.h"

#include <QObject>
#include <QStringList>

class DXCCModel;
class LogModel;

namespace stats {

/** The statistics screen of both layouts: one chart at a time, picked by kind, and the first
 *  and last QSO per entity. The numbers are read when the screen is first shown (the window
 *  goes on meanwhile) and follow each write to the logbook. */
class StatisticsScreen : public QObject {
    Q_OBJECT
    /** The kinds' titles in order, then the map of worked grid squares; `kind` indexes them. */
    Q_PROPERTY(QStringList kindTitles READ kindTitles CONSTANT)
    Q_PROPERTY(int kind READ kind WRITE setKind NOTIFY kindChanged)
    Q_PROPERTY(bool showsMap READ showsMap NOTIFY kindChanged)
    Q_PROPERTY(QString totalText READ totalText NOTIFY refreshed)
    Q_PROPERTY(stats::EntitySpanModel *entities READ entities CONSTANT)
    Q_PROPERTY(QString entitiesTitle READ entitiesTitle CONSTANT)
    Q_PROPERTY(bool shown READ shown WRITE setShown NOTIFY shownChanged)
    /** The whole logbook is being read (on a worker): the numbers shown are not yet its own. */
    Q_PROPERTY(bool reading READ reading NOTIFY readingChanged)
public:
    StatisticsScreen(LogModel &log, DXCCModel &dxcc, QObject *parent = nullptr);

    [[nodiscard]] static QStringList kindTitles();
    [[nodiscard]] int kind() const { return m_kind; }
    /** The map of worked grid squares is chosen rather than a chart. */
    [[nodiscard]] bool showsMap() const { return m_kind == kKindCount; }
    void setKind(int kind);
    [[nodiscard]] QString totalText() const;
    [[nodiscard]] EntitySpanModel *entities() const { return m_entities; }
    [[nodiscard]] static QString entitiesTitle();
    [[nodiscard]] bool shown() const { return m_shown; }
    /** Shown: read now (when stale) and follow the logbook; hidden: stop following. */
    void setShown(bool shown);
    [[nodiscard]] bool reading() const { return m_statistics.isReading(); }

    /** What the chart item paints. */
    [[nodiscard]] const ChartData &chart() const { return m_chart; }
    [[nodiscard]] const QStringList &grids() const { return m_grids; }
    [[nodiscard]] const QList<geo::LatLon> &endPoints() const { return m_endPoints; }
    /** Reads the whole logbook again (the numbers follow when the reading ends). */
    Q_INVOKABLE void refresh();

signals:
    void kindChanged();
    void shownChanged();
    void readingChanged();
    /** New numbers or another kind: the chart is to be painted again. */
    void refreshed();

private:
    void take();
    void makeChart();

    DXCCModel &m_dxcc;
    Statistics m_statistics;
    EntitySpanModel *m_entities;
    ChartData m_chart;
    QStringList m_grids;
    QList<geo::LatLon> m_endPoints;
    qint64 m_total = 0;
    int m_kind = 0;
    bool m_shown = false;
};

} // namespace stats
