import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// A stored QSO on the larger screens: read-only until "Edit QSO", tinted red while it is edited,
// stored with "Save QSO".
Page {
    id: page
    required property QsoEditor editor
    /** The entry form lends its lists (modes, power presets, states, entities) to the details. */
    required property QsoEntryForm form
    title: qsTr("QSO with %1").arg(editor.fields.callsign || "")

    readonly property var groups: [
        { heading: qsTr("Contact"), fields: [["callsign", qsTr("Callsign")], ["qrgString", qsTr("Frequency")],
                                       ["band", qsTr("Band")], ["mode", qsTr("Mode")], ["rsttx", qsTr("RST sent")],
                                       ["rstrx", qsTr("RST received")]] },
        { heading: qsTr("Station"), fields: [["name", qsTr("Name")], ["qth", "QTH"], ["locator", qsTr("Locator")],
                                       ["state", qsTr("State")], ["county", qsTr("County")], ["iota", "IOTA"],
                                       ["cq", qsTr("CQ zone")], ["itu", qsTr("ITU zone")], ["manager", qsTr("Manager")]] },
        { heading: qsTr("Confirmations"), fields: [["qsl", "QSL"], ["lotwqsl", "LoTW"], ["eqsl", "eQSL"],
                                             ["qslOutDate", qsTr("QSL sent")], ["qslInDate", qsTr("QSL received")],
                                             ["clublog", "Club Log"]] },
        { heading: qsTr("More"), fields: [["power", qsTr("Power")], ["satName", qsTr("Satellite")],
                                    ["satMode", qsTr("Satellite mode")], ["satRxband", qsTr("Satellite RX band")],
                                    ["user_1", qsTr("User field %1").arg(1)], ["user_2", qsTr("User field %1").arg(2)],
                                    ["user_3", qsTr("User field %1").arg(3)], ["user_4", qsTr("User field %1").arg(4)],
                                    ["note", qsTr("Note")]] }
    ]

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

    Flickable {
        anchors.fill: parent
        contentHeight: column.implicitHeight + 2 * Theme.margin
        clip: true
        ScrollBar.vertical: ScrollBar {}

        ColumnLayout {
            id: column
            x: Theme.margin
            y: Theme.margin
            width: parent.width - 2 * Theme.margin
            spacing: Theme.spacing

            RowLayout {
                Layout.fillWidth: true
                spacing: Theme.spacing
                Label {
                    text: page.editor.entityLine
                    font.pixelSize: Theme.headingSize
                    font.weight: Font.DemiBold
                    color: page.editor.opIsValid ? Material.foreground : "#af52de"
                    elide: Text.ElideRight
                    Layout.fillWidth: true
                }
                Button {
                    text: qsTr("Cancel")
                    flat: true
                    visible: page.editor.editing
                    onClicked: page.editor.cancel()
                }
                Button {
                    objectName: "editButton"
                    text: page.editor.buttonText
                    highlighted: true
                    onClicked: page.editor.butonEdirQsoPushed()
                }
            }

            RowLayout {
                spacing: Theme.spacing * 2
                Layout.fillWidth: true
                ColumnLayout {
                    spacing: 2
                    Label { text: qsTr("Date and time (UTC)"); font.pixelSize: Theme.smallSize; opacity: 0.7 }
                    TextField {
                        objectName: "dateTimeField"
                        readOnly: !page.editor.editing
                        // Read in the user's date style, as the log list shows it; typed as
                        // "yyyy-MM-dd HH:mm" while editing.
                        text: page.editor.editing
                              ? (page.editor.fields.sqlDateTime || "").substring(0, 16)
                              : (page.editor.fields.dateString || "") + "  "
                                + (page.editor.fields.timeString || "")
                        placeholderText: "yyyy-MM-dd HH:mm"
                        font.pixelSize: Theme.bodySize
                        Layout.preferredWidth: 200
                        onEditingFinished: if (page.editor.editing && !page.editor.newDateTimeText(text))
                                               text = (page.editor.fields.sqlDateTime || "").substring(0, 16)
                    }
                }
                Switch {
                    objectName: "validSwitch"
                    text: qsTr("Valid operation")
                    checked: page.editor.opIsValid
                    enabled: page.editor.editing
                    onToggled: page.editor.newDetailsSelected(undefined, undefined, undefined,
                                                              undefined, undefined, checked, undefined)
                }
                ColumnLayout {
                    spacing: 2
                    Label { text: qsTr("Colour"); font.pixelSize: Theme.smallSize; opacity: 0.7 }
                    ComboBox {
                        model: page.editor.colorNames
                        currentIndex: page.editor.colorCode
                        enabled: page.editor.editing
                        onActivated: index => page.editor.newDetailsSelected(
                                         undefined, undefined, undefined, undefined, undefined,
                                         undefined, index)
                    }
                }
                Button {
                    objectName: "detailsButton"
                    text: qsTr("Details\u2026")
                    flat: true
                    enabled: page.editor.editing
                    onClicked: details.open()
                }
                Item { Layout.fillWidth: true }
            }

            Repeater {
                model: page.groups
                ColumnLayout {
                    required property var modelData
                    Layout.fillWidth: true
                    spacing: Theme.spacing / 2
                    Label {
                        text: modelData.heading
                        font.pixelSize: Theme.bodySize
                        font.weight: Font.DemiBold
                        color: Material.accent
                        topPadding: Theme.spacing / 2
                    }
                    GridLayout {
                        columns: Math.max(2, Math.floor(column.width / 220))
                        columnSpacing: Theme.spacing
                        rowSpacing: Theme.spacing / 2
                        Layout.fillWidth: true
                        Repeater {
                            model: modelData.fields
                            QsoFieldBox {
                                required property var modelData
                                editor: page.editor
                                key: modelData[0]
                                caption: modelData[1]
                                Layout.fillWidth: true
                                Layout.preferredWidth: 200
                                Layout.columnSpan: modelData[0] === "note" ? 2 : 1
                            }
                        }
                    }
                }
            }

            // The QSO's ADIF fields without a field of their own (MY_GRIDSQUARE, SIG_INFO, other
            // programs' APP_ fields, …): changed, removed and added while the QSO is edited.
            ColumnLayout {
                id: extras
                readonly property var fields: page.editor.extraFields
                Layout.fillWidth: true
                spacing: Theme.spacing / 2
                visible: fields.count > 0 || fields.editable
                Label {
                    text: qsTr("Other ADIF fields")
                    font.pixelSize: Theme.bodySize
                    font.weight: Font.DemiBold
                    color: Material.accent
                    topPadding: Theme.spacing / 2
                }
                Repeater {
                    model: extras.fields
                    RowLayout {
                        id: extraRow
                        required property int index
                        required property string name
                        required property string value
                        Layout.fillWidth: true
                        spacing: Theme.spacing
                        Label {
                            text: extraRow.name
                            font.pixelSize: Theme.smallSize
                            opacity: 0.7
                            elide: Text.ElideRight
                            Layout.preferredWidth: 280
                            Layout.alignment: Qt.AlignBaseline
                        }
                        TextField {
                            objectName: "extraField_" + extraRow.name
                            text: extraRow.value
                            readOnly: !extras.fields.editable
                            font.pixelSize: Theme.bodySize
                            selectByMouse: true
                            Layout.fillWidth: true
                            Layout.alignment: Qt.AlignBaseline
                            onEditingFinished: if (extras.fields.editable)
                                                   extras.fields.setValue(extraRow.index, text)
                        }
                        ToolButton {
                            text: "\u2715"
                            visible: extras.fields.editable
                            ToolTip.visible: hovered
                            ToolTip.text: qsTr("Remove %1").arg(extraRow.name)
                            onClicked: extras.fields.remove(extraRow.index)
                        }
                    }
                }
                RowLayout {
                    visible: extras.fields.editable
                    Layout.fillWidth: true
                    spacing: Theme.spacing
                    TextField {
                        id: newName
                        objectName: "newFieldName"
                        placeholderText: qsTr("Field name, e.g. MY_GRIDSQUARE")
                        font.pixelSize: Theme.bodySize
                        Layout.preferredWidth: 280
                    }
                    TextField {
                        id: newValue
                        objectName: "newFieldValue"
                        placeholderText: qsTr("Value")
                        font.pixelSize: Theme.bodySize
                        Layout.fillWidth: true
                        onAccepted: addField.clicked()
                    }
                    Button {
                        id: addField
                        objectName: "addFieldButton"
                        text: qsTr("Add field")
                        flat: true
                        onClicked: if (extras.fields.add(newName.text, newValue.text)) {
                                       newName.clear()
                                       newValue.clear()
                                   }
                    }
                }
                Label {
                    text: extras.fields.message
                    visible: text.length > 0
                    // Darker on the light theme: the editing tint lies beneath.
                    color: Material.theme === Material.Dark ? Material.color(Material.Red, Material.Shade300)
                                                            : Material.color(Material.Red, Material.Shade900)
                    font.pixelSize: Theme.smallSize
                    wrapMode: Text.Wrap
                    Layout.fillWidth: true
                }
            }
        }
    }

    DetailsDialog {
        id: details
        objectName: "qsoDetails"
        form: page.form
        mode: page.editor.fields.mode ?? ""
        powerIndex: page.editor.powerIndex
        powerText: page.editor.powerText
        stateName: page.editor.fields.state ?? ""
        countyName: page.editor.countyName
        countyAsked: page.editor.countyAsked
        validOperation: page.editor.opIsValid
        colorCode: page.editor.colorCode
        onChosen: (mode, power, state, county, entity, valid, colorCode) =>
                  page.editor.newDetailsSelected(mode, power, state, county, entity, valid, colorCode)
    }
}
