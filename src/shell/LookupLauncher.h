#pragma once

#include "entry/CallsignLookup.h"

#include <QString>

#include <functional>
#include <utility>

/** The entry form's lookup button as the shell answers it: the lookup page opens and asks the
 *  service the settings choose. */
class LookupLauncher : public CallsignLookup {
public:
    explicit LookupLauncher(std::function<void(const QString &)> open) : m_open(std::move(open)) {}
    void lookUp(const QString &callsign) override { m_open(callsign); }

private:
    std::function<void(const QString &)> m_open;
};
