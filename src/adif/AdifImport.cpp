#include "adif/AdifImport.h"

#include "adif/AdifRecordReader.h"
#include "app/UserDefaults.h"
#include "model/LogModel.h"
#include "refdata/MyFunctions.h"

#include "adif/QsoBatchQueue.h"

#include <QSet>
#include <QThread>

#include <utility>

namespace {

/** Records per batch at least, and batches read ahead of the writer at most. */
constexpr qsizetype kMinBatch = 256;
constexpr qsizetype kQueuedBatches = 8;

} // namespace

/** What one import collects until it is stored. */
struct AdifImport::Run {
    Run(const UserDefaults &defaults, LogModel &current, adif::EntityLookup &entities,
        const adif::PreparedAdif &text)
        : logbook(current.pinned()),
          bands(MyFunctions::bandTable(defaults)), context{entities, bands,
                                                           logbook->makeMappingInfo(),
                                                           &logbook->modesList()},
          prepared(text)
    {}

    /** The logbook the import started on; a logbook chosen meanwhile does not get its QSOs. */
    std::unique_ptr<LogModel> logbook;
    refdata::BandTable bands;
    adif::ReaderContext context;
    adif::PreparedAdif prepared;
    QList<QsoClass> accepted;
    QList<QsoClass> representatives; // one accepted QSO per entity, for the DX info refresh
    QSet<qint32> entities;
    qsizetype storedCount = 0; // accepted so far, also those handed on to the writer
    Result result;
};

AdifImport::AdifImport(const UserDefaults &defaults, LogModel &log, adif::EntityLookup &entities,
                       QObject *parent)
    : QObject(parent), m_defaults(defaults), m_log(log), m_entities(entities)
{}

AdifImport::~AdifImport() = default;

AdifImport::Result AdifImport::run(const adif::PreparedAdif &prepared)
{
    start(prepared);
    // Records are read and their entities resolved on a thread of their own while this one
    // stores the batches read before, all in the one transaction of the import.
    const qsizetype step = qMax<qsizetype>(kMinBatch, total() / 200);
    QsoBatchQueue queue(kQueuedBatches);
    queue.taken = [this](qsizetype done) { emit progress(done, total()); };
    emit progress(0, total());
    std::unique_ptr<QThread> reader(QThread::create([this, &queue, step] {
        bool storing = true;
        for (bool more = true; more;) {
            more = readNext(step);
            // When the writer gave up, the rest is still read for the report of refusals.
            storing = storing && queue.push(std::exchange(m_run->accepted, {}), m_next);
            if (!storing)
                m_run->accepted.clear();
        }
        queue.close(m_run->representatives);
    }));
    reader->start();
    const WriteResult stored = m_run->logbook->saveAllQSOsToLog(queue);
    queue.abandon();
    reader->wait();
    emit progress(total(), total());
    return finish(stored, m_run->storedCount);
}

void AdifImport::start(const adif::PreparedAdif &prepared)
{
    m_run = std::make_unique<Run>(m_defaults, m_log, m_entities, prepared);
    m_next = 0;
}

qsizetype AdifImport::total() const
{
    return m_run ? m_run->prepared.spans.size() : 0;
}

bool AdifImport::readNext(qsizetype count)
{
    if (!m_run)
        return false;
    const qsizetype end = qMin(total(), m_next + count);
    for (; m_next < end; ++m_next) {
        const adif::AdifRecord source = m_run->prepared.record(m_next);
        const QString &record = source.text;
        adif::ReadRecord read = adif::readAdifRecord(source, m_run->context);
        if (!read.errors.isEmpty()) {
            for (const QString &error : std::as_const(read.errors))
                m_run->result.report += error + record + QLatin1String("\n\n");
            m_run->result.refusals.append({read.errors, record});
            ++m_run->result.refused;
            continue;
        }
        if (!m_run->entities.contains(read.qso.adif)) {
            m_run->entities.insert(read.qso.adif);
            m_run->representatives.append(read.qso);
        }
        m_run->accepted.append(std::move(read.qso));
        ++m_run->storedCount;
    }
    return m_next < total();
}

AdifImport::Result AdifImport::finish()
{
    if (!m_run)
        return {};
    const qsizetype count = m_run->accepted.size();
    const WriteResult stored =
        m_run->logbook->saveAllQSOsToLog(m_run->accepted, m_run->representatives);
    return finish(stored, count);
}

AdifImport::Result AdifImport::finish(const WriteResult &stored, qsizetype count)
{
    Result result = std::move(m_run->result);
    if (stored) {
        result.imported = count;
        result.status = tr("%1 QSO(s) imported").arg(result.imported);
    } else {
        result.error = tr("No QSO was imported; %1 could not store them: %2")
                           .arg(m_run->logbook->logDbName(), stored.error);
        result.status = result.error;
    }
    m_run.reset();
    return result;
}
