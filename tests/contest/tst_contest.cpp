// Contest logging over a real logbook file: the shipped definitions, exchanges checked with the
// field named, a CQ WW and a WPX session worked out by hand (dupes, a mode change, zone, country
// and prefix multipliers, serials), the session read back after a restart and after changes made
// elsewhere, and each Cabrillo log read back by its own small reader.

#include "AppFixture.h"
#include "contest/Cabrillo.h"
#include "contest/ContactBroadcast.h"
#include "contest/ContestCatalog.h"
#include "contest/ContestScreen.h"
#include "contest/ContestSession.h"
#include "contest/Exchange.h"

#include <QSignalSpy>
#include <QTimeZone>
#include <QUdpSocket>
#include <QXmlStreamReader>

namespace {

QDateTime utc(const QString &text)
{
    QDateTime t = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    t.setTimeZone(QTimeZone::utc());
    return t;
}

/** One QSO typed into a session and what should come of it: the points ("3"), "dupe: …" or
 *  "refused: …" (the start of the message). */
struct Step {
    QString time;
    double kHz;
    QString mode;
    QString call;
    QString exchange;
    QString outcome;
};

/** A Cabrillo log as a contest robot reads it: header tags and the QSO lines split in words. */
struct CabrilloLog {
    QMap<QString, QString> headers;
    QList<QStringList> qsos;
    QString first;
    QString last;
    QString error;
};

CabrilloLog readCabrillo(const QString &text)
{
    CabrilloLog log;
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!text.endsWith(QLatin1String("\r\n")))
        log.error = QStringLiteral("not ended by CR LF");
    for (const QString &line : lines) {
        if (line.isEmpty())
            continue;
        const qsizetype colon = line.indexOf(u':');
        if (colon < 0) {
            log.error = QStringLiteral("no tag: ") + line;
            continue;
        }
        const QString tag = line.left(colon);
        const QString value = line.mid(colon + 1).trimmed();
        if (log.first.isEmpty())
            log.first = line;
        log.last = line;
        if (tag == QLatin1String("QSO"))
            log.qsos << value.split(u' ', Qt::SkipEmptyParts);
        else
            log.headers.insert(tag, value);
    }
    return log;
}

/** The root element and the child elements of one datagram, read as XML. */
QMap<QString, QString> readContact(const QByteArray &datagram)
{
    QMap<QString, QString> fields;
    QXmlStreamReader xml(datagram);
    int depth = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && depth++ == 0)
            fields.insert(QStringLiteral("root"), xml.name().toString());
        else if (xml.isStartElement())
            fields.insert(xml.name().toString(), xml.readElementText());
        else if (xml.isEndElement())
            --depth;
    }
    if (xml.hasError())
        fields.insert(QStringLiteral("error"), xml.errorString());
    return fields;
}

} // namespace

Q_DECLARE_METATYPE(QList<Step>)

class TestContest : public QObject, public AppFixture {
    Q_OBJECT
private slots:
    void init()
    {
        startApp(utc(QStringLiteral("2026-11-28 00:00:00")));
        m_catalog = std::make_unique<ContestCatalog>(
            m_app->folder().filePath(QLatin1String(ContestCatalog::kFolderName)));
        m_session = makeSession();
    }
    void cleanup()
    {
        m_session.reset();
        m_catalog.reset();
        stopApp();
    }

    void shippedDefinitionsLoad()
    {
        QCOMPARE(m_catalog->problems(), QStringList());
        for (const char *name : {"CQ-WW-CW", "CQ-WW-SSB", "CQ-WW-RTTY", "CQ-WPX-CW", "ARRL-DX-CW",
                                 "IARU-HF", "ARRL-FD", "SERIAL", "FREE"})
            QVERIFY2(m_catalog->find(QLatin1String(name)), name);
    }

    /** Each file of data/refused is refused with the file and the field named. */
    void badDefinitionsRefused()
    {
        QFile expected(QStringLiteral(BRINDLEWICK_TEST_DATA "/refused-expected.txt"));
        QVERIFY(expected.open(QIODevice::ReadOnly | QIODevice::Text));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused")));
        for (int i = 1; i < 17; ++i)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused")));
        const ContestCatalog catalog(QStringLiteral(BRINDLEWICK_TEST_DATA "/refused"));
        QCOMPARE(catalog.problems(),
                 QString::fromUtf8(expected.readAll()).split(u'\n', Qt::SkipEmptyParts));
        QCOMPARE(catalog.contests().size(), m_catalog->contests().size());
    }

