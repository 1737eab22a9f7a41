#pragma once

#include "dxcc/DxList.h"
#include "dxcc/DxccCounter.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

class LogModel;

namespace dxcc {

/** The DXCC tab of both layouts: the counter and the DX list. Both are worked out while the tab
 *  is shown: when it comes to the front, and again shortly after the logbook changes while it
 *  is in front, never while the user works elsewhere. */
class DxccScreen : public QObject {
    Q_OBJECT
    Q_PROPERTY(dxcc::DxccCounter *counter READ counter CONSTANT)
    Q_PROPERTY(dxcc::DxList *list READ list CONSTANT)
    /** The larger screens' sub-page: 0 the counter, 1 the DX list. */
    Q_PROPERTY(int page READ page WRITE setPage NOTIFY pageChanged)
    Q_PROPERTY(QStringList pageTitles READ pageTitles CONSTANT)
    /** The phone counter's way to the DX list. */
    Q_PROPERTY(QString listButtonText READ listButtonText CONSTANT)
public:
    DxccScreen(LogModel &log, QObject *parent = nullptr);

    /** The tab came to the front (it is worked out now) or went behind another. */
    void setShown(bool shown);
    [[nodiscard]] bool shown() const { return m_shown; }
    /** Works both screens out now. */
    Q_INVOKABLE void refresh();

    [[nodiscard]] DxccCounter *counter() const { return m_counter; }
    [[nodiscard]] DxList *list() const { return m_list; }
    [[nodiscard]] int page() const { return m_page; }
    void setPage(int page);
    [[nodiscard]] static QStringList pageTitles();
    [[nodiscard]] static QString listButtonText();

signals:
    void pageChanged();
    void refreshed();

private:
    void logbookChanged();

    LogModel &m_log;
    DxccCounter *m_counter;
    DxList *m_list;
    /** Gathers the writes of an import or download into one refresh. */
    QTimer m_pending;
    bool m_shown = false;
    int m_page = 0;
};

} // namespace dxcc
