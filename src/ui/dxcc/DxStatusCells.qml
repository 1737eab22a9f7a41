import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import Brindlewick

// One entity's thirteen band groups of CW, Data and Phone cells in a fixed-width font; worked
// letters in one colour, confirmations in another, the dots of cells not worked faint.
Row {
    id: cells
    required property var groups
    property int cellWidth: 17
    property int fontSize: Theme.smallSize
    readonly property bool dark: Material.theme === Material.Dark
    readonly property color workedColor: Material.color(Material.Orange,
                                                        dark ? Material.Shade300 : Material.Shade900)
    readonly property color confirmedColor: Material.color(Material.Green,
                                                           dark ? Material.Shade300 : Material.Shade800)
    spacing: 0

    Repeater {
        model: cells.groups
        Row {
            id: group
            required property string modelData
            Repeater {
                model: 3
                Text {
                    required property int index
                    readonly property string letter: group.modelData.charAt(index)
                    width: cells.cellWidth
                    horizontalAlignment: Text.AlignHCenter
                    text: letter
                    font.family: "Courier"
                    font.pixelSize: cells.fontSize
                    font.weight: letter === "." ? Font.Normal : Font.Bold
                    color: letter === "W" ? cells.workedColor
                         : letter === "." ? Material.foreground : cells.confirmedColor
                    opacity: letter === "." ? 0.35 : 1
                }
            }
            Item { width: cells.cellWidth / 2; height: 1 }
        }
    }
}
