import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The band table: edges and segments of the twelve bands in kHz.
Page {
    id: page
    required property BandTableSettings bandTable
    readonly property bool narrow: width < 600

    Flickable {
        anchors.fill: parent
        contentHeight: column.implicitHeight + 2 * Theme.margin
        clip: true
        ScrollBar.vertical: ScrollBar {}

        ColumnLayout {
            id: column
            x: page.narrow ? 12 : Theme.margin
            y: Theme.margin
            width: Math.min(parent.width - 2 * x, Theme.contentWidth)
            spacing: Theme.spacing

            Label {
                text: page.bandTable.wholeKHz
                      ? qsTr("Frequencies in whole kHz. Below \u201cCW up to\u201d counts as CW, from \u201cPhone from\u201d as phone, between them as digital.")
                      : qsTr("Frequencies in kHz. Below \u201cCW up to\u201d counts as CW, from \u201cPhone from\u201d as phone, between them as digital.")
                opacity: 0.75
                font.pixelSize: Theme.smallSize
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }

            GridLayout {
                id: grid
                columns: 5
                columnSpacing: page.narrow ? 6 : Theme.spacing
                rowSpacing: page.narrow ? 2 : 6
                Layout.fillWidth: true

                Label {
                    text: qsTr("Band")
                    verticalAlignment: Text.AlignBottom
                    Layout.fillHeight: true
                    font.pixelSize: Theme.smallSize
                    font.weight: Font.DemiBold
                    Layout.preferredWidth: page.narrow ? 48 : 64
                }
                Repeater {
                    model: page.bandTable.columnTitles
                    Label {
                        required property string modelData
                        text: modelData
                        font.pixelSize: Theme.smallSize
                        font.weight: Font.DemiBold
                        wrapMode: Text.WordWrap
                        horizontalAlignment: Text.AlignRight
                        verticalAlignment: Text.AlignBottom
                        Layout.fillHeight: true
                        Layout.fillWidth: true
                        Layout.preferredWidth: 60
                    }
                }

                Repeater {
                    model: page.bandTable.bandNames.length * 5
                    delegate: Loader {
                        id: cell
                        required property int index
                        readonly property int row: Math.floor(index / 5)
                        readonly property int column: index % 5
                        readonly property int valueIndex: row * 4 + column - 1
                        Layout.fillWidth: column > 0
                        Layout.fillHeight: true
                        Layout.preferredWidth: column === 0 ? (page.narrow ? 48 : 64) : 60
                        sourceComponent: column === 0 ? bandLabel : valueField
                        Component {
                            id: bandLabel
                            Label {
                                text: page.bandTable.bandNames[cell.row]
                                font.pixelSize: page.narrow ? Theme.smallSize : Theme.bodySize
                                font.weight: Font.DemiBold
                                verticalAlignment: Text.AlignVCenter
                            }
                        }
                        Component {
                            id: valueField
                            TextField {
                                objectName: "qrg" + cell.valueIndex
                                text: page.bandTable.values[cell.valueIndex]
                                horizontalAlignment: Text.AlignRight
                                font.pixelSize: page.narrow ? Theme.smallSize : Theme.bodySize
                                leftPadding: 4
                                rightPadding: 4
                                inputMethodHints: Qt.ImhFormattedNumbersOnly
                                onEditingFinished: {
                                    page.bandTable.setValue(cell.valueIndex, text)
                                    text = Qt.binding(() => page.bandTable.values[cell.valueIndex])
                                }
                            }
                        }
                    }
                }
            }
        }
    }
}
