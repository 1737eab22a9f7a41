#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

/** The multipart form body of a Club Log upload, written piece by piece to a device so that a
 *  whole logbook never has to sit in memory: the account fields, the file part with the ADIF
 *  header, the records as they are read, and the closing boundary. The field layout (single
 *  quotes, percent-encoded values, the file name) is what Club Log has always been sent. */
class ClublogForm {
public:
    static constexpr char kBoundary[] = "0xKhTmLbOuNdArY";
    static constexpr char kFileName[] = "Morvalen.adi";

    struct Fields {
        QString email;
        QString password;
        QString callsign;
        bool clear = false; // a full upload replaces the Club Log logbook
        QString apiKey;
    };

    /** Writes to `out`, which must be open for writing. */
    explicit ClublogForm(QIODevice &out);

    /** The fields and the start of the file part, ending with the ADIF header. */
    bool begin(const Fields &fields, const QString &adifHead);
    bool addRecord(const QString &record);
    /** Records already in UTF-8. */
    bool addRecords(const QByteArray &records);
    /** The closing boundary; the device is flushed. */
    bool finish();

    /** Bytes written so far. */
    [[nodiscard]] qint64 size() const { return m_size; }
    /** Why the last write failed; empty while all went well. */
    [[nodiscard]] const QString &error() const { return m_error; }

    /** The request's "Content-Type" with the charset and the boundary. */
    [[nodiscard]] static QByteArray contentType();
    /** The body up to the file's contents. */
    [[nodiscard]] static QByteArray fieldsPart(const Fields &fields);
    [[nodiscard]] static QByteArray closing();
    /** A field value percent-encoded with the characters a URL query keeps. */
    [[nodiscard]] static QByteArray encodeValue(const QString &value);

private:
    bool write(const QByteArray &bytes);

    QIODevice &m_out;
    qint64 m_size = 0;
    QString m_error;
};
