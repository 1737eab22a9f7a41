import QtQuick
import QtQuick.Controls

// A notice with one button.
Dialog {
    id: dialog
    property alias message: messageLabel.text
    property string okayText: qsTr("Okay")

    function show(heading, text) {
        title = heading
        message = text
        open()
    }

    modal: true
    anchors.centerIn: Overlay.overlay
    width: Math.min(parent ? parent.width - 32 : 400, 440)

    Label {
        id: messageLabel
        // The dialog's own width: the content item's would be worked out from the label's.
        width: dialog.availableWidth
        wrapMode: Text.Wrap
        font.pixelSize: Theme.bodySize
    }
    footer: DialogButtonBox {
        Button {
            text: dialog.okayText
            flat: true
            DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
        }
    }
}
