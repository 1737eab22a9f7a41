// Command sets of the radios: stored transcripts of what they are sent and what they answer,
// as links deliver it (split, merged, echoed, corrupted, from other radios), and each command set
// against a simulated radio of its family.

#include "ExpectedOutput.h"
#include "RadioSimulator.h"
#include "trx/CatNumbers.h"
#include "trx/Ft817.h"
#include "trx/Ftdx1200.h"
#include "trx/IcomCiv.h"
#include "trx/RadioModels.h"
#include "trx/TextCat.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace trx;

namespace {

std::optional<Make> makeOf(const QString &model)
{
    for (const Make make : {Make::Elecraft, Make::Icom, Make::Kenwood, Make::Yaesu})
        if (modelsOf(make).contains(model))
            return make;
    return std::nullopt;
}

std::unique_ptr<CommandSet> commandSet(const QString &model)
{
    return makeCommandSet({makeOf(model).value(), model, 0});
}

/** Icom and the FT-817 speak bytes, written in hex in the tables; the others text. */
bool speaksBytes(const QString &model)
{
    return model.startsWith("IC") || model == "FT-817";
}

QByteArray wire(const QString &model, const QString &piece)
{
    return speaksBytes(model) ? QByteArray::fromHex(piece.toLatin1()) : piece.toLatin1();
}

QString written(const QString &model, const QByteArray &bytes)
{
    return speaksBytes(model) ? QString::fromLatin1(bytes.toHex(' ').toUpper())
                              : QString::fromLatin1(bytes);
}

/** Commands as "bytes@pause | …", the pause left out when there is none. */
QString written(const QString &model, const Commands &commands)
{
    QStringList texts;
    for (const Command &command : commands)
        texts += written(model, command.bytes) +
                 (command.pauseAfterMs ? QString("@%1").arg(command.pauseAfterMs) : QString());
    return texts.join(" | ");
}

/** "kHz mode/log", " data" in a data mode. */
QString summary(const RadioState &state)
{
    return QString("%1 %2/%3%4")
        .arg(state.kHz, 0, 'f', 3)
        .arg(state.mode, state.logMode, state.dataMode ? " data" : "");
}

/** Feeds "|"-separated pieces; a piece "P" hands out a poll as the controller would. */
bool feedPieces(CommandSet &set, const QString &model, const QString &pieces)
{
    bool read = false;
    for (const QString &piece : pieces.split(" | ")) {
        if (piece == "P")
            (void)set.poll();
        else
            read = set.feed(wire(model, piece)) || read;
    }
    return read;
}

qsizetype pendingBytes(const CommandSet &set)
{
    if (const auto *icom = dynamic_cast<const IcomCiv *>(&set))
        return icom->pendingBytes();
    if (const auto *text = dynamic_cast<const TextCat *>(&set))
        return text->pendingBytes();
    if (const auto *ft817 = dynamic_cast<const Ft817 *>(&set))
        return ft817->pendingBytes();
    return dynamic_cast<const Ftdx1200 &>(set).pendingBytes();
}

qsizetype maxTail(const CommandSet &set)
{
    if (dynamic_cast<const IcomCiv *>(&set))
        return IcomCiv::kMaxTail;
    if (dynamic_cast<const Ft817 *>(&set))
        return Ft817::kReplySize - 1;
    return TextCat::kMaxTail;
}

void setKnobs(RadioSimulator &radio, const QString &knobs)
{
    const QString value = knobs.section(':', 1);
    if (knobs.startsWith("split"))
        radio.knobs.splitAfter = value.toInt();
    else if (knobs == "merge")
        radio.knobs.mergeReplies = true;
    else if (knobs == "echo")
        radio.knobs.echo = true;
    else if (knobs.startsWith("corrupt"))
        radio.knobs.corruptAt = value.toInt();
    else if (knobs.startsWith("other"))
        radio.knobs.otherAddress = quint8(value.toUInt(nullptr, 16));
}

/** Sends the commands to the radio one by one and feeds back what it answers. */
void exchange(CommandSet &set, RadioSimulator &radio, const Commands &commands)
{
    for (const Command &command : commands)
        set.feed(radio.respond(command.bytes));
}

/** One row of the current table. */
template <typename... Values> void row(const char *name, const Values &...values)
{
    (QTest::newRow(name) << ... << values);
}

const QString kK3DataInfo = "IF00014074000     +000000 0006000021 ";
const QString kKenwoodInfo = "IF00007074000     +00000000002000000 ";

} // namespace

