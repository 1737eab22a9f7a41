#pragma once

// A scripted web server on the loopback interface for the tests of everything that downloads:
// every request is recorded, and the answer for its path is looked up in a table (status, body,
// or no answer at all for the time-out cases), or one answer serves every request.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#include <functional>

class LoopbackHttpServer : public QObject {
public:
    struct Answer {
        int status = 200;
        QByteArray body;
        bool silent = false; // accept, read, never answer
        int trickleMs = 0;   // > 0: the body one byte at a time, this far apart
    };
    struct Request {
        QByteArray method;
        QByteArray target; // path and query as sent
        QByteArray head;
        QByteArray body;
        /** "GET /path?query HTTP/1.1" */
        [[nodiscard]] QByteArray requestLine() const { return head.left(head.indexOf('\r')); }
        [[nodiscard]] QByteArray path() const { return target.split('?').value(0); }
        [[nodiscard]] QByteArray query() const
        {
            const qsizetype at = target.indexOf('?');
            return at < 0 ? QByteArray() : target.mid(at + 1);
        }
        [[nodiscard]] QByteArray header(const QByteArray &name) const
        {
            for (const QByteArray &line : head.split('\n'))
                if (line.toLower().startsWith(name.toLower() + ':'))
                    return line.mid(name.size() + 1).trimmed();
            return {};
        }
    };

    LoopbackHttpServer()
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                auto *buffer = new QByteArray;
                connect(socket, &QObject::destroyed, this, [buffer] { delete buffer; });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                connect(socket, &QTcpSocket::readyRead, socket,
                        [this, socket, buffer] { receive(socket, *buffer); });
            }
        });
    }

    /** Answers every request alike. */
    LoopbackHttpServer(int status, QByteArray body) : LoopbackHttpServer()
    {
        respond([answer = Answer{status, std::move(body)}](const Request &) { return answer; });
    }

    void answer(const QByteArray &path, Answer answer) { m_answers.insert(path, answer); }
    /** Answers every request by its whole target (a service that keeps one path for all). */
    void respond(std::function<Answer(const Request &)> responder)
    {
        m_responder = std::move(responder);
    }
    [[nodiscard]] QString url() const
    {
        return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort());
    }
    [[nodiscard]] const QList<Request> &requests() const { return m_requests; }

private:
    void receive(QTcpSocket *socket, QByteArray &buffer)
    {
        buffer += socket->readAll();
        const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
        if (headEnd < 0)
            return;
        Request request;
        request.head = buffer.left(headEnd);
        const qsizetype length = request.header("Content-Length").toLongLong();
        if (buffer.size() < headEnd + 4 + length)
            return;
        const QList<QByteArray> line = request.head.split('\n').value(0).trimmed().split(' ');
        request.method = line.value(0);
        request.target = line.value(1);
        request.body = buffer.mid(headEnd + 4, length);
        buffer.clear();
        m_requests.append(request);
        const Answer answer =
            m_responder ? m_responder(request)
                        : m_answers.value(request.path(), Answer{404, "no such page", false});
        if (answer.silent)
            return;
        if (answer.trickleMs > 0) {
            socket->write("HTTP/1.1 200 X\r\nContent-Type: text/plain\r\nContent-Length: " +
                          QByteArray::number(answer.body.size()) + "\r\n\r\n");
            auto *timer = new QTimer(socket);
            connect(timer, &QTimer::timeout, socket,
                    [socket, body = answer.body, sent = 0]() mutable {
                        if (sent < body.size())
                            socket->write(body.mid(sent++, 1));
                    });
            timer->start(answer.trickleMs);
            return;
        }
        socket->write("HTTP/1.1 " + QByteArray::number(answer.status) +
                      " X\r\nContent-Type: text/html\r\nContent-Length: " +
                      QByteArray::number(answer.body.size()) + "\r\nConnection: close\r\n\r\n" +
                      answer.body);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QByteArray, Answer> m_answers;
    QList<Request> m_requests;
    std::function<Answer(const Request &)> m_responder;
};
