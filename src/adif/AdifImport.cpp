#include "adif/AdifImport.h"

#include "adif/AdifRecordReader.h"
#include "app/AppDelegate.h"
#include "app/Notifications.h"
#include "model/LogModel.h"
#include "refdata/MyFunctions.h"

#include <QSet>

AdifImport::AdifImport(AppDelegate &app, LogModel &log, adif::EntityLookup &entities,
                       QObject *parent)
    : QObject(parent), m_app(app), m_log(log), m_entities(entities)
{
}

AdifImport::Result AdifImport::run(const adif::PreparedAdif &prepared)
{
    const MyFunctions functions(m_app);
    adif::ReaderContext context{m_entities, functions.allQRGs(), m_log.makeMappingInfo(),
                                m_app.logDateFormaterStyle()};
    const qsizetype total = qMax<qsizetype>(0, prepared.pieces.size() - 1);
    const qsizetype step = qMax<qsizetype>(1, total / 200);

    Result result;
    QList<QsoClass> accepted;
    QList<QsoClass> representatives;
    QSet<qint32> entities;
    accepted.reserve(total);
    for (qsizetype i = 0; i < total; ++i) {
        if (i % step == 0)
            emit progress(i, total);
        const QString &record = prepared.pieces.at(i);
        adif::ReadRecord read = adif::readAdifRecord(record, context);
        if (!read.errors.isEmpty()) {
            for (const QString &error : std::as_const(read.errors))
                result.report += error + record + QLatin1String("\n\n");
            ++result.refused;
            continue;
        }
        if (!entities.contains(read.qso.adif)) {
            entities.insert(read.qso.adif);
            representatives.append(read.qso);
        }
        accepted.append(std::move(read.qso));
    }
    emit progress(total, total);

    result.imported = m_log.saveAllQSOsToLog(accepted, representatives);
    result.status = QStringLiteral("%1 QSO(s) imported").arg(result.imported);
    m_app.notifications().post(QString::fromLatin1(notifications::NewLogSelected));
    return result;
}
