import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// Asks for a name; `entered` carries what was typed when the user confirms.
Dialog {
    id: dialog
    property alias prompt: promptLabel.text
    property string okayText: qsTr("Okay")
    property string cancelText: qsTr("Cancel")
    signal entered(string name)

    modal: true
    anchors.centerIn: Overlay.overlay
    width: Math.min(parent ? parent.width - 32 : 400, 440)
    onOpened: {
        nameField.text = ""
        nameField.forceActiveFocus()
    }
    onAccepted: entered(nameField.text)

    ColumnLayout {
        width: parent.width
        spacing: Theme.spacing
        Label {
            id: promptLabel
            font.pixelSize: Theme.bodySize
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
        TextField {
            id: nameField
            objectName: "nameField"
            Layout.fillWidth: true
            onAccepted: dialog.accept()
        }
    }
    footer: DialogButtonBox {
        Button {
            text: dialog.cancelText
            flat: true
            DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
        }
        Button {
            text: dialog.okayText
            flat: true
            DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
        }
    }
}
