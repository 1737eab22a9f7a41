#include "awards/AwardEngine.h"

#include "app/Diagnostics.h"
#include "awards/AwardRules.h"
#include "db/Database.h"
#include "refdata/Bands.h"
#include "refdata/ModeClasses.h"
#include "station/Activation.h"

#include <algorithm>

namespace awards {
namespace {

const QString kColumns = QStringLiteral(
    "select id, callsign, band, mode, qsl, lotwqsl, eqsl, dxccadif, cq, itu, cnt, state, "
    "locator, iota, datetime from logbook");

QString text(const db::Statement &row, int column)
{
    if (row.isNull(column))
        return {};
    QString value = row.text(column);
    return value == u"(null)" ? QString() : value;
}

/** The QSO of a row; its time only when `dated` (what activations count by UTC day). */
AwardQso qsoOf(const db::Statement &row, bool dated)
{
    AwardQso qso;
    qso.callsign = text(row, 1);
    qso.band = text(row, 2);
    qso.mode = text(row, 3);
    qso.qsl = text(row, 4);
    qso.lotwqsl = text(row, 5);
    qso.eqsl = text(row, 6);
    qso.adif = row.int64(7);
    qso.cq = text(row, 8);
    qso.itu = text(row, 9);
    qso.cnt = text(row, 10);
    qso.state = text(row, 11);
    qso.locator = text(row, 12);
    qso.iota = text(row, 13);
    if (dated)
        qso.dateTime = text(row, 14);
    return qso;
}

QString fieldsQuery()
{
    QStringList quoted;
    for (const QString &name : AwardQso::fieldNames())
        quoted << u'\'' + name + u'\'';
    return QStringLiteral("select qso, name, value from qso_fields where name in (%1)")
        .arg(quoted.join(u','));
}

bool hasFieldTable(db::Database &database)
{
    db::Statement select = database.prepare(
        QStringLiteral("select 1 from sqlite_master where type = 'table' and name = 'qso_fields'"));
    return select.step();
}

/** Position of a band in frequency order; unknown bands last. */
int bandRank(int xBand)
{
    static const int order[] = {22, 23, 1,  2,  19, 3,  4,  5,  6,  7,  8, 9,
                                10, 20, 11, 21, 12, 13, 14, 15, 16, 17, 18};
    const auto it = std::find(std::begin(order), std::end(order), xBand);
    return int(it - std::begin(order));
}

std::optional<station::Programme> programmeOf(Award activated)
{
    switch (activated) {
    case Award::PotaActivated:
        return station::Programme::Pota;
    case Award::SotaActivated:
        return station::Programme::Sota;
    case Award::WwffActivated:
        return station::Programme::Wwff;
    default:
        return std::nullopt;
    }
}

quint64 cellKey(quint32 item, int xBand, int mode, int call)
{
    return quint64(item) << 32 | quint64(quint16(call)) << 16 | quint64(quint8(xBand)) << 8 |
           quint64(quint8(mode));
}

/** A character of a plain call as 1–36 (digits, then letters); 0 for any other. */
int symbolOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return int(u - u'0') + 1;
    if (u >= u'A' && u <= u'Z')
        return int(u - u'A') + 11;
    return 0;
}

/** The WPX prefix of a plain call (upper-case letters and digits only, no "/") as a number of
 *  its characters, worked out as refdata::getPrefix does for such a call: up to the end of the
 *  first run of digits after the first character, or the first two characters and "0". None for
 *  any other call, which the rules themselves read. */
std::optional<quint64> plainPrefixCode(const QString &call)
{
    if (call.size() < 2)
        return std::nullopt;
    qsizetype digit = 0;
    for (qsizetype i = 0; i < call.size(); ++i) {
        const int symbol = symbolOf(call.at(i));
        if (symbol == 0)
            return std::nullopt;
        if (digit == 0 && i >= 1 && symbol <= 10)
            digit = i;
    }
    qsizetype end = 2;
    bool zero = true;
    if (digit > 0) {
        end = digit;
        while (end < call.size() && symbolOf(call.at(end)) <= 10)
            ++end;
        zero = false;
    }
    if (end + (zero ? 1 : 0) > 12)
        return std::nullopt;
    quint64 code = 0;
    for (qsizetype i = 0; i < end; ++i)
        code = code * 37 + quint64(symbolOf(call.at(i)));
    if (zero)
        code = code * 37 + 1;
    return code;
}

QString prefixOfCode(quint64 code)
{
    QString prefix;
    for (; code > 0; code /= 37) {
        const int symbol = int(code % 37);
        prefix.prepend(symbol <= 10 ? QChar(u'0' + (symbol - 1)) : QChar(u'A' + (symbol - 11)));
    }
    return prefix;
}

} // namespace

