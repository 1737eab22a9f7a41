import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// The details of the QSO being entered on the tablet: mode, power, state and county, an entity
// chosen by hand, whether the operation counts, and the colour mark.
Dialog {
    id: dialog
    required property QsoEntryForm form
    property var entityList: []

    title: "Details"
    modal: true
    anchors.centerIn: Overlay.overlay
    width: Math.min(parent ? parent.width - 32 : 520, 520)
    standardButtons: Dialog.Ok | Dialog.Cancel

    onAboutToShow: {
        if (entityList.length === 0)
            entityList = form.entities()
        modeBox.currentIndex = Math.max(0, modeBox.find(form.fields.mode))
        powerBox.currentIndex = Math.min(form.powerIndex, form.powerPresets().length)
        powerText.text = form.powerText
        countyPicker.stateName = form.fields.state
        countyPicker.countyName = form.fields.county
        entityBox.currentIndex = 0
        validSwitch.checked = form.validOperation
        colorBox.currentIndex = form.colorCode
    }
    onAccepted: {
        const presets = form.powerPresets()
        const power = powerBox.currentIndex < presets.length ? presets[powerBox.currentIndex]
                                                             : powerText.text
        const entity = entityBox.currentIndex > 0 ? entityList[entityBox.currentIndex - 1].adif
                                                  : undefined
        form.newDetailsSelected(modeBox.currentText, power,
                                form.countyAsked ? countyPicker.stateName : undefined,
                                form.countyAsked ? countyPicker.countyName : undefined,
                                entity, validSwitch.checked, colorBox.currentIndex)
    }

    GridLayout {
        anchors.fill: parent
        columns: 2
        columnSpacing: Theme.spacing
        rowSpacing: 6

        Label { text: "Mode" }
        ComboBox { id: modeBox; model: dialog.form.modes(); Layout.fillWidth: true }

        Label { text: "Power" }
        RowLayout {
            Layout.fillWidth: true
            ComboBox {
                id: powerBox
                model: dialog.form.powerPresets().concat(["Other"])
                Layout.preferredWidth: 170
            }
            TextField {
                id: powerText
                enabled: powerBox.currentIndex === dialog.form.powerPresets().length
                placeholderText: "e.g. 100W"
                Layout.fillWidth: true
            }
        }

        Label { text: "State, county"; visible: dialog.form.countyAsked }
        CountyPicker {
            id: countyPicker
            form: dialog.form
            visible: dialog.form.countyAsked
            Layout.fillWidth: true
        }

        Label { text: "Entity" }
        ComboBox {
            id: entityBox
            model: ["As the callsign says"].concat(dialog.entityList.map(e => e.prefix + "  " + e.name))
            Layout.fillWidth: true
        }

        Label { text: "Counts for DXCC" }
        Switch { id: validSwitch }

        Label { text: "Colour" }
        ComboBox { id: colorBox; model: dialog.form.colorNames(); Layout.fillWidth: true }
    }
}
