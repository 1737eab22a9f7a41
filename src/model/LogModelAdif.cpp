// LogModel: the ADIF records of the logbook's QSOs.

#include "model/LogModel.h"

#include "app/DataFolder.h"
#include "app/UserDefaults.h"
#include "model/AdifWriter.h"
#include "refdata/UserFieldNames.h"

#include <QFile>

QString LogModel::makeAdifQSOfromID(const QsoClass &qso)
{
    if (!qso.isStored())
        return {};
    const std::optional<QsoClass> stored = qsoById(*qso.id);
    return stored ? makeAdifRecord(*stored) : QString();
}

QString LogModel::makeAdifRecord(const QsoClass &qso)
{
    return adif::makeAdifRecord(qso, adifRecordContext());
}

adif::RecordContext LogModel::adifRecordContext()
{
    return {modesList(), makeMappingInfo(), m_defaults.logDateFormaterStyle()};
}

QString LogModel::makeADIF4eQSLfromQSO(const QsoClass &qso) const
{
    return adif::makeADIF4eQSLfromQSO(qso);
}

std::optional<QString> LogModel::logModeToAdifMode(const QString &mode)
{
    return modesList().logModeToAdifMode(mode);
}

QStringList LogModel::makeMappingInfo()
{
    if (!m_userFieldNames) {
        QStringList names;
        for (int number = 1; number <= adif::kUserFieldCount; ++number)
            names << adif::userFieldAdifName(getUserFieldAdifIdxForNumber(number), number);
        m_userFieldNames = names;
    }
    return *m_userFieldNames;
}

const adif::ModesList &LogModel::modesList()
{
    if (!m_modes) {
        const QString copy = m_folder.filePath(QString::fromLatin1(adif::kModesFileName));
        m_modes = adif::ModesList::fromFile(
            QFile::exists(copy) ? copy : QString::fromLatin1(adif::kModesResource));
    }
    return *m_modes;
}
