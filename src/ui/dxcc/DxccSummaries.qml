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
    spacing: compact ? 6 : Theme.spacing
    readonly property color cfdColor: Material.color(Material.Green,
        Material.theme === Material.Dark ? Material.Shade300 : Material.Shade800)

    Repeater {
        model: box.counter.summaries
        Pane {
            required property var modelData
            Layout.fillWidth: true
            Material.elevation: box.compact ? 0 : 1
            padding: box.compact ? 4 : 12
            GridLayout {
                anchors.fill: parent
                columns: 3
                columnSpacing: Theme.spacing
                rowSpacing: 0
                Label {
                    text: modelData.caption
                    font.pixelSize: box.compact ? Theme.smallSize + 1 : Theme.bodySize
                    font.weight: Font.DemiBold
                    elide: Text.ElideRight
                    Layout.fillWidth: true
                }
                Label {
                    text: modelData.workedText
                    font.pixelSize: box.compact ? Theme.smallSize + 1 : Theme.headingSize
                    horizontalAlignment: Text.AlignRight
                    Layout.minimumWidth: box.compact ? 64 : 90
                }
                Label {
                    text: modelData.confirmedText
                    color: box.cfdColor
                    font.pixelSize: box.compact ? Theme.smallSize + 1 : Theme.headingSize
                    horizontalAlignment: Text.AlignRight
                    Layout.minimumWidth: box.compact ? 64 : 90
                }
                Label {
                    visible: !box.compact
                    text: modelData.detail
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
