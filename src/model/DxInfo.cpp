#include "model/DxInfo.h"

#include "refdata/Bands.h"
#include "refdata/ModeClasses.h"

namespace dxinfo {

bool paperConfirmed(const QsoClass &qso)
{
    return qso.qsl == QLatin1String("R") || qso.qsl == QLatin1String("X") ||
           qso.qsl == QLatin1String("G");
}

bool lotwConfirmed(const QsoClass &qso)
{
    return qso.lotwqsl == QLatin1String("X");
}

QChar updatedCell(QChar cell, bool paper, bool lotw)
{
    switch (cell.unicode()) {
    case u'L':
        return paper ? u'X' : u'L';
    case u'P':
        return lotw ? u'X' : u'P';
    case u'X':
        return u'X';
    default: // "." or "W"
        if (paper && lotw)
            return u'X';
        if (paper)
            return u'P';
        if (lotw)
            return u'L';
        return u'W';
    }
}

QString infoFromQsos(const QList<QsoClass> &qsos)
{
    QString info = QString::fromLatin1(kEmpty);
    for (const QsoClass &qso : qsos) {
        const int xBand = refdata::band2xBand(qso.band);
        const int xMode = refdata::mode2xMode(qso.mode);
        if (xBand < 1 || xBand > kTrackedBands || xMode < 1)
            continue;
        QChar &cell = info[cellIndex(xBand, xMode)];
        cell = updatedCell(cell, paperConfirmed(qso), lotwConfirmed(qso));
    }
    return info;
}

QString group60mFromQsos(const QList<QsoClass> &qsos)
{
    QString group = QString::fromLatin1(kEmpty60m);
    for (const QsoClass &qso : qsos) {
        const int xMode = refdata::mode2xMode(qso.mode);
        if (xMode < 1 || xMode > 3)
            continue;
        QChar &cell = group[xMode - 1];
        cell = updatedCell(cell, paperConfirmed(qso), lotwConfirmed(qso));
    }
    return group;
}

QString usable(const QString &stored)
{
    return stored.size() < kLength ? QString::fromLatin1(kEmpty) : stored;
}

QString extended(const QString &info, const QString &group60m)
{
    return info.left(7) + QLatin1Char(' ') + group60m + info.mid(7);
}

bool isWorked(QChar cell)
{
    return cell == u'W' || cell == u'P' || cell == u'L' || cell == u'X';
}

bool isConfirmed(QChar cell)
{
    return cell == u'P' || cell == u'L' || cell == u'X';
}

bool isLotwConfirmed(QChar cell)
{
    return cell == u'L' || cell == u'X';
}

QString makeModeInfoText(const QString &extendedInfo)
{
    if (extendedInfo.size() < kExtendedLength)
        return {};
    QString summary;
    for (int xMode = 1; xMode <= 3; ++xMode) {
        bool x = false, p = false, l = false, w = false;
        for (int group = 0; group < 12; ++group) {
            const QChar cell = extendedInfo.at(group * 4 + xMode - 1);
            x = x || cell == u'X';
            p = p || cell == u'P';
            l = l || cell == u'L';
            w = w || cell == u'W';
        }
        summary += (x || (p && l)) ? u'X' : p ? u'P' : l ? u'L' : w ? u'W' : u'.';
    }
    return summary;
}

namespace {

bool anyCell(const QString &text, qsizetype from, qsizetype count, qsizetype stride, CellTest test)
{
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype at = from + i * stride;
        if (at < text.size() && test(text.at(at)))
            return true;
    }
    return false;
}

bool isTracked(int xBand)
{
    return xBand >= 1 && xBand <= kTrackedBands;
}

bool isModeClass(int xMode)
{
    return xMode >= 1 && xMode <= 3;
}

} // namespace

EntityStatus EntityStatus::of(const QString &info, const QString &group60m)
{
    return {info, group60m, dxinfo::extended(info, group60m)};
}

bool entityAnswer(const EntityStatus &status, CellTest test)
{
    return anyCell(status.extended, 0, kExtendedLength, 1, test);
}

bool bandAnswer(const EntityStatus &status, int xBand, CellTest test)
{
    if (xBand == k60mBand)
        return anyCell(status.group60m, 0, 3, 1, test);
    return !isTracked(xBand) || anyCell(status.info, (xBand - 1) * 4, 3, 1, test);
}

bool modeAnswer(const EntityStatus &status, int xMode, CellTest test)
{
    if (!isModeClass(xMode))
        return true;
    return status.extended.size() >= kExtendedLength &&
           anyCell(status.extended, xMode - 1, 13, 4, test);
}

bool slotAnswer(const EntityStatus &status, int xBand, int xMode, CellTest test)
{
    if (!isModeClass(xMode))
        return true;
    if (xBand == k60mBand)
        return anyCell(status.group60m, xMode - 1, 1, 1, test);
    return !isTracked(xBand) || anyCell(status.info, cellIndex(xBand, xMode), 1, 1, test);
}

} // namespace dxinfo
