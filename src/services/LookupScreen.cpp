#include "services/LookupScreen.h"

#include "app/UserDefaults.h"
#include "services/LookupReply.h"
#include "services/LookupTexts.h"

namespace {

QString kindName(lookup::RowKind kind)
{
    switch (kind) {
    case lookup::RowKind::Email:
        return QStringLiteral("email");
    case lookup::RowKind::Web:
        return QStringLiteral("web");
    case lookup::RowKind::Picture:
        return QStringLiteral("picture");
    case lookup::RowKind::Plain:
        break;
    }
    return QStringLiteral("plain");
}

} // namespace

LookupScreen::LookupScreen(UserDefaults &defaults, SecretStore &secrets,
                           QNetworkAccessManager &network, QObject *parent)
    : QObject(parent), m_defaults(defaults), m_secrets(secrets), m_http(network, defaults),
      m_session(m_http, defaults), m_service(lookup::LookupAccount::chosen(defaults))
{
    connect(&m_session, &lookup::LookupSession::finished, this, &LookupScreen::finished);
}

void LookupScreen::lookUp(const QString &callsign)
{
    start(lookup::LookupAccount::chosen(m_defaults), callsign);
}

void LookupScreen::lookUpWith(const QString &callsign, const QString &service)
{
    lookup::Service chosen = lookup::LookupAccount::chosen(m_defaults);
    static_cast<void>(lookup::serviceFromName(service, chosen));
    start(chosen, callsign);
}

void LookupScreen::start(lookup::Service service, const QString &callsign)
{
    m_service = service;
    m_asked = callsign.trimmed().toUpper();
    show(service, {});
    setAlert({}, {});
    m_session.lookUp(lookup::LookupAccount::read(m_defaults, m_secrets, service), m_asked);
    emit busyChanged();
}

void LookupScreen::finished(const lookup::LookupOutcome &outcome)
{
    if (outcome.ok)
        show(outcome.service, outcome.items);
    else
        setAlert(outcome.alertTitle, outcome.alertText);
    emit busyChanged();
}

void LookupScreen::showReply(lookup::Service service, const QString &callsign,
                             const QByteArray &xml)
{
    m_session.cancel();
    m_service = service;
    m_asked = callsign.trimmed().toUpper();
    setAlert({}, {});
    const lookup::LookupReply reply = lookup::parseLookupReply(xml);
    show(service, reply.items);
    emit busyChanged();
}

void LookupScreen::clear()
{
    m_session.cancel();
    m_asked.clear();
    setAlert({}, {});
    show(m_service, {});
    emit busyChanged();
}

void LookupScreen::show(lookup::Service service, const QHash<QString, QString> &items)
{
    m_service = service;
    m_items = items;
    m_result = lookup::resultFrom(service, items);
    m_rows.clear();
    for (const lookup::LookupRow &row : std::as_const(m_result.rows))
        m_rows.append(QVariantMap{{QStringLiteral("name"), row.name},
                                  {QStringLiteral("value"), row.value},
                                  {QStringLiteral("kind"), kindName(row.kind)}});
    m_mapLocator = lookup::mapLocator(m_result);
    // The map shows the path to the station as it does for the entry form's callsign.
    if (!m_mapLocator.isEmpty())
        emit endLocatorFound(m_mapLocator);
    emit resultChanged();
}

QString LookupScreen::rowUrl(int row) const
{
    if (row < 0 || row >= m_result.rows.size())
        return {};
    const lookup::LookupRow &entry = m_result.rows.at(row);
    const QString value = entry.value.trimmed();
    if (value.isEmpty())
        return {};
    if (entry.kind == lookup::RowKind::Email)
        return QStringLiteral("mailto:%1").arg(value);
    if (entry.kind == lookup::RowKind::Web)
        return lookup::webAddress(value);
    return {};
}

void LookupScreen::useForNewQso()
{
    if (m_items.isEmpty())
        return;
    const QsoClass qso = lookup::qsoFrom(m_service, m_items, m_asked);
    // The page goes first: the record brings the entry form up, on the phone onto the same
    // stack.
    emit closeRequested();
    emit stationTaken(qso);
}

void LookupScreen::dismissAlert()
{
    setAlert({}, {});
}

void LookupScreen::setAlert(const QString &title, const QString &text)
{
    if (title == m_alertTitle && text == m_alertText)
        return;
    m_alertTitle = title;
    m_alertText = text;
    emit alertChanged();
}
