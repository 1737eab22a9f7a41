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

    // The text's height at the dialog's width, taken from a column: a wrapping label's height read
    // straight into the dialog's would be worked out while the dialog works out its own.
    contentHeight: messageColumn.implicitHeight
    Column {
        id: messageColumn
        width: dialog.availableWidth
        Label {
            id: messageLabel
            width: parent.width
            wrapMode: Text.Wrap
            font.pixelSize: Theme.bodySize
        }
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
