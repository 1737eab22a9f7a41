import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// What the form knows about the callsign: entity, zones and sun, worked before, the station's
// earlier QSOs and membership, own sun times; with the compass needle beside it.
RowLayout {
    id: root
    required property QsoEntryForm form
    property bool compact: false
    spacing: Theme.spacing

    readonly property bool dark: Material.theme === Material.Dark
    readonly property string bandHeader: "160 80  60  40  30  20  17  15  12  10  6   2   70"

    ColumnLayout {
        Layout.fillWidth: true
        Layout.alignment: Qt.AlignTop
        spacing: 3

        Label {
            objectName: "entityLine"
            wrapMode: Text.Wrap
            Layout.fillWidth: true
            text: root.form.entityLine
            font.pixelSize: Theme.bodySize + 1
            font.weight: Font.DemiBold
            color: EntryTones.color(root.form.tones.callsign ?? "", Material.foreground, root.dark)
            visible: text.length > 0
        }
        Label {
            objectName: "countyLine"
            wrapMode: Text.Wrap
            Layout.fillWidth: true
            text: root.form.countyLine
            visible: root.form.countyAsked
            font.pixelSize: Theme.smallSize
            color: EntryTones.color("county", Material.foreground, root.dark)
        }
        Label {
            objectName: "zoneLine"
            text: root.form.zoneLine
            visible: text.length > 0
            font.pixelSize: Theme.smallSize
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
        GridLayout {
            columns: 2
            columnSpacing: 8
            rowSpacing: 0
            visible: root.form.dxInfo.length > 0 || root.form.workedInfo.length > 0
            Layout.fillWidth: true
            // The band columns shrink together on a narrow screen rather than run off it.
            Label { text: ""; font.pixelSize: Theme.smallSize }
            Label {
                text: root.bandHeader
                font.family: "monospace"
                font.pixelSize: Theme.smallSize - 1
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: 8
                Layout.fillWidth: true
                opacity: 0.75
            }
            Label { text: qsTr("Entity"); font.pixelSize: Theme.smallSize; visible: root.form.dxInfo.length > 0 }
            Label {
                objectName: "dxInfo"
                text: root.form.dxInfo
                visible: text.length > 0
                font.family: "monospace"
                font.pixelSize: Theme.smallSize - 1
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: 8
                Layout.fillWidth: true
            }
            Label { text: qsTr("Station"); font.pixelSize: Theme.smallSize; visible: root.form.workedInfo.length > 0 }
            Label {
                objectName: "workedInfo"
                text: root.form.workedInfo
                visible: text.length > 0
                font.family: "monospace"
                font.pixelSize: Theme.smallSize - 1
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: 8
                Layout.fillWidth: true
            }
        }
        Label {
            text: root.form.dxModeSummary.length > 0 ? qsTr("Entity  %1").arg(root.form.dxModeSummary) : ""
            wrapMode: Text.Wrap
            Layout.fillWidth: true
            visible: text.length > 0
            font.pixelSize: Theme.smallSize
            opacity: 0.8
        }
        Flow {
            spacing: Theme.spacing
            visible: root.form.stationLine.length > 0
            Layout.fillWidth: true
            Label {
                objectName: "stationLine"
                text: root.form.stationLine
                font.pixelSize: Theme.bodySize
                font.weight: Font.DemiBold
                color: EntryTones.color(root.form.stationTone, Material.foreground, root.dark)
            }
            Label {
                objectName: "qsoCountLine"
                text: root.form.qsoCountLine
                font.pixelSize: Theme.smallSize
            }
            Label {
                text: root.form.memberLine
                font.pixelSize: Theme.smallSize
                color: EntryTones.color("member", Material.foreground, root.dark)
            }
            Label {
                text: root.form.workedModeSummary
                font.pixelSize: Theme.smallSize
                opacity: 0.8
            }
        }
        Label {
            objectName: "locatorLine"
            wrapMode: Text.Wrap
            Layout.fillWidth: true
            text: root.form.locatorLine
            visible: text.length > 0
            font.pixelSize: Theme.smallSize
        }
        Label {
            objectName: "ownSunLine"
            wrapMode: Text.Wrap
            Layout.fillWidth: true
            text: root.form.myLocator.length > 0 ? root.form.myLocator + "  " + root.form.ownSunLine
                                                 : ""
            visible: text.length > 0 && !root.compact
            font.pixelSize: Theme.smallSize
            color: EntryTones.color(root.form.ownSunTwilight ? "twilight" : "", Material.foreground, root.dark)
            opacity: 0.8
        }
        Label {
            text: root.form.positionLine
            wrapMode: Text.Wrap
            Layout.fillWidth: true
            visible: text.length > 0
            font.pixelSize: Theme.smallSize
            opacity: 0.8
        }
    }
    CompassNeedle {
        bearing: root.form.bearing
        known: root.form.bearingKnown
        textColor: Material.foreground
        Layout.alignment: Qt.AlignTop
        Layout.bottomMargin: 18
        implicitWidth: root.compact ? 80 : 110
        implicitHeight: implicitWidth
    }
}
