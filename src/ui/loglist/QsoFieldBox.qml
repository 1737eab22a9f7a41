import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// One field of a stored QSO: its caption and its text, editable while the editor is editing.
ColumnLayout {
    id: box
    required property QsoEditor editor
    required property string key
    required property string caption
    readonly property bool editable: editor.editing && editor.editableFieldTags.indexOf(key) >= 0
    spacing: 2

    Label {
        text: box.caption
        font.pixelSize: Theme.smallSize
        opacity: 0.7
    }
    TextField {
        id: field
        objectName: "field_" + box.key
        Layout.fillWidth: true
        readOnly: !box.editable
        text: box.editor.fields[box.key] !== undefined ? String(box.editor.fields[box.key]) : ""
        font.pixelSize: Theme.bodySize
        selectByMouse: true
        onTextEdited: box.editor.setField(box.key, text)
        onEditingFinished: if (box.editable) box.editor.leaveField(box.key)
        // The mode takes one key and the letter fields one letter; other keys are refused.
        Keys.onPressed: event => {
            if (!box.editable || event.text.length !== 1)
                return
            if (box.key === "mode") {
                box.editor.typeModeKey(event.text)
                event.accepted = true
            } else if (box.key === "qsl" || box.key === "lotwqsl" || box.key === "eqsl") {
                if (box.editor.typeQslKey(box.key, event.text))
                    field.focus = false
                event.accepted = true
            }
        }
    }
}
