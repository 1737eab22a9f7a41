#include "services/QrzReply.h"

#include <QRegularExpression>

namespace qrzlog {
namespace {

// Reply names are upper-case words; anything else before the first "=" is not QRZ's reply (an
// HTML error page, a proxy's text).
const QRegularExpression kName(QStringLiteral("^[A-Z_]{2,20}$"));

QString clean(QString text)
{
    for (QChar &c : text)
        if (c.category() == QChar::Other_Control)
            c = u' ';
    text = text.simplified();
    if (text.size() > kMaxReason)
        text = text.left(kMaxReason) + QStringLiteral("…");
    return text;
}

/** QRZ escapes the ADIF's angle brackets so that the reply stays one form line. */
QString unescapeAdif(const QByteArray &raw)
{
    QString text = QString::fromUtf8(raw);
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

} // namespace

bool Reply::isDuplicate() const
{
    return result == Result::Fail &&
           reason.contains(QLatin1String("duplicate"), Qt::CaseInsensitive);
}

bool Reply::isBadKey() const
{
    if (result == Result::Auth)
        return true;
    // "invalid api key", "Invalid KEY", "key invalid or expired", …
    return result == Result::Fail && reason.contains(QLatin1String("key"), Qt::CaseInsensitive) &&
           reason.contains(QLatin1String("invalid"), Qt::CaseInsensitive);
}

Reply parseReply(const QByteArray &body)
{
    Reply reply;
    QByteArray text = body.trimmed();
    // The ADIF runs to the end of the reply and may hold "&" itself: it is cut off first.
    qsizetype adifAt = text.startsWith("ADIF=") ? 0 : text.indexOf("&ADIF=");
    if (adifAt >= 0) {
        const qsizetype valueAt = adifAt + (adifAt == 0 ? 5 : 6);
        reply.adif = unescapeAdif(text.mid(valueAt));
        reply.hasAdif = true;
        text.truncate(adifAt);
    }
    bool sawResult = false;
    for (const QByteArray &pair : text.split('&')) {
        const qsizetype eq = pair.indexOf('=');
        if (eq < 0)
            continue;
        const QString name = QString::fromLatin1(pair.left(eq));
        if (!kName.match(name).hasMatch())
            return {};
        const QString value =
            QString::fromUtf8(QByteArray::fromPercentEncoding(pair.mid(eq + 1))).trimmed();
        if (name == QLatin1String("RESULT")) {
            sawResult = true;
            const QString upper = value.toUpper();
            if (upper == QLatin1String("OK"))
                reply.result = Reply::Result::Ok;
            else if (upper == QLatin1String("REPLACE"))
                reply.result = Reply::Result::Replace;
            else if (upper == QLatin1String("FAIL"))
                reply.result = Reply::Result::Fail;
            else if (upper == QLatin1String("AUTH"))
                reply.result = Reply::Result::Auth;
            else
                return {};
        } else if (name == QLatin1String("REASON")) {
            reply.reason = clean(value);
        } else if (name == QLatin1String("LOGID")) {
            static const QRegularExpression digits(QStringLiteral("^[0-9]{1,20}$"));
            reply.logId = digits.match(value).hasMatch() ? value : QString();
        } else if (name == QLatin1String("COUNT")) {
            bool ok = false;
            const qint64 count = value.toLongLong(&ok);
            reply.count = ok && count >= 0 ? count : -1;
        }
    }
    if (!sawResult)
        return {};
    return reply;
}

} // namespace qrzlog
