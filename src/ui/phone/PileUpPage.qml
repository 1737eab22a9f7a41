import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The pile-up: one callsign and return per station; each return logs a QSO at that second.
Page {
    id: page
    required property PileUp pileUp
    title: qsTr("Pile-up")

    Component.onDestruction: pileUp.finish()

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: Theme.margin
        spacing: Theme.spacing

        RowLayout {
            Layout.fillWidth: true
            Label {
                text: page.pileUp.dateText
                font.pixelSize: Theme.bodySize
                Layout.fillWidth: true
            }
            Label {
                objectName: "clock"
                text: page.pileUp.timeText
                font.pixelSize: Theme.headingSize
                font.family: "DejaVu Sans Mono"
            }
        }
        Label {
            text: page.pileUp.qrgString + " kHz   " + page.pileUp.band + "   " + page.pileUp.mode
            font.pixelSize: Theme.bodySize
            font.weight: Font.DemiBold
        }
        Label {
            text: "QSL " + page.pileUp.qsl + "   LoTW " + page.pileUp.lotwqsl
                  + "   eQSL " + page.pileUp.eqsl
                  + (page.pileUp.note.length > 0 ? "   " + page.pileUp.note : "")
            font.pixelSize: Theme.smallSize
            opacity: 0.75
            elide: Text.ElideRight
            Layout.fillWidth: true
        }

        TextField {
            id: callsign
            objectName: "callsignField"
            Layout.fillWidth: true
            placeholderText: qsTr("Callsign")
            font.pixelSize: Theme.titleSize
            font.capitalization: Font.AllUppercase
            inputMethodHints: Qt.ImhUppercaseOnly | Qt.ImhNoPredictiveText
            text: page.pileUp.callsign
            onTextEdited: page.pileUp.callsign = text
            onAccepted: page.pileUp.logQso()
            focus: true
        }
        Label {
            objectName: "duplicateText"
            text: page.pileUp.duplicateText
            visible: text.length > 0
            color: EntryTones.color("error", Material.foreground, Material.theme === Material.Dark)
            font.pixelSize: Theme.bodySize
            Layout.fillWidth: true
        }
        RowLayout {
            spacing: Theme.spacing
            Layout.fillWidth: true
            ColumnLayout {
                spacing: 0
                Layout.fillWidth: true
                Label { text: qsTr("RST sent"); font.pixelSize: Theme.smallSize; opacity: 0.7 }
                TextField {
                    text: page.pileUp.rsttx
                    onTextEdited: page.pileUp.rsttx = text
                    Layout.fillWidth: true
                }
            }
            ColumnLayout {
                spacing: 0
                Layout.fillWidth: true
                Label { text: qsTr("RST received"); font.pixelSize: Theme.smallSize; opacity: 0.7 }
                TextField {
                    text: page.pileUp.rstrx
                    onTextEdited: page.pileUp.rstrx = text
                    Layout.fillWidth: true
                }
            }
            Button {
                text: qsTr("Cancel")
                flat: true
                onClicked: page.pileUp.cancel()
            }
        }

        Frame {
            Layout.fillWidth: true
            Layout.fillHeight: true
            ScrollView {
                anchors.fill: parent
                TextArea {
                    objectName: "logText"
                    readOnly: true
                    text: page.pileUp.logText
                    font.family: "DejaVu Sans Mono"
                    font.pixelSize: Theme.bodySize
                    tabStopDistance: 40
                    background: null
                }
            }
        }
    }

    AlertDialog { id: alert }

    Connections {
        target: page.pileUp
        function onAlertRequested(title, message) { alert.show(title, message) }
        function onKeyboardCloseRequested() { callsign.focus = false }
        function onCallsignFocusRequested() { callsign.forceActiveFocus() }
    }
}
