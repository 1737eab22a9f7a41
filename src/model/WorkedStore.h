#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

struct QsoClass;

/** The worked/confirmed questions a logbook answers from its QSOs and its DX info table
 *  (`dxlist`). One per kind of store, like LogStore. */
class WorkedStore {
public:
    virtual ~WorkedStore() = default;

    struct StationAnswer {
        bool worked = false;
        bool confirmed = false; // paper "R"/"X" or LoTW "X"; "G" does not count here
    };
    /** QSOs with this station on this band in this mode class (1 CW with "PCW", 2 digital,
     *  3 phone, anything else: every mode). */
    [[nodiscard]] virtual StationAnswer stationBefore(const QString &callsign, const QString &band,
                                                      int xMode) = 0;

    /** One QSO for each distinct band, mode, paper QSL and LoTW state of an entity (any sign
     *  of its number) or of a callsign: all the DX info text depends on. Only those four fields
     *  are filled. */
    [[nodiscard]] virtual QList<QsoClass> slotsOfEntity(int adif) = 0;
    [[nodiscard]] virtual QList<QsoClass> slotsOfCallsign(const QString &callsign) = 0;

    /** The stored DX info text of an entity (any sign of the number); nothing when none. */
    [[nodiscard]] virtual std::optional<QString> storedDxInfo(int adif) = 0;
    virtual bool saveDxInfoString(const QString &dxcc, const QString &info, int adif) = 0;
    struct DxListEntry {
        QString dxcc;
        QString info;
        int adif = 0;
    };
    /** Replaces the whole table. */
    virtual bool saveAllDxInfoStrings(const QList<DxListEntry> &entries) = 0;

    /** The 60 m QSOs of an entity (exact number, so invalid operations do not count), one per
     *  combination of paper QSL, mode and LoTW state; and those of a callsign. */
    [[nodiscard]] virtual QList<QsoClass> qsos60m(int adif) = 0;
    [[nodiscard]] virtual QList<QsoClass> qsos60mWith(const QString &callsign) = 0;

    enum class Confirmation {
        Any,   // every QSO
        Paper, // qsl "R", "X" or "G"
        Lotw,  // lotwqsl "X"
        Strict // qsl "R" or "X", or lotwqsl "X"
    };
    [[nodiscard]] virtual bool hasIota(const QString &reference, Confirmation kind) = 0;
    /** QSOs whose locator starts with the 4-character square, on that band. */
    [[nodiscard]] virtual bool hasLocator(const QString &square, const QString &band,
                                          Confirmation kind) = 0;
};
