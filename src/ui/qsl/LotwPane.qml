import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// LoTW: the account, "Load" for the confirmations since the last QSL, and what they brought;
// the upload of the waiting QSOs through TQSL.
ColumnLayout {
    id: pane
    required property LotwScreen screen
    spacing: Theme.spacing
    Component.onCompleted: screen.refreshUploadCounts()
    onVisibleChanged: if (visible) screen.refreshUploadCounts()

    Heading { text: "LoTW" }
    GridLayout {
        columns: 2
        columnSpacing: Theme.spacing
        Layout.fillWidth: true
        Label { text: qsTr("User") }
        TextField {
            objectName: "lotwUser"
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
        Label { text: qsTr("Own call") }
        TextField {
            text: pane.screen.ownCall
            placeholderText: qsTr("every call of the account")
            onTextEdited: pane.screen.ownCall = text
            onEditingFinished: pane.screen.saveAccount()
            Layout.fillWidth: true
        }
        Label { text: qsTr("QSLs since") }
        TextField {
            // The open end 2099-12-31 marks a logbook that never loaded any: everything comes.
            text: pane.screen.lastQsl.startsWith("2099") ? "" : pane.screen.lastQsl
            placeholderText: qsTr("all (none loaded yet)")
            onTextEdited: pane.screen.lastQsl = text
            onEditingFinished: pane.screen.normaliseLastQsl()
            Layout.fillWidth: true
        }
    }
    RowLayout {
        Layout.fillWidth: true
        Switch {
            text: qsTr("Use the QSL details to correct QSOs")
            checked: pane.screen.useDetails
            onToggled: pane.screen.useDetails = checked
            Layout.fillWidth: true
        }
        Button {
            objectName: "lotwLoad"
            text: qsTr("Load")
            highlighted: true
            enabled: !pane.screen.busy
            onClicked: pane.screen.load()
        }
    }
    QslStatus {
        text: pane.screen.status
        error: pane.screen.statusIsError
        busy: pane.screen.busy
        progress: pane.screen.progress
        Layout.fillWidth: true
    }
    Heading { text: qsTr("Upload to LoTW") }
    GridLayout {
        columns: 2
        columnSpacing: Theme.spacing
        Layout.fillWidth: true
        Label { text: qsTr("TQSL program") }
        TextField {
            objectName: "tqslPath"
            text: pane.screen.tqslPath
            placeholderText: "tqsl"
            onEditingFinished: pane.screen.tqslPath = text
            Layout.fillWidth: true
        }
        Label { text: qsTr("Station location") }
        TextField {
            objectName: "tqslLocation"
            text: pane.screen.stationLocation
            placeholderText: qsTr("as named in TQSL")
            onEditingFinished: pane.screen.stationLocation = text
            Layout.fillWidth: true
        }
        Label {
            objectName: "tqslHint"
            text: pane.screen.tqslHint
            visible: text.length > 0
            color: "#d32f2f"
            wrapMode: Text.WordWrap
            Layout.columnSpan: 2
            Layout.fillWidth: true
        }
    }
    RowLayout {
        Layout.fillWidth: true
        ColumnLayout {
            spacing: 2
            Layout.fillWidth: true
            Label {
                objectName: "lotwWaiting"
                text: pane.screen.uploadCounts
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }
            Label {
                text: qsTr("Last upload: %1").arg(pane.screen.lastUpload.length > 0
                                                  ? pane.screen.lastUpload : qsTr("never"))
                font.pixelSize: Theme.bodySize
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }
        }
        Button {
            objectName: "lotwUpload"
            text: qsTr("Upload")
            highlighted: true
            enabled: !pane.screen.uploading && pane.screen.tqslFound
            onClicked: pane.screen.upload()
        }
    }
    QslStatus {
        objectName: "lotwUploadStatus"
        text: pane.screen.uploadStatus
        error: pane.screen.uploadStatusIsError
        busy: pane.screen.uploading
        progress: -1
        Layout.fillWidth: true
    }
    Label {
        objectName: "tqslOutput"
        visible: text.length > 0
        text: pane.screen.tqslOutput
        font.family: "monospace"
        font.pixelSize: Theme.bodySize
        wrapMode: Text.Wrap
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
    QslResults {
        results: pane.screen.results
        Layout.fillWidth: true
        Layout.fillHeight: true
    }
}
