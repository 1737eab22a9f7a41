// `awards show --json` on real logbooks from other programs, compared with counts that this test
// takes from the same ADIF files with its own, simple reading.

#include "../cli/CliRun.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Record = QHash<QString, QString>;

/** The records of an ADIF file: field names in lower case, values as given. */
QList<Record> readAdif(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QList<Record> records;
    Record record;
    qsizetype at = bytes.indexOf('<');
    // Lengths count bytes, so the file is walked as bytes.
    while (at >= 0 && at < bytes.size()) {
        const qsizetype close = bytes.indexOf('>', at);
        if (close < 0)
            break;
        const QList<QByteArray> parts = bytes.mid(at + 1, close - at - 1).split(':');
        const QString name = QString::fromLatin1(parts.value(0)).toLower();
        qsizetype next = close + 1;
        if (name == u"eoh") {
            record.clear();
        } else if (name == u"eor") {
            records << record;
            record.clear();
        } else if (parts.size() >= 2) {
            const qsizetype length = parts.at(1).toLongLong();
            record.insert(name, QString::fromUtf8(bytes.mid(close + 1, length)).trimmed());
            next = close + 1 + length;
        }
        at = bytes.indexOf('<', next);
    }
    return records;
}

/** What an import takes: a date, a time, a call, a mode and a band or frequency. */
bool isQso(const Record &r)
{
    const QString time = r.value(QStringLiteral("time_on")).size() >= 4
                             ? r.value(QStringLiteral("time_on"))
                             : r.value(QStringLiteral("time_off"));
    return QDate::fromString(r.value(QStringLiteral("qso_date")), QStringLiteral("yyyyMMdd"))
               .isValid() &&
           time.size() >= 4 && r.value(QStringLiteral("call")).size() >= 3 &&
           (r.value(QStringLiteral("mode")).size() >= 2 ||
            r.value(QStringLiteral("submode")).size() >= 2) &&
           (!r.value(QStringLiteral("band")).isEmpty() ||
            r.value(QStringLiteral("freq")).toDouble() > 0);
}

QStringList split(const QString &list)
{
    QStringList items;
    for (const QString &part : list.split(u',', Qt::SkipEmptyParts))
        if (!part.trimmed().isEmpty())
            items << part.trimmed().toUpper();
    return items;
}

/** The items of one record for an award, read as plainly as possible. */
QStringList itemsOf(const QString &award, const Record &r)
{
    const auto field = [&r](const char *name) { return r.value(QLatin1String(name)); };
    if (award == u"grids") {
        static const QRegularExpression grid(QStringLiteral("^[A-R]{2}[0-9]{2}"));
        QStringList items;
        for (const QString &locator : QStringList{field("gridsquare")} + split(field("vucc_grids")))
            if (grid.match(locator.toUpper()).hasMatch())
                items << locator.toUpper().left(4);
        return items;
    }
    if (award == u"was") {
        const int dxcc = field("dxcc").toInt();
        if (dxcc == 6)
            return {QStringLiteral("AK")};
        if (dxcc == 110)
            return {QStringLiteral("HI")};
        const QString state = field("state").toUpper();
        return dxcc == 291 && state.size() == 2 && state != u"DC" ? QStringList{state}
                                                                  : QStringList();
    }
    if (award == u"waz") {
        const int zone = field("cqz").toInt();
        return zone >= 1 && zone <= 40 ? QStringList{QString::number(zone)} : QStringList();
    }
    // pota, sota, wwff: the programme's field and SIG/SIG_INFO naming it.
    QStringList items = split(r.value(award + QStringLiteral("_ref")));
    if (field("sig").compare(award, Qt::CaseInsensitive) == 0)
        items += split(field("sig_info"));
    return items;
}

} // namespace

class TestAwardsCli : public QObject {
    Q_OBJECT

private slots:
    void jsonMatchesASeparateReading_data();
    void jsonMatchesASeparateReading();
    void badInputIsRefused_data();
    void badInputIsRefused();
};

