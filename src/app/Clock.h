#pragma once

#include <QDateTime>

#include <optional>

/** The application's idea of "now" (UTC). Tests and the CLI may pin it to a fixed instant. */
class Clock {
public:
    [[nodiscard]] QDateTime now() const
    {
        return m_fixed ? *m_fixed : QDateTime::currentDateTimeUtc();
    }
    void setFixed(const QDateTime &instant) { m_fixed = instant.toUTC(); }
    void release() { m_fixed.reset(); }

private:
    std::optional<QDateTime> m_fixed;
};
