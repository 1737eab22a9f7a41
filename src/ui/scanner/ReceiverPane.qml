import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// The desktop's side: listening for card texts, each one listed with the QSO it names and a way
// to mark that QSO's paper QSL as received.
ColumnLayout {
    id: pane
    required property ScanReceiver receiver
    spacing: Theme.spacing

    Heading {
        text: qsTr("Receive scanned cards")
        detail: qsTr("Cards scanned on a phone arrive here over the local network. A card's text "
                     + "names the other station (From:), our call (To:), date, time, band and "
                     + "mode.")
    }
    Switch {
        objectName: "receiverSwitch"
        text: qsTr("Listen for QSL cards")
        font.pixelSize: Theme.bodySize
        checked: pane.receiver.on
        onToggled: pane.receiver.on = checked
    }
    Label {
        objectName: "receiverStatus"
        text: pane.receiver.status
        color: pane.receiver.failed ? "#d32f2f" : palette.windowText
        font.pixelSize: Theme.bodySize
        wrapMode: Text.Wrap
        Layout.fillWidth: true
    }

    Heading { text: qsTr("Cards received") }
    Label {
        text: qsTr("Nothing received yet.")
        visible: pane.receiver.cards.count === 0
        opacity: 0.7
    }
    Repeater {
        model: pane.receiver.cards
        delegate: Frame {
            id: card
            required property int index
            required property string time
            required property string sender
            required property string text
            required property bool isCard
            required property string message
            required property string note
            required property var candidates
            required property bool canMark
            required property string outcome
            property int chosen: 0
            Layout.fillWidth: true

            ColumnLayout {
                anchors.left: parent.left
                anchors.right: parent.right
                spacing: 6
                Label {
                    text: card.time + "  " + card.sender
                    opacity: 0.6
                    font.pixelSize: Theme.smallSize
                }
                Label {
                    text: card.text
                    font.family: "monospace"
                    wrapMode: Text.Wrap
                    opacity: card.isCard ? 1.0 : 0.6
                    Layout.fillWidth: true
                }
                Label {
                    objectName: "receivedMessage"
                    text: card.message
                    font.weight: Font.DemiBold
                    wrapMode: Text.Wrap
                    Layout.fillWidth: true
                }
                Label {
                    objectName: "receivedNote"
                    text: card.note
                    visible: text.length > 0
                    color: "#e65100"
                    wrapMode: Text.Wrap
                    font.pixelSize: Theme.smallSize
                    Layout.fillWidth: true
                }
                Repeater {
                    model: card.candidates.length > 1 ? card.candidates : []
                    RadioButton {
                        required property int index
                        required property string modelData
                        text: modelData
                        checked: index === card.chosen
                        enabled: card.canMark
                        onClicked: card.chosen = index
                    }
                }
                RowLayout {
                    visible: card.canMark
                    Button {
                        objectName: "markQslReceived"
                        text: qsTr("Mark QSL received")
                        highlighted: true
                        onClicked: pane.receiver.markReceived(card.index, card.chosen)
                    }
                }
                Label {
                    objectName: "receivedOutcome"
                    text: card.outcome
                    visible: text.length > 0
                    wrapMode: Text.Wrap
                    font.pixelSize: Theme.smallSize
                    Layout.fillWidth: true
                }
            }
        }
    }
}
