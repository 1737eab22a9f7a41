import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The contest screen: call, exchange, Enter logs, Esc clears, Space or Tab moves between the two.
// Everything shown comes from the view-model; the page only binds and forwards keys.
Page {
    id: page
    required property ContestScreen contest
    title: qsTr("Contest")

    readonly property bool dark: Material.theme === Material.Dark

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: Theme.margin
        spacing: Theme.spacing

        // No session yet: choose a contest and what is sent; one above the other on a phone.
        GridLayout {
            visible: !page.contest.active
            Layout.fillWidth: true
            columns: page.width >= 560 ? 3 : 1
            columnSpacing: Theme.spacing
            rowSpacing: Theme.spacing
            ComboBox {
                id: contestChoice
                objectName: "contestChoice"
                model: page.contest.contestNames
                Layout.fillWidth: true
            }
            TextField {
                id: sentChoice
                placeholderText: qsTr("Sent exchange")
                Layout.fillWidth: true
            }
            Button {
                text: qsTr("Start")
                onClicked: page.contest.startContest(contestChoice.currentText, sentChoice.text)
            }
        }

        Label {
            text: page.contest.title
            font.pixelSize: Theme.headingSize
            font.weight: Font.DemiBold
            Layout.fillWidth: true
            elide: Text.ElideRight
        }
        RowLayout {
            Layout.fillWidth: true
            spacing: Theme.spacing
            TextField {
                objectName: "qrgField"
                text: page.contest.qrgString
                onEditingFinished: page.contest.qrgString = text
                Layout.preferredWidth: 140
            }
            Label { text: "kHz"; font.pixelSize: Theme.bodySize }
            TextField {
                objectName: "modeField"
                text: page.contest.mode
                font.capitalization: Font.AllUppercase
                onEditingFinished: page.contest.mode = text
                Layout.preferredWidth: 90
            }
            Item { Layout.fillWidth: true }
        }
        Label {
            objectName: "sentText"
            text: page.contest.sentText
            font.pixelSize: Theme.bodySize
            Layout.fillWidth: true
            wrapMode: Text.Wrap
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: Theme.spacing
            TextField {
                id: callField
                objectName: "callField"
                enabled: page.contest.active
                placeholderText: qsTr("Call")
                font.pixelSize: Theme.titleSize
                font.capitalization: Font.AllUppercase
                inputMethodHints: Qt.ImhUppercaseOnly | Qt.ImhNoPredictiveText
                color: page.contest.dupeText.length > 0
                       ? EntryTones.color("error", Material.foreground, page.dark)
                       : Material.foreground
                text: page.contest.call
                onTextEdited: page.contest.call = text
                onAccepted: page.contest.logQso()
                KeyNavigation.tab: exchangeField
                Keys.onSpacePressed: exchangeField.forceActiveFocus()
                Keys.onEscapePressed: page.contest.clear()
                Layout.fillWidth: true
                focus: true
            }
            TextField {
                id: exchangeField
                objectName: "exchangeField"
                enabled: page.contest.active
                placeholderText: qsTr("Exchange")
                font.pixelSize: Theme.titleSize
                font.capitalization: Font.AllUppercase
                inputMethodHints: Qt.ImhUppercaseOnly | Qt.ImhNoPredictiveText
                text: page.contest.exchange
                onTextEdited: page.contest.exchange = text
                onAccepted: if (page.contest.logQso()) callField.forceActiveFocus()
                KeyNavigation.tab: callField
                Keys.onEscapePressed: { page.contest.clear(); callField.forceActiveFocus() }
                Layout.fillWidth: true
            }
        }
        Label {
            objectName: "dupeText"
            text: page.contest.message.length > 0 ? page.contest.message : page.contest.dupeText
            visible: text.length > 0
            color: EntryTones.color("error", Material.foreground, page.dark)
            font.pixelSize: Theme.bodySize
            font.weight: Font.DemiBold
            Layout.fillWidth: true
            wrapMode: Text.Wrap
        }
        Label {
            objectName: "scoreText"
            text: page.contest.scoreText
            font.pixelSize: Theme.bodySize
            Layout.fillWidth: true
            wrapMode: Text.Wrap
        }
        Label {
            objectName: "rateText"
            text: page.contest.rateText
            font.pixelSize: Theme.smallSize
            opacity: 0.75
            Layout.fillWidth: true
            wrapMode: Text.Wrap
        }
        ListView {
            objectName: "lastQsos"
            model: page.contest.lastQsos
            clip: true
            Layout.fillWidth: true
            Layout.fillHeight: true
            delegate: Label {
                required property string modelData
                text: modelData
                font.family: "DejaVu Sans Mono"
                font.pixelSize: Theme.smallSize
                width: ListView.view.width
                elide: Text.ElideRight
            }
        }
    }
}
