import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// Own callsign and locator of the current logbook.
Page {
    id: page
    required property StationSettings station

    Flickable {
        anchors.fill: parent
        contentHeight: column.implicitHeight + 2 * Theme.margin
        clip: true

        ColumnLayout {
            id: column
            x: Theme.margin
            y: Theme.margin
            width: Math.min(parent.width - 2 * Theme.margin, Theme.contentWidth)
            spacing: Theme.spacing

            Label {
                text: qsTr("Kept in the logbook \u201c%1\u201d.").arg(page.station.logbookName)
                opacity: 0.75
                font.pixelSize: Theme.smallSize
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }
            Label { text: qsTr("Own callsign"); font.pixelSize: Theme.bodySize }
            TextField {
                id: callsignField
                objectName: "callsignField"
                text: page.station.myCallsign
                placeholderText: qsTr("e.g. DL1ABC")
                font.capitalization: Font.AllUppercase
                inputMethodHints: Qt.ImhUppercaseOnly | Qt.ImhNoPredictiveText
                Layout.fillWidth: true
                Layout.maximumWidth: 360
                onEditingFinished: page.station.myCallsign = text
            }
            Label { text: qsTr("Own locator"); font.pixelSize: Theme.bodySize }
            TextField {
                objectName: "locatorField"
                text: page.station.myLocator
                placeholderText: qsTr("e.g. JO62QM")
                font.capitalization: Font.AllUppercase
                inputMethodHints: Qt.ImhUppercaseOnly | Qt.ImhNoPredictiveText
                Layout.fillWidth: true
                Layout.maximumWidth: 360
                onEditingFinished: page.station.myLocator = text
            }
            Label {
                visible: !page.station.locatorValid
                text: qsTr("This is not a Maidenhead locator.")
                color: Material.color(Material.Red)
                font.pixelSize: Theme.smallSize
            }
        }
    }
}
