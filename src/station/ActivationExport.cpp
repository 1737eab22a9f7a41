#include "station/ActivationExport.h"

#include "db/SafeWrite.h"
#include "model/AdifWriter.h"
#include "model/LogModel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace station {

Activation findActivation(LogModel &log, Programme programme, const QString &reference,
                          const QDate &date)
{
    const QString ref = reference.trimmed().toUpper();
    // Both ways of naming the own reference; makeActivation keeps each QSO once.
    QList<QsoClass> found = log.qsosWithExtraField(ownReferenceField(programme), ref);
    found.append(log.qsosWithExtraField(QStringLiteral("my_sig_info"), ref));
    return makeActivation(programme, ref, date, found);
}

QString activationFileName(const QString &callsign, const QString &reference, const QDate &date)
{
    QString name = QStringLiteral("%1@%2-%3.adi")
                       .arg(callsign.trimmed().toUpper(), reference.trimmed().toUpper(),
                            date.toString(QStringLiteral("yyyyMMdd")));
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    name.replace(QLatin1Char('\\'), QLatin1Char('_'));
    return name;
}

QString activationCallsign(LogModel &log, const Activation &activation)
{
    if (!activation.qsos.isEmpty())
        if (const QString call =
                activation.qsos.constFirst().qso.extraFields.value(u"station_callsign");
            !call.isEmpty())
            return call.toUpper();
    return log.getMyCallsign().toUpper();
}

QString activationAdif(LogModel &log, const Activation &activation)
{
    QList<QsoClass> qsos;
    qsos.reserve(activation.qsos.size());
    for (const ActivationQso &entry : activation.qsos)
        qsos.append(entry.qso);
    return adif::exportText(qsos, log.adifRecordContext());
}

std::optional<QString> exportActivation(LogModel &log, const Activation &activation,
                                        const QString &target, QString *error)
{
    QString path = target;
    if (QFileInfo(target).isDir()) {
        const QString call = activationCallsign(log, activation);
        if (call.isEmpty()) {
            if (error)
                *error = QCoreApplication::translate(
                    "station", "No station callsign for the file name: give a file name.");
            return std::nullopt;
        }
        path =
            QDir(target).filePath(activationFileName(call, activation.reference, activation.date));
    }
    if (!safewrite::writeFile(path, activationAdif(log, activation).toUtf8(), error))
        return std::nullopt;
    return path;
}

} // namespace station
