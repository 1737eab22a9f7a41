#include "contest/ContestSession.h"

#include "app/Clock.h"
#include "contest/ContestCatalog.h"
#include "contest/ContestRecord.h"
#include "contest/Exchange.h"
#include "model/LogModel.h"
#include "refdata/Bands.h"
#include "refdata/DXCCModel.h"
#include "refdata/MyFunctions.h"
#include "refdata/WpxPrefix.h"

#include <QJsonDocument>
#include <QRegularExpression>

using contest::ContestDefinition;

QJsonObject ContestSettings::toJson() const
{
    QJsonObject categories;
    for (auto it = category.cbegin(); it != category.cend(); ++it)
        categories.insert(it.key(), it.value());
    return QJsonObject{{QStringLiteral("contest"), contest},
                       {QStringLiteral("myCall"), myCall},
                       {QStringLiteral("sent"), sentExchange},
                       {QStringLiteral("category"), categories},
                       {QStringLiteral("start"), formats::sqlDateTime(start)}};
}

std::optional<ContestSettings> ContestSettings::fromJson(const QByteArray &text)
{
    const QJsonObject object = QJsonDocument::fromJson(text).object();
    ContestSettings settings;
    settings.contest = object.value(QStringLiteral("contest")).toString();
    settings.myCall = object.value(QStringLiteral("myCall")).toString();
    settings.sentExchange = object.value(QStringLiteral("sent")).toString();
    const QJsonObject categories = object.value(QStringLiteral("category")).toObject();
    for (auto it = categories.begin(); it != categories.end(); ++it)
        settings.category.insert(it.key(), it.value().toString());
    const std::optional<QDateTime> start =
        formats::parseSqlDateTime(object.value(QStringLiteral("start")).toString());
    if (settings.contest.isEmpty() || !start)
        return std::nullopt;
    settings.start = *start;
    return settings;
}

ContestSession::ContestSession(LogModel &log, DXCCModel &dxcc, const MyFunctions &functions,
                               const Clock &clock, const ContestCatalog &catalog, QObject *parent)
    : QObject(parent), m_logModel(log), m_dxcc(dxcc), m_functions(functions), m_clock(clock),
      m_catalog(catalog)
{
    connect(&m_logModel, &LogModel::qsosChanged, this, &ContestSession::takeChange);
    connect(&m_logModel, &LogModel::logbookSwitched, this, [this] {
        m_log.reset();
        restore();
        emit changed();
    });
}

ContestSession::~ContestSession() = default;

OwnStation ContestSession::ownStation(const QString &call) const
{
    const CountryClass country = m_dxcc.getDXCC(call);
    OwnStation own;
    own.call = call;
    own.adif = country.adif > 0 ? country.adif : 0;
    own.continent = country.cnt.toUpper();
    own.cqZone = country.cq;
    own.ituZone = country.itu;
    return own;
}

bool ContestSession::restore(QString *error)
{
    const std::optional<ContestSettings> settings = ContestSettings::fromJson(
        m_logModel.readPrefsForEntry(QLatin1String(kPrefsEntry)).toUtf8());
    if (!settings)
        return false;
    const ContestDefinition *def = m_catalog.find(settings->contest);
    if (!def) {
        if (error)
            *error = QStringLiteral("The contest %1 of the session is not known any more")
                         .arg(settings->contest);
        return false;
    }
    m_settings = *settings;
    m_log = std::make_unique<ContestLog>(*def, ownStation(m_settings.myCall));
    reload();
    return true;
}

std::optional<QString> ContestSession::start(ContestSettings settings)
{
    const ContestDefinition *def = m_catalog.find(settings.contest);
    if (!def)
        return QStringLiteral("No contest named %1 (see contest list)").arg(settings.contest);
    settings.contest = def->name;
    settings.myCall = settings.myCall.trimmed().toUpper();
    if (settings.myCall.isEmpty())
        return QStringLiteral("The session needs the own callsign");
    static const QRegularExpression call(QStringLiteral("^[A-Z0-9/]{3,20}$"));
    if (!call.match(settings.myCall).hasMatch())
        return QStringLiteral("call: %1 is not a callsign").arg(settings.myCall);
    if (!settings.start.isValid())
        settings.start = m_clock.now();
    settings.start.setTime(QTime(settings.start.time().hour(), settings.start.time().minute(), 0));
    auto log = std::make_unique<ContestLog>(*def, ownStation(settings.myCall));
    std::swap(m_settings, settings);
    std::swap(m_log, log);
    QString error;
    const bool fits = sentValues(def->modes.first(), &error).has_value();
    if (fits) {
        const WriteResult stored = m_logModel.updatePrefs(
            QLatin1String(kPrefsEntry),
            QString::fromUtf8(QJsonDocument(m_settings.toJson()).toJson(QJsonDocument::Compact)));
        if (!stored)
            error = QStringLiteral("The session was not stored: %1").arg(stored.error);
    }
    if (!error.isEmpty()) {
        std::swap(m_settings, settings);
        std::swap(m_log, log);
        return QStringLiteral("sent exchange: %1").arg(error);
    }
    reload();
    return std::nullopt;
}

