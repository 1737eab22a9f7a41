#pragma once

#include <QObject>
#include <QString>

class AppDelegate;

/** How dates are shown in the log ("DateFormatIndex": 0 short style, 1 medium style). */
class DateStyleSettings : public QObject {
    Q_OBJECT
    Q_PROPERTY(int dateFormatIndex READ dateFormatIndex WRITE setDateFormatIndex NOTIFY changed)
    Q_PROPERTY(QString shortExample READ shortExample CONSTANT)
    Q_PROPERTY(QString mediumExample READ mediumExample CONSTANT)
public:
    explicit DateStyleSettings(AppDelegate &app, QObject *parent = nullptr);

    [[nodiscard]] int dateFormatIndex() const;
    void setDateFormatIndex(int index);
    /** Today's date in each style, so the choice shows what it does. */
    [[nodiscard]] QString shortExample() const;
    [[nodiscard]] QString mediumExample() const;

signals:
    void changed();

private:
    AppDelegate &m_app;
};
