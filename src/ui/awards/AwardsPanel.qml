import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The DXCC tab on larger screens: the DXCC counter and DX list, or the awards, switched at the
// top right.
Item {
    id: panel
    required property DxccScreen dxcc
    required property AwardsScreen awards

    StackLayout {
        anchors.fill: parent
        currentIndex: panel.awards.open ? 1 : 0
        DxccPanel {
            objectName: "dxccPanel"
            screen: panel.dxcc
        }
        Page {
            AwardsView {
                objectName: "awardsView"
                screen: panel.awards
                reserve: switcher.width + Theme.margin
                anchors.fill: parent
                anchors.margins: Theme.margin
                anchors.topMargin: 10
            }
        }
    }
    DxccSegments {
        id: switcher
        objectName: "awardsSwitch"
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.topMargin: 10
        anchors.rightMargin: Theme.margin
        model: panel.awards.panelTitles
        currentIndex: panel.awards.open ? 1 : 0
        onActivated: index => panel.awards.open = index === 1
    }
}
