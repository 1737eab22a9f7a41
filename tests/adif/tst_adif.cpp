// ADIF: the records we write, the records we read, and whole files from other programs.

#include "AppFixture.h"
#include "adif/AdifExport.h"
#include "adif/AdifImport.h"
#include "adif/AdifRecordReader.h"
#include "adif/AdifText.h"
#include "db/Database.h"
#include "model/AdifField.h"
#include "model/AdifWriter.h"
#include "model/LogModel.h"
#include "model/LogbookChoice.h"
#include "refdata/MyFunctions.h"
#include "root/AppDelegate.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <numeric>

namespace {

/** Entities by the first letter of the call: D… is Germany, anything else the United States. */
class FakeEntities : public adif::EntityLookup {
public:
    adif::AdifEntity resolve(const QString &callsign, const QDateTime &at) override
    {
        resolved << callsign + QLatin1Char('@') + at.toUTC().toString(Qt::ISODate);
        return byNumber(callsign.startsWith(QLatin1Char('D')) ? 230 : 291);
    }
    adif::AdifEntity byNumber(int adif) override
    {
        if (adif == 230)
            return {230, QStringLiteral("DL"), QStringLiteral("Eu"), 14, 28, QString()};
        return {adif, QStringLiteral("K"), QStringLiteral("NA"), 5, 8, QString()};
    }
    QString prefix(const QString &callsign) override { return callsign.left(3); }

    QStringList resolved;
};

QsoClass cwQso()
{
    QsoClass qso;
    qso.callsign = QStringLiteral("DL1ABC");
    qso.dateTime = QDateTime(QDate(2024, 5, 1), QTime(12, 34, 56), QTimeZone::utc());
    qso.band = QStringLiteral("20m");
    qso.qrg = 14025.0;
    qso.mode = QStringLiteral("CW");
    qso.adif = 230;
    return qso;
}

using Fields = QHash<QString, QString>;

/** A device that takes this many bytes and refuses every write after them, as a full disk. */
class FillingDevice : public QBuffer {
public:
    explicit FillingDevice(qint64 room) : m_room(room) {}

protected:
    qint64 writeData(const char *data, qint64 size) override
    {
        if (m_room >= 0 && pos() + size > m_room) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        return QBuffer::writeData(data, size);
    }

private:
    qint64 m_room;
};

qsizetype valueEnd(const QString &text, qsizetype at, qsizetype length, bool crlf)
{
    for (qsizetype units = 0; units < length && at < text.size(); ++at) {
        if (text.at(at).isLowSurrogate())
            continue;
        units += crlf && text.at(at) == '\n' && text.at(at - 1) != '\r' ? 2 : 1;
    }
    while (at < text.size() && text.at(at).isLowSurrogate())
        ++at;
    return at;
}

/** A reading of ADIF of its own: each field's length counts characters, or line feeds as
 *  CR LF when a value so read would not end before a blank or a tag. The first field of a
 *  name counts; empty ones are left out. */
QList<Fields> readIndependently(const QString &text)
{
    QList<Fields> records;
    Fields record;
    qsizetype at = text.trimmed().startsWith('<')
                       ? 0
                       : text.indexOf(QLatin1String("<eoh>"), 0, Qt::CaseInsensitive) + 5;
    while ((at = text.indexOf('<', at)) >= 0) {
        const qsizetype close = text.indexOf('>', at);
        const QStringList tag = text.mid(at + 1, close - at - 1).split(':');
        at = close + 1;
        if (tag.first().compare(QLatin1String("eor"), Qt::CaseInsensitive) == 0) {
            records << record;
            record.clear();
            continue;
        }
        if (tag.size() < 2)
            continue;
        const qsizetype length = tag.at(1).toLongLong();
        qsizetype end = valueEnd(text, at, length, false);
        if (end < text.size() && !text.at(end).isSpace() && text.at(end) != '<')
            end = valueEnd(text, at, length, true);
        const QString name = tag.first().toLower();
        if (end > at && !record.contains(name))
            record.insert(name, text.mid(at, end - at));
        at = end;
    }
    return records;
}

/** Fields with a column may come back in the logbook's form; the README lists them. */
bool sameMeaning(const Fields &record, const QString &name, const QString &before,
                 const QString &after)
{
    const auto yes = [](const QString &value, bool verified) {
        return value.compare("Y", Qt::CaseInsensitive) == 0 ||
               (verified && value.compare("V", Qt::CaseInsensitive) == 0);
    };
    static const QStringList anyCase = {"band", "mode", "submode"};
    static const QStringList yesOrNot = {"lotw_qsl_sent", "eqsl_qsl_sent", "eqsl_qsl_rcvd",
                                         "clublog_qso_upload_status"};
    if (anyCase.contains(name))
        return before.compare(after, Qt::CaseInsensitive) == 0;
    if (name == "gridsquare") // eight characters at most
        return before.left(8).compare(after, Qt::CaseInsensitive) == 0;
    // A paper card with a date is sent or received, whatever the flag says.
    if (name == "qsl_rcvd")
        return (yes(before, true) || record.contains("qslrdate")) == yes(after, false);
    if (name == "qsl_sent")
        return (yes(before, false) || record.contains("qslsdate")) == yes(after, false);
    if (name == "lotw_qsl_rcvd")
        return yes(before, true) == yes(after, false);
    if (yesOrNot.contains(name))
        return yes(before, false) == yes(after, false);
    if (name == "freq") // the logbook keeps 0.1 kHz
        return std::abs(before.toDouble() - after.toDouble()) <= 0.00005 + 1e-9;
    if (name == "time_on")
        return after == before.leftJustified(6, '0');
    if (name == "dxcc" && before.toInt() == 0) // none: the entity of the call
        return true;
    if (name == "tx_pwr")
        return before.toDouble() == after.toDouble();
    return before == after;
}

} // namespace

