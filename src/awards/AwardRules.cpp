#include "awards/AwardRules.h"

#include "refdata/WpxPrefix.h"

namespace awards {
namespace {

constexpr int kUsa = 291;
constexpr int kAlaska = 6;
constexpr int kHawaii = 110;

/** A zone number in 1…last as a plain decimal ("05" → "5"); empty otherwise. */
QString zone(const QString &text, int last)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    return ok && number >= 1 && number <= last ? QString::number(number) : QString();
}

QStringList one(const QString &item)
{
    return item.isEmpty() ? QStringList() : QStringList{item};
}

QString wasState(const AwardQso &qso)
{
    const qint64 entity = qso.adif < 0 ? -qso.adif : qso.adif;
    if (entity != kUsa && entity != kAlaska && entity != kHawaii)
        return {};
    // Alaska and Hawaii are entities of their own: their QSOs name the state without STATE.
    if (entity == kAlaska)
        return QStringLiteral("AK");
    if (entity == kHawaii)
        return QStringLiteral("HI");
    const QString state = qso.state.trimmed().toUpper();
    static const QStringList states = usStates();
    return states.contains(state) ? state : QString();
}

QString iotaReference(const QString &text)
{
    const QString reference = text.trimmed().toUpper();
    static const QStringList groups = {
        QStringLiteral("AF"), QStringLiteral("AN"), QStringLiteral("AS"), QStringLiteral("EU"),
        QStringLiteral("NA"), QStringLiteral("OC"), QStringLiteral("SA")};
    if (reference.size() != 6 || reference.at(2) != u'-' || !groups.contains(reference.left(2)))
        return {};
    for (int i = 3; i < 6; ++i)
        if (!reference.at(i).isDigit() || reference.at(i).unicode() > 127)
            return {};
    return reference;
}

QStringList grids(const AwardQso &qso)
{
    QStringList fields;
    const auto add = [&fields](const QString &locator) {
        const QString field = gridField(locator);
        if (!field.isEmpty() && !fields.contains(field))
            fields << field;
    };
    add(qso.locator);
    for (const QString &part : qso.vuccGrids.split(u',', Qt::SkipEmptyParts))
        add(part);
    return fields;
}

/** The references of a programme in its own field, or in SIG/SIG_INFO naming it. */
QStringList references(const QString &field, const QString &sig, const QString &sigInfo,
                       QLatin1String programme)
{
    QStringList list = referenceList(field);
    if (sig.trimmed().compare(programme, Qt::CaseInsensitive) == 0)
        for (const QString &reference : referenceList(sigInfo))
            if (!list.contains(reference))
                list << reference;
    return list;
}

} // namespace

QString gridField(const QString &locator)
{
    const QString text = locator.trimmed().toUpper();
    if (text.size() < 4)
        return {};
    const auto letter = [](QChar c) { return c >= u'A' && c <= u'R'; };
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (!letter(text.at(0)) || !letter(text.at(1)) || !digit(text.at(2)) || !digit(text.at(3)))
        return {};
    return text.left(4);
}

QStringList referenceList(const QString &field)
{
    QStringList list;
    for (const QString &part : field.split(u',', Qt::SkipEmptyParts)) {
        const QString reference = part.trimmed().toUpper();
        if (!reference.isEmpty() && !list.contains(reference))
            list << reference;
    }
    return list;
}

QStringList itemsFor(Award award, const AwardQso &qso)
{
    switch (award) {
    case Award::Was:
        return one(wasState(qso));
    case Award::Waz:
        return one(zone(qso.cq, 40));
    case Award::Itu:
        return one(zone(qso.itu, 90));
    case Award::Wac: {
        static const QStringList all = continents();
        const QString continent = qso.cnt.trimmed().toUpper();
        return all.contains(continent) ? QStringList{continent} : QStringList();
    }
    case Award::Wpx: {
        const QString call = qso.callsign.trimmed().toUpper();
        return call.isEmpty() ? QStringList() : one(refdata::getPrefix(call));
    }
    case Award::Iota:
        return one(iotaReference(qso.iota));
    case Award::Grids:
        return grids(qso);
    case Award::Pota:
        return references(qso.potaRef, qso.sig, qso.sigInfo, QLatin1String("POTA"));
    case Award::Sota:
        return references(qso.sotaRef, qso.sig, qso.sigInfo, QLatin1String("SOTA"));
    case Award::Wwff:
        return references(qso.wwffRef, qso.sig, qso.sigInfo, QLatin1String("WWFF"));
    case Award::PotaActivated:
        return references(qso.myPotaRef, qso.mySig, qso.mySigInfo, QLatin1String("POTA"));
    case Award::SotaActivated:
        return references(qso.mySotaRef, qso.mySig, qso.mySigInfo, QLatin1String("SOTA"));
    case Award::WwffActivated:
        return references(qso.myWwffRef, qso.mySig, qso.mySigInfo, QLatin1String("WWFF"));
    }
    return {};
}

quint8 confirmationsOf(const AwardQso &qso)
{
    quint8 bits = 0;
    if (qso.qsl == u"R" || qso.qsl == u"X" || qso.qsl == u"G")
        bits |= PaperBit;
    if (qso.lotwqsl == u"X")
        bits |= LotwBit;
    if (qso.eqsl == u"R" || qso.eqsl == u"X")
        bits |= EqslBit;
    return bits;
}

quint8 bitsOf(Confirmation confirmation)
{
    switch (confirmation) {
    case Confirmation::Paper:
        return PaperBit;
    case Confirmation::Lotw:
        return LotwBit;
    case Confirmation::Eqsl:
        return EqslBit;
    case Confirmation::Any:
        break;
    }
    return PaperBit | LotwBit | EqslBit;
}

QString ownCallOf(const AwardQso &qso, const QString &logbookCall)
{
    for (const QString *call : {&qso.stationCallsign, &qso.operatorCall, &logbookCall}) {
        const QString text = call->trimmed().toUpper();
        if (!text.isEmpty())
            return text;
    }
    return {};
}

QString activationContact(Award activated, const AwardQso &qso)
{
    const QString call = qso.callsign.trimmed().toUpper();
    if (activated == Award::SotaActivated)
        return call;
    return call + u'|' + qso.band.toLower() + u'|' + qso.mode.toUpper();
}

} // namespace awards
