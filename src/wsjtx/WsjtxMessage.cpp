#include "wsjtx/WsjtxMessage.h"

#include <QDataStream>
#include <QIODevice>
#include <QRegularExpression>
#include <QTimeZone>

namespace wsjtx {
namespace {

constexpr quint32 kNullText = 0xffffffff;
constexpr qint64 kMsecsPerDay = 24 * 60 * 60 * 1000;

/** Reads fields in the protocol's encodings; the first failure sticks and stops the rest. */
class FieldReader {
public:
    explicit FieldReader(const QByteArray &bytes) : m_stream(bytes)
    {
        m_stream.setByteOrder(QDataStream::BigEndian);
    }

    void setVersion(QDataStream::Version version) { m_stream.setVersion(version); }
    [[nodiscard]] bool failed() const { return !m_error.isEmpty(); }
    [[nodiscard]] const QString &error() const { return m_error; }
    [[nodiscard]] bool atEnd() const { return m_stream.atEnd(); }

    template <typename Number> Number number()
    {
        Number value{};
        if (failed())
            return value;
        if (left() < qint64(sizeof(Number))) {
            fail();
            return value;
        }
        m_stream >> value;
        return value;
    }

    /** "utf8": a QByteArray with a 32-bit length, 0xffffffff for a null text. */
    QString text()
    {
        const quint32 size = number<quint32>();
        if (failed() || size == kNullText)
            return {};
        // The length is the sender's word: it must fit in what is left before anything is made.
        if (qint64(size) > left()) {
            fail();
            return {};
        }
        QByteArray bytes(qsizetype(size), Qt::Uninitialized);
        if (m_stream.readRawData(bytes.data(), int(size)) != int(size)) {
            fail();
            return {};
        }
        return QString::fromUtf8(bytes);
    }

    /** QDateTime as Qt 5.2 and later write it: Julian day, milliseconds of the day, the kind of
     * time and for an offset its seconds, for a time zone the zone. */
    QDateTime dateTime()
    {
        const qint64 julianDay = number<qint64>();
        const quint32 msecs = number<quint32>();
        const quint8 timeSpec = number<quint8>();
        if (failed())
            return {};
        const QDate date = QDate::fromJulianDay(julianDay);
        const QTime time =
            msecs < kMsecsPerDay ? QTime::fromMSecsSinceStartOfDay(int(msecs)) : QTime();
        QDateTime local;
        switch (timeSpec) {
        case Qt::LocalTime:
            local = QDateTime(date, time);
            break;
        case Qt::UTC:
            local = QDateTime(date, time, QTimeZone::utc());
            break;
        case Qt::OffsetFromUTC: {
            const qint32 offset = number<qint32>();
            local = QDateTime(date, time, QTimeZone::utc()).addSecs(-qint64(offset));
            break;
        }
        case Qt::TimeZone: {
            // Programs built with Qt 6 before 6.5 write even UTC this way. Qt reads the zone's
            // texts with their lengths checked.
            const QTimeZone zone = timeZone();
            if (m_stream.status() != QDataStream::Ok)
                fail();
            else if (!zone.isValid())
                m_error = QStringLiteral("Date-time in an unknown time zone");
            local = QDateTime(date, time, zone);
            break;
        }
        default:
            m_error = QStringLiteral("Date-time with an unknown kind of time %1").arg(timeSpec);
        }
        if (failed() || !date.isValid() || !time.isValid())
            return {};
        return local.toUTC();
    }

    /** A time zone as QDataStream writes it: its IANA id, or "OffsetFromUtc" followed by the
     *  id, offset, names, territory and comment of a custom zone. Qt's own reader opens the id
     *  as a file below the zone folder, so the id is checked here first. */
    QTimeZone timeZone()
    {
        QString id;
        m_stream >> id;
        if (id != QLatin1String("OffsetFromUtc"))
            return knownZone(id);
        qint32 offset = 0;
        qint32 territory = 0;
        QString name;
        QString abbreviation;
        QString comment;
        m_stream >> id >> offset >> name >> abbreviation >> territory >> comment;
        if (const QTimeZone zone = knownZone(id); zone.isValid())
            return zone;
        constexpr qint32 kMaxOffset = 14 * 3600;
        return qAbs(offset) <= kMaxOffset ? QTimeZone(offset) : QTimeZone();
    }

    /** The zone with an IANA id such as "UTC" or "America/New_York", only when the system
     *  knows it; anything else (a path, a dot folder, odd characters) is no zone. */
    static QTimeZone knownZone(const QString &id)
    {
        static const QRegularExpression kZoneId(
            QStringLiteral("^[A-Za-z][A-Za-z0-9_+-]{0,29}(/[A-Za-z][A-Za-z0-9_+-]{0,29}){0,2}$"));
        if (!kZoneId.match(id).hasMatch())
            return {};
        const QByteArray latin = id.toLatin1();
        if (!QTimeZone::isTimeZoneIdAvailable(latin))
            return {};
        return QTimeZone(latin);
    }

    void fail()
    {
        if (m_error.isEmpty())
            m_error = QStringLiteral("Message ends inside a field");
    }

private:
    [[nodiscard]] qint64 left() const
    {
        return m_stream.device() ? m_stream.device()->bytesAvailable() : 0;
    }

    QDataStream m_stream;
    QString m_error;
};

void readQsoLogged(FieldReader &in, WsjtxQso &qso)
{
    qso.timeOff = in.dateTime();
    qso.dxCall = in.text();
    qso.dxGrid = in.text();
    qso.txFrequencyHz = in.number<quint64>();
    qso.mode = in.text();
    qso.reportSent = in.text();
    qso.reportReceived = in.text();
    qso.txPower = in.text();
    qso.comments = in.text();
    qso.name = in.text();
    qso.timeOn = in.dateTime();
    // Older senders stop here or after any of the later fields; a message may end between fields
    // but not inside one.
    QString *later[] = {&qso.operatorCall, &qso.myCall,           &qso.myGrid,
                        &qso.exchangeSent, &qso.exchangeReceived, &qso.propagationMode};
    for (QString *field : later) {
        if (in.failed() || in.atEnd())
            return;
        *field = in.text();
    }
}

} // namespace

std::optional<WsjtxMessage> readWsjtxMessage(const QByteArray &datagram, QString *error)
{
    FieldReader in(datagram);
    WsjtxMessage message;
    const auto refuse = [error](const QString &reason) -> std::optional<WsjtxMessage> {
        if (error)
            *error = reason;
        return std::nullopt;
    };

    const quint32 magic = in.number<quint32>();
    if (in.failed() || magic != WsjtxMessage::kMagic)
        return refuse(QStringLiteral("Not a WSJT-X message"));
    message.schema = in.number<quint32>();
    if (in.failed())
        return refuse(in.error());
    // Schema 1 used a broken stream format that no current sender writes.
    if (message.schema == 2)
        in.setVersion(QDataStream::Qt_5_2);
    else if (message.schema == 3)
        in.setVersion(QDataStream::Qt_5_4);
    else
        return refuse(QStringLiteral("Unknown WSJT-X message schema %1").arg(message.schema));
    message.type = in.number<quint32>();
    message.id = in.text();
    if (in.failed())
        return refuse(in.error());

    if (message.type == WsjtxMessage::QsoLogged)
        readQsoLogged(in, message.qso);
    else if (message.type == WsjtxMessage::LoggedAdif)
        message.adif = in.text();
    if (in.failed())
        return refuse(in.error());
    if (error)
        error->clear();
    return message;
}

} // namespace wsjtx