class TestCommandSets : public QObject {
    Q_OBJECT

private slots:
    void transcripts_data();
    void transcripts();
    void tailStaysCapped_data();
    void tailStaysCapped();
    void bcdFrequencies_data();
    void bcdFrequencies();
    void simulatedRadioFollows_data();
    void simulatedRadioFollows();
    void presentation_data();
    void presentation();
    void modelChoices_data();
    void modelChoices();
};

void TestCommandSets::transcripts_data()
{
    expected::addInputRows(BRINDLEWICK_TEST_DATA "/transcripts");
}

/** Transcripts of one model each (data/transcripts/MODEL.txt): cases apart by an empty line, a
 *  "# what it shows" line, then "< bytes" as one read delivers them (hex for the byte-speaking
 *  radios) and what the controller has the command set write: "> poll", "> start-up" or
 *  "> tune kHz modeClass dataSubMode [data]" (mode class 0 none, 1 CW, 2 digital, 3 phone;
 *  "data" for UseDataMode). A fresh command set plays each case; the expected file holds the
 *  commands it wrote ("bytes@pause"), whether it read a reply and the state it shows. Readings
 *  no radio can give are refused, the last good one kept; a frequency outside the radio's range
 *  sends nothing. */
void TestCommandSets::transcripts()
{
    QFETCH(QString, input);
    const QString model = QFileInfo(input).completeBaseName();
    QJsonArray cases;
    for (const QString &block : QString::fromLatin1(expected::readAll(input)).split("\n\n")) {
        const std::unique_ptr<CommandSet> set = commandSet(model);
        QJsonObject result;
        bool fed = false;
        bool read = false;
        QJsonArray sent;
        for (const QString &line : block.split(u'\n', Qt::SkipEmptyParts)) {
            const QStringList words = line.split(u' ');
            if (line.startsWith(u'#')) {
                result.insert("case", line.mid(2));
            } else if (line.startsWith(u'<')) {
                fed = true;
                read = set->feed(wire(model, line.mid(2))) || read;
            } else if (words.value(1) == QLatin1String("poll")) {
                sent << written(model, set->poll());
            } else if (words.value(1) == QLatin1String("start-up")) {
                sent << written(model, set->startup());
            } else {
                QCOMPARE(words.value(1), QStringLiteral("tune"));
                sent << written(model,
                                set->tune({words.value(2).toDouble(), words.value(3).toInt()},
                                          {words.value(4).toInt(), words.size() > 5}));
            }
        }
        if (!sent.isEmpty())
            result.insert("sent", sent);
        if (fed) {
            const RadioState &state = set->state();
            result.insert("read", read);
            result.insert("state", QJsonObject{{"kHz", state.kHz},
                                               {"mode", state.mode},
                                               {"logMode", state.logMode},
                                               {"dataMode", state.dataMode}});
        }
        cases << result;
    }
    COMPARE_EXPECTED(input, cases);
}

void TestCommandSets::tailStaysCapped_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("state");

    row("CI-V", "IC-705", "FE FE E0 A4 00 00 40 07 14 00 FD", "14074.000 /");
    row("Elecraft", "KX3", ";FA00014074000;", "14074.000 /");
    row("FT-817", "FT-817", "P | 01 40 74 00 01", "14074.000 USB/SSB");
    row("FTDX-1200", "FTDX-1200", ";MD03;", "0.000 CW/CW");
}

void TestCommandSets::tailStaysCapped()
{
    QFETCH(QString, model);
    QFETCH(QString, reply);
    QFETCH(QString, state);

    const std::unique_ptr<CommandSet> set = commandSet(model);
    QRandomGenerator random(4711);
    // An unfinished frame that never ends, then noise without terminators, then any bytes.
    const QList<QByteArray> noise{QByteArray::fromHex("FEFEE0A4") + QByteArray(500, 0x11),
                                  QByteArray(500, 'F')};
    for (const QByteArray &bytes : noise) {
        set->feed(bytes);
        QVERIFY(pendingBytes(*set) <= maxTail(*set));
    }
    (void)set->poll();
    for (int i = 0; i < 300; ++i) {
        QByteArray bytes(1 + random.bounded(80), '\0');
        for (char &byte : bytes)
            byte = char(random.bounded(256));
        set->feed(bytes);
        QVERIFY2(pendingBytes(*set) <= maxTail(*set), qPrintable(QString::number(i)));
    }
    QVERIFY(feedPieces(*set, model, reply));
    QCOMPARE(summary(set->state()).section(' ', 0, 0), state.section(' ', 0, 0));
}

