#pragma once

#include "model/LogStore.h"
#include "model/QsoClass.h"
#include "services/HttpClient.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <memory>

class LogModel;
class UserDefaults;

/** The upload of QSOs to eQSL as one ADIF file in a multipart POST. The server's answer is a
 *  page for the user to judge; the QSOs are marked as sent only when the user confirms. */
class EqslUpload : public QObject {
    Q_OBJECT
public:
    EqslUpload(HttpClient &http, UserDefaults &defaults, QObject *parent = nullptr);

    /** The QSOs to send: the given ones, or else every QSO waiting for an upload ("W" or "R");
     *  `message` (when not empty) replaces each QSO's note. Returns the status line ("%1 QSLs
     *  not uploaded yet" …); empty when there is nothing to send. */
    QString prepare(LogModel &log, const QList<QsoClass> &selected, const QString &message);
    [[nodiscard]] const QList<QsoClass> &qsos() const { return m_qsos; }

    /** The file as sent: header with the account, then one record per QSO, lines at CR LF. */
    [[nodiscard]] static QByteArray adifFile(const QString &user, const QString &password,
                                             const QStringList &records);

    /** Sends the prepared QSOs; false while busy or with nothing prepared. */
    bool upload(const QString &user, const QString &password);
    [[nodiscard]] bool isBusy() const { return m_call != nullptr; }

    /** The user saw the server's page and says the upload worked: every sent QSO's "eqsl"
     *  becomes "S", or "X" when it was received already; all in one write. */
    WriteResult confirm();
    /** The user says it did not: nothing changes, the QSOs stay waiting. */
    void cancel();

signals:
    void statusChanged(const QString &text, bool error);
    void progress(qint64 sent, qint64 total);
    /** The server's reply, to show as a page; `ok` false when there was none. */
    void finished(bool ok, const QString &page);

private:
    HttpClient &m_http;
    UserDefaults &m_defaults;
    std::unique_ptr<HttpCall> m_call;
    QList<QsoClass> m_qsos;
    QStringList m_records;
    QString m_logbookPath;
    /** Told what the marks wrote (it may be gone by then). */
    QPointer<LogModel> m_log;
};
