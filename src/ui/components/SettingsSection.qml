import QtQuick
import QtQuick.Controls
import Brindlewick

// The page of one settings section, chosen by its screen.
Loader {
    id: loader
    required property AppShell shell
    /** A Screens value: Screens.Logbooks … Screens.Scanner. */
    required property int screen
    /** The phone's narrow pages. */
    readonly property bool compact: shell.layout === AppShell.Phone

    sourceComponent: {
        switch (screen) {
        case Screens.Logbooks: return logbooks
        case Screens.Station: return station
        case Screens.UserFields: return userFields
        case Screens.DateStyle: return dateStyle
        case Screens.BandTable: return bands
        case Screens.MemberLists: return memberLists
        case Screens.CountryFile: return countryFile
        case Screens.AdifImport: return adifImport
        case Screens.ClusterSettings: return clusterSettings
        case Screens.Transceiver: return transceiver
        case Screens.Wsjtx: return wsjtxSettings
        case Screens.LookupAccounts: return lookupSettings
        case Screens.SyncedLog: return syncSettings
        case Screens.Language: return languageSettings
        case Screens.Scanner: return scannerPage
        }
        return null
    }

    Component {
        id: logbooks
        LogbooksPage {
            selection: loader.shell.logbooks
            logbookImport: loader.shell.logbookImport
            compact: loader.compact
        }
    }
    Component { id: station; StationPage { station: loader.shell.station } }
    Component { id: userFields; UserFieldsPage { userFields: loader.shell.userFields } }
    Component { id: dateStyle; DateStylePage { dateStyle: loader.shell.dateStyle } }
    Component { id: bands; BandTablePage { bandTable: loader.shell.bandTable } }
    Component {
        id: memberLists
        MemberListsPage {
            lotwUsers: loader.shell.lotwUsers
            eqslUsers: loader.shell.eqslUsers
        }
    }
    Component { id: countryFile; CountryFilePage { countryFile: loader.shell.countryFile } }
    Component { id: clusterSettings; ClusterPage { screen: loader.shell.cluster } }
    Component { id: adifImport; AdifImportPage { adifImport: loader.shell.adifImport } }
    Component { id: transceiver; TransceiverPage { screen: loader.shell.trx; elecraft: loader.shell.elecraft } }
    Component { id: wsjtxSettings; WsjtxPage { settings: loader.shell.wsjtx } }
    Component { id: lookupSettings; LookupSettingsPage { settings: loader.shell.lookupSettings } }
    Component { id: syncSettings; SyncedLogPage { screen: loader.shell.sync } }
    Component { id: languageSettings; LanguagePage { language: loader.shell.language } }
    Component {
        id: scannerPage
        ScannerPage {
            scanner: loader.shell.scanner
            receiver: loader.shell.qslReceiver
            compact: loader.compact
        }
    }
}
