#pragma once

#include "trx/LinkChoice.h"
#include "trx/RadioModels.h"

#include <QString>
#include <QStringList>

#include <variant>

namespace trx {
class TrxSettings;
}

namespace cli {

/** What a "rig" command was asked to do, with the stored choices filled in for what the
 *  options left out. */
struct RigRequest {
    enum class Action { Status, Tune, Watch };
    static constexpr int kDefaultTimeoutMs = 5000;

    Action action = Action::Status;
    trx::LinkChoice link;
    trx::RadioChoice radio;
    int timeoutMs = kDefaultTimeoutMs;
    bool json = false;
    double kHz = 0; // tune
    int xMode = 0;  // tune: 0 leaves the mode, 1 CW, 2 digital, 3 phone
    int count = 0;  // watch: 0 until interrupted
};

/** Reads the words after "rig scan-ble": how long to listen, in ms (10 s unless given); the
 *  text is the usage error otherwise. */
[[nodiscard]] std::variant<int, QString> parseScanSeconds(const QStringList &words);

/** Reads "status|tune|watch ..." ; the text is the usage error otherwise. */
[[nodiscard]] std::variant<RigRequest, QString> parseRigRequest(const QStringList &words,
                                                                const trx::TrxSettings &stored);

} // namespace cli
