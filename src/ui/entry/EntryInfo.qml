import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// What the form knows about the callsign: entity, zones and sun, worked before, the station's
// earlier QSOs and membership, own sun times; with the compass needle beside it.
RowLayout {
    id: root
    required property QsoEntryForm form
    property bool compact: false
    spacing: Theme.spacing

    readonly property string bandHeader: "160 80  60  40  30  20  17  15  12  10  6   2   70"

    ColumnLayout {
        Layout.fillWidth: true
        spacing: 3

        Label {
            objectName: "entityLine"
            text: root.form.entityLine
            font.pixelSize: Theme.bodySize + 1
            font.weight: Font.DemiBold
            color: EntryTones.color(root.form.tones.callsign ?? "", palette.text)
            visible: text.length > 0
        }
        Label {
            objectName: "countyLine"
            text: root.form.countyLine
            visible: root.form.countyAsked
            font.pixelSize: Theme.smallSize
            color: "#b26a00"
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
            Label { text: ""; font.pixelSize: Theme.smallSize }
            Label {
                text: root.bandHeader
                font.family: "monospace"
                font.pixelSize: Theme.smallSize - 1
                opacity: 0.6
            }
            Label { text: qsTr("Entity"); font.pixelSize: Theme.smallSize; visible: root.form.dxInfo.length > 0 }
            Label {
                objectName: "dxInfo"
                text: root.form.dxInfo
                visible: text.length > 0
                font.family: "monospace"
                font.pixelSize: Theme.smallSize - 1
            }
            Label { text: qsTr("Station"); font.pixelSize: Theme.smallSize; visible: root.form.workedInfo.length > 0 }
            Label {
                objectName: "workedInfo"
                text: root.form.workedInfo
                visible: text.length > 0
                font.family: "monospace"
                font.pixelSize: Theme.smallSize - 1
            }
        }
        Label {
            text: root.form.dxModeSummary.length > 0 ? qsTr("Entity  %1").arg(root.form.dxModeSummary) : ""
            visible: text.length > 0
            font.pixelSize: Theme.smallSize
            opacity: 0.8
        }
        RowLayout {
            spacing: Theme.spacing
            visible: root.form.stationLine.length > 0
            Label {
                objectName: "stationLine"
                text: root.form.stationLine
                font.pixelSize: Theme.bodySize
                font.weight: Font.DemiBold
                color: EntryTones.color(root.form.stationTone, palette.text)
            }
            Label {
                objectName: "qsoCountLine"
                text: root.form.qsoCountLine
                font.pixelSize: Theme.smallSize
            }
            Label {
                text: root.form.memberLine
                font.pixelSize: Theme.smallSize
                color: "#00897b"
            }
            Label {
                text: root.form.workedModeSummary
                font.pixelSize: Theme.smallSize
                opacity: 0.8
            }
        }
        Label {
            objectName: "locatorLine"
            text: root.form.locatorLine
            visible: text.length > 0
            font.pixelSize: Theme.smallSize
        }
        Label {
            objectName: "ownSunLine"
            text: root.form.myLocator.length > 0 ? root.form.myLocator + "  " + root.form.ownSunLine
                                                 : ""
            visible: text.length > 0 && !root.compact
            font.pixelSize: Theme.smallSize
            color: root.form.ownSunTwilight ? "#d32f2f" : palette.placeholderText
        }
        Label {
            text: root.form.positionLine
            visible: text.length > 0
            font.pixelSize: Theme.smallSize
            opacity: 0.8
        }
    }
    CompassNeedle {
        bearing: root.form.bearing
        known: root.form.bearingKnown
        Layout.alignment: Qt.AlignTop
        Layout.bottomMargin: 18
        implicitWidth: root.compact ? 80 : 110
        implicitHeight: implicitWidth
    }
}
