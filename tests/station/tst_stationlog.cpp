// Station profiles and activations through the logbook: what a new QSO records is stored with
// it, and an activation is read back from the logbook file and exported.

#include "AppFixture.h"
#include "station/ActivationExport.h"
#include "station/StationProfiles.h"

#include <QFile>
#include <QRegularExpression>
#include <QTimeZone>

namespace {

QDateTime utc(const QString &text)
{
    QDateTime t = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    t.setTimeZone(QTimeZone::utc());
    return t;
}

QsoClass qso(const QString &call, const QString &when, const QString &band = "20m")
{
    QsoClass q;
    q.callsign = call;
    q.band = band;
    q.mode = QStringLiteral("SSB");
    q.qrg = band == QLatin1String("40m") ? 7144.0 : 14285.0;
    q.dateTime = utc(when);
    q.adif = 230;
    return q;
}

StationProfile profile(const QString &name, const QString &call, const QString &locator,
                       const QString &park)
{
    StationProfile p;
    p.name = name;
    p.callsign = call;
    p.locator = locator;
    p.pota = park;
    return p;
}

/** The fields of each record of an ADIF text, names in lower case (an independent reading:
 *  "<name:length>value", lengths counted in characters). */
QList<QMap<QString, QString>> records(const QString &text)
{
    QList<QMap<QString, QString>> found;
    QMap<QString, QString> record;
    static const QRegularExpression tag(QStringLiteral("<([A-Za-z0-9_]+)(?::(\\d+))?(?::\\w)?>"));
    const qsizetype body = text.indexOf(QLatin1String("<eoh>"), 0, Qt::CaseInsensitive);
    qsizetype at = body < 0 ? 0 : body + 5;
    while (true) {
        const QRegularExpressionMatch match = tag.match(text, at);
        if (!match.hasMatch())
            break;
        const QString name = match.captured(1).toLower();
        at = match.capturedEnd();
        if (name == QLatin1String("eor")) {
            found << record;
            record.clear();
            continue;
        }
        const int length = match.captured(2).toInt();
        record.insert(name, text.mid(at, length));
        at += length;
    }
    return found;
}

} // namespace

class TestStationLog : public QObject, public AppFixture {
    Q_OBJECT
private slots:
    void init()
    {
        startApp(utc(QStringLiteral("2026-05-01 20:00:00")));
        m_profiles = std::make_unique<StationProfiles>(m_app->folder(), m_app->log());
        m_app->log().setNewQsoStamp(m_profiles.get());
        QVERIFY(m_profiles->save(profile("Home", "N0CALL", "EN10PR", "")).isEmpty());
        QVERIFY(m_profiles->save(profile("Park", "N0CALL/P", "DN17AB", "US-0001")).isEmpty());
    }
    void cleanup()
    {
        m_app->log().setNewQsoStamp(nullptr);
        m_profiles.reset();
        stopApp();
    }

    void aProfileSwitchBetweenTwoQsosIsStoredWithEach()
    {
        LogModel &log = m_app->log();
        QVERIFY(m_profiles->select(QStringLiteral("Home")).isEmpty());
        QsoClass first = qso("DL1ABC", "2026-05-01 14:00:00");
        QVERIFY(log.saveNewQSOtoLog(first));
        QVERIFY(m_profiles->select(QStringLiteral("Park")).isEmpty());
        QsoClass second = qso("DL1ABC", "2026-05-01 14:05:00");
        QVERIFY(log.saveNewQSOtoLog(second));

        const std::optional<QsoClass> one = log.qsoById(*first.id);
        const std::optional<QsoClass> two = log.qsoById(*second.id);
        QVERIFY(one && two);
        QCOMPARE(one->extraFields.value(u"station_callsign"), QStringLiteral("N0CALL"));
        QCOMPARE(one->extraFields.value(u"my_gridsquare"), QStringLiteral("EN10PR"));
        QVERIFY(!one->extraFields.contains(u"my_pota_ref"));
        QCOMPARE(two->extraFields.value(u"station_callsign"), QStringLiteral("N0CALL/P"));
        QCOMPARE(two->extraFields.value(u"my_gridsquare"), QStringLiteral("DN17AB"));
        QCOMPARE(two->extraFields.value(u"my_pota_ref"), QStringLiteral("US-0001"));
        QCOMPARE(two->extraFields.value(u"my_sig_info"), QStringLiteral("US-0001"));
    }

