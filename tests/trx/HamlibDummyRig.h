#pragma once

// Hamlib's own rigctld with its dummy radio (`rigctld -m 1`) on a free loopback port, for as long
// as the object lives. Tests skip when Debian's libhamlib-utils is not installed.

#include <QFile>
#include <QHostAddress>
#include <QProcess>
#include <QTcpServer>

class HamlibDummyRig {
public:
    static constexpr char kProgram[] = "/usr/bin/rigctld";

    [[nodiscard]] static bool installed() { return QFile::exists(QString::fromLatin1(kProgram)); }

    /** Starts rigctld; false when it could not be started. It listens a moment later. */
    bool start()
    {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost))
            return false;
        m_port = probe.serverPort();
        probe.close();
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QString::fromLatin1(kProgram),
                        {QStringLiteral("-m"), QStringLiteral("1"), QStringLiteral("-T"),
                         QStringLiteral("127.0.0.1"), QStringLiteral("-t"),
                         QString::number(m_port)});
        return m_process.waitForStarted();
    }

    ~HamlibDummyRig()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        m_process.waitForFinished(3000);
    }

    [[nodiscard]] quint16 port() const { return m_port; }

private:
    QProcess m_process;
    quint16 m_port = 0;
};
