#include "services/LotwApply.h"

#include "formats/TextCoding.h"
#include "model/DxInfo.h"
#include "model/QslMatch.h"
#include "model/QslSession.h"
#include "refdata/Bands.h"
#include "refdata/DXCCModel.h"
#include "refdata/ModeClasses.h"
#include "services/LotwCredits.h"
#include "services/QslTexts.h"

#include <QSet>

#include <cstdlib>

namespace lotw {
namespace {

constexpr int kWindowSeconds = 60;

/** The state of one run: which QSOs took a QSL, and the entities' texts as they change. */
class Run {
public:
    Run(QslSession &session, const EntityTable &entities, bool useDetails)
        : m_session(session), m_entities(entities), m_details(useDetails)
    {}

    /** False when a write failed (the error is in `applied`). */
    bool apply(const QsoClass &confirmation, Applied &applied);
    bool finish(const QString &lastQsl, Applied &applied);

private:
    std::optional<QsoClass> match(const QsoClass &confirmation);
    lotwcredits::EntityTexts &texts(int adif);
    bool write(QsoClass &logged, const QString &column, const QString &value, QslRow &row,
               Applied &applied, const QString &shownOld = {});
    bool correctEntity(const QsoClass &confirmation, QsoClass &logged, QslRow &row,
                       Applied &applied);
    bool correctFields(const QsoClass &confirmation, QsoClass &logged, QslRow &row,
                       Applied &applied);
    void remember(int adif);

