import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Dialogs
import QtQuick.Layouts
import Brindlewick

// Choosing, creating, importing, deleting and showing logbooks.
Page {
    id: page
    required property LogbookSelection selection
    required property LogbookFileImport logbookImport
    /** Without the own station and the file manager's button (the phone). */
    property bool compact: false

    // Where the choice waits for it (the phone), it becomes current when the screen is left.
    Component.onDestruction: selection.leave()

    Flickable {
        anchors.fill: parent
        contentHeight: column.implicitHeight + 2 * Theme.margin
        clip: true
        ScrollBar.vertical: ScrollBar {}

        ColumnLayout {
            id: column
            x: Theme.margin
            y: Theme.margin
            width: Math.min(parent.width - 2 * Theme.margin, Theme.contentWidth)
            spacing: Theme.spacing

            Label {
                text: page.selection.choiceOnLeave
                      ? qsTr("Tap a logbook to use it; the choice takes effect when you go back.")
                      : qsTr("Tap a logbook to use it.")
                opacity: 0.75
                font.pixelSize: Theme.smallSize
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }

            Frame {
                Layout.fillWidth: true
                padding: 0
                ListView {
                    id: list
                    objectName: "logbookList"
                    width: parent.width
                    implicitHeight: contentHeight
                    interactive: false
                    model: page.selection.logNames
                    delegate: ItemDelegate {
                        required property int index
                        required property string modelData
                        width: ListView.view.width
                        height: Theme.touchHeight + 4
                        highlighted: index === page.selection.selectedIndex
                        onClicked: page.selection.choose(index)
                        contentItem: RowLayout {
                            spacing: Theme.spacing
                            Label {
                                text: modelData
                                font.pixelSize: Theme.bodySize
                                font.weight: highlighted ? Font.DemiBold : Font.Normal
                                elide: Text.ElideMiddle
                                Layout.fillWidth: true
                            }
                            Label {
                                text: "\u2713"
                                visible: highlighted
                                color: Material.accent
                                font.pixelSize: Theme.headingSize
                            }
                        }
                    }
                }
            }

            GridLayout {
                visible: !page.compact
                columns: 2
                columnSpacing: Theme.spacing * 2
                rowSpacing: 4
                Label { text: qsTr("Own callsign"); opacity: 0.75; font.pixelSize: Theme.bodySize }
                Label {
                    objectName: "myCallsign"
                    text: page.selection.myCallsign || "\u2014"
                    font.pixelSize: Theme.bodySize
                    font.weight: Font.DemiBold
                }
                Label { text: qsTr("Own locator"); opacity: 0.75; font.pixelSize: Theme.bodySize }
                Label {
                    objectName: "myLocator"
                    text: page.selection.myLocator || "\u2014"
                    font.pixelSize: Theme.bodySize
                    font.weight: Font.DemiBold
                }
            }

            Flow {
                Layout.fillWidth: true
                spacing: Theme.spacing
                Button {
                    objectName: "newButton"
                    text: qsTr("New logbook")
                    highlighted: true
                    onClicked: nameDialog.open()
                }
                Button {
                    objectName: "importButton"
                    text: qsTr("Import logbook file\u2026")
                    onClicked: fileDialog.open()
                }
                Button {
                    objectName: "revealButton"
                    visible: !page.compact
                    text: qsTr("Show in file manager")
                    onClicked: Qt.openUrlExternally(page.selection.currentLogbookFolder())
                }
                Button {
                    objectName: "deleteButton"
                    text: page.selection.deleteButtonText
                    enabled: page.selection.deleteEnabled
                    Material.foreground: enabled ? Material.color(Material.Red) : undefined
                    onClicked: deleteQuestion.open()
                }
            }
        }
    }

    NameDialog {
        id: nameDialog
        objectName: "nameDialog"
        prompt: page.selection.newLogbookPrompt
        okayText: page.selection.okayText
        cancelText: page.selection.cancelText
        onEntered: name => page.selection.createLogbook(name)
    }

    QuestionDialog {
        id: deleteQuestion
        objectName: "deleteQuestion"
        title: page.selection.deleteQuestion
        acceptText: page.selection.deleteActionText
        cancelText: page.selection.cancelText
        onAccepted: page.selection.deleteSelected()
    }

    AlertDialog {
        id: alert
        okayText: page.selection.okayText
    }

    Connections {
        target: page.selection
        function onAlertRequested(title, message) { alert.show(title, message) }
    }

    FileDialog {
        id: fileDialog
        title: qsTr("Import logbook file")
        nameFilters: [qsTr("Logbooks (*.rlog)")]
        onAccepted: page.logbookImport.importFile(selectedFile.toString())
    }
}
