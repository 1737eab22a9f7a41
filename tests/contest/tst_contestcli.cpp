// brindlewick-cli's contest commands, run as a user would: a session started, QSOs logged (a dupe
// refused with exit 3 unless allowed), the score and the Cabrillo file.

#include "../cli/CliRun.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {

const auto cli = &CliRun::in;

} // namespace

class TestContestCli : public QObject {
    Q_OBJECT
private slots:
    void aSessionFromStartToCabrillo()
    {
        QTemporaryDir dir;
        const QString data = dir.path();
        CliRun run = cli(data, {"--json", "contest", "list"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains(QLatin1String("\"CQ-WW-CW\"")));

        run = cli(data, {"contest", "log", "K1ABC", "599", "5", "--freq", "14025"});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, QStringLiteral("No contest session: contest start NAME"));

        run = cli(data, {"contest", "start", "cq-wpx-cw", "--call", "DL1ABC", "--category",
                         "POWER=LOW,CATEGORY-OPERATOR=SINGLE-OP"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains(QLatin1String("sent: 599 1")), qPrintable(run.out));

        const QString time = QDateTime::currentDateTimeUtc().addSecs(60).toString(
            QStringLiteral("yyyy-MM-dd HH:mm:00"));
        run = cli(data, {"--json", "contest", "log", "K1ABC", "599", "7", "--freq", "14025",
                         "--time", time});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject logged = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(logged.value("sent").toString(), QStringLiteral("599 1"));
        QCOMPARE(logged.value("points").toInt(), 3);
        QCOMPARE(logged.value("next serial").toInt(), 2);

        run = cli(data, {"contest", "log", "K1ABC", "599", "8", "--freq", "14030", "--time", time});
        QCOMPARE(run.exitCode, 3);
        QCOMPARE(run.out, QStringLiteral("dupe"));
        QVERIFY2(run.err.startsWith(QLatin1String("Dupe 20m CW ")), qPrintable(run.err));

        run = cli(data, {"contest", "log", "K1ABC", "599", "8", "--freq", "14030", "--time", time,
                         "--allow-dupe"});
        QCOMPARE(run.exitCode, 0);

        run = cli(data, {"contest", "log", "W1AW", "599", "0", "--freq", "7010", "--time", time});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, QStringLiteral("serial: 0 is not a serial number (1–99999)"));

        run = cli(data, {"--json", "contest", "score"});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject score = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(score.value("qsos").toInt(), 1);
        QCOMPARE(score.value("dupes").toInt(), 1);
        QCOMPARE(score.value("score").toInt(), 3);
        QCOMPARE(score.value("multipliers").toObject().value("prefixes").toInt(), 1);

        const QString file = dir.filePath(QStringLiteral("log.cbr"));
        run = cli(data, {"contest", "cabrillo", "-o", file});
        QCOMPARE(run.exitCode, 0);
        QFile cabrillo(file);
        QVERIFY(cabrillo.open(QIODevice::ReadOnly));
        const QStringList lines =
            QString::fromUtf8(cabrillo.readAll()).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.first(), QStringLiteral("START-OF-LOG: 3.0"));
        QVERIFY(lines.contains(QStringLiteral("CATEGORY-POWER: LOW")));
        QVERIFY(lines.contains(QStringLiteral("CLAIMED-SCORE: 3")));
        QCOMPARE(lines
                     .filter(QRegularExpression(
                         QStringLiteral("^QSO: 14025 CW .* DL1ABC +599 +1 +K1ABC +599 +7$")))
                     .size(),
                 1);
        QCOMPARE(lines.filter(QStringLiteral("QSO:")).size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestContestCli)
#include "tst_contestcli.moc"
