import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The phone's form for a new QSO ("New QSO") or a stored one ("Edit QSO"). It closes itself after
// logging; the form's rules live in the view-model.
Page {
    id: page
    objectName: "newQsoPage"
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
    // Back without saving drops the edit, so nothing taken in later can land on the stored QSO.
    Component.onDestruction: form.leaveEdit()

    property bool logged: false
    Connections {
        target: page.form
        function onQsoSaved() { page.logged = true }
    }

    function save() {
        page.logged = false
        const message = form.save()
        if (message.length > 0) {
            alert.show(form.alertTitle, message)
            return
        }
        // A frequency in the callsign field only tunes the radio; the form stays.
        if (page.logged && StackView.view)
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
        id: flick
        anchors.fill: parent
        // The form scrolls up and down only: it is as wide as the screen, whatever its texts.
        contentWidth: width
        contentHeight: column.implicitHeight + 2 * Theme.spacing
        flickableDirection: Flickable.VerticalFlick
        clip: true

        ColumnLayout {
            id: column
            x: Theme.spacing
            y: Theme.spacing
            width: flick.width - 2 * Theme.spacing
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
                    form: page.form; onAccepted: page.save(); key: "callsign"; label: qsTr("Callsign")
                    fontSize: Theme.headingSize
                    Layout.fillWidth: true
                }
                EntryField { form: page.form; onAccepted: page.save(); key: "dxcc"; label: "DXCC"; readOnly: true; Layout.preferredWidth: 64 }
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
                EntryField { form: page.form; onAccepted: page.save(); key: "dateString"; label: qsTr("Date"); readOnly: page.form.realTime; Layout.fillWidth: true }
                EntryField { form: page.form; onAccepted: page.save(); key: "timeString"; label: qsTr("Time"); readOnly: page.form.realTime; Layout.preferredWidth: 70 }
                Switch {
                    text: qsTr("Now")
                    checked: page.form.realTime
                    onToggled: page.form.realTime = checked
                    Layout.alignment: Qt.AlignBottom
                }
            }
            RowLayout {
                Layout.fillWidth: true
                EntryField { form: page.form; onAccepted: page.save(); key: "qrgString"; label: qsTr("kHz  %1").arg(page.form.fields.band ?? ""); Layout.fillWidth: true }
                EntryField { form: page.form; onAccepted: page.save(); key: "mode"; label: qsTr("Mode"); oneKey: true; Layout.preferredWidth: 80 }
                EntryField { form: page.form; onAccepted: page.save(); key: "rsttx"; label: qsTr("Sent"); Layout.preferredWidth: 56 }
                EntryField { form: page.form; onAccepted: page.save(); key: "rstrx"; label: qsTr("Rcvd"); Layout.preferredWidth: 56 }
            }
            RowLayout {
                Layout.fillWidth: true
                EntryField { form: page.form; onAccepted: page.save(); key: "qsl"; label: "QSL"; oneKey: true; Layout.fillWidth: true }
                EntryField { form: page.form; onAccepted: page.save(); key: "lotwqsl"; label: "LoTW"; oneKey: true; Layout.fillWidth: true }
                EntryField { form: page.form; onAccepted: page.save(); key: "eqsl"; label: "eQSL"; oneKey: true; Layout.fillWidth: true }
                EntryField { form: page.form; onAccepted: page.save(); key: "cq"; label: "CQ"; Layout.fillWidth: true }
                EntryField { form: page.form; onAccepted: page.save(); key: "itu"; label: "ITU"; Layout.fillWidth: true }
            }
            RowLayout {
                Layout.fillWidth: true
                EntryField { form: page.form; onAccepted: page.save(); key: "name"; label: qsTr("Name"); Layout.fillWidth: true }
                EntryField { form: page.form; onAccepted: page.save(); key: "locator"; label: qsTr("Locator"); Layout.preferredWidth: 100 }
            }
            RowLayout {
                Layout.fillWidth: true
                EntryField { form: page.form; onAccepted: page.save(); key: "qth"; label: "QTH"; Layout.fillWidth: true }
                EntryField { form: page.form; onAccepted: page.save(); key: "iota"; label: "IOTA"; Layout.preferredWidth: 90 }
            }
            RowLayout {
                Layout.fillWidth: true
                EntryField { form: page.form; onAccepted: page.save(); key: "state"; label: qsTr("State"); Layout.preferredWidth: 70 }
                EntryField { form: page.form; onAccepted: page.save(); key: "county"; label: qsTr("County"); readOnly: !page.form.countyAsked; Layout.fillWidth: true }
                EntryField { form: page.form; onAccepted: page.save(); key: "manager"; label: qsTr("Manager"); Layout.preferredWidth: 100 }
            }
            CountyPicker {
                id: countyPicker
                visible: page.form.countyAsked
                form: page.form
                Layout.fillWidth: true
                onChosen: {
                    if (stateName.length > 0)
                        page.form.setField("state", stateName)
                    if (countyName.length > 0)
                        page.form.setField("county", countyName)
                }
            }
            // The picker follows the form, also after a pick has set its values.
            Binding { target: countyPicker; property: "stateName"; value: page.form.fields.state ?? "" }
            Binding { target: countyPicker; property: "countyName"; value: page.form.fields.county ?? "" }
            EntryField { form: page.form; onAccepted: page.save(); key: "note"; label: qsTr("Note"); Layout.fillWidth: true }

            Label { text: qsTr("Power"); font.pixelSize: Theme.smallSize - 1; opacity: 0.7 }
            Flow {
                Layout.fillWidth: true
                spacing: 4
                Repeater {
                    model: page.form.powerPresetTitles().concat([qsTr("Other")])
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
                form: page.form; onAccepted: page.save(); key: "power"; label: qsTr("Power (other)")
                visible: page.form.powerIndex >= page.form.powerPresets().length
                Layout.fillWidth: true
            }
            Repeater {
                model: 4
                EntryField {
                    required property int index
                    form: page.form
                    key: "user_" + (index + 1)
                    onAccepted: page.save()
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
