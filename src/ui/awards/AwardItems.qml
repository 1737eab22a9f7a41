import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The items of an award as tiles: confirmed, worked and needed in the DXCC tab's colours; a
// tile lists its QSOs.
GridView {
    id: grid
    required property AwardsScreen screen
    readonly property bool dark: Material.theme === Material.Dark
    readonly property color workedColor: Material.color(Material.Orange,
                                                        dark ? Material.Shade300 : Material.Shade900)
    readonly property color confirmedColor: Material.color(Material.Green,
                                                           dark ? Material.Shade300 : Material.Shade800)
    clip: true
    cellWidth: 92
    cellHeight: 40
    model: screen.items
    ScrollBar.vertical: ScrollBar {}

    delegate: AbstractButton {
        id: tile
        required property int index
        required property var modelData
        readonly property color tone: modelData.state === 2 ? grid.confirmedColor
                                    : modelData.state === 1 ? grid.workedColor
                                                            : Material.foreground
        width: grid.cellWidth - 4
        height: grid.cellHeight - 4
        enabled: modelData.state > 0
        onClicked: grid.screen.chooseItem(index)
        background: Rectangle {
            radius: 5
            color: tile.modelData.state === 0 ? "transparent"
                 : Qt.rgba(tile.tone.r, tile.tone.g, tile.tone.b, tile.hovered ? 0.28 : 0.16)
            border.width: 1
            border.color: Qt.rgba(tile.tone.r, tile.tone.g, tile.tone.b,
                                  tile.modelData.state === 0 ? 0.25 : 0.6)
        }
        contentItem: Column {
            Label {
                width: tile.width
                horizontalAlignment: Text.AlignHCenter
                text: tile.modelData.id
                font.family: "DejaVu Sans Mono"
                font.pixelSize: Theme.smallSize + 1
                font.weight: tile.modelData.state === 0 ? Font.Normal : Font.Bold
                color: tile.tone
                opacity: tile.modelData.state === 0 ? 0.45 : 1
                elide: Text.ElideRight
            }
            Label {
                width: tile.width
                horizontalAlignment: Text.AlignHCenter
                visible: tile.modelData.qsos > 0
                text: tile.modelData.qsos
                font.pixelSize: Theme.smallSize - 2
                opacity: 0.6
            }
        }
    }

    Label {
        anchors.centerIn: parent
        visible: grid.count === 0
        text: grid.screen.emptyText
        font.pixelSize: Theme.bodySize
        opacity: 0.6
    }
}
