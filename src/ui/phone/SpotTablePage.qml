import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// The phone's spot table.
Page {
    id: page
    required property ClusterScreen screen
    property bool radioConnected: false
    title: qsTr("Spots")

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 8
        spacing: 6
        SpotFilterBar {
            screen: page.screen
            Layout.fillWidth: true
        }
        SpotTable {
            screen: page.screen
            radioConnected: page.radioConnected
            compact: true
            Layout.fillWidth: true
            Layout.fillHeight: true
        }
    }
}
