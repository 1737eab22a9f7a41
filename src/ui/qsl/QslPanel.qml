import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// The QSL tab: LoTW, eQSL and Club Log side by side on a large screen, one at a time on a phone.
Page {
    id: panel
    required property LotwScreen lotw
    required property EqslScreen eqsl
    required property ClublogScreen clublog
    property bool compact: false

    /** Brings a pane to the front on a phone: 0 LoTW, 1 eQSL, 2 Club Log. */
    function showPane(index) { which.currentIndex = index }

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
            TabButton { text: "Club Log" }
        }
        GridLayout {
            columns: panel.compact ? 1 : 3
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
            ClublogPane {
                screen: panel.clublog
                visible: !panel.compact || which.currentIndex === 2
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.preferredWidth: 1
            }
        }
    }
}
