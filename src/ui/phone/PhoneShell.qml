import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The phone screens: a stack per tab and the tab bar at the bottom.
Item {
    id: shellView
    required property AppShell shell

    // The phone's narrower controls: eight cluster macros, three DX list filters,
    // band edges in whole kHz.
    Binding { target: shellView.shell.cluster.macros; property: "count"; value: 8 }
    Binding { target: shellView.shell.dxcc.list; property: "compact"; value: true }
    Binding { target: shellView.shell.bandTable; property: "wholeKHz"; value: true }

    // While the synced log is in use: whether it is in step with the server.
    Label {
        id: syncBanner
        objectName: "syncShellState"
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        text: shellView.shell.sync.shellText
        visible: text.length > 0
        height: visible ? implicitHeight + 8 : 0
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: Theme.smallSize
        opacity: 0.8
    }

    StackLayout {
        id: tabs
        anchors.top: syncBanner.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: tabBar.top
        currentIndex: shellView.shell.currentTab

        Repeater {
            id: stacks
            model: shellView.shell.tabs
            delegate: PhoneStack {
                required property int index
                required property var modelData
                shell: shellView.shell
                rootPage: index === 0 ? logListPage
                          : index === 1 ? clusterPage
                          : index === 2 ? mapPage
                          : index === 3 ? dxccCounterPage
                          : index === 4 ? qslPage
                          : modelData.built ? settingsMenu : notBuilt
                rootProperties: index === 0 || index === 3 ? ({})
                                : index <= 2 || index === 4 ? ({ title: modelData.title })
                                : modelData.built ? ({ title: modelData.title })
                                                  : ({ heading: modelData.title, message: modelData.missing })
            }
        }
    }

    TabBar {
        id: tabBar
        objectName: "tabBar"
        position: TabBar.Footer
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        currentIndex: shellView.shell.currentTab
        onCurrentIndexChanged: shellView.shell.currentTab = currentIndex
        Repeater {
            model: shellView.shell.tabs
            TabButton {
                required property var modelData
                text: modelData.title
                font.pixelSize: Theme.smallSize
                font.capitalization: Font.MixedCase
                leftPadding: 0
                rightPadding: 0
                // A long title (German "Einstellungen") takes a smaller font rather than lose its end.
                contentItem: Label {
                    text: parent.text
                    font: parent.font
                    color: parent.checked ? parent.Material.accentColor : parent.Material.foreground
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 10
                    elide: Text.ElideNone
                }
            }
        }
    }

    Component {
        id: notBuilt
        NotBuiltPage {}
    }

    Component {
        id: newQsoPage
        NewQsoPage {
            form: shellView.shell.entryForm
            pileUp: shellView.shell.pileUp
            onPileUpStarted: StackView.view.push(pileUpPage, {})
        }
    }
    // A record taken over (a cluster spot) opens the form already filled in.
    Connections {
        target: shellView.shell.entryForm
        function onFrontRequested() {
            stacks.itemAt(0).push(newQsoPage, { fresh: false })
        }
    }

    // The Log tab: the log list, its QSO screens and the pile-up.
    Component {
        id: logListPage
        LogListPage {
            list: shellView.shell.logList
            onNewQsoRequested: stacks.itemAt(0).push(newQsoPage, {})
            RoundButton {
                objectName: "contestButton"
                text: qsTr("Contest")
                height: 64
                anchors.left: parent.left
                anchors.bottom: parent.bottom
                anchors.margins: Theme.margin
                onClicked: shellView.shell.showScreen(Screens.Contest)
            }
        }
    }
    Component {
        id: stationProfilesPage
        StationProfilesPage { editor: shellView.shell.profileEditor }
    }
    Component {
        id: activationPage
        ActivationPage { activation: shellView.shell.activation }
    }
    Component {
        id: qsoInfoPage
        QsoInfoPage { editor: shellView.shell.qsoEditor }
    }
    Component {
        id: pileUpPage
        PileUpPage { pileUp: shellView.shell.pileUp }
    }
    Component {
        id: contestPage
        ContestPage { contest: shellView.shell.contest }
    }

    // The Cluster tab: the terminal, with the spot table a screen further.
    Component {
        id: clusterPage
        ClusterTerminalPage {
            screen: shellView.shell.cluster
            onSpotsRequested: stacks.itemAt(1).push(spotTablePage, {})
        }
    }
    Component {
        id: spotTablePage
        SpotTablePage {
            screen: shellView.shell.cluster
            radioConnected: shellView.shell.trx.connected
        }
    }

    // The Map tab: the grayline map.
    Component {
        id: mapPage
        GraylineMap { screen: shellView.shell.grayline; compact: true }
    }
    // The QSL tab: LoTW, eQSL or Club Log.
    Component {
        id: qslPage
        QslPanel {
            id: qslPanel
            lotw: shellView.shell.lotw
            eqsl: shellView.shell.eqsl
            clublog: shellView.shell.clublog
            qrz: shellView.shell.qrz
            wavelog: shellView.shell.wavelog
            compact: true
            Connections {
                target: shellView.shell
                function onScreenRequested(tab, screen) {
                    if (screen === Screens.Clublog)
                        qslPanel.showPane(2)
                    else if (screen === Screens.QslServices)
                        qslPanel.showPane(3)
                }
            }
        }
    }
    // The DXCC tab: the counter, with the DX list a screen further.
    Component {
        id: dxccCounterPage
        DxccCounterPage {
            screen: shellView.shell.dxcc
            onListRequested: stacks.itemAt(3).push(dxListPage, {})
            footer: RowLayout {
                spacing: 0
                ItemDelegate {
                    objectName: "awardsEntry"
                    text: shellView.shell.awards.buttonText + " \u203a"
                    font.pixelSize: Theme.bodySize
                    onClicked: shellView.shell.showScreen(Screens.Awards)
                    Layout.fillWidth: true
                }
                ItemDelegate {
                    objectName: "statisticsEntry"
                    text: qsTr("Statistics") + " \u203a"
                    font.pixelSize: Theme.bodySize
                    onClicked: shellView.shell.showScreen(Screens.Statistics)
                    Layout.fillWidth: true
                }
            }
        }
    }
    Component {
        id: awardsPage
        AwardsPage { screen: shellView.shell.awards }
    }
    Component {
        id: dxListPage
        DxListPage { screen: shellView.shell.dxcc }
    }
    Component {
        id: statisticsPage
        StatisticsPage {
            screen: shellView.shell.statistics
            grayline: shellView.shell.grayline
        }
    }

    // The callsign lookup, over the tab that asked; one at a time.
    property bool lookupOpen: false
    Component {
        id: lookupPage
        LookupPage {
            screen: shellView.shell.lookup
            grayline: shellView.shell.grayline
            compact: true
            Component.onCompleted: shellView.lookupOpen = true
            Component.onDestruction: shellView.lookupOpen = false
        }
    }

    Component {
        id: settingsMenu
        Page {
            ListView {
                anchors.fill: parent
                model: shellView.shell.settingsSections
                delegate: ItemDelegate {
                    required property var modelData
                    width: ListView.view.width
                    height: Theme.touchHeight + 8
                    text: modelData.title
                    font.pixelSize: Theme.bodySize + 1
                    leftPadding: Theme.margin
                    onClicked: stacks.itemAt(shellView.shell.currentTab).open(modelData.screen)
                    Label {
                        anchors.right: parent.right
                        anchors.rightMargin: Theme.margin
                        anchors.verticalCenter: parent.verticalCenter
                        text: "\u203a"
                        font.pixelSize: 24
                        opacity: 0.5
                    }
                }
            }
        }
    }

    Connections {
        target: shellView.shell
        function onScreenRequested(tab, screen) {
            if (screen === Screens.NewQso)
                stacks.itemAt(tab).push(newQsoPage, {})
            else if (screen === Screens.StationProfiles)
                stacks.itemAt(tab).push(stationProfilesPage, {})
            else if (screen === Screens.Activation)
                stacks.itemAt(tab).push(activationPage, {})
            else if (screen === Screens.EditQso)
                stacks.itemAt(tab).push(newQsoPage, { fresh: false })
            else if (screen === Screens.QsoInfo)
                stacks.itemAt(tab).push(qsoInfoPage, {})
            else if (screen === Screens.ClusterSpots)
                stacks.itemAt(tab).push(spotTablePage, {})
            else if (screen === Screens.PileUp)
                stacks.itemAt(tab).push(pileUpPage, {})
            else if (screen === Screens.Contest)
                stacks.itemAt(tab).push(contestPage, {})
            else if (screen === Screens.DxList)
                stacks.itemAt(tab).push(dxListPage, {})
            else if (screen === Screens.Statistics)
                stacks.itemAt(tab).push(statisticsPage, {})
            else if (screen === Screens.Awards)
                stacks.itemAt(tab).push(awardsPage, {})
            else if (screen === Screens.Lookup) {
                if (!shellView.lookupOpen)
                    stacks.itemAt(tab).push(lookupPage, {})
            }
            else if (screen === Screens.Clublog || screen === Screens.QslServices)
                return // the QSL panel shows its own pane
            else
                stacks.itemAt(tab).open(screen)
        }
        function onRootRequested(tab) { stacks.itemAt(tab).popToRoot() }
    }
}
