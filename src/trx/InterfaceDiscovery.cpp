#include "trx/InterfaceDiscovery.h"

// Placeholder until the links are in.
struct trx::InterfaceDiscovery::Private {};
trx::InterfaceDiscovery::InterfaceDiscovery(QObject *parent) : QObject(parent) {}
trx::InterfaceDiscovery::~InterfaceDiscovery() = default;
void trx::InterfaceDiscovery::start(quint16) {}
void trx::InterfaceDiscovery::stop() {}
bool trx::InterfaceDiscovery::isRunning() const { return false; }
QStringList trx::InterfaceDiscovery::hosts() const { return {}; }
double trx::InterfaceDiscovery::progress() const { return 0; }