    void userDefinitionAddedAndBadOneNamed()
    {
        const QString folder = m_app->folder().filePath(QLatin1String(ContestCatalog::kFolderName));
        QVERIFY(QDir().mkpath(folder));
        QFile good(folder + QStringLiteral("/club.json"));
        QVERIFY(good.open(QIODevice::WriteOnly));
        good.write("{\"name\":\"club-sprint\",\"adifContestId\":\"CLUB\",\"exchange\":"
                   "[{\"name\":\"name\",\"accept\":[{\"kind\":\"text\"}]}]}");
        good.close();
        QFile bad(folder + QStringLiteral("/broken.json"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("{\"name\":\"B\",\"adifContestId\":\"B\",\"exchange\":[{\"name\":\"a\","
                  "\"maxLength\":0,\"accept\":[{\"kind\":\"text\"}]}]}");
        bad.close();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("broken.json")));
        const ContestCatalog catalog(folder);
        QVERIFY(catalog.find(QStringLiteral("CLUB-SPRINT")));
        QCOMPARE(catalog.problems(),
                 QStringList{QStringLiteral("broken.json: exchange[0].maxLength: must be a whole "
                                            "number from 1 to 20")});
    }

    void exchangeChecked_data()
    {
        QTest::addColumn<QString>("contest");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::newRow("zone") << "CQ-WW-CW"
                              << "CW"
                              << "599 05"
                              << "599 5";
        QTest::newRow("report left out, cut") << "CQ-WW-CW"
                                              << "CW"
                                              << " 14 "
                                              << "599 14";
        QTest::newRow("5NN") << "CQ-WW-CW"
                             << "CW"
                             << "5nn 14"
                             << "599 14";
        QTest::newRow("phone report") << "CQ-WW-SSB"
                                      << "PH"
                                      << "14"
                                      << "59 14";
        QTest::newRow("wrong zone") << "CQ-WW-CW"
                                    << "CW"
                                    << "599 41"
                                    << "zone: 41 is not a CQ zone (1–40)";
        QTest::newRow("zone 0") << "CQ-WW-CW"
                                << "CW"
                                << "599 0"
                                << "zone: 0 is not a CQ zone (1–40)";
        QTest::newRow("bad report") << "CQ-WW-CW"
                                    << "CW"
                                    << "699 14"
                                    << "rst: 699 is not a report (59, 599)";
        QTest::newRow("too many") << "CQ-WW-CW"
                                  << "CW"
                                  << "599 14 3"
                                  << "exchange: 3 values given, the contest takes 2";
        QTest::newRow("missing") << "ARRL-FD"
                                 << "CW"
                                 << "3A"
                                 << "section: missing";
        QTest::newRow("serial 0") << "CQ-WPX-CW"
                                  << "CW"
                                  << "599 0"
                                  << "serial: 0 is not a serial number (1–99999)";
        QTest::newRow("serial cut T") << "CQ-WPX-CW"
                                      << "CW"
                                      << "5NN 1TT"
                                      << "599 100";
        QTest::newRow("serial too long") << "CQ-WPX-CW"
                                         << "CW"
                                         << "599 1234567"
                                         << "serial: \"12345…\" is too long (at most 5 characters)";
        QTest::newRow("exchange too long")
            << "FREE"
            << "CW" << QString(65, u'A') << "exchange: too long (at most 64 characters)";
        QTest::newRow("control character") << "FREE"
                                           << "CW"
                                           << "599 A\x01"
                                              "B"
                                           << "exch: only letters, digits and signs";
        QTest::newRow("field day") << "ARRL-FD"
                                   << "PH"
                                   << "3a ct"
                                   << "3A CT";
        QTest::newRow("unknown section") << "ARRL-FD"
                                         << "PH"
                                         << "3A XX"
                                         << "section: XX is not one of the contest's values";
        QTest::newRow("ARRL DX state") << "ARRL-DX-CW"
                                       << "CW"
                                       << "599 MA"
                                       << "599 MA";
        QTest::newRow("ARRL DX power") << "ARRL-DX-CW"
                                       << "CW"
                                       << "599 KW"
                                       << "599 KW";
        QTest::newRow("ARRL DX neither") << "ARRL-DX-CW"
                                         << "CW"
                                         << "599 XX"
                                         << "exch: XX is not a state or a power";
        QTest::newRow("IARU zone") << "IARU-HF"
                                   << "CW"
                                   << "599 28"
                                   << "599 28";
        QTest::newRow("IARU society") << "IARU-HF"
                                      << "CW"
                                      << "599 DARC"
                                      << "599 DARC";
        QTest::newRow("IARU zone 95") << "IARU-HF"
                                      << "CW"
                                      << "599 95"
                                      << "exch: 95 is not an ITU zone (1–90) or a society";
    }
    void exchangeChecked()
    {
        QFETCH(QString, contest);
        QFETCH(QString, mode);
        QFETCH(QString, text);
        QFETCH(QString, result);
        const contest::ContestDefinition *def = m_catalog->find(contest);
        QVERIFY(def);
        QString error;
        const std::optional<contest::Exchange> exchange =
            contest::parseExchange(*def, text, mode, &error);
        QCOMPARE(exchange ? exchange->text() : error, result);
    }

