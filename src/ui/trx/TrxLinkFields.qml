import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// The fields of the chosen link: a network interface (with the ones heard on the network), a
// serial port, rigctld, a Bluetooth LE serial adapter or the Icom radio's Bluetooth.
ColumnLayout {
    id: fields
    required property TrxScreen screen
    readonly property bool editable: !screen.locked
    spacing: Theme.spacing
    Layout.fillWidth: true

    // Network interface
    GridLayout {
        visible: fields.screen.linkIndex === 0
        columns: 2
        columnSpacing: Theme.spacing
        Layout.fillWidth: true
        Label { text: qsTr("Address"); font.pixelSize: Theme.bodySize }
        TextField {
            objectName: "trxNetworkAddress"
            text: fields.screen.networkAddress
            placeholderText: qsTr("e.g. 192.168.1.50")
            enabled: fields.editable
            inputMethodHints: Qt.ImhNoPredictiveText | Qt.ImhNoAutoUppercase
            onEditingFinished: fields.screen.networkAddress = text
            Layout.fillWidth: true
            Layout.maximumWidth: 320
        }
        Label { text: qsTr("Port"); font.pixelSize: Theme.bodySize }
        TextField {
            objectName: "trxNetworkPort"
            text: fields.screen.networkPort > 0 ? fields.screen.networkPort : ""
            placeholderText: qsTr("e.g. 50000")
            enabled: fields.editable
            validator: IntValidator { bottom: 1; top: 65535 }
            inputMethodHints: Qt.ImhDigitsOnly
            onEditingFinished: fields.screen.networkPort = parseInt(text)
            Layout.preferredWidth: 120
        }
    }
    RowLayout {
        visible: fields.screen.linkIndex === 0
        spacing: Theme.spacing
        Layout.fillWidth: true
        Button {
            text: qsTr("Listen for interfaces")
            enabled: !fields.screen.scanning
            onClicked: fields.screen.scanInterfaces()
        }
        ProgressBar {
            visible: fields.screen.scanning
            value: fields.screen.scanProgress
            Layout.fillWidth: true
            Layout.maximumWidth: 200
        }
    }
    Label {
        visible: fields.screen.linkIndex === 0
        text: qsTr("WLAN interfaces:")
        font.pixelSize: Theme.bodySize
        font.weight: Font.DemiBold
    }
    Label {
        visible: fields.screen.linkIndex === 0 && fields.screen.interfaces.length === 0
        text: fields.screen.scanning ? qsTr("Listening\u2026") : qsTr("None heard yet.")
        opacity: 0.6
        font.pixelSize: Theme.smallSize
    }
    Repeater {
        model: fields.screen.linkIndex === 0 ? fields.screen.interfaces : []
        ItemDelegate {
            required property int index
            required property string modelData
            text: modelData
            highlighted: modelData === fields.screen.networkAddress
            enabled: fields.editable
            onClicked: fields.screen.chooseInterface(index)
            Layout.fillWidth: true
            Layout.maximumWidth: 320
        }
    }

    // Serial port
    GridLayout {
        visible: fields.screen.linkIndex === 1
        columns: 2
        columnSpacing: Theme.spacing
        Layout.fillWidth: true
        Label { text: qsTr("Port"); font.pixelSize: Theme.bodySize }
        RowLayout {
            spacing: 6
            Layout.fillWidth: true
            ComboBox {
                id: portBox
                objectName: "trxSerialPort"
                editable: true
                model: fields.screen.serialPorts
                editText: fields.screen.serialPort
                enabled: fields.editable
                onAccepted: fields.screen.serialPort = editText
                onActivated: index => fields.screen.serialPort = textAt(index)
                onActiveFocusChanged: if (!activeFocus) fields.screen.serialPort = editText
                Layout.fillWidth: true
                Layout.maximumWidth: 260
            }
            Button {
                text: qsTr("Refresh")
                flat: true
                enabled: fields.editable
                onClicked: fields.screen.refreshSerialPorts()
            }
        }
        Label { text: qsTr("Speed"); font.pixelSize: Theme.bodySize }
        ComboBox {
            model: fields.screen.baudRates
            currentIndex: fields.screen.baudRates.indexOf(fields.screen.serialBaud)
            displayText: fields.screen.serialBaud + " Bd"
            enabled: fields.editable
            onActivated: index => fields.screen.serialBaud = fields.screen.baudRates[index]
            Layout.preferredWidth: 160
        }
        Item { width: 1; height: 1 }
        CheckBox {
            text: qsTr("Hardware flow control (RTS/CTS)")
            checked: fields.screen.serialFlow
            enabled: fields.editable
            onToggled: fields.screen.serialFlow = checked
        }
    }

    // rigctld
    Label {
        visible: fields.screen.linkIndex === 2
        text: qsTr("Hamlib\u2019s rigctld speaks for the radio: its make and model are set up there.")
        opacity: 0.75
        font.pixelSize: Theme.smallSize
        wrapMode: Text.Wrap
        Layout.fillWidth: true
    }
    GridLayout {
        visible: fields.screen.linkIndex === 2
        columns: 2
        columnSpacing: Theme.spacing
        Layout.fillWidth: true
        Label { text: qsTr("Address"); font.pixelSize: Theme.bodySize }
        TextField {
            text: fields.screen.rigctldAddress
            placeholderText: "localhost"
            enabled: fields.editable
            inputMethodHints: Qt.ImhNoPredictiveText | Qt.ImhNoAutoUppercase
            onEditingFinished: fields.screen.rigctldAddress = text
            Layout.fillWidth: true
            Layout.maximumWidth: 320
        }
        Label { text: qsTr("Port"); font.pixelSize: Theme.bodySize }
        TextField {
            text: fields.screen.rigctldPort
            enabled: fields.editable
            validator: IntValidator { bottom: 1; top: 65535 }
            inputMethodHints: Qt.ImhDigitsOnly
            onEditingFinished: fields.screen.rigctldPort = parseInt(text)
            Layout.preferredWidth: 120
        }
    }

    // Bluetooth LE serial adapter
    RowLayout {
        visible: fields.screen.linkIndex === 3
        spacing: Theme.spacing
        Layout.fillWidth: true
        Button {
            objectName: "trxScanBluetooth"
            text: qsTr("Scan")
            enabled: fields.editable && !fields.screen.bluetoothBusy
            onClicked: fields.screen.scanBluetooth()
        }
        BusyIndicator {
            visible: fields.screen.bluetoothBusy
            running: visible
            Layout.preferredHeight: 32
            Layout.preferredWidth: 32
        }
    }
    Label {
        visible: fields.screen.linkIndex === 3
        text: qsTr("BT interfaces:")
        font.pixelSize: Theme.bodySize
        font.weight: Font.DemiBold
    }
    Label {
        visible: fields.screen.linkIndex === 3 && fields.screen.bluetoothDevices.length === 0
        text: fields.screen.bluetoothBusy ? qsTr("Scanning\u2026")
            : fields.screen.bluetoothAddress.length > 0
              ? qsTr("Chosen: %1. Scan to choose another.").arg(fields.screen.bluetoothAddress)
              : qsTr("None found yet: switch the adapter on and scan.")
        opacity: 0.6
        font.pixelSize: Theme.smallSize
        wrapMode: Text.Wrap
        Layout.fillWidth: true
    }
    Repeater {
        model: fields.screen.linkIndex === 3 ? fields.screen.bluetoothDevices : []
        ItemDelegate {
            required property int index
            required property string modelData
            text: modelData
            highlighted: modelData.indexOf(fields.screen.bluetoothAddress) >= 0
                         && fields.screen.bluetoothAddress.length > 0
            enabled: fields.editable
            onClicked: fields.screen.chooseBluetooth(index)
            Layout.fillWidth: true
            Layout.maximumWidth: 320
        }
    }

    // Icom radio over Bluetooth (IC-705)
    GridLayout {
        visible: fields.screen.linkIndex === 4
        columns: 2
        columnSpacing: Theme.spacing
        Layout.fillWidth: true
        Label { text: qsTr("Paired radio"); font.pixelSize: Theme.bodySize }
        Label {
            objectName: "trxPairedIcom"
            text: fields.screen.pairedIcom.length > 0 ? fields.screen.pairedIcom : qsTr("None yet")
            opacity: fields.screen.pairedIcom.length > 0 ? 1 : 0.6
            font.pixelSize: Theme.bodySize
            elide: Text.ElideRight
            Layout.fillWidth: true
        }
    }
    RowLayout {
        visible: fields.screen.linkIndex === 4
        spacing: Theme.spacing
        Button {
            objectName: "trxPairIcom"
            text: qsTr("Pair Icom")
            enabled: fields.editable && !fields.screen.bluetoothBusy
            onClicked: pairingDialog.open()
        }
        BusyIndicator {
            visible: fields.screen.bluetoothBusy
            running: visible
            Layout.preferredHeight: 32
            Layout.preferredWidth: 32
        }
    }

    AlertDialog {
        id: pairingDialog
        parent: Overlay.overlay
        title: "Morvalen:"
        message: qsTr("On the IC-705 select: Menu -> Set -> Bluetooth Set -> <<Pairing Reception>>")
        okayText: qsTr("Continue")
        onAccepted: fields.screen.pairIcom()
    }
    AlertDialog {
        id: alertDialog
        parent: Overlay.overlay
    }
    Connections {
        target: fields.screen
        function onAlert(title, text) { alertDialog.show(title, text) }
    }
}
