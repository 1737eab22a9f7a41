#include "services/LotwCredits.h"

#include "model/DxInfo.h"

namespace lotwcredits {
namespace {

bool tracked(int xBand)
{
    return xBand >= 1 && xBand <= dxinfo::kTrackedBands;
}

} // namespace

QString credits(const EntityTexts &texts, int xBand, int xMode)
{
    const EntityTexts usable{dxinfo::usable(texts.info),
                             texts.group60m.size() == 3 ? texts.group60m
                                                        : QString::fromLatin1(dxinfo::kEmpty60m)};
    const dxinfo::EntityStatus status = dxinfo::EntityStatus::of(usable.info, usable.group60m);
    const auto mode = [&](dxinfo::CellTest test) {
        return dxinfo::modeAnswer(status, xMode, test);
    };
    const auto band = [&](dxinfo::CellTest test) {
        return dxinfo::bandAnswer(status, xBand, test);
    };
    const auto slot = [&](dxinfo::CellTest test) {
        return dxinfo::slotAnswer(status, xBand, xMode, test);
    };
    const bool dxCfd = dxinfo::entityAnswer(status, dxinfo::isConfirmed);
    if (!dxCfd)
        return QStringLiteral("DXCC, ");
    QString text;
    const bool dxCfdLotw = dxinfo::entityAnswer(status, dxinfo::isLotwConfirmed);
    const bool modeCfd = mode(dxinfo::isConfirmed);
    const bool modeCfdLotw = mode(dxinfo::isLotwConfirmed);
    const bool bandCfd = band(dxinfo::isConfirmed);
    const bool bandCfdLotw = band(dxinfo::isLotwConfirmed);
    if (!dxCfdLotw)
        text += QLatin1String("DXCC-L, ");
    if (!modeCfd)
        text += QLatin1String("Mode, ");
    else if (dxCfdLotw && !modeCfdLotw)
        text += QLatin1String("Mode-L, ");
    if (bandCfd) {
        if (dxCfdLotw && !bandCfdLotw)
            text += QLatin1String("Band-L, ");
        if (modeCfd && !slot(dxinfo::isConfirmed))
            return text + QLatin1String("Slot, ");
    } else {
        text += QLatin1String("Band, ");
    }
    if (dxCfdLotw && bandCfdLotw && modeCfdLotw && !slot(dxinfo::isWorked))
        text += QLatin1String("Slot-L, ");
    return text;
}

void addLotwConfirmation(EntityTexts &texts, int xBand, int xMode, bool paperConfirmed)
{
    if (xMode < 1 || xMode > 3)
        return;
    if (xBand == dxinfo::k60mBand) {
        if (texts.group60m.size() != 3)
            texts.group60m = QString::fromLatin1(dxinfo::kEmpty60m);
        QChar &cell = texts.group60m[xMode - 1];
        cell = dxinfo::updatedCell(cell, paperConfirmed, true);
        return;
    }
    if (!tracked(xBand))
        return;
    texts.info = dxinfo::usable(texts.info);
    QChar &cell = texts.info[dxinfo::cellIndex(xBand, xMode)];
    cell = dxinfo::updatedCell(cell, paperConfirmed, true);
}

QString statusCredit(const QString &name, const QString &status)
{
    if (status == QLatin1String("X") || status == QLatin1String("L"))
        return {};
    if (status == QLatin1String("P"))
        return name + QStringLiteral("-L, ");
    return name + QStringLiteral(", ");
}

} // namespace lotwcredits
