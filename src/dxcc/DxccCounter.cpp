#include "dxcc/DxccCounter.h"

#include "dxcc/DxccTexts.h"
#include "model/LogModel.h"

#include <QVariantMap>

namespace dxcc {
namespace {

QVariantMap summary(const QString &caption, const QString &detail, const dxstats::Pair &pair)
{
    return {{QStringLiteral("caption"), caption},
            {QStringLiteral("detail"), detail},
            {QStringLiteral("worked"), pair.worked},
            {QStringLiteral("confirmed"), pair.confirmed},
            {QStringLiteral("workedText"), DxccCounter::tr("%1 wkd").arg(pair.worked)},
            {QStringLiteral("confirmedText"), DxccCounter::tr("%1 cfd").arg(pair.confirmed)}};
}

} // namespace

DxccCounter::DxccCounter(LogModel &log, QObject *parent)
    : QObject(parent), m_log(log), m_rows(new DxccCounterModel(this))
{}

void DxccCounter::makeData()
{
    m_made = true;
    m_rows->setCounts(m_log.getNumbersOfDXCCs(m_qslMode, m_withDeleted));
    emit countsChanged();
}

void DxccCounter::setQslMode(int mode)
{
    if (mode < dxstats::AnyQsl || mode > dxstats::LotwQsl || mode == m_qslMode)
        return;
    m_qslMode = mode;
    emit modeChanged();
    if (m_made)
        makeData();
}

QStringList DxccCounter::qslModeTitles()
{
    return {tr("All"), tr("Paper"), tr("LoTW")};
}

QString DxccCounter::qslModeCaption()
{
    return tr("Confirmed by");
}

void DxccCounter::setWithDeleted(bool with)
{
    if (with == m_withDeleted)
        return;
    m_withDeleted = with;
    emit modeChanged();
    if (m_made)
        makeData();
}

QString DxccCounter::withDeletedText()
{
    return tr("Include deleted entities");
}

void DxccCounter::setShowConfirmed(bool show)
{
    if (show == m_showConfirmed)
        return;
    m_showConfirmed = show;
    m_rows->setShowConfirmed(show);
    emit modeChanged();
}

void DxccCounter::setPhoneView(int view)
{
    if (view < 0 || view > dxstats::LotwQsl + 1)
        return;
    if (view > 0)
        setQslMode(view - 1);
    setShowConfirmed(view > 0);
}

QStringList DxccCounter::phoneViewTitles()
{
    return {tr("Worked"), tr("All cfd"), tr("Paper"), tr("LoTW")};
}

QString DxccCounter::title() const
{
    return texts::shown(m_showConfirmed ? texts::kConfirmedTitles[m_qslMode] : texts::kWorkedTitle);
}

QStringList DxccCounter::columnTitles()
{
    return {tr("Band"), tr("Total"), tr("CW"), tr("Digi"), tr("Phone")};
}

QStringList DxccCounter::pairTitles()
{
    return {tr("Wkd"), tr("Cfd")};
}

QVariantList DxccCounter::summaries() const
{
    const dxstats::Counts &counts = m_rows->counts();
    return {summary(tr("160–10m, 6 bands"), tr("160, 80, 40, 20, 15 and 10m"),
                    dxstats::sixBandSummary(counts)),
            summary(tr("160–10m, 9 bands"), tr("Every band from 160 to 10m but 60m"),
                    dxstats::nineBandSummary(counts)),
            summary(tr("Band slots"), tr("CW, Digi and Phone on every band but 60m"),
                    dxstats::slotCount(counts))};
}

} // namespace dxcc
