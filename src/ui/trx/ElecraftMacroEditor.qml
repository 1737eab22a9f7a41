import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// The Elecraft panel's macros: ten command macros, six text macros per digital mode, and how
// often the panel reads the radio. Done stores them all and tells the panel.
Popup {
    id: editor
    required property ElecraftPanel panel
    modal: true
    padding: 0

    property int pollMs: 1000
    property var commandTitles: []
    property var commands: []
    property var textSets: []

    onAboutToShow: {
        pollMs = panel.pollIntervalMs
        commandTitles = panel.commandTitles.slice()
        commands = panel.commandMacros.slice()
        textSets = panel.textMacroSets.map(set => ({ titles: set.titles.slice(), texts: set.texts.slice() }))
    }

    Page {
        anchors.fill: parent
        header: Pane {
            padding: 8
            leftPadding: 12
            RowLayout {
                anchors.fill: parent
                Label {
                    text: qsTr("Panel macros")
                    font.pixelSize: Theme.headingSize
                    font.weight: Font.DemiBold
                    Layout.fillWidth: true
                }
                Button { text: qsTr("Cancel"); onClicked: editor.close() }
                Button {
                    text: qsTr("Done")
                    onClicked: {
                        editor.panel.saveMacros(editor.pollMs, editor.commandTitles, editor.commands,
                                                editor.textSets)
                        editor.close()
                    }
                }
            }
        }
        Flickable {
            anchors.fill: parent
            contentHeight: column.implicitHeight + 24
            clip: true
            ScrollBar.vertical: ScrollBar {}
            ColumnLayout {
                id: column
                x: 12
                y: 12
                width: parent.width - 24
                spacing: 6

                Heading { text: qsTr("Reading the radio") }
                RowLayout {
                    Layout.fillWidth: true
                    Slider {
                        from: 500
                        to: 5000
                        stepSize: 100
                        value: editor.pollMs
                        onMoved: editor.pollMs = value
                        Layout.fillWidth: true
                    }
                    Label { text: qsTr("%1 sec").arg((editor.pollMs / 1000).toFixed(1)); Layout.preferredWidth: 64 }
                }
                Heading { text: qsTr("Command macros"); detail: qsTr("Commands such as SWT11;SWT19; run when the key is tapped.") }
                Repeater {
                    model: editor.commandTitles.length
                    RowLayout {
                        required property int index
                        Layout.fillWidth: true
                        TextField {
                            text: editor.commandTitles[index]
                            placeholderText: qsTr("Title")
                            Layout.preferredWidth: 140
                            onEditingFinished: editor.commandTitles[index] = text
                        }
                        TextField {
                            text: editor.commands[index]
                            placeholderText: qsTr("Commands")
                            font.family: "monospace"
                            Layout.fillWidth: true
                            onEditingFinished: editor.commands[index] = text
                        }
                    }
                }
                Repeater {
                    model: ["CW", "RTTY", "PSK"]
                    ColumnLayout {
                        id: set
                        required property int index
                        required property string modelData
                        Layout.fillWidth: true
                        Heading {
                            text: qsTr("%1 macros").arg(set.modelData)
                            detail: set.index === 0 ? qsTr("%TX starts sending, %RX returns to receive once the text is out.") : ""
                        }
                        Repeater {
                            model: editor.textSets.length > set.index ? editor.textSets[set.index].titles.length : 0
                            RowLayout {
                                required property int index
                                Layout.fillWidth: true
                                TextField {
                                    text: editor.textSets[set.index].titles[index]
                                    placeholderText: qsTr("%1 Macro %2").arg(set.modelData).arg(index + 1)
                                    Layout.preferredWidth: 140
                                    onEditingFinished: editor.textSets[set.index].titles[index] = text
                                }
                                TextField {
                                    text: editor.textSets[set.index].texts[index]
                                    placeholderText: qsTr("Text")
                                    Layout.fillWidth: true
                                    onEditingFinished: editor.textSets[set.index].texts[index] = text
                                }
                            }
                        }
                    }
                }
            }
        }
    }
}
