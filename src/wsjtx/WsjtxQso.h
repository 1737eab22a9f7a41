#pragma once

#include <QDateTime>
#include <QString>

namespace wsjtx {

/** The fields of a "QSO Logged" message, in the order WSJT-X and JTDX send them. Texts are as
 *  sent; nothing is checked or looked up yet. */
struct WsjtxQso {
    QDateTime timeOff;
    QString dxCall;
    QString dxGrid;
    quint64 txFrequencyHz = 0;
    QString mode;
    QString reportSent;
    QString reportReceived;
    QString txPower;
    QString comments;
    QString name;
    QDateTime timeOn;
    // Added by later program versions; empty when the sender does not know them.
    QString operatorCall;
    QString myCall;
    QString myGrid;
    QString exchangeSent;
    QString exchangeReceived;
    QString propagationMode; // ADIF PROP_MODE
};

} // namespace wsjtx
