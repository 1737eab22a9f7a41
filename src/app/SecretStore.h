#pragma once

#include <QObject>
#include <QString>

#include <optional>

/** Where the program keeps passwords away from logbooks and the settings file: the desktop's
 *  keyring, or memory in tests. Every call returns when it is done. A store that cannot serve
 *  says so once (log line and `warning`), and callers keep their own stored copies instead. */
class SecretStore : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString warning READ warning NOTIFY warningChanged)
public:
    using QObject::QObject;

    /** False when no keyring serves: then nothing is read or written here. */
    [[nodiscard]] virtual bool available() = 0;
    /** The secret kept under the key; nothing when none is kept or the store failed (then
     *  `available` turns false). */
    [[nodiscard]] virtual std::optional<QString> read(const QString &key) = 0;
    /** False when the secret could not be kept. */
    virtual bool write(const QString &key, const QString &secret) = 0;
    /** True when nothing is kept under the key afterwards. */
    virtual bool remove(const QString &key) = 0;

    /** Empty while the store serves; otherwise why the passwords stay in the logbook and the
     *  settings file, for a settings screen. */
    [[nodiscard]] QString warning() const;

signals:
    void warningChanged();

protected:
    /** Logs the reason once and keeps it for `warning`, which gives it in the screens' language
     *  (the store is made before a translation is loaded). `reason` is a text marked with
     *  QT_TRANSLATE_NOOP("SecretStore", …); `detail` fills its %1. */
    void reportUnavailable(const char *reason, const QString &detail = {});

private:
    const char *m_reason = nullptr;
    QString m_detail;
};
