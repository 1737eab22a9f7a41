#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqml.h>

/** The system clipboard's text, for the paste buttons. */
class Clipboard : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
public:
    using QObject::QObject;
    Q_INVOKABLE QString text() const;
};
