// LogModel: worked and confirmed, for the entry form, the cluster and the statistics.

#include "model/LogModel.h"

#include "app/Diagnostics.h"
#include "model/DxInfo.h"
#include "refdata/Bands.h"
#include "refdata/ModeClasses.h"
#include "refdata/OneDxSpotClass.h"

#include <cstdlib>

namespace {

constexpr int k60mCacheLimit = 600;

QString strippedCall(const QString &call)
{
    static const QString punctuation = QStringLiteral(".,;");
    qsizetype begin = 0;
    qsizetype end = call.size();
    while (begin < end && punctuation.contains(call.at(begin)))
        ++begin;
    while (end > begin && punctuation.contains(call.at(end - 1)))
        --end;
    return call.mid(begin, end - begin);
}

} // namespace

WorkedStore &LogModel::worked()
{
    return m_fileWorked;
}

bool LogModel::stnWkdBefore(const OneDxSpotClass &spot)
{
    return worked().stationBefore(strippedCall(spot.dxCall), spot.band, spot.xMode).worked;
}

bool LogModel::stnCfdBefore(const OneDxSpotClass &spot)
{
    return worked().stationBefore(strippedCall(spot.dxCall), spot.band, spot.xMode).confirmed;
}

namespace {

dxinfo::EntityStatus entityStatus(LogModel &log, int adif)
{
    return dxinfo::EntityStatus::of(log.getDxInfoString(adif), log.get60mInfo(adif));
}

} // namespace

SpotAnswers LogModel::spotAnswers(const OneDxSpotClass &spot)
{
    SpotAnswers a;
    const WorkedStore::StationAnswer station =
        m_spotStatus.station(strippedCall(spot.dxCall), spot.band, spot.xMode);
    a.stnWkdBefore = station.worked;
    a.stnCfdBefore = station.confirmed;
    const QString info = dxinfo::usable(m_spotStatus.dxInfo(spot.adif).value_or(QString()));
    QString group60m = QString::fromLatin1(dxinfo::kEmpty60m);
    if (spot.adif >= 1 && spot.adif < k60mCacheLimit)
        group60m = m_spotStatus.group60m(spot.adif);
    const dxinfo::EntityStatus texts = dxinfo::EntityStatus::of(info, group60m);
    a.dxWkd = dxinfo::entityAnswer(texts, dxinfo::isWorked);
    a.dxCfd = dxinfo::entityAnswer(texts, dxinfo::isConfirmed);
    a.dxCfdLotw = dxinfo::entityAnswer(texts, dxinfo::isLotwConfirmed);
    a.bandWkd = dxinfo::bandAnswer(texts, spot.xBand, dxinfo::isWorked);
    a.bandCfd = dxinfo::bandAnswer(texts, spot.xBand, dxinfo::isConfirmed);
    a.bandCfdLotw = dxinfo::bandAnswer(texts, spot.xBand, dxinfo::isLotwConfirmed);
    a.modeWkd = dxinfo::modeAnswer(texts, spot.xMode, dxinfo::isWorked);
    a.modeCfd = dxinfo::modeAnswer(texts, spot.xMode, dxinfo::isConfirmed);
    a.modeCfdLotw = dxinfo::modeAnswer(texts, spot.xMode, dxinfo::isLotwConfirmed);
    a.bandModeWkd = dxinfo::slotAnswer(texts, spot.xBand, spot.xMode, dxinfo::isWorked);
    a.bandModeCfd = dxinfo::slotAnswer(texts, spot.xBand, spot.xMode, dxinfo::isConfirmed);
    return a;
}

bool LogModel::dxWkd(int adif)
{
    return dxinfo::entityAnswer(entityStatus(*this, adif), dxinfo::isWorked);
}

bool LogModel::dxCfd(int adif)
{
    return dxinfo::entityAnswer(entityStatus(*this, adif), dxinfo::isConfirmed);
}

bool LogModel::dxCfdLotw(int adif)
{
    return dxinfo::entityAnswer(entityStatus(*this, adif), dxinfo::isLotwConfirmed);
}