class AdifTest : public QObject, AppFixture {
    Q_OBJECT

    adif::ModesList m_modes = adif::ModesList::fromFile(QString::fromLatin1(adif::kModesResource));
    FakeEntities m_entities;

    QString record(const QsoClass &qso)
    {
        const QStringList userFields = {"app_tarvex_userfield_1", "sota_ref",
                                        "app_tarvex_userfield_3", "app_tarvex_userfield_4"};
        return adif::makeAdifRecord(qso, {m_modes, userFields, formats::DateStyle::Short});
    }

    adif::ReadRecord read(const QString &text)
    {
        const MyFunctions &functions = m_app->functions();
        adif::ReaderContext context{m_entities,
                                    functions.allQRGs(),
                                    {"app_tarvex_userfield_1", "sota_ref", "app_tarvex_userfield_3",
                                     "app_tarvex_userfield_4"},
                                    &m_modes};
        return adif::readAdifRecord(text, context);
    }

    AdifImport::Result importFile(LogModel &log, const QString &text)
    {
        AdifImport import(m_app->defaults(), log, m_entities);
        return import.run(adif::importAdif(text));
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
    }

    void init()
    {
        startApp(QDateTime(QDate(2026, 12, 6), QTime(12, 0), QTimeZone::utc()));
        m_entities.resolved.clear();
    }

    void writesTheFullRecordInItsOrder()
    {
        QVERIFY(record(cwQso()).startsWith(
            "<call:6>DL1ABC <qso_date:8>20240501 <time_on:6>123456 <band:3>20m "
            "<freq:9>14.025000  <mode:2>CW <dxcc:3>230 <eqsl_qsl_rcvd:1>N <eqsl_qsl_sent:1>N "
            "<lotw_qsl_rcvd:1>N <lotw_qsl_sent:1>N <app_tarvex_colorcode:1>0 <eor>\n"));
    }

    void writesFieldsByTheirRules_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("present");
        QTest::addColumn<QString>("absent");

