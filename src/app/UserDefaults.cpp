#include "app/UserDefaults.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

UserDefaults::UserDefaults(const QString &iniPath, QObject *parent)
    : QObject(parent),
      m_settings(iniPath.isEmpty() ? std::make_unique<QSettings>()
                                   : std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{}

bool UserDefaults::registerDefaultsFromJson(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll());
    if (!doc.isObject())
        return false;
    registerDefaults(doc.object().toVariantMap());
    return true;
}

void UserDefaults::registerDefaults(const QVariantMap &fallbacks)
{
    for (auto it = fallbacks.begin(); it != fallbacks.end(); ++it)
        m_fallbacks.insert(it.key(), it.value());
}

QVariant UserDefaults::value(const QString &key) const
{
    return m_settings->value(key, m_fallbacks.value(key));
}

bool UserDefaults::boolean(const QString &key) const
{
    // The INI file keeps booleans as text; "true"/"false" and numbers both read right.
    const QVariant v = value(key);
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString().trimmed().toLower();
        return s == QLatin1String("true") || s == QLatin1String("yes") || s.toLongLong() != 0;
    }
    return v.toBool();
}

bool UserDefaults::contains(const QString &key) const
{
    return m_settings->contains(key) || m_fallbacks.contains(key);
}

void UserDefaults::setValue(const QString &key, const QVariant &value)
{
    m_settings->setValue(key, value);
    emit changed(key);
}

formats::DateStyle UserDefaults::logDateFormaterStyle() const
{
    return integer(QStringLiteral("DateFormatIndex")) == 0 ? formats::DateStyle::Short
                                                           : formats::DateStyle::Medium;
}

void UserDefaults::remove(const QString &key)
{
    m_settings->remove(key);
    emit changed(key);
}

void UserDefaults::sync()
{
    m_settings->sync();
}

QString UserDefaults::fileName() const
{
    return m_settings->fileName();
}
