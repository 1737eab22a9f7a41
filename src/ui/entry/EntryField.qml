import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// One field of the entry form: shows the form's text in its tone and hands each edit back, so the
// form's rules decide what the field holds.
ColumnLayout {
    id: root
    required property QsoEntryForm form
    required property string key
    property string label
    /** Mode and the letter fields take single keys. */
    property bool oneKey: false
    property bool readOnly: false
    property alias input: field
    property int fontSize: Theme.bodySize
    signal accepted()
    signal letterTaken()

    spacing: 2

    Label {
        text: root.label
        font.pixelSize: Theme.smallSize - 1
        opacity: 0.75
        elide: Text.ElideRight
        Layout.fillWidth: true
    }
    TextField {
        id: field
        objectName: root.key + "Field"
        Layout.fillWidth: true
        text: root.form.fields[root.key] ?? ""
        color: EntryTones.color(root.form.tones[root.key] ?? "", Material.foreground,
                               Material.theme === Material.Dark)
        readOnly: root.readOnly
        // Tab skips what cannot be typed into (date and time while the clock runs).
        activeFocusOnTab: !root.readOnly
        selectByMouse: true
        font.pixelSize: root.fontSize
        inputMethodHints: Qt.ImhNoPredictiveText | Qt.ImhPreferUppercase
        topPadding: 6
        bottomPadding: 6
        onTextEdited: if (!root.oneKey) root.form.setField(root.key, text)
        onEditingFinished: root.form.leaveField(root.key)
        Keys.onReturnPressed: event => { root.accepted(); event.accepted = true }
        Keys.onEnterPressed: event => { root.accepted(); event.accepted = true }
        Keys.onPressed: event => {
            if (!root.oneKey || event.text.length !== 1 || event.text === "\t")
                return
            event.accepted = true
            const taken = root.key === "mode" ? root.form.typeModeKey(event.text)
                                              : root.form.typeQslKey(root.key, event.text)
            if (taken && root.key !== "mode")
                root.letterTaken()
        }
    }
}
