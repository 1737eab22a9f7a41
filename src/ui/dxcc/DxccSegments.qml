import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// A row of segments of which one is selected.
RowLayout {
    id: bar
    property var model: []
    property int currentIndex: 0
    /** Each segment takes an equal share of the width. */
    property bool fill: false
    signal activated(int index)
    spacing: 0

    Repeater {
        model: bar.model
        Button {
            required property int index
            required property string modelData
            text: modelData
            highlighted: index === bar.currentIndex
            flat: index !== bar.currentIndex
            font.pixelSize: Theme.smallSize
            leftPadding: 12
            rightPadding: 12
            Layout.fillWidth: bar.fill
            Layout.preferredWidth: bar.fill ? 10 : implicitWidth
            onClicked: bar.activated(index)
        }
    }
}