void TestAwardsCli::jsonMatchesASeparateReading_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("award");
    for (const char *file : {"ADIF_316_test_QSOs_2025_08_27.adi", "Log4OM.adi", "qrz.adi"})
        for (const char *award : {"grids", "pota", "sota", "wwff"})
            QTest::newRow(
                qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(file), QLatin1String(award))))
                << file << award;
    // Files where every QSO names its entity and zone, so the import looks nothing up.
    QTest::newRow("Log4OM was") << "Log4OM.adi"
                                << "was";
    QTest::newRow("qrz was") << "qrz.adi"
                             << "was";
    QTest::newRow("Log4OM waz") << "Log4OM.adi"
                                << "waz";
}

void TestAwardsCli::jsonMatchesASeparateReading()
{
    QFETCH(QString, file);
    QFETCH(QString, award);
    const QString path = QStringLiteral(BRINDLEWICK_SHARED_ADIF "/") + file;
    if (!QFile::exists(path))
        QSKIP("the shared ADIF files are not on this machine");
    QTemporaryDir dir;
    const CliRun import = CliRun::in(dir.path(), {QStringLiteral("import"), path});
    QCOMPARE(import.exitCode, 0);

    // Worked: any QSO; confirmed here through LoTW ("Y" or "V"), the plainest flag to read.
    QSet<QString> worked;
    QSet<QString> confirmed;
    for (const Record &record : readAdif(path)) {
        if (!isQso(record))
            continue;
        const QString lotw = record.value(QStringLiteral("lotw_qsl_rcvd")).toUpper();
        for (const QString &item : itemsOf(award, record)) {
            worked.insert(item);
            if (lotw == u"Y" || lotw == u"V")
                confirmed.insert(item);
        }
    }
    const CliRun show = CliRun::in(dir.path(), {QStringLiteral("awards"), QStringLiteral("show"),
                                                award, QStringLiteral("--confirmed-by"),
                                                QStringLiteral("lotw"), QStringLiteral("--json")});
    QCOMPARE(show.exitCode, 0);
    const QJsonObject json = QJsonDocument::fromJson(show.out.toUtf8()).object();
    QCOMPARE(json.value(QStringLiteral("award")).toString(), award);
    QSet<QString> jsonWorked;
    QSet<QString> jsonConfirmed;
    for (const QJsonValue &item : json.value(QStringLiteral("items")).toArray()) {
        const QString id = item[QStringLiteral("id")].toString();
        if (item[QStringLiteral("worked")].toBool())
            jsonWorked.insert(id);
        if (item[QStringLiteral("confirmed")].toBool())
            jsonConfirmed.insert(id);
    }
    QCOMPARE(jsonWorked, worked);
    QCOMPARE(jsonConfirmed, confirmed);
    QCOMPARE(json.value(QStringLiteral("worked")).toInt(), worked.size());
    QCOMPARE(json.value(QStringLiteral("confirmed")).toInt(), confirmed.size());
}

void TestAwardsCli::badInputIsRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown award") << QStringList{"show", "dxxc"} << "Unknown award dxxc";
    QTest::newRow("unknown band") << QStringList{"show", "was", "--band", "21m"}
                                  << "Unknown band 21m";
    QTest::newRow("bad mode") << QStringList{"show", "was", "--mode", "s s b"}
                              << "Unknown mode s s b";
    QTest::newRow("bad confirmation") << QStringList{"show", "was", "--confirmed-by", "card"}
                                      << "--confirmed-by takes any, paper, lotw or eqsl";
    QTest::newRow("needed of an open set")
        << QStringList{"show", "wpx", "--needed"} << "wpx has no fixed list";
    QTest::newRow("unknown option") << QStringList{"show", "was", "--bnd", "20m"} << "--bnd";
    QTest::newRow("no action") << QStringList{} << "Usage: awards list";
}

void TestAwardsCli::badInputIsRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const CliRun run = CliRun::in(dir.path(), QStringList{QStringLiteral("awards")} + arguments);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

QTEST_GUILESS_MAIN(TestAwardsCli)
#include "tst_awardscli.moc"
