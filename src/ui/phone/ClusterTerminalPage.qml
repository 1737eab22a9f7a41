import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// The Cluster tab on a phone: the terminal with its command field and macros; the spot table is
// a screen of its own.
Page {
    id: page
    required property ClusterScreen screen
    signal spotsRequested()

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 8
        spacing: 6
        RowLayout {
            Layout.fillWidth: true
            ClusterHeader {
                screen: page.screen
                Layout.fillWidth: true
            }
            Button {
                objectName: "spotsButton"
                text: qsTr("Spots")
                font.pixelSize: Theme.bodySize
                onClicked: page.spotsRequested()
            }
        }
        ClusterTerminal {
            screen: page.screen
            macroColumns: 4
            Layout.fillWidth: true
            Layout.fillHeight: true
        }
    }
}
