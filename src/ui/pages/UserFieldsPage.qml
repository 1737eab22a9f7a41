import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// Caption, ADIF field and the keep flag of the four user fields.
Page {
    id: page
    required property UserFieldSettings userFields

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
                text: qsTr("Four fields of your own on every QSO. The ADIF field is the name they are exported and imported under.")
                opacity: 0.75
                font.pixelSize: Theme.smallSize
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }

            Repeater {
                model: page.userFields.fieldCount
                delegate: Frame {
                    id: fieldFrame
                    required property int index
                    readonly property int field: index + 1
                    readonly property int revision: page.userFields.revision
                    Layout.fillWidth: true

                    GridLayout {
                        width: parent.width
                        columns: page.width > 600 ? 4 : 2
                        columnSpacing: Theme.spacing
                        rowSpacing: 6

                        Label {
                            text: qsTr("User field %1").arg(fieldFrame.field)
                            font.pixelSize: Theme.bodySize
                            font.weight: Font.DemiBold
                            Layout.columnSpan: parent.columns
                        }
                        Label { text: qsTr("Caption"); font.pixelSize: Theme.bodySize }
                        TextField {
                            objectName: "caption" + fieldFrame.field
                            text: fieldFrame.revision >= 0 ? page.userFields.caption(fieldFrame.field) : ""
                            Layout.fillWidth: true
                            onEditingFinished: page.userFields.setCaption(fieldFrame.field, text)
                        }
                        Label { text: qsTr("ADIF field"); font.pixelSize: Theme.bodySize }
                        ComboBox {
                            objectName: "adifIndex" + fieldFrame.field
                            model: page.userFields.adifNames.map(
                                       (name, i) => i === 0 ? name + "_" + fieldFrame.field : name)
                            currentIndex: fieldFrame.revision >= 0 ? page.userFields.adifIndex(fieldFrame.field) : 0
                            Layout.fillWidth: true
                            Layout.minimumWidth: 200
                            onActivated: index => page.userFields.setAdifIndex(fieldFrame.field, index)
                        }
                        Switch {
                            objectName: "remember" + fieldFrame.field
                            text: qsTr("Keep the value for the next QSO")
                            checked: fieldFrame.revision >= 0 && page.userFields.remember(fieldFrame.field)
                            Layout.columnSpan: parent.columns
                            onToggled: page.userFields.setRemember(fieldFrame.field, checked)
                        }
                    }
                }
            }
        }
    }
}
