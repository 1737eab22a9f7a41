import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The terminal pane, the command field and the macro buttons.
ColumnLayout {
    id: terminal
    required property ClusterScreen screen
    property int macroColumns: 3
    property int fontSize: Theme.smallSize
    spacing: 6

    Rectangle {
        Layout.fillWidth: true
        Layout.fillHeight: true
        color: Material.theme === Material.Dark ? "#101418" : "#f4f6f8"
        radius: 4
        ListView {
            id: lines
            objectName: "terminalLines"
            anchors.fill: parent
            anchors.margins: 6
            clip: true
            model: terminal.screen.terminal
            ScrollBar.vertical: ScrollBar {}
            delegate: Text {
                required property string line
                width: ListView.view.width
                text: line
                font.family: "monospace"
                font.pixelSize: terminal.fontSize
                color: Material.foreground
                wrapMode: Text.WrapAnywhere
            }
            Connections {
                target: terminal.screen.terminal
                function onAppended() { lines.positionViewAtEnd() }
            }
        }
    }

    TextField {
        id: command
        objectName: "clusterCommand"
        Layout.fillWidth: true
        placeholderText: qsTr("Command")
        font.family: "monospace"
        font.pixelSize: Theme.bodySize
        inputMethodHints: Qt.ImhNoPredictiveText
        onAccepted: {
            if (terminal.screen.sendCommand(text))
                text = ""
        }
    }

    GridLayout {
        Layout.fillWidth: true
        columns: terminal.macroColumns
        columnSpacing: 6
        rowSpacing: 0
        Repeater {
            model: terminal.screen.macros.titles
            Button {
                required property int index
                required property string modelData
                Layout.fillWidth: true
                text: modelData.length > 0 ? modelData : qsTr("Macro %1").arg(index + 1)
                enabled: terminal.screen.connected
                font.pixelSize: Theme.smallSize
                flat: true
                onClicked: {
                    const text = terminal.screen.fireMacro(index)
                    if (text.length > 0) {
                        command.text = text
                        command.forceActiveFocus()
                    }
                }
            }
        }
    }
}
