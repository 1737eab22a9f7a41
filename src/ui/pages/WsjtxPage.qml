import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// Logging what WSJT-X and JTDX log: on or off, the UDP port and address, the last QSOs that
// came in.
ScrollView {
    id: page
    required property WsjtxSettings settings
    contentWidth: availableWidth
    topPadding: Theme.spacing
    clip: true

    ColumnLayout {
        width: Math.min(page.availableWidth - 2 * Theme.margin, Theme.contentWidth)
        x: Theme.margin
        spacing: Theme.spacing

        Heading { text: qsTr("Logging from WSJT-X and JTDX") }
        Label {
            text: qsTr("QSOs that WSJT-X or JTDX log are stored in the current logbook, each once. "
                  + "In their Settings \u2192 Reporting set the UDP server to 127.0.0.1 (or this "
                  + "computer's address) and its port to the one below.")
            wrapMode: Text.WordWrap
            opacity: 0.7
            font.pixelSize: Theme.smallSize
            Layout.fillWidth: true
        }
        Switch {
            objectName: "wsjtxSwitch"
            text: qsTr("Log QSOs from WSJT-X and JTDX")
            font.pixelSize: Theme.bodySize
            checked: page.settings.on
            onToggled: page.settings.on = checked
        }
        RowLayout {
            Layout.fillWidth: true
            Label { text: qsTr("UDP port"); font.pixelSize: Theme.bodySize }
            TextField {
                id: portField
                objectName: "wsjtxPort"
                text: page.settings.port
                inputMethodHints: Qt.ImhDigitsOnly
                Layout.preferredWidth: 110
                onEditingFinished: portError.text = page.settings.setPort(text)
            }
            Button {
                text: qsTr("Use")
                onClicked: portError.text = page.settings.setPort(portField.text)
            }
            Item { Layout.fillWidth: true }
        }
        RowLayout {
            Layout.fillWidth: true
            Label { text: qsTr("Address"); font.pixelSize: Theme.bodySize }
            TextField {
                id: addressField
                objectName: "wsjtxAddress"
                text: page.settings.address
                placeholderText: "127.0.0.1"
                inputMethodHints: Qt.ImhNoAutoUppercase
                Layout.preferredWidth: 180
                onEditingFinished: portError.text = page.settings.setAddress(text)
            }
            Item { Layout.fillWidth: true }
        }
        Label {
            text: qsTr("127.0.0.1 takes QSOs from programs on this computer only; 0.0.0.0 from "
                  + "any computer in the network; a multicast group such as 224.0.0.1 when WSJT-X "
                  + "sends to one.")
            wrapMode: Text.WordWrap
            opacity: 0.7
            font.pixelSize: Theme.smallSize
            Layout.fillWidth: true
        }
        Label {
            id: portError
            objectName: "wsjtxPortError"
            color: "#d32f2f"
            visible: text.length > 0
            wrapMode: Text.WordWrap
            Layout.fillWidth: true
        }
        Label {
            objectName: "wsjtxStatus"
            text: page.settings.status
            visible: !page.settings.failed
            font.pixelSize: Theme.bodySize
            wrapMode: Text.WordWrap
            Layout.fillWidth: true
        }
        Label {
            objectName: "wsjtxError"
            text: page.settings.status
            visible: page.settings.failed
            color: "#d32f2f"
            font.pixelSize: Theme.bodySize
            wrapMode: Text.WordWrap
            Layout.fillWidth: true
        }

        Heading { text: qsTr("Last QSOs received") }
        Label {
            text: qsTr("Nothing received yet.")
            visible: page.settings.received.length === 0
            opacity: 0.7
        }
        Repeater {
            model: page.settings.received
            RowLayout {
                required property var modelData
                Layout.fillWidth: true
                spacing: 8
                Label {
                    text: modelData.time
                    font.family: "monospace"
                    opacity: 0.7
                    Layout.alignment: Qt.AlignTop
                }
                Label {
                    text: modelData.text
                    font.family: "monospace"
                    opacity: modelData.stored ? 1.0 : 0.6
                    wrapMode: Text.Wrap
                    Layout.fillWidth: true
                }
            }
        }
    }
}
