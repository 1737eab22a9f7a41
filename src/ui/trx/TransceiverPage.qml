import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The transceiver: what it is tuned to, which radio it is, how it is reached and how it is read.
Page {
    id: page
    required property TrxScreen screen
    readonly property bool narrow: width < 600
    // The Elecraft front panel, offered for the K3, KX2 and KX3.
    property ElecraftPanel elecraft: null
    readonly property string radioModel: screen.modelIndex >= 0 ? screen.models[screen.modelIndex] : ""
    readonly property bool hasPanel: elecraft !== null && screen.makeIndex === 0
                                     && ["K3", "KX2", "KX3"].indexOf(radioModel) >= 0

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

            Frame {
                Layout.fillWidth: true
                RowLayout {
                    width: parent.width
                    spacing: Theme.spacing
                    ColumnLayout {
                        spacing: 2
                        Layout.fillWidth: true
                        Label {
                            objectName: "trxFrequency"
                            // No reading without a radio: say so rather than show "???".
                            text: page.screen.connected ? page.screen.frequencyText
                                                        : qsTr("Not connected")
                            font.pixelSize: page.narrow ? 24 : 30
                            font.weight: Font.DemiBold
                            font.family: "monospace"
                            Layout.fillWidth: true
                        }
                        Label {
                            objectName: "trxMode"
                            text: page.screen.connected ? page.screen.modeText : ""
                            font.pixelSize: Theme.bodySize
                            opacity: 0.8
                            Layout.fillWidth: true
                        }
                    }
                    Button {
                        objectName: "trxConnectButton"
                        text: page.screen.connectTitle
                        highlighted: !page.screen.locked
                        onClicked: page.screen.toggleConnection()
                    }
                }
            }
            Label {
                visible: text.length > 0
                text: page.screen.statusText
                color: page.screen.statusIsError ? Material.color(Material.Red) : Material.foreground
                opacity: page.screen.statusIsError ? 1 : 0.75
                font.pixelSize: Theme.smallSize
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }

            Button {
                objectName: "trxElecraftPanel"
                visible: page.hasPanel
                text: qsTr("%1 Control").arg(page.radioModel)
                onClicked: page.elecraft.shown = true
            }

            Heading {
                text: qsTr("Radio")
                detail: page.screen.locked ? qsTr("Disconnect to choose another radio or link.") : ""
            }
            GridLayout {
                columns: 2
                columnSpacing: Theme.spacing
                Layout.fillWidth: true
                Label { text: qsTr("Make"); font.pixelSize: Theme.bodySize }
                ComboBox {
                    objectName: "trxMake"
                    model: page.screen.makes
                    currentIndex: page.screen.makeIndex
                    enabled: !page.screen.locked
                    onActivated: index => page.screen.makeIndex = index
                    Layout.fillWidth: true
                    Layout.maximumWidth: 320
                }
                Label { text: qsTr("Model"); font.pixelSize: Theme.bodySize }
                ComboBox {
                    objectName: "trxModel"
                    model: page.screen.models
                    currentIndex: page.screen.modelIndex
                    displayText: currentIndex < 0 ? qsTr("Choose a model") : currentText
                    enabled: !page.screen.locked
                    onActivated: index => page.screen.modelIndex = index
                    Layout.fillWidth: true
                    Layout.maximumWidth: 320
                }
                Label {
                    visible: page.screen.icom
                    text: qsTr("CI-V address")
                    font.pixelSize: Theme.bodySize
                }
                Label {
                    objectName: "trxIcomAddress"
                    visible: page.screen.icom
                    text: page.screen.icomAddress.length > 0 ? page.screen.icomAddress : "\u2014"
                    font.family: "monospace"
                    font.pixelSize: Theme.bodySize
                }
            }

            Heading { text: qsTr("Link") }
            Flow {
                spacing: 6
                Layout.fillWidth: true
                Repeater {
                    model: page.screen.linkKinds
                    Button {
                        required property int index
                        required property string modelData
                        text: modelData
                        highlighted: page.screen.linkIndex === index
                        // The chosen link keeps its look while the others are locked.
                        enabled: !page.screen.locked || highlighted
                        onClicked: page.screen.linkIndex = index
                    }
                }
            }
            TrxLinkFields { screen: page.screen }

            Heading {
                visible: page.screen.pollSwitchShown || page.screen.pollSliderShown
                text: qsTr("Reading the radio")
            }
            Switch {
                objectName: "trxPoll"
                visible: page.screen.pollSwitchShown
                text: qsTr("Poll the radio for frequency and mode")
                checked: page.screen.pollForData
                onToggled: page.screen.pollForData = checked
            }
            RowLayout {
                visible: page.screen.pollSliderShown
                spacing: Theme.spacing
                Layout.fillWidth: true
                Label { text: qsTr("Every"); font.pixelSize: Theme.bodySize }
                Slider {
                    from: 0.1
                    to: 5.0
                    stepSize: 0.1
                    value: page.screen.pollSeconds
                    onMoved: page.screen.pollSeconds = Math.round(value * 10) / 10
                    Layout.fillWidth: true
                    Layout.maximumWidth: 360
                }
                Label {
                    text: page.screen.pollText
                    font.pixelSize: Theme.bodySize
                    Layout.preferredWidth: 64
                }
            }
            Label {
                visible: text.length > 0
                text: page.screen.transceiveHint
                font.pixelSize: Theme.bodySize
                font.weight: Font.DemiBold
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }

            Heading {
                visible: page.screen.dataModeLabels.length > 0
                text: qsTr("Data mode")
                detail: qsTr("Used when a digital spot or frequency tunes the radio.")
            }
            Flow {
                visible: page.screen.dataModeLabels.length > 0
                spacing: 6
                Layout.fillWidth: true
                Repeater {
                    model: page.screen.dataModeLabels
                    Button {
                        required property int index
                        required property string modelData
                        text: modelData
                        highlighted: page.screen.dataModeIndex === index
                        onClicked: page.screen.dataModeIndex = index
                    }
                }
            }
            Switch {
                visible: page.screen.useDataModeShown
                text: qsTr("Data mode on (DA1;) for digital modes")
                checked: page.screen.useDataMode
                onToggled: page.screen.useDataMode = checked
            }
            Item { Layout.preferredHeight: Theme.margin }
        }
    }

    Popup {
        parent: Overlay.overlay
        x: 0
        y: 0
        width: parent ? parent.width : 0
        height: parent ? parent.height : 0
        padding: 0
        modal: true
        // A whole page, not a dialog: it is there at once.
        enter: null
        exit: null
        visible: page.elecraft !== null && page.elecraft.shown
        onClosed: if (page.elecraft) page.elecraft.shown = false
        ElecraftPanelPage {
            anchors.fill: parent
            panel: page.elecraft
            heading: qsTr("%1 Control").arg(page.elecraft.model)
            onCloseRequested: page.elecraft.shown = false
        }
    }
}
