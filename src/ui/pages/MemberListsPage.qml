import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// Downloads of the LoTW and eQSL member lists.
Page {
    id: page
    required property MemberListDownload lotwUsers
    required property MemberListDownload eqslUsers

    component ListCard: Frame {
        id: card
        required property MemberListDownload download
        required property string explanation
        Layout.fillWidth: true

        ColumnLayout {
            width: parent.width
            spacing: 8
            RowLayout {
                Layout.fillWidth: true
                spacing: Theme.spacing
                ColumnLayout {
                    spacing: 2
                    Layout.fillWidth: true
                    Label {
                        text: card.download.title
                        font.pixelSize: Theme.headingSize - 2
                        font.weight: Font.DemiBold
                    }
                    Label {
                        text: qsTr("%1 callsigns in the list").arg(card.download.count)
                        font.pixelSize: Theme.bodySize
                        opacity: 0.75
                    }
                }
                Button {
                    text: qsTr("Download")
                    highlighted: true
                    enabled: !card.download.busy
                    onClicked: card.download.download()
                }
            }
            Label {
                text: card.explanation
                font.pixelSize: Theme.smallSize
                opacity: 0.75
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }
            ProgressBar {
                visible: card.download.busy
                value: card.download.progress
                indeterminate: card.download.progress <= 0
                Layout.fillWidth: true
            }
            Label {
                visible: text.length > 0
                text: card.download.label
                font.pixelSize: Theme.bodySize
            }
        }
    }

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

            ListCard {
                download: page.lotwUsers
                explanation: qsTr("Stations that upload to Logbook of the World; the entry form marks them.")
            }
            ListCard {
                download: page.eqslUsers
                explanation: qsTr("Members of eQSL.cc; the entry form marks them.")
            }
        }
    }

    AlertDialog { id: alert }
    Connections {
        target: page.lotwUsers
        function onAlertRequested(title, message) { alert.show(title, message) }
    }
    Connections {
        target: page.eqslUsers
        function onAlertRequested(title, message) { alert.show(title, message) }
    }
}
