#pragma once

#include <QProcess>
#include <QSignalSpy>
#include <QString>
#include <QStringList>

/** One run of brindlewick-cli on a data folder: exit code and what it printed, trimmed. */
struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;

    static CliRun in(const QString &dataDir, const QStringList &arguments)
    {
        QProcess process;
        process.start(QStringLiteral(BRINDLEWICK_CLI),
                      QStringList{QStringLiteral("--data-dir"), dataDir} + arguments);
        if (!process.waitForFinished(60000))
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()).trimmed(),
                QString::fromUtf8(process.readAllStandardError()).trimmed()};
    }

    /** The same while the test's event loop goes on, so that a loopback service in the test's
     *  process can answer the command line. */
    static CliRun served(const QString &dataDir, const QStringList &arguments)
    {
        QProcess process;
        QSignalSpy done(&process, &QProcess::finished);
        process.start(QStringLiteral(BRINDLEWICK_CLI),
                      QStringList{QStringLiteral("--data-dir"), dataDir} + arguments);
        if (!done.wait(60000))
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()).trimmed(),
                QString::fromUtf8(process.readAllStandardError()).trimmed()};
    }
};
