import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// The QSL card scanner: the camera side beside the receiving side on a large screen, one at a
// time on a phone.
Item {
    id: page
    required property ScannerScreen scanner
    required property ScanReceiver receiver
    property bool compact: false

    TabBar {
        id: which
        objectName: "scannerTabs"
        visible: page.compact
        height: visible ? implicitHeight : 0
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        TabButton { objectName: "scanTab"; text: qsTr("Scan") }
        TabButton { objectName: "receiveTab"; text: qsTr("Receive") }
    }

    ScrollView {
        id: scroll
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: which.bottom
        anchors.bottom: parent.bottom
        contentWidth: availableWidth
        topPadding: Theme.spacing
        bottomPadding: Theme.spacing
        clip: true

        GridLayout {
            columns: page.compact ? 1 : 2
            columnSpacing: Theme.margin * 2
            rowSpacing: Theme.margin
            width: scroll.availableWidth - 2 * Theme.margin
            x: Theme.margin

            ScannerPane {
                scanner: page.scanner
                compact: page.compact
                visible: !page.compact || which.currentIndex === 0
                Layout.alignment: Qt.AlignTop
                Layout.fillWidth: true
                Layout.preferredWidth: 1
            }
            ReceiverPane {
                receiver: page.receiver
                visible: !page.compact || which.currentIndex === 1
                Layout.alignment: Qt.AlignTop
                Layout.fillWidth: true
                Layout.preferredWidth: 1
            }
        }
    }
}
