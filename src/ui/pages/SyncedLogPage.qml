import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The synced log: the server and logbook this device shares, joining it, how syncing goes,
// and copying the current logbook file into it.
ScrollView {
    id: page
    required property SyncScreen screen
    contentWidth: availableWidth
    topPadding: Theme.spacing
    clip: true

    ColumnLayout {
        width: Math.min(page.availableWidth - 2 * Theme.margin, Theme.contentWidth)
        x: Theme.margin
        spacing: Theme.spacing

        Heading { text: qsTr("One logbook on several devices") }
        Label {
            text: qsTr("One logbook shared by this device and others through a PostgreSQL "
                       + "server. Each device keeps a full copy and works offline; changes travel "
                       + "when the server can be reached.")
            wrapMode: Text.WordWrap
            opacity: 0.7
            font.pixelSize: Theme.smallSize
            Layout.fillWidth: true
        }
        GridLayout {
            columns: 2
            columnSpacing: Theme.spacing
            Layout.fillWidth: true
            Label { text: qsTr("Server"); font.pixelSize: Theme.bodySize }
            TextField {
                id: serverField
                objectName: "syncServer"
                text: page.screen.server
                placeholderText: "postgresql://user@host/database"
                Layout.fillWidth: true
                onEditingFinished: page.screen.server = text
            }
            Label { text: qsTr("Password"); font.pixelSize: Theme.bodySize }
            TextField {
                objectName: "syncPassword"
                text: page.screen.password
                echoMode: TextInput.Password
                Layout.fillWidth: true
                onEditingFinished: page.screen.password = text
            }
            Label { text: qsTr("Logbook"); font.pixelSize: Theme.bodySize }
            TextField {
                id: logbookField
                objectName: "syncLogbook"
                text: page.screen.logbook
                placeholderText: qsTr("Club log")
                Layout.fillWidth: true
                onEditingFinished: page.screen.logbook = text
            }
            Label { text: qsTr("User"); font.pixelSize: Theme.bodySize }
            Label {
                text: page.screen.user.length > 0 ? page.screen.user : "\u2014"
                font.pixelSize: Theme.bodySize
            }
        }
        Flow {
            spacing: Theme.spacing
            Layout.fillWidth: true
            Button {
                objectName: "syncJoin"
                text: qsTr("Join")
                // What is typed counts at once, not only once the field has lost the focus.
                enabled: !page.screen.busy && serverField.text.length > 0
                         && logbookField.text.length > 0
                onClicked: {
                    page.screen.server = serverField.text
                    page.screen.logbook = logbookField.text
                    page.screen.join()
                }
            }
            Button {
                text: qsTr("Prepare server")
                enabled: !page.screen.busy && serverField.text.length > 0
                onClicked: page.screen.initServer()
            }
            Button {
                text: qsTr("Use synced log")
                visible: page.screen.joined && !page.screen.current
                onClicked: page.screen.useSyncedLog()
            }
            Button {
                objectName: "syncNow"
                text: qsTr("Sync now")
                enabled: page.screen.current
                onClicked: page.screen.syncNow()
            }
        }
        BusyIndicator { running: page.screen.busy; visible: running }
        Label {
            objectName: "syncMessage"
            text: page.screen.message
            visible: text.length > 0
            font.pixelSize: Theme.bodySize
            wrapMode: Text.WordWrap
            Layout.fillWidth: true
        }

        Heading { text: qsTr("Status") }
        GridLayout {
            columns: 2
            columnSpacing: Theme.spacing
            Layout.fillWidth: true
            Label { text: qsTr("State"); font.pixelSize: Theme.bodySize }
            Label {
                objectName: "syncState"
                text: page.screen.statusText
                font.pixelSize: Theme.bodySize
                Layout.fillWidth: true
                wrapMode: Text.WordWrap
            }
            Label { text: qsTr("Last sync"); font.pixelSize: Theme.bodySize }
            Label { text: page.screen.lastSync; font.pixelSize: Theme.bodySize }
            Label { text: qsTr("Changes waiting"); font.pixelSize: Theme.bodySize }
            Label {
                objectName: "syncPending"
                text: page.screen.pending
                font.pixelSize: Theme.bodySize
            }
        }
        Label {
            objectName: "syncError"
            text: page.screen.error
            visible: text.length > 0
            color: "#d32f2f"
            font.pixelSize: Theme.bodySize
            wrapMode: Text.WordWrap
            Layout.fillWidth: true
        }
        Label {
            objectName: "syncNotice"
            text: page.screen.notice
            visible: text.length > 0
            color: Material.color(Material.Orange, Material.theme === Material.Dark ? Material.Shade300 : Material.Shade900)
            font.pixelSize: Theme.bodySize
            wrapMode: Text.WordWrap
            Layout.fillWidth: true
        }

        Heading { text: qsTr("Copy this logbook into the synced log"); visible: page.screen.canCopy }
        Label {
            text: page.screen.copyWarning
            visible: page.screen.canCopy
            wrapMode: Text.WordWrap
            font.pixelSize: Theme.bodySize
            Layout.fillWidth: true
        }
        Button {
            objectName: "syncCopy"
            text: qsTr("Copy this logbook into the synced log")
            visible: page.screen.canCopy
            enabled: !page.screen.busy
            onClicked: page.screen.copyCurrentLogbook()
        }
    }
}
