import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// An award's table: a row per band and the total, worked and confirmed items for every mode and
// each mode class. A cell narrows the item list to its band and mode class; the chosen cell is
// marked.
Column {
    id: table
    required property AwardsScreen screen
    /** One "worked/confirmed" text per cell instead of two columns. */
    property bool compact: false
    readonly property int bandWidth: compact ? 70 : 76
    readonly property int numberWidth: compact ? 74 : 56
    readonly property int cellWidth: compact ? numberWidth : 2 * numberWidth
    readonly property bool dark: Material.theme === Material.Dark
    readonly property color workedColor: Material.color(Material.Orange,
                                                        dark ? Material.Shade300 : Material.Shade900)
    readonly property color confirmedColor: Material.color(Material.Green,
                                                           dark ? Material.Shade300 : Material.Shade800)

    Row {
        Label {
            width: table.bandWidth
            text: table.screen.columnTitles[0]
            font.pixelSize: Theme.smallSize
            font.weight: Font.DemiBold
            opacity: 0.7
        }
        Repeater {
            model: 4
            Label {
                required property int index
                width: table.cellWidth
                horizontalAlignment: Text.AlignHCenter
                text: table.screen.columnTitles[index + 1]
                font.pixelSize: Theme.smallSize
                font.weight: Font.DemiBold
                opacity: 0.7
            }
        }
    }
    Row {
        visible: !table.compact
        Item { width: table.bandWidth; height: 1 }
        Repeater {
            model: 8
            Label {
                required property int index
                width: table.numberWidth
                horizontalAlignment: Text.AlignRight
                rightPadding: 10
                text: table.screen.pairTitles[index % 2]
                font.pixelSize: Theme.smallSize - 1
                opacity: 0.6
            }
        }
    }
    Rectangle {
        width: table.bandWidth + 4 * table.cellWidth
        height: 1
        color: Material.dividerColor
    }

    Repeater {
        model: table.screen.tableRows
        Rectangle {
            id: row
            required property int index
            required property var modelData
            width: table.bandWidth + 4 * table.cellWidth
            height: 30 + (modelData.total ? 4 : 0)
            color: index % 2 === 1 ? Qt.rgba(0.5, 0.5, 0.5, 0.08) : "transparent"

            Rectangle {
                visible: row.modelData.total
                width: parent.width
                height: 1
                color: Material.dividerColor
            }
            Row {
                anchors.verticalCenter: parent.verticalCenter
                Label {
                    width: table.bandWidth
                    height: row.height
                    verticalAlignment: Text.AlignVCenter
                    leftPadding: 4
                    text: row.modelData.band
                    font.pixelSize: Theme.bodySize
                    font.weight: row.modelData.total ? Font.Bold : Font.DemiBold
                }
                Repeater {
                    model: 4
                    AbstractButton {
                        id: cell
                        objectName: "awardCell_" + row.index + "_" + index
                        required property int index
                        readonly property int worked: row.modelData.worked[index]
                        readonly property int confirmed: row.modelData.confirmed[index]
                        readonly property bool chosen: table.screen.cellRow === row.index
                                                       && table.screen.cellMode === index
                        width: table.cellWidth
                        height: row.height - 2
                        onClicked: table.screen.chooseCell(row.index, index)
                        background: Rectangle {
                            radius: 4
                            color: cell.chosen ? Qt.rgba(0.5, 0.5, 0.5, 0.25)
                                 : cell.hovered ? Qt.rgba(0.5, 0.5, 0.5, 0.12) : "transparent"
                            border.width: cell.chosen ? 1 : 0
                            border.color: Material.accent
                        }
                        contentItem: Row {
                            Label {
                                width: table.compact ? table.numberWidth / 2 : table.numberWidth
                                height: cell.height
                                verticalAlignment: Text.AlignVCenter
                                horizontalAlignment: Text.AlignRight
                                rightPadding: table.compact ? 1 : 10
                                text: cell.worked + (table.compact ? "/" : "")
                                font.family: "DejaVu Sans Mono"
                                font.pixelSize: Theme.bodySize
                                font.weight: row.modelData.total ? Font.Bold : Font.Normal
                                color: table.workedColor
                                opacity: cell.worked === 0 ? 0.4 : 1
                            }
                            Label {
                                width: table.compact ? table.numberWidth / 2 : table.numberWidth
                                height: cell.height
                                verticalAlignment: Text.AlignVCenter
                                horizontalAlignment: table.compact ? Text.AlignLeft : Text.AlignRight
                                rightPadding: table.compact ? 0 : 10
                                text: cell.confirmed
                                font.family: "DejaVu Sans Mono"
                                font.pixelSize: Theme.bodySize
                                font.weight: row.modelData.total ? Font.Bold : Font.Normal
                                color: table.confirmedColor
                                opacity: cell.confirmed === 0 ? 0.4 : 1
                            }
                        }
                    }
                }
            }
        }
    }
}
