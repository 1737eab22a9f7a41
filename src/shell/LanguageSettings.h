#pragma once

#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>

class QTranslator;
class UserDefaults;

/** The language of the screens: "Language" empty follows the system, "en" or a translation's
 *  code overrides it. A translator is installed once at start, so a change applies at the next
 *  start. */
class LanguageSettings : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString language READ language WRITE setLanguage NOTIFY changed)
    Q_PROPERTY(QVariantList choices READ choices CONSTANT)
    Q_PROPERTY(QString systemLanguageName READ systemLanguageName CONSTANT)
    Q_PROPERTY(bool changedSinceStart READ changedSinceStart NOTIFY changed)
public:
    /** The translations are looked for as `brindlewick_<code>.qm` in `folder`. */
    explicit LanguageSettings(UserDefaults &defaults, const QString &folder = defaultFolder(),
                              QObject *parent = nullptr);

    [[nodiscard]] static QString defaultFolder() { return QStringLiteral(":/i18n"); }

    [[nodiscard]] QString language() const;
    void setLanguage(const QString &code);
    /** {code, name} of each language the user can pick; the first is English. */
    [[nodiscard]] QVariantList choices() const;
    [[nodiscard]] QString systemLanguageName() const;
    [[nodiscard]] bool changedSinceStart() const { return language() != m_atStart; }

    /** What the user chose: empty for the system's language, else a language code. */
    [[nodiscard]] static QString storedChoice(const UserDefaults &defaults);
    /** The codes of the shipped translations plus "en", the language of the sources. */
    [[nodiscard]] static QStringList availableLanguages(const QString &folder);
    /** The locale whose translation the screens use: the override, else the system's. */
    [[nodiscard]] static QLocale uiLocale(const QString &override, const QLocale &system);
    /** Loads the translation for `locale` into `translator`; false for English or when none
     *  is shipped. */
    static bool loadTranslation(QTranslator &translator, const QLocale &locale,
                                const QString &folder = defaultFolder());

signals:
    void changed();

private:
    UserDefaults &m_defaults;
    QString m_folder;
    QString m_atStart;
};
