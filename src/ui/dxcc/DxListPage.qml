import QtQuick
import QtQuick.Controls
import Brindlewick

// The phone's DX list, opened from the counter.
Page {
    id: page
    required property DxccScreen screen
    title: screen.listButtonText

    DxListView {
        anchors.fill: parent
        anchors.topMargin: 6
        list: page.screen.list
        compact: true
    }
}
