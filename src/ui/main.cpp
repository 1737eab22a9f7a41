// The application: builds the application object and hands it to the QML screens.

#include "app/AppDelegate.h"
#include "app/Startup.h"
#include "model/LogModel.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickStyle>

int main(int argc, char *argv[])
{
    startup::useUtcTimeZone();
    QGuiApplication application(argc, argv);
    QGuiApplication::setOrganizationName(QStringLiteral("Brindlewick"));
    QGuiApplication::setApplicationName(QStringLiteral("Brindlewick"));
    QQuickStyle::setStyle(QStringLiteral("Material"));

    AppDelegate app(DataFolder::resolve(QGuiApplication::arguments()));
    LogModel log(app); // chooses the logbook, creating the default one on first start

    QQmlApplicationEngine engine;
    engine.setInitialProperties({
        {QStringLiteral("logbookName"), log.logDbName()},
        {QStringLiteral("dataFolder"), app.dataFolder()},
    });
    engine.load(QUrl(QStringLiteral("qrc:/Brindlewick/Main.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;
    return QGuiApplication::exec();
}