    void session_data()
    {
        QTest::addColumn<QString>("contest");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QList<Step>>("steps");
        QTest::addColumn<QString>("score");
        QTest::addColumn<QStringList>("cabrillo");

        // DL1ABC (Europe, CQ zone 14) in CQ WW CW: other continent 3 points, own continent 1,
        // own country 0 (but a multiplier); zones and countries count once per band.
        QTest::newRow("CQ WW CW")
            << "CQ-WW-CW"
            << "599 14"
            << QList<Step>{{"00:01", 14025, "CW", "K1ABC", "599 5", "3"},
                           {"00:02", 14030, "CW", "k1abc", "5", "dupe: Dupe 20m CW 0001z"},
                           {"00:03", 7025, "CW", "K1ABC", "5", "3"},
                           {"00:04", 14026, "CW", "DL2XYZ", "599 14", "0"},
                           {"00:05", 14027, "CW", "F5ABC", "599 14", "1"},
                           {"00:06", 14028, "CW", "K2XYZ", "599 41",
                            "refused: zone: 41 is not a CQ zone"},
                           {"00:07", 14200, "SSB", "K3XYZ", "59 5",
                            "refused: mode: SSB is not a mode"},
                           {"00:08", 21025, "CW", "JA1ABC", "599 25", "3"},
                           {"00:09", 10110, "CW", "W1AW", "599 5",
                            "refused: freq: 10110.0 kHz is not on"}}
            // points 3+3+0+1+3 = 10; zones 20m {5, 14}, 40m {5}, 15m {25} = 4; countries 20m
            // {K, DL, F}, 40m {K}, 15m {JA} = 5.
            << "qsos 5 dupes 0 points 10 zones 4 countries 5 score 90"
            << QStringList{"14025 CW 2026-11-28 0001 DL1ABC 599 14 K1ABC 599 5",
                           "7025 CW 2026-11-28 0003 DL1ABC 599 14 K1ABC 599 5",
                           "14026 CW 2026-11-28 0004 DL1ABC 599 14 DL2XYZ 599 14",
                           "14027 CW 2026-11-28 0005 DL1ABC 599 14 F5ABC 599 14",
                           "21025 CW 2026-11-28 0008 DL1ABC 599 14 JA1ABC 599 25"};

        // CQ WPX CW: the serial counts up by itself; prefixes count once in the contest; other
        // continent 3 points (6 on 40, 80, 160), own continent 1 (2 low), own country 1.
        QTest::newRow("CQ WPX CW")
            << "CQ-WPX-CW"
            << "599"
            << QList<Step>{{"00:01", 14025, "CW", "K1ABC", "599 1", "3"},
                           {"00:02", 14026, "CW", "W1ABC", "7", "3"},
                           {"00:03", 7010, "CW", "K1ABC", "599 12", "6"},
                           {"00:04", 14027, "CW", "K1ABC", "599 13", "dupe: Dupe 20m CW 0001z"},
                           {"00:05", 14028, "CW", "DL2XYZ", "599 3", "1"},
                           {"00:06", 14029, "CW", "OK1ABC", "599 0",
                            "refused: serial: 0 is not a serial"},
                           {"00:07", 3510, "CW", "G4ABC", "5NN 5", "2"},
                           {"00:08", 14030, "CW", "W1ABC/4", "599 20", "3"}}
            // points 3+3+6+1+2+3 = 18; prefixes K1, W1, DL2, G4, W4 = 5.
            << "qsos 6 dupes 0 points 18 prefixes 5 score 90"
            << QStringList{"14025 CW 2026-11-28 0001 DL1ABC 599 1 K1ABC 599 1",
                           "14026 CW 2026-11-28 0002 DL1ABC 599 2 W1ABC 599 7",
                           "7010 CW 2026-11-28 0003 DL1ABC 599 3 K1ABC 599 12",
                           "14028 CW 2026-11-28 0005 DL1ABC 599 4 DL2XYZ 599 3",
                           "3510 CW 2026-11-28 0007 DL1ABC 599 5 G4ABC 599 5",
                           "14030 CW 2026-11-28 0008 DL1ABC 599 6 W1ABC/4 599 20"};

        // IARU: a dupe per band and mode, so the same station on the same band in the other
        // mode counts again; a society is 1 point and a multiplier of its own.
        QTest::newRow("IARU HF mode change")
            << "IARU-HF"
            << "599 28"
            << QList<Step>{{"00:01", 14025, "CW", "K1ABC", "599 8", "5"},
                           {"00:02", 14250, "SSB", "K1ABC", "59 8", "5"},
                           {"00:03", 14026, "CW", "K1ABC", "599 8", "dupe: Dupe 20m CW 0001z"},
                           {"00:04", 14027, "CW", "DK0HQ", "599 DARC", "1"},
                           {"00:05", 14028, "CW", "F5ABC", "599 27", "3"},
                           {"00:06", 14029, "CW", "DL2XYZ", "599 28", "1"}}
            // points 5+5+1+3+1 = 15; zones 20m CW {8, 27, 28}, 20m PH {8}; societies {DARC}.
            << "qsos 5 dupes 0 points 15 zones 4 societies 1 score 75"
            << QStringList{"14025 CW 2026-11-28 0001 DL1ABC 599 28 K1ABC 599 8",
                           "14250 PH 2026-11-28 0002 DL1ABC 59 28 K1ABC 59 8",
                           "14027 CW 2026-11-28 0004 DL1ABC 599 28 DK0HQ 599 DARC",
                           "14028 CW 2026-11-28 0005 DL1ABC 599 28 F5ABC 599 27",
                           "14029 CW 2026-11-28 0006 DL1ABC 599 28 DL2XYZ 599 28"};
    }
    void session()
    {
        QFETCH(QString, contest);
        QFETCH(QString, sent);
        QFETCH(QList<Step>, steps);
        QFETCH(QString, score);
        QFETCH(QStringList, cabrillo);
        QCOMPARE(start(contest, sent), std::optional<QString>());
        for (const Step &step : steps) {
            ContestSession::Request request;
            request.call = step.call;
            request.exchange = step.exchange;
            request.kHz = step.kHz;
            request.mode = step.mode;
            request.time = utc(QStringLiteral("2026-11-28 ") + step.time + QStringLiteral(":00"));
            const ContestSession::Result result = m_session->logQso(request);
            QString got;
            if (result.stored)
                got = QString::number(result.qso->points);
            else if (result.dupe)
                got = QStringLiteral("dupe: ") + result.dupe->dupeText();
            else
                got = QStringLiteral("refused: ") + result.error;
            QVERIFY2(got.startsWith(step.outcome),
                     qPrintable(step.time + QStringLiteral(" ") + got));
        }
        QCOMPARE(scoreText(), score);

        // The session and its QSOs outlive the program.
        m_session = makeSession();
        QVERIFY(m_session->restore());
        QCOMPARE(scoreText(), score);

        const CabrilloLog log =
            readCabrillo(cabrillo::write(*m_session->log(), m_session->settings()));
        QCOMPARE(log.error, QString());
        QCOMPARE(log.first, QStringLiteral("START-OF-LOG: 3.0"));
        QCOMPARE(log.last, QStringLiteral("END-OF-LOG:"));
        QCOMPARE(log.headers.value(QStringLiteral("CONTEST")), contest);
        QCOMPARE(log.headers.value(QStringLiteral("CALLSIGN")), QStringLiteral("DL1ABC"));
        QCOMPARE(log.headers.value(QStringLiteral("CATEGORY-POWER")), QStringLiteral("LOW"));
        QCOMPARE(log.headers.value(QStringLiteral("CATEGORY-OPERATOR")),
                 QStringLiteral("SINGLE-OP"));
        QCOMPARE(log.headers.value(QStringLiteral("CLAIMED-SCORE")), score.section(u' ', -1));
        QStringList lines;
        for (const QStringList &words : log.qsos)
            lines << words.join(u' ');
        QCOMPARE(lines, cabrillo);
    }

