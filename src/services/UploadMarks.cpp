#include "services/UploadMarks.h"

#include "model/LogModel.h"

namespace uploadmarks {

bool isWaiting(const QsoClass &qso, Service service)
{
    if (service == Service::Qrz)
        return qso.extraFields.value(QString::fromLatin1(kQrzUploadStatus)).toUpper() != u'Y';
    return !qso.extraFields.contains(QString::fromLatin1(kWavelogSent));
}

namespace {

// The mark that ends a QSO's wait: QRZ's status "Y", or Wavelog's date whatever it is.
std::pair<QString, QString> sentMark(Service service)
{
    if (service == Service::Qrz)
        return {QLatin1String(kQrzUploadStatus), QStringLiteral("Y")};
    return {QLatin1String(kWavelogSent), QString()};
}

} // namespace

QList<QsoClass> waiting(LogModel &log, Service service, QString *error)
{
    const auto [name, value] = sentMark(service);
    QString readError;
    QList<QsoClass> qsos = log.qsosWithoutExtraField(name, value, &readError);
    if (!readError.isEmpty()) {
        if (error)
            *error = readError;
        return {};
    }
    return qsos;
}

std::optional<int> numberWaiting(LogModel &log, Service service)
{
    const auto [name, value] = sentMark(service);
    return log.numberOfQsosWithoutExtraField(name, value);
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
    const std::optional<QsoClass> edited = withFields(*stored, fields);
    if (!edited)
        return WriteResult::stored(id);
    return log.updateQSO(*stored, *edited);
}

std::optional<QsoClass> withFields(const QsoClass &qso, const Fields &fields)
{
    QsoClass edited = qso;
    bool changed = false;
    for (const auto &[name, value] : fields) {
        if (edited.extraFields.value(name) == value)
            continue;
        edited.extraFields.set(name, value);
        changed = true;
    }
    if (!changed)
        return std::nullopt;
    return edited;
}

} // namespace uploadmarks
