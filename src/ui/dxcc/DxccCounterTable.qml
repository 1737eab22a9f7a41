import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The counter table: a row per band and the total. Larger screens show worked and confirmed side
// by side for the total and each mode class; the phone one number per cell, as its title says.
Column {
    id: table
    required property DxccCounter counter
    property bool compact: false
    readonly property int bandWidth: compact ? 80 : 84
    readonly property int numberWidth: compact ? 70 : 66
    readonly property int rowHeight: compact ? 30 : 30
    readonly property int groups: 4
    readonly property color cfdColor: Material.color(Material.Green,
        Material.theme === Material.Dark ? Material.Shade300 : Material.Shade800)

    // Column groups ("Total", "CW", …) and, on larger screens, "Wkd" and "Cfd" under each.
    Row {
        Label {
            width: table.bandWidth
            text: table.counter.columnTitles[0]
            font.pixelSize: Theme.smallSize
            font.weight: Font.DemiBold
            opacity: 0.7
        }
        Repeater {
            model: table.groups
            Label {
                required property int index
                width: table.compact ? table.numberWidth : 2 * table.numberWidth
                horizontalAlignment: Text.AlignHCenter
                text: table.counter.columnTitles[index + 1]
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
            model: table.groups * 2
            Label {
                required property int index
                width: table.numberWidth
                horizontalAlignment: Text.AlignRight
                rightPadding: 14
                text: table.counter.pairTitles[index % 2]
                font.pixelSize: Theme.smallSize - 1
                opacity: 0.6
            }
        }
    }
    Rectangle {
        width: table.bandWidth + table.groups * (table.compact ? 1 : 2) * table.numberWidth
        height: 1
        color: Material.dividerColor
    }

    Repeater {
        model: table.counter.rows
        Rectangle {
            id: row
            required property int index
            required property string band
            required property bool totalRow
            required property int worked
            required property int confirmed
            required property int cwWorked
            required property int cwConfirmed
            required property int digiWorked
            required property int digiConfirmed
            required property int phoneWorked
            required property int phoneConfirmed
            required property int total
            required property int cw
            required property int digi
            required property int phone
            readonly property var numbers: table.compact
                ? [total, cw, digi, phone]
                : [worked, confirmed, cwWorked, cwConfirmed, digiWorked, digiConfirmed,
                   phoneWorked, phoneConfirmed]
            width: table.bandWidth + numbers.length * table.numberWidth
            height: table.rowHeight + (totalRow ? 4 : 0)
            color: index % 2 === 1 ? Qt.rgba(0.5, 0.5, 0.5, 0.08) : "transparent"

            Rectangle {
                visible: row.totalRow
                width: parent.width
                height: 1
                color: Material.dividerColor
            }
            Row {
                anchors.verticalCenter: parent.verticalCenter
                Label {
                    width: table.bandWidth
                    leftPadding: 4
                    text: row.band
                    font.pixelSize: Theme.bodySize
                    font.weight: row.totalRow ? Font.Bold : Font.DemiBold
                }
                Repeater {
                    model: row.numbers
                    Label {
                        required property int index
                        required property int modelData
                        width: table.numberWidth
                        horizontalAlignment: Text.AlignRight
                        rightPadding: 14
                        text: modelData
                        font.family: "DejaVu Sans Mono"
                        font.pixelSize: Theme.bodySize
                        font.weight: row.totalRow ? Font.Bold : Font.Normal
                        opacity: modelData === 0 ? 0.4 : 1
                        color: !table.compact && index % 2 === 1 ? table.cfdColor : Material.foreground
                    }
                }
            }
        }
    }
}
