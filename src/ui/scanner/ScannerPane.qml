import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtMultimedia
import Brindlewick

// Reading the QR code on a QSL card with the camera and sending its text to the desktop logbook:
// the preview, start/stop, the camera switch, the text read and the relay's settings.
ColumnLayout {
    id: pane
    required property ScannerScreen scanner
    property bool compact: false
    spacing: Theme.spacing

    Heading {
        text: qsTr("Scan a QSL card")
        detail: qsTr("Hold the card's QR code in front of the camera. Its text is sent to the "
                     + "logbook on the host below; the card's QSO is found there.")
    }

    Rectangle {
        objectName: "scannerPreview"
        color: "#202020"
        radius: 4
        Layout.fillWidth: true
        Layout.preferredHeight: pane.compact ? 240 : 260

        VideoOutput {
            id: preview
            anchors.fill: parent
            anchors.margins: 2
            fillMode: VideoOutput.PreserveAspectFit
            visible: pane.scanner.hasCamera
            Component.onCompleted: pane.scanner.videoSink = preview.videoSink
            Component.onDestruction: {
                pane.scanner.stop()
                pane.scanner.videoSink = null
            }
        }
        Column {
            anchors.centerIn: parent
            spacing: 6
            visible: !pane.scanner.hasCamera
            Label {
                objectName: "scannerNoCamera"
                anchors.horizontalCenter: parent.horizontalCenter
                text: qsTr("No camera")
                color: "white"
                font.pixelSize: Theme.headingSize
                font.weight: Font.DemiBold
            }
            Label {
                anchors.horizontalCenter: parent.horizontalCenter
                text: qsTr("Connect a camera to scan QSL cards.")
                color: "white"
                opacity: 0.7
                font.pixelSize: Theme.smallSize
            }
        }
    }

    RowLayout {
        Layout.fillWidth: true
        spacing: Theme.spacing
        Button {
            objectName: "scannerStart"
            text: pane.scanner.startTitle
            highlighted: !pane.scanner.reading
            enabled: pane.scanner.hasCamera || pane.scanner.reading
            onClicked: pane.scanner.toggleReading()
        }
        Button {
            objectName: "scannerSwitchCamera"
            text: qsTr("Switch camera")
            visible: pane.scanner.cameraSwitchShown
            onClicked: pane.scanner.switchCamera()
        }
        Label {
            text: pane.scanner.cameraName
            visible: pane.scanner.hasCamera
            opacity: 0.7
            elide: Text.ElideRight
            font.pixelSize: Theme.smallSize
            Layout.fillWidth: true
        }
    }

    TextArea {
        objectName: "scannerText"
        text: pane.scanner.text
        readOnly: true
        wrapMode: TextEdit.Wrap
        placeholderText: qsTr("The text of the card's QR code")
        font.family: "monospace"
        Layout.fillWidth: true
        Layout.preferredHeight: Math.max(implicitHeight, 90)
    }
    Label {
        objectName: "scannerStatus"
        text: pane.scanner.status
        visible: text.length > 0
        color: pane.scanner.statusIsError ? "#d32f2f" : palette.windowText
        wrapMode: Text.Wrap
        font.pixelSize: Theme.bodySize
        Layout.fillWidth: true
    }

    Heading { text: qsTr("Send to") }
    GridLayout {
        columns: 2
        columnSpacing: Theme.spacing
        Layout.fillWidth: true
        Label { text: qsTr("Host"); font.pixelSize: Theme.bodySize }
        TextField {
            objectName: "scannerHost"
            text: pane.scanner.host
            placeholderText: qsTr("name or address, e.g. 192.168.1.20")
            inputMethodHints: Qt.ImhNoAutoUppercase | Qt.ImhUrlCharactersOnly
            Layout.fillWidth: true
            onEditingFinished: pane.scanner.host = text
        }
        Label { text: qsTr("UDP port"); font.pixelSize: Theme.bodySize }
        TextField {
            objectName: "scannerPort"
            text: pane.scanner.port
            inputMethodHints: Qt.ImhDigitsOnly
            Layout.preferredWidth: 110
            onEditingFinished: {
                portError.text = pane.scanner.setPort(text)
                if (portError.text.length === 0)
                    text = Qt.binding(() => pane.scanner.port)
            }
        }
    }
    Label {
        id: portError
        objectName: "scannerPortError"
        color: "#d32f2f"
        visible: text.length > 0
        wrapMode: Text.Wrap
        Layout.fillWidth: true
    }
    Switch {
        objectName: "scannerAuto"
        text: qsTr("Scan the next card automatically")
        font.pixelSize: Theme.bodySize
        checked: pane.scanner.autoScan
        onToggled: pane.scanner.autoScan = checked
    }
}
