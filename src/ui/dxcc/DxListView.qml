import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The DX list: sort and filter above, the band header, the entities in sections by their first
// character and the section index beside them. The phone puts an entity's cells below its name.
Pane {
    id: table
    required property DxList list
    property bool compact: false
    padding: 0

    readonly property int margin: compact ? 8 : Theme.margin
    readonly property int prefixWidth: 64
    readonly property int nameWidth: 230
    /** One cell; a band group is three cells and half a cell of space. */
    readonly property real cellWidth: compact
        ? Math.floor((rows.width - margin) / (13 * 3.5))
        : 17
    readonly property real groupWidth: cellWidth * 3.5
    readonly property int cellsX: compact ? margin : margin + prefixWidth + nameWidth

    ColumnLayout {
        anchors.fill: parent
        anchors.topMargin: table.compact ? 0 : 8
        spacing: 4

        GridLayout {
            columns: table.compact ? 1 : 3
            columnSpacing: Theme.spacing
            rowSpacing: 6
            Layout.fillWidth: true
            Layout.leftMargin: table.margin
            Layout.rightMargin: table.margin
            DxccSegments {
                objectName: "dxSort"
                model: table.list.sortTitles
                currentIndex: table.list.sortIndex
                fill: table.compact
                onActivated: index => table.list.sortIndex = index
                Layout.fillWidth: table.compact
            }
            DxccSegments {
                objectName: "dxFilter"
                model: table.list.filterTitles
                currentIndex: table.list.filterIndex
                fill: table.compact
                onActivated: index => table.list.filterIndex = index
                Layout.fillWidth: table.compact
            }
            Label {
                visible: !table.compact
                text: table.list.countText
                font.pixelSize: Theme.smallSize
                opacity: 0.75
                horizontalAlignment: Text.AlignRight
                Layout.fillWidth: true
            }
        }
        Label {
            text: table.compact ? table.list.countText + ".  " + table.list.legend : table.list.legend
            font.pixelSize: Theme.smallSize - 1
            opacity: 0.75
            wrapMode: Text.Wrap
            Layout.fillWidth: true
            Layout.leftMargin: table.margin
            Layout.rightMargin: table.margin
        }

        // The band header, and on larger screens the mode classes below each band.
        Item {
            Layout.fillWidth: true
            Layout.topMargin: 4
            implicitHeight: table.compact ? 18 : 36
            Label {
                visible: !table.compact
                x: table.margin
                width: table.prefixWidth
                text: table.list.columnTitles[0]
                font.pixelSize: Theme.smallSize
                font.weight: Font.DemiBold
                opacity: 0.7
            }
            Label {
                visible: !table.compact
                x: table.margin + table.prefixWidth
                width: table.nameWidth
                text: table.list.columnTitles[1]
                font.pixelSize: Theme.smallSize
                font.weight: Font.DemiBold
                opacity: 0.7
            }
            Row {
                x: table.cellsX
                Repeater {
                    model: table.list.bandTitles
                    Label {
                        required property string modelData
                        width: table.groupWidth
                        leftPadding: table.compact ? 0 : 2
                        // Narrow columns on a phone: the bands without their unit, as in the
                        // entry form ("160 80 … 2 70").
                        text: table.compact ? modelData.replace(/c?m$/, "") : modelData
                        font.family: "Courier"
                        font.pixelSize: table.compact ? 11 : Theme.smallSize - 1
                        font.weight: Font.DemiBold
                        opacity: 0.8
                    }
                }
            }
            Row {
                visible: !table.compact
                x: table.cellsX
                y: 18
                Repeater {
                    model: 13
                    Row {
                        Repeater {
                            model: table.list.modeTitles
                            Label {
                                required property string modelData
                                width: table.cellWidth
                                horizontalAlignment: Text.AlignHCenter
                                text: modelData.charAt(0)
                                font.family: "Courier"
                                font.pixelSize: Theme.smallSize - 2
                                opacity: 0.6
                            }
                        }
                        Item { width: table.cellWidth / 2; height: 1 }
                    }
                }
            }
        }
        Rectangle { Layout.fillWidth: true; height: 1; color: Material.dividerColor }

        RowLayout {
            spacing: 0
            Layout.fillWidth: true
            Layout.fillHeight: true

            ListView {
                id: rows
                objectName: "dxRows"
                Layout.fillWidth: true
                Layout.fillHeight: true
                clip: true
                model: table.list.rows
                reuseItems: true
                ScrollBar.vertical: ScrollBar {}
                Label {
                    anchors.centerIn: parent
                    visible: rows.count === 0
                    text: table.list.emptyText
                    font.pixelSize: Theme.bodySize
                    opacity: 0.6
                }
                section.property: "section"
                section.delegate: Rectangle {
                    required property string section
                    width: ListView.view.width
                    height: 24
                    color: Material.theme === Material.Dark ? "#2a2d3a" : "#e8eaf6"
                    Label {
                        x: table.margin
                        anchors.verticalCenter: parent.verticalCenter
                        text: parent.section
                        font.pixelSize: Theme.smallSize
                        font.weight: Font.DemiBold
                    }
                }
                delegate: Item {
                    id: row
                    required property string prefix
                    required property string entity
                    required property var groups
                    required property bool deleted
                    width: ListView.view.width
                    height: table.compact ? 44 : 28
                    opacity: deleted ? 0.6 : 1

                    Label {
                        x: table.margin
                        y: table.compact ? 3 : 0
                        height: table.compact ? 20 : row.height
                        width: table.compact ? row.width - 2 * table.margin : table.prefixWidth
                        verticalAlignment: Text.AlignVCenter
                        text: table.compact ? row.prefix + "  " + row.entity : row.prefix
                        font.pixelSize: Theme.smallSize + 1
                        font.weight: table.compact ? Font.Normal : Font.DemiBold
                        elide: Text.ElideRight
                    }
                    Label {
                        visible: !table.compact
                        x: table.margin + table.prefixWidth
                        height: row.height
                        width: table.nameWidth - 8
                        verticalAlignment: Text.AlignVCenter
                        text: row.entity
                        font.pixelSize: Theme.smallSize + 1
                        elide: Text.ElideRight
                    }
                    DxStatusCells {
                        x: table.cellsX
                        y: table.compact ? 23 : (row.height - height) / 2
                        groups: row.groups
                        cellWidth: table.cellWidth
                        fontSize: table.compact ? 11 : Theme.smallSize
                    }
                }
            }
            DxSectionIndex {
                list: table.list
                view: rows
                available: rows.height
                Layout.alignment: Qt.AlignTop
            }
        }
    }
}