    void activationFromTheLogbook_data()
    {
        QTest::addColumn<int>("qsos");
        QTest::addColumn<bool>("dupe");
        QTest::addColumn<int>("counted");
        QTest::addColumn<bool>("valid");
        QTest::newRow("9 QSOs") << 9 << false << 9 << false;
        QTest::newRow("10 QSOs") << 10 << false << 10 << true;
        QTest::newRow("10 QSOs, one a repeat") << 10 << true << 9 << false;
    }

    void activationFromTheLogbook()
    {
        QFETCH(int, qsos);
        QFETCH(bool, dupe);
        QFETCH(int, counted);
        QFETCH(bool, valid);
        LogModel &log = m_app->log();
        // One QSO from home before, and one of the next UTC day, stay out.
        QVERIFY(m_profiles->select(QStringLiteral("Home")).isEmpty());
        QsoClass before = qso("K9ZZZ", "2026-05-01 09:00:00");
        QVERIFY(log.saveNewQSOtoLog(before));
        QVERIFY(m_profiles->select(QStringLiteral("Park")).isEmpty());
        for (int i = 0; i < qsos; ++i) {
            QsoClass q = qso(QStringLiteral("K%1ABC").arg(dupe && i == qsos - 1 ? 0 : i),
                             QStringLiteral("2026-05-01 14:%1:00").arg(10 + i));
            if (i == 2) {
                q.extraFields.set(u"sig", QStringLiteral("POTA"));
                q.extraFields.set(u"sig_info", QStringLiteral("VE-0123"));
            }
            QVERIFY(log.saveNewQSOtoLog(q));
        }
        QsoClass nextDay = qso("W1AW", "2026-05-02 00:00:00");
        QVERIFY(log.saveNewQSOtoLog(nextDay));

        const station::Activation activation = station::findActivation(
            log, station::Programme::Pota, QStringLiteral("us-0001"), QDate(2026, 5, 1));
        QCOMPARE(activation.qsos.size(), qsos);
        QCOMPARE(activation.counted, counted);
        QCOMPARE(activation.isValid(), valid);
        QCOMPARE(activation.qsos.at(2).otherReference, QStringLiteral("VE-0123"));
        QCOMPARE(activation.qsos.at(1).otherReference, QString());

        QTemporaryDir out;
        QString error;
        const std::optional<QString> path =
            station::exportActivation(log, activation, out.path(), &error);
        QVERIFY2(path, qPrintable(error));
        QCOMPARE(QFileInfo(*path).fileName(), QStringLiteral("N0CALL_P@US-0001-20260501.adi"));
        QFile file(*path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QMap<QString, QString>> read = records(QString::fromUtf8(file.readAll()));
        QCOMPARE(read.size(), qsos);
        for (const auto &record : read) {
            QCOMPARE(record.value("station_callsign"), QStringLiteral("N0CALL/P"));
            QCOMPARE(record.value("my_sig"), QStringLiteral("POTA"));
            QCOMPARE(record.value("my_sig_info"), QStringLiteral("US-0001"));
            QCOMPARE(record.value("my_pota_ref"), QStringLiteral("US-0001"));
            QCOMPARE(record.value("qso_date"), QStringLiteral("20260501"));
        }
        QCOMPARE(read.at(2).value("sig_info"), QStringLiteral("VE-0123"));
    }

    void importsAreNotStamped()
    {
        QVERIFY(m_profiles->select(QStringLiteral("Park")).isEmpty());
        LogModel &log = m_app->log();
        QVERIFY(log.saveAllQSOsToLog({qso("G4ABC", "2026-05-01 12:00:00")}, {}));
        const QList<QsoClass> stored = log.getAllQSOsWith(QStringLiteral("G4ABC"));
        QCOMPARE(stored.size(), 1);
        QVERIFY(stored.constFirst().extraFields.isEmpty());
    }

private:
    std::unique_ptr<StationProfiles> m_profiles;
};

QTEST_GUILESS_MAIN(TestStationLog)
#include "tst_stationlog.moc"
