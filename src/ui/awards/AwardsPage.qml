import QtQuick
import QtQuick.Controls
import Brindlewick

// The awards on a phone, over the DXCC counter.
Page {
    id: page
    required property AwardsScreen screen
    title: screen.buttonText
    Component.onCompleted: screen.open = true
    Component.onDestruction: screen.open = false

    AwardsView {
        objectName: "awardsView"
        screen: page.screen
        compact: true
        anchors.fill: parent
        anchors.margins: 8
    }
}
