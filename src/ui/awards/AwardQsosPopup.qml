import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The QSOs of the chosen item, newest first, over the awards.
Popup {
    id: popup
    required property AwardsScreen screen
    readonly property color confirmedColor: Material.color(Material.Green,
        Material.theme === Material.Dark ? Material.Shade300 : Material.Shade800)
    modal: true
    anchors.centerIn: Overlay.overlay
    width: Math.min(560, parent ? parent.width - 24 : 560)
    height: Math.min(520, parent ? parent.height - 48 : 520)
    visible: screen.qsosOpen
    onClosed: screen.qsosOpen = false
    padding: 12

    ColumnLayout {
        anchors.fill: parent
        spacing: 6
        Label {
            objectName: "awardQsosTitle"
            text: popup.screen.qsosTitle
            font.pixelSize: Theme.bodySize + 1
            font.weight: Font.DemiBold
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
        ListView {
            objectName: "awardQsos"
            clip: true
            model: popup.screen.qsos
            Layout.fillWidth: true
            Layout.fillHeight: true
            ScrollBar.vertical: ScrollBar {}
            delegate: Rectangle {
                id: line
                required property int index
                required property var modelData
                width: ListView.view.width
                height: 46
                color: index % 2 === 1 ? Qt.rgba(0.5, 0.5, 0.5, 0.08) : "transparent"
                // The call with band and mode above, the time and the confirmations below.
                GridLayout {
                    anchors.fill: parent
                    anchors.leftMargin: 4
                    anchors.rightMargin: 4
                    columns: 2
                    rowSpacing: 0
                    columnSpacing: 8
                    Label {
                        text: line.modelData.call
                        font.pixelSize: Theme.bodySize
                        font.weight: Font.DemiBold
                        elide: Text.ElideRight
                        Layout.fillWidth: true
                    }
                    Label {
                        text: line.modelData.band + " " + line.modelData.mode
                        font.pixelSize: Theme.smallSize
                        Layout.alignment: Qt.AlignRight
                    }
                    Label {
                        text: line.modelData.date + " " + line.modelData.time
                        font.family: "DejaVu Sans Mono"
                        font.pixelSize: Theme.smallSize
                        opacity: 0.8
                        Layout.fillWidth: true
                    }
                    Label {
                        text: line.modelData.qsl
                        font.pixelSize: Theme.smallSize
                        color: popup.confirmedColor
                        Layout.alignment: Qt.AlignRight
                    }
                }
            }
        }
        Button {
            objectName: "awardQsosClose"
            text: popup.screen.closeText
            Layout.alignment: Qt.AlignRight
            onClicked: popup.close()
        }
    }
}
