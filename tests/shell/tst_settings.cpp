// The settings screens: which key each writes, in which form, and what it announces.

#include "LoopbackHttpServer.h"
#include "ShellFixture.h"
#include "model/LogModel.h"
#include "shell/BandTableSettings.h"
#include "shell/CountryFileSettings.h"
#include "shell/DateStyleSettings.h"
#include "shell/MemberListDownload.h"
#include "shell/StationSettings.h"
#include "shell/UserFieldSettings.h"

#include <QSignalSpy>
#include <QTcpServer>

#include <zlib.h>

namespace {

/** The hand-written country file grown to the size of a real one by records of made-up
 *  entities (numbers from 1000 on), which a rebuild insists on. */
QByteArray withFillerRecords(QByteArray xml)
{
    QByteArray entities;
    QByteArray exceptions;
    QByteArray prefixes;
    for (int i = 0; i < 1000; ++i) {
        const QByteArray adif = QByteArray::number(1000 + i % 400);
        const QByteArray call = "Q" + QByteArray::number(i);
        if (i < 400)
            entities += "<entity><adif>" + adif + "</adif><name>LAND</name><prefix>" + call +
                        "</prefix><deleted>FALSE</deleted><cqz>1</cqz><cont>EU</cont></entity>\n";
        exceptions +=
            "<exception><call>" + call + "X</call><adif>" + adif + "</adif></exception>\n";
        prefixes += "<prefix><call>" + call + "</call><adif>" + adif + "</adif></prefix>\n";
    }
    xml.insert(xml.indexOf("</entities>"), entities);
    xml.insert(xml.indexOf("</exceptions>"), exceptions);
    xml.insert(xml.indexOf("</prefixes>"), prefixes);
    return xml;
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

    ShellFixture f;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        f.setUp();
        (void)f.app->log();
    }
    void cleanup() { f.tearDown(); }

    void bandTableEdit_data()
    {
        QTest::addColumn<bool>("wholeKHz");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QVariant>("stored"); // invalid: refused
        QTest::newRow("tablet keeps decimals") << false << 5 << "3572.5" << QVariant(3572.5);
        QTest::newRow("phone rounds to whole kHz") << true << 5 << "3572.5" << QVariant(3573);
        QTest::newRow("last field, 70cm upper edge")
            << false << 47 << "438000" << QVariant(438000.0);
        QTest::newRow("blanks around are fine") << true << 0 << " 1810 " << QVariant(1810);
        QTest::newRow("letters refused") << false << 1 << "18x8" << QVariant();
        QTest::newRow("negative refused") << true << 2 << "-5" << QVariant();
        QTest::newRow("no such field") << false << 48 << "1000" << QVariant();
    }

    void bandTableEdit()
    {
        QFETCH(bool, wholeKHz);
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QVariant, stored);
        BandTableSettings table(f.app->defaults());
        table.setWholeKHz(wholeKHz);
        const QVariantList before = f.app->defaults().list(QStringLiteral("QRGs"));
        QCOMPARE(table.values().size(), 48);
        QCOMPARE(table.values().at(4), QStringLiteral("3500"));
        QSignalSpy bandsRead(&f.app->functions(), &MyFunctions::optionsChanged);