std::optional<QStringList> ContestSession::sentValues(const QString &cabMode, QString *error) const
{
    if (!m_log)
        return std::nullopt;
    const ContestDefinition &def = m_log->definition();
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QStringList words = m_settings.sentExchange.toUpper().split(blanks, Qt::SkipEmptyParts);
    // The serial number is not typed: it counts up by itself.
    for (qsizetype i = 0; i < def.exchange.size(); ++i)
        if (def.exchange.at(i).isSerial()) {
            const qsizetype at =
                words.size() == def.exchange.size() - 2 && def.exchange.first().isRst() ? i - 1 : i;
            words.insert(std::clamp<qsizetype>(at, 0, words.size()),
                         QString::number(m_log->nextSerial()));
        }
    const std::optional<contest::Exchange> sent =
        contest::parseExchange(def, words.join(QLatin1Char(' ')), cabMode, error);
    if (!sent)
        return std::nullopt;
    // One typed report serves both: "599" is sent as "59" on phone, "59" as "599" otherwise.
    QStringList values = sent->values;
    for (qsizetype i = 0; i < def.exchange.size(); ++i)
        if (def.exchange.at(i).isRst()) {
            QString &rst = values[i];
            if (cabMode == QLatin1String("PH") && rst.size() == 3)
                rst.chop(1);
            else if (cabMode != QLatin1String("PH") && rst.size() == 2)
                rst += u'9';
        }
    return values;
}

QString ContestSession::bandOf(double kHz) const
{
    return m_functions.qrg2mBand(kHz);
}

std::optional<ContestQso> ContestSession::dupeOf(const QString &call, double kHz,
                                                 const QString &mode) const
{
    if (!m_log)
        return std::nullopt;
    return m_log->dupeOf(call.trimmed().toUpper(), bandOf(kHz), contest::cabrilloMode(mode));
}

ContestSession::Result ContestSession::logQso(const Request &request)
{
    Result result;
    if (!m_log) {
        result.error = QStringLiteral("No contest session: start one first");
        return result;
    }
    const ContestDefinition &def = m_log->definition();
    const QString call = request.call.trimmed().toUpper();
    static const QRegularExpression callShape(QStringLiteral("^[A-Z0-9]+(/[A-Z0-9]+){0,2}$"));
    if (call.size() < 3 || call.size() > 20 || !callShape.match(call).hasMatch() ||
        !call.contains(QRegularExpression(QStringLiteral("[0-9]")))) {
        result.error = QStringLiteral("call: %1 is not a callsign").arg(call.left(20));
        return result;
    }
    const QString band = bandOf(request.kHz);
    if (band == QLatin1String(refdata::kUnknownBand) ||
        (!def.bands.isEmpty() && !def.bands.contains(band))) {
        result.error = QStringLiteral("freq: %1 kHz is not on a band of %2")
                           .arg(request.kHz, 0, 'f', 1)
                           .arg(def.name);
        return result;
    }
    const QString mode = request.mode.trimmed().toUpper();
    const QString cabMode = contest::cabrilloMode(mode);
    if (mode.isEmpty() || !def.modes.contains(cabMode)) {
        result.error = QStringLiteral("mode: %1 is not a mode of %2").arg(mode, def.name);
        return result;
    }
    QDateTime time = request.time.value_or(m_clock.now());
    time.setTime(QTime(time.time().hour(), time.time().minute(), time.time().second()));
    if (time < m_settings.start) {
        result.error = QStringLiteral("time: %1 is before the session's start %2")
                           .arg(formats::sqlDateTime(time), formats::sqlDateTime(m_settings.start));
        return result;
    }
    const std::optional<contest::Exchange> received =
        contest::parseExchange(def, request.exchange, cabMode, &result.error);
    if (!received)
        return result;
    const std::optional<QStringList> sent = sentValues(cabMode, &result.error);
    if (!sent) {
        result.error = QStringLiteral("sent exchange: %1").arg(result.error);
        return result;
    }
    result.dupe = m_log->dupeOf(call, band, cabMode);
    if (result.dupe && !request.allowDupe)
        return result;

    const CountryClass country = m_dxcc.getDXCC(call, time);
    QsoClass record;
    record.callsign = call;
    record.band = band;
    record.qrg = request.kHz;
    record.mode = mode;
    record.dateTime = time;
    record.adif = std::abs(country.adif);
    record.opIsValid = m_dxcc.checkIfOperationIsValid(call, time);
    record.dxcc = country.dxcc;
    record.cnt = country.cnt;
    record.cq = QString::number(country.cq);
    record.itu = QString::number(country.itu);
    record.prefix = refdata::getPrefix(call);

    ContestQso qso;
    qso.call = call;
    qso.sent = *sent;
    qso.received = received->values;
    qso.receivedForms = received->forms;
    contest::writeContestFields(def, qso, record);
    m_writing = true;
    const WriteResult stored = m_logModel.saveNewQSOtoLog(record);
    m_writing = false;
    if (!stored) {
        result.error = QStringLiteral("The QSO was not stored: %1").arg(stored.error);
        return result;
    }
    ContestQso logged = contest::readContestQso(def, record);
    logged.id = stored.rowid;
    m_log->add(logged);
    result.stored = true;
    result.qso = m_log->qsos().last();
    emit changed();
    return result;
}

void ContestSession::reload()
{
    if (!m_log)
        return;
    const ContestDefinition &def = m_log->definition();
    m_log->clear();
    const QList<QsoClass> records =
        m_logModel.qsosWithExtraField(QStringLiteral("CONTEST_ID"), def.adifContestId);
    for (const QsoClass &record : records)
        if (record.dateTime >= m_settings.start)
            m_log->add(contest::readContestQso(def, record));
}

void ContestSession::takeChange(const QsoChange &)
{
    // QSOs logged here are in already; anything else (an edit, a delete, an import, another
    // device) is read again.
    if (m_writing || !m_log)
        return;
    reload();
    emit changed();
}