void AwardEngine::setPath(const QString &path)
{
    if (path == m_path)
        return;
    m_path = path;
    invalidate();
}

void AwardEngine::invalidate()
{
    m_built = false;
    m_stamp.reset();
    m_logbookCall.clear();
    m_ownCall.clear();
    for (int award = 0; award < kAwardCount; ++award) {
        m_cells[size_t(award)].clear();
        m_cellIndex[size_t(award)].clear();
        m_denseCells[size_t(award)].clear();
        m_itemIds[size_t(award)].clear();
        m_itemNames[size_t(award)].clear();
    }
    m_callIds.clear();
    m_ownCallId = -1;
    for (std::vector<int> &memo : m_shortItems)
        memo.clear();
    m_wpxItems.clear();
    m_wpxCodes.clear();
    m_gridItems.clear();
    m_bandNumbers.clear();
    m_lastBand.clear();
    m_lastBandNumber = -1;
    m_calls.clear();
    m_contactIds.clear();
    m_contactQsos.clear();
    m_contactDay.clear();
    m_dayIds.clear();
    m_days.clear();
    m_rows.clear();
}

bool AwardEngine::ensureBuilt()
{
    if (m_path.isEmpty())
        return false;
    if (m_built && db::FileStamp::of(m_path) != m_stamp)
        invalidate();
    if (!m_built)
        build();
    return m_built;
}

void AwardEngine::build()
{
    invalidate();
    ++m_builds;
    // The stamp before reading: a write while we read makes the next question count again.
    m_stamp = db::FileStamp::of(m_path);
    if (!m_stamp)
        return;
    db::Database database;
    if (database.open(m_path, db::Database::Mode::ReadOnly) != 0) {
        diag(QStringLiteral("Failed to open logbook database: %1").arg(database.errorMessage()));
        return;
    }
    database.exec(QStringLiteral("begin"));
    {
        db::Statement prefs =
            database.prepare(QStringLiteral("select value from prefs where entry = 'mycall'"));
        if (prefs.step())
            m_logbookCall = prefs.text(0);
    }
    m_ownCall = ownCallOf({}, m_logbookCall);
    {
        db::Statement rows = database.prepare(QStringLiteral("select count(*) from logbook"));
        if (rows.step()) {
            m_rows.reserve(qsizetype(rows.int64(0)));
            m_wpxItems.reserve(qsizetype(rows.int64(0)) / 2);
        }
    }
    m_building = true;
    m_built = readQsos(database, {}, {});
    m_building = false;
    database.exec(QStringLiteral("commit"));
    if (!m_built)
        invalidate();
}

bool AwardEngine::readQsos(db::Database &database, const QString &where, const QSet<qint64> &ids)
{
    // The kept fields first (few QSOs have them), then the rows they go with.
    QHash<qint64, QList<std::pair<QString, QString>>> fields;
    if (hasFieldTable(database)) {
        db::Statement select = database.prepare(
            fieldsQuery() + (where.isEmpty() ? QString() : QStringLiteral(" and qso = ?")));
        const auto take = [&] {
            while (select.step())
                fields[select.int64(0)].append({select.text(1), select.text(2)});
            return !select.failed();
        };
        if (where.isEmpty()) {
            if (!take())
                return false;
        } else {
            for (const qint64 id : ids) {
                select.reset();
                select.bind(1, id);
                if (!take())
                    return false;
            }
        }
    }
    db::Statement select = database.prepare(kColumns + where);
    const auto takeRow = [&](qint64 id) {
        // Activations come only from kept fields, so a QSO without any needs no day.
        const auto kept = fields.constFind(id);
        AwardQso qso = qsoOf(select, kept != fields.constEnd());
        if (kept != fields.constEnd())
            for (const auto &[name, value] : *kept)
                qso.setField(name, value);
        put(id, qso);
    };
    if (where.isEmpty()) {
        while (select.step())
            takeRow(select.int64(0));
        return !select.failed();
    }
    for (const qint64 id : ids) {
        select.reset();
        select.bind(1, id);
        if (select.step())
            takeRow(id);
        else if (select.failed())
            return false;
        else
            remove(id);
    }
    return true;
}

