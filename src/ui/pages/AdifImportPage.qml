import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Dialogs
import QtQuick.Layouts
import Brindlewick

// Importing QSOs from ADIF text into the current logbook.
Page {
    id: page
    required property AdifImportScreen adifImport
    readonly property bool narrow: width < 600

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: page.narrow ? 12 : Theme.margin
        spacing: Theme.spacing

        Flow {
            Layout.fillWidth: true
            spacing: 8
            Button {
                text: qsTr("Paste")
                enabled: !page.adifImport.importing
                onClicked: page.adifImport.importAdif(Clipboard.text())
            }
            Button {
                text: qsTr("Open file\u2026")
                enabled: !page.adifImport.importing
                onClicked: fileDialog.open()
            }
            Button {
                text: qsTr("Reset")
                enabled: !page.adifImport.importing
                onClicked: page.adifImport.reset()
            }
            Button {
                objectName: "importButton"
                text: qsTr("Import")
                highlighted: true
                enabled: page.adifImport.importEnabled
                onClicked: page.adifImport.startImport()
            }
        }

        Label {
            objectName: "status"
            text: page.adifImport.status.length > 0
                  ? page.adifImport.status
                  : qsTr("Paste ADIF text or open an ADIF file (.adi, .adif).")
            opacity: page.adifImport.status.length > 0 ? 1 : 0.75
            font.pixelSize: Theme.bodySize
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
        ProgressBar {
            visible: page.adifImport.importing
            value: page.adifImport.progress
            Layout.fillWidth: true
        }

        ScrollView {
            Layout.fillWidth: true
            Layout.fillHeight: true
            TextArea {
                objectName: "adifText"
                text: page.adifImport.text
                readOnly: true
                wrapMode: TextEdit.WrapAnywhere
                font.family: "monospace"
                font.pixelSize: Theme.smallSize
                placeholderText: qsTr("No ADIF text loaded.")
                padding: 10
                background: Rectangle {
                    color: Material.theme === Material.Dark ? "#1e1e1e" : "#f5f5f5"
                    border.color: Material.theme === Material.Dark ? "#3a3a3a" : "#dddddd"
                    radius: 4
                }
            }
        }
    }

    FileDialog {
        id: fileDialog
        title: qsTr("Open ADIF file")
        nameFilters: [qsTr("ADIF files (*.adi *.adif *.ADI *.ADIF)"), qsTr("All files (*)")]
        onAccepted: page.adifImport.loadFile(selectedFile.toString())
    }
}
