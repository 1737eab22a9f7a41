import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// eQSL: the account, the inbox download, the upload of waiting QSOs and what came in.
ColumnLayout {
    id: pane
    required property EqslScreen screen
    spacing: Theme.spacing

    Heading { text: "eQSL" }
    GridLayout {
        columns: 2
        columnSpacing: Theme.spacing
        Layout.fillWidth: true
        Label { text: qsTr("User") }
        TextField {
            objectName: "eqslUser"
            text: pane.screen.user
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
        Label { text: qsTr("QTH nickname") }
        TextField {
            text: pane.screen.qth
            onTextEdited: pane.screen.qth = text
            onEditingFinished: pane.screen.saveAccount()
            Layout.fillWidth: true
        }
        Label { text: qsTr("Since") }
        TextField {
            // The open end 2099-12-31 marks a logbook that never downloaded: everything comes.
            text: pane.screen.lastDownload.startsWith("2099") ? "" : pane.screen.lastDownload
            placeholderText: qsTr("all (none loaded yet)")
            onTextEdited: pane.screen.lastDownload = text
            Layout.fillWidth: true
        }
        Label { text: qsTr("Message") }
        TextField {
            text: pane.screen.comment
            placeholderText: qsTr("sent with each uploaded QSO")
            onTextEdited: pane.screen.comment = text
            Layout.fillWidth: true
        }
    }
    RowLayout {
        Layout.fillWidth: true
        Item { Layout.fillWidth: true }
        Button {
            objectName: "eqslUpload"
            text: qsTr("Upload")
            enabled: !pane.screen.busy
            onClicked: pane.screen.upload([])
        }
        Button {
            objectName: "eqslDownload"
            text: qsTr("Download")
            highlighted: true
            enabled: !pane.screen.busy
            onClicked: pane.screen.download()
        }
    }
    QslStatus {
        text: pane.screen.status
        error: pane.screen.statusIsError
        busy: pane.screen.busy
        progress: pane.screen.progress
        Layout.fillWidth: true
    }
    ScrollView {
        visible: pane.screen.page.length > 0
        Layout.fillWidth: true
        Layout.preferredHeight: 160
        TextArea {
            readOnly: true
            textFormat: TextEdit.RichText
            text: pane.screen.page
            wrapMode: TextEdit.Wrap
        }
    }
    RowLayout {
        visible: pane.screen.confirmVisible
        Layout.fillWidth: true
        Label {
            text: pane.screen.uploadQuestion
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
        Button { text: pane.screen.cancelText; flat: true; onClicked: pane.screen.cancelUpload() }
        Button { text: pane.screen.yesText; highlighted: true; onClicked: pane.screen.confirmUpload() }
    }
    QslResults {
        results: pane.screen.results
        Layout.fillWidth: true
        Layout.fillHeight: true
    }
    AlertDialog { id: alert }
    Connections {
        target: pane.screen
        function onAlertRequested(title, message, button) {
            alert.okayText = button
            alert.show(title, message)
        }
    }
}
