#pragma once

#include <QByteArrayView>
#include <QString>

namespace trx {

/** What the Elecraft K3/KX2/KX3 reported about its front panel. Nothing is known until read. */
struct ElecraftStatus {
    bool kx3Seen = false; // an "SP" reply: the bank buttons are "Mem 5" and "Mem 6"
    bool preampA = false;
    bool preampB = false;
    bool attA = false;
    bool attB = false;
    bool lockA = false;
    bool lockB = false;
    bool split = false;
    bool sub = false;
    bool nbMain = false;
    bool nbSub = false;
    bool nrMain = false;
    bool nrSub = false;
    bool linked = false;
    bool diversity = false;
    bool rit = false;
    bool xit = false;
    bool bSet = false;
    bool dataMode = false;
    bool transmitting = false;
    // "IC" status bits
    bool txTest = false;
    bool memBank = false;
    bool messagePlaying = false;
    bool subAntennaAux = false;
    bool subInputNonTx = false;
    bool fskReverse = false;
    bool fskFilter = false;
    bool cwVox = false;
    bool apf = false;
    bool fullQsk = false;
    bool analogVox = false;

    double vfoAkHz = 0;
    double vfoBkHz = 0;
    QString modeA; // "USB", "CW", "Data"
    QString modeB;
    QString subMode;    // "FSK D", "PSK D"; empty outside data modes
    QString mainFilter; // "2.700 kHz"
    QString subFilter;
    QString ifShift;
    QString offset; // RIT/XIT offset "+0.150"; empty while both are off

    bool operator==(const ElecraftStatus &) const = default;
};

/** Reads one reply of the Elecraft panel's polls (without its ";") into the status. Replies that
 *  match nothing or whose length does not fit are ignored. "TB" (decoded text) belongs to the
 *  terminal and is not read here. */
class ElecraftReplies {
public:
    /** True when the status changed. */
    bool take(QByteArrayView reply);

    [[nodiscard]] const ElecraftStatus &status() const { return m_status; }
    void reset() { m_status = {}; }
    /** Keeps the VFO A frequency the user is typing from being overwritten by "IF". */
    void setEditingVfoA(bool editing) { m_editingVfoA = editing; }

    /** "2.700 kHz": English grouping, three decimals. */
    [[nodiscard]] static QString widthText(double kHz);
    /** "Split: +2.5 kHz", "Split: >99 kHz"; empty while split is off or a VFO is not read. */
    [[nodiscard]] static QString splitText(const ElecraftStatus &status);
    /** The display name of an MD digit; empty for an unknown one. */
    [[nodiscard]] static QString modeName(int number);
    /** The display name of a DT digit; empty for an unknown one. */
    [[nodiscard]] static QString subModeName(int number);

private:
    bool takeStatusBits(QByteArrayView reply);
    bool takeInfo(QByteArrayView reply);

    ElecraftStatus m_status;
    bool m_editingVfoA = false;
};

} // namespace trx