        QCOMPARE(table.setValue(field, typed), stored.isValid());
        const QVariantList after = f.app->defaults().list(QStringLiteral("QRGs"));
        if (!stored.isValid()) {
            QCOMPARE(after, before);
            QCOMPARE(bandsRead.size(), 0);
            return;
        }
        // The band table the spots and the entry form use is read again.
        QCOMPARE(bandsRead.size(), 1);
        const QVariant cell = after.at(field / 4).toList().at(field % 4);
        QCOMPARE(cell.toDouble(), stored.toDouble());
        QCOMPARE(cell.typeId() == QMetaType::Double, !wholeKHz);
        // Every other value is written back unchanged.
        for (int i = 0; i < 48; ++i)
            if (i != field)
                QCOMPARE(after.at(i / 4).toList().at(i % 4).toDouble(),
                         before.at(i / 4).toList().at(i % 4).toDouble());
        // A fresh editor reads what was stored.
        QCOMPARE(BandTableSettings(f.app->defaults()).values().at(field), table.values().at(field));
    }

    void userFields_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("caption") << "caption";
        QTest::newRow("ADIF index") << "index";
        QTest::newRow("remember flag") << "remember";
    }

    void userFields()
    {
        QFETCH(QString, what);
        UserFieldSettings fields(f.app->log());
        QCOMPARE(fields.adifNames().size(), 16);
        QCOMPARE(fields.caption(3), QStringLiteral("User_3"));
        f.announced.clear();
        if (what == QLatin1String("caption"))
            fields.setCaption(3, QStringLiteral("SOTA"));
        else if (what == QLatin1String("index"))
            fields.setAdifIndex(3, 2);
        else
            fields.setRemember(3, true);
        QCOMPARE(f.announced.size(), 1);
        QVERIFY(f.announced.at(0).startsWith(QLatin1String("settingsChanged UserField")));
        LogModel &log = f.app->log();
        QCOMPARE(log.getUserFieldNameForNumber(3), what == QLatin1String("caption")
                                                       ? QStringLiteral("SOTA")
                                                       : QStringLiteral("User_3"));
        QCOMPARE(log.getUserFieldAdifIdxForNumber(3), what == QLatin1String("index") ? 2 : 0);
        QCOMPARE(log.getUserFieldRememberForNumber(3), what == QLatin1String("remember"));
        // The other fields are left alone.
        QCOMPARE(log.getUserFieldNameForNumber(2), QStringLiteral("User_2"));
    }

    void userFieldOutOfRangeWritesNothing()
    {
        UserFieldSettings fields(f.app->log());
        f.announced.clear();
        fields.setCaption(0, QStringLiteral("x"));
        fields.setCaption(5, QStringLiteral("x"));
        fields.setAdifIndex(1, 16);
        fields.setAdifIndex(1, -1);
        QCOMPARE(f.announced, QStringList{});
    }

    void dateStyle_data()
    {
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("stored");
        QTest::newRow("medium") << 1 << 1;
        QTest::newRow("anything but 0 is medium") << 3 << 1;
    }

    void dateStyle()
    {
        QFETCH(int, chosen);
        DateStyleSettings style(f.app->defaults(), f.app->clock());
        QSignalSpy changed(&style, &DateStyleSettings::changed);
        QCOMPARE(style.dateFormatIndex(), 0);
        style.setDateFormatIndex(chosen);
        QTEST(int(f.app->defaults().integer(QStringLiteral("DateFormatIndex"))), "stored");
        QCOMPARE(f.app->defaults().logDateFormaterStyle(), formats::DateStyle::Medium);
        QCOMPARE(changed.size(), 1);
    }

    void station()
    {
        StationSettings station(f.app->log());
        f.announced.clear();
        station.setMyCallsign(QStringLiteral(" dl1abc/p "));
        station.setMyLocator(QStringLiteral("jo62qm"));
        LogModel &log = f.app->log();
        QCOMPARE(log.getMyCallsign(), QStringLiteral("DL1ABC/P"));
        QCOMPARE(log.getMyLocator(), QStringLiteral("JO62QM"));
        QVERIFY(station.locatorValid());
        QCOMPARE(f.announced, (QStringList{QStringLiteral("settingsChanged mycall"),
                                           QStringLiteral("settingsChanged mylocator")}));
        station.setMyLocator(QStringLiteral("XX99"));
        QVERIFY(!station.locatorValid());
    }

    void memberListDownload_data()
    {
        QTest::addColumn<bool>("lotw");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QByteArray>("stored"); // empty: the old list stays
        QTest::addColumn<bool>("alert");
        QTest::newRow("LoTW list keeps the callsigns only")
            << true << 200 << QByteArray("K1ABC,2024-05-01,10:00:00\nDL1XYZ,2024-04-30,09:00:00\n")
            << "2 LotW users read" << QByteArray("K1ABC\nDL1XYZ\n\n") << false;
        QTest::newRow("LoTW list without final line end")
            << true << 200 << QByteArray("K1ABC,2024-05-01\nDL1XYZ") << "2 LotW users read"
            << QByteArray("K1ABC\nDL1XYZ\n") << false;
        QTest::newRow("eQSL list stored as downloaded")
            << false << 200 << QByteArray("K1ABC\r\nDL1XYZ\r\nJA1AA\r\n") << "3 eQSL users read"
            << QByteArray("K1ABC\r\nDL1XYZ\r\nJA1AA\r\n") << false;
        QTest::newRow("server error")
            << true << 500 << QByteArray("busy") << "Error" << QByteArray() << false;
        QTest::newRow("HTML page with status 200")
            << true << 200
            << QByteArray("<!DOCTYPE html>\n<html><body>Maintenance K1ABC</body></html>\n")
            << "Error" << QByteArray() << true;
        QTest::newRow("empty body with status 200")
            << false << 200 << QByteArray("\r\n") << "Error" << QByteArray() << true;
        QTest::newRow("reply past the size limit")
            << false << 200 << QByteArray(MemberListDownload::kMaxBytes + 1, 'K') << "Error"
            << QByteArray() << true;
        QTest::newRow("plain text without callsigns")
            << true << 200 << QByteArray("Service unavailable, try later\n") << "Error"
            << QByteArray() << true;
    }

    void memberListDownload()
    {
        QFETCH(bool, lotw);
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, stored);
        QFETCH(bool, alert);
        LoopbackHttpServer server(status, body);
        f.app->defaults().setValue(lotw ? QStringLiteral("LotwHost") : QStringLiteral("EqslHost"),
                                   server.url());
        const QString file = f.path(lotw ? QStringLiteral("lotw.txt") : QStringLiteral("eqsl.txt"));
        const QByteArray old = lotw ? QByteArray("K9OLD\n") : QByteArray("K9OLD\r\n");
        QVERIFY(ShellFixture::write(file, old));
        MemberListDownload download(f.app->defaults(), f.app->log(), f.app->folder(),
                                    lotw ? MemberListDownload::Kind::Lotw
                                         : MemberListDownload::Kind::Eqsl);
        QSignalSpy alerts(&download, &MemberListDownload::alertRequested);
        QSignalSpy done(&download, &MemberListDownload::done);
        download.download();
        QVERIFY(download.busy());
        QTRY_VERIFY(!download.busy());
        QTEST(download.label(), "label");
        QCOMPARE(alerts.size(), alert ? 1 : 0);
        QCOMPARE(done.size(), 1);
        QCOMPARE(done.at(0).at(0).toBool(), !stored.isEmpty());
        QVERIFY(server.requests().value(0).requestLine().startsWith(
            lotw ? "GET /lotw-user-activity.csv "
                 : "GET /qslcard/DownloadedFiles/AGMemberList.txt "));
        QCOMPARE(ShellFixture::contents(file), stored.isEmpty() ? old : stored);
        // The count shown is read again from the stored list (the logbook model had the old one).
        QCOMPARE(download.count() > 2, !stored.isEmpty());
    }

    void memberListTransportErrorAlerts()
    {
        quint16 closedPort = 0;
        {
            QTcpServer probe;
            probe.listen(QHostAddress::LocalHost);
            closedPort = probe.serverPort();
        }
        f.app->defaults().setValue(QStringLiteral("LotwHost"),
                                   QStringLiteral("http://127.0.0.1:%1").arg(closedPort));
        QVERIFY(ShellFixture::write(f.path(QStringLiteral("lotw.txt")), "K1ABC\n"));
        MemberListDownload download(f.app->defaults(), f.app->log(), f.app->folder(),
                                    MemberListDownload::Kind::Lotw);
        QSignalSpy alerts(&download, &MemberListDownload::alertRequested);
        download.download();
        QTRY_VERIFY(!download.busy());
        QCOMPARE(download.label(), QStringLiteral("Error"));
        QCOMPARE(alerts.size(), 1);
        QCOMPARE(alerts.at(0).at(0).toString(), QStringLiteral("LoTW Data not loaded!"));
        QCOMPARE(ShellFixture::contents(f.path(QStringLiteral("lotw.txt"))), QByteArray("K1ABC\n"));
    }

    void countryFileRebuildFromAFile_data()
    {
        QTest::addColumn<bool>("gzipped");
        QTest::addColumn<bool>("realSize");
        QTest::addColumn<QString>("fileDate");
        QTest::newRow("a gzipped country file is loaded") << true << true << "2024-03-01 10:15:00 ";
        QTest::newRow("a file that is not gzipped is refused") << false << true << "";
        QTest::newRow("a file too small to be real is refused") << true << false << "";
    }

    void countryFileRebuildFromAFile()
    {
        QFETCH(bool, gzipped);
        QFETCH(bool, realSize);
        QByteArray xml = ShellFixture::contents(
            QStringLiteral(BRINDLEWICK_SOURCE_DIR "/tests/refdata/data/cty_small.xml"));
        QVERIFY(!xml.isEmpty());
        if (realSize)
            xml = withFillerRecords(xml);
        const QString path = f.path(QStringLiteral("cty.xml.gz"));
        if (gzipped) {
            gzFile out = gzopen(QFile::encodeName(path).constData(), "wb");
            QVERIFY(out);
            QCOMPARE(gzwrite(out, xml.constData(), unsigned(xml.size())), int(xml.size()));
            QCOMPARE(gzclose(out), Z_OK);
        } else {
            QVERIFY(ShellFixture::write(path, xml));
        }
        CountryFileSettings country(f.app->defaults(), f.app->folder());
        country.loadFile(QUrl::fromLocalFile(path).toString());
        QVERIFY(country.busy());
        QTRY_VERIFY_WITH_TIMEOUT(!country.busy(), 20000);
        QTEST(country.fileDate(), "fileDate");
        QCOMPARE(country.errorLine().isEmpty(), gzipped && realSize);
        QVERIFY(country.statusLine().startsWith(QLatin1String("Clublog xml: ")));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
