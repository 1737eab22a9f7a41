import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// The Cluster tab on larger screens: spot table and its filter beside the terminal.
Page {
    id: page
    required property ClusterScreen screen

    header: ToolBar {
        ClusterHeader {
            screen: page.screen
            anchors.fill: parent
            anchors.leftMargin: Theme.margin
            anchors.rightMargin: Theme.margin
        }
    }

    SplitView {
        anchors.fill: parent
        anchors.margins: 8
        orientation: Qt.Horizontal

        ColumnLayout {
            SplitView.fillWidth: true
            SplitView.minimumWidth: 600
            clip: true
            spacing: 6
            SpotFilterBar {
                screen: page.screen
                Layout.fillWidth: true
            }
            SpotTable {
                screen: page.screen
                Layout.fillWidth: true
                Layout.fillHeight: true
            }
        }
        ClusterTerminal {
            screen: page.screen
            fontSize: 11
            SplitView.preferredWidth: 540
            SplitView.minimumWidth: 320
        }
    }
}
