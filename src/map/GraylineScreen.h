#pragma once

#include "geo/LatLon.h"
#include "geo/MapProjection.h"
#include "map/MapOverlay.h"

#include <QDateTime>
#include <QImage>
#include <QObject>
#include <QString>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>
#include <optional>

class Clock;
class LogModel;
class UserDefaults;

namespace map {

class GraylineRenderer;

/** The grayline map screen of both layouts: the map shaded for a moment (now, or one picked),
 *  the subsolar point, the own and the far station with the short and the long path between
 *  them, and the line that says where the far station is. */
class GraylineScreen : public QObject {
    Q_OBJECT
    Q_PROPERTY(QImage image READ image NOTIFY imageChanged)
    Q_PROPERTY(int mapWidth READ mapWidth CONSTANT)
    Q_PROPERTY(int mapHeight READ mapHeight CONSTANT)
    /** The moment the shown image was shaded for, and its date and time labels. */
    Q_PROPERTY(QDateTime moment READ moment NOTIFY imageChanged)
    Q_PROPERTY(QString dateText READ dateText NOTIFY imageChanged)
    Q_PROPERTY(QString timeText READ timeText NOTIFY imageChanged)
    /** True while the map follows the clock, false for a picked moment. */
    Q_PROPERTY(bool live READ live NOTIFY liveChanged)
    /** "JO62: 1,234 km": where the far station is and how far; empty without one. */
    Q_PROPERTY(QString infoText READ infoText NOTIFY overlayChanged)
    /** Set by the screens while the map is on screen: it is redrawn then and every 300 s. */
    Q_PROPERTY(bool shown READ shown WRITE setShown NOTIFY shownChanged)
public:
    static constexpr int kRedrawMs = 300'000;

    GraylineScreen(UserDefaults &defaults, const Clock &clock, LogModel &log,
                   QObject *parent = nullptr);
    ~GraylineScreen() override;

    /** Reads the own locator again and puts home back there. */
    void loadPrefs();

    /** Shades the map for the current moment (the clock's, unless one was picked). */
    Q_INVOKABLE void redrawMap();
    /** A moment from the date and time picker (UTC); the day is kept within its month. */
    Q_INVOKABLE void selectMoment(int year, int month, int day, int hour, int minute);
    /** Back to now: paths and far station removed, home from the own locator. */
    Q_INVOKABLE void showNow();
    /** A tap at a point of the map, as fractions of its width and height: the far station. */
    Q_INVOKABLE void tapAt(double fx, double fy);
    /** A long press: the own station moves there; the paths stay as they are. */
    Q_INVOKABLE void longPressAt(double fx, double fy);
    /** The far station at a locator, as the entry screens announce it. */
    void setEndLocator(const QString &locator);
    /** A finished image from the renderer; one older than the image shown is dropped. */
    void acceptRendered(quint64 generation, const QDateTime &moment, const QImage &image);

    [[nodiscard]] const QImage &image() const { return m_image; }
    [[nodiscard]] int mapWidth() const { return m_map.width(); }
    [[nodiscard]] int mapHeight() const { return m_map.height(); }
    [[nodiscard]] const QDateTime &moment() const { return m_imageMoment; }
    [[nodiscard]] QString dateText() const;
    [[nodiscard]] QString timeText() const;
    [[nodiscard]] bool live() const { return !m_picked.has_value(); }
    [[nodiscard]] const QString &infoText() const { return m_infoText; }
    [[nodiscard]] bool shown() const { return m_shown; }
    void setShown(bool shown);
    [[nodiscard]] const MapOverlay &overlay() const { return m_overlay; }
    [[nodiscard]] std::optional<geo::LatLon> home() const { return m_home; }
    [[nodiscard]] std::optional<geo::LatLon> end() const { return m_end; }

signals:
    void imageChanged();
    void liveChanged();
    void overlayChanged();
    void shownChanged();
    void renderRequested(quint64 generation, const QDateTime &moment);

private:
    void drawMap(const QDateTime &moment);
    void drawPath();
    void placeHome();
    [[nodiscard]] geo::LatLon pointAt(double fx, double fy) const;

    UserDefaults &m_defaults;
    const Clock &m_clock;
    LogModel &m_log;
    const QImage m_map;
    const geo::MapProjection m_projection;
    QImage m_image;
    QDateTime m_imageMoment;
    std::optional<QDateTime> m_picked;
    std::optional<QDateTime> m_pendingMinute;
    std::optional<geo::LatLon> m_home;
    std::optional<geo::LatLon> m_end;
    MapOverlay m_overlay;
    QString m_infoText;
    bool m_shown = false;
    QTimer m_redraw;
    std::atomic<quint64> m_latestGeneration{0};
    quint64 m_shownGeneration = 0;
    QThread m_thread;
    std::unique_ptr<GraylineRenderer> m_renderer;
};

} // namespace map