    void allowedDupeCountsNothing()
    {
        QCOMPARE(start(QStringLiteral("CQ-WW-CW"), QStringLiteral("14")), std::optional<QString>());
        QVERIFY(logQso(QStringLiteral("K1ABC"), QStringLiteral("5"), 14025).stored);
        ContestSession::Request again{QStringLiteral("K1ABC"),
                                      QStringLiteral("5"),
                                      14030,
                                      QStringLiteral("CW"),
                                      utc(QStringLiteral("2026-11-28 00:10:00")),
                                      true};
        const ContestSession::Result dupe = m_session->logQso(again);
        QVERIFY(dupe.stored);
        QVERIFY(dupe.qso->dupe);
        QCOMPARE(scoreText(),
                 QStringLiteral("qsos 1 dupes 1 points 3 zones 1 countries 1 score 6"));
    }

    void changesElsewhereAreReadAgain()
    {
        QCOMPARE(start(QStringLiteral("CQ-WPX-CW"), {}), std::optional<QString>());
        QVERIFY(logQso(QStringLiteral("K1ABC"), QStringLiteral("1"), 14025).stored);
        const ContestSession::Result second =
            logQso(QStringLiteral("W1ABC"), QStringLiteral("2"), 14026);
        QVERIFY(second.stored);
        QCOMPARE(m_session->log()->nextSerial(), 3);
        QSignalSpy changed(m_session.get(), &ContestSession::changed);
        const std::optional<QsoClass> stored = m_app->log().qsoById(second.qso->id);
        QVERIFY(stored);
        QVERIFY(m_app->log().deleteQSO(*stored));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(scoreText(), QStringLiteral("qsos 1 dupes 0 points 3 prefixes 1 score 3"));
        QCOMPARE(m_session->log()->nextSerial(), 2);
        // W1ABC is no dupe any more.
        QVERIFY(!m_session->dupeOf(QStringLiteral("W1ABC"), 14030, QStringLiteral("CW")));
        QVERIFY(m_session->dupeOf(QStringLiteral("k1abc"), 14030, QStringLiteral("CW")));
    }

