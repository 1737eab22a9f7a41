// The Bluetooth LE links and the Icom pairing over a fake central: nothing here touches BlueZ.
#include "FakeBleCentral.h"
#include "app/UserDefaults.h"
#include "trx/GenericBleLink.h"
#include "trx/IcomBleLink.h"
#include "trx/IcomPairing.h"
#include "trx/LinkChoice.h"
#include "trx/ReplyFramer.h"
#include "trx/TrxSettings.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace trx;

namespace {

const QString kNotify = QStringLiteral("6E400003-B5A3-F393-E0A9-E50E24DCCA9E");
const QString kWrite = QStringLiteral("6E400002-B5A3-F393-E0A9-E50E24DCCA9E");
const QString kAddress = QStringLiteral("C8:2B:96:00:11:22");
const QUuid kInstallation = QUuid::fromString(u"{0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0}");

QList<BleCharacteristic> serialService()
{
    return {{kNotify, true, false, false}, {kWrite, false, false, true}};
}

/** A generic link over the fake, opened. */
struct OpenGenericLink {
    FakeBleCentral *central = new FakeBleCentral;
    GenericBleLink link{central, kAddress};

    OpenGenericLink()
    {
        link.open();
        emit central->serviceReady(serialService());
        emit central->subscribed(kNotify);
    }
};

/** An Icom link over the fake, with the handshake written and confirmed. */
struct HandshakenIcomLink {
    FakeBleCentral *central = new FakeBleCentral;
    IcomBleLink link{central, kAddress, kInstallation};

    HandshakenIcomLink()
    {
        link.open();
        emit central->serviceReady({{kNotify, true, false, false},
                                    {QStringLiteral("R"), false, true, false},
                                    {kWrite, false, false, true}});
        QTRY_COMPARE(central->writes.size(), 1); // the identify frame, after a moment
        central->confirmAll();
    }
};

} // namespace

class TestBle : public QObject {
    Q_OBJECT
private slots:
    void chunkedWritesKeepOrder_data()
    {
        QTest::addColumn<QByteArrayList>("messages");
        QTest::addColumn<QByteArrayList>("chunks");
        QTest::newRow("23 bytes: 10, 10, 3") << QByteArrayList{"FA00014074000;MD2;IF;AI"}
                                             << QByteArrayList{"FA00014074", "000;MD2;IF", ";AI"};
        QTest::newRow("10 bytes: one write")
            << QByteArrayList{"FA00014074"} << QByteArrayList{"FA00014074"};
        // Queued while the first is still going out: never interleaved.
        QTest::newRow("two commands in a row") << QByteArrayList{"FA00007030000;", "MD3;"}
                                               << QByteArrayList{"FA00007030", "000;", "MD3;"};
    }
    void chunkedWritesKeepOrder()
    {
        QFETCH(QByteArrayList, messages);
        QFETCH(QByteArrayList, chunks);
        OpenGenericLink fixture;
        QVERIFY(fixture.link.isOpen());
        for (const QByteArray &message : messages)
            fixture.link.write(message);
        QCOMPARE(fixture.central->writes.size(), 1); // one write in flight
        fixture.central->confirmAll();
        QCOMPARE(fixture.central->writtenBytes(), chunks);
        for (const auto &write : fixture.central->writes)
            QCOMPARE(write.first, kWrite);
    }

    void chunksFitTheConnection()
    {
        OpenGenericLink fixture;
        fixture.central->writeSize = 4;
        fixture.link.write("FA00014074;");
        fixture.central->confirmAll();
        QCOMPARE(fixture.central->writtenBytes(), (QByteArrayList{"FA00", "0140", "74;"}));
    }

    void refusedWriteSkipsToTheNextCommand()
    {
        OpenGenericLink fixture;
        fixture.link.write("FA00014074000;");
        fixture.link.write("MD3;");
        emit fixture.central->writeFailed(QStringLiteral("Error while writing: 2"));
        QCOMPARE(fixture.central->writtenBytes(), (QByteArrayList{"FA00014074", "MD3;"}));
        fixture.central->confirmed = 1; // the refused write is never confirmed
        fixture.central->confirmAll();
        QCOMPARE(fixture.central->writes.size(), 2);
    }

    void genericServiceDiscovery_data()
    {
        QTest::addColumn<QList<BleCharacteristic>>("characteristics");
        QTest::addColumn<QStringList>("subscribed");
        QTest::addColumn<QString>("writeTo");
        QTest::newRow("notify and write") << serialService() << QStringList{kNotify} << kWrite;
        QTest::newRow("every notifier, the last writer")
            << QList<BleCharacteristic>{{"A", true, false, true},
                                        {"B", false, false, true},
                                        {"C", true, false, false}}
            << QStringList{"A", "C"} << QStringLiteral("B");
        QTest::newRow("nothing to write to")
            << QList<BleCharacteristic>{{"A", true, false, false}} << QStringList{"A"} << QString();
    }
    void genericServiceDiscovery()
    {
        QFETCH(QList<BleCharacteristic>, characteristics);
        QFETCH(QStringList, subscribed);
        QFETCH(QString, writeTo);
        auto *central = new FakeBleCentral;
        GenericBleLink link(central, kAddress);
        QSignalSpy opened(&link, &ByteLink::opened);
        QSignalSpy closed(&link, &ByteLink::closed);
        link.open();
        QCOMPARE(central->connectedAddress, kAddress);
        QCOMPARE(central->connectedService, BleCentral::kGenericService);
        emit central->serviceReady(characteristics);
        QCOMPARE(central->subscriptions, subscribed);
        if (writeTo.isEmpty()) {
            QCOMPARE(closed.size(), 1);
            QVERIFY(!closed.first().first().toString().isEmpty());
            return;
        }
        QVERIFY(opened.isEmpty()); // up when a subscription is active
        emit central->subscribed(subscribed.first());
        QCOMPARE(opened.size(), 1);
        link.write("ID;");
        QCOMPARE(central->writes.first().first, writeTo);
    }

