#pragma once

// The real screens in an offscreen window, driven as a user drives them: items found by their
// object names, text typed key by key, buttons clicked.

#include "root/AppDelegate.h"
#include "shell/AppShell.h"

#include <QDeadlineTimer>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QTest>

#include <memory>

struct QmlWindow {
    std::unique_ptr<AppShell> shell;
    std::unique_ptr<QQmlApplicationEngine> engine;
    QQuickWindow *window = nullptr;

    /** Opens the main window on the application object; false when QML failed to load. Theme 1
     *  is light, 2 dark. */
    bool open(AppDelegate &app, bool phone, int theme = 1)
    {
        if (QQuickStyle::name().isEmpty())
            QQuickStyle::setStyle(QStringLiteral("Material"));
        shell = std::make_unique<AppShell>(app, phone ? AppShell::Layout::Phone
                                                      : AppShell::Layout::Tablet);
        engine = std::make_unique<QQmlApplicationEngine>();
        engine->addImportPath(QStringLiteral("qrc:/")); // the module is linked in
        engine->setInitialProperties({
            {QStringLiteral("shell"), QVariant::fromValue(shell.get())},
            {QStringLiteral("theme"), theme},
            {QStringLiteral("width"), phone ? 412 : 1280},
            {QStringLiteral("height"), phone ? 892 : 800},
        });
        engine->load(QUrl(QStringLiteral("qrc:/Brindlewick/Main.qml")));
        if (engine->rootObjects().isEmpty())
            return false;
        window = qobject_cast<QQuickWindow *>(engine->rootObjects().constFirst());
        return window && QTest::qWaitForWindowExposed(window);
    }

    void close()
    {
        engine.reset();
        shell.reset();
        window = nullptr;
    }

    /** The visible object of that name, waiting a little for pages and dialogs to appear. */
    template <typename T = QQuickItem> T *find(const QString &objectName)
    {
        T *found = nullptr;
        (void)QTest::qWaitFor([&] { return (found = visible<T>(objectName)) != nullptr; }, 3000);
        return found;
    }

    /** The "text" of the visible item of that name; "<not shown>" when there is none. */
    QString textOf(const QString &objectName)
    {
        QQuickItem *item = find(objectName);
        return item ? item->property("text").toString() : QStringLiteral("<not shown>");
    }

    /** A non-visual object of that name (a dialog) held by any item of the scene. */
    QObject *object(const QString &objectName) const
    {
        QQuickItem *root = window->contentItem();
        while (root->parentItem())
            root = root->parentItem();
        return objectBelow(root, objectName);
    }

    /** Types into a text field as a user would and leaves it with Return. */
    void type(QQuickItem *field, const QString &text)
    {
        if (!field)
            return;
        field->forceActiveFocus();
        QMetaObject::invokeMethod(field, "selectAll");
        for (const QChar c : text)
            QTest::keyClick(window, c.toLatin1());
        QTest::keyClick(window, Qt::Key_Return);
    }

    void click(QQuickItem *item)
    {
        if (!item)
            return;
        // A page still sliding in is clicked where it comes to rest.
        const auto sliding = [item] {
            for (QQuickItem *up = item; up; up = up->parentItem())
                if (up->property("busy").toBool()) // a stack view in a transition
                    return true;
            return false;
        };
        (void)QTest::qWaitFor([&] { return !sliding(); }, 3000);
        const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    }

private:
    template <typename T> T *visible(const QString &objectName)
    {
        // Walks the scene's items (popups sit in the overlay beside the content).
        QQuickItem *root = window->contentItem();
        while (root->parentItem())
            root = root->parentItem();
        return visibleBelow<T>(root, objectName);
    }

    static QObject *objectBelow(QQuickItem *item, const QString &objectName)
    {
        if (QObject *found = item->findChild<QObject *>(objectName, Qt::FindDirectChildrenOnly))
            return found;
        for (QQuickItem *child : item->childItems())
            if (QObject *found = objectBelow(child, objectName))
                return found;
        return nullptr;
    }

    template <typename T> static T *visibleBelow(QQuickItem *item, const QString &objectName)
    {
        if (!item->isVisible())
            return nullptr;
        if (auto *match = qobject_cast<T *>(item); match && item->objectName() == objectName)
            return match;
        for (QQuickItem *child : item->childItems())
            if (T *found = visibleBelow<T>(child, objectName))
                return found;
        return nullptr;
    }
};
