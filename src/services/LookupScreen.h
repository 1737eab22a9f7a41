#pragma once

#include "model/QsoClass.h"
#include "services/HttpClient.h"
#include "services/LookupResult.h"
#include "services/LookupSession.h"

#include <QObject>
#include <QString>
#include <QVariantList>

class QNetworkAccessManager;
class SecretStore;
class UserDefaults;

/** The callsign lookup page of both layouts: asks QRZ or HamQTH, shows the reply's rows with the
 *  station's picture and its place on the map, opens mail and web rows, and hands the useful
 *  fields to the entry form for a new QSO. */
class LookupScreen : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString service READ service NOTIFY resultChanged)
    Q_PROPERTY(QString askedCallsign READ askedCallsign NOTIFY resultChanged)
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
    /** Each row: {name, value, kind: "plain"|"email"|"web"|"picture"}. */
    Q_PROPERTY(QVariantList rows READ rows NOTIFY resultChanged)
    Q_PROPERTY(QString callsign READ callsign NOTIFY resultChanged)
    Q_PROPERTY(QString locator READ locator NOTIFY resultChanged)
    Q_PROPERTY(QString mapLocator READ mapLocator NOTIFY resultChanged)
    Q_PROPERTY(QString pictureUrl READ pictureUrl NOTIFY resultChanged)
    Q_PROPERTY(bool hasCoordinates READ hasCoordinates NOTIFY resultChanged)
    Q_PROPERTY(double latitude READ latitude NOTIFY resultChanged)
    Q_PROPERTY(double longitude READ longitude NOTIFY resultChanged)
    Q_PROPERTY(bool canUse READ canUse NOTIFY resultChanged)
    Q_PROPERTY(QString alertTitle READ alertTitle NOTIFY alertChanged)
    Q_PROPERTY(QString alertText READ alertText NOTIFY alertChanged)
public:
    LookupScreen(UserDefaults &defaults, SecretStore &secrets, QNetworkAccessManager &network,
                 QObject *parent = nullptr);

    /** Looks the callsign up with the service the settings choose. */
    Q_INVOKABLE void lookUp(const QString &callsign);
    /** Looks up with a named service ("QRZ", "HamQTH"); an unknown name takes the chosen one. */
    Q_INVOKABLE void lookUpWith(const QString &callsign, const QString &service);
    /** What opening a row means: "mailto:…" or a web address; empty for the other rows. */
    [[nodiscard]] Q_INVOKABLE QString rowUrl(int row) const;
    /** Copies the useful fields into a new QSO, announces it and asks to close the page. */
    Q_INVOKABLE void useForNewQso();
    Q_INVOKABLE void dismissAlert();
    /** Shows a reply without asking the network (a saved reply, the screenshots' sample). */
    void showReply(lookup::Service service, const QString &callsign, const QByteArray &xml);
    /** Back to an empty page; a running lookup is dropped. */
    Q_INVOKABLE void clear();

    [[nodiscard]] QString service() const { return lookup::serviceName(m_service); }
    [[nodiscard]] const QString &askedCallsign() const { return m_asked; }
    [[nodiscard]] bool busy() const { return m_session.busy(); }
    [[nodiscard]] const QVariantList &rows() const { return m_rows; }
    [[nodiscard]] const QString &callsign() const { return m_result.callsign; }
    [[nodiscard]] const QString &locator() const { return m_result.locator; }
    [[nodiscard]] const QString &mapLocator() const { return m_mapLocator; }
    [[nodiscard]] const QString &pictureUrl() const { return m_result.pictureUrl; }
    [[nodiscard]] bool hasCoordinates() const { return m_result.coord.has_value(); }
    [[nodiscard]] double latitude() const { return m_result.coord ? m_result.coord->lat : 0.0; }
    [[nodiscard]] double longitude() const { return m_result.coord ? m_result.coord->lon : 0.0; }
    [[nodiscard]] bool canUse() const { return !m_items.isEmpty(); }
    [[nodiscard]] const QString &alertTitle() const { return m_alertTitle; }
    [[nodiscard]] const QString &alertText() const { return m_alertText; }
    [[nodiscard]] const lookup::LookupResult &result() const { return m_result; }

signals:
    void resultChanged();
    void busyChanged();
    void alertChanged();
    /** The record went to the entry form: the page can close. */
    void closeRequested();
    /** The user takes the station found into a new QSO. */
    void stationTaken(const QsoClass &station);
    /** The station's locator, for the map's path. */
    void endLocatorFound(const QString &locator);

private:
    void start(lookup::Service service, const QString &callsign);
    void finished(const lookup::LookupOutcome &outcome);
    void show(lookup::Service service, const QHash<QString, QString> &items);
    void setAlert(const QString &title, const QString &text);

    UserDefaults &m_defaults;
    SecretStore &m_secrets;
    HttpClient m_http;
    lookup::LookupSession m_session;
    lookup::Service m_service;
    QString m_asked;
    QHash<QString, QString> m_items;
    lookup::LookupResult m_result;
    QVariantList m_rows;
    QString m_mapLocator;
    QString m_alertTitle;
    QString m_alertText;
};
