#include "cli/Args.h"

namespace {

const QString kOutput = QStringLiteral("output");
const QString kShortOutput = QStringLiteral("--output");

} // namespace

Args::Args(const QStringList &words, const Options &known)
{
    for (qsizetype i = 0; i < words.size(); ++i) {
        // "-o FILE" is short for "--output FILE" wherever a command writes a file.
        const QString &word = words.at(i) == QLatin1String("-o") && known.valued.contains(kOutput)
                                  ? kShortOutput
                                  : words.at(i);
        if (!word.startsWith(QLatin1String("--")) || word == QLatin1String("--")) {
            m_positional << word;
            continue;
        }
        QString name = word.mid(2);
        std::optional<QString> inlineValue;
        if (const qsizetype equals = name.indexOf(QLatin1Char('=')); equals > 0) {
            inlineValue = name.mid(equals + 1);
            name.truncate(equals);
        }
        if (known.flags.contains(name) && !inlineValue) {
            m_flags.insert(name);
        } else if (known.valued.contains(name)) {
            if (inlineValue) {
                m_options.insert(name, *inlineValue);
            } else if (i + 1 < words.size()) {
                m_options.insert(name, words.at(++i));
            } else {
                m_error = QStringLiteral("Option --%1 needs a value").arg(name);
                return;
            }
        } else {
            m_error = QStringLiteral("Unknown option --%1").arg(name);
            return;
        }
    }
}

std::optional<QString> Args::option(const QString &name) const
{
    const auto it = m_options.constFind(name);
    if (it == m_options.constEnd())
        return std::nullopt;
    return *it;
}

QString Args::option(const QString &name, const QString &fallback) const
{
    return option(name).value_or(fallback);
}
