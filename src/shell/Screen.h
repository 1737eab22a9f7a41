#pragma once

#include <QObject>

/** The screens the shell shows, for C++ and QML alike (`Screens.NewQso` in QML). The class only
 *  holds the enum for Qt's meta-objects; nothing makes one. */
class Screens : public QObject {
    Q_OBJECT
public:
    enum class Screen {
        // The first screen of each tab, in the tabs' order.
        Log,
        Cluster,
        Map,
        Dxcc,
        Qsl,
        Settings,
        // The settings sections, in the order of the settings list.
        Logbooks,
        Station,
        UserFields,
        DateStyle,
        BandTable,
        MemberLists,
        CountryFile,
        AdifImport,
        ClusterSettings,
        LookupAccounts,
        Transceiver,
        Wsjtx,
        SyncedLog,
        Language,
        Scanner,
        // Screens opened over a tab.
        HandedAdifFile, // the ADIF import over the log, as for a file handed to the program
        NewQso,
        EditQso,
        QsoDetail, // a stored QSO: the larger screens' detail screen, the phone's information
        QsoInfo,
        PileUp,
        ClusterSpots,
        DxList,
        Lookup,
        Clublog,
        Elecraft,        // the Elecraft panel over the transceiver settings
        StationProfiles, // over the log, opened from the frame's profile switch
        Activation,
        Contest,     // contest logging, over the log
        Statistics,  // QSO statistics, opened from the DXCC tab
        Awards,      // the awards beyond DXCC, beside the DXCC counter
        QslServices, // the QSL tab's logbook uploads (QRZ.com, Wavelog)
    };
    Q_ENUM(Screen)
};

namespace screens {
using Screen = Screens::Screen;
} // namespace screens
