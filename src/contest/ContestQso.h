#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

/** One QSO of a contest as the score sees it. */
struct ContestQso {
    qint64 id = 0; // logbook row
    QString call;
    QString band;    // "20m"
    QString mode;    // as logged ("CW", "SSB", "RTTY", "FT8")
    QString cabMode; // CW, PH, RY, DG
    double kHz = 0.0;
    QDateTime time; // UTC
    QStringList sent;
    QStringList received;
    QList<int> receivedForms; // the form each received value took
    int adif = 0;             // entity
    QString continent;        // "EU", "NA", … (upper case)
    int cqZone = 0;
    int ituZone = 0;
    QString wpx; // WPX prefix
    bool dupe = false;
    int points = 0;

    /** "Dupe 20m CW 1412z": how the screen names an earlier QSO. */
    [[nodiscard]] QString dupeText() const
    {
        return QStringLiteral("Dupe %1 %2 %3z")
            .arg(band, cabMode, time.toUTC().toString(QStringLiteral("HHmm")));
    }
};

/** The own station, as far as points depend on it. */
struct OwnStation {
    QString call;
    int adif = 0;
    QString continent;
    int cqZone = 0;
    int ituZone = 0;
};
