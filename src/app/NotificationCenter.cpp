#include "app/NotificationCenter.h"

#include <QThread>

void NotificationCenter::post(const QString &name, const QVariant &object)
{
    if (QThread::currentThread() == thread()) {
        deliver(name, object);
        return;
    }
    QMetaObject::invokeMethod(
        this, [this, name, object] { deliver(name, object); }, Qt::QueuedConnection);
}

void NotificationCenter::observe(const QString &name, QObject *context, Handler handler)
{
    m_observers[name].append({context, std::move(handler)});
    if (!m_watched.contains(context)) {
        m_watched.insert(context);
        connect(context, &QObject::destroyed, this, [this, context] { removeObserver(context); });
    }
}

void NotificationCenter::removeObserver(QObject *context)
{
    m_watched.remove(context);
    for (auto &list : m_observers) {
        list.removeIf(
            [context](const Observer &o) { return o.context.isNull() || o.context == context; });
    }
}

void NotificationCenter::deliver(const QString &name, const QVariant &object)
{
    // Copy: a handler may add or remove observers while we walk the list.
    const QList<Observer> observers = m_observers.value(name);
    for (const Observer &observer : observers) {
        if (!observer.context.isNull())
            observer.handler(object);
    }
    emit posted(name, object);
}
