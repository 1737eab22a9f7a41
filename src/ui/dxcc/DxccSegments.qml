import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// A row of segments of which one is selected, framed like one control.
Rectangle {
    id: bar
    property var model: []
    property int currentIndex: 0
    /** Each segment takes an equal share of the width. */
    property bool fill: false
    signal activated(int index)

    implicitWidth: segments.implicitWidth + 2
    implicitHeight: 36
    radius: 6
    color: "transparent"
    border.color: Material.accent
    border.width: 1

    RowLayout {
        id: segments
        anchors.fill: parent
        anchors.margins: 1
        spacing: 0
        Repeater {
            model: bar.model
            AbstractButton {
                id: segment
                required property int index
                required property string modelData
                readonly property bool selected: index === bar.currentIndex
                text: modelData
                font.pixelSize: Theme.smallSize
                font.weight: selected ? Font.DemiBold : Font.Normal
                leftPadding: bar.fill ? 4 : 14
                rightPadding: bar.fill ? 4 : 14
                Layout.fillHeight: true
                Layout.fillWidth: bar.fill
                Layout.preferredWidth: bar.fill ? 10 : implicitWidth
                background: Rectangle {
                    radius: 5
                    color: segment.selected
                           ? Qt.rgba(bar.border.color.r, bar.border.color.g, bar.border.color.b, 0.25)
                           : segment.hovered ? Qt.rgba(0.5, 0.5, 0.5, 0.12) : "transparent"
                }
                contentItem: Label {
                    text: segment.text
                    font: segment.font
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    // Equal shares on a phone: a long title ("Gearbeitet") takes a smaller font.
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 10
                    elide: Text.ElideRight
                }
                onClicked: bar.activated(index)
            }
        }
    }
}
