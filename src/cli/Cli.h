#pragma once

#include "root/AppDelegate.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QTextStream>

/** What every subcommand gets: the application object, the output style and the three ways a
 *  command ends (success, bad usage, failed operation). */
class Cli {
public:
    enum ExitCode { Success = 0, BadUsage = 1, Failed = 2 };

    Cli(AppDelegate &app, bool json);

    [[nodiscard]] AppDelegate &app() { return m_app; }
    [[nodiscard]] bool json() const { return m_json; }

    /** One result: a JSON object with --json, else one "key: value" line per member. */
    void print(const QJsonObject &result);
    /** A list: a JSON array with --json, else the given text lines. */
    void print(const QJsonArray &results, const QStringList &textLines);
    /** One JSON object per line (streamed results) with --json, else the text line. */
    void printLine(const QJsonObject &result, const QString &textLine);
    /** Plain text on standard output. */
    void text(const QString &line);
    /** A progress or status line on standard error; never mixed into the results. */
    void status(const QString &line);

    /** Writes the one-line message to standard error and returns the exit code. */
    int usage(const QString &message);
    int failed(const QString &message);

private:
    AppDelegate &m_app;
    bool m_json;
    QTextStream m_out;
    QTextStream m_err;
};
