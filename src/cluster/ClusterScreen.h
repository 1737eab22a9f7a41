#pragma once

#include "cluster/ClusterMacros.h"
#include "cluster/ClusterNodeList.h"
#include "cluster/ClusterOptions.h"
#include "cluster/ClusterSession.h"
#include "cluster/SpotFilter.h"
#include "cluster/SpotMaker.h"
#include "cluster/SpotTableModel.h"
#include "cluster/TerminalModel.h"

#include <QObject>
#include <QString>
#include <QTimer>

class Clock;
class DXCCModel;
class LogModel;
class MyFunctions;
class UserDefaults;

namespace cluster {

/** The DX cluster screen of both layouts: the connection to the node in use, the terminal pane,
 *  the command field and macros, the spot table with its band segments and search, and the
 *  hand-off of a spot to the entry form, the radio and the callsign lookup. */
class ClusterScreen : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool connected READ connected NOTIFY stateChanged)
    /** Connecting, or waiting to connect again after the node dropped the line. */
    Q_PROPERTY(bool busy READ busy NOTIFY stateChanged)
    Q_PROPERTY(QString buttonTitle READ buttonTitle NOTIFY stateChanged)
    /** The node's name while connected, "Disconnected" otherwise. */
    Q_PROPERTY(QString title READ title NOTIFY stateChanged)
    Q_PROPERTY(QString nodeName READ nodeName NOTIFY stateChanged)
    Q_PROPERTY(bool doNotScroll READ doNotScroll NOTIFY doNotScrollChanged)
    Q_PROPERTY(cluster::TerminalModel *terminal READ terminal CONSTANT)
    Q_PROPERTY(cluster::SpotTableModel *spots READ spots CONSTANT)
    Q_PROPERTY(cluster::ClusterNodeList *nodes READ nodes CONSTANT)
    Q_PROPERTY(cluster::ClusterMacros *macros READ macros CONSTANT)
    Q_PROPERTY(cluster::ClusterOptions *options READ options CONSTANT)
    /** The band segments: "All", the band names of numbers 1..23, "All + old". */
    Q_PROPERTY(QStringList segments READ segments CONSTANT)
public:
    static constexpr int kSpotAgeingMs = 20'000;
    static constexpr int kScrollPauseMs = 10'000;

    ClusterScreen(UserDefaults &defaults, const Clock &clock, LogModel &log, DXCCModel &dxcc,
                  MyFunctions &functions, QObject *parent = nullptr);
    ~ClusterScreen() override;

    /** Reads the node, filters, spot options, callsign, locator and macros again. */
    void loadPrefs();

    Q_INVOKABLE void connectToCluster();
    /** Connects when disconnected, disconnects otherwise. */
    Q_INVOKABLE void toggleConnection();
    /** Sends a typed command (an empty one sends a bare line end); false when not connected. */
    Q_INVOKABLE bool sendCommand(const QString &text);
    /** Fires a macro: sends it, or returns its text for the command field. */
    Q_INVOKABLE QString fireMacro(int index);

    /** Per-spot actions on a row of the spot table. */
    Q_INVOKABLE void useDataInLog(int row);
    Q_INVOKABLE void qsyTrx(int row);
    Q_INVOKABLE void showAllSpots(int row);
    Q_INVOKABLE void lookUp(int row);
    /** The user drags the spot table: no automatic scrolling for a while. */
    Q_INVOKABLE void userScrolled();

    [[nodiscard]] bool connected() const;
    [[nodiscard]] bool busy() const;
    [[nodiscard]] QString buttonTitle() const;
    [[nodiscard]] QString title() const;
    [[nodiscard]] QString nodeName() const { return m_node.name; }
    [[nodiscard]] bool doNotScroll() const { return m_doNotScroll; }
    [[nodiscard]] TerminalModel *terminal() const { return m_terminal; }
    [[nodiscard]] SpotTableModel *spots() const { return m_spots; }
    [[nodiscard]] ClusterNodeList *nodes() const { return m_nodes; }
    [[nodiscard]] ClusterMacros *macros() const { return m_macros; }
    [[nodiscard]] ClusterOptions *options() const { return m_options; }
    [[nodiscard]] static QStringList segments();
    [[nodiscard]] ClusterSession &session() { return *m_session; }

signals:
    void stateChanged();
    void doNotScrollChanged();
    /** Open the callsign lookup for this callsign. */
    void lookupRequested(const QString &callsign);
    /** The user takes the spot into the log: a new QSO with its call, frequency and mode, and
     *  the radio tuned to it. */
    void spotTaken(const OneDxSpotClass &spot);
    /** The user wants the radio on the spot's frequency and mode. */
    void tuneRequested(const OneDxSpotClass &spot);

private:
    void lineReceived(const QString &line);
    [[nodiscard]] const OneDxSpotClass *spotAt(int row) const;

    UserDefaults &m_defaults;
    const Clock &m_clock;
    LogModel &m_log;
    MyFunctions &m_functions;
    ClusterSession *m_session;
    TerminalModel *m_terminal;
    SpotTableModel *m_spots;
    ClusterNodeList *m_nodes;
    ClusterMacros *m_macros;
    ClusterOptions *m_options;
    SpotMaker m_maker;
    SpotFilter m_filter;
    ClusterAddress m_node;
    QTimer m_ageing;
    QTimer m_scrollPause;
    bool m_doNotScroll = false;
};

} // namespace cluster
