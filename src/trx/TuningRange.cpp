#include "trx/TuningRange.h"

#include <QHash>

namespace trx {
namespace {

constexpr TuningRange kHf{30, 30000};
constexpr TuningRange kHfSix{30, 60000};
constexpr TuningRange kHfFour{30, 74800};
constexpr TuningRange kHfTwo{30, 148000};
constexpr TuningRange kHfVhf{30, 200000};
constexpr TuningRange kHfUhf{30, 470000};
constexpr TuningRange kHfMicro{30, 1300000};
constexpr TuningRange kVhfUhf{136000, 470000};
constexpr TuningRange kVhfMicro{136000, 1300000};

const QHash<QString, TuningRange> &ranges()
{
    static const QHash<QString, TuningRange> table{
        {"K2", kHf},
        {"K3", kHfSix},
        {"KX2", kHfSix},
        {"KX3", kHfTwo},
        {"Generic", kHfMicro},
        {"FT-817", {100, 470000}},
        {"FTDX-1200", kHfSix},
        {"FT-991", kHfUhf},
        {"FTDX-101", kHfFour},
        {"IC-78", kHf},
        {"IC-703", kHfSix},
        {"IC-705", kHfUhf},
        {"IC-706", kHfVhf},
        {"IC-706MKII", kHfVhf},
        {"IC-706MKIIG", kHfUhf},
        {"IC-718", kHf},
        {"IC-736", kHfSix},
        {"IC-737", kHf},
        {"IC-738", kHf},
        {"IC-746", kHfTwo},
        {"IC-746PRO", kHfTwo},
        {"IC-756", kHfSix},
        {"IC-756PRO", kHfSix},
        {"IC-756PROII", kHfSix},
        {"IC-756PROIII", kHfSix},
        {"IC-761", kHf},
        {"IC-765", kHf},
        {"IC-775", kHf},
        {"IC-781", kHf},
        {"IC-820", kVhfUhf},
        {"IC-821", kVhfUhf},
        {"IC-910", kVhfMicro},
        {"IC-970", kVhfMicro},
        {"IC-7000", kHfUhf},
        {"IC-7100", kHfUhf},
        {"IC-7200", kHfSix},
        {"IC-7300", kHfFour},
        {"IC-7400", kHfTwo},
        {"IC-7600", kHfSix},
        {"IC-7610", kHfSix},
        {"IC-7700", kHfSix},
        {"IC-7800", kHfSix},
        {"IC7850", kHfSix},
        {"IC7851", kHfSix},
        {"IC9100", kHfMicro},
        {"IC9700", kVhfMicro},
    };
    return table;
}

} // namespace

TuningRange tuningRangeOf(const QString &model)
{
    return ranges().value(model, kHfSix);
}

} // namespace trx
