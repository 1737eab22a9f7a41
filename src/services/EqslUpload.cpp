#include "services/EqslUpload.h"

#include "app/UserDefaults.h"
#include "model/LogModel.h"
#include "model/QslSession.h"
#include "services/EqslApply.h"
#include "services/QslTexts.h"

namespace {

const QString kEqslHost = QStringLiteral("EqslHost");

QString text(const char *literal)
{
    return qsltexts::shown(literal);
}

/** "<NAME:length>value " with the length in UTF-8 bytes, as the value is sent. */
QByteArray headerField(const char *name, const QString &value)
{
    const QByteArray bytes = value.toUtf8();
    return QByteArray(name) + QByteArray::number(bytes.size()) + '>' + bytes + ' ';
}

} // namespace

EqslUpload::EqslUpload(HttpClient &http, UserDefaults &defaults, QObject *parent)
    : QObject(parent), m_http(http), m_defaults(defaults)
{}

QString EqslUpload::prepare(LogModel &log, const QList<QsoClass> &selected, const QString &message)
{
    m_qsos = selected.isEmpty() ? log.getQsos4eQslUpload() : selected;
    m_records.clear();
    m_logbookPath = log.fullLogDatabasePath();
    m_log = &log;
    for (QsoClass qso : std::as_const(m_qsos)) {
        if (!message.isEmpty())
            qso.note = message;
        m_records << log.makeADIF4eQSLfromQSO(qso);
    }
    if (m_qsos.isEmpty())
        return {};
    return text(selected.isEmpty() ? qsltexts::kNotUploadedYet : qsltexts::kSelectedForUpload)
        .arg(m_qsos.size());
}

QByteArray EqslUpload::adifFile(const QString &user, const QString &password,
                                const QStringList &records)
{
    QByteArrayList lines = {"<programid:10>Quellbrand", headerField("<EQSL_USER:", user),
                            headerField("<EQSL_PSWD:", password), "<eoh>"};
    for (const QString &record : records)
        lines << record.toUtf8();
    return lines.join("\r\n") + "\r\n";
}

bool EqslUpload::upload(const QString &user, const QString &password)
{
    if (m_call || m_qsos.isEmpty())
        return false;
    emit statusChanged(text(qsltexts::kUploading), false);
    const HttpClient::FilePart file{QStringLiteral("Filename"), QStringLiteral("NoFile.adif"),
                                    "application/octet-stream",
                                    adifFile(user, password, m_records)};
    m_call.reset(m_http.postFile(m_defaults.string(kEqslHost),
                                 QStringLiteral("/qslcard/ImportADIF.cfm"), file));
    connect(m_call.get(), &HttpCall::progress, this, &EqslUpload::progress);
    connect(m_call.get(), &HttpCall::finished, this, [this](const HttpResult &result) {
        m_call.release()->deleteLater();
        if (result.status == 0) {
            emit statusChanged(result.error, true);
            emit finished(false, {});
            return;
        }
        emit statusChanged(text(qsltexts::kFinished), false);
        emit finished(true, QString::fromUtf8(result.body));
    });
    return true;
}

WriteResult EqslUpload::confirm()
{
    if (m_logbookPath.isEmpty())
        return WriteResult::failed(text(qsltexts::kNoSyncedLog));
    QslSession session(m_logbookPath, m_defaults.logDateFormaterStyle());
    if (!session.isOpen())
        return WriteResult::failed(session.error());
    // All marked in one statement, or none.
    QList<QslSession::Mark> marks;
    marks.reserve(m_qsos.size());
    for (const QsoClass &qso : std::as_const(m_qsos)) {
        if (!qso.isStored())
            return WriteResult::notStored();
        marks.append({*qso.id, qso.adif, eqsl::uploadedState(qso.eqsl)});
    }
    if (WriteResult result = session.setMarks(QStringLiteral("eqsl"), marks); !result)
        return result;
    WriteResult result = session.commit();
    if (result) {
        if (m_log)
            m_log->takeCommitted(m_logbookPath, session.change());
        m_qsos.clear();
        m_records.clear();
        emit statusChanged(text(qsltexts::kDone), false);
    }
    return result;
}

void EqslUpload::cancel()
{
    m_qsos.clear();
    m_records.clear();
}