    void storedAsAdifContestFields()
    {
        QCOMPARE(start(QStringLiteral("ARRL-FD"), QStringLiteral("2A EMA")),
                 std::optional<QString>());
        const ContestSession::Result result =
            logQso(QStringLiteral("W1AW"), QStringLiteral("3a ct"), 7040);
        QVERIFY2(result.stored, qPrintable(result.error));
        const std::optional<QsoClass> qso = m_app->log().qsoById(result.qso->id);
        QVERIFY(qso);
        QCOMPARE(qso->extraFields.value(u"CONTEST_ID"), QStringLiteral("ARRL-FIELD-DAY"));
        QCOMPARE(qso->extraFields.value(u"CLASS"), QStringLiteral("3A"));
        QCOMPARE(qso->extraFields.value(u"ARRL_SECT"), QStringLiteral("CT"));
        QCOMPARE(qso->extraFields.value(u"SRX_STRING"), QStringLiteral("3A CT"));
        QCOMPARE(qso->extraFields.value(u"STX_STRING"), QStringLiteral("2A EMA"));
        QCOMPARE(qso->band, QStringLiteral("40m"));
    }

    void badStartRefused_data()
    {
        QTest::addColumn<QString>("contest");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown contest") << "NO-SUCH"
                                         << ""
                                         << "No contest named NO-SUCH (see contest list)";
        QTest::newRow("sent zone wrong") << "CQ-WW-CW"
                                         << "599 55"
                                         << "sent exchange: zone: 55 is not a CQ zone (1–40)";
        QTest::newRow("sent exchange missing") << "ARRL-FD"
                                               << ""
                                               << "sent exchange: class: missing";
    }
    void badStartRefused()
    {
        QFETCH(QString, contest);
        QFETCH(QString, sent);
        QFETCH(QString, error);
        QCOMPARE(start(contest, sent).value_or(QString()), error);
        QVERIFY(!m_session->isActive());
    }

