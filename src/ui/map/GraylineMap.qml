import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// The Map tab of both layouts: the grayline map with the moment it shows, the far station's line
// and the legend. A tap sets the far station, a long press moves the own station.
Page {
    id: page
    required property GraylineScreen screen
    /** Phone-sized: the legend and hint wrap under the map. */
    property bool compact: false

    // The screen redraws while it is on screen and every 300 s then.
    Binding {
        target: page.screen
        property: "shown"
        value: page.visible
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: page.compact ? 6 : 10
        spacing: 6

        RowLayout {
            Layout.fillWidth: true
            spacing: Theme.spacing
            Label {
                objectName: "dateLabel"
                text: page.screen.dateText
                font.pixelSize: Theme.bodySize
            }
            Label {
                objectName: "timeLabel"
                text: page.screen.timeText
                font.pixelSize: Theme.bodySize
                font.weight: Font.DemiBold
            }
            Label {
                text: "UTC"
                font.pixelSize: Theme.smallSize
                opacity: 0.7
            }
            Item { Layout.fillWidth: true }
            Button {
                objectName: "pickButton"
                text: page.compact ? qsTr("Date") : qsTr("Date and time")
                font.pixelSize: Theme.bodySize
                onClicked: picker.openAt(page.screen.moment)
            }
            Button {
                objectName: "nowButton"
                text: qsTr("Now")
                font.pixelSize: Theme.bodySize
                highlighted: !page.screen.live
                onClicked: page.screen.showNow()
            }
        }

        // On a phone the map keeps the screen's height and scrolls sideways.
        Flickable {
            id: mapArea
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            contentWidth: mapItem.width
            contentHeight: mapItem.height
            boundsBehavior: Flickable.StopAtBounds
            interactive: contentWidth > width + 1

            GraylineMapItem {
                id: mapItem
                objectName: "graylineMap"
                readonly property real aspect: page.screen.mapWidth / Math.max(1, page.screen.mapHeight)
                screen: page.screen
                width: Math.max(1, page.compact ? Math.max(mapArea.width, mapArea.height * aspect)
                                                : Math.min(mapArea.width, mapArea.height * aspect))
                height: width / aspect
                x: Math.max(0, (mapArea.width - width) / 2)

                TapHandler {
                    id: tap
                    onTapped: (eventPoint) => page.screen.tapAt(eventPoint.position.x / mapItem.width,
                                                              eventPoint.position.y / mapItem.height)
                    onLongPressed: page.screen.longPressAt(tap.point.position.x / mapItem.width,
                                                           tap.point.position.y / mapItem.height)
                }
            }
            // Europe and Africa, the middle of the map, stay in view until the user scrolls.
            property bool userMoved: false
            function centre() {
                if (!userMoved)
                    contentX = Math.max(0, (contentWidth - width) / 2)
            }
            onMovementStarted: userMoved = true
            onContentWidthChanged: centre()
            onWidthChanged: centre()
        }

        Flow {
            Layout.fillWidth: true
            spacing: Theme.spacing
            Label {
                objectName: "infoLabel"
                text: page.screen.infoText
                visible: text.length > 0
                font.pixelSize: Theme.bodySize
                font.weight: Font.DemiBold
            }
            Legend { colour: "#e01b1b"; text: qsTr("Short path") }
            Legend { colour: "#1f3fe0"; text: qsTr("Long path") }
            Legend { colour: "#1b9e3e"; text: qsTr("Own station") }
            Legend { colour: "#d62828"; text: qsTr("Far station") }
            Legend { colour: "#ffd21f"; text: qsTr("Sun overhead") }
        }
        Label {
            text: qsTr("Tap the map for the far station; press and hold to move the own station.")
            font.pixelSize: Theme.smallSize
            opacity: 0.7
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
    }

    MomentPicker {
        id: picker
        onMomentChosen: (year, month, day, hour, minute) =>
                        page.screen.selectMoment(year, month, day, hour, minute)
    }

    component Legend: Row {
        property color colour
        property string text
        spacing: 5
        Rectangle {
            width: 10
            height: 10
            radius: 5
            color: parent.colour
            anchors.verticalCenter: parent.verticalCenter
        }
        Label {
            text: parent.text
            font.pixelSize: Theme.smallSize
        }
    }
}