void AwardEngine::takeChange(const QsoChange &change)
{
    if (!m_built)
        return; // counted when next asked
    if (change.many || change.ids.size() > std::max<qsizetype>(64, m_rows.size() / kRereadShare)) {
        invalidate();
        return;
    }
    db::Database database;
    if (database.open(m_path, db::Database::Mode::ReadOnly) != 0) {
        invalidate();
        return;
    }
    database.exec(QStringLiteral("begin"));
    const bool read = readQsos(database, QStringLiteral(" where id = ?"), change.ids);
    database.exec(QStringLiteral("commit"));
    if (read)
        m_stamp = db::FileStamp::of(m_path);
    else
        invalidate();
}

int AwardEngine::itemId(int award, const QString &item, bool create)
{
    QHash<QString, int> &ids = m_itemIds[size_t(award)];
    const auto it = ids.constFind(item);
    if (it != ids.constEnd())
        return *it;
    if (!create)
        return -1;
    const int id = int(m_itemNames[size_t(award)].size());
    ids.insert(item, id);
    m_itemNames[size_t(award)].append(item);
    return id;
}

int AwardEngine::shortFieldItem(int award, const QString &text, const AwardQso &probe)
{
    // Up to two ASCII characters make a code below 2^16; anything longer asks the rules.
    int code = -1;
    if (text.size() <= 2) {
        code = int(text.size());
        for (qsizetype i = 0; i < text.size() && code >= 0; ++i)
            code =
                text.at(i).unicode() < 128 ? code | int(text.at(i).unicode()) << (2 + 7 * i) : -1;
    }
    const auto ask = [&] {
        const QStringList list = itemsFor(Award(award), probe);
        return list.isEmpty() ? -1 : itemId(award, list.first(), true);
    };
    if (code < 0)
        return ask();
    std::vector<int> &memo = m_shortItems[size_t(award)];
    if (memo.empty())
        memo.assign(size_t(1) << 16, 0);
    int &known = memo[size_t(code)];
    if (known == 0)
        known = ask() + 2;
    return known - 2;
}

void AwardEngine::itemIdsFor(int award, const AwardQso &qso, QVarLengthArray<int, 4> &ids)
{
    ids.clear();
    const auto addOne = [&ids](int id) {
        if (id >= 0)
            ids.append(id);
    };
    switch (Award(award)) {
    case Award::Was: {
        const qint64 entity = qso.adif < 0 ? -qso.adif : qso.adif;
        if (entity != 291 && entity != 6 && entity != 110)
            return;
        // Alaska and Hawaii name their state whatever STATE says; the memo holds the USA's.
        if (entity != 291) {
            const QStringList list = itemsFor(Award::Was, qso);
            if (!list.isEmpty())
                addOne(itemId(award, list.first(), true));
            return;
        }
        addOne(shortFieldItem(award, qso.state, qso));
        return;
    }
    case Award::Waz:
        addOne(shortFieldItem(award, qso.cq, qso));
        return;
    case Award::Itu:
        addOne(shortFieldItem(award, qso.itu, qso));
        return;
    case Award::Wac:
        addOne(shortFieldItem(award, qso.cnt, qso));
        return;
    case Award::Wpx: {
        if (const std::optional<quint64> code = plainPrefixCode(qso.callsign)) {
            auto known = m_wpxCodes.constFind(*code);
            if (known == m_wpxCodes.constEnd())
                known = m_wpxCodes.insert(*code, itemId(award, prefixOfCode(*code), true));
            addOne(*known);
            return;
        }
        auto it = m_wpxItems.constFind(qso.callsign);
        if (it == m_wpxItems.constEnd()) {
            const QStringList list = itemsFor(Award::Wpx, qso);
            it = m_wpxItems.insert(qso.callsign,
                                   list.isEmpty() ? -1 : itemId(award, list.first(), true));
        }
        addOne(*it);
        return;
    }
    case Award::Iota:
        if (qso.iota.isEmpty())
            return;
        break;
    case Award::Grids: {
        // A locator that starts with a valid field and no VUCC list: its field by code.
        const QString &locator = qso.locator;
        if (!qso.vuccGrids.isEmpty() || locator.size() < 4)
            break;
        const auto letter = [](QChar c) {
            const char16_t u = c.unicode() & ~char16_t(0x20);
            return c.unicode() < 128 && u >= u'A' && u <= u'R' ? int(u - u'A') : -1;
        };
        const auto digit = [](QChar c) {
            return c >= u'0' && c <= u'9' ? int(c.unicode() - u'0') : -1;
        };
        const int a = letter(locator.at(0));
        const int b = letter(locator.at(1));
        const int c = digit(locator.at(2));
        const int d = digit(locator.at(3));
        if (a < 0 || b < 0 || c < 0 || d < 0)
            break;
        if (m_gridItems.empty())
            m_gridItems.assign(18 * 18 * 100, 0);
        int &known = m_gridItems[size_t(((a * 18 + b) * 10 + c) * 10 + d)];
        if (known == 0)
            known = itemId(award, gridField(locator), true) + 1;
        addOne(known - 1);
        return;
    }
    default:
        break;
    }
    for (const QString &item : itemsFor(Award(award), qso))
        addOne(itemId(award, item, true));
}

