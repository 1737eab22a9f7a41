import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The tablet and desktop entry form above the log: keyboard first, Tab moves through the fields,
// Return logs the QSO and the callsign field takes the focus again.
Pane {
    id: panel
    objectName: "entryPanel"
    required property QsoEntryForm form
    padding: Theme.spacing
    Material.elevation: 1

    function save() {
        const message = form.save()
        if (message.length > 0)
            alert.show(form.alertTitle, message)
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 6

        RowLayout {
            spacing: 8
            Layout.fillWidth: true
            EntryField {
                id: callsign
                form: panel.form; key: "callsign"; label: qsTr("Callsign")
                fontSize: Theme.headingSize
                Layout.preferredWidth: 190
                onAccepted: panel.save()
                Component.onCompleted: input.forceActiveFocus()
            }
            EntryField {
                form: panel.form; key: "dateString"; label: qsTr("Date")
                readOnly: panel.form.realTime
                Layout.preferredWidth: 110
                onAccepted: panel.save()
            }
            EntryField {
                form: panel.form; key: "timeString"; label: qsTr("Time")
                readOnly: panel.form.realTime
                Layout.preferredWidth: 62
                onAccepted: panel.save()
            }
            EntryField {
                form: panel.form; key: "qrgString"; label: qsTr("kHz  %1").arg(panel.form.fields.band ?? "")
                Layout.preferredWidth: 110
                onAccepted: panel.save()
            }
            EntryField {
                form: panel.form; key: "mode"; label: qsTr("Mode"); oneKey: true
                Layout.preferredWidth: 70
                onAccepted: panel.save()
            }
            EntryField {
                form: panel.form; key: "rsttx"; label: qsTr("Sent")
                Layout.preferredWidth: 52
                onAccepted: panel.save()
            }
            EntryField {
                form: panel.form; key: "rstrx"; label: qsTr("Rcvd")
                Layout.preferredWidth: 52
                onAccepted: panel.save()
            }
            EntryField {
                id: qslField
                form: panel.form; key: "qsl"; label: "QSL"; oneKey: true
                Layout.preferredWidth: 40
                onAccepted: panel.save()
                onLetterTaken: lotwField.input.forceActiveFocus()
            }
            EntryField {
                id: lotwField
                form: panel.form; key: "lotwqsl"; label: "LoTW"; oneKey: true
                Layout.preferredWidth: 44
                onAccepted: panel.save()
                onLetterTaken: eqslField.input.forceActiveFocus()
            }
            EntryField {
                id: eqslField
                form: panel.form; key: "eqsl"; label: "eQSL"; oneKey: true
                Layout.preferredWidth: 44
                onAccepted: panel.save()
                onLetterTaken: nameField.input.forceActiveFocus()
            }
            Item { Layout.fillWidth: true }
            Button {
                objectName: "saveButton"
                text: qsTr("Log QSO")
                highlighted: true
                focusPolicy: Qt.NoFocus
                Layout.alignment: Qt.AlignBottom
                onClicked: panel.save()
            }
        }

        RowLayout {
            spacing: 8
            Layout.fillWidth: true
            EntryField {
                id: nameField
                form: panel.form; key: "name"; label: qsTr("Name")
                Layout.preferredWidth: 140
                onAccepted: panel.save()
            }
            EntryField { form: panel.form; key: "qth"; label: "QTH"; Layout.preferredWidth: 150; onAccepted: panel.save() }
            EntryField { form: panel.form; key: "locator"; label: qsTr("Locator"); Layout.preferredWidth: 90; onAccepted: panel.save() }
            EntryField { form: panel.form; key: "cq"; label: "CQ"; Layout.preferredWidth: 40; onAccepted: panel.save() }
            EntryField { form: panel.form; key: "itu"; label: "ITU"; Layout.preferredWidth: 40; onAccepted: panel.save() }
            EntryField { form: panel.form; key: "iota"; label: "IOTA"; Layout.preferredWidth: 80; onAccepted: panel.save() }
            EntryField { form: panel.form; key: "state"; label: qsTr("State"); Layout.preferredWidth: 50; onAccepted: panel.save() }
            EntryField { form: panel.form; key: "manager"; label: qsTr("Manager"); Layout.preferredWidth: 100; onAccepted: panel.save() }
            EntryField { form: panel.form; key: "note"; label: qsTr("Note"); Layout.fillWidth: true; onAccepted: panel.save() }
        }

        RowLayout {
            spacing: 8
            Layout.fillWidth: true
            Repeater {
                model: 4
                EntryField {
                    required property int index
                    form: panel.form
                    key: "user_" + (index + 1)
                    label: panel.form.userFieldCaptions[index] || qsTr("User field %1").arg(index + 1)
                    Layout.preferredWidth: 120
                    onAccepted: panel.save()
                }
            }
            Item { Layout.fillWidth: true }
            Switch {
                text: qsTr("Real time")
                checked: panel.form.realTime
                focusPolicy: Qt.NoFocus
                onToggled: panel.form.realTime = checked
            }
            Button {
                text: qsTr("Details")
                flat: true
                focusPolicy: Qt.NoFocus
                onClicked: details.open()
            }
            Button {
                text: panel.form.lookupTitle
                visible: panel.form.lookupVisible
                flat: true
                focusPolicy: Qt.NoFocus
                onClicked: panel.form.lookUpCallsign()
            }
        }

        EntryInfo {
            form: panel.form
            Layout.fillWidth: true
            Layout.topMargin: 4
            // Room for the usual lines from the start, so the list below stays where it is while
            // they appear with a callsign.
            Layout.minimumHeight: 200
            Layout.alignment: Qt.AlignTop
        }
    }

    DetailsDialog {
        id: details
        form: panel.form
        mode: panel.form.fields.mode ?? ""
        powerIndex: panel.form.powerIndex
        powerText: panel.form.powerText
        stateName: panel.form.fields.state ?? ""
        countyName: panel.form.fields.county ?? ""
        countyAsked: panel.form.countyAsked
        validOperation: panel.form.validOperation
        colorCode: panel.form.colorCode
        onChosen: (mode, power, state, county, entity, valid, colorCode) =>
                  panel.form.newDetailsSelected(mode, power, state, county, entity, valid, colorCode)
    }
    AlertDialog {
        id: alert
        objectName: "entryAlert"
        onClosed: callsign.input.forceActiveFocus()
    }
    Connections {
        target: panel.form
        function onCallsignFocusRequested() { callsign.input.forceActiveFocus() }
    }
}
