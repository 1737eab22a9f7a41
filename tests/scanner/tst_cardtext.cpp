// The QSL card text reader: the forms cards write their fields in, and texts that must be
// refused or read only in part, whatever bytes a QR code or a datagram carries.

#include "scanner/CardText.h"

#include <QtTest>

using scanner::CardText;

class TestCardText : public QObject {
    Q_OBJECT

private slots:
    void readsTheCommonForms_data()
    {
        QTest::addColumn<QString>("text");
        // from|to|date|time|band|kHz|mode
        QTest::addColumn<QString>("expected");
        const QString full = QStringLiteral("DL1ABC|G4XYZ|2026-12-06|14:32|20m|0|SSB");
        QTest::newRow("one field a line")
            << "From: DL1ABC\nTo: G4XYZ\nDate: 2026-12-06\nTime: 14:32\nBand: 20m\nMode: SSB"
            << full;
        QTest::newRow("CRLF, keys in capitals, no space after the colon")
            << "FROM:DL1ABC\r\nTO:G4XYZ\r\nDATE:2026-12-06\r\nTIME:1432\r\nBAND:20M\r\nMODE:SSB"
            << full;
        QTest::newRow("commas and bars")
            << "From: DL1ABC, To: G4XYZ | Date: 06.12.2026 | UTC: 14:32 | Band: 20M | Mode: SSB"
            << full;
        QTest::newRow("spaces only between fields")
            << "From: DL1ABC To: G4XYZ Date: 06-Dec-2026 Time: 14:32 UTC Band: 20m Mode: SSB"
            << full;
        QTest::newRow("month written out, time with seconds")
            << "From: DL1ABC\nTo: G4XYZ\nDate: 6 December 2026\nTime: 14:32:10\nMode: CW"
            << "DL1ABC|G4XYZ|2026-12-06|14:32:10||0|CW";
        QTest::newRow("date carries the time")
            << "From: DL1ABC\nTo: G4XYZ\nDate: 2026-12-06 1432z\nMode: FT8"
            << "DL1ABC|G4XYZ|2026-12-06|14:32||0|FT8";
        QTest::newRow("frequency in MHz") << "From: DL1ABC;To: G4XYZ;Date: 2026-12-06;Freq: 14.074"
                                          << "DL1ABC|G4XYZ|2026-12-06|||14074|";
        QTest::newRow("frequency in kHz, key QRG") << "From: DL1ABC;To: G4XYZ;QRG: 14074;Mode: FT8"
                                                   << "DL1ABC|G4XYZ||||14074|FT8";
        QTest::newRow("portable calls, other keys ignored")
            << "QSL card\nFrom: EA8/DL1ABC/P\nTo: G4XYZ\nRST: 59\nVia: bureau\nTnx: QSO"
            << "EA8/DL1ABC/P|G4XYZ||||0|";
    }

