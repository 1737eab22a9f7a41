#include "map/GraylineScreen.h"

#include "app/Clock.h"
#include "app/UserDefaults.h"
#include "formats/Formats.h"
#include "geo/Geodesic.h"
#include "geo/Locator.h"
#include "geo/SolarPosition.h"
#include "map/GraylineImage.h"
#include "map/GraylineRenderer.h"
#include "model/LogModel.h"

#include <algorithm>
#include <cmath>

namespace map {
namespace {

/** The shading uses hours and minutes only, so one image serves a whole minute. */
QDateTime toMinute(const QDateTime &moment)
{
    const QDateTime utc = moment.toUTC();
    return QDateTime(utc.date(), QTime(utc.time().hour(), utc.time().minute()), Qt::UTC);
}

/** The reference point of a locator typed in either case; nothing for one that is unusable. */
std::optional<geo::LatLon> locatorPosition(const QString &locator)
{
    const QString upper = locator.trimmed().toUpper();
    if (!geo::locatorIsValid(upper))
        return std::nullopt;
    return geo::getCLLocationFromLocator(upper);
}

} // namespace

GraylineScreen::GraylineScreen(UserDefaults &defaults, const Clock &clock, LogModel &log,
                               QObject *parent)
    : QObject(parent), m_defaults(defaults), m_clock(clock), m_log(log), m_map(worldMap()),
      m_projection(m_map.isNull() ? geo::MapProjection::kReferenceWidth : m_map.width()),
      m_renderer(std::make_unique<GraylineRenderer>(m_map, m_latestGeneration))
{
    m_redraw.setInterval(kRedrawMs);
    connect(&m_redraw, &QTimer::timeout, this, &GraylineScreen::redrawMap);

    m_renderer->moveToThread(&m_thread);
    connect(this, &GraylineScreen::renderRequested, m_renderer.get(), &GraylineRenderer::render);
    connect(m_renderer.get(), &GraylineRenderer::rendered, this, &GraylineScreen::acceptRendered);
    m_thread.setObjectName(QStringLiteral("grayline"));
    m_thread.start(QThread::LowPriority);

    // Home is the logbook's own locator.
    connect(&log, &LogModel::logbookSwitched, this, &GraylineScreen::loadPrefs);
    connect(&log, &LogModel::settingsChanged, this, [this](const QString &entry) {
        if (entry == QLatin1String("mylocator"))
            loadPrefs();
    });
    loadPrefs();
}

GraylineScreen::~GraylineScreen()
{
    m_thread.quit();
    m_thread.wait();
}

void GraylineScreen::loadPrefs()
{
    placeHome();
    drawPath();
    // The date label follows the user's date style.
    emit imageChanged();
}

void GraylineScreen::placeHome()
{
    m_home = locatorPosition(m_log.getMyLocator());
    m_overlay.home.reset();
    if (m_home)
        m_overlay.home = m_projection.toPixel(*m_home);
}

void GraylineScreen::redrawMap()
{
    drawMap(m_picked.value_or(m_clock.now()));
}

void GraylineScreen::drawMap(const QDateTime &moment)
{
    const QDateTime minute = toMinute(moment);
    if (!m_image.isNull() && m_imageMoment == minute) {
        // The image shown is the one wanted: whatever is still being shaded is out of date.
        if (m_pendingMinute) {
            m_pendingMinute.reset();
            m_shownGeneration = m_latestGeneration.load() + 1;
            m_latestGeneration.store(m_shownGeneration);
        }
        return;
    }
    if (m_pendingMinute == minute || m_map.isNull())
        return;
    m_pendingMinute = minute;
    const quint64 generation = m_latestGeneration.load() + 1;
    m_latestGeneration.store(generation);
    emit renderRequested(generation, minute);
}

void GraylineScreen::acceptRendered(quint64 generation, const QDateTime &moment,
                                    const QImage &image)
{
    // The newest image shown stays, however late an older one arrives.
    if (generation <= m_shownGeneration || image.isNull())
        return;
    m_shownGeneration = generation;
    if (m_pendingMinute == moment)
        m_pendingMinute.reset();
    m_image = image;
    m_imageMoment = moment;
    m_overlay.sun = m_projection.toPixel(geo::solarPositionAt(moment).subsolar);
    emit imageChanged();
    emit overlayChanged();
}

void GraylineScreen::selectMoment(int year, int month, int day, int hour, int minute)
{
    const QDate first(year, month, 1);
    if (!first.isValid())
        return;
    const QDate date(year, month, std::clamp(day, 1, first.daysInMonth()));
    const QTime time(std::clamp(hour, 0, 23), std::clamp(minute, 0, 59));
    const bool wasLive = live();
    m_picked = QDateTime(date, time, Qt::UTC);
    if (wasLive)
        emit liveChanged();
    drawMap(*m_picked);
}

void GraylineScreen::showNow()
{
    const bool wasLive = live();
    m_picked.reset();
    if (!wasLive)
        emit liveChanged();
    m_end.reset();
    placeHome();
    drawPath();
    redrawMap();
}

void GraylineScreen::tapAt(double fx, double fy)
{
    if (!(fx >= 0.0 && fx <= 1.0 && fy >= 0.0 && fy <= 1.0))
        return;
    m_end = pointAt(fx, fy);
    drawPath();
}

void GraylineScreen::longPressAt(double fx, double fy)
{
    if (!(fx >= 0.0 && fx <= 1.0 && fy >= 0.0 && fy <= 1.0))
        return;
    m_home = pointAt(fx, fy);
    m_overlay.home = m_projection.toPixel(*m_home);
    emit overlayChanged();
}

void GraylineScreen::setEndLocator(const QString &locator)
{
    const std::optional<geo::LatLon> end = locatorPosition(locator);
    if (!end)
        return;
    m_end = end;
    drawPath();
}

geo::LatLon GraylineScreen::pointAt(double fx, double fy) const
{
    return m_projection.toLatLon(QPointF(fx * m_map.width(), fy * m_map.height()));
}

void GraylineScreen::drawPath()
{
    const std::optional<QPointF> sun = m_overlay.sun;
    m_overlay = stationOverlay(m_projection, m_home, m_end);
    m_overlay.sun = sun;
    m_infoText.clear();
    if (m_end) {
        m_infoText = geo::getLocator(*m_end).left(4);
        if (m_home) {
            const auto km = qint64(std::trunc(geo::geodesicDistance(*m_home, *m_end) / 1000.0));
            m_infoText += QStringLiteral(": %1 km").arg(formats::groupedInteger(km));
        }
    }
    emit overlayChanged();
}

QString GraylineScreen::dateText() const
{
    if (!m_imageMoment.isValid())
        return {};
    return formats::displayDate(m_imageMoment.toUTC().date(), m_defaults.logDateFormaterStyle());
}

QString GraylineScreen::timeText() const
{
    if (!m_imageMoment.isValid())
        return {};
    return QLocale(QStringLiteral("en_GB"))
        .toString(m_imageMoment.toUTC().time(), QStringLiteral("HH:mm"));
}

void GraylineScreen::setShown(bool shown)
{
    if (shown == m_shown)
        return;
    m_shown = shown;
    if (shown) {
        redrawMap();
        m_redraw.start();
    } else {
        m_redraw.stop();
    }
    emit shownChanged();
}

} // namespace map
