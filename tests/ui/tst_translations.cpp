// The translations as a user and a maintainer meet them: every text of the sources has a
// finished German translation that keeps its placeholders, the language follows the system
// unless the user overrides it, and the screens speak German with the translator installed.

#include "../shell/ShellFixture.h"
#include "QmlWindow.h"
#include "shell/LanguageSettings.h"
#include "shell/ScreenNames.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

const QString kGermanFile =
    QStringLiteral(BRINDLEWICK_SOURCE_DIR "/translations/brindlewick_de.ts");

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", … or empty when finished
};

QList<Message> readMessages(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QList<Message> messages;
    QString context;
    Message message;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name"))
            context = xml.readElementText();
        else if (name == QLatin1String("message"))
            message = Message{context, {}, {}, {}};
        else if (name == QLatin1String("source"))
            message.source = xml.readElementText();
        else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            messages.append(message);
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

QSet<QString> placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d"));
    QSet<QString> found;
    for (const auto &match : marker.globalMatch(text))
        found.insert(match.captured());
    return found;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

    ShellFixture f;
    QmlWindow ui;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // lupdate over today's sources into a copy: a text added without German shows up as new.
    void germanFileCoversEveryText()
    {
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("brindlewick_de.ts"));
        QVERIFY(QFile::copy(kGermanFile, copy));
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(BRINDLEWICK_LUPDATE),
                      {QStringLiteral("-locations"), QStringLiteral("none"),
                       QStringLiteral("-no-obsolete"), QStringLiteral("-extensions"),
                       QStringLiteral("cpp,h,qml,js"),
                       QStringLiteral(BRINDLEWICK_SOURCE_DIR "/src"), QStringLiteral("-ts"), copy});
        QVERIFY2(lupdate.waitForFinished(60000), "lupdate did not finish");
        QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
                 lupdate.readAll().constData());

        QString error;
        const QList<Message> messages = readMessages(copy, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(!messages.isEmpty());
        QStringList missing;
        for (const Message &m : messages)
            if (!m.type.isEmpty() || m.translation.isEmpty())
                missing << QStringLiteral("%1: \"%2\"").arg(m.context, m.source);
        QVERIFY2(missing.isEmpty(),
                 qPrintable(QStringLiteral("%1 text(s) without German; translate them in "
                                           "translations/brindlewick_de.ts:\n")
                                .arg(missing.size()) +
                            missing.join(QLatin1Char('\n'))));
    }

    // A translation that drops or invents a %1 shows a raw marker or loses a value.
    void germanKeepsPlaceholders()
    {
        QString error;
        const QList<Message> messages = readMessages(kGermanFile, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QStringList wrong;
        for (const Message &m : messages)
            if (m.type.isEmpty() && placeholders(m.source) != placeholders(m.translation))
                wrong << QStringLiteral("%1: \"%2\" -> \"%3\"")
                             .arg(m.context, m.source, m.translation);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }

    void translationFollowsSystemUnlessOverridden_data()
    {
        QTest::addColumn<QString>("override");
        QTest::addColumn<QString>("system");
        QTest::addColumn<bool>("german");
        QTest::newRow("German system") << ""
                                       << "de_DE" << true;
        QTest::newRow("Austrian system falls back to German") << ""
                                                              << "de_AT" << true;
        QTest::newRow("English chosen on a German system") << "en"
                                                           << "de_DE" << false;
        QTest::newRow("German chosen on an English system") << "de"
                                                            << "en_US" << true;
        QTest::newRow("English system") << ""
                                        << "en_GB" << false;
        QTest::newRow("language without translation") << ""
                                                      << "fr_FR" << false;
        QTest::newRow("C locale of scripts and CI") << ""
                                                    << "C" << false;
    }

    void translationFollowsSystemUnlessOverridden()
    {
        QFETCH(QString, override);
        QFETCH(QString, system);
        QFETCH(bool, german);
        QTranslator translator;
        const QLocale locale = LanguageSettings::uiLocale(override, QLocale(system));
        QCOMPARE(LanguageSettings::loadTranslation(translator, locale), german);
        if (german)
            QCOMPARE(translator.translate("StationPage", "Own callsign"),
                     QStringLiteral("Eigenes Rufzeichen"));
    }

    void languageChoiceIsStoredForTheNextStart()
    {
        f.setUp();
        QVERIFY(ui.open(*f.app, false));
        QVERIFY(ui.shell->showScreen(screens::Screen::Language));
        const QVariantList choices = ui.shell->language()->choices();
        QCOMPARE(choices.size(), 2);
        QCOMPARE(choices.at(1).toMap().value(QStringLiteral("name")).toString(),
                 QStringLiteral("Deutsch"));

        ui.click(ui.find(QStringLiteral("language-de")));
        QCOMPARE(f.app->defaults().string(QStringLiteral("Language")), QStringLiteral("de"));
        QVERIFY(ui.shell->language()->changedSinceStart());
        ui.shell->language()->setLanguage(QStringLiteral("xx")); // no such translation
        QCOMPARE(f.app->defaults().string(QStringLiteral("Language")), QStringLiteral("de"));
        ui.click(ui.find(QStringLiteral("language-system")));
        QCOMPARE(f.app->defaults().string(QStringLiteral("Language")), QString());
        QVERIFY(!ui.shell->language()->changedSinceStart());
        ui.close();
        f.tearDown();
    }

    void screensSpeakGerman_data()
    {
        QTest::addColumn<bool>("phone");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("german");
        QTest::newRow("tablet station placeholder") << false << "settings-station"
                                                    << "callsignField"
                                                    << "placeholderText"
                                                    << "z. B. DL1ABC";
        QTest::newRow("phone station placeholder") << true << "settings-station"
                                                   << "locatorField"
                                                   << "placeholderText"
                                                   << "z. B. JO62QM";
        // The program's data folder is chosen on the command line here, so no keyring is used.
        QTest::newRow("keyring warning") << false << "qsl"
                                         << "keyringWarning"
                                         << "text"
                                         << "Passwörter bleiben im Logbuch und in der "
                                            "Einstellungsdatei: Mit einem Datenordner aus "
                                            "--data-dir oder BRINDLEWICK_HOME wird kein "
                                            "Schlüsselbund benutzt";
        QTest::newRow("language page note")
            << false << "settings-language"
            << "restartNote"
            << "text"
            << "Eine Änderung gilt ab dem nächsten Start von Brindlewick.";
    }

    void screensSpeakGerman()
    {
        QFETCH(bool, phone);
        QFETCH(QString, screen);
        QFETCH(QString, objectName);
        QFETCH(QString, property);
        QFETCH(QString, german);
        QTranslator translator;
        QVERIFY(LanguageSettings::loadTranslation(translator, QLocale(QStringLiteral("de_DE"))));
        QCoreApplication::installTranslator(&translator);
        f.setUp();
        QVERIFY(ui.open(*f.app, phone));
        const std::optional<screens::Screen> named = screens::fromName(screen);
        QVERIFY(named);
        QVERIFY(ui.shell->showScreen(*named));
        QQuickItem *item = ui.find(objectName);
        QVERIFY(item);
        const QString shown = item->property(property.toLatin1().constData()).toString();
        ui.close();
        f.tearDown();
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(shown, german);
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
