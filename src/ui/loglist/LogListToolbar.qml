import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// Range and order of the log list, how many QSOs it holds, and the export of the marked ones.
RowLayout {
    id: bar
    required property LogListModel list
    /** The larger screens hide the export button while nothing is marked; the phone disables it. */
    property bool hideExport: false
    /** Narrow screens leave out the count. */
    property bool compact: false
    spacing: Theme.spacing

    ComboBox {
        objectName: "rangeBox"
        model: bar.list.rangeNames
        currentIndex: Math.max(0, Math.min(bar.list.rangeIndex, count - 1))
        onActivated: index => bar.list.rangeIndex = index
        font.pixelSize: Theme.smallSize
        Layout.fillWidth: true
        Layout.minimumWidth: 80
        // Room for the longest range in German ("Letzte 500 QSOs") with the arrow.
        Layout.maximumWidth: 210
    }
    ComboBox {
        objectName: "sortBox"
        model: bar.list.sortNames
        currentIndex: Math.max(0, Math.min(bar.list.sortIndex, count - 1))
        onActivated: index => bar.list.sortIndex = index
        font.pixelSize: Theme.smallSize
        Layout.fillWidth: true
        Layout.minimumWidth: 80
        Layout.maximumWidth: 160
    }
    Label {
        text: bar.list.markedCount > 0
              ? qsTr("%1 of %2 marked").arg(bar.list.markedCount).arg(bar.list.count)
              : (bar.list.count === 1 ? qsTr("1 QSO") : qsTr("%1 QSOs").arg(bar.list.count))
        font.pixelSize: Theme.smallSize
        opacity: 0.75
        elide: Text.ElideRight
        visible: !bar.compact
        Layout.fillWidth: true
        Layout.minimumWidth: 0
    }
    Button {
        objectName: "exportButton"
        text: qsTr("Export")
        visible: !bar.hideExport || bar.list.exportEnabled
        enabled: bar.list.exportEnabled
        flat: true
        font.pixelSize: Theme.smallSize
        onClicked: bar.list.exportMarked()
    }
}
