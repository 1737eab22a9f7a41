import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// The cluster's settings: the nodes, the macros, login and which spots show.
ScrollView {
    id: page
    required property ClusterScreen screen
    contentWidth: availableWidth
    clip: true

    ColumnLayout {
        width: Math.min(page.availableWidth - 2 * Theme.margin, Theme.contentWidth)
        x: Theme.margin
        spacing: Theme.spacing

        Heading { text: qsTr("Nodes") }
        Repeater {
            model: page.screen.nodes.nodes
            RowLayout {
                required property int index
                required property var modelData
                Layout.fillWidth: true
                RadioButton {
                    checked: page.screen.nodes.usedIndex === index
                    text: modelData.name + "  —  " + modelData.address + ":" + modelData.port
                    font.pixelSize: Theme.bodySize
                    onClicked: page.screen.nodes.usedIndex = index
                    Layout.fillWidth: true
                }
                Button {
                    text: qsTr("Delete")
                    flat: true
                    onClicked: page.screen.nodes.remove(index)
                }
            }
        }
        RowLayout {
            Layout.fillWidth: true
            // Narrow windows shrink the fields, never the address to nothing.
            TextField {
                id: nodeName
                placeholderText: qsTr("Name")
                Layout.preferredWidth: 140
                Layout.minimumWidth: 70
                Layout.fillWidth: true
            }
            TextField {
                id: nodeAddress
                placeholderText: qsTr("Address")
                Layout.preferredWidth: 240
                Layout.minimumWidth: 110
                Layout.fillWidth: true
            }
            TextField {
                id: nodePort
                placeholderText: qsTr("Port")
                inputMethodHints: Qt.ImhDigitsOnly
                Layout.preferredWidth: 90
                Layout.minimumWidth: 56
            }
            Button {
                text: qsTr("Add")
                onClicked: {
                    nodeError.text = page.screen.nodes.add(nodeName.text, nodeAddress.text, nodePort.text)
                    if (nodeError.text.length === 0) {
                        nodeName.text = ""; nodeAddress.text = ""; nodePort.text = ""
                    }
                }
            }
        }
        Label { id: nodeError; color: "#d32f2f"; visible: text.length > 0 }

        Heading { text: qsTr("Login and spots") }
        Switch {
            text: qsTr("Log in with the station callsign")
            checked: page.screen.options.autoLogin
            onToggled: page.screen.options.autoLogin = checked
        }
        Switch {
            text: qsTr("Colour spots by what would be new")
            checked: page.screen.options.coloredSpots
            onToggled: page.screen.options.coloredSpots = checked
        }
        Switch {
            text: qsTr("Only spots that would be new")
            checked: page.screen.options.newOnesOnly
            onToggled: page.screen.options.newOnesOnly = checked
        }
        Flow {
            Layout.fillWidth: true
            spacing: 4
            Repeater {
                model: page.screen.options.modes
                CheckBox {
                    required property int index
                    required property var modelData
                    text: modelData.name
                    checked: modelData.shown
                    onToggled: page.screen.options.setModeShown(index + 1, checked)
                }
            }
        }
        Flow {
            Layout.fillWidth: true
            spacing: 4
            Repeater {
                model: page.screen.options.bands
                CheckBox {
                    required property int index
                    required property var modelData
                    text: modelData.name
                    checked: modelData.shown
                    onToggled: page.screen.options.setBandShown(index + 1, checked)
                }
            }
        }

        Heading { text: qsTr("Macros") }
        Label {
            text: qsTr("A macro with %TX in its text is sent at once; any other goes into the command field.")
            wrapMode: Text.WordWrap
            opacity: 0.7
            Layout.fillWidth: true
        }
        Repeater {
            model: page.screen.macros.titles.length
            RowLayout {
                id: macroRow
                required property int index
                Layout.fillWidth: true
                TextField {
                    id: macroTitle
                    text: page.screen.macros.titles[macroRow.index]
                    placeholderText: qsTr("Button %1").arg(macroRow.index + 1)
                    Layout.preferredWidth: 160
                    onEditingFinished: page.screen.macros.setMacro(macroRow.index, text, macroText.text)
                }
                TextField {
                    id: macroText
                    text: page.screen.macros.texts[macroRow.index]
                    placeholderText: qsTr("Command")
                    font.family: "monospace"
                    Layout.fillWidth: true
                    onEditingFinished: page.screen.macros.setMacro(macroRow.index, macroTitle.text, text)
                }
            }
        }
        Item { Layout.preferredHeight: Theme.margin }
    }
}
