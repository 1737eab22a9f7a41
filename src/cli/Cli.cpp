#include "cli/Cli.h"

#include <QJsonDocument>

#include <cstdio>

Cli::Cli(AppDelegate &app, bool json) : m_app(app), m_json(json), m_out(stdout), m_err(stderr)
{}

namespace {

/** Text for a terminal: control characters (escape sequences from a network peer, a stray
 *  carriage return) are replaced so that they cannot move the cursor or change the terminal. */
QString printable(QString text)
{
    for (QChar &c : text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\t' && u != u'\n') || (u >= 0x7f && u <= 0x9f))
            c = QChar(0xfffd);
    }
    return text;
}

QString plainText(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("yes") : QStringLiteral("no");
    case QJsonValue::Double:
        return value.toVariant().toString();
    case QJsonValue::String:
        return value.toString();
    case QJsonValue::Array:
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    case QJsonValue::Object:
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    default:
        return {};
    }
}

} // namespace

void Cli::print(const QJsonObject &result)
{
    if (m_json) {
        m_out << QJsonDocument(result).toJson(QJsonDocument::Compact) << '\n';
    } else {
        for (auto it = result.begin(); it != result.end(); ++it)
            m_out << printable(it.key()) << ": " << printable(plainText(it.value())) << '\n';
    }
    m_out.flush();
}

void Cli::print(const QJsonArray &results, const QStringList &textLines)
{
    if (m_json)
        m_out << QJsonDocument(results).toJson(QJsonDocument::Compact) << '\n';
    else
        for (const QString &line : textLines)
            m_out << printable(line) << '\n';
    m_out.flush();
}

void Cli::printLine(const QJsonObject &result, const QString &textLine)
{
    if (m_json)
        m_out << QJsonDocument(result).toJson(QJsonDocument::Compact) << '\n';
    else
        m_out << printable(textLine) << '\n';
    m_out.flush();
}

void Cli::text(const QString &line)
{
    m_out << printable(line) << '\n';
    m_out.flush();
}

void Cli::status(const QString &line)
{
    m_err << printable(line) << '\n';
    m_err.flush();
}

int Cli::usage(const QString &message)
{
    status(message);
    return BadUsage;
}

int Cli::failed(const QString &message)
{
    status(message);
    return Failed;
}
