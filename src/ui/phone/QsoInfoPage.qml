import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The phone's information about a stored QSO. Its columns are changed in the entry form; its other
// ADIF fields (MY_GRIDSQUARE, SIG_INFO, …) are changed here.
Page {
    id: page
    required property QsoEditor editor
    readonly property var extras: editor.extraFields
    title: editor.fields.callsign || ""

    background: Rectangle {
        color: Material.backgroundColor
        Rectangle {
            anchors.fill: parent
            color: page.editor.tint
        }
    }

    AlertDialog { id: alert }

    Connections {
        target: page.editor
        function onCloseRequested() { page.StackView.view.pop() }
        function onAlertRequested(title, message) { alert.show(title, message) }
    }

    readonly property var rows: [
        [qsTr("Date"), "dateString"], [qsTr("Time (UTC)"), "timeString"], [qsTr("Frequency"), "qrgString"],
        [qsTr("Band"), "band"], [qsTr("Mode"), "mode"], [qsTr("RST sent"), "rsttx"], [qsTr("RST received"), "rstrx"],
        [qsTr("Name"), "name"], ["QTH", "qth"], [qsTr("Locator"), "locator"], [qsTr("State"), "state"],
        [qsTr("County"), "county"], ["IOTA", "iota"], [qsTr("CQ zone"), "cq"], [qsTr("ITU zone"), "itu"],
        [qsTr("Manager"), "manager"], ["QSL", "qsl"], ["LoTW", "lotwqsl"], ["eQSL", "eqsl"],
        [qsTr("QSL sent"), "qslOutDate"], [qsTr("QSL received"), "qslInDate"], [qsTr("Power"), "power"],
        [qsTr("Satellite"), "satName"], [qsTr("User field %1").arg(1), "user_1"], [qsTr("User field %1").arg(2), "user_2"],
        [qsTr("User field %1").arg(3), "user_3"], [qsTr("User field %1").arg(4), "user_4"], [qsTr("Note"), "note"]
    ]

    ListView {
        anchors.fill: parent
        clip: true
        ScrollBar.vertical: ScrollBar {}
        header: Label {
            width: ListView.view.width
            text: page.editor.entityLine
            color: page.editor.opIsValid ? Material.foreground : "#af52de"
            font.pixelSize: Theme.headingSize
            font.weight: Font.DemiBold
            wrapMode: Text.Wrap
            padding: Theme.margin
        }
        footer: ColumnLayout {
            width: ListView.view.width
            spacing: Theme.spacing / 2
            RowLayout {
                Layout.fillWidth: true
                Layout.leftMargin: Theme.margin
                Layout.rightMargin: Theme.margin
                Layout.topMargin: Theme.spacing
                Label {
                    text: qsTr("Other ADIF fields")
                    font.pixelSize: Theme.bodySize
                    font.weight: Font.DemiBold
                    color: Material.accent
                    Layout.fillWidth: true
                }
                Button {
                    text: qsTr("Cancel")
                    flat: true
                    visible: page.editor.editing
                    onClicked: page.editor.cancel()
                }
                Button {
                    objectName: "editFieldsButton"
                    text: page.editor.editing ? page.editor.buttonText : qsTr("Edit fields")
                    flat: !page.editor.editing
                    highlighted: page.editor.editing
                    onClicked: page.editor.butonEdirQsoPushed()
                }
            }
            Repeater {
                model: page.extras
                // The name above its value: other programs' names are long for a phone's width.
                ColumnLayout {
                    id: extraRow
                    required property int index
                    required property string name
                    required property string value
                    Layout.fillWidth: true
                    Layout.leftMargin: Theme.margin
                    Layout.rightMargin: Theme.margin
                    spacing: 2
                    Label {
                        text: extraRow.name
                        opacity: 0.7
                        font.pixelSize: Theme.smallSize
                        wrapMode: Text.WrapAnywhere
                        Layout.fillWidth: true
                    }
                    Label {
                        text: extraRow.value
                        visible: !page.extras.editable
                        font.pixelSize: Theme.bodySize
                        wrapMode: Text.Wrap
                        Layout.fillWidth: true
                        Layout.bottomMargin: Theme.spacing / 2
                    }
                    RowLayout {
                        visible: page.extras.editable
                        spacing: Theme.spacing
                        Layout.fillWidth: true
                        TextField {
                            text: extraRow.value
                            font.pixelSize: Theme.bodySize
                            Layout.fillWidth: true
                            onEditingFinished: if (page.extras.editable)
                                                   page.extras.setValue(extraRow.index, text)
                        }
                        ToolButton {
                            text: "\u2715"
                            onClicked: page.extras.remove(extraRow.index)
                        }
                    }
                }
            }
            GridLayout {
                visible: page.extras.editable
                columns: 2
                columnSpacing: Theme.spacing
                Layout.fillWidth: true
                Layout.leftMargin: Theme.margin
                Layout.rightMargin: Theme.margin
                TextField {
                    id: newName
                    placeholderText: qsTr("Field name, e.g. MY_GRIDSQUARE")
                    font.pixelSize: Theme.bodySize
                    Layout.columnSpan: 2
                    Layout.fillWidth: true
                }
                TextField {
                    id: newValue
                    placeholderText: qsTr("Value")
                    font.pixelSize: Theme.bodySize
                    Layout.fillWidth: true
                    onAccepted: addField.clicked()
                }
                Button {
                    id: addField
                    text: qsTr("Add field")
                    flat: true
                    onClicked: if (page.extras.add(newName.text, newValue.text)) {
                                   newName.clear()
                                   newValue.clear()
                               }
                }
            }
            Label {
                text: page.extras.message
                visible: text.length > 0
                // Darker on the light theme: the editing tint lies beneath.
                color: Material.theme === Material.Dark ? Material.color(Material.Red, Material.Shade300)
                                                        : Material.color(Material.Red, Material.Shade900)
                font.pixelSize: Theme.smallSize
                wrapMode: Text.Wrap
                Layout.fillWidth: true
                Layout.leftMargin: Theme.margin
                Layout.rightMargin: Theme.margin
            }
            Item { implicitHeight: Theme.margin }
        }
        // Only what the QSO holds.
        model: page.rows.filter(r => String(page.editor.fields[r[1]] || "").length > 0)
        delegate: RowLayout {
            required property var modelData
            width: ListView.view.width
            height: Math.max(40, value.implicitHeight + 12)
            spacing: Theme.spacing
            Label {
                text: modelData[0]
                opacity: 0.7
                font.pixelSize: Theme.smallSize
                Layout.leftMargin: Theme.margin
                Layout.preferredWidth: 110
            }
            Label {
                id: value
                text: String(page.editor.fields[modelData[1]])
                font.pixelSize: Theme.bodySize
                wrapMode: Text.Wrap
                Layout.fillWidth: true
                Layout.rightMargin: Theme.margin
            }
        }
    }
}
