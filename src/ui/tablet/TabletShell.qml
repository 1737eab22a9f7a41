import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The tablet and desktop screens: tabs along the top, settings as a list beside its page.
Item {
    id: shellView
    required property AppShell shell

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        ToolBar {
            Layout.fillWidth: true
            RowLayout {
                anchors.fill: parent
                anchors.leftMargin: Theme.margin
                anchors.rightMargin: Theme.margin
                spacing: Theme.spacing
                Label {
                    text: "Brindlewick"
                    font.pixelSize: Theme.titleSize
                    font.weight: Font.DemiBold
                }
                Item { Layout.fillWidth: true }
                ToolButton {
                    objectName: "contestButton"
                    text: qsTr("Contest")
                    onClicked: shellView.shell.showScreen(Screens.Contest)
                }
                StatisticsButton { shell: shellView.shell }
                StationChip { shell: shellView.shell }
                Label {
                    objectName: "syncShellState"
                    text: shellView.shell.sync.shellText
                    visible: text.length > 0
                    font.pixelSize: Theme.bodySize
                    opacity: 0.8
                }
                Label {
                    text: qsTr("Logbook: %1").arg(shellView.shell.logbookName)
                    font.pixelSize: Theme.bodySize
                    elide: Text.ElideMiddle
                    Layout.maximumWidth: 420
                }
            }
        }

        TabBar {
            id: tabBar
            objectName: "tabBar"
            Layout.fillWidth: true
            currentIndex: shellView.shell.currentTab
            onCurrentIndexChanged: shellView.shell.currentTab = currentIndex
            Repeater {
                model: shellView.shell.tabs
                TabButton {
                    required property var modelData
                    text: modelData.title
                    font.pixelSize: Theme.bodySize
                }
            }
        }

        StackLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            currentIndex: shellView.shell.currentTab

            PhoneStack {
                id: logStack
                shell: shellView.shell
                rootPage: logRoot
                rootProperties: ({})
                showRootHeader: false
            }
            ClusterPanel {
                objectName: "clusterPanel"
                screen: shellView.shell.cluster
                radioConnected: shellView.shell.trx.connected
            }
            GraylineMap {
                objectName: "mapPanel"
                screen: shellView.shell.grayline
            }
            AwardsPanel {
                dxcc: shellView.shell.dxcc
                awards: shellView.shell.awards
            }
            QslPanel {
                id: qslPanel
                objectName: "qslPanel"
                lotw: shellView.shell.lotw
                eqsl: shellView.shell.eqsl
                clublog: shellView.shell.clublog
                qrz: shellView.shell.qrz
                wavelog: shellView.shell.wavelog
            }
            RowLayout {
                spacing: 0
                Pane {
                    Layout.fillHeight: true
                    Layout.preferredWidth: 260
                    padding: 0
                    Material.elevation: 1
                    ListView {
                        anchors.fill: parent
                        anchors.topMargin: 8
                        model: shellView.shell.settingsSections
                        delegate: ItemDelegate {
                            required property var modelData
                            width: ListView.view.width
                            height: Theme.touchHeight
                            text: modelData.title
                            font.pixelSize: Theme.bodySize
                            leftPadding: Theme.margin
                            highlighted: shellView.shell.settingsSection === modelData.screen
                            onClicked: shellView.shell.settingsSection = modelData.screen
                        }
                    }
                }
                ColumnLayout {
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    spacing: 0
                    Label {
                        text: {
                            const sections = shellView.shell.settingsSections
                            for (let i = 0; i < sections.length; ++i)
                                if (sections[i].screen === shellView.shell.settingsSection)
                                    return sections[i].title
                            return ""
                        }
                        font.pixelSize: Theme.titleSize
                        font.weight: Font.DemiBold
                        leftPadding: Theme.margin
                        topPadding: Theme.margin
                        Layout.fillWidth: true
                    }
                    SettingsSection {
                        shell: shellView.shell
                        screen: shellView.shell.settingsSection
                        Layout.fillWidth: true
                        Layout.fillHeight: true
                    }
                }
            }
        }
    }

    Component {
        id: notBuilt
        NotBuiltPage {}
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
        id: contestPage
        ContestPage { contest: shellView.shell.contest }
    }

    Component {
        id: qsoDetailPage
        QsoDetailPage { editor: shellView.shell.qsoEditor; form: shellView.shell.entryForm }
    }

    // The callsign lookup opens over the log, once.
    property bool lookupOpen: false
    Component {
        id: lookupPage
        LookupPage {
            screen: shellView.shell.lookup
            grayline: shellView.shell.grayline
            Component.onCompleted: shellView.lookupOpen = true
            Component.onDestruction: shellView.lookupOpen = false
        }
    }

    // The Log tab: the entry form above the log.
    Component {
        id: logRoot
        Page {
            ColumnLayout {
                anchors.fill: parent
                spacing: 0
                EntryPanel {
                    form: shellView.shell.entryForm
                    Layout.fillWidth: true
                }
                LogTable {
                    objectName: "logTable"
                    list: shellView.shell.logList
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                }
            }
        }
    }

    Connections {
        target: shellView.shell
        function onScreenRequested(tab, screen) {
            if (tab === 0 && screen === Screens.QsoDetail)
                logStack.push(qsoDetailPage, {})
            else if (tab === 0 && screen === Screens.StationProfiles)
                logStack.push(stationProfilesPage, {})
            else if (tab === 0 && screen === Screens.Activation)
                logStack.push(activationPage, {})
            else if (tab === 0 && screen === Screens.Contest)
                logStack.push(contestPage, {})
            else if (screen === Screens.QslServices)
                qslPanel.showPane(3)
            else if (tab === 0 && screen === Screens.Lookup) {
                if (!shellView.lookupOpen)
                    logStack.push(lookupPage, {})
            }
            else if (tab === 0)
                logStack.open(screen)
        }
        function onRootRequested(tab) {
            if (tab === 0)
                logStack.popToRoot()
        }
    }
}
