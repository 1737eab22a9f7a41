import QtQuick
import Brindlewick

// Where the log list's view stands: first at the newest QSO; after the list is built again at the
// row the list names (the newest after logging one or a change of order), else where the operator
// was.
QtObject {
    id: scroller
    required property LogListModel list
    required property ListView view

    property bool pending: true
    property bool placedBefore: false
    property int keptTop: -1

    function place() {
        if (!pending || view.height <= 0 || view.count === 0)
            return
        pending = false
        const target = placedBefore ? list.scrollTarget : list.newestRow
        placedBefore = true
        if (target >= 0)
            view.positionViewAtIndex(target, target === 0 ? ListView.Beginning : ListView.End)
        else if (keptTop > 0)
            view.positionViewAtIndex(Math.min(keptTop, view.count - 1), ListView.Beginning)
    }

    readonly property Connections listEvents: Connections {
        target: scroller.list
        function onModelAboutToBeReset() {
            scroller.keptTop = scroller.view.indexAt(0, scroller.view.contentY + 1)
        }
        function onReloaded() {
            scroller.pending = true
            Qt.callLater(scroller.place)
        }
    }
    readonly property Connections viewEvents: Connections {
        target: scroller.view
        function onHeightChanged() { Qt.callLater(scroller.place) }
        function onCountChanged() { Qt.callLater(scroller.place) }
    }
    Component.onCompleted: Qt.callLater(place)
}
