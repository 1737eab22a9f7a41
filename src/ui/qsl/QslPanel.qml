import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// The QSL tab: LoTW and eQSL side by side on a large screen, one at a time on a phone.
Page {
    id: panel
    required property LotwScreen lotw
    required property EqslScreen eqsl
    property bool compact: false

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: panel.compact ? 8 : Theme.margin
        spacing: Theme.spacing

        TabBar {
            id: which
            visible: panel.compact
            Layout.fillWidth: true
            TabButton { text: "LoTW" }
            TabButton { text: "eQSL" }
        }
        GridLayout {
            columns: panel.compact ? 1 : 2
            columnSpacing: Theme.margin * 2
            Layout.fillWidth: true
            Layout.fillHeight: true
            LotwPane {
                screen: panel.lotw
                visible: !panel.compact || which.currentIndex === 0
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.preferredWidth: 1
            }
            EqslPane {
                screen: panel.eqsl
                visible: !panel.compact || which.currentIndex === 1
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.preferredWidth: 1
            }
        }
    }
}
