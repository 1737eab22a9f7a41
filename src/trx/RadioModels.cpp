#include "trx/RadioModels.h"

#include "trx/CommandSet.h"

// Placeholder until the command sets are in.
QStringList trx::makeTitles() { return {}; }
QStringList trx::modelsOf(Make) { return {}; }
std::optional<quint8> trx::icomAddressOf(const QString &) { return std::nullopt; }
std::unique_ptr<trx::CommandSet> trx::makeCommandSet(const RadioChoice &) { return nullptr; }
