import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// The counter on larger screens: which confirmations count, the table, and the summaries beside
// it.
ColumnLayout {
    id: view
    required property DxccCounter counter
    spacing: Theme.spacing

    RowLayout {
        spacing: Theme.spacing
        Layout.fillWidth: true
        Label {
            text: view.counter.qslModeCaption
            font.pixelSize: Theme.smallSize
            opacity: 0.75
        }
        DxccSegments {
            objectName: "qslMode"
            model: view.counter.qslModeTitles
            currentIndex: view.counter.qslMode
            onActivated: index => view.counter.qslMode = index
        }
        Switch {
            objectName: "withDeleted"
            text: view.counter.withDeletedText
            checked: view.counter.withDeleted
            onToggled: view.counter.withDeleted = checked
            font.pixelSize: Theme.smallSize
        }
        Item { Layout.fillWidth: true }
    }
    RowLayout {
        spacing: 2 * Theme.margin
        Layout.fillWidth: true
        DxccCounterTable {
            counter: view.counter
            Layout.alignment: Qt.AlignTop
        }
        DxccSummaries {
            counter: view.counter
            Layout.alignment: Qt.AlignTop
            Layout.fillWidth: true
            Layout.maximumWidth: 420
        }
    }
}