    void splitNotificationMakesOneReply()
    {
        OpenGenericLink fixture;
        ReplyFramer framer;
        QByteArrayList replies;
        connect(&fixture.link, &ByteLink::received, this,
                [&](const QByteArray &bytes) { replies += framer.push(bytes); });
        emit fixture.central->valueReceived(kNotify, "FA000140");
        QVERIFY(replies.isEmpty());
        emit fixture.central->valueReceived(kNotify, "74000;MD2;");
        QCOMPARE(replies, (QByteArrayList{"FA00014074000", "MD2"}));
    }

    void connectingGivesUp()
    {
        auto *central = new FakeBleCentral;
        GenericBleLink link(central, kAddress);
        link.setConnectTimeout(30);
        QSignalSpy closed(&link, &ByteLink::closed);
        link.open();
        QVERIFY(closed.wait(2000));
        QVERIFY(closed.first().first().toString().contains(QStringLiteral("within")));
        QVERIFY(!link.isOpen());
        QVERIFY(central->connectedAddress.isEmpty()); // the attempt is cancelled
    }

    void bluetoothOffIsTold_data()
    {
        QTest::addColumn<bool>("icom");
        QTest::addColumn<QString>("reason");
        QTest::newRow("generic") << false << QStringLiteral("Bluetooth is not available!");
        QTest::newRow("Icom") << true << QStringLiteral("Can't access Bluetooth");
    }
    void bluetoothOffIsTold()
    {
        QFETCH(bool, icom);
        QFETCH(QString, reason);
        auto *central = new FakeBleCentral;
        central->powered = false;
        std::unique_ptr<ByteLink> link;
        if (icom)
            link = std::make_unique<IcomBleLink>(central, kAddress, kInstallation);
        else
            link = std::make_unique<GenericBleLink>(central, kAddress);
        QSignalSpy closed(link.get(), &ByteLink::closed);
        link->open();
        QVERIFY(closed.isEmpty()); // on a later turn, as every link does
        QVERIFY(closed.wait(1000));
        QCOMPARE(closed.first().first().toString(), reason);
        QVERIFY(central->connectedAddress.isEmpty());
    }

    void deviceLossClosesWithReason()
    {
        OpenGenericLink fixture;
        QSignalSpy closed(&fixture.link, &ByteLink::closed);
        fixture.link.write("FA;");
        emit fixture.central->disconnected(QStringLiteral("gone"));
        QCOMPARE(closed.size(), 1);
        QCOMPARE(closed.first().first().toString(), QStringLiteral("gone"));
        fixture.link.write("MD;"); // dropped while closed
        fixture.central->confirmAll();
        QCOMPARE(fixture.central->writtenBytes(), QByteArrayList{"FA;"});
    }

    void icomHandshakeInOrder()
    {
        HandshakenIcomLink fixture;
        FakeBleCentral &central = *fixture.central;
        QCOMPARE(central.connectedService, BleCentral::kIcomService);
        QCOMPARE(central.subscriptions, QStringList{kNotify});
        QCOMPARE(central.reads, QStringList{QStringLiteral("R")});
        const QByteArray identify =
            QByteArray::fromHex("FEF10061") + kInstallation.toRfc4122() + QByteArray::fromHex("FD");
        const QByteArray name =
            QByteArray::fromHex("FEF10062") + "Brindlewick     " + QByteArray::fromHex("FD");
        const QByteArray token = QByteArray::fromHex("FEF10063A75C12E4FD");
        QCOMPARE(central.writtenBytes(), (QByteArrayList{identify, name, token}));
        QVERIFY(!fixture.link.isOpen());

        QSignalSpy opened(&fixture.link, &ByteLink::opened);
        QSignalSpy received(&fixture.link, &ByteLink::received);
        emit central.valueReceived(kNotify, QByteArray::fromHex("FEF10064FD"));
        QCOMPARE(opened.size(), 1);
        // Control frames are only logged; a radio reply split over two values is passed on
        // piece by piece; each value is acknowledged first.
        const QByteArray ack = QByteArray::fromHex("FEF10060FBFD");
        fixture.link.write(QByteArray::fromHex("FEFEA4E003FD"));
        emit central.valueReceived(kNotify, QByteArray::fromHex("FEF10065FD"));
        emit central.valueReceived(kNotify, QByteArray::fromHex("FEFEE0A40300"));
        emit central.valueReceived(kNotify, QByteArray::fromHex("40071400FD"));
        central.confirmAll();
        QCOMPARE(central.writtenBytes().mid(3),
                 (QByteArrayList{ack, QByteArray::fromHex("FEFEA4E003FD"), ack, ack, ack}));
        QCOMPARE(received.size(), 2);
        QCOMPARE(received.at(0).first().toByteArray() + received.at(1).first().toByteArray(),
                 QByteArray::fromHex("FEFEE0A4030040071400FD"));
    }

