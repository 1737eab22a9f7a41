import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The phone's form for a new QSO ("New QSO") or a stored one ("Edit QSO"). It closes itself after
// logging; the form's rules live in the view-model.
Page {
    id: page
    required property QsoEntryForm form
    required property PileUp pileUp
    /** Set when the page edits a stored QSO. */
    property real editRowid: 0 // a QSO id may pass 2^31; a real holds it exactly
    /** False when the form already holds a record taken over (a cluster spot). */
    property bool fresh: true
    title: form.title

    /** The pile-up runs with this form's frequency, mode, reports and QSL letters. */
    signal pileUpStarted()

    Component.onCompleted: {
        if (editRowid > 0)
            form.editQsoWithId(editRowid)
        else if (fresh)
            form.newQso()
    }

    function save() {
        const message = form.save()
        if (message.length > 0) {
            alert.show(form.alertTitle, message)
            return
        }
        if (StackView.view)
            StackView.view.pop()
    }

    function startPileUp() {
        page.forceActiveFocus()
        const message = pileUp.start(form.fields, form.powerIndex, form.powerText, form.colorCode)
        if (message.length > 0)
            alert.show(pileUp.alertTitle, message)
        else
            page.pileUpStarted()
    }

    Flickable {
        anchors.fill: parent
        contentHeight: column.implicitHeight + 2 * Theme.spacing
        clip: true

        ColumnLayout {
            id: column
            x: Theme.spacing
            y: Theme.spacing
            width: parent.width - 2 * Theme.spacing
            spacing: 6

            Button {
                objectName: "pileUpButton"
                text: qsTr("Pile-up \u203a")
                visible: !page.form.editing
                flat: true
                Layout.fillWidth: true
                onClicked: page.startPileUp()
            }
            RowLayout {
                Layout.fillWidth: true
                EntryField {
                    form: page.form; key: "callsign"; label: qsTr("Callsign")
                    fontSize: Theme.headingSize
                    Layout.fillWidth: true
                }
                EntryField { form: page.form; key: "dxcc"; label: "DXCC"; readOnly: true; Layout.preferredWidth: 64 }
                Button {
                    text: page.form.lookupTitle
                    visible: page.form.lookupVisible
                    flat: true
                    Layout.alignment: Qt.AlignBottom
                    onClicked: page.form.lookUpCallsign()
                }
            }
            EntryInfo { form: page.form; compact: true; Layout.fillWidth: true }

            RowLayout {
                Layout.fillWidth: true
                EntryField { form: page.form; key: "dateString"; label: qsTr("Date"); readOnly: page.form.realTime; Layout.fillWidth: true }
                EntryField { form: page.form; key: "timeString"; label: qsTr("Time"); readOnly: page.form.realTime; Layout.preferredWidth: 70 }
                Switch {
                    text: qsTr("Now")
                    checked: page.form.realTime
                    onToggled: page.form.realTime = checked
                    Layout.alignment: Qt.AlignBottom
                }
            }
            RowLayout {
                Layout.fillWidth: true
                EntryField { form: page.form; key: "qrgString"; label: qsTr("kHz  %1").arg(page.form.fields.band ?? ""); Layout.fillWidth: true }
                EntryField { form: page.form; key: "mode"; label: qsTr("Mode"); oneKey: true; Layout.preferredWidth: 80 }
                EntryField { form: page.form; key: "rsttx"; label: qsTr("Sent"); Layout.preferredWidth: 56 }
                EntryField { form: page.form; key: "rstrx"; label: qsTr("Rcvd"); Layout.preferredWidth: 56 }
            }
            RowLayout {
                Layout.fillWidth: true
                EntryField { form: page.form; key: "qsl"; label: "QSL"; oneKey: true; Layout.fillWidth: true }
                EntryField { form: page.form; key: "lotwqsl"; label: "LoTW"; oneKey: true; Layout.fillWidth: true }
                EntryField { form: page.form; key: "eqsl"; label: "eQSL"; oneKey: true; Layout.fillWidth: true }
                EntryField { form: page.form; key: "cq"; label: "CQ"; Layout.fillWidth: true }
                EntryField { form: page.form; key: "itu"; label: "ITU"; Layout.fillWidth: true }
            }
            RowLayout {
                Layout.fillWidth: true
                EntryField { form: page.form; key: "name"; label: qsTr("Name"); Layout.fillWidth: true }
                EntryField { form: page.form; key: "locator"; label: qsTr("Locator"); Layout.preferredWidth: 100 }
            }
            RowLayout {
                Layout.fillWidth: true
                EntryField { form: page.form; key: "qth"; label: "QTH"; Layout.fillWidth: true }
                EntryField { form: page.form; key: "iota"; label: "IOTA"; Layout.preferredWidth: 90 }
            }
            RowLayout {
                Layout.fillWidth: true
                EntryField { form: page.form; key: "state"; label: qsTr("State"); Layout.preferredWidth: 70 }
                EntryField { form: page.form; key: "county"; label: qsTr("County"); readOnly: !page.form.countyAsked; Layout.fillWidth: true }
                EntryField { form: page.form; key: "manager"; label: qsTr("Manager"); Layout.preferredWidth: 100 }
            }
            CountyPicker {
                visible: page.form.countyAsked
                form: page.form
                Layout.fillWidth: true
                stateName: page.form.fields.state ?? ""
                countyName: page.form.fields.county ?? ""
                onStateNameChanged: if (stateName.length > 0) page.form.setField("state", stateName)
                onCountyNameChanged: if (countyName.length > 0) page.form.setField("county", countyName)
            }
            EntryField { form: page.form; key: "note"; label: qsTr("Note"); Layout.fillWidth: true }

            Label { text: qsTr("Power"); font.pixelSize: Theme.smallSize - 1; opacity: 0.7 }
            Flow {
                Layout.fillWidth: true
                spacing: 4
                Repeater {
                    model: page.form.powerPresets().concat([qsTr("Other")])
                    Button {
                        required property int index
                        required property string modelData
                        text: modelData
                        checkable: true
                        checked: page.form.powerIndex === index
                        flat: !checked
                        font.pixelSize: Theme.smallSize
                        onClicked: page.form.powerIndex = index
                    }
                }
            }
            EntryField {
                form: page.form; key: "power"; label: qsTr("Power (other)")
                visible: page.form.powerIndex >= page.form.powerPresets().length
                Layout.fillWidth: true
            }
            Repeater {
                model: 4
                EntryField {
                    required property int index
                    form: page.form
                    key: "user_" + (index + 1)
                    label: page.form.userFieldCaptions[index] || qsTr("User field %1").arg(index + 1)
                    Layout.fillWidth: true
                }
            }
            Switch {
                text: qsTr("Counts for DXCC")
                checked: page.form.validOperation
                enabled: page.form.editing
                onToggled: page.form.validOperation = checked
            }
            Switch {
                text: qsTr("Put my position into the note")
                checked: page.form.saveCurrentLocation
                onToggled: page.form.saveCurrentLocation = checked
            }
            Button {
                objectName: "saveButton"
                text: page.form.editing ? qsTr("Save QSO") : qsTr("Log QSO")
                highlighted: true
                Layout.fillWidth: true
                onClicked: page.save()
            }
        }
    }

    AlertDialog { id: alert; objectName: "entryAlert" }
}
