import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// Which service the lookup button asks, and the accounts of QRZ and HamQTH.
Page {
    id: page
    required property LookupSettings settings

    Flickable {
        anchors.fill: parent
        contentHeight: column.implicitHeight + 2 * Theme.margin
        clip: true

        ColumnLayout {
            id: column
            x: Theme.margin
            y: Theme.margin
            width: Math.min(parent.width - 2 * Theme.margin, Theme.contentWidth)
            spacing: Theme.spacing

            Label {
                objectName: "keyringWarning"
                text: page.settings.keyringWarning
                visible: text.length > 0
                color: "#d32f2f"
                wrapMode: Text.WordWrap
                Layout.fillWidth: true
            }
            Label { text: qsTr("Look callsigns up with"); font.pixelSize: Theme.bodySize }
            RowLayout {
                spacing: Theme.spacing
                RadioButton {
                    objectName: "useQrz"
                    text: "QRZ"
                    checked: page.settings.useQrz
                    font.pixelSize: Theme.bodySize
                    onToggled: page.settings.useQrz = true
                }
                RadioButton {
                    objectName: "useHamQth"
                    text: "HamQTH"
                    checked: !page.settings.useQrz
                    font.pixelSize: Theme.bodySize
                    onToggled: page.settings.useQrz = false
                }
            }

            Account {
                heading: qsTr("QRZ account (an XML subscription)")
                user: page.settings.qrzUser
                password: page.settings.qrzPassword
                onUserEdited: (text) => page.settings.qrzUser = text
                onPasswordEdited: (text) => page.settings.qrzPassword = text
                objectName: "qrzAccount"
            }
            Account {
                heading: qsTr("HamQTH account")
                user: page.settings.hamQthUser
                password: page.settings.hamQthPassword
                onUserEdited: (text) => page.settings.hamQthUser = text
                onPasswordEdited: (text) => page.settings.hamQthPassword = text
                objectName: "hamQthAccount"
            }
            Label {
                text: qsTr("The lookup button of the entry form shows once the chosen service has a user "
                      + "name and a password.")
                opacity: 0.75
                font.pixelSize: Theme.smallSize
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }
        }
    }

    component Account: ColumnLayout {
        id: account
        property string heading
        property string user
        property string password
        signal userEdited(string text)
        signal passwordEdited(string text)
        spacing: 6
        Layout.fillWidth: true
        Layout.topMargin: Theme.spacing

        Label {
            text: account.heading
            font.pixelSize: Theme.bodySize
            font.weight: Font.DemiBold
        }
        TextField {
            objectName: account.objectName + "User"
            text: account.user
            placeholderText: qsTr("User name")
            inputMethodHints: Qt.ImhNoAutoUppercase | Qt.ImhNoPredictiveText
            Layout.fillWidth: true
            Layout.maximumWidth: 360
            onEditingFinished: account.userEdited(text)
        }
        TextField {
            objectName: account.objectName + "Password"
            text: account.password
            placeholderText: qsTr("Password")
            echoMode: TextInput.Password
            inputMethodHints: Qt.ImhSensitiveData | Qt.ImhNoPredictiveText
            Layout.fillWidth: true
            Layout.maximumWidth: 360
            onEditingFinished: account.passwordEdited(text)
        }
    }
}
