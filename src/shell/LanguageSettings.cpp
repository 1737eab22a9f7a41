#include "shell/LanguageSettings.h"

#include "app/UserDefaults.h"

#include <QDir>
#include <QTranslator>

namespace {

const QString kLanguage = QStringLiteral("Language");
const QString kSourceLanguage = QStringLiteral("en");
const QString kPrefix = QStringLiteral("brindlewick_");
const QString kSuffix = QStringLiteral(".qm");

// Each language in its own words, as a user who cannot read the current one looks for it.
QString nativeName(const QString &code)
{
    if (code == kSourceLanguage)
        return QStringLiteral("English");
    QString name = QLocale(code).nativeLanguageName();
    if (!name.isEmpty())
        name[0] = name.at(0).toUpper();
    return name.isEmpty() ? code : name;
}

} // namespace

LanguageSettings::LanguageSettings(UserDefaults &defaults, const QString &folder, QObject *parent)
    : QObject(parent), m_defaults(defaults), m_folder(folder), m_atStart(language())
{}

QString LanguageSettings::language() const
{
    return storedChoice(m_defaults);
}

QString LanguageSettings::storedChoice(const UserDefaults &defaults)
{
    return defaults.string(kLanguage);
}

void LanguageSettings::setLanguage(const QString &code)
{
    // Only the system choice or a language that can be shown is stored.
    if (code == language() || (!code.isEmpty() && !availableLanguages(m_folder).contains(code)))
        return;
    m_defaults.setValue(kLanguage, code);
    emit changed();
}

QVariantList LanguageSettings::choices() const
{
    QVariantList list;
    for (const QString &code : availableLanguages(m_folder))
        list.append(QVariantMap{{QStringLiteral("code"), code},
                                {QStringLiteral("name"), nativeName(code)}});
    return list;
}

QString LanguageSettings::systemLanguageName() const
{
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        return nativeName(kSourceLanguage);
    return nativeName(system.name().section(QLatin1Char('_'), 0, 0));
}

QStringList LanguageSettings::availableLanguages(const QString &folder)
{
    QStringList codes{kSourceLanguage};
    const QStringList files =
        QDir(folder).entryList({kPrefix + QLatin1Char('*') + kSuffix}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        const QString code =
            file.mid(kPrefix.size(), file.size() - kPrefix.size() - kSuffix.size());
        if (!code.isEmpty() && !codes.contains(code))
            codes.append(code);
    }
    return codes;
}

QLocale LanguageSettings::uiLocale(const QString &override, const QLocale &system)
{
    return override.isEmpty() ? system : QLocale(override);
}

bool LanguageSettings::loadTranslation(QTranslator &translator, const QLocale &locale,
                                       const QString &folder)
{
    // QTranslator tries each of the locale's UI languages ("de-AT", "de", …) in turn; English
    // is the sources' own language and has no file.
    if (locale.language() == QLocale::English)
        return false;
    return translator.load(locale, QStringLiteral("brindlewick"), QStringLiteral("_"), folder,
                           kSuffix);
}
