import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Dialogs
import QtQuick.Layouts
import Brindlewick

// Rebuilding the DXCC database from Club Log's country file.
Page {
    id: page
    required property CountryFileSettings countryFile

    ColumnLayout {
        x: Theme.margin
        y: Theme.margin
        width: Math.min(parent.width - 2 * Theme.margin, Theme.contentWidth)
        spacing: Theme.spacing

        Label {
            text: qsTr("The DXCC entities, prefixes and callsign exceptions can be rebuilt from Club Log\u2019s country file.")
            opacity: 0.75
            font.pixelSize: Theme.smallSize
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
        // Side by side where there is room, one under the other on a phone.
        GridLayout {
            columns: page.width < 600 ? 1 : 2
            columnSpacing: Theme.spacing * 2
            rowSpacing: 2
            Layout.fillWidth: true
            Label { text: qsTr("Loaded country file"); font.pixelSize: Theme.bodySize; opacity: 0.75 }
            Label {
                text: page.countryFile.fileDate.length > 0 ? page.countryFile.fileDate : qsTr("the one shipped with the program")
                font.pixelSize: Theme.bodySize
                font.weight: Font.DemiBold
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }
        }
        RowLayout {
            spacing: Theme.spacing
            Button {
                objectName: "loadCountryFileButton"
                text: qsTr("Load country file")
                highlighted: true
                enabled: !page.countryFile.busy
                onClicked: page.countryFile.load()
            }
            Button {
                text: qsTr("Load from file\u2026")
                enabled: !page.countryFile.busy
                onClicked: fileDialog.open()
            }
        }
        BusyIndicator {
            visible: page.countryFile.busy
            running: visible
        }
        Label {
            visible: text.length > 0
            text: page.countryFile.statusLine
            color: Material.color(Material.Green, Material.theme === Material.Dark ? Material.Shade300 : Material.Shade800)
            font.pixelSize: Theme.bodySize
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
        Label {
            visible: text.length > 0
            text: page.countryFile.errorLine
            color: Material.color(Material.Red)
            font.pixelSize: Theme.bodySize
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
    }

    FileDialog {
        id: fileDialog
        title: qsTr("Load Club Log country file")
        nameFilters: [qsTr("Club Log country file (*.gz)"), qsTr("All files (*)")]
        onAccepted: page.countryFile.loadFile(selectedFile.toString())
    }
}
