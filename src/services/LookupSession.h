#pragma once

#include "services/HttpClient.h"
#include "services/LookupAccount.h"
#include "services/LookupReply.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>

#include <memory>

class UserDefaults;

namespace lookup {

/** How one lookup ended: the reply's elements, or the alert to show. */
struct LookupOutcome {
    Service service = Service::HamQth;
    QString callsign; // as asked
    bool ok = false;
    QHash<QString, QString> items;
    QString alertTitle;
    QString alertText;
};

/** Asks QRZ or HamQTH about one callsign, logging in first when there is no usable session key.
 *
 *  The key is cached in the user defaults ("QRZ_SessionKey", "HamQTH_SessionKey") together with
 *  the user it was issued to; a key of another user, or one shorter than 5 characters, is not
 *  used. A lookup logs in once at most: a key the service calls expired costs one new login,
 *  and when a freshly issued key is refused as well, that refusal is the outcome. Replies are read
 * on a worker thread and handed back whole; a new lookup drops whatever the previous one still had
 * running. */
class LookupSession : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype kShortestKey = 5;

    LookupSession(HttpClient &http, UserDefaults &defaults, QObject *parent = nullptr);
    ~LookupSession() override;

    /** Starts a lookup; finished() follows exactly once (at once when the account is
     *  incomplete). */
    void lookUp(const LookupAccount &account, const QString &callsign);
    /** Drops the running lookup; no finished() follows for it. */
    void cancel();
    [[nodiscard]] bool busy() const { return m_busy; }

signals:
    void finished(const lookup::LookupOutcome &outcome);

private:
    enum class Step { Login, Query };

    void login();
    void query();
    void track(Step step, HttpCall *call);
    void parse(Step step, QByteArray body);
    void handle(Step step, const LookupReply &reply);
    void fail(const QString &title, const QString &text);
    void succeed(const LookupReply &reply);
    void forgetKey();
    [[nodiscard]] QString heading() const;
    [[nodiscard]] QString host() const;
    [[nodiscard]] bool qrz() const { return m_account.service == Service::Qrz; }

    HttpClient &m_http;
    UserDefaults &m_defaults;
    LookupAccount m_account;
    QString m_callsign;
    QString m_key;
    bool m_busy = false;
    bool m_loggedIn = false; // in this lookup
    quint64 m_generation = 0;
    std::unique_ptr<HttpCall> m_call;
    QPointer<QThread> m_worker;
};

} // namespace lookup

Q_DECLARE_METATYPE(lookup::LookupOutcome)
