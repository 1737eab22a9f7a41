#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

/** The words after a subcommand: positional words, "--name value" options and "--name" flags.
 *  Only words starting with "--" are options, so negative numbers stay positional. */
class Args {
public:
    /** Which option names take a value and which are plain flags; anything else is refused. */
    struct Options {
        QSet<QString> valued;
        QSet<QString> flags;
    };

    /** Parses the words; on an unknown option or a missing value, error() says which. "-o" stands
     *  for "--output" when that is known. */
    Args(const QStringList &words, const Options &known);

    [[nodiscard]] const QString &error() const { return m_error; }
    [[nodiscard]] const QStringList &positional() const { return m_positional; }
    [[nodiscard]] std::optional<QString> option(const QString &name) const;
    [[nodiscard]] QString option(const QString &name, const QString &fallback) const;
    [[nodiscard]] bool flag(const QString &name) const { return m_flags.contains(name); }

private:
    QStringList m_positional;
    QHash<QString, QString> m_options;
    QSet<QString> m_flags;
    QString m_error;
};
