import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The two band summaries and the slot count, worked and confirmed.
ColumnLayout {
    id: box
    required property DxccCounter counter
    property bool compact: false
    readonly property int pad: compact ? 4 : 12
    spacing: compact ? 2 : Theme.spacing
    readonly property color cfdColor: Material.color(Material.Green,
        Material.theme === Material.Dark ? Material.Shade300 : Material.Shade800)

    // A fixed number of cards whose texts follow the counts: new cards for every count would be
    // made while the tab is still hidden, and Qt 6.4's layouts miss them when it shows.
    Repeater {
        model: 3
        Rectangle {
            id: card
            required property int index
            readonly property var modelData: box.counter.summaries[index]
            Layout.fillWidth: true
            implicitHeight: grid.implicitHeight + 2 * box.pad
            radius: 6
            color: box.compact ? "transparent" : Qt.rgba(0.5, 0.5, 0.5, 0.08)
            border.color: box.compact ? "transparent" : Material.dividerColor

            GridLayout {
                id: grid
                x: box.pad
                y: box.pad
                width: card.width - 2 * box.pad
                columns: 3
                columnSpacing: Theme.spacing
                rowSpacing: 0
                Label {
                    text: card.modelData.caption
                    font.pixelSize: box.compact ? Theme.smallSize + 1 : Theme.bodySize
                    font.weight: Font.DemiBold
                    elide: Text.ElideRight
                    Layout.fillWidth: true
                }
                Label {
                    text: card.modelData.workedText
                    font.pixelSize: box.compact ? Theme.smallSize + 1 : Theme.headingSize
                    horizontalAlignment: Text.AlignRight
                    Layout.minimumWidth: box.compact ? 64 : 90
                }
                Label {
                    text: card.modelData.confirmedText
                    color: box.cfdColor
                    font.pixelSize: box.compact ? Theme.smallSize + 1 : Theme.headingSize
                    horizontalAlignment: Text.AlignRight
                    Layout.minimumWidth: box.compact ? 64 : 90
                }
                Label {
                    visible: !box.compact
                    text: card.modelData.detail
                    font.pixelSize: Theme.smallSize
                    opacity: 0.7
                    wrapMode: Text.Wrap
                    Layout.columnSpan: 3
                    Layout.fillWidth: true
                }
            }
        }
    }
}
