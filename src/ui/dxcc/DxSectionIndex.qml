import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import Brindlewick

// The section letters beside the DX list; a tap on one moves the list to its section.
Column {
    id: sections
    required property DxList list
    required property ListView view
    /** The height the letters share. */
    property real available: 600
    readonly property real letterHeight:
        Math.max(10, Math.min(22, available / Math.max(1, list.sectionTitles.length)))

    width: 24

    Repeater {
        model: sections.list.sectionTitles
        Label {
            id: letter
            required property int index
            required property string modelData
            width: sections.width
            height: sections.letterHeight
            text: modelData
            color: Material.accent
            font.pixelSize: Math.min(Theme.smallSize, sections.letterHeight - 1)
            font.weight: Font.DemiBold
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            TapHandler {
                onTapped: sections.view.positionViewAtIndex(
                              sections.list.rowOfSection(letter.index), ListView.Beginning)
            }
        }
    }
}
