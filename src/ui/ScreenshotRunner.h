#pragma once

#include <QObject>
#include <QPointer>
#include <QQuickWindow>
#include <QString>
#include <QStringList>

class AppShell;

/** Shows each main screen in turn, saves the window's picture as DIR/<screen>.png and quits. */
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
    QStringList m_pending;
    QString m_current;
    int m_failures = 0;
};
