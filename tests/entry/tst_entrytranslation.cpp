// The entry form in another language: what it shows follows the installed translation, what it
// stores does not.

#include "AppFixture.h"
#include "app/DataFolder.h"
#include "entry/QsoEntryForm.h"
#include "model/LogModel.h"
#include "root/AppDelegate.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QTranslator>

#include <memory>

namespace {

/** A translator with a few German texts, so the test needs no compiled translation file. */
class GermanForTest : public QTranslator {
public:
    QString translate(const char *context, const char *sourceText, const char * = nullptr,
                      int = -1) const override
    {
        return m_texts.value(QString::fromUtf8(context) + u'|' + QString::fromUtf8(sourceText));
    }
    [[nodiscard]] bool isEmpty() const override { return false; }

private:
    const QHash<QString, QString> m_texts = {
        {QStringLiteral("EntryTexts|New QSO"), QStringLiteral("Neues QSO")},
        {QStringLiteral("EntryTexts|Can't log the QSO:"),
         QStringLiteral("QSO kann nicht geloggt werden:")},
        {QStringLiteral("EntryTexts|No Callsign given"),
         QStringLiteral("Kein Rufzeichen angegeben")},
        {QStringLiteral("EntryTexts|Frequency invalid"), QStringLiteral("Frequenz ungültig")},
        {QStringLiteral("EntryTexts|Select in Details"), QStringLiteral("In Details wählen")},
        {QStringLiteral("QsoColors|Brown"), QStringLiteral("Braun")},
        {QStringLiteral("InfoLines|Sunrise: %1  Sunset: %2"), QStringLiteral("SA: %1  SU: %2")},
    };
};

} // namespace

class EntryTranslationTest : public QObject, AppFixture {
    Q_OBJECT

    GermanForTest m_german;

    std::unique_ptr<QsoEntryForm> form()
    {
        auto made = std::make_unique<QsoEntryForm>(m_app->defaults(), m_app->clock(), m_app->log(),
                                                   m_app->dxcc(), m_app->functions());
        made->setUse(QsoEntryForm::Use::Panel);
        return made;
    }

    static void typeInto(QsoEntryForm &f, const QString &field, const QString &text)
    {
        f.setField(field, text);
        f.leaveField(field);
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
        QVERIFY(QCoreApplication::installTranslator(&m_german));
    }

    void cleanupTestCase() { QCoreApplication::removeTranslator(&m_german); }

    void init() { startApp(QDateTime(QDate(2025, 6, 15), QTime(12, 0), QTimeZone::utc())); }

    void cleanup() { stopApp(); }

    void refusalsAreShownTranslated_data()
    {
        QTest::addColumn<QString>("callsign");
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("message");
        QTest::newRow("no callsign") << ""
                                     << "14025"
                                     << "Kein Rufzeichen angegeben";
        QTest::newRow("no frequency") << "DL1ABC"
                                      << ""
                                      << "Frequenz ungültig";
    }
    void refusalsAreShownTranslated()
    {
        QFETCH(QString, callsign);
        QFETCH(QString, frequency);
        QFETCH(QString, message);
        auto f = form();
        QCOMPARE(f->title(), QStringLiteral("Neues QSO"));
        QCOMPARE(QsoEntryForm::alertTitle(), QStringLiteral("QSO kann nicht geloggt werden:"));
        typeInto(*f, QStringLiteral("callsign"), callsign);
        typeInto(*f, QStringLiteral("qrgString"), frequency);
        f->typeModeKey(QStringLiteral("c"));
        QCOMPARE(f->save(), message);
        QCOMPARE(m_app->log().getlastQSOs(1).size(), 0);
    }

    void listsChosenByPlaceMayBeTranslated()
    {
        // The colour is chosen by its index, so the name is free to change; the power presets
        // are stored by name and must not.
        auto f = form();
        QCOMPARE(f->colorNames().at(1), QStringLiteral("Braun"));
        QCOMPARE(f->powerPresets().first(), QStringLiteral("High Power"));
    }

    void translatedCountyPromptIsNeverStored()
    {
        auto f = form();
        typeInto(*f, QStringLiteral("callsign"), QStringLiteral("W1AW"));
        QVERIFY(f->countyAsked());
        QCOMPARE(f->countyLine(), QStringLiteral("In Details wählen"));
        typeInto(*f, QStringLiteral("qrgString"), QStringLiteral("14025"));
        f->typeModeKey(QStringLiteral("c"));
        QCOMPARE(f->save(), QString());
        const QList<QsoClass> logged = m_app->log().getlastQSOs(1);
        QCOMPARE(logged.size(), 1);
        QCOMPARE(logged.first().county, QString());
    }
};

QTEST_GUILESS_MAIN(EntryTranslationTest)
#include "tst_entrytranslation.moc"
