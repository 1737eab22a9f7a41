#pragma once

#include "shell/Screen.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QQuickWindow>
#include <QString>

class AppShell;

/** Shows each main screen in turn, saves the window's picture as DIR/<screen's name>.png and
 *  quits. */
class ScreenshotRunner : public QObject {
    Q_OBJECT
public:
    ScreenshotRunner(AppShell &shell, QQuickWindow &window, const QString &dir,
                     QObject *parent = nullptr);
    void start();

private:
    void showNext();
    void capture();

    AppShell &m_shell;
    QPointer<QQuickWindow> m_window;
    QString m_dir;
    QList<screens::Screen> m_pending;
    QString m_current; // the screen's name, the picture's file name
    int m_failures = 0;
};
