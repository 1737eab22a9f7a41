#include "services/UploadMarks.h"

#include "model/LogListQuery.h"
#include "model/LogModel.h"

#include <algorithm>

namespace uploadmarks {

bool isWaiting(const QsoClass &qso, Service service)
{
    if (service == Service::Qrz)
        return qso.extraFields.value(QString::fromLatin1(kQrzUploadStatus)).toUpper() != u'Y';
    return !qso.extraFields.contains(QString::fromLatin1(kWavelogSent));
}

QList<QsoClass> waiting(LogModel &log, Service service, QString *error)
{
    QString readError;
    QList<QsoClass> all = log.getlastQSOs(LogListQuery::All, &readError);
    if (!readError.isEmpty()) {
        if (error)
            *error = readError;
        return {};
    }
    all.removeIf([service](const QsoClass &qso) { return !isWaiting(qso, service); });
    std::stable_sort(all.begin(), all.end(),
                     [](const QsoClass &a, const QsoClass &b) { return a.dateTime < b.dateTime; });
    return all;
}

Fields sentFields(Service service, const QDate &day, const QString &logId)
{
    const QString date = day.toString(QStringLiteral("yyyyMMdd"));
    if (service == Service::Wavelog)
        return {{QLatin1String(kWavelogSent), date}};
    Fields fields{{QLatin1String(kQrzUploadStatus), QStringLiteral("Y")},
                  {QLatin1String(kQrzUploadDate), date}};
    if (!logId.isEmpty())
        fields.append({QLatin1String(kQrzLogId), logId});
    return fields;
}

WriteResult setFields(LogModel &log, qint64 id, const Fields &fields)
{
    QString readError;
    const std::optional<QsoClass> stored = log.qsoById(id, &readError);
    if (!stored)
        return WriteResult::failed(readError.isEmpty() ? QStringLiteral("the QSO is gone")
                                                       : readError);
    QsoClass edited = *stored;
    bool changed = false;
    for (const auto &[name, value] : fields) {
        if (edited.extraFields.value(name) == value)
            continue;
        edited.extraFields.set(name, value);
        changed = true;
    }
    if (!changed)
        return WriteResult::stored(id);
    return log.updateQSO(*stored, edited);
}

} // namespace uploadmarks
