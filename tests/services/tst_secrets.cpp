// Passwords in the keyring: stored copies of older versions move in and disappear from the
// logbook and the settings file, everything falls back to them without a keyring, and every
// service's screen reads and writes through the keyring. A MemorySecretStore plays the keyring;
// the one real keyring class is only tried without a session bus.

#include "app/KeychainSecretStore.h"
#include "app/MemorySecretStore.h"
#include "formats/TextCoding.h"
#include "root/AppDelegate.h"
#include "services/ClublogScreen.h"
#include "services/EqslScreen.h"
#include "services/LookupSettings.h"
#include "services/LotwScreen.h"
#include "services/ServicePasswords.h"

#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using servicepasswords::Service;
Q_DECLARE_METATYPE(servicepasswords::Service)

namespace {

bool inLogbook(Service service)
{
    return service != Service::Qrz && service != Service::HamQth;
}

} // namespace

class TestSecrets : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppDelegate> m_app;
    MemorySecretStore *m_keyring = nullptr;

    void start(bool keyring)
    {
        m_dir = std::make_unique<QTemporaryDir>();
        auto store = std::make_unique<MemorySecretStore>(keyring);
        m_keyring = store.get();
        m_app = std::make_unique<AppDelegate>(DataFolder::at(m_dir->path()), std::move(store));
        (void)m_app->log();
    }

    void setUser(Service service, const QString &user)
    {
        if (inLogbook(service))
            QVERIFY(m_app->log().updatePrefs(servicepasswords::userEntry(service), user));
        else
            m_app->defaults().setValue(servicepasswords::userEntry(service), user);
    }

    /** Stores the password the way the versions before the keyring did. */
    void storeAsBefore(Service service, const QString &password)
    {
        LogModel &log = m_app->log();
        switch (service) {
        case Service::Lotw:
        case Service::LotwSigning:
            log.saveLotwPrefs({{servicepasswords::entryName(service), password}});
            break;
        case Service::Eqsl:
            QVERIFY(log.updatePrefs(QStringLiteral("eqslpassword"), password));
            break;
        case Service::Clublog:
            log.saveClublogPrefs({{QStringLiteral("Password"), password}});
            break;
        default:
            m_app->defaults().setValue(servicepasswords::entryName(service),
                                       formats::base64FromText(password));
        }
    }

    /** The stored copy as its file keeps it (Base64), empty when there is none. */
    QString storedCopy(Service service)
    {
        const QString entry = servicepasswords::entryName(service);
        return inLogbook(service) ? m_app->log().readPrefsForEntry(entry)
                                  : m_app->defaults().string(entry);
    }

    QString password(Service service)
    {
        return inLogbook(service)
                   ? servicepasswords::password(m_app->secrets(), m_app->log(), service)
                   : servicepasswords::password(m_app->secrets(), m_app->defaults(), service);
    }

    bool setPassword(Service service, const QString &password)
    {
        return inLogbook(service) ? servicepasswords::setPassword(m_app->secrets(), m_app->log(),
                                                                  service, password)
                                  : servicepasswords::setPassword(
                                        m_app->secrets(), m_app->defaults(), service, password);
    }

    static void everyService()
    {
        QTest::addColumn<Service>("service");
        QTest::addColumn<QString>("key"); // the keyring entry for the user "k1abc"
        QTest::addColumn<bool>("keyring");
        for (const bool keyring : {true, false}) {
            const auto row = [keyring](const char *tag, Service service, const char *key) {
                QTest::addRow("%s%s", tag, keyring ? "" : ", no keyring")
                    << service << QString(key) << keyring;
            };
            row("LoTW, logbook", Service::Lotw, "lotwpassword/k1abc");
            row("eQSL, logbook, encoded by the model", Service::Eqsl, "eqslpassword/k1abc");
            row("Club Log, logbook", Service::Clublog, "ClublogPassword/k1abc");
            row("HamQTH, settings file, odd key", Service::HamQth, "HamQRH_PassWord/k1abc");
        }
    }

    /** A screen with a password field: what it shows, and typing and saving a new one. */
    struct Screen {
        std::unique_ptr<QObject> object;
        std::function<QString()> shown;
        std::function<void(const QString &)> typeAndSave;
    };

    template <typename T> static Screen accountScreen(T *s)
    {
        return {std::unique_ptr<QObject>(s), [s] { return s->password(); },
                [s](const QString &text) {
                    s->setPassword(text);
                    s->saveAccount();
                }};
    }

    Screen makeScreen(const QString &screen, QNetworkAccessManager &network)
    {
        AppDelegate &a = *m_app;
        if (screen == "lotw")
            return accountScreen(
                new LotwScreen(a.log(), a.dxcc(), a.defaults(), a.secrets(), a.clock(), network));
        if (screen == "eqsl")
            return accountScreen(
                new EqslScreen(a.log(), a.defaults(), a.secrets(), a.clock(), network));
        if (screen == "clublog")
            return accountScreen(
                new ClublogScreen(a.log(), a.defaults(), a.secrets(), a.clock(), network));
        auto *s = new LookupSettings(a.defaults(), a.secrets());
        const bool qrz = screen == "qrz";
        return {std::unique_ptr<QObject>(s),
                [s, qrz] { return qrz ? s->qrzPassword() : s->hamQthPassword(); },
                [s, qrz](const QString &text) {
                    qrz ? s->setQrzPassword(text) : s->setHamQthPassword(text);
                }};
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        // Nothing here may reach a real keyring: this process has no session bus.
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/brindlewick-test-bus");
    }

    void cleanup()
    {
        m_app.reset();
        m_dir.reset();
    }

    void storedCopyMovesInOrServesWithoutKeyring_data() { everyService(); }

    void storedCopyMovesInOrServesWithoutKeyring()
    {
        QFETCH(Service, service);
        QFETCH(QString, key);
        QFETCH(bool, keyring);
        start(keyring);
        setUser(service, "k1abc");
        // A copy stored while no keyring served is newer than what the keyring kept.
        if (keyring)
            QVERIFY(m_keyring->write(key, "older"));
        else
            QTest::ignoreMessage(QtWarningMsg, MemorySecretStore::kUnavailable);
        QSignalSpy warned(&m_app->secrets(), &SecretStore::warningChanged);
        // Where the password is: in the keyring, or Base64 in its file without one.
        const auto kept = [keyring](const QString &password) {
            const QString copy = password.isEmpty() ? QString() : formats::base64FromText(password);
            return keyring ? QStringList{password, QString()} : QStringList{QString(), copy};
        };
        const auto where = [&] {
            return QStringList{m_keyring->secrets().value(key), storedCopy(service)};
        };
        const QString typed = QStringLiteral("p&w=1;ü");
        storeAsBefore(service, typed);
        QCOMPARE(storedCopy(service), formats::base64FromText(typed));

        // Read twice: moved in by the first, from the keyring alone the second time.
        QCOMPARE(password(service), typed);
        QCOMPARE(where(), kept(typed));
        QCOMPARE(password(service), typed);
        QCOMPARE(m_app->defaults().contains(servicepasswords::entryName(service)),
                 !keyring && !inLogbook(service));

        // Written where it is read from; an emptied field removes it everywhere.
        QVERIFY(setPassword(service, "secret"));
        QCOMPARE(where(), kept("secret"));
        QCOMPARE(password(service), QStringLiteral("secret"));
        QVERIFY(setPassword(service, QString()));
        QVERIFY(!m_keyring->secrets().contains(key));
        QCOMPARE(where(), kept(QString()));
        QCOMPARE(password(service), QString());
        // Said once, and kept for a settings screen.
        QCOMPARE(warned.count(), keyring ? 0 : 1);
        QCOMPARE(m_app->secrets().warning(),
                 keyring ? QString() : QString::fromLatin1(MemorySecretStore::kUnavailable));
    }

    void twoLogbooksKeepTwoAccounts()
    {
        start(true);
        setUser(Service::Lotw, "k1abc");
        QVERIFY(setPassword(Service::Lotw, "first"));
        setUser(Service::Lotw, "k1abc/p");
        QVERIFY(setPassword(Service::Lotw, "second"));
        setUser(Service::Lotw, "k1abc");
        QCOMPARE(password(Service::Lotw), QStringLiteral("first"));
    }

    void screensReadAndWriteThroughTheKeyring_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<Service>("service");
        QTest::addColumn<bool>("keyring"); // without one, the file keeps it and the screen says why
        QTest::newRow("LoTW") << "lotw" << Service::Lotw << true;
        QTest::newRow("eQSL") << "eqsl" << Service::Eqsl << true;
        QTest::newRow("Club Log") << "clublog" << Service::Clublog << true;
        QTest::newRow("QRZ") << "qrz" << Service::Qrz << true;
        QTest::newRow("HamQTH") << "hamqth" << Service::HamQth << true;
        QTest::newRow("LoTW, no keyring") << "lotw" << Service::Lotw << false;
        QTest::newRow("eQSL, no keyring") << "eqsl" << Service::Eqsl << false;
        QTest::newRow("Club Log, no keyring") << "clublog" << Service::Clublog << false;
        QTest::newRow("QRZ, no keyring") << "qrz" << Service::Qrz << false;
    }

    void screensReadAndWriteThroughTheKeyring()
    {
        QFETCH(QString, screen);
        QFETCH(Service, service);
        QFETCH(bool, keyring);
        start(keyring);
        setUser(service, "k1abc");
        const QString key = servicepasswords::entryName(service) + "/k1abc";
        if (keyring)
            QVERIFY(m_keyring->write(key, "kept"));
        else
            QTest::ignoreMessage(QtWarningMsg, MemorySecretStore::kUnavailable);
        QNetworkAccessManager network;
        const Screen s = makeScreen(screen, network);
        if (keyring)
            QCOMPARE(s.shown(), QStringLiteral("kept"));
        s.typeAndSave("typed");
        QCOMPARE(m_keyring->secrets().value(key), keyring ? QStringLiteral("typed") : QString());
        QCOMPARE(storedCopy(service), keyring ? QString() : formats::base64FromText("typed"));
        QCOMPARE(s.object->property("keyringWarning").toString(),
                 keyring ? QString() : QString::fromLatin1(MemorySecretStore::kUnavailable));
    }

    void lookupPasswordFollowsARenamedUser()
    {
        start(true);
        LookupSettings settings(m_app->defaults(), m_app->secrets());
        settings.setQrzUser("k1abc");
        settings.setQrzPassword("pw");
        settings.setQrzUser(" k1xyz ");
        QCOMPARE(settings.qrzPassword(), QStringLiteral("pw"));
        QCOMPARE(m_keyring->secrets().keys(), QStringList{"QRZ_PassWord/k1xyz"});
    }

    void keyringWithoutSessionBusSaysSoAtOnce()
    {
        KeychainSecretStore keyring(std::chrono::seconds(2));
        QElapsedTimer timer;
        timer.start();
        QTest::ignoreMessage(QtWarningMsg, KeychainSecretStore::kNoService);
        QVERIFY(!keyring.available());
        QCOMPARE(keyring.read("lotwpassword/k1abc"), std::nullopt);
        QVERIFY(!keyring.write("lotwpassword/k1abc", "pw"));
        QVERIFY(timer.elapsed() < 2000);
        QCOMPARE(keyring.warning(), QString::fromLatin1(KeychainSecretStore::kNoService));
    }

    void overriddenDataFolderNeverUsesTheKeyring()
    {
        QTemporaryDir dir;
        AppDelegate app(DataFolder::at(dir.path()));
        (void)app.log();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no keyring is used"));
        QVERIFY(app.log().updatePrefs("lotwuser", "k1abc"));
        QVERIFY(servicepasswords::setPassword(app.secrets(), app.log(), Service::Lotw, "pw"));
        QCOMPARE(app.log().readPrefsForEntry("lotwpassword"), formats::base64FromText("pw"));
        QVERIFY(!app.secrets().warning().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSecrets)
#include "tst_secrets.moc"