    void icomValuesBeforeAcceptanceAreNotPassedOn()
    {
        HandshakenIcomLink fixture;
        QSignalSpy received(&fixture.link, &ByteLink::received);
        emit fixture.central->valueReceived(kNotify, QByteArray::fromHex("FEFEE0A4FBFD"));
        QVERIFY(received.isEmpty());
    }

    void pairingOutcomes_data()
    {
        QTest::addColumn<bool>("powered");
        QTest::addColumn<bool>("radioHeard");
        QTest::addColumn<bool>("radioAccepts");
        QTest::addColumn<QString>("failure");
        QTest::newRow("paired") << true << true << true << QString();
        QTest::newRow("no radio in range") << true << false << false << IcomPairing::kNotFound;
        QTest::newRow("radio never answers") << true << true << false << IcomPairing::kFailed;
        QTest::newRow("Bluetooth off") << false << false << false << IcomPairing::kNoBluetooth;
    }
    void pairingOutcomes()
    {
        QFETCH(bool, powered);
        QFETCH(bool, radioHeard);
        QFETCH(bool, radioAccepts);
        QFETCH(QString, failure);
        auto *central = new FakeBleCentral;
        central->powered = powered;
        IcomPairing pairing(central, kInstallation);
        pairing.setTimeout(300);
        QSignalSpy paired(&pairing, &IcomPairing::paired);
        QSignalSpy notPaired(&pairing, &IcomPairing::notPaired);
        pairing.pairNow();
        if (powered) {
            QVERIFY(central->scanning);
            QCOMPARE(central->scanService, BleCentral::kIcomService);
        }
        if (radioHeard) {
            emit central->deviceFound({QStringLiteral("IC-705"), kAddress, {}});
            QVERIFY(!central->scanning);
            QCOMPARE(central->connectedAddress, kAddress);
            emit central->serviceReady(
                {{kNotify, true, false, false}, {kWrite, false, false, true}});
            QTRY_COMPARE(central->writes.size(), 1);
            central->confirmAll();
            QCOMPARE(central->writes.size(), 3);
        }
        if (radioAccepts)
            emit central->valueReceived(kNotify, QByteArray::fromHex("FEF10064FD"));
        QTRY_COMPARE(paired.size() + notPaired.size(), 1);
        if (failure.isEmpty()) {
            QCOMPARE(paired.first(), (QVariantList{kAddress, QStringLiteral("IC-705")}));
            QVERIFY(central->connectedAddress.isEmpty()); // pairing hangs up
        } else {
            QCOMPARE(notPaired.first().first().toString(), failure);
        }
        QVERIFY(!central->scanning);
        QTest::qWait(350); // the time limit does not report a second outcome
        QCOMPARE(paired.size() + notPaired.size(), 1);
    }

    void installationIdIsMadeOnceAndKept()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("Brindlewick.ini"));
        QUuid first;
        {
            UserDefaults defaults(ini);
            TrxSettings settings(defaults);
            settings.setLinkKind(LinkChoice::Kind::IcomBle);
            settings.setIcomRadio(kAddress, QString());
            first = settings.bleInstallationId();
            QVERIFY(!first.isNull());
            QCOMPARE(settings.link().installationId, first);
            QCOMPARE(settings.link().toString(), QStringLiteral("icom-ble:") + kAddress);
            QCOMPARE(settings.icomName(), QStringLiteral("NoName"));
        }
        UserDefaults reopened(ini);
        QCOMPARE(TrxSettings(reopened).bleInstallationId(), first);
    }

    void bluetoothLinkChoices_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored");
        QTest::newRow("generic") << "ble:c8:2b:96:00:11:22"
                                 << "ble:C8:2B:96:00:11:22";
        QTest::newRow("icom") << "icom-ble:C8:2B:96:00:11:22"
                              << "icom-ble:C8:2B:96:00:11:22";
        QTest::newRow("short address") << "ble:C8:2B:96:00:11" << QString();
        QTest::newRow("not hex") << "icom-ble:C8:2B:96:00:11:ZZ" << QString();
    }
    void bluetoothLinkChoices()
    {
        QFETCH(QString, text);
        QFETCH(QString, stored);
        const std::optional<LinkChoice> choice = LinkChoice::parse(text);
        QCOMPARE(choice.has_value(), !stored.isEmpty());
        if (choice)
            QCOMPARE(choice->toString(), stored);
    }
};

QTEST_GUILESS_MAIN(TestBle)
#include "tst_ble.moc"
