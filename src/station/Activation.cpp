#include "station/Activation.h"

#include "station/ProfileValidation.h"

#include <QSet>

#include <algorithm>

namespace station {
namespace {

bool listsReference(const QString &field, const QString &reference)
{
    if (field.isEmpty())
        return false;
    const QStringList parts = field.split(QLatin1Char(','), Qt::SkipEmptyParts);
    return std::any_of(parts.begin(), parts.end(), [&reference](const QString &part) {
        return part.trimmed().compare(reference, Qt::CaseInsensitive) == 0;
    });
}

QString otherReferenceField(Programme programme)
{
    switch (programme) {
    case Programme::Pota:
        return QStringLiteral("pota_ref");
    case Programme::Sota:
        return QStringLiteral("sota_ref");
    case Programme::Wwff:
        return QStringLiteral("wwff_ref");
    }
    return {};
}

} // namespace

std::optional<Programme> programmeOf(const QString &reference)
{
    const QString text = reference.trimmed().toUpper();
    // WWFF first: "DLFF-0123" has the shape of a park reference too.
    if (isWwffReference(text))
        return Programme::Wwff;
    if (isSotaReference(text))
        return Programme::Sota;
    if (isPotaReference(text))
        return Programme::Pota;
    return std::nullopt;
}

QString programmeName(Programme programme)
{
    switch (programme) {
    case Programme::Pota:
        return QStringLiteral("POTA");
    case Programme::Sota:
        return QStringLiteral("SOTA");
    case Programme::Wwff:
        return QStringLiteral("WWFF");
    }
    return {};
}

QString ownReferenceField(Programme programme)
{
    return QStringLiteral("my_") + otherReferenceField(programme);
}

int activationTarget(Programme programme)
{
    switch (programme) {
    case Programme::Pota:
        return 10;
    case Programme::Sota:
        return 4;
    case Programme::Wwff:
        return 44;
    }
    return 0;
}

bool isFromReference(const QsoClass &qso, Programme programme, const QString &reference)
{
    const ExtraFields &fields = qso.extraFields;
    if (listsReference(fields.value(ownReferenceField(programme)), reference))
        return true;
    return fields.value(u"my_sig").trimmed().compare(programmeName(programme),
                                                     Qt::CaseInsensitive) == 0 &&
           listsReference(fields.value(u"my_sig_info"), reference);
}

QString otherReference(const QsoClass &qso, Programme programme)
{
    const ExtraFields &fields = qso.extraFields;
    if (const QString own = fields.value(otherReferenceField(programme)).trimmed(); !own.isEmpty())
        return own.toUpper();
    if (fields.value(u"sig").trimmed().compare(programmeName(programme), Qt::CaseInsensitive) == 0)
        return fields.value(u"sig_info").trimmed().toUpper();
    return {};
}

Activation makeActivation(Programme programme, const QString &reference, const QDate &date,
                          const QList<QsoClass> &qsos)
{
    Activation activation;
    activation.programme = programme;
    activation.reference = reference.trimmed().toUpper();
    activation.date = date;
    activation.target = activationTarget(programme);

    QList<QsoClass> taken;
    QSet<qint64> ids;
    for (const QsoClass &qso : qsos) {
        if (qso.dateTime.toUTC().date() != date ||
            !isFromReference(qso, programme, activation.reference))
            continue;
        if (qso.id) {
            if (ids.contains(*qso.id))
                continue;
            ids.insert(*qso.id);
        }
        taken.append(qso);
    }
    std::stable_sort(taken.begin(), taken.end(),
                     [](const QsoClass &a, const QsoClass &b) { return a.dateTime < b.dateTime; });

    QSet<QString> contacts;
    for (const QsoClass &qso : taken) {
        const QString call = qso.callsign.trimmed().toUpper();
        const QString key = programme == Programme::Sota
                                ? call
                                : call + u'|' + qso.band.toLower() + u'|' + qso.mode.toUpper();
        ActivationQso entry{qso, !contacts.contains(key), otherReference(qso, programme)};
        contacts.insert(key);
        if (entry.counted)
            ++activation.counted;
        activation.qsos.append(entry);
    }
    return activation;
}

} // namespace station