quint32 AwardEngine::cellOf(int award, int itemNumber, int xBand, int mode, int call)
{
    // The first own call (most QSOs) finds its cells in a plain array by item, band and mode;
    // other calls through the index.
    quint32 *dense = nullptr;
    const quint64 key = cellKey(quint32(itemNumber), xBand, mode, call);
    QHash<quint64, quint32> &index = m_cellIndex[size_t(award)];
    if (call == 0 && xBand >= 0 && xBand < 32 && mode >= 0 && mode < 4) {
        std::vector<quint32> &array = m_denseCells[size_t(award)];
        const size_t at = size_t(itemNumber) * 128 + size_t(xBand) * 4 + size_t(mode);
        if (at >= array.size())
            array.resize(std::max(at + 1, array.size() * 2), 0);
        dense = &array[at];
        if (*dense != 0)
            return *dense - 1;
    } else {
        const auto it = index.constFind(key);
        if (it != index.constEnd())
            return *it;
    }
    std::vector<Cell> &cells = m_cells[size_t(award)];
    const auto number = quint32(cells.size());
    Cell cell;
    cell.item = quint32(itemNumber);
    cell.xBand = quint8(xBand);
    cell.mode = quint8(mode);
    cell.call = quint16(call);
    cells.push_back(cell);
    if (dense)
        *dense = number + 1;
    else
        index.insert(key, number);
    return number;
}

AwardEngine::Entry AwardEngine::entryOf(const AwardQso &qso)
{
    Entry entry;
    entry.confirmations = confirmationsOf(qso);
    // Logs come in runs on one band: the last band's text is compared before any lookup.
    if (qso.band != m_lastBand || m_lastBandNumber < 0) {
        auto band = m_bandNumbers.constFind(qso.band);
        if (band == m_bandNumbers.constEnd())
            band =
                m_bandNumbers.insert(qso.band, refdata::band2xBand(qso.band.trimmed().toLower()));
        m_lastBand = qso.band;
        m_lastBandNumber = *band;
    }
    const int xBand = m_lastBandNumber;
    const int mode = refdata::mode2xMode(qso.mode);
    const bool logbookCall = qso.stationCallsign.isEmpty() && qso.operatorCall.isEmpty();
    const QString own = logbookCall ? m_ownCall : ownCallOf(qso, m_logbookCall);
    int call = logbookCall ? m_ownCallId : -1;
    if (call < 0)
        call = m_callIds.value(own, -1);
    if (call < 0) {
        call = int(m_calls.size());
        m_callIds.insert(own, call);
        m_calls.append(own);
    }
    if (logbookCall)
        m_ownCallId = call;
    // Most QSOs carry none of the programmes' fields: skip asking.
    const bool hunted = !qso.sig.isEmpty() || !qso.potaRef.isEmpty() || !qso.sotaRef.isEmpty() ||
                        !qso.wwffRef.isEmpty();
    const bool activated = !qso.mySig.isEmpty() || !qso.myPotaRef.isEmpty() ||
                           !qso.mySotaRef.isEmpty() || !qso.myWwffRef.isEmpty();
    for (int award = 0; award < kAwardCount; ++award) {
        if ((award >= int(Award::Pota) && award <= int(Award::Wwff) && !hunted) ||
            (award >= int(Award::PotaActivated) && !activated))
            continue;
        QVarLengthArray<int, 4> &ids = m_scratchIds;
        itemIdsFor(award, qso, ids);
        for (const int itemNumber : std::as_const(ids)) {
            entry.cells.append(quint64(award) << 32 | cellOf(award, itemNumber, xBand, mode, call));
            if (!programmeOf(Award(award)))
                continue;
            const QString &item = m_itemNames[size_t(award)].at(itemNumber);
            const QString day =
                QString::number(award) + u'|' + own + u'|' + item + u'|' + qso.dateTime.left(10);
            auto dayIt = m_dayIds.constFind(day);
            if (dayIt == m_dayIds.constEnd()) {
                dayIt = m_dayIds.insert(day, quint32(m_days.size()));
                m_days.push_back({quint32(itemNumber), quint16(call), quint8(award), 0});
            }
            const QString contact = day + u'|' + activationContact(Award(award), qso);
            auto contactIt = m_contactIds.constFind(contact);
            if (contactIt == m_contactIds.constEnd()) {
                contactIt = m_contactIds.insert(contact, quint32(m_contactQsos.size()));
                m_contactQsos.push_back(0);
                m_contactDay.push_back(*dayIt);
            }
            entry.contacts.push_back(*contactIt);
        }
    }
    return entry;
}

