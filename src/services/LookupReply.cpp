#include "services/LookupReply.h"

#include <QXmlStreamReader>

namespace lookup {
namespace {

LookupReply refused(const QXmlStreamReader &reader, const QString &why)
{
    LookupReply reply;
    reply.errorCode =
        int(reader.error() == QXmlStreamReader::NoError ? QXmlStreamReader::CustomError
                                                        : reader.error());
    reply.errorText = why.isEmpty() ? reader.errorString() : why;
    return reply;
}

} // namespace

LookupReply parseLookupReply(const QByteArray &xml)
{
    QXmlStreamReader reader;
    if (xml.size() > kMaxReplyBytes)
        return refused(reader, QStringLiteral("reply too large"));
    reader.addData(xml);
    // Every element's text is collected into the result only; the table is handed over whole.
    QHash<QString, QString> items;
    QString current;
    QString text;
    int depth = 0;
    int elements = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::DTD:
            return refused(reader, QStringLiteral("a DTD is not allowed"));
        case QXmlStreamReader::EntityReference:
            return refused(reader, QStringLiteral("undeclared entity"));
        case QXmlStreamReader::StartElement:
            if (++depth > kMaxDepth)
                return refused(reader, QStringLiteral("nested too deeply"));
            if (++elements > kMaxElements)
                return refused(reader, QStringLiteral("too many elements"));
            current = reader.name().toString();
            text.clear();
            break;
        case QXmlStreamReader::Characters: {
            QString piece = reader.text().toString();
            piece.remove(QLatin1Char('\n'));
            piece.remove(QLatin1Char('\t'));
            if (text.size() + piece.size() > kMaxTextChars)
                return refused(reader, QStringLiteral("text too long"));
            text += piece;
            break;
        }
        case QXmlStreamReader::EndElement:
            --depth;
            items.insert(reader.name().toString(), text);
            text.clear();
            break;
        default:
            break;
        }
    }
    if (reader.hasError())
        return refused(reader, {});
    LookupReply reply;
    reply.items = std::move(items);
    reply.ok = true;
    return reply;
}

} // namespace lookup
