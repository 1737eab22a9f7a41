// The view-models of the station profiles screen and the activation panel.

#include "AppFixture.h"
#include "station/ActivationPanel.h"
#include "station/ProfileEditor.h"
#include "station/StationProfiles.h"

#include <QSignalSpy>
#include <QTimeZone>

class TestStationScreens : public QObject, public AppFixture {
    Q_OBJECT
private slots:
    void init()
    {
        QDateTime now(QDate(2026, 5, 1), QTime(15, 0), QTimeZone::utc());
        startApp(now);
        m_profiles = std::make_unique<StationProfiles>(m_app->folder(), m_app->log());
    }
    void cleanup()
    {
        m_profiles.reset();
        stopApp();
    }

    void theFormRefusesABadLocatorAndKeepsWhatWasTyped()
    {
        ProfileEditor editor(*m_profiles);
        editor.newProfile();
        editor.setField(QStringLiteral("name"), QStringLiteral("Park"));
        editor.setField(QStringLiteral("locator"), QStringLiteral("JO62"));
        editor.setField(QStringLiteral("pota"), QStringLiteral("dl-0123"));
        QVERIFY(!editor.save());
        QVERIFY(editor.messageIsError());
        QVERIFY(editor.message().startsWith(QStringLiteral("Locator:")));
        QVERIFY(editor.names().isEmpty());
        const auto valueOf = [&editor](const QString &key) {
            for (const QVariant &field : editor.fields())
                if (field.toMap().value(QStringLiteral("key")) == key)
                    return field.toMap().value(QStringLiteral("value")).toString();
            return QString();
        };
        QCOMPARE(valueOf(QStringLiteral("locator")), QStringLiteral("JO62"));

        QSignalSpy list(&editor, &ProfileEditor::listChanged);
        editor.setField(QStringLiteral("locator"), QStringLiteral("jo62qm"));
        QVERIFY(editor.save());
        QVERIFY(!editor.messageIsError());
        QCOMPARE(editor.names(), QStringList{"Park"});
        QCOMPARE(editor.editing(), QStringLiteral("Park"));
        QCOMPARE(valueOf(QStringLiteral("pota")), QStringLiteral("DL-0123"));
        QCOMPARE(list.count(), 1);

        editor.select(QStringLiteral("Park"));
        QCOMPARE(editor.activeName(), QStringLiteral("Park"));
        editor.remove(QStringLiteral("Park"));
        QVERIFY(editor.names().isEmpty());
        QVERIFY(editor.activeName().isEmpty());
        QVERIFY(editor.editing().isEmpty());
    }

    void thePanelFollowsTheActiveProfile()
    {
        ActivationPanel panel(m_app->log(), *m_profiles, m_app->folder(), m_app->clock());
        QVERIFY(!panel.hasReference());
        QVERIFY(!panel.exportFile());

        StationProfile summit;
        summit.name = QStringLiteral("Summit");
        summit.sota = QStringLiteral("G/LD-003");
        QVERIFY(m_profiles->save(summit).isEmpty());
        QSignalSpy changed(&panel, &ActivationPanel::changed);
        QVERIFY(m_profiles->select(QStringLiteral("Summit")).isEmpty());
        QVERIFY(changed.count() >= 1);
        QCOMPARE(panel.reference(), QStringLiteral("G/LD-003"));
        QCOMPARE(panel.target(), 4);
        QCOMPARE(panel.title(), QStringLiteral("SOTA G/LD-003 on 2026-05-01"));
        QCOMPARE(panel.statusText(), QStringLiteral("0 of 4 QSOs: 4 more for a valid activation"));
    }

private:
    std::unique_ptr<StationProfiles> m_profiles;
};

QTEST_GUILESS_MAIN(TestStationScreens)
#include "tst_stationscreens.moc"
