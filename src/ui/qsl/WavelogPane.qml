import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// Wavelog or Cloudlog: the instance, its station profile and API key, upload as logged, sending
// the waiting QSOs.
ColumnLayout {
    id: pane
    required property WavelogScreen screen
    spacing: Theme.spacing

    Heading { text: "Wavelog" }
    GridLayout {
        columns: 2
        columnSpacing: Theme.spacing
        Layout.fillWidth: true
        Label { text: qsTr("Address") }
        TextField {
            objectName: "wavelogHost"
            text: pane.screen.host
            placeholderText: "https://log.example.org"
            inputMethodHints: Qt.ImhUrlCharactersOnly | Qt.ImhNoAutoUppercase
            onEditingFinished: pane.screen.host = text
            Layout.fillWidth: true
        }
        Label { text: qsTr("Station ID") }
        TextField {
            objectName: "wavelogStation"
            text: pane.screen.stationId
            inputMethodHints: Qt.ImhDigitsOnly
            onEditingFinished: pane.screen.stationId = text
            Layout.fillWidth: true
        }
        Label { text: qsTr("API key") }
        TextField {
            objectName: "wavelogKey"
            text: pane.screen.apiKey
            echoMode: TextInput.Password
            inputMethodHints: Qt.ImhNoAutoUppercase | Qt.ImhNoPredictiveText
            onEditingFinished: pane.screen.apiKey = text
            Layout.fillWidth: true
        }
        Label {
            text: pane.screen.keyringWarning
            visible: text.length > 0
            color: "#d32f2f"
            wrapMode: Text.WordWrap
            Layout.columnSpan: 2
            Layout.fillWidth: true
        }
        Label { text: qsTr("Last upload") }
        Label { text: pane.screen.lastUploadText; Layout.fillWidth: true }
    }
    Switch {
        objectName: "wavelogUploadAsLogged"
        text: qsTr("Upload each new QSO at once")
        checked: pane.screen.uploadAsLogged
        onToggled: pane.screen.uploadAsLogged = checked
        Layout.fillWidth: true
    }
    Label {
        objectName: "wavelogWaiting"
        text: pane.screen.waitingText
        wrapMode: Text.Wrap
        Layout.fillWidth: true
    }
    RowLayout {
        Layout.fillWidth: true
        Item { Layout.fillWidth: true }
        Button {
            objectName: "wavelogUpload"
            text: qsTr("Upload")
            highlighted: true
            enabled: !pane.screen.busy
            onClicked: pane.screen.upload()
        }
    }
    QslStatus {
        text: pane.screen.status
        busy: pane.screen.busy
        progress: pane.screen.progress
        error: pane.screen.statusIsError
        Layout.fillWidth: true
    }
    Item { Layout.fillHeight: true }
}
