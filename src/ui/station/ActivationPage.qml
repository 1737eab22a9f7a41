import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// Today's activation of the active profile's park, summit or WWFF area.
Page {
    id: page
    required property ActivationPanel activation
    title: qsTr("Activation")

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: Theme.margin
        spacing: Theme.spacing

        Label {
            text: page.activation.title
            font.pixelSize: Theme.headingSize
            font.weight: Font.DemiBold
            elide: Text.ElideRight
            Layout.fillWidth: true
        }
        ProgressBar {
            visible: page.activation.hasReference
            from: 0
            to: Math.max(1, page.activation.target)
            value: Math.min(page.activation.counted, page.activation.target)
            Layout.fillWidth: true
            Layout.maximumWidth: Theme.contentWidth
        }
        Label {
            objectName: "activationStatus"
            text: page.activation.statusText
            color: page.activation.valid ? Material.color(Material.Green) : Material.foreground
            font.pixelSize: Theme.bodySize
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
        Frame {
            visible: page.activation.qsos.length > 0
            padding: 0
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.maximumWidth: Theme.contentWidth
            ListView {
                anchors.fill: parent
                clip: true
                model: page.activation.qsos
                ScrollBar.vertical: ScrollBar {}
                delegate: ItemDelegate {
                    required property var modelData
                    width: ListView.view.width
                    height: Theme.touchHeight - 8
                    opacity: modelData.counted ? 1.0 : 0.55
                    contentItem: RowLayout {
                        spacing: Theme.spacing
                        Label { text: modelData.time; font.pixelSize: Theme.bodySize; font.family: "monospace" }
                        Label {
                            text: modelData.callsign
                            font.pixelSize: Theme.bodySize
                            font.weight: Font.DemiBold
                            Layout.preferredWidth: 110
                        }
                        Label { text: modelData.band + " " + modelData.mode; font.pixelSize: Theme.smallSize }
                        Label {
                            text: modelData.p2p.length > 0 ? qsTr("P2P %1").arg(modelData.p2p)
                                  : modelData.counted ? "" : qsTr("dupe")
                            color: modelData.p2p.length > 0 ? Material.accentColor : Material.foreground
                            font.pixelSize: Theme.smallSize
                            Layout.fillWidth: true
                            horizontalAlignment: Text.AlignRight
                        }
                    }
                }
            }
        }
        Item { Layout.fillHeight: true; visible: page.activation.qsos.length === 0 }
        Label {
            text: page.activation.exportMessage
            visible: text.length > 0
            font.pixelSize: Theme.smallSize
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
        Button {
            objectName: "exportActivation"
            text: qsTr("Export ADIF for upload")
            enabled: page.activation.qsos.length > 0
            onClicked: page.activation.exportFile()
        }
    }
}
