#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace trx {

class CommandSet;

/** The makes, in the order of the make selector ("TRX_Brand" stores the index). */
enum class Make { Elecraft = 0, Icom = 1, Kenwood = 2, Yaesu = 3 };

/** Which radio: the make, the model's name as offered ("KX3", "IC-705", "Generic", "FT-817")
 *  and for Icom the CI-V address (taken from the model list). */
struct RadioChoice {
    Make make = Make::Icom;
    QString model;
    quint8 icomAddress = 0;
};

/** The make selector's titles. */
[[nodiscard]] QStringList makeTitles();
/** The models offered for a make, in order. */
[[nodiscard]] QStringList modelsOf(Make make);
/** An Icom model's default CI-V address. */
[[nodiscard]] std::optional<quint8> icomAddressOf(const QString &model);

/** The command set for a radio; null when the model is not one of its make's. */
[[nodiscard]] std::unique_ptr<CommandSet> makeCommandSet(const RadioChoice &choice);

} // namespace trx
