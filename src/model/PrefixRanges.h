#pragma once

#include <QList>
#include <QString>

#include <optional>

/** Text ranges that hold exactly the texts a prefix starts with, so that a question like
 *  "locator like 'JO31%'" can be answered along an ordinary (case-sensitive) index. */
namespace prefixranges {

/** The texts from `from` (included) up to `below` (excluded); no upper end when `below` is
 *  empty. */
struct Range {
    QString from;
    QString below;
    bool operator==(const Range &) const = default;
};

/** The ranges of the texts that start with `prefix` when ASCII letters may be written in either
 *  case, as SQLite's "like" compares them: one range per way of writing the letters. None when
 *  that would take too many ranges or the prefix is not plain ASCII; ask with "like" then. */
[[nodiscard]] std::optional<QList<Range>> caseBlind(const QString &prefix);

/** The condition "(column>=? and column<? or …)" for the ranges, and its values in order. */
struct Condition {
    QString sql;
    QStringList values;
};
[[nodiscard]] Condition condition(const QString &column, const QList<Range> &ranges);

} // namespace prefixranges