void TestCommandSets::bcdFrequencies_data()
{
    QTest::addColumn<double>("kHz");
    QTest::addColumn<QString>("civ");
    QTest::addColumn<QString>("ft817");

    row("14 074 kHz", 14074.0, "00 40 07 14 00", "01 40 74 00");
    row("10 Hz", 0.01, "10 00 00 00 00", "00 00 00 01");
    row("2 m with 500 Hz", 145500.5, "00 05 50 45 01", "14 55 00 50");
    row("top of the FT-817's digits", 999999.99, "90 99 99 99 09", "99 99 99 99");
}

void TestCommandSets::bcdFrequencies()
{
    QFETCH(double, kHz);
    QFETCH(QString, civ);
    QFETCH(QString, ft817);

    QCOMPARE(qrgTo5BCD(kHz).toHex(' ').toUpper(), civ.toLatin1());
    QCOMPARE(qrgTo4BCD(kHz).toHex(' ').toUpper(), ft817.toLatin1());
    QCOMPARE(bcdToQRG(qrgTo5BCD(kHz)).value(), kHz);
    QCOMPARE(bcdToQRG(qrgTo4BCD(kHz)).value(), kHz);
}

void TestCommandSets::simulatedRadioFollows_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("knobs");
    QTest::addColumn<double>("kHz");
    QTest::addColumn<int>("xMode");
    QTest::addColumn<int>("dataSubMode");
    QTest::addColumn<int>("radioMode"); // the simulator's mode afterwards
    QTest::addColumn<QString>("state");

    row("IC-705", "IC-705", "plain", 7074.0, 2, 1, 0x01, "7074.000 USB/SSB");
    row("IC-705 replies split", "IC-705", "split:3", 7074.0, 2, 2, 0x04, "7074.000 RTTY/RTTY");
    row("IC-705 replies merged", "IC-705", "merge", 7025.0, 1, 0, 0x03, "7025.000 CW/CW");
    row("IC-705 bus echo", "IC-705", "echo", 3700.0, 3, 0, 0x00, "3700.000 LSB/SSB");
    row("IC9700 beside an IC-7300 on the bus", "IC9700", "other:94", 145500.0, 3, 0, 0x01,
        "145500.000 USB/SSB");
    row("IC-705 frequency digit corrupted never gives a frequency", "IC-705", "corrupt:7", 7074.0,
        2, 1, 0x01, "0.000 USB/SSB");
    row("K3", "K3", "plain", 7074.0, 2, 1, 6, "7074.000 AFSK A/RTTY data");
    row("KX2 replies split", "KX2", "split:5", 14074.0, 2, 3, 6, "14074.000 DATA A/PSK31 data");
    row("KX3 replies merged", "KX3", "merge", 14030.0, 1, 0, 3, "14030.000 CW/CW");
    row("K3 frequency digit corrupted", "K3", "corrupt:5", 7074.0, 2, 1, 6, "0.000 /");
    row("K2", "K2", "plain", 3700.0, 3, 0, 1, "3700.000 LSB/SSB");
    row("Kenwood", "Generic", "split:7", 21074.0, 2, 1, 2, "21074.000 USB/SSB");
    row("FT-817", "FT-817", "plain", 14074.0, 2, 2, 0x0A, "14074.000 Digi/RTTY");
    row("FT-817 replies split", "FT-817", "split:2", 7030.0, 1, 0, 0x02, "7030.000 CW/CW");
    row("FT-817 echoing interface", "FT-817", "echo", 145500.0, 3, 0, 0x01, "145500.000 USB/SSB");
    row("FT-817 frequency byte corrupted", "FT-817", "corrupt:1", 14074.0, 3, 0, 0x01, "0.000 /");
    row("FTDX-1200", "FTDX-1200", "plain", 7074.0, 2, 3, 0x0C, "7074.000 Data-USB/PSK31");
    row("FTDX-1200 replies split", "FTDX-1200", "split:4", 3573.0, 2, 1, 0x09,
        "3573.000 RTTY-USB/RTTY");
}

