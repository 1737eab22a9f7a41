import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// What each received QSL brought: red rows were not found in the log, yellow ones corrected it.
ListView {
    id: list
    required property QslResultModel results
    clip: true
    model: results
    ScrollBar.vertical: ScrollBar {}
    header: Label {
        width: ListView.view.width
        visible: list.count > 0
        height: visible ? implicitHeight : 0
        text: (list.count === 1 ? qsTr("1 QSL") : qsTr("%1 QSLs").arg(list.count))
        font.pixelSize: Theme.smallSize
        font.weight: Font.DemiBold
        opacity: 0.7
        bottomPadding: 4
    }
    delegate: Rectangle {
        required property string date
        required property string time
        required property string callsign
        required property string band
        required property string mode
        required property string note
        required property string background
        width: ListView.view.width
        height: row.implicitHeight + 8
        color: background === "red" ? "#40e53935"
             : background === "yellow" ? "#40fdd835" : "transparent"
        RowLayout {
            id: row
            anchors.fill: parent
            anchors.leftMargin: 6
            anchors.rightMargin: 6
            spacing: 10
            Label { text: date + " " + time; font.pixelSize: Theme.smallSize; Layout.preferredWidth: 130 }
            Label {
                text: callsign
                font.pixelSize: Theme.bodySize
                font.weight: Font.DemiBold
                Layout.preferredWidth: 110
            }
            Label { text: band + " " + mode; font.pixelSize: Theme.smallSize; Layout.preferredWidth: 90 }
            Label {
                text: note
                font.pixelSize: Theme.smallSize
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }
        }
    }
}
