import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The log under the entry form: one line per QSO with its colour tint, marks and the row menu
// (right click or press and hold). A tap opens the QSO, a double tap its information.
Pane {
    id: table
    required property LogListModel list
    padding: 0

    readonly property var columns: [
        { title: "", role: "marked", width: 28 },
        { title: qsTr("Date"), role: "dateString", width: 110 },
        { title: qsTr("Time"), role: "timeString", width: 60 },
        { title: qsTr("Callsign"), role: "callsign", width: 150 },
        { title: qsTr("Band"), role: "band", width: 70 },
        { title: qsTr("Frequency"), role: "qrgString", width: 110 },
        { title: qsTr("Mode"), role: "mode", width: 70 },
        { title: qsTr("Sent"), role: "rsttx", width: 52 },
        { title: qsTr("Rcvd"), role: "rstrx", width: 52 },
        { title: qsTr("Entity"), role: "dxcc", width: 70 },
        { title: qsTr("Name"), role: "name", width: 150 },
        { title: "QSL", role: "qsl", width: 44 },
        { title: "LoTW", role: "lotwqsl", width: 52 },
        { title: "eQSL", role: "eqsl", width: 52 }
    ]

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        LogListToolbar {
            list: table.list
            hideExport: true
            Layout.fillWidth: true
            Layout.leftMargin: Theme.margin
            Layout.rightMargin: Theme.margin
        }

        Row {
            Layout.leftMargin: Theme.margin
            Repeater {
                model: table.columns
                Label {
                    required property var modelData
                    width: modelData.width
                    text: modelData.title
                    font.pixelSize: Theme.smallSize
                    font.weight: Font.DemiBold
                    opacity: 0.7
                    bottomPadding: 4
                }
            }
        }
        Rectangle {
            Layout.fillWidth: true
            height: 1
            color: Material.dividerColor
        }

        ListView {
            id: rows
            objectName: "logRows"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: table.list
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
                required property string rsttx
                required property string rstrx
                required property string name
                required property string qsl
                required property string lotwqsl
                required property string eqsl
                required property string tint
                required property bool invalidOperation
                required property bool marked
                width: ListView.view.width
                height: 32
                color: tint
                readonly property color textColor: invalidOperation ? "#af52de" : Material.foreground

                Row {
                    x: Theme.margin
                    anchors.verticalCenter: parent.verticalCenter
                    Repeater {
                        model: table.columns
                        Label {
                            required property var modelData
                            width: modelData.width
                            elide: Text.ElideRight
                            color: modelData.role === "marked" ? Material.accent : row.textColor
                            font.pixelSize: Theme.bodySize - 1
                            font.family: modelData.role === "callsign" || modelData.role === "mode"
                                         || modelData.role === "band" ? Qt.application.font.family
                                                                      : "DejaVu Sans Mono"
                            font.weight: modelData.role === "callsign" ? Font.DemiBold : Font.Normal
                            text: modelData.role === "marked" ? (row.marked ? "\u2713" : "")
                                                              : row[modelData.role]
                        }
                    }
                }
                TapHandler {
                    onSingleTapped: table.list.trigger(row.index, "showQso")
                    onDoubleTapped: table.list.trigger(row.index, "showInfo")
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
        visible: table.list.count === 0
        text: qsTr("No QSOs in this range yet.")
        opacity: 0.6
        font.pixelSize: Theme.bodySize
    }

    LogListActions {
        id: actions
        list: table.list
    }

    LogListScroller {
        list: table.list
        view: rows
    }
    Component.onCompleted: list.loadData()
}
