// The application: builds the application object and the shell and hands them to the screens.

#include "ScreenshotRunner.h"
#include "StartupProbe.h"
#include "root/AppDelegate.h"
#include "root/Startup.h"
#include "shell/AppShell.h"
#include "shell/LanguageSettings.h"
#include "shell/LaunchOptions.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QScreen>
#include <QTranslator>

#include <cstdio>

namespace {

// Windows narrower than this get the phone screens.
constexpr int kPhoneWidth = 700;
const QSize kTabletWindow(1280, 800);
const QSize kPhoneWindow(412, 892);

AppShell::Layout chooseLayout(LaunchOptions::Layout asked)
{
    if (asked != LaunchOptions::Layout::Automatic)
        return asked == LaunchOptions::Layout::Phone ? AppShell::Layout::Phone
                                                     : AppShell::Layout::Tablet;
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen && screen->availableSize().width() < kPhoneWidth ? AppShell::Layout::Phone
                                                                   : AppShell::Layout::Tablet;
}

} // namespace

int main(int argc, char *argv[])
{
    startup::useUtcTimeZone();
    QGuiApplication application(argc, argv);
    QGuiApplication::setOrganizationName(QStringLiteral("Brindlewick"));
    QGuiApplication::setApplicationName(QStringLiteral("Brindlewick"));
    QQuickStyle::setStyle(QStringLiteral("Material"));

    QString error;
    const auto options = LaunchOptions::parse(QGuiApplication::arguments(), &error);
    if (!options) {
        std::fprintf(stderr, "%s\n\n%s", qPrintable(error), qPrintable(LaunchOptions::usage()));
        return 1;
    }
    if (options->help) {
        std::printf("%s", qPrintable(LaunchOptions::usage()));
        return 0;
    }

    AppDelegate app(DataFolder::resolve(QGuiApplication::arguments()));
    startup::didFinishLaunching(app);
    // The screens keep one language for the whole run: the user's choice, else the system's.
    QTranslator translator;
    if (LanguageSettings::loadTranslation(
            translator, LanguageSettings::uiLocale(LanguageSettings::storedChoice(app.defaults()),
                                                   QLocale::system())))
        QGuiApplication::installTranslator(&translator);
    const AppShell::Layout layout = chooseLayout(options->layout);
    AppShell shell(app, layout);

    QSize size = layout == AppShell::Layout::Phone ? kPhoneWindow : kTabletWindow;
    if (const QScreen *screen = QGuiApplication::primaryScreen();
        screen && options->screenshotDir.isEmpty())
        size = size.boundedTo(screen->availableSize());

    QQmlApplicationEngine engine;
    // The screens are compiled into the program: the module is found among its resources, so an
    // installed copy needs nothing beside it.
    engine.addImportPath(QStringLiteral("qrc:/"));
    engine.setInitialProperties({
        {QStringLiteral("shell"), QVariant::fromValue(&shell)},
        {QStringLiteral("theme"), int(options->theme)},
        {QStringLiteral("width"), size.width()},
        {QStringLiteral("height"), size.height()},
    });
    engine.load(QUrl(QStringLiteral("qrc:/Brindlewick/Main.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst());

    if (!options->shortcut.isEmpty())
        shell.performShortcut(options->shortcut);
    for (const QString &file : options->files)
        shell.openFile(file);

    if (!options->screenshotDir.isEmpty() && window) {
        auto *runner = new ScreenshotRunner(shell, *window, options->screenshotDir, &shell);
        runner->start();
    }
    if (options->startupProbe && window)
        new StartupProbe(*shell.logList(), *window, &shell);
    return QGuiApplication::exec();
}
