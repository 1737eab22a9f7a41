import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// Club Log: the account, real-time upload, and sending the whole log or the new QSOs.
ColumnLayout {
    id: pane
    required property ClublogScreen screen
    spacing: Theme.spacing

    Heading { text: "Club Log" }
    GridLayout {
        columns: 2
        columnSpacing: Theme.spacing
        Layout.fillWidth: true
        Label { text: qsTr("E-mail") }
        TextField {
            objectName: "clublogUser"
            text: pane.screen.user
            inputMethodHints: Qt.ImhEmailCharactersOnly | Qt.ImhNoAutoUppercase
            onTextEdited: pane.screen.user = text
            onEditingFinished: pane.screen.saveAccount()
            Layout.fillWidth: true
        }
        Label { text: qsTr("Password") }
        TextField {
            text: pane.screen.password
            echoMode: TextInput.Password
            onTextEdited: pane.screen.password = text
            onEditingFinished: pane.screen.saveAccount()
            Layout.fillWidth: true
        }
        Label {
            objectName: "keyringWarning"
            text: pane.screen.keyringWarning
            visible: text.length > 0
            color: "#d32f2f"
            wrapMode: Text.WordWrap
            Layout.columnSpan: 2
            Layout.fillWidth: true
        }
        Label { text: qsTr("Callsign") }
        TextField {
            text: pane.screen.callsign
            placeholderText: qsTr("of the Club Log logbook")
            inputMethodHints: Qt.ImhUppercaseOnly | Qt.ImhNoPredictiveText
            onTextEdited: pane.screen.callsign = text
            onEditingFinished: pane.screen.saveAccount()
            Layout.fillWidth: true
        }
    }
    Switch {
        objectName: "clublogRealTime"
        text: qsTr("Upload each new QSO at once")
        checked: pane.screen.realTime
        onToggled: pane.screen.realTime = checked
        Layout.fillWidth: true
    }
    Label {
        objectName: "clublogWaiting"
        text: pane.screen.waitingText
        font.pixelSize: Theme.bodySize
        wrapMode: Text.Wrap
        Layout.fillWidth: true
    }
    RowLayout {
        Layout.fillWidth: true
        Item { Layout.fillWidth: true }
        Button {
            objectName: "clublogUploadAll"
            text: qsTr("Upload all")
            enabled: pane.screen.buttonsEnabled
            onClicked: purge.open()
        }
        Button {
            objectName: "clublogUploadNew"
            text: qsTr("Upload new")
            highlighted: true
            enabled: pane.screen.buttonsEnabled
            onClicked: pane.screen.uploadNew()
        }
    }
    QslStatus {
        text: pane.screen.status
        busy: !pane.screen.buttonsEnabled
        progress: pane.screen.progress
        error: pane.screen.statusIsError
        Layout.fillWidth: true
    }
    Item { Layout.fillHeight: true }
    QuestionDialog {
        id: purge
        parent: Overlay.overlay
        message: pane.screen.purgeQuestion
        acceptText: pane.screen.overwriteText
        cancelText: pane.screen.cancelText
        onAccepted: pane.screen.uploadAll()
    }
}
