#include "awards/AwardsScreen.h"

#include "awards/AwardRules.h"
#include "model/LogModel.h"
#include "refdata/Bands.h"

#include <algorithm>

namespace awards {
namespace {

// Long titles of the listed awards, in their order.
const char *const kTitles[kListedCount] = {
    QT_TRANSLATE_NOOP("awards::AwardsScreen", "Worked All States"),
    QT_TRANSLATE_NOOP("awards::AwardsScreen", "Worked All Zones (CQ)"),
    QT_TRANSLATE_NOOP("awards::AwardsScreen", "ITU zones"),
    QT_TRANSLATE_NOOP("awards::AwardsScreen", "Worked All Continents"),
    QT_TRANSLATE_NOOP("awards::AwardsScreen", "WPX prefixes"),
    QT_TRANSLATE_NOOP("awards::AwardsScreen", "Islands on the Air"),
    QT_TRANSLATE_NOOP("awards::AwardsScreen", "Grid fields (VUCC)"),
    QT_TRANSLATE_NOOP("awards::AwardsScreen", "Parks on the Air"),
    QT_TRANSLATE_NOOP("awards::AwardsScreen", "Summits on the Air"),
    QT_TRANSLATE_NOOP("awards::AwardsScreen", "World Wide Flora & Fauna"),
};

QVariantList numbers(const AwardTable::Row &row, bool confirmed)
{
    QVariantList list;
    for (const AwardCount &count : row)
        list << (confirmed ? count.confirmed : count.worked);
    return list;
}

QVariantMap tableRow(const QString &band, bool total, const AwardTable::Row &row)
{
    return {{QStringLiteral("band"), band},
            {QStringLiteral("total"), total},
            {QStringLiteral("worked"), numbers(row, false)},
            {QStringLiteral("confirmed"), numbers(row, true)}};
}

} // namespace

AwardsScreen::AwardsScreen(LogModel &log, QObject *parent) : QObject(parent), m_log(log)
{
    m_pending.setSingleShot(true);
    m_pending.setInterval(0);
    connect(&m_pending, &QTimer::timeout, this, &AwardsScreen::refresh);
    connect(&log, &LogModel::qsosChanged, this, &AwardsScreen::logbookChanged);
    connect(&log, &LogModel::logbookSwitched, this, &AwardsScreen::logbookSwitched);
}

void AwardsScreen::setShown(bool shown)
{
    if (shown == m_shown)
        return;
    m_shown = shown;
    if (active() && m_stale)
        refresh();
}

void AwardsScreen::setOpen(bool open)
{
    if (open == m_open)
        return;
    m_open = open;
    emit openChanged();
    if (active() && m_stale)
        refresh();
}

void AwardsScreen::logbookChanged(const QsoChange &change)
{
    m_engine.takeChange(change);
    recount();
}

void AwardsScreen::logbookSwitched()
{
    m_engine.setPath({});
    m_cellRow = -1;
    m_cellMode = 0;
    setQsosOpen(false);
    recount();
}

void AwardsScreen::recount()
{
    m_stale = true;
    if (active())
        m_pending.start();
}

void AwardsScreen::refresh()
{
    m_pending.stop();
    m_stale = false;
    m_engine.setPath(m_log.fullLogDatabasePath());

    const Award award = counted();
    const AwardTable table =
        hasTable() ? m_engine.table(award, Confirmation(m_confirmation)) : AwardTable();
    m_bands = table.bands;
    m_tableRows.clear();
    if (hasTable()) {
        for (qsizetype i = 0; i < table.bands.size(); ++i)
            m_tableRows << tableRow(table.bands.at(i) == 0 ? tr("Other")
                                                           : refdata::bandName(table.bands.at(i)),
                                    false, table.rows.at(i));
        m_tableRows << tableRow(tr("Total"), true, table.total);
    }
    if (m_cellRow >= m_bands.size() + 1 || !hasTable()) {
        m_cellRow = -1;
        m_cellMode = 0;
    }

    const AwardResult result = m_engine.result(Award(m_award), filter());
    const QList<AwardItem> &shown = m_side == 1 && hasSides() ? result.activated : result.items;
    m_items.clear();
    const auto add = [this](const QString &id, int state, int qsos) {
        m_items << QVariantMap{{QStringLiteral("id"), id},
                               {QStringLiteral("state"), state},
                               {QStringLiteral("qsos"), qsos}};
    };
    int confirmed = 0;
    if (result.finite) {
        // The whole set in the award's order, needed ones among the worked.
        QHash<QString, const AwardItem *> worked;
        for (const AwardItem &item : shown)
            worked.insert(item.id, &item);
        for (const QString &id : definition(Award(m_award)).fullSet()) {
            const AwardItem *item = worked.value(id);
            add(id, !item ? 0 : item->confirmed ? 2 : 1, item ? item->qsos : 0);
        }
    } else {
        for (const AwardItem &item : shown)
            add(item.id, item.confirmed ? 2 : 1, item.qsos);
    }
    for (const AwardItem &item : shown)
        confirmed += item.confirmed ? 1 : 0;

    if (m_side == 1 && hasSides())
        m_summary = tr("%1 activated").arg(shown.size()) + QStringLiteral(" · ") +
                    tr("%1 with a valid activation").arg(result.validActivated);
    else if (result.finite)
        m_summary = tr("%1 worked · %2 confirmed · %3 needed of %4")
                        .arg(shown.size())
                        .arg(confirmed)
                        .arg(result.needed.size())
                        .arg(definition(Award(m_award)).fullSet().size());
    else
        m_summary = tr("%1 worked · %2 confirmed").arg(shown.size()).arg(confirmed);

    m_notes.clear();
    for (auto it = result.byContinent.cbegin(); it != result.byContinent.cend(); ++it)
        m_notes << tr("%1: %2 worked, %3 confirmed")
                       .arg(it.key())
                       .arg(it.value().worked)
                       .arg(it.value().confirmed);
    if (result.threshold)
        m_notes << tr("VUCC on %1: %2 confirmed of %3")
                       .arg(refdata::bandName(cellBand()))
                       .arg(confirmed)
                       .arg(*result.threshold);
    emit countsChanged();
}

Award AwardsScreen::counted() const
{
    const Award award = Award(m_award);
    if (m_side == 1)
        if (const std::optional<Award> side = activatedSide(award))
            return *side;
    return award;
}

int AwardsScreen::cellBand() const
{
    return m_cellRow >= 0 && m_cellRow < m_bands.size() ? m_bands.at(m_cellRow) : -1;
}

AwardFilter AwardsScreen::filter() const
{
    AwardFilter filter;
    filter.xBand = cellBand();
    filter.modeClass = m_cellMode;
    filter.confirmation = Confirmation(m_confirmation);
    return filter;
}

void AwardsScreen::chooseCell(int row, int mode)
{
    if (row < 0 || row >= m_tableRows.size() || mode < 0 || mode > 3 ||
        (row == m_cellRow && mode == m_cellMode)) {
        row = -1;
        mode = 0;
    }
    // The total row is every band.
    if (row == m_bands.size() && mode == 0)
        row = -1;
    m_cellRow = row;
    m_cellMode = mode;
    refresh();
}

void AwardsScreen::chooseItem(int index)
{
    if (index < 0 || index >= m_items.size())
        return;
    const QVariantMap item = m_items.at(index).toMap();
    const QString id = item.value(QStringLiteral("id")).toString();
    QList<qint64> ids = m_engine.qsoIds(counted(), id, filter());
    const qsizetype all = ids.size();
    std::reverse(ids.begin(), ids.end());
    ids = ids.mid(0, kQsoLimit);
    m_qsos.clear();
    const QStringList kinds = confirmationTitles();
    for (const qint64 qsoId : std::as_const(ids)) {
        const std::optional<QsoClass> qso = m_log.qsoById(qsoId);
        if (!qso)
            continue;
        AwardQso cards;
        cards.qsl = qso->qsl;
        cards.lotwqsl = qso->lotwqsl;
        cards.eqsl = qso->eqsl;
        const quint8 bits = confirmationsOf(cards);
        QStringList by;
        for (int kind = 0; kind < 3; ++kind)
            if (bits & (1U << kind))
                by << kinds.at(kind + 1);
        m_qsos << QVariantMap{
            {QStringLiteral("date"), qso->dateTime.toString(QStringLiteral("yyyy-MM-dd"))},
            {QStringLiteral("time"), qso->dateTime.toString(QStringLiteral("HH:mm"))},
            {QStringLiteral("call"), qso->callsign},
            {QStringLiteral("band"), qso->band},
            {QStringLiteral("mode"), qso->mode},
            {QStringLiteral("qsl"), by.join(QStringLiteral(", "))},
            {QStringLiteral("confirmed"), bits != 0}};
    }
    m_qsosTitle = id + QStringLiteral(" · ") + filterText() + QStringLiteral(" · ") +
                  (all > m_qsos.size() ? tr("newest %1 of %2 QSOs").arg(m_qsos.size()).arg(all)
                                       : tr("QSOs: %1").arg(all));
    m_qsosOpen = true;
    emit qsosChanged();
}

void AwardsScreen::setQsosOpen(bool open)
{
    if (open == m_qsosOpen)
        return;
    m_qsosOpen = open;
    emit qsosChanged();
}

void AwardsScreen::setAward(int award)
{
    if (award < 0 || award >= kListedCount || award == m_award)
        return;
    m_award = award;
    if (!hasSides())
        m_side = 0;
    m_cellRow = -1;
    m_cellMode = 0;
    emit selectionChanged();
    refresh();
}

void AwardsScreen::setConfirmation(int confirmation)
{
    if (confirmation < 0 || confirmation > 3 || confirmation == m_confirmation)
        return;
    m_confirmation = confirmation;
    emit selectionChanged();
    refresh();
}

void AwardsScreen::setSide(int side)
{
    if (side < 0 || side > 1 || side == m_side || (side == 1 && !hasSides()))
        return;
    m_side = side;
    m_cellRow = -1;
    m_cellMode = 0;
    emit selectionChanged();
    refresh();
}

QStringList AwardsScreen::awardNames()
{
    QStringList names;
    for (int i = 0; i < kListedCount; ++i) {
        const QString name = QLatin1String(definition(Award(i)).name);
        names << (Award(i) == Award::Grids ? tr("Grids") : name.toUpper());
    }
    return names;
}

QString AwardsScreen::awardTitle() const
{
    return tr(kTitles[m_award]);
}

QStringList AwardsScreen::confirmationTitles()
{
    return {tr("Any"), tr("Paper"), tr("LoTW"), tr("eQSL")};
}

QString AwardsScreen::confirmationCaption()
{
    return tr("Confirmed by");
}

bool AwardsScreen::hasSides() const
{
    return activatedSide(Award(m_award)).has_value();
}

QStringList AwardsScreen::sideTitles()
{
    return {tr("Hunted"), tr("Activated")};
}

bool AwardsScreen::hasTable() const
{
    return definition(counted()).endorsements;
}

QStringList AwardsScreen::columnTitles()
{
    return {tr("Band"), tr("All"), tr("CW"), tr("Digi"), tr("Phone")};
}

QStringList AwardsScreen::pairTitles()
{
    return {tr("Wkd"), tr("Cfd")};
}

QString AwardsScreen::filterText() const
{
    if (m_cellRow < 0 && m_cellMode == 0)
        return tr("All bands and modes");
    const QString band =
        m_cellRow < 0 || m_cellRow >= m_bands.size()
            ? tr("All bands")
            : m_tableRows.at(m_cellRow).toMap().value(QStringLiteral("band")).toString();
    return m_cellMode == 0 ? band
                           : band + QStringLiteral(" · ") + columnTitles().at(m_cellMode + 1);
}

QString AwardsScreen::emptyText()
{
    return tr("No QSO counts for this award yet.");
}

QStringList AwardsScreen::legend()
{
    return {tr("Confirmed"), tr("Worked"), tr("Needed")};
}

QString AwardsScreen::closeText()
{
    return tr("Close");
}

QStringList AwardsScreen::panelTitles()
{
    return {tr("DXCC"), tr("Awards")};
}

QString AwardsScreen::buttonText()
{
    return tr("Awards");
}

} // namespace awards
