import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// A download's status line and progress.
ColumnLayout {
    id: status
    property string text
    property bool error: false
    property bool busy: false
    property real progress: 0
    spacing: 4
    ProgressBar {
        visible: status.busy
        value: status.progress
        indeterminate: status.progress < 0
        Layout.fillWidth: true
    }
    Label {
        visible: text.length > 0
        text: status.text
        color: status.error ? "#d32f2f" : palette.text
        font.pixelSize: Theme.bodySize
        wrapMode: Text.Wrap
        Layout.fillWidth: true
    }
}
