#include "cli/RigOptions.h"

#include "cli/Args.h"
#include "trx/TrxSettings.h"

#include <cmath>

namespace cli {
namespace {

const QStringList kMakeNames = {QStringLiteral("elecraft"), QStringLiteral("icom"),
                                QStringLiteral("kenwood"), QStringLiteral("yaesu")};

const QString kUsage = QStringLiteral(
    "Usage: rig status|tune KHZ|watch [--link tcp:HOST:PORT|serial:DEV[:BAUD]|rigctld:HOST[:PORT]|"
    "ble:ADDRESS|icom-ble:ADDRESS] [--make icom|elecraft|kenwood|yaesu] [--model NAME] "
    "[--mode cw|phone|digital] [--count N] [--timeout S] [--json]\n"
    "       rig scan-ble [--seconds S] [--json]");

/** Checks the link's fields, whether typed or stored. */
QString linkProblem(const trx::LinkChoice &link)
{
    switch (link.kind) {
    case trx::LinkChoice::Kind::Serial:
        return link.device.isEmpty() ? QStringLiteral("No serial port chosen: give --link "
                                                      "serial:DEV[:BAUD].")
                                     : QString();
    case trx::LinkChoice::Kind::Ble:
    case trx::LinkChoice::Kind::IcomBle:
        return link.bluetoothAddress.isEmpty()
                   ? QStringLiteral("No Bluetooth device chosen: give --link ble:ADDRESS or "
                                    "icom-ble:ADDRESS (rig scan-ble lists them).")
                   : QString();
    case trx::LinkChoice::Kind::Network:
    case trx::LinkChoice::Kind::Rigctld:
        break;
    }
    return link.host.isEmpty() || link.port == 0
               ? QStringLiteral("No link chosen: give --link tcp:HOST:PORT, serial:DEV[:BAUD] or "
                                "rigctld:HOST[:PORT].")
               : QString();
}

/** The model as the make's list spells it, typed in any case. */
QString findModel(trx::Make make, const QString &typed)
{
    for (const QString &model : trx::modelsOf(make))
        if (model.compare(typed, Qt::CaseInsensitive) == 0)
            return model;
    return {};
}

std::variant<trx::RadioChoice, QString> chooseRadio(const Args &args,
                                                    const trx::TrxSettings &stored)
{
    trx::RadioChoice radio = stored.radio();
    if (const std::optional<QString> make = args.option(QStringLiteral("make"))) {
        const qsizetype index = kMakeNames.indexOf(make->toLower());
        if (index < 0)
            return QStringLiteral("Unknown make %1 (icom, elecraft, kenwood or yaesu).").arg(*make);
        if (trx::Make(index) != radio.make)
            radio = {trx::Make(index), {}, 0};
    }
    if (const std::optional<QString> typed = args.option(QStringLiteral("model"))) {
        radio.model = findModel(radio.make, *typed);
        if (radio.model.isEmpty())
            return QStringLiteral("Unknown model %1 for this make (%2).")
                .arg(*typed, trx::modelsOf(radio.make).join(QStringLiteral(", ")));
    }
    if (radio.model.isEmpty() && trx::modelsOf(radio.make).size() == 1)
        radio.model = trx::modelsOf(radio.make).first();
    if (radio.model.isEmpty())
        return QStringLiteral("No model chosen: give --model (%1).")
            .arg(trx::modelsOf(radio.make).join(QStringLiteral(", ")));
    if (radio.make == trx::Make::Icom)
        radio.icomAddress = trx::icomAddressOf(radio.model).value_or(0);
    return radio;
}

std::optional<int> modeClass(const QString &name)
{
    if (name == QLatin1String("cw"))
        return 1;
    if (name == QLatin1String("digital"))
        return 2;
    if (name == QLatin1String("phone"))
        return 3;
    return std::nullopt;
}

} // namespace

std::variant<int, QString> parseScanSeconds(const QStringList &words)
{
    const Args args(words, {{QStringLiteral("seconds")}, {QStringLiteral("json")}});
    if (!args.error().isEmpty())
        return args.error();
    if (!args.positional().isEmpty())
        return kUsage;
    const QString text = args.option(QStringLiteral("seconds"), QStringLiteral("10"));
    bool ok = false;
    const double seconds = text.toDouble(&ok);
    if (!ok || !(seconds > 0) || seconds > 120)
        return QStringLiteral("--seconds takes seconds (more than 0, at most 120).");
    return int(std::lround(seconds * 1000));
}

std::variant<RigRequest, QString> parseRigRequest(const QStringList &words,
                                                  const trx::TrxSettings &stored)
{
    RigRequest request;
    const QString action = words.value(0);
    if (action == QLatin1String("status"))
        request.action = RigRequest::Action::Status;
    else if (action == QLatin1String("tune"))
        request.action = RigRequest::Action::Tune;
    else if (action == QLatin1String("watch"))
        request.action = RigRequest::Action::Watch;
    else
        return kUsage;

    const Args args(words.mid(1),
                    {{QStringLiteral("link"), QStringLiteral("make"), QStringLiteral("model"),
                      QStringLiteral("mode"), QStringLiteral("count"), QStringLiteral("timeout")},
                     {QStringLiteral("json")}});
    if (!args.error().isEmpty())
        return args.error();
    const bool tune = request.action == RigRequest::Action::Tune;
    if (args.positional().size() != (tune ? 1 : 0))
        return kUsage;
    if (tune) {
        bool ok = false;
        request.kHz = args.positional().first().toDouble(&ok);
        if (!ok || !std::isfinite(request.kHz) || request.kHz <= 0)
            return QStringLiteral("Not a frequency in kHz: %1").arg(args.positional().first());
    }
    if (const std::optional<QString> mode = args.option(QStringLiteral("mode"))) {
        const std::optional<int> xMode = modeClass(mode->toLower());
        if (!tune || !xMode)
            return tune ? QStringLiteral("Unknown mode %1 (cw, phone or digital).").arg(*mode)
                        : QStringLiteral("--mode goes with rig tune.");
        request.xMode = *xMode;
    }
    if (const std::optional<QString> count = args.option(QStringLiteral("count"))) {
        bool ok = false;
        request.count = count->toInt(&ok);
        if (request.action != RigRequest::Action::Watch || !ok || request.count < 1)
            return QStringLiteral("--count takes a number of changes (1 or more) with rig watch.");
    }
    if (const std::optional<QString> timeout = args.option(QStringLiteral("timeout"))) {
        bool ok = false;
        const double seconds = timeout->toDouble(&ok);
        if (!ok || !(seconds > 0) || seconds > 3600)
            return QStringLiteral("--timeout takes seconds (more than 0, at most 3600).");
        request.timeoutMs = int(std::lround(seconds * 1000));
    }
    request.json = args.flag(QStringLiteral("json"));

    if (const std::optional<QString> link = args.option(QStringLiteral("link"))) {
        const std::optional<trx::LinkChoice> choice = trx::LinkChoice::parse(*link);
        if (!choice)
            return QStringLiteral("Unknown link %1 (tcp:HOST:PORT, serial:DEV[:BAUD], "
                                  "rigctld:HOST[:PORT], ble:ADDRESS or icom-ble:ADDRESS).")
                .arg(*link);
        request.link = *choice;
        if (request.link.kind == trx::LinkChoice::Kind::IcomBle)
            request.link.installationId = stored.bleInstallationId();
    } else {
        request.link = stored.link();
    }
    if (const QString problem = linkProblem(request.link); !problem.isEmpty())
        return problem;
    // Over rigctld, rigctld speaks for the radio; make and model are only checked when given.
    if (request.link.kind == trx::LinkChoice::Kind::Rigctld &&
        !args.option(QStringLiteral("make")) && !args.option(QStringLiteral("model"))) {
        request.radio = stored.radio();
        return request;
    }
    std::variant<trx::RadioChoice, QString> radio = chooseRadio(args, stored);
    if (const QString *problem = std::get_if<QString>(&radio))
        return *problem;
    request.radio = std::get<trx::RadioChoice>(radio);
    return request;
}

} // namespace cli
