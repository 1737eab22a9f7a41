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
                                      : header.screen.busy ? "Connecting to " + header.screen.nodeName + "…"
                                                           : "Disconnected"
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
        Material.accent: header.screen.buttonTitle === "Disconnect" ? Material.Red : Material.Blue
        font.pixelSize: Theme.bodySize
        onClicked: header.screen.toggleConnection()
    }
}