void AwardEngine::count(const Entry &entry, int step)
{
    for (const quint64 packed : entry.cells) {
        Cell &cell = m_cells[size_t(packed >> 32)][size_t(packed & 0xffffffffU)];
        cell.worked = quint32(qint64(cell.worked) + step);
        for (int kind = 0; kind < 3; ++kind)
            if (entry.confirmations & (1U << kind))
                cell.confirmed[size_t(kind)] = quint32(qint64(cell.confirmed[size_t(kind)]) + step);
    }
    for (const quint32 contact : entry.contacts) {
        quint32 &qsos = m_contactQsos[contact];
        Day &day = m_days[m_contactDay[contact]];
        if (step > 0 && qsos++ == 0)
            ++day.contacts;
        else if (step < 0 && --qsos == 0)
            --day.contacts;
    }
}

void AwardEngine::put(qint64 id, const AwardQso &qso)
{
    if (!m_building)
        remove(id);
    Entry entry = entryOf(qso);
    count(entry, 1);
    m_rows.insert(id, std::move(entry));
}

void AwardEngine::remove(qint64 id)
{
    const auto it = m_rows.find(id);
    if (it == m_rows.end())
        return;
    count(*it, -1);
    m_rows.erase(it);
}

bool AwardEngine::matches(const Cell &cell, const AwardFilter &filter) const
{
    if (cell.worked == 0)
        return false;
    if (filter.xBand >= 0 && cell.xBand != filter.xBand)
        return false;
    if (filter.modeClass != 0 && cell.mode != filter.modeClass)
        return false;
    return filter.ownCall.isEmpty() || m_calls.value(cell.call) == filter.ownCall;
}

QList<AwardItem> AwardEngine::items(int award, const AwardFilter &filter) const
{
    const quint8 bits = bitsOf(filter.confirmation);
    const QStringList &names = m_itemNames[size_t(award)];
    std::vector<AwardItem> found(size_t(names.size()));
    for (const Cell &cell : m_cells[size_t(award)]) {
        if (!matches(cell, filter))
            continue;
        AwardItem &item = found[cell.item];
        item.worked = true;
        item.qsos += int(cell.worked);
        for (int kind = 0; kind < 3; ++kind)
            if ((bits & (1U << kind)) && cell.confirmed[size_t(kind)] > 0)
                item.confirmed = true;
    }
    QList<AwardItem> list;
    for (size_t i = 0; i < found.size(); ++i)
        if (found[i].worked) {
            found[i].id = names.at(qsizetype(i));
            list.append(found[i]);
        }
    const QStringList set = definition(Award(award)).fullSet();
    if (!set.isEmpty()) {
        QHash<QString, int> order;
        for (qsizetype i = 0; i < set.size(); ++i)
            order.insert(set.at(i), int(i));
        std::sort(list.begin(), list.end(), [&order](const AwardItem &a, const AwardItem &b) {
            return order.value(a.id) < order.value(b.id);
        });
    } else {
        // Prefixes, islands, grids and references read well in plain character order.
        std::sort(list.begin(), list.end(),
                  [](const AwardItem &a, const AwardItem &b) { return a.id < b.id; });
    }
    return list;
}

