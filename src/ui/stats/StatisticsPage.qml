import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The statistics on both screen sets: pick what the QSOs are counted by, see the chart, and
// below (beside, on a wide screen) the first and last QSO per entity.
Page {
    id: page
    required property StatisticsScreen screen
    /** Its picture lies under the worked grid squares. */
    property GraylineScreen grayline: null
    title: qsTr("Statistics")

    // Counted while the page is shown.
    Binding { target: page.screen; property: "shown"; value: page.visible }

    GridLayout {
        anchors.fill: parent
        anchors.margins: Theme.spacing
        columns: page.width > 1000 ? 2 : 1
        columnSpacing: Theme.margin
        rowSpacing: Theme.spacing

        ColumnLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.preferredWidth: 3
            Layout.minimumHeight: 240
            spacing: Theme.spacing / 2
            RowLayout {
                Layout.fillWidth: true
                ComboBox {
                    objectName: "statisticsKind"
                    model: page.screen.kindTitles
                    currentIndex: page.screen.kind
                    onActivated: index => page.screen.kind = index
                    font.pixelSize: Theme.bodySize
                    Layout.fillWidth: true
                    Layout.maximumWidth: 420
                }
                Label {
                    objectName: "statisticsTotal"
                    text: page.screen.reading ? qsTr("Reading…") : page.screen.totalText
                    font.pixelSize: Theme.bodySize
                    horizontalAlignment: Text.AlignRight
                    Layout.fillWidth: true
                }
            }
            Item {
                Layout.fillWidth: true
                Layout.fillHeight: true
                StatisticsChartItem {
                    objectName: "statisticsChart"
                    anchors.fill: parent
                    // Not "No QSOs" while the logbook is still being read.
                    visible: !page.screen.reading
                    screen: page.screen
                    grayline: page.grayline
                    background: page.Material.backgroundColor
                    foreground: page.Material.foreground
                    accent: page.Material.accentColor
                }
                // The whole logbook is read on a worker; the window goes on meanwhile.
                BusyIndicator {
                    objectName: "statisticsReading"
                    anchors.centerIn: parent
                    running: page.screen.reading
                    visible: running
                }
            }
        }

        ColumnLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.preferredWidth: 2
            spacing: Theme.spacing / 2
            Label {
                text: page.screen.entitiesTitle
                font.pixelSize: Theme.bodySize
                font.weight: Font.DemiBold
                Layout.fillWidth: true
                elide: Text.ElideRight
            }
            ListView {
                objectName: "statisticsEntities"
                model: page.screen.entities
                clip: true
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.minimumHeight: 120
                ScrollBar.vertical: ScrollBar {}
                delegate: ItemDelegate {
                    required property string entity
                    required property string qsosText
                    required property string first
                    required property string last
                    width: ListView.view.width
                    padding: 6
                    contentItem: ColumnLayout {
                        spacing: 2
                        RowLayout {
                            Label {
                                text: entity
                                font.pixelSize: Theme.bodySize
                                font.weight: Font.DemiBold
                                elide: Text.ElideRight
                                Layout.fillWidth: true
                            }
                            Label {
                                text: qsosText
                                font.pixelSize: Theme.smallSize
                                opacity: 0.7
                            }
                        }
                        Label {
                            text: qsTr("First: %1").arg(first)
                            font.pixelSize: Theme.smallSize
                            elide: Text.ElideRight
                            Layout.fillWidth: true
                        }
                        Label {
                            text: qsTr("Last: %1").arg(last)
                            font.pixelSize: Theme.smallSize
                            elide: Text.ElideRight
                            Layout.fillWidth: true
                        }
                    }
                }
            }
        }
    }
}
