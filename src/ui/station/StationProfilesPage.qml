import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The station profiles: the list with the active one, and one profile's form.
Page {
    id: page
    required property ProfileEditor editor
    title: qsTr("Station profiles")

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
                text: qsTr("The active profile is recorded with each new QSO and sets the logbook's own callsign and locator.")
                opacity: 0.75
                font.pixelSize: Theme.smallSize
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }
            Frame {
                Layout.fillWidth: true
                padding: 0
                visible: page.editor.names.length > 0
                ListView {
                    objectName: "profileList"
                    width: parent.width
                    implicitHeight: contentHeight
                    interactive: false
                    model: page.editor.names
                    delegate: ItemDelegate {
                        required property string modelData
                        width: ListView.view.width
                        height: Theme.touchHeight
                        highlighted: modelData === page.editor.editing
                        onClicked: page.editor.edit(modelData)
                        contentItem: RowLayout {
                            spacing: Theme.spacing
                            RadioButton {
                                checked: modelData === page.editor.activeName
                                onClicked: page.editor.select(modelData)
                            }
                            Label {
                                text: modelData
                                font.pixelSize: Theme.bodySize
                                elide: Text.ElideRight
                                Layout.fillWidth: true
                            }
                            ToolButton {
                                text: "\u2715"
                                onClicked: page.editor.remove(modelData)
                            }
                        }
                    }
                }
            }
            Button {
                text: qsTr("New profile")
                onClicked: page.editor.newProfile()
            }

            Heading { text: page.editor.formTitle }
            GridLayout {
                columns: page.width > 600 ? 2 : 1
                columnSpacing: Theme.spacing
                rowSpacing: 4
                Layout.fillWidth: true
                Repeater {
                    model: page.editor.fields
                    ColumnLayout {
                        required property var modelData
                        spacing: 2
                        // Both columns alike wide.
                        Layout.preferredWidth: 1
                        Layout.fillWidth: true
                        Label { text: modelData.label; font.pixelSize: Theme.smallSize }
                        TextField {
                            objectName: "profileField_" + modelData.key
                            text: modelData.value
                            placeholderText: modelData.hint
                            font.pixelSize: Theme.bodySize
                            inputMethodHints: Qt.ImhNoPredictiveText
                            Layout.fillWidth: true
                            onTextChanged: page.editor.setField(modelData.key, text)
                        }
                    }
                }
            }
            Label {
                objectName: "profileMessage"
                text: page.editor.message
                visible: text.length > 0
                color: page.editor.messageIsError ? Material.color(Material.Red) : Material.foreground
                font.pixelSize: Theme.smallSize
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }
            RowLayout {
                spacing: Theme.spacing
                Button {
                    objectName: "saveProfile"
                    text: qsTr("Save")
                    highlighted: true
                    onClicked: page.editor.save()
                }
                Button {
                    text: qsTr("Use this profile")
                    enabled: page.editor.editing.length > 0
                             && page.editor.editing !== page.editor.activeName
                    onClicked: page.editor.select(page.editor.editing)
                }
            }
        }
    }
}
