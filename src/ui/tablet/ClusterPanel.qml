import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// The Cluster tab on larger screens: spot table and its filter beside the terminal.
Page {
    id: page
    required property ClusterScreen screen
    property bool radioConnected: false

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
                radioConnected: page.radioConnected
                Layout.fillWidth: true
                Layout.fillHeight: true
            }
        }
        ClusterTerminal {
            screen: page.screen
            fontSize: 11
            // The spot table's comment and island columns need the room more than the
            // terminal's long lines, which wrap.
            SplitView.preferredWidth: 340
            SplitView.minimumWidth: 280
        }
    }
}
