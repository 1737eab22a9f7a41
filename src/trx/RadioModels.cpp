#include "trx/RadioModels.h"

#include "trx/Ft817.h"
#include "trx/Ftdx1200.h"
#include "trx/IcomCiv.h"
#include "trx/TextCat.h"

namespace trx {
namespace {

struct IcomModel {
    const char *name;
    quint8 address;
};

// In the order the model selector offers them.
constexpr IcomModel kIcomModels[] = {
    {"IC-78", 0x62},      {"IC-703", 0x68},      {"IC-705", 0xA4},      {"IC-706", 0x48},
    {"IC-706MKII", 0x4E}, {"IC-706MKIIG", 0x58}, {"IC-718", 0x5E},      {"IC-736", 0x40},
    {"IC-737", 0x3C},     {"IC-738", 0x44},      {"IC-746", 0x56},      {"IC-746PRO", 0x66},
    {"IC-756", 0x50},     {"IC-756PRO", 0x5C},   {"IC-756PROII", 0x64}, {"IC-756PROIII", 0x6E},
    {"IC-761", 0x1E},     {"IC-765", 0x2C},      {"IC-775", 0x46},      {"IC-781", 0x26},
    {"IC-820", 0x42},     {"IC-821", 0x4C},      {"IC-910", 0x60},      {"IC-970", 0x2E},
    {"IC-7000", 0x70},    {"IC-7100", 0x88},     {"IC-7200", 0x76},     {"IC-7300", 0x94},
    {"IC-7400", 0x66},    {"IC-7600", 0x7A},     {"IC-7610", 0x98},     {"IC-7700", 0x74},
    {"IC-7800", 0x6A},    {"IC7850", 0x8E},      {"IC7851", 0x8E},      {"IC9100", 0x7C},
    {"IC9700", 0xA2},
};

} // namespace

QStringList makeTitles()
{
    return {"Elecraft", "Icom", "Kenwood", "Yaesu"};
}

QStringList modelsOf(Make make)
{
    switch (make) {
    case Make::Elecraft:
        return {"K2", "K3", "KX2", "KX3"};
    case Make::Icom: {
        QStringList names;
        for (const IcomModel &model : kIcomModels)
            names += QString::fromLatin1(model.name);
        return names;
    }
    case Make::Kenwood:
        return {"Generic"};
    case Make::Yaesu:
        return {"FT-817", "FTDX-1200", "FT-991", "FTDX-101"};
    }
    return {};
}

std::optional<quint8> icomAddressOf(const QString &model)
{
    for (const IcomModel &icom : kIcomModels)
        if (model == QLatin1String(icom.name))
            return icom.address;
    return std::nullopt;
}

std::unique_ptr<CommandSet> makeCommandSet(const RadioChoice &choice)
{
    if (!modelsOf(choice.make).contains(choice.model))
        return nullptr;
    const TuningRange range = tuningRangeOf(choice.model);
    switch (choice.make) {
    case Make::Elecraft:
        return std::make_unique<TextCat>(
            choice.model == QLatin1String("K2") ? TextCat::Model::K2 : TextCat::Model::K3, range);
    case Make::Icom: {
        const quint8 address =
            choice.icomAddress != 0 ? choice.icomAddress : icomAddressOf(choice.model).value();
        return std::make_unique<IcomCiv>(address, range);
    }
    case Make::Kenwood:
        return std::make_unique<TextCat>(TextCat::Model::Kenwood, range);
    case Make::Yaesu:
        if (choice.model == QLatin1String("FT-817"))
            return std::make_unique<Ft817>(range);
        // The FT-991 and FTDX-101 class reads and sets frequencies with nine digits.
        return std::make_unique<Ftdx1200>(range,
                                          choice.model == QLatin1String("FTDX-1200") ? 8 : 9);
    }
    return nullptr;
}

} // namespace trx
