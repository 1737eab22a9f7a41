#include "loggen/Station.h"

#include "loggen/Random.h"

#include <array>

namespace loggen {
namespace {

// Names and places with the characters a logbook must keep: accents, apostrophes, commas and
// spaces (the last three are stored percent-encoded).
constexpr std::array kNames{
    "Hans",   "Jürgen", "Klaus",    "Bob",     "Jim",    "John",        "Mike",
    "Dave",   "Tom",    "Bill",     "Yuri",    "Sergey", "Jean-Pierre", "François",
    "José",   "João",   "Giuseppe", "Søren",   "Björn",  "Åsa",         "Zoltán",
    "Paweł",  "Jiří",   "Takeshi",  "Hiro",    "Wei",    "Mary Ann",    "Pat O'Brien",
    "Ken",    "Al",     "Nick",     "Steve",   "Peter",  "Paul",        "Ray",
    "Gary",   "Lars",   "Mats",     "Kari",    "Marco",  "Luca",        "Antonio",
    "Carlos", "Miguel", "Ivan",     "Andrzej", "Tomasz", "Piotr",       "Chris",
    "Ed",     "Frank",  "George",   "Kazu",    "Olga",   "Ana",         "Dieter",
};

constexpr std::array kPlaces{
    "Berlin",   "München",   "Hamburg",      "London",    "Manchester", "Paris",     "Lyon",
    "Roma",     "Milano",    "Madrid",       "Tokyo",     "Osaka",      "Moscow",    "Kyiv",
    "Warszawa", "Praha",     "Wien",         "Zürich",    "Austin, TX", "Denver",    "St. John's",
    "Toronto",  "São Paulo", "Buenos Aires", "Sydney",    "Auckland",   "Cape Town", "Reykjavík",
    "Helsinki", "Göteborg",  "Oslo",         "København", "nr. Leeds",  "Québec",    "Ålesund",
};

constexpr std::array kStates{"CA", "TX", "FL", "NY", "OH", "PA", "IL", "MI", "WA", "VA",
                             "NC", "GA", "AZ", "CO", "MN", "MA", "TN", "OR", "WI", "MO"};
constexpr std::array kCounties{"Cook",    "Harris",   "Maricopa",  "King",
                               "Orange",  "Dallas",   "Wayne",     "Travis",
                               "Fairfax", "Hennepin", "St. Louis", "Prince George's"};

constexpr int kUnitedStates = 291;

/** FNV-1a: stable across runs and platforms, unlike qHash. */
quint64 hashOf(const QString &text, quint64 seed)
{
    quint64 hash = 14695981039346656037ULL ^ seed;
    for (const char byte : text.toLatin1()) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 1099511628211ULL;
    }
    return hash;
}

QChar letter(Random &random, char first, int count)
{
    return QLatin1Char(static_cast<char>(first + random.below(static_cast<quint64>(count))));
}

QString locatorIn(Random &random, const QString &field)
{
    QString locator = field;
    if (locator.size() != 2)
        locator = QString(letter(random, 'A', 18)) + letter(random, 'A', 18);
    locator += letter(random, '0', 10);
    locator += letter(random, '0', 10);
    locator += letter(random, 'A', 24);
    locator += letter(random, 'A', 24);
    return locator;
}

template <typename List> QString anyOf(Random &random, const List &list)
{
    return QString::fromUtf8(list[random.below(list.size())]);
}

} // namespace

Station stationOf(const QString &callsign, quint64 seed)
{
    Random random(hashOf(callsign, seed));
    Station station;
    station.callsign = callsign;
    station.entity = entityOf(callsign);
    station.prefix = prefixOf(callsign);
    station.name = anyOf(random, kNames);
    station.qth = anyOf(random, kPlaces);
    station.locator = locatorIn(random, station.entity.field);
    if (station.entity.adif == kUnitedStates) {
        station.state = anyOf(random, kStates);
        station.county = station.state + QLatin1Char(',') + anyOf(random, kCounties);
    }
    return station;
}

} // namespace loggen
