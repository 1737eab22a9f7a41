import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The node's name and the Connect/Disconnect button.
RowLayout {
    id: header
    required property ClusterScreen screen
    spacing: Theme.spacing

    Label {
        text: header.screen.connected ? header.screen.title
                                      : header.screen.busy ? qsTr("Connecting to %1…").arg(header.screen.nodeName)
                                                           : qsTr("Disconnected")
        font.pixelSize: Theme.headingSize
        font.weight: Font.DemiBold
        elide: Text.ElideRight
        Layout.fillWidth: true
    }
    BusyIndicator {
        running: header.screen.busy
        visible: running
        Layout.preferredHeight: 32
        Layout.preferredWidth: 32
    }
    Button {
        objectName: "connectButton"
        text: header.screen.buttonTitle
        highlighted: true
        // Red while a session is up or being set up, whatever language the button speaks.
        Material.accent: header.screen.connected || header.screen.busy ? Material.Red : Material.Blue
        font.pixelSize: Theme.bodySize
        onClicked: header.screen.toggleConnection()
    }
}