void TestCommandSets::simulatedRadioFollows()
{
    QFETCH(QString, model);
    QFETCH(QString, knobs);
    QFETCH(double, kHz);
    QFETCH(int, xMode);
    QFETCH(int, dataSubMode);
    QFETCH(int, radioMode);
    QFETCH(QString, state);

    const std::unique_ptr<CommandSet> set = commandSet(model);
    RadioSimulator radio(RadioSimulator::familyOf(model), icomAddressOf(model).value_or(0));
    setKnobs(radio, knobs);
    exchange(*set, radio, set->startup());
    exchange(*set, radio, set->tune({kHz, xMode}, {dataSubMode, true}));
    exchange(*set, radio, set->poll());
    set->feed(radio.report()); // what radios with auto-info say after a change
    set->feed(radio.takeHeld());

    QCOMPARE(radio.kHz, kHz);
    QCOMPARE(radio.mode, radioMode);
    QCOMPARE(summary(set->state()), state);
}

void TestCommandSets::presentation_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("pieces");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("labels");
    QTest::addColumn<bool>("polled");
    QTest::addColumn<QString>("range");

    row("IC-9700 on 23 cm", "IC9700", "FE FE E0 A2 03 00 05 10 96 12 FD", "1,296,100.500",
        "LSB,USB,FSK,PSK", false, "136000-1300000");
    row("IC-7300 up to 4 m", "IC-7300", "", "0.000", "LSB,USB,FSK,PSK", false, "30-74800");
    row("FT-817 with two decimals, always polled", "FT-817", "P | 01 40 74 00 01", "14,074.00",
        "LSB,USB,DIG", true, "100-470000");
    row("K3", "K3", "FA00007074000;", "7,074.000", "FSK D,AFSK A,PSK D,DATA A", false, "30-60000");
    row("K2", "K2", "", "0.000", "LSB,USB,FSK", false, "30-30000");
    row("Kenwood", "Generic", "", "0.000", "LSB,USB,FSK", false, "30-1300000");
    row("FTDX-1200", "FTDX-1200", "", "0.000", "RTTY-LSB,RTTY-USB,Data LSB,Data USB", false,
        "30-60000");
}

void TestCommandSets::presentation()
{
    QFETCH(QString, model);
    QFETCH(QString, pieces);
    QFETCH(QString, frequency);
    QFETCH(QString, labels);
    QFETCH(bool, polled);
    QFETCH(QString, range);

    const std::unique_ptr<CommandSet> set = commandSet(model);
    feedPieces(*set, model, pieces);
    QCOMPARE(set->frequencyText(), frequency);
    QCOMPARE(set->dataModeLabels().join(","), labels);
    QCOMPARE(set->alwaysPolled(), polled);
    QCOMPARE(QString::number(set->lowestKHz(), 'f', 0) + "-" +
                 QString::number(set->highestKHz(), 'f', 0),
             range);
}

void TestCommandSets::modelChoices_data()
{
    QTest::addColumn<int>("make");
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("address");     // 0: the model's own
    QTest::addColumn<QString>("startup"); // "none": no command set

    row("first Icom", 1, "IC-78", 0, "FE FE 62 E0 03 FD");
    row("IC-7400 shares the IC-746PRO's address", 1, "IC-7400", 0, "FE FE 66 E0 03 FD");
    row("last Icom", 1, "IC9700", 0, "FE FE A2 E0 03 FD");
    row("an address chosen by the user", 1, "IC-7300", 0x5A, "FE FE 5A E0 03 FD");
    row("an Elecraft model under Icom", 1, "K3", 0, "none");
    row("a model nobody makes", 0, "K4", 0, "none");
    row("Kenwood", 2, "Generic", 0, ";");
    row("Yaesu FTDX-1200", 3, "FTDX-1200", 0, ";");
}

void TestCommandSets::modelChoices()
{
    QFETCH(int, make);
    QFETCH(QString, model);
    QFETCH(int, address);
    QFETCH(QString, startup);

    QCOMPARE(modelsOf(Make::Icom).size(), 37);
    const std::unique_ptr<CommandSet> set = makeCommandSet({Make(make), model, quint8(address)});
    if (startup == "none") {
        QVERIFY(!set);
        return;
    }
    QVERIFY(set);
    QCOMPARE(written(model, set->startup().first().bytes), startup);
}

QTEST_GUILESS_MAIN(TestCommandSets)
#include "tst_commandsets.moc"
