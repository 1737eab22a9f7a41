import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// QRZ.com logbook: the API key, upload as logged, sending the waiting QSOs, downloading the
// confirmations.
ColumnLayout {
    id: pane
    required property QrzScreen screen
    spacing: Theme.spacing

    Heading { text: "QRZ.com" }
    GridLayout {
        columns: 2
        columnSpacing: Theme.spacing
        Layout.fillWidth: true
        Label { text: qsTr("API key") }
        TextField {
            objectName: "qrzKey"
            text: pane.screen.apiKey
            echoMode: TextInput.Password
            placeholderText: qsTr("of the QRZ logbook")
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
        Label { objectName: "qrzLastUpload"; text: pane.screen.lastUploadText; Layout.fillWidth: true }
        Label { text: qsTr("Last download") }
        Label { text: pane.screen.lastDownloadText; Layout.fillWidth: true }
    }
    Switch {
        objectName: "qrzUploadAsLogged"
        text: qsTr("Upload each new QSO at once")
        checked: pane.screen.uploadAsLogged
        onToggled: pane.screen.uploadAsLogged = checked
        Layout.fillWidth: true
    }
    Label {
        objectName: "qrzWaiting"
        text: pane.screen.waitingText
        wrapMode: Text.Wrap
        Layout.fillWidth: true
    }
    RowLayout {
        Layout.fillWidth: true
        Item { Layout.fillWidth: true }
        Button {
            objectName: "qrzDownload"
            text: qsTr("Download")
            enabled: !pane.screen.busy
            onClicked: pane.screen.download()
        }
        Button {
            objectName: "qrzUpload"
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
