// brindlewick-loggen OUT.rlog N [--seed S] [--calls MASTER.SCP] [--last-day yyyy-MM-dd]
//                   [--years Y]
// Writes a logbook of N realistic QSOs for tests, benchmarks and trying the program out.

#include "loggen/CallsignList.h"
#include "loggen/LogbookWriter.h"
#include "loggen/QsoGenerator.h"
#include "root/Startup.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>

#include <cstdio>

namespace {

constexpr char kUsage[] =
    "usage: brindlewick-loggen OUT.rlog N [--seed S] [--calls MASTER.SCP]\n"
    "                          [--last-day yyyy-MM-dd] [--years Y]\n"
    "  Writes a new logbook of N QSOs; the same seed gives the same logbook.\n"
    "  Callsigns come from MASTER.SCP (default: the copy fetched by\n"
    "  scripts/fetch-debian-data.sh hamradio-files).\n";

int fail(const QString &message, int code = 2)
{
    std::fprintf(stderr, "brindlewick-loggen: %s\n", qPrintable(message));
    return code;
}

int usage()
{
    std::fputs(kUsage, stderr);
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    startup::useUtcTimeZone();
    QCoreApplication application(argc, argv);
    // Dates are written in the short style of the programs' fixed "en_GB" locale.
    QLocale::setDefault(QLocale(QStringLiteral("en_GB")));

    QStringList words = QCoreApplication::arguments().mid(1);
    QStringList positional;
    loggen::Options options;
    QString calls;
    while (!words.isEmpty()) {
        const QString word = words.takeFirst();
        if (!word.startsWith(QLatin1String("--"))) {
            positional.append(word);
            continue;
        }
        if (word == QLatin1String("--help")) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (words.isEmpty())
            return usage();
        const QString value = words.takeFirst();
        bool ok = true;
        if (word == QLatin1String("--seed"))
            options.seed = value.toULongLong(&ok);
        else if (word == QLatin1String("--calls"))
            calls = value;
        else if (word == QLatin1String("--last-day"))
            ok = (options.lastDay = QDate::fromString(value, Qt::ISODate)).isValid();
        else if (word == QLatin1String("--years"))
            options.years = value.toInt(&ok);
        else
            return usage();
        if (!ok || options.years < 1)
            return fail(QStringLiteral("bad value for %1: %2").arg(word, value), 1);
    }
    bool ok = false;
    const qint64 count = positional.value(1).toLongLong(&ok);
    if (positional.size() != 2 || !ok || count < 0)
        return usage();

    if (calls.isEmpty()) {
        calls = loggen::fetchedMasterScp();
        if (!QFile::exists(calls))
            return fail(QStringLiteral("no callsign list: pass --calls FILE, or fetch MASTER.SCP "
                                       "with scripts/fetch-debian-data.sh hamradio-files "
                                       "(looked for %1)")
                            .arg(calls));
    }
    QString error;
    const std::optional<QStringList> callsigns = loggen::readCallsignList(calls, &error);
    if (!callsigns)
        return fail(error);

    QElapsedTimer timer;
    timer.start();
    loggen::QsoGenerator qsos(*callsigns, count, options);
    if (!loggen::writeLogbook(positional[0], qsos, count, &error))
        return fail(error);
    std::printf("%s: %lld QSOs in %.1f s\n", qPrintable(positional[0]),
                static_cast<long long>(count), static_cast<double>(timer.elapsed()) / 1000.0);
    return 0;
}
