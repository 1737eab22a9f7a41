#pragma once

#include <QObject>
#include <QString>

class UserDefaults;
class Clock;

/** How dates are shown in the log ("DateFormatIndex": 0 short style, 1 medium style). */
class DateStyleSettings : public QObject {
    Q_OBJECT
    Q_PROPERTY(int dateFormatIndex READ dateFormatIndex WRITE setDateFormatIndex NOTIFY changed)
    Q_PROPERTY(QString shortExample READ shortExample CONSTANT)
    Q_PROPERTY(QString mediumExample READ mediumExample CONSTANT)
public:
    explicit DateStyleSettings(UserDefaults &defaults, const Clock &clock,
                               QObject *parent = nullptr);

    [[nodiscard]] int dateFormatIndex() const;
    void setDateFormatIndex(int index);
    /** Today's date in each style, so the choice shows what it does. */
    [[nodiscard]] QString shortExample() const;
    [[nodiscard]] QString mediumExample() const;

signals:
    void changed();

private:
    UserDefaults &m_defaults;
    const Clock &m_clock;
};
