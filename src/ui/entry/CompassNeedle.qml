import QtQuick
import QtQuick.Controls
import Brindlewick

// The beam heading to the other station: a needle on a compass rose, north up.
Item {
    id: root
    property int bearing: 0
    property bool known: false
    /** The theme's text colour, handed in: a bare Item does not pass the theme on. */
    property color textColor: "black"
    implicitWidth: 110
    implicitHeight: 110

    Rectangle {
        anchors.fill: parent
        radius: width / 2
        color: "transparent"
        border.width: 2
        border.color: Qt.rgba(0.5, 0.5, 0.5, 0.6)
    }
    Repeater {
        model: [qsTr("N", "compass north"), qsTr("E", "compass east"), qsTr("S", "compass south"), qsTr("W", "compass west")]
        Label {
            required property int index
            required property string modelData
            text: modelData
            color: root.textColor
            font.pixelSize: 11
            opacity: 0.7
            x: root.width / 2 - width / 2 + Math.sin(index * Math.PI / 2) * (root.width / 2 - 10)
            y: root.height / 2 - height / 2 - Math.cos(index * Math.PI / 2) * (root.height / 2 - 10)
        }
    }
    Item {
        objectName: "needle"
        anchors.fill: parent
        visible: root.known
        rotation: root.bearing
        Behavior on rotation { RotationAnimation { duration: 250; direction: RotationAnimation.Shortest } }
        Rectangle {
            width: 4
            height: root.height / 2 - 18
            radius: 2
            color: "#d32f2f"
            anchors.horizontalCenter: parent.horizontalCenter
            y: 18
        }
        Rectangle {
            width: 4
            height: root.height / 2 - 18
            radius: 2
            color: Qt.rgba(0.5, 0.5, 0.5, 0.8)
            anchors.horizontalCenter: parent.horizontalCenter
            y: root.height / 2
        }
    }
    Rectangle {
        width: 10; height: 10; radius: 5
        anchors.centerIn: parent
        color: Qt.rgba(0.4, 0.4, 0.4, 1)
    }
    Label {
        anchors.top: parent.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        text: root.known ? root.bearing + "\u00b0" : ""
        color: root.textColor
        font.pixelSize: Theme.smallSize
    }
}
