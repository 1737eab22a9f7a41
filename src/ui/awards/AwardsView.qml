import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The awards: the award and the confirmations that count, the summary, the band × mode table
// where the award has one, and the items. Larger screens put the items beside the table, the
// phone below it.
GridLayout {
    id: view
    required property AwardsScreen screen
    property bool compact: false
    /** Room kept free at the top right (the larger screens' DXCC | Awards switch). */
    property int reserve: 0
    readonly property bool dark: Material.theme === Material.Dark
    columns: compact ? 1 : 2
    columnSpacing: 2 * Theme.margin
    rowSpacing: Theme.spacing

    ColumnLayout {
        spacing: Theme.spacing
        Layout.alignment: Qt.AlignTop
        Layout.fillWidth: view.compact
        Layout.fillHeight: !view.compact

        RowLayout {
            spacing: Theme.spacing
            Layout.fillWidth: true
            ComboBox {
                objectName: "awardChoice"
                model: view.screen.awardNames
                currentIndex: view.screen.award
                onActivated: index => view.screen.award = index
                font.pixelSize: Theme.bodySize
                Layout.preferredWidth: 120
            }
            Label {
                text: view.screen.awardTitle
                font.pixelSize: Theme.bodySize + 1
                font.weight: Font.DemiBold
                elide: Text.ElideRight
                Layout.fillWidth: true
            }
        }
        RowLayout {
            spacing: Theme.spacing
            Layout.fillWidth: true
            Label {
                visible: !view.compact
                text: view.screen.confirmationCaption
                font.pixelSize: Theme.smallSize
                opacity: 0.75
            }
            DxccSegments {
                objectName: "awardConfirmation"
                model: view.screen.confirmationTitles
                currentIndex: view.screen.confirmation
                fill: view.compact
                onActivated: index => view.screen.confirmation = index
                Layout.fillWidth: view.compact
            }
        }
        DxccSegments {
            objectName: "awardSide"
            visible: view.screen.hasSides
            model: view.screen.sideTitles
            currentIndex: view.screen.side
            fill: view.compact
            onActivated: index => view.screen.side = index
            Layout.fillWidth: view.compact
        }
        Label {
            objectName: "awardSummary"
            text: view.screen.summary
            font.pixelSize: Theme.bodySize
            wrapMode: Text.Wrap
            Layout.fillWidth: true
            Layout.maximumWidth: view.compact ? -1 : 560
        }
        Repeater {
            model: view.screen.notes
            Label {
                required property string modelData
                text: modelData
                font.pixelSize: Theme.smallSize
                opacity: 0.8
            }
        }
        AwardsTable {
            visible: view.screen.hasTable
            screen: view.screen
            compact: view.compact
            Layout.alignment: view.compact ? Qt.AlignHCenter : Qt.AlignLeft
            Layout.topMargin: 4
        }
        Item { visible: !view.compact; Layout.fillHeight: true }
    }

    ColumnLayout {
        spacing: Theme.spacing
        Layout.fillWidth: true
        Layout.fillHeight: true
        Layout.minimumHeight: view.compact ? 220 : 0

        Label {
            objectName: "awardFilter"
            text: view.screen.filterText
            font.pixelSize: Theme.bodySize
            font.weight: Font.DemiBold
            elide: Text.ElideRight
            Layout.fillWidth: true
            Layout.rightMargin: view.reserve
        }
        RowLayout {
            spacing: Theme.spacing
            Layout.fillWidth: true
            Repeater {
                model: view.screen.legend
                Label {
                    required property int index
                    required property string modelData
                    text: "\u25a0 " + modelData
                    font.pixelSize: Theme.smallSize
                    color: index === 0 ? Material.color(Material.Green, view.dark ? Material.Shade300 : Material.Shade800)
                         : index === 1 ? Material.color(Material.Orange, view.dark ? Material.Shade300 : Material.Shade900)
                                       : Material.foreground
                    opacity: index === 2 ? 0.55 : 1
                }
            }
        }
        AwardItems {
            objectName: "awardItems"
            screen: view.screen
            Layout.fillWidth: true
            Layout.fillHeight: true
        }
    }

    AwardQsosPopup { screen: view.screen }
}