    void contactsBroadcastOverUdp()
    {
        QUdpSocket receiver;
        QVERIFY(receiver.bind(QHostAddress::LocalHost, 0));
        const ContactBroadcast broadcast(m_app->log(), m_app->defaults());
        QCOMPARE(broadcast.port(), quint16(12060));
        m_app->defaults().setValue(QStringLiteral("ContactBroadcastHost"),
                                   QStringLiteral("127.0.0.1"));
        m_app->defaults().setValue(QStringLiteral("ContactBroadcastPort"), receiver.localPort());
        QCOMPARE(start(QStringLiteral("CQ-WPX-CW"), {}), std::optional<QString>());
        // Off by default: nothing is sent.
        QVERIFY(logQso(QStringLiteral("OH2XX"), QStringLiteral("4"), 14020).stored);
        m_app->defaults().setValue(QStringLiteral("ContactBroadcastOn"), true);
        const ContestSession::Result logged =
            logQso(QStringLiteral("K1ABC"), QStringLiteral("7"), 14025.3);
        QVERIFY(logged.stored);
        const std::optional<QsoClass> stored = m_app->log().qsoById(logged.qso->id);
        QVERIFY(stored);
        QsoClass edited = *stored;
        edited.callsign = QStringLiteral("K1ABD");
        QVERIFY(m_app->log().updateQSO(*stored, edited));
        QVERIFY(m_app->log().deleteQSO(edited));

        QList<QMap<QString, QString>> got;
        QTRY_VERIFY_WITH_TIMEOUT(([&] {
                                     while (receiver.hasPendingDatagrams()) {
                                         QByteArray datagram(int(receiver.pendingDatagramSize()),
                                                             '\0');
                                         receiver.readDatagram(datagram.data(), datagram.size());
                                         got << readContact(datagram);
                                     }
                                     return got.size() >= 3;
                                 }()),
                                 5000);
        QCOMPARE(got.size(), 3);
        const QString id = broadcast.contactId(logged.qso->id);
        QCOMPARE(id.size(), 32);
        const QMap<QString, QString> &info = got.at(0);
        QCOMPARE(info.value("error"), QString());
        QCOMPARE(info.value("root"), QStringLiteral("contactinfo"));
        QCOMPARE(info.value("contestname"), QStringLiteral("CQ-WPX-CW"));
        QCOMPARE(info.value("call"), QStringLiteral("K1ABC"));
        QCOMPARE(info.value("band"), QStringLiteral("14"));
        QCOMPARE(info.value("rxfreq"), QStringLiteral("1402530"));
        QCOMPARE(info.value("mode"), QStringLiteral("CW"));
        QCOMPARE(info.value("snt"), QStringLiteral("599"));
        QCOMPARE(info.value("sntnr"), QStringLiteral("2"));
        QCOMPARE(info.value("rcvnr"), QStringLiteral("7"));
        QCOMPARE(info.value("wpxprefix"), QStringLiteral("K1"));
        QCOMPARE(info.value("timestamp"), QStringLiteral("2026-11-28 00:00:00"));
        QCOMPARE(info.value("ID"), id);
        QCOMPARE(got.at(1).value("root"), QStringLiteral("contactreplace"));
        QCOMPARE(got.at(1).value("call"), QStringLiteral("K1ABD"));
        QCOMPARE(got.at(1).value("ID"), id);
        QCOMPARE(got.at(2).value("root"), QStringLiteral("contactdelete"));
        QCOMPARE(got.at(2).value("call"), QStringLiteral("K1ABD"));
        QCOMPARE(got.at(2).value("ID"), id);
    }

