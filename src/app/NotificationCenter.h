#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QVariant>

#include <functional>

/** Broadcasts between screens and models. Observers are tied to a context object and dropped when
 *  it goes away; delivery is always on the thread the centre lives on (the main thread). */
class NotificationCenter : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(const QVariant &object)>;

    explicit NotificationCenter(QObject *parent = nullptr) : QObject(parent) {}

    /** Delivers at once when called on the centre's thread, otherwise queued to it. */
    void post(const QString &name, const QVariant &object = {});
    void observe(const QString &name, QObject *context, Handler handler);
    /** Removes every observation the context made. */
    void removeObserver(QObject *context);

signals:
    /** Emitted after each delivery; lets tests and screens watch the traffic. */
    void posted(const QString &name, const QVariant &object);

private:
    struct Observer {
        QPointer<QObject> context;
        Handler handler;
    };
    void deliver(const QString &name, const QVariant &object);

    QHash<QString, QList<Observer>> m_observers;
    QSet<QObject *> m_watched;
};