        QTest::newRow("submode under its mode") << "mode"
                                                << "USB"
                                                << " <mode:3>SSB  <submode:3>USB "
                                                << "";
        QTest::newRow("unknown mode only as submode") << "mode"
                                                      << "XYZ1"
                                                      << " <submode:4>XYZ1 "
                                                      << "<mode:";
        QTest::newRow("QSL requested") << "qsl"
                                       << "W"
                                       << "<app_tarvex_qsl:1>W <qsl_rcvd:1>N <qsl_sent:1>R "
                                       << "";
        QTest::newRow("QSL ignored") << "qsl"
                                     << "-"
                                     << "<qsl_sent:1>I "
                                     << "";
        QTest::newRow("no QSL state") << "qsl"
                                      << ""
                                      << ""
                                      << "<qsl_";
        QTest::newRow("invalid operation") << "adif"
                                           << "-999"
                                           << "<dxcc:3>999 "
                                           << "";
        QTest::newRow("unknown entity") << "adif"
                                        << "0"
                                        << ""
                                        << "<dxcc:";
        QTest::newRow("locator cut to 8") << "locator"
                                          << "JO62QM12AB"
                                          << "<gridsquare:8>JO62QM12 "
                                          << "";
        QTest::newRow("power in watts") << "power"
                                        << "100W"
                                        << "<tx_pwr:3>100 <app_tarvex_power:4>100W "
                                        << "";
        QTest::newRow("power as a word") << "power"
                                         << "QRP"
                                         << "<app_tarvex_power:3>QRP "
                                         << "<tx_pwr:";
        QTest::newRow("colour out of range") << "colorCode"
                                             << "10"
                                             << ""
                                             << "colorcode";
        QTest::newRow("length in characters") << "name"
                                              << "Müllerstraße"
                                              << "<name:12>Müllerstraße "
                                              << "";
        QTest::newRow("user field under its mapping") << "user_2"
                                                      << "DL/AL-001"
                                                      << "<sota_ref:9>DL/AL-001 "
                                                      << "";
        QTest::newRow("QSL date in the user's style") << "qslInDate"
                                                      << "03/05/2024"
                                                      << "<qslrdate:8>20240503 "
                                                      << "";
    }

    void writesFieldsByTheirRules()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, present);
        QFETCH(QString, absent);

        QsoClass qso = cwQso();
        if (field == "mode")
            qso.mode = value;
        if (field == "qsl")
            qso.qsl = value;
        if (field == "adif")
            qso.adif = value.toInt();
        if (field == "locator")
            qso.locator = value;
        if (field == "power")
            qso.power = value;
        if (field == "colorCode")
            qso.colorCode = value.toInt();
        if (field == "name")
            qso.name = value;
        if (field == "user_2")
            qso.user_2 = value;
        if (field == "qslInDate")
            qso.qslInDate = value;
        const QString text = record(qso);
        QVERIFY2(text.contains(present), qPrintable(text));
        if (!absent.isEmpty())
            QVERIFY2(!text.contains(absent), qPrintable(text));
    }

    void readsRecords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sqlDateTime");
        QTest::addColumn<QString>("band");
        QTest::addColumn<double>("qrg");
        QTest::addColumn<QString>("states"); // qsl lotwqsl eqsl clublog
        QTest::addColumn<QString>("errors");

        const QString base = "<CALL:6>DL1ABC <QSO_DATE:8>20240501 <MODE:2>CW ";
        QTest::newRow("names in any case, type indicator, four-digit time")
            << base + "<time_on:4>1234 <FREQ:6:N>14.025 "
            << "2024-05-01 12:34:00"
            << "20m" << 14025.0 << "- W W W"
            << "";
        QTest::newRow("only time_off") << base + "<time_off:6>235959 <band:3>40M "
                                       << "2024-05-01 23:59:59"
                                       << "40m" << 7000.0 << "- W W W"
                                       << "";
        QTest::newRow("frequency gives band") << base + "<time_on:6>120000 <freq:5>7.025 "
                                              << "2024-05-01 12:00:00"
                                              << "40m" << 7025.0 << "- W W W"
                                              << "";
        QTest::newRow("neither band nor frequency") << base + "<time_on:6>120000 "
                                                    << "2024-05-01 12:00:00"
                                                    << "" << 0.0 << "- W W W"
                                                    << "Frequency not found: ";
        QTest::newRow("received card") << base + "<time_on:6>120000 <band:3>20m <qsl_rcvd:1>V "
                                       << "2024-05-01 12:00:00"
                                       << "20m" << 14000.0 << "R W W W"
                                       << "";
        QTest::newRow("card requested") << base + "<time_on:6>120000 <band:3>20m <qsl_sent:1>R "
                                        << "2024-05-01 12:00:00"
                                        << "20m" << 14000.0 << "W W W W"
                                        << "";
        QTest::newRow("card dates and services")
            << base + "<time_on:6>120000 <band:3>20m <qslsdate:8>20240502 <qslrdate:8>20240510 "
                      "<lotw_qsl_rcvd:1>y <eqsl_qsl_sent:1>Y <eqsl_qsl_rcvd:1>Y "
                      "<clublog_qso_upload_status:1>Y "
            << "2024-05-01 12:00:00"
            << "20m" << 14000.0 << "X X X X"
            << "";
        QTest::newRow("date that does not exist")
            << "<CALL:6>DL1ABC <QSO_DATE:8>20230231 <time_on:4>1200 <MODE:2>CW <band:3>20m "
            << ""
            << "20m" << 14000.0 << "- W W W"
            << "Date or time not found: ";
        QTest::newRow("time that does not exist")
            << "<CALL:6>DL1ABC <QSO_DATE:8>20230201 <time_on:4>2561 <MODE:2>CW <band:3>20m "
            << ""
            << "20m" << 14000.0 << "- W W W"
            << "Date or time not found: ";
        QTest::newRow("short call, no mode")
            << "<CALL:2>DL <QSO_DATE:8>20230201 <time_on:4>1200 <band:3>20m "
            << "2023-02-01 12:00:00"
            << "20m" << 14000.0 << "- W W W"
            << "Callsign not found: |Operating Mode not found: ";
    }

    void readsRecords()
    {
        QFETCH(QString, text);
        QFETCH(QString, sqlDateTime);
        QFETCH(QString, band);
        QFETCH(double, qrg);
        QFETCH(QString, states);
        QFETCH(QString, errors);

        const adif::ReadRecord result = read(text);
        QCOMPARE(result.errors.join(QLatin1Char('|')), errors);
        QCOMPARE(result.qso.sqlDateTime(), sqlDateTime);
        QCOMPARE(result.qso.band, band);
        QCOMPARE(result.qso.qrg, qrg);
        const QsoClass &q = result.qso;
        QCOMPARE(QStringList({q.qsl, q.lotwqsl, q.eqsl, q.clublog}).join(' '), states);
    }

    /** The stored mode, and the MODE and SUBMODE an export writes for it, which read back to the
     *  same stored mode. */
    void readsModeAndSubmode_data()
    {
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("written");

        QTest::newRow("submode under its mode") << "<mode:3>SSB <submode:3>LSB"
                                                << "LSB"
                                                << "<mode:3>SSB  <submode:3>LSB";
        QTest::newRow("digital submode") << "<mode:4>MFSK <submode:3>FT4"
                                         << "FT4"
                                         << "<mode:4>MFSK  <submode:3>FT4";
        QTest::newRow("mode alone") << "<mode:3>SSB"
                                    << "SSB"
                                    << "<mode:3>SSB";
        QTest::newRow("any case") << "<mode:3>ssb <submode:3>Usb"
                                  << "Usb"
                                  << "<mode:3>SSB  <submode:3>Usb";
        QTest::newRow("submode of another mode kept as a field") << "<mode:2>CW <submode:3>LSB"
                                                                 << "CW"
                                                                 << "<submode:3>LSB <eor>";
        QTest::newRow("submode unknown to the list kept as a field")
            << "<mode:4>MFSK <submode:5>FT2XY"
            << "MFSK"
            << "<submode:5>FT2XY <eor>";
        QTest::newRow("mode unknown to the list with a submode") << "<mode:6>NEWONE <submode:3>ABC"
                                                                 << "NEWONE"
                                                                 << "<mode:6>NEWONE <app";
        QTest::newRow("only a submode (our export of an unknown mode)") << "<submode:7>NEWDIGI"
                                                                        << "NEWDIGI"
                                                                        << "<submode:7>NEWDIGI";
    }

    void readsModeAndSubmode()
    {
        QFETCH(QString, fields);
        QFETCH(QString, stored);
        QFETCH(QString, written);
        const QString text = "<call:6>DL1ABC <qso_date:8>20240501 <time_on:4>1200 "
                             "<band:3>20m " +
                             fields + " <eor>";
        const adif::ReadRecord first = read(text);
        QCOMPARE(first.errors, QStringList());
        QCOMPARE(first.qso.mode, stored);
        const QString exported = record(first.qso);
        QVERIFY2(exported.contains(written), qPrintable(exported));
        const adif::ReadRecord again = read(exported);
        QCOMPARE(again.qso.mode, stored);
        QCOMPARE(again.qso.extraFields, first.qso.extraFields);
    }

    /** Fields without a column are kept as read, with their type indicator, and written back;
     *  those a column holds only in some records are kept in the others. */
    void keepsFieldsWithoutAColumn_data()
    {
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("kept"); // name=value:type, in order

        QTest::newRow("standard, other programs' and user-defined fields")
            << "<MY_GRIDSQUARE:6>JO62qm <APP_LOG4OM_X:2:S>ab <My_Own:1>z <sig_info:0> "
               "<qslmsg:6:M>tnx 73"
            << "my_gridsquare=JO62qm: app_log4om_x=ab:S my_own=z: qslmsg=tnx 73:M";
        QTest::newRow("first of a name counts") << "<notes:1>a <NOTES:1>b"
                                                << "notes=a:";
        QTest::newRow("a type that is no type indicator is not kept") << "<my_rig:2:XY>IC"
                                                                      << "my_rig=IC:";
        QTest::newRow("power without a number, propagation, cross-band receive")
            << "<tx_pwr:3>QRP <prop_mode:2>ES <band_rx:4>70cm <sat_mode:3>U/V"
            << "tx_pwr=QRP: prop_mode=ES: band_rx=70cm: sat_mode=U/V:";
        QTest::newRow("satellite fields with a satellite have columns")
            << "<prop_mode:3>SAT <sat_name:5>AO-91 <band_rx:4>70cm <tx_pwr:3>0.5"
            << "";
        QTest::newRow("a card date that is no date, a one-letter state, zone 0")
            << "<qslrdate:6>202405 <state:1>X <cqz:1>0 <dxcc:3>230"
            << "qslrdate=202405: state=X: cqz=0:";
    }

    void keepsFieldsWithoutAColumn()
    {
        QFETCH(QString, fields);
        QFETCH(QString, kept);
        const QString text =
            "<call:6>DL1ABC <qso_date:8>20240501 <time_on:4>1200 <band:3>20m <mode:2>CW " + fields +
            " <eor>";
        const adif::ReadRecord first = read(text);
        QCOMPARE(first.errors, QStringList());
        QStringList found;
        for (const ExtraField &field : first.qso.extraFields)
            found << field.name + '=' + field.value + ':' + field.type;
        QCOMPARE(found.join(' '), kept);
        // Written back once each, and read back the same.
        const adif::ReadRecord again = read(record(first.qso));
        QCOMPARE(again.qso.extraFields, first.qso.extraFields);
        const QString written = record(first.qso);
        const QList<QStringView> names = adif::writtenFieldNames(written);
        QCOMPARE(QSet<QStringView>(names.cbegin(), names.cend()).size(), names.size());
    }

    void resolvesTheEntityAtTheQsosDate()
    {
        const adif::ReadRecord result =
            read("<call:6>DL1ABC <qso_date:8>19900102 <time_on:4>0304 <mode:2>CW <band:3>20m "
                 "<dxcc:1>0 <cqz:2>15 ");
        QCOMPARE(m_entities.resolved, QStringList{"DL1ABC@1990-01-02T03:04:00Z"});
        QCOMPARE(result.qso.adif, 230);
        QCOMPARE(result.qso.cq, QStringLiteral("15")); // the record's own zone wins
        QCOMPARE(result.qso.itu, QStringLiteral("28"));
        QCOMPARE(result.qso.cnt, QStringLiteral("Eu"));
    }

    void readsLengthsAsCharactersOrBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");

        QTest::newRow("characters") << QByteArray("<name:4>J\xc3\xb6rg <qth:3>Ulm") << "Jörg";
        QTest::newRow("UTF-8 bytes, blank after")
            << QByteArray("<name:5>J\xc3\xb6rg <qth:3>Ulm") << "Jörg";
        QTest::newRow("UTF-8 bytes, next field at once")
            << QByteArray("<name:5>J\xc3\xb6rg<qth:3>Ulm") << "Jörg";
        QTest::newRow("Latin-1 file") << QByteArray("<name:4>J\xf6rg <qth:3>Ulm") << "Jörg";
        QTest::newRow("line ends converted after writing")
            << QByteArray("<name:10>Jo\nAnn\nX\n<qth:3>Ulm") << "Jo\nAnn\nX";
        QTest::newRow("field text inside a value")
            << QByteArray("<name:12>see <qth:3>x <qth:3>Ulm") << "see <qth:3>x";
        QTest::newRow("converted line ends, longer than the bytes left")
            << QByteArray("<name:22>" + QByteArray(11, '\n') + "<qth:3>Ulm") << QString(11, '\n');
    }

    void readsLengthsAsCharactersOrBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        const QString text = adif::decodeAdif(bytes);
        QCOMPARE(adif::getTag(QStringLiteral("<name:"), text), name);
        QCOMPARE(adif::getTag(QStringLiteral("<QTH:"), text), QStringLiteral("Ulm"));
    }

    void preparesTextAndEstimates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("status");

        QTest::newRow("header cut, tail ignored")
            << "banner <call:3>XXX <EOH> <call:3>K1A <eor> <call:3>K1B <EoR> tail"
            << "Probably number of found QSOs: 2";
        QTest::newRow("no field at all") << "banner <eoh> <eor> tail"
                                         << "No QSOs found";
        QTest::newRow("no record end") << "<call:3>K1A"
                                       << "No QSOs found";
    }

    void preparesTextAndEstimates()
    {
        QFETCH(QString, text);
        QFETCH(QString, status);
        const adif::PreparedAdif prepared = adif::importAdif(text);
        QCOMPARE(prepared.status, status);
        for (qsizetype i = 0; i < prepared.spans.size(); ++i)
            QVERIFY(!prepared.record(i).text.contains("XXX"));
    }

    /** Each record as "CALL{comment}[problems]", the first three of them, and how many. */
    static QString describe(const adif::PreparedAdif &prepared)
    {
        QStringList records;
        for (qsizetype i = 0; i < std::min<qsizetype>(3, prepared.spans.size()); ++i) {
            const adif::AdifRecord record = prepared.record(i);
            const QString comment = adif::fieldValue(record.fields, u"comment");
            QString text = adif::fieldValue(record.fields, u"call");
            if (!comment.isEmpty())
                text +=
                    '{' + (comment.size() > 40 ? QString::number(comment.size()) : comment) + '}';
            QStringList problems = record.problems;
            for (QString &problem : problems)
                problem.chop(2); // ": " before the record's text
            records << text + '[' + problems.join("; ") + ']';
        }
        if (prepared.spans.size() > 3)
            records << QString::number(prepared.spans.size());
        return records.join(' ');
    }

    /** Records are found by walking fields with their lengths; what cannot be read is said. */
    void readsHostileInputSafely_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("records");

        QTest::newRow("<eor> and <eoh> inside a value")
            << QByteArray("<call:3>K1A <comment:17>a <eor> b <eoh> c <eor>")
            << "K1A{a <eor> b <eoh> c}[]";
        QTest::newRow("no header: <eoh> in the third record's comment")
            << QByteArray(
                   "<call:3>K1A <eor>\n<call:3>K1B <eor>\n<call:3>K1C <comment:5><eoh> <eor>")
            << "K1A[] K1B[] K1C{<eoh>}[]";
        QTest::newRow("header with <eoh> inside one of its values")
            << QByteArray("\xEF\xBB\xBFMade here <programid:7>a <eoh> <eoh>\n<call:3>K1A <eor>")
            << "K1A[]";
        QTest::newRow("type indicator") << QByteArray("<call:3:s>K1A <eor>") << "K1A[]";
        QTest::newRow("negative length") << QByteArray("<call:3>K1A <comment:-3>abc <eor>")
                                         << "K1A[Field COMMENT has no valid length]";
        QTest::newRow("huge length, next record intact")
            << QByteArray("<call:99999999999999999999>K1A <eor><call:3>K1B <eor>")
            << "[Field CALL runs past the end of the file] K1B[]";
        QTest::newRow("length past the end of a cut file")
            << QByteArray("<call:3>K1A <eor><call:3>K1B <comment:50>cut off")
            << "K1A[] K1B[Field COMMENT runs past the end of the file; Record end <eor> not found]";
        QTest::newRow("many broken lengths")
            << "<call:3>K1A " + QByteArray("<x:99999999>").repeated(100000) + "<eor>"
            << "K1A[Field X runs past the end of the file]";
        QTest::newRow("NUL byte in a value")
            << QByteArray("<call:3>K1A <comment:3>a\0b <eor>", 32)
            << QString("K1A{a") + QChar(0) + "b}[Field COMMENT holds a NUL character]";
        QTest::newRow("byte order mark as a name and in a value")
            << QByteArray("<call:3>K1A <\xEF\xBB\xBF:1>x <comment:2>\xEF\xBB\xBF"
                          "a <eor>")
            << QString("K1A{") + QChar(0xFEFF) + "a}[Field " + QChar(0xFEFF) +
                   " has a name ADIF does not allow]";
        QTest::newRow("names ADIF does not allow: blank, brace, non-ASCII, 65 characters")
            << "<call:3>K1A <my field:1>a <x{y}:1>b <gr\xC3\xBC\xC3\x9F:1>c <" +
                   QByteArray(65, 'n') + ":1>d <" + QByteArray(64, 'n') + ":1>e <eor>"
            << "K1A[Field MY FIELD has a name ADIF does not allow; Field X{Y} has a name ADIF "
               "does not allow; Field GR\u00dcSS has a name ADIF does not allow; Field "
               "NNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNN has a name ADIF does not allow]";
        QTest::newRow("missing >") << QByteArray("<call:3>K1A <comment:5 hello <eor>")
                                   << "K1A[Field COMMENT not closed by \">\"]";
        QTest::newRow("tag without a name")
            << QByteArray("<call:3>K1A <:3>abc <eor>") << "K1A[Field without a name]";
        QTest::newRow("no records") << QByteArray("just text\n<eoh>\n") << "";
        QTest::newRow("10 MB value")
            << "<call:3>K1A <comment:10000000>" + QByteArray(10000000, '<') + "<eor>"
            << "K1A{10000000}[]";
        QTest::newRow("10 MB of < after the fields")
            << "<call:3>K1A " + QByteArray(10000000, '<') + "<eor>"
            << "K1A[]";
        QTest::newRow("100 000 tiny records")
            << QByteArray("<call:3>K1A<eor>").repeated(100000) << "K1A[] K1A[] K1A[] 100000";
    }

    void readsHostileInputSafely()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, records);
        QElapsedTimer timer;
        timer.start();
        const adif::PreparedAdif prepared = adif::prepareAdif(bytes);
        QCOMPARE(describe(prepared), records);
        // Reading grows with the file only: what took minutes on such shapes takes moments.
        QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
    }

    /** Values are decoded each by itself, for files put together from several programs. */
    void decodesEveryValueByItself_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("names");

        QTest::newRow("UTF-8 and Latin-1 records")
            << QByteArray("<name:4>J\xc3\xb6rg <eor>\n<name:4>Ren\xe9 <eor>\n") << "Jörg|René";
        QTest::newRow("UTF-8 counted in bytes, then Latin-1")
            << QByteArray("<name:5>J\xc3\xb6rg<eor><name:4>J\xf6rg<eor>") << "Jörg|Jörg";
        QTest::newRow("invalid UTF-8 in a value") << QByteArray("<name:3>\xff\xc3(<eor>") << "ÿÃ(";
    }

    void decodesEveryValueByItself()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, names);
        // Read from the bytes (a file) and from the decoded text (a file handed to the window).
        for (const adif::PreparedAdif &prepared :
             {adif::prepareAdif(bytes), adif::importAdif(adif::decodeAdif(bytes))}) {
            QStringList read;
            for (qsizetype i = 0; i < prepared.estimate(); ++i)
                read << adif::fieldValue(prepared.record(i).fields, u"name");
            QCOMPARE(read.join('|'), names);
        }
    }

    void refusesARecordWithABrokenField()
    {
        LogModel &log = m_app->log();
        const AdifImport::Result result = importFile(
            log, "<call:6>DL1ABC <qso_date:8>20240501 <time_on:4>1200 <mode:2>CW <band:3>20m "
                 "<comment:-3>x <eor>\n<call:6>DL1ABD <qso_date:8>20240501 <time_on:4>1201 "
                 "<mode:2>CW <band:3>20m <eor>\n<call:6>DL1ABE <qso_date:8>20240501 "
                 "<time_on:4>1202 <mode:2>CW <band:3>20m\n");
        QCOMPARE(result.imported, 1);
        QCOMPARE(result.refusals.size(), 2);
        QCOMPARE(result.refusals.first().reasons,
                 QStringList{"Field COMMENT has no valid length: "});
        QVERIFY(result.refusals.first().record.contains("DL1ABC"));
        // A cut file's last record is not taken silently either.
        QCOMPARE(result.refusals.last().reasons, QStringList{"Record end <eor> not found: "});
    }

    void anExportImportsBackUnchanged_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("a mode of the modes list") << "CW";
        QTest::newRow("a mode written as submode only") << "NEWDIGI";
        QTest::newRow("a submode") << "FT4";
    }

    void anExportImportsBackUnchanged()
    {
        QFETCH(QString, mode);
        LogModel &log = m_app->log();
        QsoClass qso = cwQso();
        qso.mode = mode;
        qso.rsttx = "579";
        qso.rstrx = "559";
        qso.qsl = "X";
        qso.lotwqsl = "S";
        qso.eqsl = "R";
        qso.dxcc = "DL";
        qso.cnt = "Eu";
        qso.cq = "14";
        qso.itu = "28";
        qso.state = "BY";
        qso.note = "Tnx fer QSO <eor> 73! <EOH>"; // record and header ends as text
        qso.name = "Jörg";
        qso.qth = "München";
        qso.manager = "DL0ABC";
        qso.locator = "JN58TD";
        qso.iota = "EU-042";
        qso.county = "Oberbayern";
        qso.power = "100W";
        qso.prefix = "DL1";
        qso.satName = "AO-91";
        qso.satMode = "U/V";
        qso.satRxband = "2m";
        qso.colorCode = 3;
        qso.qslInDate = "2024-05-10";
        qso.qslOutDate = "2024-05-02";
        qso.user_1 = "one";
        qso.user_4 = "four, with comma";
        QVERIFY(log.saveNewQSOtoLog(qso).ok);
        const QString exported = log.makeAdifQSOfromID(log.getlastQSOs(4).first());

        QVERIFY(log.deleteQSO(log.getlastQSOs(4).first()).ok);
        const AdifImport::Result result = importFile(log, adif::exportHeader() + exported);
        QCOMPARE(result.status, QStringLiteral("1 QSO(s) imported"));
        QCOMPARE(log.makeAdifRecord(log.getlastQSOs(4).first()), exported);
    }

    void importsFilesOfOtherPrograms_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("records");

        QTest::newRow("Log4OM") << "Log4OM.adi" << 122;
        QTest::newRow("online logbook") << "qrz.adi" << 931;
        QTest::newRow("ADIF 3.1.6 test file") << "ADIF_316_test_QSOs_2025_08_27.adi" << 6191;
    }

    void importsFilesOfOtherPrograms()
    {
        QFETCH(QString, file);
        QFETCH(int, records);

        QFile input(QStringLiteral(BRINDLEWICK_TEST_DATA "/") + file);
        QVERIFY(input.open(QIODevice::ReadOnly));
        const QString text = adif::decodeAdif(input.readAll());
        LogModel &log = m_app->log();
        const AdifImport::Result result = importFile(log, text);

        QVERIFY2(result.report.isEmpty(), qPrintable(result.report.left(2000)));
        QCOMPARE(result.imported, records);

        // What was stored keeps call, date, time, band, frequency and mode of its record.
        QList<QsoClass> stored = log.getlastQSOs(4);
        QCOMPARE(stored.size(), result.imported);
        std::sort(stored.begin(), stored.end(),
                  [](const QsoClass &a, const QsoClass &b) { return a.id < b.id; });
        const adif::PreparedAdif prepared = adif::importAdif(text);
        qsizetype piece = 0;
        for (const QsoClass &qso : std::as_const(stored)) {
            while (piece < prepared.estimate() &&
                   adif::fieldValue(prepared.record(piece).fields, u"call") != qso.callsign)
                ++piece;
            QVERIFY2(piece < prepared.estimate(), qPrintable(qso.callsign));
            const QList<adif::AdifFieldValue> source = prepared.record(piece++).fields;
            // A submode is stored as it is; its mode is the record's.
            const QString mode = adif::fieldValue(source, u"mode");
            QVERIFY2(qso.mode.compare(mode, Qt::CaseInsensitive) == 0 ||
                         m_modes.logModeToAdifMode(qso.mode) == mode.toUpper(),
                     qPrintable(qso.mode + " from " + mode));
            QCOMPARE(adif::fieldValue(source, u"qso_date"), qso.sqlDateTime().left(10).remove('-'));
            const QString band = adif::fieldValue(source, u"band").toLower();
            if (!band.isEmpty())
                QCOMPARE(qso.band, band);
            const double mhz = adif::fieldValue(source, u"freq").toDouble();
            // The logbook keeps frequencies to 0.1 kHz.
            if (mhz > 0)
                QVERIFY2(std::abs(qso.qrg - mhz * 1000.0) <= 0.05 + 1e-6,
                         qPrintable(QString::number(qso.qrg)));
        }
    }

    /** Every field of every record comes back from import and export: those with a column of
     *  the logbook by meaning (see README, "ADIF fields"), all others exactly. Both files are
     *  read here by a reading of their own, not by the program's reader. */
    void exportGivesBackEveryImportedField_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("Log4OM") << "Log4OM.adi";
        QTest::newRow("ADIF 3.1.6 test file") << "ADIF_316_test_QSOs_2025_08_27.adi";
    }

    void exportGivesBackEveryImportedField()
    {
        QFETCH(QString, file);
        QFile input(QStringLiteral(BRINDLEWICK_TEST_DATA "/") + file);
        QVERIFY(input.open(QIODevice::ReadOnly));
        const QString original = QString::fromUtf8(input.readAll());
        LogModel &log = m_app->log();
        QVERIFY(importFile(log, original).report.isEmpty());

        QList<QsoClass> stored = log.getlastQSOs(4);
        std::sort(stored.begin(), stored.end(),
                  [](const QsoClass &a, const QsoClass &b) { return a.id < b.id; });
        QString exported = adif::exportHeader();
        for (const QsoClass &qso : std::as_const(stored))
            exported += log.makeAdifRecord(qso);

        const QList<Fields> before = readIndependently(original);
        const QList<Fields> after = readIndependently(exported);
        QCOMPARE(after.size(), before.size());
        int compared = 0;
        for (qsizetype i = 0; i < before.size(); ++i) {
            for (auto field = before[i].cbegin(); field != before[i].cend(); ++field) {
                const QString back = after[i].value(field.key());
                QVERIFY2(sameMeaning(before[i], field.key(), field.value(), back),
                         qPrintable(QStringLiteral("record %1, %2: %3 came back as %4")
                                        .arg(i + 1)
                                        .arg(field.key(), field.value(), back)));
                ++compared;
            }
        }
        QVERIFY(compared > before.size() * 5);
    }

    /** An export of many pages, read on a thread of its own while the records are written: each
     *  QSO once with its own extra fields, oldest first and equal times in the order they were
     *  saved; a range cut from the newest. A device that refuses a write ends the export and its
     *  reading instead of leaving them waiting on each other. */
    void aLongExportIsWholeAndInOrder_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("expected");
        QTest::addColumn<qint64>("room");
        QTest::newRow("all") << 4 << 2600 << qint64(-1);
        QTest::newRow("last 2500") << 1 << 2500 << qint64(-1);
        QTest::newRow("last 500") << 0 << 500 << qint64(-1);
        QTest::newRow("disk full after a page") << 4 << 0 << qint64(700000);
    }

    void aLongExportIsWholeAndInOrder()
    {
        QFETCH(int, range);
        QFETCH(int, expected);
        QFETCH(qint64, room);
        // Saved out of time order, every time twice.
        constexpr int kQsos = 2600;
        const auto minute = [](int i) { return (i * 7919) % (kQsos / 2); };
        QString records;
        for (int i = 0; i < kQsos; ++i) {
            const QTime time = QTime(0, 0).addSecs(60 * minute(i));
            const QString reference = QStringLiteral("REF-%1").arg(i);
            records += QStringLiteral("<call:%1>K%2X <qso_date:8>20240510 <time_on:4>%3 "
                                      "<mode:2>CW <band:3>20m <sig_info:%4>%5 <eor>\n")
                           .arg(QString::number(i).size() + 2)
                           .arg(i)
                           .arg(time.toString(QStringLiteral("HHmm")))
                           .arg(reference.size())
                           .arg(reference);
        }
        LogModel &log = m_app->log();
        QCOMPARE(importFile(log, records).imported, kQsos);
        QList<int> order(kQsos);
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return minute(a) < minute(b); });

        FillingDevice device(room);
        QVERIFY(device.open(QIODevice::WriteOnly));
        const adif::ExportOutcome outcome = adif::exportRange(log, range, device);
        if (room >= 0) {
            QCOMPARE(outcome.writeError, QStringLiteral("No space left on device"));
            QVERIFY(outcome.records < kQsos);
            return;
        }
        QVERIFY(outcome.ok());
        QCOMPARE(outcome.records, expected);
        const QList<Fields> written = readIndependently(QString::fromUtf8(device.data()));
        QCOMPARE(written.size(), expected);
        for (int n = 0; n < expected; ++n) {
            const int i = order.at(kQsos - expected + n);
            QCOMPARE(written.at(n).value("call"), QStringLiteral("K%1X").arg(i));
            QCOMPARE(written.at(n).value("sig_info"), QStringLiteral("REF-%1").arg(i));
        }
    }

    void importStaysOnTheLogbookItStartedOn()
    {
        QString records;
        for (int i = 0; i < 50; ++i)
            records += QStringLiteral("<call:6>DL1A%1 <qso_date:8>20240501 <time_on:4>12%2 "
                                      "<mode:2>CW <band:3>20m <eor>\n")
                           .arg(i % 10)
                           .arg(i, 2, 10, QLatin1Char('0'));
        LogModel &log = m_app->log();
        AdifImport import(m_app->defaults(), log, m_entities);
        import.start(adif::importAdif(records));
        QVERIFY(import.readNext(20));
        // The user chooses another logbook while the import runs.
        QCOMPARE(logbookchoice::createLogbook(m_app->folder(), "Other"),
                 logbookchoice::CreateResult::Created);
        m_app->log().selectLogbook("Other.rlog");
        QCOMPARE(log.logDbName(), QStringLiteral("Other.rlog"));
        while (import.readNext(20)) {
        }
        QCOMPARE(import.finish().imported, 50);

        QCOMPARE(log.getlastQSOs(4).size(), 0);
        m_app->log().selectLogbook("DefaultLog.rlog");
        QCOMPARE(log.getlastQSOs(4).size(), 50);
    }

    void aLargeImportIsStoredWholeWithItsDxInfoOrNotAtAll_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<QString>("error");
        QTest::newRow("stored") << QString() << QString();
        // Refused by the logbook after hundreds were written, while the file is still read.
        QTest::newRow("the last QSO refused")
            << "CREATE TRIGGER refuse BEFORE INSERT ON logbook WHEN NEW.callsign = 'K9LAST' "
               "BEGIN SELECT RAISE(ABORT, 'no K9LAST'); END"
            << "no K9LAST";
        QTest::newRow("the DX info refused") << "CREATE TRIGGER refuse BEFORE INSERT ON dxlist "
                                                "BEGIN SELECT RAISE(ABORT, 'no DX info'); END"
                                             << "no DX info";
    }

    /** Read on a second thread and written in batches, an import still ends as one write: every
     *  QSO with the DX info of its entities, or nothing at all with the refusals reported. */
    void aLargeImportIsStoredWholeWithItsDxInfoOrNotAtAll()
    {
        QFETCH(QString, trigger);
        QFETCH(QString, error);
        LogModel &log = m_app->log();
        QsoClass earlier = cwQso();
        QVERIFY(log.saveNewQSOtoLog(earlier));
        const auto table = [&log](const QString &statement) {
            db::Database database;
            database.open(log.fullLogDatabasePath());
            db::Statement select = database.prepare(statement);
            QStringList rows;
            while (select.step())
                rows << select.text(0);
            return rows;
        };
        const QStringList logbookBefore = table("select callsign || band || mode from logbook");
        const QStringList dxInfoBefore = table("select dxccadif || info from dxlist");
        QCOMPARE(dxInfoBefore.size(), 1);
        if (!trigger.isEmpty()) {
            db::Database database;
            database.open(log.fullLogDatabasePath());
            QVERIFY(database.exec(trigger));
        }

        const int count = 1500;
        QString text = "<adif_ver:5>3.1.4 <eoh>\n";
        for (int i = 0; i < count; ++i) {
            const bool last = i == count - 1;
            text += QStringLiteral("<call:%1>%2 <qso_date:8>2024%3 <time_on:4>1200 <band:3>%4 "
                                   "<mode:%5>%6 %7<eor>\n")
                        .arg(last ? 6 : 5)
                        .arg(last ? "K9LAST"
                                  : QStringLiteral("%1%2")
                                        .arg(i % 3 ? "K" : "D")
                                        .arg(i, 4, 10, QLatin1Char('0')))
                        .arg(QStringLiteral("%1").arg(101 + i % 12 * 100, 4, 10, QLatin1Char('0')))
                        .arg(i % 2 ? "40m" : "20m")
                        .arg(i % 5 ? 2 : 3)
                        .arg(i % 5 ? "CW" : "SSB")
                        .arg(i % 7 ? QString() : QStringLiteral("<lotw_qsl_rcvd:1>Y "));
            if (i == 700)
                text += "<call:6>DL9XYZ <qso_date:8>20240101 <band:3>20m <eor>\n"; // no mode
        }
        AdifImport import(m_app->defaults(), log, m_entities);
        QList<qsizetype> progress;
        connect(&import, &AdifImport::progress, this, [&progress](qsizetype done, qsizetype total) {
            QCOMPARE(total, qsizetype(count + 1));
            progress << done;
        });
        const AdifImport::Result result = import.run(adif::importAdif(text));

        QVERIFY(progress.size() > 2);
        QVERIFY(std::is_sorted(progress.cbegin(), progress.cend()));
        QCOMPARE(progress.constLast(), qsizetype(count + 1));
        QCOMPARE(result.refused, 1);
        QVERIFY(result.report.contains("DL9XYZ"));
        if (!error.isEmpty()) {
            QCOMPARE(result.imported, 0);
            QVERIFY2(result.error.contains(error), qPrintable(result.error));
            QCOMPARE(table("select callsign || band || mode from logbook"), logbookBefore);
            QCOMPARE(table("select dxccadif || info from dxlist"), dxInfoBefore);
            return;
        }
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        QCOMPARE(result.imported, count);
        QCOMPARE(log.getlastQSOs(4).size(), count + 1);
        // Each touched entity's stored text is the one built from all its QSOs now.
        for (const int adif : {230, 291}) {
            const QStringList stored =
                table(QStringLiteral("select info from dxlist where dxccadif = %1").arg(adif));
            QCOMPARE(stored, QStringList{log.makeDxInfoString(adif)});
            QVERIFY(stored.constFirst().contains('L'));
        }
    }
};

QTEST_GUILESS_MAIN(AdifTest)
#include "tst_adif.moc"
