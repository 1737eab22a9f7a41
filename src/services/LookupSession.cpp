#include "services/LookupSession.h"

#include "services/LookupReply.h"

#include "app/Diagnostics.h"
#include "app/UserDefaults.h"
#include "services/LookupTexts.h"

namespace lookup {
namespace {

QString key(const char *name)
{
    return QString::fromLatin1(name);
}

QString sessionKeyName(Service service)
{
    return key(service == Service::Qrz ? lookuptexts::kQrzSessionKey
                                       : lookuptexts::kHamQthSessionKey);
}

QString sessionUserName(Service service)
{
    return key(service == Service::Qrz ? lookuptexts::kQrzSessionUser
                                       : lookuptexts::kHamQthSessionUser);
}

bool sameText(const QString &text, const char *expected)
{
    return text.trimmed().compare(key(expected), Qt::CaseInsensitive) == 0;
}

/** The service's own word for a key it no longer accepts. */
bool keyExpired(Service service, const QString &error)
{
    if (service == Service::Qrz)
        return sameText(error, lookuptexts::kQrzInvalidKey) ||
               sameText(error, lookuptexts::kQrzTimeout);
    return sameText(error, lookuptexts::kHamQthExpired);
}

} // namespace

LookupSession::LookupSession(HttpClient &http, UserDefaults &defaults, QObject *parent)
    : QObject(parent), m_http(http), m_defaults(defaults)
{
    qRegisterMetaType<LookupOutcome>();
    // A lookup answer is a few kilobytes: a larger reply is refused as it arrives rather than
    // after it is buffered, and a trickling server cannot keep a lookup open for long.
    m_http.setMaxReplyBytes(kMaxReplyBytes);
    m_http.setDeadlineMs(2 * m_http.timeoutMs());
}

LookupSession::~LookupSession()
{
    cancel();
    // The worker only reads bytes it owns; it ends on its own, soon.
    if (m_worker)
        m_worker->wait();
}

void LookupSession::lookUp(const LookupAccount &account, const QString &callsign)
{
    cancel();
    m_account = account;
    m_callsign = callsign.trimmed().toUpper();
    m_loggedIn = false;
    m_busy = true;
    if (!account.configured()) {
        fail(heading(), lookuptexts::shown(lookuptexts::kMissingAccount));
        return;
    }
    // A key issued to another account is of no use to this one.
    const QString owner = m_defaults.string(sessionUserName(account.service));
    m_key =
        owner == account.userName ? m_defaults.string(sessionKeyName(account.service)) : QString();
    if (m_key.size() < kShortestKey)
        login();
    else
        query();
}

void LookupSession::cancel()
{
    ++m_generation; // a parse still running is dropped when it ends
    m_call.reset();
    m_busy = false;
}

void LookupSession::login()
{
    m_loggedIn = true;
    if (qrz()) {
        track(Step::Login, m_http.get(host(), QStringLiteral("/xml/current/"),
                                      {{QStringLiteral("username"), m_account.userName},
                                       {QStringLiteral("password"), m_account.password},
                                       {QStringLiteral("agent"), QStringLiteral("Quellbrand")}},
                                      HttpClient::Separator::Semicolon));
    } else {
        track(Step::Login, m_http.get(host(), QStringLiteral("/xml.php"),
                                      {{QStringLiteral("u"), m_account.userName},
                                       {QStringLiteral("p"), m_account.password}}));
    }
}

void LookupSession::query()
{
    if (qrz()) {
        track(Step::Query, m_http.get(host(), QStringLiteral("/xml/current/"),
                                      {{QStringLiteral("s"), m_key},
                                       {QStringLiteral("callsign"), m_callsign},
                                       {QStringLiteral("agent"), QStringLiteral("Quellbrand")}},
                                      HttpClient::Separator::Semicolon));
    } else {
        track(Step::Query, m_http.get(host(), QStringLiteral("/xml.php"),
                                      {{QStringLiteral("id"), m_key},
                                       {QStringLiteral("callsign"), m_callsign},
                                       {QStringLiteral("prg"), QStringLiteral("Brindlewick")}}));
    }
}

void LookupSession::track(Step step, HttpCall *call)
{
    m_call.reset(call);
    connect(call, &HttpCall::finished, this, [this, step](const HttpResult &result) {
        m_call.release()->deleteLater();
        if (!result.ok()) {
            fail(lookuptexts::shown(lookuptexts::kNetworkError), result.error);
            return;
        }
        parse(step, result.body);
    });
}

void LookupSession::parse(Step step, QByteArray body)
{
    const quint64 generation = ++m_generation;
    auto reply = std::make_shared<LookupReply>();
    QThread *worker =
        QThread::create([reply, body = std::move(body)] { *reply = parseLookupReply(body); });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    connect(worker, &QThread::finished, this, [this, step, reply, generation] {
        if (generation == m_generation)
            handle(step, *reply);
    });
    // One parse at a time: the one before belongs to a dropped exchange and ends by itself.
    if (m_worker)
        m_worker->wait();
    m_worker = worker;
    worker->start();
}

void LookupSession::handle(Step step, const LookupReply &reply)
{
    if (!reply.ok) {
        diag(key(lookuptexts::kXmlError));
        fail(heading(), lookuptexts::shown(lookuptexts::kErrorCode).arg(reply.errorCode));
        return;
    }
    const QString errorName = qrz() ? QStringLiteral("Error") : QStringLiteral("error");
    if (reply.has(errorName)) {
        const QString error = reply.value(errorName);
        // One login per lookup at most: a key refused right after it was issued is not retried.
        if (step == Step::Query && keyExpired(m_account.service, error) && !m_loggedIn) {
            forgetKey();
            login();
            return;
        }
        fail(heading(), error.trimmed());
        return;
    }
    if (step == Step::Login) {
        m_key = reply.value(qrz() ? QStringLiteral("Key") : QStringLiteral("session_id")).trimmed();
        if (m_key.size() < kShortestKey) {
            fail(heading(), lookuptexts::shown(lookuptexts::kNoSessionKey));
            return;
        }
        m_defaults.setValue(sessionKeyName(m_account.service), m_key);
        m_defaults.setValue(sessionUserName(m_account.service), m_account.userName);
        query();
        return;
    }
    succeed(reply);
}

void LookupSession::fail(const QString &title, const QString &text)
{
    LookupOutcome outcome;
    outcome.service = m_account.service;
    outcome.callsign = m_callsign;
    outcome.alertTitle = title;
    outcome.alertText = text;
    m_busy = false;
    emit finished(outcome);
}

void LookupSession::succeed(const LookupReply &reply)
{
    LookupOutcome outcome;
    outcome.service = m_account.service;
    outcome.callsign = m_callsign;
    outcome.ok = true;
    outcome.items = reply.items;
    m_busy = false;
    emit finished(outcome);
}

void LookupSession::forgetKey()
{
    m_key.clear();
    m_defaults.setValue(sessionKeyName(m_account.service), QString());
}

QString LookupSession::heading() const
{
    return lookuptexts::shown(lookuptexts::kErrorParsing).arg(serviceName(m_account.service));
}

QString LookupSession::host() const
{
    return m_defaults.string(key(qrz() ? lookuptexts::kQrzHost : lookuptexts::kHamQthHost));
}

} // namespace lookup
