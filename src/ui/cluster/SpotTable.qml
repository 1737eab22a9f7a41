import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The spot table: newest spot last, coloured by what would be new. A double tap takes the spot
// into the entry form; press and hold (or right click) opens the spot's menu.
Pane {
    id: table
    required property ClusterScreen screen
    property bool compact: false
    /** Without a transceiver "QSY TRX" says so instead of doing nothing. */
    property bool radioConnected: false
    padding: 0
    clip: true

    readonly property var columns: compact
        ? [ { title: qsTr("Call"), width: 100 }, { title: "kHz", width: 80 }, { title: qsTr("Mode"), width: 54 },
            { title: qsTr("Entity"), width: 0 }, { title: qsTr("Age"), width: 64 } ]
        : [ { title: qsTr("Call"), width: 110 }, { title: "kHz", width: 84 }, { title: qsTr("Mode"), width: 58 },
            { title: qsTr("Comment"), width: 0 }, { title: qsTr("Entity"), width: 64 }, { title: "IOTA", width: 72 },
            { title: qsTr("Distance"), width: 86 }, { title: qsTr("Hdg"), width: 46 }, { title: qsTr("Spotter"), width: 76 },
            { title: qsTr("Age"), width: 64 } ]

    function columnWidth(i) {
        const fixed = columns.reduce((sum, c) => sum + c.width, 0)
        return columns[i].width > 0 ? columns[i].width : Math.max(60, rows.width - fixed - 16)
    }

    /** Frequency, distance and heading read right-aligned, heading and cells alike. */
    function rightAligned(i) {
        return i === 1 || (!compact && (i === 6 || i === 7))
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Row {
            Layout.leftMargin: 8
            Repeater {
                model: table.columns.length
                Label {
                    required property int index
                    width: table.columnWidth(index)
                    text: table.columns[index].title
                    elide: Text.ElideRight
                    horizontalAlignment: table.rightAligned(index) ? Text.AlignRight : Text.AlignLeft
                    rightPadding: 10
                    font.pixelSize: Theme.smallSize
                    font.weight: Font.DemiBold
                    opacity: 0.7
                    bottomPadding: 4
                    topPadding: 4
                }
            }
        }
        Rectangle { Layout.fillWidth: true; height: 1; color: Material.dividerColor }

        ListView {
            id: rows
            objectName: "spotRows"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: table.screen.spots
            reuseItems: true
            ScrollBar.vertical: ScrollBar {}
            onMovementStarted: table.screen.userScrolled()
            Connections {
                target: table.screen.spots
                function onSpotsAdded() {
                    if (!table.screen.doNotScroll)
                        rows.positionViewAtEnd()
                }
            }
            delegate: ItemDelegate {
                id: row
                required property int index
                required property string call
                required property string callColor
                required property string qrg
                required property string qrgColor
                required property string mode
                required property string modeColor
                required property string note
                required property string spotter
                required property string dxcc
                required property string dxColor
                required property string iota
                required property string iotaColor
                required property string distance
                required property string heading
                required property string ago
                required property bool superseded
                width: ListView.view.width
                height: 30
                padding: 0
                leftPadding: 8
                opacity: superseded ? 0.5 : 1
                readonly property color plain: Material.foreground
                readonly property var cells: table.compact
                    ? [ [call, callColor], [qrg, qrgColor], [mode, modeColor], [dxcc, dxColor], [ago, ""] ]
                    : [ [call, callColor], [qrg, qrgColor], [mode, modeColor], [note, ""], [dxcc, dxColor],
                        [iota, iotaColor], [distance, ""], [heading, ""], [spotter, ""], [ago, ""] ]
                contentItem: Row {
                    Repeater {
                        model: row.cells.length
                        Label {
                            required property int index
                            width: table.columnWidth(index)
                            height: row.height
                            verticalAlignment: Text.AlignVCenter
                            horizontalAlignment: table.rightAligned(index) ? Text.AlignRight
                                                                           : Text.AlignLeft
                            rightPadding: 10
                            text: row.cells[index][0]
                            color: SpotColors.of(row.cells[index][1], row.plain)
                            font.pixelSize: Theme.smallSize + 1
                            font.weight: index === 0 ? Font.DemiBold : Font.Normal
                            elide: Text.ElideRight
                        }
                    }
                }
                onDoubleClicked: table.screen.useDataInLog(index)
                onPressAndHold: spotMenu.openFor(index)
                TapHandler {
                    acceptedButtons: Qt.RightButton
                    onTapped: spotMenu.openFor(row.index)
                }
            }
        }
    }

    AlertDialog { id: noRadio; objectName: "noRadioAlert" }
    TextMetrics { id: menuMeasure; font.pixelSize: Theme.bodySize + 1 }

    Menu {
        id: spotMenu
        objectName: "spotMenu"
        property int row: -1
        function openFor(r) {
            row = r
            // Wide enough for its longest entry: a Menu's width does not follow its items.
            let widest = 0
            for (let i = 0; i < count; ++i) {
                menuMeasure.text = itemAt(i).text
                widest = Math.max(widest, menuMeasure.advanceWidth)
            }
            width = Math.min(Math.max(200, widest + 48), table.width)
            popup()
        }
        MenuItem { text: qsTr("Use data for new QSO"); onTriggered: table.screen.useDataInLog(spotMenu.row) }
        MenuItem {
            objectName: "qsyMenuItem"
            text: qsTr("QSY TRX")
            onTriggered: {
                if (table.radioConnected)
                    table.screen.qsyTrx(spotMenu.row)
                else
                    noRadio.show(qsTr("No transceiver connected"),
                                 qsTr("Connect the transceiver under Settings \u203a Transceiver to tune it to a spot."))
            }
        }
        MenuItem { text: qsTr("Show all spots"); onTriggered: table.screen.showAllSpots(spotMenu.row) }
        MenuItem { text: qsTr("Look up"); onTriggered: table.screen.lookUp(spotMenu.row) }
    }
}
