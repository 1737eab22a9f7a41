import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The phone's log: two lines per QSO with its tint and mark, the row menu on press and hold,
// and the button for a new QSO.
Page {
    id: page
    required property LogListModel list
    title: qsTr("Log")
    /** The new-QSO button was pressed. */
    signal newQsoRequested()

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        LogListToolbar {
            list: page.list
            compact: true
            Layout.fillWidth: true
            Layout.leftMargin: Theme.spacing
            Layout.rightMargin: Theme.spacing
        }

        ListView {
            id: rows
            objectName: "logRows"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: page.list
            reuseItems: true
            ScrollBar.vertical: ScrollBar {}
            delegate: Rectangle {
                id: row
                required property int index
                required property string dateString
                required property string timeString
                required property string callsign
                required property string band
                required property string qrgString
                required property string mode
                required property string dxcc
                required property string tint
                required property bool invalidOperation
                required property bool marked
                width: ListView.view.width
                height: 56
                color: tint
                readonly property color textColor: invalidOperation ? "#af52de" : Material.foreground

                RowLayout {
                    anchors.fill: parent
                    anchors.leftMargin: Theme.margin
                    anchors.rightMargin: Theme.margin
                    spacing: Theme.spacing
                    ColumnLayout {
                        spacing: 0
                        Layout.fillWidth: true
                        RowLayout {
                            Label {
                                text: row.callsign
                                color: row.textColor
                                font.pixelSize: Theme.bodySize + 1
                                font.weight: Font.DemiBold
                                Layout.fillWidth: true
                                elide: Text.ElideRight
                            }
                            Label {
                                text: row.dxcc
                                color: row.textColor
                                opacity: 0.7
                                font.pixelSize: Theme.smallSize
                            }
                        }
                        Label {
                            text: row.dateString + "  " + row.timeString + "   " + row.qrgString
                                  + "  " + row.band + "  " + row.mode
                            color: row.textColor
                            opacity: 0.8
                            font.pixelSize: Theme.smallSize
                            font.family: "DejaVu Sans Mono"
                            elide: Text.ElideRight
                            Layout.fillWidth: true
                        }
                    }
                    Label {
                        text: "\u2713"
                        visible: row.marked
                        color: Material.accent
                        font.pixelSize: Theme.headingSize
                    }
                }
                Rectangle {
                    anchors.bottom: parent.bottom
                    width: parent.width
                    height: 1
                    color: Material.dividerColor
                }
                TapHandler {
                    onSingleTapped: page.list.trigger(row.index, "showQso")
                    onDoubleTapped: page.list.trigger(row.index, "showInfo")
                    onLongPressed: actions.openMenu(row.index)
                }
                TapHandler {
                    acceptedButtons: Qt.RightButton
                    onTapped: actions.openMenu(row.index)
                }
            }
        }
    }

    Label {
        anchors.centerIn: parent
        visible: page.list.count === 0
        text: qsTr("No QSOs in this range yet.")
        opacity: 0.6
        font.pixelSize: Theme.bodySize
    }

    RoundButton {
        objectName: "newQsoButton"
        text: "+"
        font.pixelSize: 28
        width: 64
        height: 64
        highlighted: true
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: Theme.margin
        onClicked: page.newQsoRequested()
    }

    LogListActions {
        id: actions
        list: page.list
    }

    LogListScroller {
        list: page.list
        view: rows
    }
    // The list is built again whenever it comes back into view; marks stay.
    StackView.onActivated: list.loadData()
}
