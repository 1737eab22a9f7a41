import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The DXCC tab on larger screens: the counter and the DX list as two sub-pages.
Page {
    id: page
    required property DxccScreen screen

    header: Pane {
        padding: 0
        topPadding: 10
        bottomPadding: 4
        leftPadding: Theme.margin
        RowLayout {
            anchors.fill: parent
            DxccSegments {
                objectName: "dxccPages"
                model: page.screen.pageTitles
                currentIndex: page.screen.page
                onActivated: index => page.screen.page = index
            }
            Item { Layout.fillWidth: true }
        }
    }

    StackLayout {
        anchors.fill: parent
        currentIndex: page.screen.page

        Flickable {
            clip: true
            contentWidth: width
            contentHeight: counter.implicitHeight + 8 + Theme.margin
            ScrollBar.vertical: ScrollBar {}
            DxccCounterView {
                id: counter
                counter: page.screen.counter
                x: Theme.margin
                y: 8
                width: parent.width - 2 * Theme.margin
            }
        }
        DxListView {
            list: page.screen.list
        }
    }
}
