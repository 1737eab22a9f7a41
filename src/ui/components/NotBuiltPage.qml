import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// The page of a tab whose part of the program does not exist yet.
Page {
    property string heading
    property string message

    title: heading

    ColumnLayout {
        anchors.centerIn: parent
        width: Math.min(parent.width - 2 * Theme.margin, 520)
        spacing: Theme.spacing

        Label {
            text: heading
            font.pixelSize: Theme.titleSize
            font.weight: Font.DemiBold
            horizontalAlignment: Text.AlignHCenter
            Layout.fillWidth: true
        }
        Label {
            text: message
            font.pixelSize: Theme.bodySize
            opacity: 0.75
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
            Layout.fillWidth: true
        }
    }
}