AwardResult AwardEngine::result(Award award, const AwardFilter &filter)
{
    AwardResult result;
    result.award = award;
    if (!ensureBuilt())
        return result;
    result.items = items(int(award), filter);
    QSet<QString> confirmed;
    for (const AwardItem &item : std::as_const(result.items)) {
        ++result.worked;
        if (item.confirmed) {
            ++result.confirmed;
            confirmed.insert(item.id);
        }
        if (award == Award::Iota) {
            AwardCount &continent = result.byContinent[item.id.left(2)];
            ++continent.worked;
            continent.confirmed += item.confirmed ? 1 : 0;
        }
    }
    const QStringList set = definition(award).fullSet();
    result.finite = !set.isEmpty();
    for (const QString &item : set)
        if (!confirmed.contains(item))
            result.needed << item;
    if (award == Award::Grids && filter.xBand > 0)
        result.threshold = vuccThreshold(refdata::bandName(filter.xBand));
    if (const std::optional<Award> side = activatedSide(award)) {
        result.activated = items(int(*side), filter);
        const int target = station::activationTarget(*programmeOf(*side));
        QHash<quint32, int> valid;
        for (const Day &day : m_days)
            if (day.award == quint8(*side) && int(day.contacts) >= target &&
                (filter.ownCall.isEmpty() || m_calls.value(day.call) == filter.ownCall))
                ++valid[day.item];
        for (AwardItem &item : result.activated) {
            item.validActivations = valid.value(quint32(itemId(int(*side), item.id, false)));
            result.validActivated += item.validActivations > 0 ? 1 : 0;
        }
    }
    QSet<quint16> calls;
    const auto gather = [&](Award side) {
        for (const Cell &cell : m_cells[size_t(side)])
            if (matches(cell, filter))
                calls.insert(cell.call);
    };
    gather(award);
    if (const std::optional<Award> side = activatedSide(award))
        gather(*side);
    for (const quint16 call : calls)
        if (!m_calls.value(call).isEmpty())
            result.ownCalls << m_calls.value(call);
    result.ownCalls.sort();
    return result;
}

AwardTable AwardEngine::table(Award award, Confirmation confirmation, const QString &ownCall)
{
    AwardTable table;
    if (!ensureBuilt())
        return table;
    AwardFilter filter;
    filter.ownCall = ownCall;
    const quint8 bits = bitsOf(confirmation);
    // Per band (refdata::kBandCount + 1 for every band) and mode column: items seen.
    constexpr int kAll = refdata::kBandCount + 1;
    std::array<std::array<QHash<quint32, bool>, 4>, kAll + 1> seen;
    for (const Cell &cell : m_cells[size_t(award)]) {
        if (!matches(cell, filter))
            continue;
        bool cfd = false;
        for (int kind = 0; kind < 3; ++kind)
            cfd = cfd || ((bits & (1U << kind)) && cell.confirmed[size_t(kind)] > 0);
        for (const int band : {int(cell.xBand), kAll})
            for (const int mode : {int(cell.mode), 0}) {
                bool &state = seen[size_t(band)][size_t(mode)][cell.item];
                state = state || cfd;
            }
    }
    const auto rowOf = [&seen](int band) {
        AwardTable::Row row;
        for (int mode = 0; mode < 4; ++mode) {
            const auto &items = seen[size_t(band)][size_t(mode)];
            row[size_t(mode)].worked = int(items.size());
            row[size_t(mode)].confirmed = int(std::count(items.cbegin(), items.cend(), true));
        }
        return row;
    };
    for (int band = 0; band <= refdata::kBandCount; ++band)
        if (!seen[size_t(band)][0].isEmpty())
            table.bands << band;
    std::sort(table.bands.begin(), table.bands.end(),
              [](int a, int b) { return bandRank(a) < bandRank(b); });
    for (const int band : std::as_const(table.bands))
        table.rows << rowOf(band);
    table.total = rowOf(kAll);
    return table;
}

QList<qint64> AwardEngine::qsoIds(Award award, const QString &item, const AwardFilter &filter)
{
    QList<qint64> ids;
    if (!ensureBuilt())
        return ids;
    const int wanted = itemId(int(award), item, false);
    if (wanted < 0)
        return ids;
    const std::vector<Cell> &cells = m_cells[size_t(award)];
    for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it)
        for (const quint64 packed : it->cells)
            if (int(packed >> 32) == int(award)) {
                const Cell &cell = cells[size_t(packed & 0xffffffffU)];
                if (int(cell.item) == wanted && matches(cell, filter)) {
                    ids << it.key();
                    break;
                }
            }
    std::sort(ids.begin(), ids.end());
    return ids;
}

} // namespace awards
