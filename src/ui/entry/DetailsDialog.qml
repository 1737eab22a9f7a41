import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// The details of a QSO on the larger screens: mode, power, state and county, an entity chosen by
// hand, whether the operation counts, and the colour mark. Used for the QSO being entered and for
// a stored one being edited; the caller sets what the QSO has now and takes what was chosen.
Dialog {
    id: dialog
    /** Where the choices come from: modes, power presets, states, counties, entities, colours. */
    required property QsoEntryForm form
    property string mode
    /** An index of the power presets; the one past them is "Other" with `powerText`. */
    property int powerIndex
    property string powerText
    property string stateName
    property string countyName
    property bool countyAsked
    property bool validOperation
    property int colorCode
    property var entityList: []

    /** The choices in the order of `newDetailsSelected`; `undefined` where nothing applies. */
    signal chosen(var mode, var power, var state, var county, var entity, bool valid,
                  int colorCode)

    title: qsTr("Details")
    modal: true
    anchors.centerIn: Overlay.overlay
    width: Math.min(parent ? parent.width - 32 : 520, 520)
    standardButtons: Dialog.Ok | Dialog.Cancel

    onAboutToShow: {
        if (entityList.length === 0)
            entityList = form.entities()
        modeBox.currentIndex = modeBox.find(mode) // none for a mode the list lacks
        powerBox.currentIndex = Math.max(0, Math.min(powerIndex, form.powerPresets().length))
        powerField.text = powerText
        countyPicker.stateName = stateName
        countyPicker.countyName = countyName
        entityBox.currentIndex = 0
        validSwitch.checked = validOperation
        colorBox.currentIndex = colorCode
    }
    onAccepted: {
        const presets = form.powerPresets()
        const power = powerBox.currentIndex < presets.length ? presets[powerBox.currentIndex]
                                                             : powerField.text
        const entity = entityBox.currentIndex > 0 ? entityList[entityBox.currentIndex - 1].adif
                                                  : undefined
        // The same mode again would reset the reports to its defaults.
        const newMode = modeBox.currentIndex >= 0 && modeBox.currentText !== mode
                        ? modeBox.currentText : undefined
        chosen(newMode, power, countyAsked ? countyPicker.stateName : undefined,
               countyAsked ? countyPicker.countyName : undefined, entity, validSwitch.checked,
               colorBox.currentIndex)
    }

    GridLayout {
        anchors.fill: parent
        columns: 2
        columnSpacing: Theme.spacing
        rowSpacing: 6

        Label { text: qsTr("Mode") }
        ComboBox { id: modeBox; model: dialog.form.modes(); Layout.fillWidth: true }

        Label { text: qsTr("Power") }
        RowLayout {
            Layout.fillWidth: true
            ComboBox {
                id: powerBox
                model: dialog.form.powerPresetTitles().concat([qsTr("Other")])
                Layout.preferredWidth: 170
            }
            TextField {
                id: powerField
                enabled: powerBox.currentIndex === dialog.form.powerPresets().length
                placeholderText: qsTr("e.g. 100W")
                Layout.fillWidth: true
            }
        }

        Label { text: qsTr("State, county"); visible: dialog.countyAsked }
        CountyPicker {
            id: countyPicker
            form: dialog.form
            visible: dialog.countyAsked
            Layout.fillWidth: true
        }

        Label { text: qsTr("Entity") }
        ComboBox {
            id: entityBox
            model: [qsTr("As the callsign says")].concat(dialog.entityList.map(e => e.prefix + "  " + e.name))
            Layout.fillWidth: true
        }

        Label { text: qsTr("Counts for DXCC") }
        Switch { id: validSwitch; objectName: "detailsValidSwitch" }

        Label { text: qsTr("Colour") }
        ComboBox { id: colorBox; model: dialog.form.colorNames(); Layout.fillWidth: true }
    }
}