    QslSession &m_session;
    const EntityTable &m_entities;
    const bool m_details;
    QSet<qint64> m_taken;
    QHash<int, lotwcredits::EntityTexts> m_texts;
    QList<int> m_touched; // distinct, in order
};

std::optional<QsoClass> Run::match(const QsoClass &confirmation)
{
    if (!confirmation.dateTime.isValid())
        return std::nullopt;
    const qint64 at = confirmation.dateTime.toSecsSinceEpoch();
    QList<qslmatch::Candidate> candidates;
    for (const QslSession::Near &qso :
         m_session.qsosBetween(confirmation.dateTime.addSecs(-kWindowSeconds),
                               confirmation.dateTime.addSecs(kWindowSeconds), confirmation.band)) {
        if (qslmatch::sameStation(qso.callsign, confirmation.callsign))
            candidates.append(
                {qso.rowid, std::abs(qso.seconds - at), qso.lotwqsl == QLatin1String("X"), 0});
    }
    const qsizetype chosen = qslmatch::best(candidates, m_taken);
    if (chosen < 0)
        return std::nullopt;
    return m_session.qsoById(candidates.at(chosen).rowid);
}

lotwcredits::EntityTexts &Run::texts(int adif)
{
    auto it = m_texts.find(adif);
    if (it == m_texts.end())
        it = m_texts.insert(
            adif, {m_session.storedDxInfo(adif).value_or(QString()), m_session.group60m(adif)});
    return *it;
}

void Run::remember(int adif)
{
    if (adif >= 1 && !m_touched.contains(adif))
        m_touched.append(adif);
}

bool Run::write(QsoClass &logged, const QString &column, const QString &value, QslRow &row,
                Applied &applied, const QString &shownOld)
{
    if (const WriteResult result = m_session.setField(logged, column, value); !result) {
        applied.error = result.error;
        return false;
    }
    row.corrections << QStringLiteral("%1 %2 → %3").arg(column, shownOld, value);
    return true;
}

bool Run::correctEntity(const QsoClass &confirmation, QsoClass &logged, QslRow &row,
                        Applied &applied)
{
    // No entity in the report (0) tells nothing, nor does one the country file lacks: its zones
    // and continent are unknown. An invalid operation keeps its mark.
    if (confirmation.adif < 1 || confirmation.adif == std::abs(logged.adif) ||
        !m_entities.contains(confirmation.adif))
        return true;
    ++applied.corrected;
    row.mark = QslRow::Mark::Corrected;
    remember(std::abs(logged.adif));
    const CountryClass entity = m_entities.value(confirmation.adif);
    const int stored = logged.opIsValid ? confirmation.adif : -confirmation.adif;
    if (!write(logged, QStringLiteral("cq"), QString::number(entity.cq), row, applied, logged.cq) ||
        !write(logged, QStringLiteral("itu"), QString::number(entity.itu), row, applied,
               logged.itu) ||
        !write(logged, QStringLiteral("cnt"), entity.cnt, row, applied, logged.cnt) ||
        !write(logged, QStringLiteral("dxccadif"), QString::number(stored), row, applied,
               QString::number(logged.storedAdif())) ||
        !write(logged, QStringLiteral("dxcc"), entity.dxcc, row, applied, logged.dxcc))
        return false;
    logged.cq = QString::number(entity.cq);
    logged.itu = QString::number(entity.itu);
    logged.cnt = entity.cnt;
    logged.adif = confirmation.adif;
    logged.dxcc = entity.dxcc;
    return true;
}

bool Run::correctFields(const QsoClass &confirmation, QsoClass &logged, QslRow &row,
                        Applied &applied)
{
    const std::pair<const char *, QString QsoClass::*> fields[] = {
        {"cq", &QsoClass::cq},           {"itu", &QsoClass::itu},     {"cnt", &QsoClass::cnt},
        {"iota", &QsoClass::iota},       {"state", &QsoClass::state}, {"county", &QsoClass::county},
        {"locator", &QsoClass::locator},
    };
    for (const auto &[name, member] : fields) {
        const QString &value = confirmation.*member;
        QString &old = logged.*member;
        if (value.isEmpty() || value == old)
            continue;
        const QString column = QString::fromLatin1(name);
        // "JO31" says less than the logged "JO31AB", not something else.
        if (column == QLatin1String("locator") && old.size() > value.size() &&
            old.startsWith(value, Qt::CaseInsensitive))
            continue;
        const QString stored =
            column == QLatin1String("county") ? formats::percentEncode(value) : value;
        if (!write(logged, column, stored, row, applied, old))
            return false;
        old = value;
    }
    return true;
}

bool Run::apply(const QsoClass &confirmation, Applied &applied)
{
    QslRow row = QslRow::received(confirmation, m_session.dateStyle());
    std::optional<QsoClass> found = match(confirmation);
    if (!found) {
        ++applied.notInLog;
        row.mark = QslRow::Mark::NotFound;
        applied.rows.append(row);
        return true;
    }
    QsoClass &logged = *found;
    m_taken.insert(*logged.id);
    row.id = logged.id;

    const int probe =
        m_entities.contains(confirmation.adif) ? confirmation.adif : std::abs(logged.adif);
    const int xBand = refdata::band2xBand(confirmation.band);
    QString credit;
    if (probe >= 1)
        credit = lotwcredits::credits(texts(probe), xBand, refdata::mode2xMode(confirmation.mode));
    if (const WriteResult result = m_session.markLotwConfirmed(logged); !result) {
        applied.error = result.error;
        return false;
    }
    logged.lotwqsl = QStringLiteral("X");
    logged.clublog = QStringLiteral("W");
    remember(probe);
    if (m_details) {
        if (!correctEntity(confirmation, logged, row, applied))
            return false;
        if (confirmation.iota.size() == 6)
            credit += lotwcredits::statusCredit(QStringLiteral("IOTA"),
                                                m_session.iotaStatus(confirmation.iota));
        if (confirmation.locator.size() >= 4 && xBand >= 9)
            credit += lotwcredits::statusCredit(
                QStringLiteral("Grid"),
                m_session.locatorStatus(confirmation.locator, confirmation.band));
        if (!correctFields(confirmation, logged, row, applied))
            return false;
    }
    // The next confirmation of this run sees this one's credit.
    if (const int entity = std::abs(logged.adif); entity >= 1)
        lotwcredits::addLotwConfirmation(texts(entity), refdata::band2xBand(logged.band),
                                         refdata::mode2xMode(logged.mode),
                                         dxinfo::paperConfirmed(logged));
    if (credit.size() >= 3)
        row.note = credit.chopped(2);
    applied.rows.append(row);
    return true;
}

bool Run::finish(const QString &lastQsl, Applied &applied)
{
    for (const int adif : std::as_const(m_touched)) {
        const auto entity = m_entities.constFind(adif);
        const QString dxcc = entity == m_entities.constEnd() ? QString() : entity->dxcc;
        if (const WriteResult result = m_session.refreshDxInfo(adif, dxcc); !result) {
            applied.error = result.error;
            return false;
        }
    }
    if (lastQsl.size() == 19) {
        if (const WriteResult result = m_session.setPref(QStringLiteral("lotwlastqsl"), lastQsl);
            !result) {
            applied.error = result.error;
            return false;
        }
    }
    if (const WriteResult result = m_session.commit(); !result) {
        applied.error = result.error;
        return false;
    }
    if (lastQsl.size() == 19)
        applied.lastQsl = lastQsl;
    return true;
}

} // namespace

EntityTable entityTable(DXCCModel &dxcc)
{
    EntityTable table;
    for (const CountryClass &entity : dxcc.getAllDXCCs())
        if (entity.adif > 0)
            table.insert(entity.adif, dxcc.adifToCountry(entity.adif));
    return table;
}

Applied applyReport(const Report &report, QslSession &session, const EntityTable &entities,
                    bool useDetails, const std::function<void(qsizetype, qsizetype)> &progress)
{
    Applied applied;
    applied.received = report.declaredCount;
    if (!session.isOpen()) {
        applied.error = session.error();
        return applied;
    }
    Run run(session, entities, useDetails);
    const qsizetype total = report.confirmations.size();
    for (qsizetype i = 0; i < total; ++i) {
        if (!run.apply(report.confirmations.at(i), applied))
            return applied;
        if (progress && (i + 1) % 500 == 0)
            progress(i + 1, total);
    }
    applied.ok = run.finish(report.lastQsl, applied);
    return applied;
}

QString summary(const Applied &applied)
{
    if (applied.received == 0)
        return qsltexts::shown(qsltexts::kNoNewQsls);
    return qsltexts::shown(qsltexts::kLotwDone)
        .arg(applied.received)
        .arg(applied.notInLog)
        .arg(applied.corrected);
}

} // namespace lotw
