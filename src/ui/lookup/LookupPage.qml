import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// The callsign lookup of both layouts: the reply's rows, the station's picture and the path to
// it on the grayline map. Mail and web rows open outside; "Use for new QSO" fills the entry form
// and closes the page.
Page {
    id: page
    objectName: "lookupPage"
    required property LookupScreen screen
    required property GraylineScreen grayline
    /** Phone-sized: one column that scrolls, the picture and map under the rows. */
    property bool compact: false

    title: page.screen.askedCallsign.length > 0
           ? page.screen.service + ": " + page.screen.askedCallsign
           : qsTr("%1 lookup").arg(page.screen.service)

    // The map redraws while this page shows it.
    Binding {
        target: page.grayline
        property: "shown"
        value: true
        when: page.visible
        restoreMode: Binding.RestoreValue
    }

    Connections {
        target: page.screen
        function onCloseRequested() {
            if (page.StackView.view)
                page.StackView.view.pop()
        }
        function onAlertChanged() {
            if (page.screen.alertTitle.length > 0 || page.screen.alertText.length > 0)
                alert.show(page.screen.alertTitle, page.screen.alertText)
        }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: page.compact ? 8 : Theme.margin
        spacing: Theme.spacing

        RowLayout {
            Layout.fillWidth: true
            spacing: Theme.spacing
            Label {
                objectName: "lookupCallsign"
                text: page.screen.callsign.length > 0 ? page.screen.callsign
                                                      : page.screen.askedCallsign
                font.pixelSize: Theme.titleSize
                font.weight: Font.DemiBold
            }
            Label {
                text: page.screen.locator
                visible: text.length > 0
                font.pixelSize: Theme.bodySize
                opacity: 0.8
            }
            BusyIndicator {
                running: page.screen.busy
                visible: running
                Layout.preferredHeight: 32
                Layout.preferredWidth: 32
            }
            Item { Layout.fillWidth: true }
            Button {
                objectName: "useButton"
                text: qsTr("Use for new QSO")
                highlighted: true
                enabled: page.screen.canUse
                font.pixelSize: Theme.bodySize
                onClicked: page.screen.useForNewQso()
            }
        }

        Label {
            text: page.screen.busy ? qsTr("Asking %1 ...").arg(page.screen.service)
                                   : qsTr("No data")
            visible: page.screen.rows.length === 0
            font.pixelSize: Theme.bodySize
            opacity: 0.7
        }

        // Larger screens: the rows beside the picture and the map.
        RowLayout {
            visible: !page.compact
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: Theme.spacing

            ListView {
                id: rowList
                objectName: "lookupRows"
                Layout.minimumWidth: 300
                Layout.preferredWidth: 440
                Layout.fillHeight: true
                clip: true
                model: page.compact ? [] : page.screen.rows
                delegate: LookupRow {
                    width: ListView.view.width
                    screen: page.screen
                }
                ScrollBar.vertical: ScrollBar {}
            }
            ColumnLayout {
                Layout.fillWidth: true
                Layout.fillHeight: true
                spacing: Theme.spacing
                StationPicture {
                    Layout.fillWidth: true
                    Layout.preferredHeight: 240
                }
                StationMap {
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                }
            }
        }

        // Phone: one column.
        Flickable {
            visible: page.compact
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            contentHeight: column.implicitHeight
            ScrollBar.vertical: ScrollBar {}
            ColumnLayout {
                id: column
                width: parent.width
                spacing: 0
                Repeater {
                    model: page.compact ? page.screen.rows : []
                    delegate: LookupRow {
                        Layout.fillWidth: true
                        screen: page.screen
                    }
                }
                StationPicture {
                    Layout.fillWidth: true
                    Layout.topMargin: Theme.spacing
                    Layout.preferredHeight: 220
                    visible: page.screen.pictureUrl.length > 0
                }
                StationMap {
                    Layout.fillWidth: true
                    Layout.topMargin: Theme.spacing
                    Layout.preferredHeight: width / 2
                }
            }
        }
    }

    AlertDialog {
        id: alert
        objectName: "lookupAlert"
        onClosed: page.screen.dismissAlert()
    }

    component StationPicture: Rectangle {
        color: "transparent"
        border.color: "#30808080"
        radius: 4
        Image {
            id: picture
            objectName: "lookupPicture"
            anchors.fill: parent
            anchors.margins: 4
            fillMode: Image.PreserveAspectFit
            asynchronous: true
            source: page.screen.pictureUrl
        }
        Label {
            anchors.centerIn: parent
            text: picture.status === Image.Loading ? qsTr("Loading picture ...") : qsTr("No picture")
            visible: picture.status !== Image.Ready
            font.pixelSize: Theme.smallSize
            opacity: 0.6
        }
    }

    component StationMap: Item {
        GraylineMapItem {
            objectName: "lookupMap"
            readonly property real aspect: page.grayline.mapWidth / Math.max(1, page.grayline.mapHeight)
            screen: page.grayline
            width: Math.max(1, Math.min(parent.width, parent.height * aspect))
            height: width / aspect
            anchors.horizontalCenter: parent.horizontalCenter
        }
    }
}
