import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// The DXCC tab on a phone: the counter, worked or confirmed as the title says, with the way to
// the DX list.
Page {
    id: page
    required property DxccScreen screen
    readonly property DxccCounter counter: screen.counter
    signal listRequested()
    title: counter.title

    Flickable {
        anchors.fill: parent
        clip: true
        contentWidth: width
        contentHeight: content.implicitHeight + 16
        ScrollBar.vertical: ScrollBar {}

        ColumnLayout {
            id: content
            x: 8
            y: 8
            width: parent.width - 16
            spacing: 6

            DxccSegments {
                objectName: "phoneView"
                model: page.counter.phoneViewTitles
                currentIndex: page.counter.phoneView
                fill: true
                onActivated: index => page.counter.phoneView = index
                Layout.fillWidth: true
            }
            RowLayout {
                Layout.fillWidth: true
                Switch {
                    objectName: "withDeleted"
                    text: page.counter.withDeletedText
                    checked: page.counter.withDeleted
                    onToggled: page.counter.withDeleted = checked
                    font.pixelSize: Theme.smallSize
                    Layout.fillWidth: true
                }
                Button {
                    objectName: "dxListButton"
                    text: page.screen.listButtonText + " \u203a"
                    font.pixelSize: Theme.bodySize
                    onClicked: page.listRequested()
                }
            }
            DxccCounterTable {
                counter: page.counter
                compact: true
                Layout.alignment: Qt.AlignHCenter
            }
            DxccSummaries {
                counter: page.counter
                compact: true
                Layout.fillWidth: true
                Layout.topMargin: 6
            }
        }
    }
}
