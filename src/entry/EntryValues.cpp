#include "entry/EntryValues.h"

#include <array>
#include <utility>

namespace {

using Member = QString EntryValues::*;

const std::array<std::pair<const char *, Member>, 27> kFields = {{
    {"callsign", &EntryValues::callsign},
    {"dateString", &EntryValues::dateString},
    {"timeString", &EntryValues::timeString},
    {"qrgString", &EntryValues::qrgString},
    {"band", &EntryValues::band},
    {"mode", &EntryValues::mode},
    {"rsttx", &EntryValues::rsttx},
    {"rstrx", &EntryValues::rstrx},
    {"qsl", &EntryValues::qsl},
    {"lotwqsl", &EntryValues::lotwqsl},
    {"eqsl", &EntryValues::eqsl},
    {"cq", &EntryValues::cq},
    {"itu", &EntryValues::itu},
    {"state", &EntryValues::state},
    {"county", &EntryValues::county},
    {"iota", &EntryValues::iota},
    {"manager", &EntryValues::manager},
    {"name", &EntryValues::name},
    {"qth", &EntryValues::qth},
    {"locator", &EntryValues::locator},
    {"note", &EntryValues::note},
    {"power", &EntryValues::power},
    {"dxcc", &EntryValues::dxcc},
    {"user_1", &EntryValues::user_1},
    {"user_2", &EntryValues::user_2},
    {"user_3", &EntryValues::user_3},
    {"user_4", &EntryValues::user_4},
}};

Member memberOf(const QString &key)
{
    for (const auto &[name, member] : kFields)
        if (key == QLatin1String(name))
            return member;
    return nullptr;
}

} // namespace

const QStringList &EntryValues::keys()
{
    static const QStringList names = [] {
        QStringList list;
        for (const auto &field : kFields)
            list << QString::fromLatin1(field.first);
        return list;
    }();
    return names;
}

QString EntryValues::value(const QString &key) const
{
    const Member member = memberOf(key);
    return member ? this->*member : QString();
}

bool EntryValues::set(const QString &key, const QString &text)
{
    const Member member = memberOf(key);
    if (!member)
        return false;
    this->*member = text;
    return true;
}

QString &EntryValues::userField(int number)
{
    switch (number) {
    case 1:
        return user_1;
    case 2:
        return user_2;
    case 3:
        return user_3;
    default:
        return user_4;
    }
}

const QString &EntryValues::userField(int number) const
{
    return const_cast<EntryValues *>(this)->userField(number);
}
