#include "services/LotwCredits.h"

#include "model/DxInfo.h"

namespace lotwcredits {
namespace {

using CellTest = bool (*)(QChar);

bool anyCell(const QString &text, qsizetype from, qsizetype count, qsizetype stride, CellTest test)
{
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype at = from + i * stride;
        if (at < text.size() && test(text.at(at)))
            return true;
    }
    return false;
}

bool tracked(int xBand)
{
    return xBand >= 1 && xBand <= dxinfo::kTrackedBands;
}

// The same answers as LogModel's dxCfd, bandCfd, modeCfd, bandModeCfd and friends.
struct Answers {
    const EntityTexts &texts;
    QString extended;
    int xBand;
    int xMode;

    bool entity(CellTest test) const
    {
        return anyCell(extended, 0, dxinfo::kExtendedLength, 1, test);
    }
    bool band(CellTest test) const
    {
        if (xBand == dxinfo::k60mBand)
            return anyCell(texts.group60m, 0, 3, 1, test);
        return !tracked(xBand) || anyCell(texts.info, (xBand - 1) * 4, 3, 1, test);
    }
    bool mode(CellTest test) const
    {
        if (xMode < 1 || xMode > 3)
            return true;
        return extended.size() >= dxinfo::kExtendedLength &&
               anyCell(extended, xMode - 1, 13, 4, test);
    }
    bool slot(CellTest test) const
    {
        if (xMode < 1 || xMode > 3)
            return true;
        if (xBand == dxinfo::k60mBand)
            return xMode - 1 < texts.group60m.size() && test(texts.group60m.at(xMode - 1));
        if (!tracked(xBand))
            return true;
        const int at = dxinfo::cellIndex(xBand, xMode);
        return at < texts.info.size() && test(texts.info.at(at));
    }
};

} // namespace

QString credits(const EntityTexts &texts, int xBand, int xMode)
{
    const EntityTexts usable{dxinfo::usable(texts.info),
                             texts.group60m.size() == 3 ? texts.group60m
                                                        : QString::fromLatin1(dxinfo::kEmpty60m)};
    const Answers a{usable, dxinfo::extended(usable.info, usable.group60m), xBand, xMode};
    const bool dxCfd = a.entity(dxinfo::isConfirmed);
    if (!dxCfd)
        return QStringLiteral("DXCC, ");
    QString text;
    const bool dxCfdLotw = a.entity(dxinfo::isLotwConfirmed);
    const bool modeCfd = a.mode(dxinfo::isConfirmed);
    const bool modeCfdLotw = a.mode(dxinfo::isLotwConfirmed);
    const bool bandCfd = a.band(dxinfo::isConfirmed);
    const bool bandCfdLotw = a.band(dxinfo::isLotwConfirmed);
    if (!dxCfdLotw)
        text += QLatin1String("DXCC-L, ");
    if (!modeCfd)
        text += QLatin1String("Mode, ");
    else if (dxCfdLotw && !modeCfdLotw)
        text += QLatin1String("Mode-L, ");
    if (bandCfd) {
        if (dxCfdLotw && !bandCfdLotw)
            text += QLatin1String("Band-L, ");
        if (modeCfd && !a.slot(dxinfo::isConfirmed))
            return text + QLatin1String("Slot, ");
    } else {
        text += QLatin1String("Band, ");
    }
    if (dxCfdLotw && bandCfdLotw && modeCfdLotw && !a.slot(dxinfo::isWorked))
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
