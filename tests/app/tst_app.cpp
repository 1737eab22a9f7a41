// The application plumbing: fixed text formats, the notification centre, user defaults, the data
// folder and the application object's own state.

#include "AppFixture.h"
#include "app/DataFolder.h"
#include "formats/Formats.h"
#include "formats/TextCoding.h"
#include "root/AppDelegate.h"

#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimeZone>

#include <ctime>
#include <memory>

class TestApp : public QObject, AppFixture {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
    }

    void init() { startApp(QDateTime(QDate(2025, 6, 15), QTime(12, 0), QTimeZone::utc())); }

    void cleanup() { stopApp(); }

    void sqlDateTimeParsing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("instant"); // ISO with zone, empty when refused
        QTest::newRow("plain instant") << "2024-05-01 10:07:09"
                                       << "2024-05-01T10:07:09Z";
        QTest::newRow("leap day") << "2024-02-29 23:59:59"
                                  << "2024-02-29T23:59:59Z";
        for (const char *refused :
             {"2023-02-29 12:00:00", "2024-04-31 12:00:00", "2024-05-01 24:00:00",
              "2024-05-01 12:00:60", "2024-05-01T10:07:09", "2024-05-01 10:07:09Z",
              "2024-05-01 10:07", "20240501 100709", "2024-+5-01 1 :07:09", ""})
            QTest::newRow(*refused ? refused : "empty") << refused << "";
    }

    void sqlDateTimeParsing()
    {
        QFETCH(QString, text);
        QFETCH(QString, instant);
        const auto parsed = formats::parseSqlDateTime(text);
        QCOMPARE(parsed.has_value(), !instant.isEmpty());
        if (!parsed)
            return;
        QCOMPARE(*parsed, QDateTime::fromString(instant, Qt::ISODate));
        QCOMPARE(parsed->offsetFromUtc(), 0);
        QCOMPARE(formats::sqlDateTime(*parsed), text);
    }

    void sqlDateTimeIgnoresProcessZone()
    {
        // 02:30 does not exist on that day in Berlin; in UTC it is an ordinary instant.
        const QByteArray saved = qgetenv("TZ");
        qputenv("TZ", "Europe/Berlin");
        tzset();
        const auto parsed = formats::parseSqlDateTime(QStringLiteral("2024-03-31 02:30:00"));
        const QString back = parsed ? formats::sqlDateTime(*parsed) : QString();
        const QString written =
            formats::sqlDateTime(QDateTime(QDate(2024, 10, 27), QTime(1, 30), QTimeZone::utc()));
        if (saved.isNull())
            qunsetenv("TZ");
        else
            qputenv("TZ", saved);
        tzset();
        QCOMPARE(back, QStringLiteral("2024-03-31 02:30:00"));
        QCOMPARE(written, QStringLiteral("2024-10-27 01:30:00"));
    }

    void groupedKHz_data()
    {
        QTest::addColumn<double>("kHz");
        QTest::addColumn<QString>("text");
        QTest::newRow("20m") << 14025.0 << "14,025.0";
        QTest::newRow("below a thousand") << 475.5 << "475.5";
        QTest::newRow("millions") << 10368000.0 << "10,368,000.0";
        QTest::newRow("zero") << 0.0 << "0.0";
    }

    void groupedKHz()
    {
        QFETCH(double, kHz);
        QFETCH(QString, text);
        QCOMPARE(formats::groupedKHz(kHz), text);
        QCOMPARE(formats::parseGroupedKHz(text), std::optional<double>(kHz));
        QCOMPARE(formats::parseGroupedKHz("14025.5"), std::optional<double>(14025.5));
        for (const char *refused : {"14.025,5", "14 MHz", ""})
            QVERIFY2(!formats::parseGroupedKHz(refused), refused);
    }

    void percentEncoding_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("encoded");
        QTest::newRow("apostrophe, comma, space") << "O'Neill, Jr."
                                                  << "O%27Neill%2C%20Jr.";
        QTest::newRow("umlauts and accents are letters") << "Jörg Müller, Liège"
                                                         << "Jörg%20Müller%2C%20Liège";
        QTest::newRow("other scripts and digits") << "東京1"
                                                  << "東京1";
        QTest::newRow("emoji: four UTF-8 bytes") << "🙂"
                                                 << "%F0%9F%99%82";
        QTest::newRow("double quote and percent") << "\"100%\""
                                                  << "%22100%25%22";
        QTest::newRow("line break") << "a\nb"
                                    << "a%0Ab";
        QTest::newRow("empty") << ""
                               << "";
    }

    void percentEncoding()
    {
        QFETCH(QString, plain);
        QFETCH(QString, encoded);
        QCOMPARE(formats::percentEncode(plain), encoded);
        QCOMPARE(formats::percentDecode(encoded), plain);
    }

    void percentDecodingRefusesBrokenEscapes()
    {
        // Not hex, cut off, Latin-1, a cut UTF-8 sequence, an overlong encoding.
        for (const char *stored : {"Berlin%G1", "Berlin%2", "100%", "J%F6rg", "J%C3", "%C0%AF"})
            QVERIFY2(formats::percentDecode(stored).isEmpty(), stored);
    }

    void base64_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("base64");
        // RFC 4648, section 10.
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("f") << "f"
                           << "Zg==";
        QTest::newRow("fo") << "fo"
                            << "Zm8=";
        QTest::newRow("foo") << "foo"
                             << "Zm9v";
        QTest::newRow("foob") << "foob"
                              << "Zm9vYg==";
        QTest::newRow("foobar") << "foobar"
                                << "Zm9vYmFy";
        QTest::newRow("long text has no line breaks")
            << QString(100, QLatin1Char('x')) << QString(QByteArray(100, 'x').toBase64());
    }

    void base64()
    {
        QFETCH(QString, text);
        QFETCH(QString, base64);
        QCOMPARE(formats::base64FromText(text), base64);
        QCOMPARE(formats::textFromBase64(base64), text);
    }

    void base64Reading_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("text");
        QTest::newRow("line breaks skipped") << "Zm9v\r\nYmFy"
                                             << "foobar";
        QTest::newRow("spaces and stray marks skipped") << " Zm9v*Ym Fy!"
                                                        << "foobar";
        QTest::newRow("missing padding") << "Zm8"
                                         << "fo";
        QTest::newRow("bytes that are not UTF-8") << "/w=="
                                                  << "";
    }

    void base64Reading()
    {
        QFETCH(QString, stored);
        QFETCH(QString, text);
        QCOMPARE(formats::textFromBase64(stored), text);
    }

    void userDefaults()
    {
        UserDefaults &defaults = m_app->defaults();
        QCOMPARE(QFileInfo(defaults.fileName()).absolutePath(),
                 QFileInfo(m_dir->path()).absoluteFilePath());
        // Shipped fallbacks.
        QCOMPARE(defaults.integer("DateFormatIndex"), 0);
        QVERIFY(defaults.boolean("ColoredSpots"));
        QVERIFY(!defaults.value("NoSuchKey").isValid());

        defaults.setValue("DateFormatIndex", 1);
        defaults.setValue("ColoredSpots", false);
        QVERIFY(m_app->folder().copyResourceIfMissing("EmptyLog.rlog", "Contest.rlog"));
        defaults.setValue("LogDbName", "Contest.rlog");
        defaults.sync();
        {
            // A later run reads what the user chose, types included.
            AppDelegate later(DataFolder::at(m_dir->path()));
            QCOMPARE(later.defaults().integer("DateFormatIndex"), 1);
            QVERIFY(!later.defaults().boolean("ColoredSpots"));
            QCOMPARE(later.defaults().string("LogDbName"), QStringLiteral("Contest.rlog"));
        }
        defaults.remove("DateFormatIndex");
        defaults.remove("ColoredSpots");
        QCOMPARE(defaults.integer("DateFormatIndex"), 0);
        QVERIFY(defaults.boolean("ColoredSpots"));
    }

    void dataFolderResolution_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("path"); // empty: the platform's folder
        QTest::newRow("option with separate value")
            << QStringList{"prog", "--data-dir", "/tmp/a"} << ""
            << "/tmp/a";
        QTest::newRow("option with equals sign") << QStringList{"prog", "--data-dir=/tmp/b"} << ""
                                                 << "/tmp/b";
        QTest::newRow("option wins over the environment")
            << QStringList{"prog", "--json", "--data-dir", "/tmp/a"} << "/tmp/h"
            << "/tmp/a";
        QTest::newRow("empty option value ignored")
            << QStringList{"prog", "--data-dir", "", "x"} << "/tmp/h"
            << "/tmp/h";
        QTest::newRow("option without value ignored")
            << QStringList{"prog", "--data-dir"} << "/tmp/h"
            << "/tmp/h";
        QTest::newRow("empty value after equals sign ignored")
            << QStringList{"prog", "--data-dir="} << ""
            << "";
        QTest::newRow("neither") << QStringList{"prog"} << ""
                                 << "";
    }

    void dataFolderResolution()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, home);
        QFETCH(QString, path);
        const QByteArray saved = qgetenv("BRINDLEWICK_HOME");
        if (home.isEmpty())
            qunsetenv("BRINDLEWICK_HOME");
        else
            qputenv("BRINDLEWICK_HOME", home.toUtf8());
        const DataFolder folder = DataFolder::resolve(arguments);
        qputenv("BRINDLEWICK_HOME", saved);
        if (path.isEmpty()) {
            QCOMPARE(folder.path,
                     QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
            QVERIFY(!folder.overridden);
        } else {
            QCOMPARE(folder.path, path);
            QVERIFY(folder.overridden);
        }
    }

    void logDateFormaterStyle_data()
    {
        QTest::addColumn<QVariant>("index");
        QTest::addColumn<bool>("medium");
        QTest::newRow("shipped default") << QVariant() << false;
        QTest::newRow("1 is medium") << QVariant(1) << true;
        QTest::newRow("any other index is medium") << QVariant(4) << true;
        QTest::newRow("as text from the settings file") << QVariant("1") << true;
    }

    void logDateFormaterStyle()
    {
        QFETCH(QVariant, index);
        QFETCH(bool, medium);
        if (index.isValid())
            m_app->defaults().setValue("DateFormatIndex", index);
        QCOMPARE(m_app->defaults().logDateFormaterStyle(),
                 medium ? formats::DateStyle::Medium : formats::DateStyle::Short);
        QCOMPARE(formats::displayDate(QDate(2024, 3, 5), m_app->defaults().logDateFormaterStyle()),
                 medium ? QStringLiteral("5 Mar 2024") : QStringLiteral("05/03/2024"));
    }

    void dateStylesDifferAndReadBack_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("shortDate");
        QTest::newRow("C has no numeric date of its own") << "C"
                                                          << "2024-03-05";
        QTest::newRow("British") << "en_GB"
                                 << "05/03/2024";
        QTest::newRow("German, a two-digit year of this century") << "de_DE"
                                                                  << "05.03.24";
    }

    /** Both styles show a date differently in every locale, and what is shown reads back. */
    void dateStylesDifferAndReadBack()
    {
        QFETCH(QString, locale);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        const QDate date(2024, 3, 5);
        const QString shortText = formats::displayDate(date, formats::DateStyle::Short);
        const QString mediumText = formats::displayDate(date, formats::DateStyle::Medium);
        const auto shortRead = formats::parseDisplayDate(shortText, formats::DateStyle::Short);
        const auto mediumRead = formats::parseDisplayDate(mediumText, formats::DateStyle::Medium);
        QLocale::setDefault(before);
        QTEST(shortText, "shortDate");
        QVERIFY(shortText != mediumText);
        QCOMPARE(shortRead, std::optional<QDate>(date));
        QCOMPARE(mediumRead, std::optional<QDate>(date));
    }
};

QTEST_GUILESS_MAIN(TestApp)
#include "tst_app.moc"