    void readsTheCommonForms()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QString why;
        const std::optional<CardText> card = scanner::readCardText(text, &why);
        QVERIFY2(card, qPrintable(why));
        QVERIFY2(card->problems.isEmpty(), qPrintable(card->problems.join("; ")));
        const QString time = !card->time                 ? QString()
                             : card->time->second() != 0 ? card->time->toString("HH:mm:ss")
                                                         : card->time->toString("HH:mm");
        QCOMPARE(QStringList({card->from, card->to,
                              card->date ? card->date->toString(Qt::ISODate) : QString(), time,
                              card->band, QString::number(card->kHz), card->mode})
                     .join('|'),
                 expected);
    }

    void refusesWhatIsNoCard_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("why");
        const QString notACard = QStringLiteral("No \"From:\" and \"To:\": not a QSL card");
        QTest::newRow("empty") << QString() << notACard;
        QTest::newRow("no To:") << "From: DL1ABC\nDate: 2026-12-06" << notACard;
        QTest::newRow("markers inside words only") << "Photo: x\nFromage: y" << notACard;
        QTest::newRow("To is no callsign") << "From: DL1ABC\nTo: <script>"
                                           << "To \"<script>\" cannot be read";
        QTest::newRow("callsign without a digit") << "From: HELLO\nTo: G4XYZ"
                                                  << "From \"HELLO\" cannot be read";
        QTest::newRow("NUL byte") << QString::fromUtf8("From: DL1ABC\0To: G4XYZ", 23)
                                  << "Contains control characters";
        QTest::newRow("longer than a card")
            << "From: DL1ABC\nTo: G4XYZ\nNote: " + QString(5000, 'x')
            << "Longer than 4096 characters";
    }

    void refusesWhatIsNoCard()
    {
        QFETCH(QString, text);
        QFETCH(QString, why);
        QString reason;
        QVERIFY(!scanner::readCardText(text, &reason));
        QCOMPARE(reason, why);
    }

    void keepsACardWhoseFieldIsUnreadable_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("problem");
        // Each row: the field as written, and how the problem names it.
        const auto row = [](const char *tag, const QString &key, const QString &value) {
            QTest::newRow(tag) << key + ": " + value << key + " \"" + value + "\" cannot be read";
        };
        row("31 February", "Date", "31.02.2026");
        row("year far off", "Date", "9999-12-06");
        row("ambiguous slashes", "Date", "06/12/2026");
        row("hour 24", "Time", "24:10");
        row("no band", "Band", "21m");
        QTest::newRow("frequency absurd") << "Freq: 999999999 GHz"
                                          << "Frequency \"999999999 GHz\" cannot be read";
        QTest::newRow("mode with markup") << "Mode: <b>"
                                          << "Mode \"<B>\" cannot be read";
    }

    void keepsACardWhoseFieldIsUnreadable()
    {
        QFETCH(QString, field);
        QFETCH(QString, problem);
        const std::optional<CardText> card =
            scanner::readCardText(QStringLiteral("From: DL1ABC\nTo: G4XYZ\n") + field);
        QVERIFY(card);
        QCOMPARE(card->problems, QStringList{problem});
        QCOMPARE(card->from, QStringLiteral("DL1ABC"));
    }

    void readsTheFuzzSeedsAsExpected_data()
    {
        QTest::addColumn<QString>("seed");
        QTest::addColumn<QString>("result"); // the summary, or why it is no card
        QTest::newRow("lines") << "lines.txt"
                               << "DL1ABC \u2192 G4XYZ 2026-12-06 14:32 20m SSB";
        QTest::newRow("mixed") << "mixed.txt"
                               << "EA8/DL1ABC/P \u2192 G4XYZ 2026-12-06 14:32 14074.0 kHz CW";
        // A key counts only at the start or after a space or separator.
        QTest::newRow("markers") << "markers.txt"
                                 << "From \"To:From:To:Date:Date:Time::::\" cannot be read";
    }

    void readsTheFuzzSeedsAsExpected()
    {
        QFETCH(QString, seed);
        QFETCH(QString, result);
        QFile file(QStringLiteral(BRINDLEWICK_SOURCE_DIR "/fuzz/corpus/cardtext/") + seed);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString why;
        const std::optional<CardText> card =
            scanner::readCardText(QString::fromUtf8(file.readAll()), &why);
        QCOMPARE(card ? scanner::describeCard(*card) : why, result);
    }

    void relaysOnlyTextsWithBothMarkers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("relayed");
        QTest::newRow("both") << "From: DL1ABC To: G4XYZ" << true;
        QTest::newRow("To: missing") << "From: DL1ABC" << false;
        QTest::newRow("no colons") << "From DL1ABC To G4XYZ" << false;
    }

    void relaysOnlyTextsWithBothMarkers()
    {
        QFETCH(QString, text);
        QFETCH(bool, relayed);
        QCOMPARE(scanner::hasCardMarkers(text), relayed);
    }
};

QTEST_GUILESS_MAIN(TestCardText)
#include "tst_cardtext.moc"
