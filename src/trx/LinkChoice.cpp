#include "trx/LinkChoice.h"

#include "trx/ByteLink.h"
#include "trx/CommandSet.h"

// Placeholder until the links are in.
std::optional<trx::LinkChoice> trx::LinkChoice::parse(const QString &) { return std::nullopt; }
QString trx::LinkChoice::toString() const { return {}; }
std::unique_ptr<trx::ByteLink> trx::makeLink(const LinkChoice &, QObject *) { return nullptr; }
std::unique_ptr<trx::CommandSet> trx::makeRigctldCommandSet() { return nullptr; }
