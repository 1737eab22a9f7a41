import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// The QSL tab. On a large screen two pages: LoTW, eQSL and Club Log side by side, then the
// logbook uploads (QRZ.com, Wavelog) side by side; on a phone one service at a time.
Page {
    id: panel
    required property LotwScreen lotw
    required property EqslScreen eqsl
    required property ClublogScreen clublog
    required property QrzScreen qrz
    required property WavelogScreen wavelog
    property bool compact: false

    /** Brings a pane to the front: 0 LoTW, 1 eQSL, 2 Club Log, 3 QRZ.com, 4 Wavelog. */
    function showPane(index) {
        which.currentIndex = index
        page.currentIndex = index < 3 ? 0 : 1
    }
    function paneShown(index) {
        return panel.compact ? which.currentIndex === index
                             : page.currentIndex === (index < 3 ? 0 : 1)
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: panel.compact ? 8 : Theme.margin
        spacing: Theme.spacing

        TabBar {
            id: which
            objectName: "qslServiceTabs"
            visible: panel.compact
            Layout.fillWidth: true
            // Five services are wider than a phone: each tab as wide as its name, the bar
            // scrolls.
            TabButton { text: "LoTW"; width: implicitWidth }
            TabButton { text: "eQSL"; width: implicitWidth }
            TabButton { text: "Club Log"; width: implicitWidth }
            TabButton { text: "QRZ"; width: implicitWidth }
            TabButton { text: "Wavelog"; width: implicitWidth }
        }
        TabBar {
            id: page
            objectName: "qslPageTabs"
            visible: !panel.compact
            Layout.fillWidth: true
            TabButton { text: qsTr("LoTW, eQSL, Club Log"); width: implicitWidth }
            TabButton { text: qsTr("QRZ.com, Wavelog"); width: implicitWidth }
        }
        GridLayout {
            columns: panel.compact ? 1 : 3
            columnSpacing: Theme.margin * 2
            Layout.fillWidth: true
            Layout.fillHeight: true
            LotwPane {
                screen: panel.lotw
                visible: panel.paneShown(0)
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.preferredWidth: 1
            }
            EqslPane {
                screen: panel.eqsl
                visible: panel.paneShown(1)
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.preferredWidth: 1
            }
            ClublogPane {
                screen: panel.clublog
                visible: panel.paneShown(2)
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.preferredWidth: 1
            }
            QrzPane {
                objectName: "qrzPane"
                screen: panel.qrz
                visible: panel.paneShown(3)
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.preferredWidth: 1
            }
            WavelogPane {
                objectName: "wavelogPane"
                screen: panel.wavelog
                visible: panel.paneShown(4)
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.preferredWidth: 1
            }
        }
    }
}