bool LogModel::bandWkd(const OneDxSpotClass &spot)
{
    return dxinfo::bandAnswer(entityStatus(*this, spot.adif), spot.xBand, dxinfo::isWorked);
}

bool LogModel::bandCfd(const OneDxSpotClass &spot)
{
    return dxinfo::bandAnswer(entityStatus(*this, spot.adif), spot.xBand, dxinfo::isConfirmed);
}

bool LogModel::bandCfdLotw(const OneDxSpotClass &spot)
{
    return dxinfo::bandAnswer(entityStatus(*this, spot.adif), spot.xBand, dxinfo::isLotwConfirmed);
}

bool LogModel::modeWkd(const OneDxSpotClass &spot)
{
    return dxinfo::modeAnswer(entityStatus(*this, spot.adif), spot.xMode, dxinfo::isWorked);
}

bool LogModel::modeCfd(const OneDxSpotClass &spot)
{
    return dxinfo::modeAnswer(entityStatus(*this, spot.adif), spot.xMode, dxinfo::isConfirmed);
}

bool LogModel::modeCfdLotw(const OneDxSpotClass &spot)
{
    return dxinfo::modeAnswer(entityStatus(*this, spot.adif), spot.xMode, dxinfo::isLotwConfirmed);
}

bool LogModel::bandModeWkd(const OneDxSpotClass &spot)
{
    return dxinfo::slotAnswer(entityStatus(*this, spot.adif), spot.xBand, spot.xMode,
                              dxinfo::isWorked);
}

bool LogModel::bandModeCfd(const OneDxSpotClass &spot)
{
    return dxinfo::slotAnswer(entityStatus(*this, spot.adif), spot.xBand, spot.xMode,
                              dxinfo::isConfirmed);
}

bool LogModel::iotaWkd(const QString &reference)
{
    return reference.size() == 6 && m_spotStatus.iotaWorked(reference);
}

bool LogModel::iotaCfd(const QString &reference)
{
    return reference.size() == 6 && m_spotStatus.iotaConfirmed(reference);
}

namespace {

using Question = std::function<bool(WorkedStore::Confirmation)>;

QString summaryLetter(const Question &has)
{
    if (!has(WorkedStore::Confirmation::Any))
        return QStringLiteral("-");
    const bool paper = has(WorkedStore::Confirmation::Paper);
    const bool lotw = has(WorkedStore::Confirmation::Lotw);
    return paper && lotw ? QStringLiteral("X")
           : lotw        ? QStringLiteral("L")
           : paper       ? QStringLiteral("P")
                         : QStringLiteral("W");
}

} // namespace

QString LogModel::getIotaStatus(const QString &reference)
{
    WorkedStore &w = worked();
    if (reference.size() != 6)
        return {};
    return summaryLetter(
        [&](WorkedStore::Confirmation kind) { return w.hasIota(reference, kind); });
}

QString LogModel::getLocatorStatus(const QString &locator, const QString &band)
{
    WorkedStore &w = worked();
    if (locator.size() < 4)
        return {};
    const QString square = locator.left(4);
    return summaryLetter(
        [&](WorkedStore::Confirmation kind) { return w.hasLocator(square, band, kind); });
}

QString LogModel::getDxInfoString(int adif)
{
    WorkedStore &w = worked();
    return dxinfo::usable(w.storedDxInfo(adif).value_or(QString()));
}

QString LogModel::getDxInfoString60m(int adif)
{
    return dxinfo::extended(getDxInfoString(adif), get60mInfo(adif));
}

QString LogModel::get60mInfo(int adif)
{
    if (adif < 1 || adif >= k60mCacheLimit)
        return QString::fromLatin1(dxinfo::kEmpty60m);
    QStringList &cache = m_info60m;
    if (adif < cache.size() && cache.at(adif).size() == 3)
        return cache.at(adif);
    WorkedStore &w = worked();
    const QString group = dxinfo::group60mFromQsos(w.qsos60m(adif));
    if (adif < cache.size())
        cache[adif] = group;
    return group;
}

