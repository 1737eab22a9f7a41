#include "refdata/UserFieldNames.h"

namespace adif {
namespace {

constexpr int kSeparator = 8;

} // namespace

const QStringList &userFieldPickerNames()
{
    static const QStringList names = {QStringLiteral("app_tarvex_userfield"),
                                      QStringLiteral("my_gridsquare"),
                                      QStringLiteral("sota_ref"),
                                      QStringLiteral("my_sota_ref"),
                                      QStringLiteral("my_state"),
                                      QStringLiteral("contest_id"),
                                      QStringLiteral("operator"),
                                      QStringLiteral("station_callsign"),
                                      QStringLiteral("---"),
                                      QStringLiteral("my_sig"),
                                      QStringLiteral("my_sig_info"),
                                      QStringLiteral("sig"),
                                      QStringLiteral("sig_info"),
                                      QStringLiteral("ten_ten"),
                                      QStringLiteral("fists"),
                                      QStringLiteral("prop_mode")};
    return names;
}

QString userFieldAdifName(int index, int fieldNumber)
{
    if (index <= 0 || index == kSeparator || index >= userFieldPickerNames().size())
        return QStringLiteral("app_tarvex_userfield_%1").arg(fieldNumber);
    return userFieldPickerNames().at(index);
}

} // namespace adif
