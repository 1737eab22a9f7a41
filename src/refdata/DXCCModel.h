#pragma once

#include "refdata/CountryClass.h"
#include "refdata/DxccSource.h"
#include "refdata/OwnExceptionList.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class Clock;
struct DataFolder;
class SqlDxccSource;

/** Which DXCC entity a callsign belongs to at the date of a contact, from ClublogDXCC.db (Club
 *  Log's exceptions, prefixes and invalid operations with their periods) and IOTA.db, plus the
 *  fixed rules for portable suffixes, call areas and zones. The front end makes one and hands it
 *  to what needs it; the databases are copied into the data folder when missing and never
 *  written here. */
class DXCCModel {
public:
    DXCCModel(const DataFolder &folder, const Clock &clock);
    /** Reads through the given source instead of its own in-memory copies (benchmarks and
     *  tests compare the two). */
    DXCCModel(const DataFolder &folder, const Clock &clock, std::unique_ptr<DxccSource> source);
    ~DXCCModel();

    /** The entity of a callsign at a date (nothing: now); never fails, "Unknown DXCC" at worst. */
    [[nodiscard]] CountryClass getDXCC(const QString &callsign,
                                       std::optional<QDateTime> date = std::nullopt);
    [[nodiscard]] int searchForFullCallinOwnExceptionList(const QString &callsign,
                                                          const QDateTime &date);
    [[nodiscard]] int searchForFullCall(QStringView callsign, const QString &dateTime);
    [[nodiscard]] int searchForPrefix(QStringView prefix, const QString &dateTime);
    /** False when the operation does not count for DXCC at that date. */
    [[nodiscard]] bool checkIfOperationIsValid(const QString &callsign,
                                               std::optional<QDateTime> date = std::nullopt);

    [[nodiscard]] CountryClass adifToCountry(qint64 adif);
    [[nodiscard]] CountryClass dxccToCountry(const QString &prefix);
    [[nodiscard]] int getItuForDxccAdif(qint64 adif);
    [[nodiscard]] QString getIotaFromDxAdif(qint64 adif);
    [[nodiscard]] QList<CountryClass> getAllDXCCs();
    [[nodiscard]] QStringList getAllStates();
    [[nodiscard]] QStringList getAllCountiesForState(const QString &state);

    [[nodiscard]] static int getCallArea(const QString &callsign);
    [[nodiscard]] static QString getFirstSuffix(const QString &callsign);

    [[nodiscard]] const QString &fullClDatabasePath() const { return m_clPath; }
    [[nodiscard]] const QString &fullIotaDatabasePath() const { return m_iotaPath; }

    /** Set when the model is made: exceptions and invalid operations are looked at. */
    bool checkAlwaysForInvalidOperation = true;

private:
    void copyClDB();
    void copyIotaDB();
    [[nodiscard]] const QString &dateTimeText(const QDateTime &at);
    [[nodiscard]] CountryClass resolve(const QString &call, const QDateTime &at);
    void refine(CountryClass &country, const QString &base, int area, bool fromException) const;

    const DataFolder &m_folder;
    const Clock &m_clock;
    QString m_clPath;
    QString m_iotaPath;
    std::unique_ptr<DxccSource> m_source;
    std::unique_ptr<SqlDxccSource> m_lists;
    std::optional<OwnExceptionList> m_ownCallsignExceptions;
    QDateTime m_lastDate;   // the date-time text of the last date, formatting costs more than a
    QString m_lastDateText; // resolution otherwise
};
