#pragma once

#include <QDateTime>
#include <QString>

/** The text colour of a spot column; how each looks is a display matter. */
enum class SpotColor { Label, Red, Orange, Blue, Green, Magenta };

/** "label", "red", "orange", "blue", "green", "magenta". */
[[nodiscard]] QString spotColorName(SpotColor color);

/** One DX spot as the cluster announced it, classified and resolved. */
struct OneDxSpotClass {
    QString dxDe;     // the spotter as sent, with its colon
    QString dxCall;   // the spotted call; a trailing "." marks a LoTW user
    double qrg = 0.0; // kHz
    QString band;     // "20m"
    qint32 xBand = 0; // band number, 0 unknown
    QString mode;     // mode class name, refined from the comment
    qint32 xMode = 0; // 1 CW, 2 digital, 3 phone, 0 unknown
    QString note;
    QString dxcc = QStringLiteral("??");
    qint32 adif = 0; // entity number, 0 unknown
    QString locator;
    QString iota;
    qint32 hdg = 0;           // beam heading from the own locator
    qint32 dist = 0;          // km from the own locator
    bool hasPosition = false; // dist and hdg were measured (an own locator and an entity)
    QDateTime spotTimeStamp;
    double timeSince1970 = 0.0;
    QString ago = QStringLiteral("Now");
    bool doppelt = false; // superseded by a newer spot of the same station, band and mode
    SpotColor callColor = SpotColor::Label;
    SpotColor dxColor = SpotColor::Label;
    SpotColor qrgColor = SpotColor::Label;
    SpotColor modeColor = SpotColor::Label;
    SpotColor iotaColor = SpotColor::Label;

    /** The spotter's call as shown: "DL8LAS" for "DL8LAS:". */
    [[nodiscard]] QString spotter() const
    {
        return dxDe.endsWith(QLatin1Char(':')) ? dxDe.chopped(1) : dxDe;
    }
    /** The spotted call without the dots that mark LoTW users. */
    [[nodiscard]] QString plainCall() const
    {
        QString call = dxCall;
        return call.remove(u'.');
    }
};
