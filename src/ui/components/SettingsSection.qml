import QtQuick
import QtQuick.Controls
import Brindlewick

// The page of one settings section, chosen by its key.
Loader {
    id: loader
    required property AppShell shell
    required property string key
    /** The phone's narrow pages. */
    readonly property bool compact: shell.layout === AppShell.Phone

    sourceComponent: {
        switch (key) {
        case "logbooks": return logbooks
        case "station": return station
        case "userfields": return userFields
        case "datestyle": return dateStyle
        case "bands": return bands
        case "memberlists": return memberLists
        case "countryfile": return countryFile
        case "adifimport": return adifImport
        case "cluster": return clusterSettings
        case "transceiver": return transceiver
        case "wsjtx": return wsjtxSettings
        case "lookupaccounts": return lookupSettings
        case "sync": return syncSettings
        case "language": return languageSettings
        case "scanner": return scannerPage
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
