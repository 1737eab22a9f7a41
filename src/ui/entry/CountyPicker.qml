import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// A US state and one of its counties, from the reference data.
RowLayout {
    id: root
    required property QsoEntryForm form
    property string stateName
    property string countyName
    /** The user picked a state or a county (not a change from outside). */
    signal chosen()
    spacing: Theme.spacing

    ComboBox {
        id: stateBox
        objectName: "stateBox"
        model: root.form.states()
        Layout.preferredWidth: 110
        Component.onCompleted: currentIndex = Math.max(0, find(root.stateName))
        onActivated: {
            root.stateName = currentText
            root.countyName = ""
            root.chosen()
        }
    }
    ComboBox {
        id: countyBox
        objectName: "countyBox"
        model: root.form.counties(root.stateName.length > 0 ? root.stateName : stateBox.currentText)
        Layout.fillWidth: true
        onModelChanged: currentIndex = Math.max(0, find(root.countyName))
        onActivated: {
            if (root.stateName.length === 0)
                root.stateName = stateBox.currentText
            root.countyName = currentText
            root.chosen()
        }
    }
}
