#include "services/ClublogForm.h"

#include <QFileDevice>
#include <QIODevice>
#include <QUrl>

namespace {

QByteArray boundary()
{
    return QByteArray(ClublogForm::kBoundary);
}

QByteArray field(const char *name, const QByteArray &value)
{
    return "Content-Disposition: form-data; name='" + QByteArray(name) + "'\r\n\r\n" + value +
           "\r\n--" + boundary() + "\r\n";
}

} // namespace

ClublogForm::ClublogForm(QIODevice &out) : m_out(out)
{}

QByteArray ClublogForm::contentType()
{
    return "multipart/form-data; charset=utf-8; boundary=" + boundary();
}

QByteArray ClublogForm::encodeValue(const QString &value)
{
    // Letters, digits and "-._~" stay anyway; these are the rest of what a query may hold.
    return QUrl::toPercentEncoding(value, "!$&'()*+,/:;=?@");
}

QByteArray ClublogForm::fieldsPart(const Fields &fields)
{
    QByteArray part = "--" + boundary() + "\r\n";
    part += field("email", encodeValue(fields.email));
    part += field("password", encodeValue(fields.password));
    part += field("callsign", encodeValue(fields.callsign));
    if (fields.clear)
        part += field("clear", "1");
    part += field("api", encodeValue(fields.apiKey));
    part +=
        "Content-Disposition: form-data; name='file'; filename='" + QByteArray(kFileName) + "'\r\n";
    part += "Content-Type: application/file\r\n\r\n";
    return part;
}

QByteArray ClublogForm::closing()
{
    return "\r\n--" + boundary() + "--\r\n";
}

bool ClublogForm::write(const QByteArray &bytes)
{
    if (!m_error.isEmpty())
        return false;
    if (m_out.write(bytes) != bytes.size()) {
        m_error = m_out.errorString();
        return false;
    }
    m_size += bytes.size();
    return true;
}

bool ClublogForm::begin(const Fields &fields, const QString &adifHead)
{
    return write(fieldsPart(fields)) && write(adifHead.toUtf8());
}

bool ClublogForm::addRecord(const QString &record)
{
    return write(record.toUtf8());
}

bool ClublogForm::addRecords(const QByteArray &records)
{
    return write(records);
}

bool ClublogForm::finish()
{
    if (!write(closing()))
        return false;
    if (auto *file = qobject_cast<QFileDevice *>(&m_out); file && !file->flush()) {
        m_error = file->errorString();
        return false;
    }
    return true;
}
