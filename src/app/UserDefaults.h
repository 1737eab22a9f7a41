#pragma once

#include "formats/Formats.h"

#include <QObject>
#include <QSettings>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <memory>

/** The user's preferences under the program's literal keys, with fallbacks registered from the
 *  shipped defaults. A value the user never set reads as its fallback. Every change made through
 *  this object is announced with `changed`. */
class UserDefaults : public QObject {
    Q_OBJECT
public:
    /** Settings in the given INI file (used with a data-folder override), or the platform's
     *  usual place when the path is empty. */
    explicit UserDefaults(const QString &iniPath = {}, QObject *parent = nullptr);

    /** Fallbacks from a JSON object file such as ":/defaults.json"; false when unreadable. */
    bool registerDefaultsFromJson(const QString &path);
    void registerDefaults(const QVariantMap &fallbacks);

    [[nodiscard]] QVariant value(const QString &key) const;
    [[nodiscard]] QString string(const QString &key) const { return value(key).toString(); }
    [[nodiscard]] bool boolean(const QString &key) const;
    [[nodiscard]] qint64 integer(const QString &key) const { return value(key).toLongLong(); }
    [[nodiscard]] double real(const QString &key) const { return value(key).toDouble(); }
    [[nodiscard]] QVariantList list(const QString &key) const { return value(key).toList(); }
    [[nodiscard]] bool contains(const QString &key) const;
    /** "DateFormatIndex" 0 gives the short style, anything else the medium one. */
    [[nodiscard]] formats::DateStyle logDateFormaterStyle() const;

    void setValue(const QString &key, const QVariant &value);
    void remove(const QString &key);
    void sync();
    [[nodiscard]] QString fileName() const;

signals:
    void changed(const QString &key);

private:
    std::unique_ptr<QSettings> m_settings;
    QVariantMap m_fallbacks;
};
