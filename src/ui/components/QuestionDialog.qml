import QtQuick
import QtQuick.Controls

// A question with a confirming and a cancelling button, each with the program's own words.
Dialog {
    id: dialog
    property alias message: messageLabel.text
    property string acceptText
    property string cancelText

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
            text: dialog.cancelText
            flat: true
            DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
        }
        Button {
            text: dialog.acceptText
            flat: true
            DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
        }
    }
}
