import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The larger screens' way to the statistics: a button in the frame's bar that opens them over
// the tabs, also when the shell asks for the statistics screen.
ToolButton {
    id: button
    required property AppShell shell
    objectName: "statisticsButton"
    text: qsTr("Statistics")
    font.pixelSize: Theme.bodySize
    onClicked: shell.showScreen(Screens.Statistics)

    Connections {
        target: button.shell
        function onScreenRequested(tab, screen) {
            if (screen === Screens.Statistics)
                popup.open()
        }
        function onCurrentTabChanged() { popup.close() }
    }

    Popup {
        id: popup
        parent: Overlay.overlay
        x: Math.round(parent.width * 0.04)
        y: Math.round(parent.height * 0.05)
        width: Math.round(parent.width * 0.92)
        height: Math.round(parent.height * 0.9)
        padding: 0
        modal: true
        Material.elevation: 8
        contentItem: StatisticsPage {
            screen: button.shell.statistics
            grayline: button.shell.grayline
            header: ToolBar {
                RowLayout {
                    anchors.fill: parent
                    Label {
                        text: qsTr("Statistics")
                        font.pixelSize: Theme.headingSize
                        font.weight: Font.DemiBold
                        leftPadding: Theme.margin
                        Layout.fillWidth: true
                    }
                    ToolButton {
                        objectName: "statisticsClose"
                        text: qsTr("Close")
                        font.pixelSize: Theme.bodySize
                        onClicked: popup.close()
                    }
                }
            }
        }
    }
}