    /** The screen as a keyboard would drive it: the dupe shows while the call is typed, Enter
     *  logs and clears, a refused exchange keeps the fields, Esc clears, the serial counts up. */
    void screenTypedAsAnOperatorWould()
    {
        m_app->log().updateMyCallsign(QStringLiteral("DL1ABC"));
        ContestScreen screen(*m_session, *m_catalog, m_app->log(), m_app->clock());
        QVERIFY(!screen.active());
        QVERIFY(screen.contestNames().contains(QStringLiteral("CQ-WPX-CW")));
        QVERIFY(screen.startContest(QStringLiteral("CQ-WPX-CW"), QStringLiteral("599")));
        QCOMPARE(screen.title(), QStringLiteral("CQ-WPX-CW · DL1ABC"));
        screen.setQrgString(QStringLiteral("14,025.0"));
        screen.setMode(QStringLiteral("CW"));
        QCOMPARE(screen.sentText(), QStringLiteral("Sent 599 1"));
        screen.setCall(QStringLiteral("k1abc"));
        screen.setExchange(QStringLiteral("5nn 7"));
        QVERIFY(screen.logQso());
        QCOMPARE(screen.call(), QString());
        QCOMPARE(screen.sentText(), QStringLiteral("Sent 599 2"));
        for (const QString &typed :
             {QStringLiteral("K"), QStringLiteral("K1"), QStringLiteral("K1A")})
            screen.setCall(typed);
        QCOMPARE(screen.dupeText(), QString());
        screen.setCall(QStringLiteral("K1ABC"));
        QCOMPARE(screen.dupeText(), QStringLiteral("Dupe 20m CW 0000z"));
        screen.setCall(QStringLiteral("W1AW"));
        screen.setExchange(QStringLiteral("0"));
        QVERIFY(!screen.logQso());
        QCOMPARE(screen.message(), QStringLiteral("serial: 0 is not a serial number (1–99999)"));
        QCOMPARE(screen.call(), QStringLiteral("W1AW"));
        screen.clear();
        QCOMPARE(screen.call() + screen.exchange() + screen.message(), QString());
        QCOMPARE(screen.lastQsos().size(), 1);
        QVERIFY(screen.lastQsos().first().startsWith(QStringLiteral("0000  20m CW  K1ABC")));
        QCOMPARE(screen.scoreText(), QStringLiteral("1 QSOs · 3 points · prefixes 1 · score 3"));
        QCOMPARE(screen.rateText(), QStringLiteral("Rate: 6/h (last 10 min) · 1/h (last 60 min)"));
    }

private:
    std::unique_ptr<ContestSession> makeSession()
    {
        return std::make_unique<ContestSession>(m_app->log(), m_app->dxcc(), m_app->functions(),
                                                m_app->clock(), *m_catalog);
    }
    std::optional<QString> start(const QString &contest, const QString &sent)
    {
        ContestSettings settings;
        settings.contest = contest;
        settings.myCall = QStringLiteral("DL1ABC");
        settings.sentExchange = sent;
        settings.category.insert(QStringLiteral("POWER"), QStringLiteral("low"));
        return m_session->start(settings);
    }
    ContestSession::Result logQso(const QString &call, const QString &exchange, double kHz)
    {
        ContestSession::Request request{call,         exchange, kHz, QStringLiteral("CW"),
                                        std::nullopt, false};
        return m_session->logQso(request);
    }
    QString scoreText() const
    {
        const ContestScore s = m_session->log()->score();
        QString text =
            QStringLiteral("qsos %1 dupes %2 points %3").arg(s.qsos).arg(s.dupes).arg(s.points);
        for (const auto &[name, count] : s.multipliers)
            text += QStringLiteral(" %1 %2").arg(name).arg(count);
        return text + QStringLiteral(" score %1").arg(s.total);
    }

    std::unique_ptr<ContestCatalog> m_catalog;
    std::unique_ptr<ContestSession> m_session;
};

QTEST_GUILESS_MAIN(TestContest)
#include "tst_contest.moc"
