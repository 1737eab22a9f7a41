#include "refdata/MemberListFile.h"

#include <QCoreApplication>
#include <QList>

namespace memberlist {

namespace {

bool looksLikeHtml(const QByteArray &body)
{
    const QByteArray head = body.left(1024).trimmed().toLower();
    return head.startsWith('<') || head.contains("<html") || head.contains("<!doctype");
}

/** Letters, digits and strokes with at least one letter and one digit, as every callsign has. */
bool looksLikeCallsign(const QByteArray &text)
{
    bool letter = false;
    bool digit = false;
    for (const char c : text) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
            letter = true;
        else if (c >= '0' && c <= '9')
            digit = true;
        else if (c != '/')
            return false;
    }
    return letter && digit;
}

QByteArray firstField(const QByteArray &line)
{
    const qsizetype comma = line.indexOf(',');
    return (comma < 0 ? line : line.left(comma)).trimmed();
}

} // namespace

QString fileName(Kind kind)
{
    return kind == Kind::Lotw ? QStringLiteral("lotw.txt") : QStringLiteral("eqsl.txt");
}

std::optional<Stored> fromDownload(Kind kind, const QByteArray &body)
{
    if (body.trimmed().isEmpty() || looksLikeHtml(body))
        return std::nullopt;
    const QList<QByteArray> lines = body.split('\n');
    bool anyCallsign = false;
    for (const QByteArray &line : lines)
        if (looksLikeCallsign(firstField(line))) {
            anyCallsign = true;
            break;
        }
    if (!anyCallsign)
        return std::nullopt;

    Stored stored;
    if (kind == Kind::Lotw) {
        for (const QByteArray &line : lines) {
            if (!line.isEmpty())
                ++stored.count;
            const qsizetype comma = line.indexOf(',');
            stored.contents += (comma < 0 ? line : line.left(comma)) + '\n';
        }
    } else {
        stored.contents = body;
        stored.count =
            int(QString::fromLatin1(body).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).size());
    }
    return stored;
}

QString membershipText(bool lotwUser, bool eqslUser)
{
    if (lotwUser && eqslUser)
        return QCoreApplication::translate("MemberListTexts", "LotW + eQSL user");
    if (eqslUser)
        return QCoreApplication::translate("MemberListTexts", "eQSL user");
    if (lotwUser)
        return QCoreApplication::translate("MemberListTexts", "LotW user");
    return {};
}

} // namespace memberlist