QString LogModel::makeDxInfoString(int adif)
{
    WorkedStore &w = worked();
    const QList<QsoClass> found = w.slotsOfEntity(adif);
    return found.isEmpty() ? QString() : dxinfo::infoFromQsos(found);
}

QString LogModel::makeCallsignInfoString(const QString &callsign)
{
    WorkedStore &w = worked();
    return dxinfo::infoFromQsos(w.slotsOfCallsign(callsign));
}

QString LogModel::makeCallsignInfoString60m(const QString &callsign)
{
    WorkedStore &w = worked();
    return dxinfo::extended(makeCallsignInfoString(callsign),
                            dxinfo::group60mFromQsos(w.qsos60mWith(callsign)));
}

void LogModel::forget60mInfo(int adif)
{
    adif = std::abs(adif);
    if (adif < m_info60m.size())
        m_info60m[adif].clear();
}

void LogModel::updateDxInfoString(const QsoClass &qso)
{
    if (qso.adif == 0)
        return;
    const int adif = std::abs(qso.adif);
    if (qso.band == QLatin1String("60m"))
        forget60mInfo(adif);
    const SpotStatusCache::WriteFrame frame(m_spotStatus);
    // The counts in memory when they match the file; the entity's QSOs otherwise.
    const std::optional<QString> counted = m_spotStatus.dxInfoFromQsos(adif);
    const QString info = counted ? *counted : makeDxInfoString(adif);
    if (m_fileWorked.saveDxInfoString(qso.dxcc, info, adif))
        m_spotStatus.setDxInfo(adif, info);
}

void LogModel::addToDxInfo(const QsoClass &qso)
{
    if (qso.adif == 0)
        return;
    const int adif = std::abs(qso.adif);
    if (qso.band == QLatin1String("60m") && adif < m_info60m.size())
        m_info60m[adif].clear();
    const int xBand = refdata::band2xBand(qso.band);
    const int xMode = refdata::mode2xMode(qso.mode);
    if (xBand < 1 || xBand > dxinfo::kTrackedBands || xMode < 1)
        return;
    const std::optional<QString> stored = m_fileWorked.storedDxInfo(adif);
    if (!stored || stored->size() < dxinfo::kLength) {
        updateDxInfoString(qso);
        return;
    }
    QString info = *stored;
    QChar &cell = info[dxinfo::cellIndex(xBand, xMode)];
    const QChar updated =
        dxinfo::updatedCell(cell, dxinfo::paperConfirmed(qso), dxinfo::lotwConfirmed(qso));
    if (updated == cell)
        return;
    cell = updated;
    const SpotStatusCache::WriteFrame frame(m_spotStatus);
    if (m_fileWorked.saveDxInfoString(qso.dxcc, info, adif))
        m_spotStatus.setDxInfo(adif, info);
}

void LogModel::updateDxInfoForLotw(const QList<QsoClass> &qsos)
{
    for (const QsoClass &qso : qsos) {
        const int adif = std::abs(qso.adif);
        if (adif < m_info60m.size())
            m_info60m[adif].clear();
        updateDxInfoString(qso);
    }
}

void LogModel::refreshDxInfo(const QSet<int> &entities)
{
    m_spotStatus.invalidate();
    refreshEntities(entities);
}

void LogModel::refreshEntities(const QSet<int> &entities)
{
    for (const int adif : entities) {
        if (adif <= 0)
            continue;
        if (adif < m_info60m.size())
            m_info60m[adif].clear();
        QsoClass entity;
        entity.adif = adif;
        entity.dxcc = m_fileWorked.newestEntityName(adif);
        updateDxInfoString(entity);
    }
}

void LogModel::saveAllDxInfoStrings(const QList<WorkedStore::DxListEntry> &entries)
{
    worked().saveAllDxInfoStrings(entries);
    m_spotStatus.invalidate();
}

QString LogModel::makeModeInfoText(const QString &extendedInfo)
{
    return dxinfo::makeModeInfoText(extendedInfo);
}
