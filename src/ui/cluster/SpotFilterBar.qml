import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// The band segment and the callsign search of the spot table.
RowLayout {
    id: bar
    required property ClusterScreen screen
    spacing: Theme.spacing

    ComboBox {
        objectName: "bandSegment"
        model: bar.screen.segments
        currentIndex: bar.screen.spots.segment
        onActivated: index => bar.screen.spots.segment = index
        font.pixelSize: Theme.bodySize
        Layout.preferredWidth: 150
    }
    TextField {
        objectName: "spotSearch"
        placeholderText: qsTr("Search callsign")
        text: bar.screen.spots.search
        onTextEdited: bar.screen.spots.search = text
        inputMethodHints: Qt.ImhUppercaseOnly | Qt.ImhNoPredictiveText
        font.pixelSize: Theme.bodySize
        Layout.fillWidth: true
    }
}
