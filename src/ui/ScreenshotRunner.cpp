#include "ScreenshotRunner.h"

#include "ClippedText.h"
#include "shell/AppShell.h"
#include "shell/ScreenNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTimer>

namespace {

// Long enough for page transitions and the first frame of each screen.
constexpr int kSettleMs = 700;

} // namespace

ScreenshotRunner::ScreenshotRunner(AppShell &shell, QQuickWindow &window, const QString &dir,
                                   QObject *parent)
    : QObject(parent), m_shell(shell), m_window(&window), m_dir(dir)
{}

void ScreenshotRunner::start()
{
    QDir().mkpath(m_dir);
    m_pending = m_shell.screenshotScreens();
    QTimer::singleShot(kSettleMs, this, &ScreenshotRunner::showNext);
}

void ScreenshotRunner::showNext()
{
    if (m_pending.isEmpty() || !m_window) {
        QCoreApplication::exit(m_failures == 0 ? 0 : 2);
        return;
    }
    const screens::Screen screen = m_pending.takeFirst();
    m_current = screens::name(screen);
    m_shell.showScreen(screen);
    QTimer::singleShot(kSettleMs, this, &ScreenshotRunner::capture);
}

void ScreenshotRunner::capture()
{
    const QString path = QDir(m_dir).filePath(m_current + QStringLiteral(".png"));
    const QImage image = m_window->grabWindow();
    if (image.isNull() || !image.save(path)) {
        qWarning("Screenshot not saved: %s", qPrintable(path));
        ++m_failures;
    }
    // A text that does not fit is a fault of the layout (often only in another language).
    const QStringList clipped = clippedTexts(m_window->contentItem());
    for (const QString &text : clipped)
        qWarning("Clipped text on %s: %s", qPrintable(m_current), qPrintable(text));
    showNext();
}
