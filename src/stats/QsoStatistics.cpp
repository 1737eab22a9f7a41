#include "stats/QsoStatistics.h"

#include <QCoreApplication>

namespace stats {
namespace {

constexpr std::array<const char *, kKindCount> kNames = {"year", "month",     "band",
                                                         "mode", "continent", "hour"};

} // namespace

QString kindName(Kind kind)
{
    return QString::fromLatin1(kNames.at(std::size_t(kind)));
}

std::optional<Kind> kindFromName(const QString &name)
{
    for (std::size_t i = 0; i < kNames.size(); ++i)
        if (name.compare(QLatin1String(kNames.at(i)), Qt::CaseInsensitive) == 0)
            return Kind(i);
    return std::nullopt;
}

QStringList kindNames()
{
    QStringList names;
    for (const char *name : kNames)
        names << QString::fromLatin1(name);
    return names;
}

QString gridsTitle()
{
    return QCoreApplication::translate("stats", "Worked grid squares and QSO end points");
}

QString kindTitle(Kind kind)
{
    switch (kind) {
    case Kind::Year:
        return QCoreApplication::translate("stats", "QSOs per year");
    case Kind::Month:
        return QCoreApplication::translate("stats", "QSOs per month");
    case Kind::Band:
        return QCoreApplication::translate("stats", "QSOs per band");
    case Kind::Mode:
        return QCoreApplication::translate("stats", "QSOs per mode");
    case Kind::Continent:
        return QCoreApplication::translate("stats", "QSOs per continent");
    case Kind::Hour:
        return QCoreApplication::translate("stats", "QSOs per hour of day (UTC)");
    }
    return {};
}

} // namespace stats
