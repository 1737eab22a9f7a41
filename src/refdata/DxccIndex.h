#pragma once

#include "refdata/CountryClass.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

/** The tables of ClublogDXCC.db and IOTA.db held in memory, so that a resolution costs hash
 *  lookups instead of a dozen file opens. Built once per file version and shared read-only. */
namespace refdata {

/** A row with a validity period; rows whose texts are NULL never match and are left out. */
struct PeriodRow {
    qint32 adif = 0;
    QString start;
    QString end;

    [[nodiscard]] bool validAt(const QString &dateTime) const
    {
        return start <= dateTime && end >= dateTime;
    }
};

struct TextHash {
    using is_transparent = void;
    size_t operator()(std::u16string_view text) const noexcept
    {
        return std::hash<std::u16string_view>{}(text);
    }
};

template <typename T>
using TextMap = std::unordered_map<std::u16string, T, TextHash, std::equal_to<>>;

[[nodiscard]] inline std::u16string_view textKey(QStringView text)
{
    return {text.utf16(), size_t(text.size())};
}

struct ClublogTables {
    TextMap<std::vector<PeriodRow>> callsigns; // rows of one callsign in table order
    TextMap<std::vector<PeriodRow>> prefixes;
    TextMap<std::vector<PeriodRow>> invalid;  // `adif` unused
    QHash<qint64, CountryClass> entityByAdif; // the first row of each number
    QHash<QString, CountryClass> entityByPrefix;
    QHash<qint64, int> itu;

    /** Reads every table; nothing (after the diagnostic line) when the file cannot be opened.
     *  A table that cannot be read stays empty, as the query on it would find nothing. */
    [[nodiscard]] static std::shared_ptr<const ClublogTables> read(const QString &path);
};

struct IotaTables {
    QHash<qint64, QString> referenceByAdif; // the first reference of each entity

    [[nodiscard]] static std::shared_ptr<const IotaTables> read(const QString &path);
};

} // namespace refdata
