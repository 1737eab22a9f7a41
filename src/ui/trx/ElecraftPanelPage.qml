import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The Elecraft K3/KX2/KX3 front panel: what the radio shows, its keys, VFO tuning by dragging,
// and the terminal that decodes and sends CW, RTTY and PSK. One column on a phone, two on a
// tablet.
Page {
    id: root
    required property ElecraftPanel panel
    property alias heading: titleLabel.text
    signal closeRequested()

    readonly property bool narrow: width < 700
    readonly property var s: panel.status
    readonly property bool on: panel.connected

    // A key whose light follows the radio: highlighted while the function is on.
    component Key: Button {
        property bool lit: false
        checked: lit
        font.bold: lit
        font.underline: lit
        enabled: root.on
        font.pixelSize: Theme.smallSize
        implicitWidth: Math.max(64, implicitContentWidth + leftPadding + rightPadding)
    }
    component Toggle: Key {
        required property string name
        lit: root.s[name] === true
        onClicked: root.panel.press(name)
    }
    component Value: Label {
        font.pixelSize: Theme.bodySize
        font.family: "monospace"
    }

    header: Pane {
        padding: 8
        leftPadding: 12
        RowLayout {
            anchors.fill: parent
            Label {
                id: titleLabel
                font.pixelSize: Theme.headingSize
                font.weight: Font.DemiBold
                Layout.fillWidth: true
                elide: Text.ElideRight
            }
            Button { text: qsTr("Macros"); onClicked: editor.open() }
            Button { objectName: "elecraftClose"; text: qsTr("Close"); onClicked: root.closeRequested() }
        }
    }

    Flickable {
        anchors.fill: parent
        contentHeight: grid.implicitHeight + 2 * 12
        clip: true
        ScrollBar.vertical: ScrollBar {}

        GridLayout {
            id: grid
            x: 12
            y: 12
            width: parent.width - 24
            columns: root.narrow ? 1 : 2
            columnSpacing: Theme.margin
            rowSpacing: Theme.spacing

            // The radio: VFOs, tuning, bands, modes, keys.
            ColumnLayout {
                spacing: 8
                Layout.fillWidth: true
                Layout.alignment: Qt.AlignTop
                Layout.preferredWidth: 1

                Label {
                    visible: !root.on
                    text: qsTr("Connect the radio on the transceiver screen to use its panel.")
                    color: Material.color(Material.Red)
                    wrapMode: Text.Wrap
                    font.pixelSize: Theme.bodySize
                    Layout.fillWidth: true
                }
                GridLayout {
                    columns: 3
                    columnSpacing: 8
                    rowSpacing: 2
                    Layout.fillWidth: true
                    Label { text: "VFO A"; font.pixelSize: Theme.smallSize }
                    TextField {
                        id: vfoA
                        objectName: "elecraftVfoA"
                        enabled: root.on
                        text: activeFocus ? text : root.s.vfoA
                        placeholderText: "kHz"
                        inputMethodHints: Qt.ImhFormattedNumbersOnly
                        font.pixelSize: root.narrow ? 22 : 26
                        font.family: "monospace"
                        Layout.fillWidth: true
                        onActiveFocusChanged: root.panel.editingVfoA(activeFocus)
                        onAccepted: { root.panel.setVfo("A", text); focus = false }
                    }
                    Label {
                        text: root.s.modeA !== undefined ? root.s.modeA : ""
                        font.pixelSize: Theme.bodySize
                        font.weight: Font.DemiBold
                        Layout.minimumWidth: 56
                    }
                    Label { text: "VFO B"; font.pixelSize: Theme.smallSize }
                    TextField {
                        objectName: "elecraftVfoB"
                        enabled: root.on
                        text: activeFocus ? text : root.s.vfoB
                        placeholderText: "kHz"
                        inputMethodHints: Qt.ImhFormattedNumbersOnly
                        font.pixelSize: Theme.bodySize + 2
                        font.family: "monospace"
                        Layout.fillWidth: true
                        onAccepted: { root.panel.setVfo("B", text); focus = false }
                        onEditingFinished: root.panel.leaveVfoB()
                    }
                    Label { text: root.s.modeB !== undefined ? root.s.modeB : ""; font.pixelSize: Theme.bodySize }
                }
                Flow {
                    spacing: 12
                    Layout.fillWidth: true
                    Label {
                        visible: root.s.transmitting === true
                        text: "TX"
                        color: "white"
                        font.weight: Font.Bold
                        background: Rectangle { color: Material.color(Material.Red); radius: 3 }
                        padding: 3
                    }
                    Label { visible: text.length > 0; text: root.s.splitText || ""; font.pixelSize: Theme.smallSize }
                    Label {
                        visible: (root.s.offset || "").length > 0
                        text: (root.s.rit ? "RIT " : "XIT ") + root.s.offset
                        font.pixelSize: Theme.smallSize
                    }
                    Label { text: "Filter " + (root.s.mainFilter || "\u2014"); font.pixelSize: Theme.smallSize }
                    Label { text: "Sub " + (root.s.subFilter || "\u2014"); font.pixelSize: Theme.smallSize }
                    Label { text: "Shift " + (root.s.ifShift || "\u2014"); font.pixelSize: Theme.smallSize }
                    Label { visible: root.s.txTest === true; text: "TX TEST"; font.pixelSize: Theme.smallSize; color: Material.color(Material.Orange) }
                    Label { visible: root.s.messagePlaying === true; text: "MSG"; font.pixelSize: Theme.smallSize }
                }

                // Drag sideways to tune VFO A; the farther, the faster.
                Rectangle {
                    objectName: "elecraftTuning"
                    Layout.fillWidth: true
                    Layout.preferredHeight: 56
                    radius: 6
                    color: tuneArea.pressed ? Qt.darker(Material.background, 1.15) : Qt.darker(Material.background, 1.06)
                    border.color: Material.accent
                    opacity: root.on ? 1 : 0.5
                    Label {
                        anchors.centerIn: parent
                        text: tuneArea.pressed ? root.panel.tuningLabel : qsTr("\u25c0  drag to tune VFO A  \u25b6")
                        font.pixelSize: Theme.bodySize
                    }
                    MouseArea {
                        id: tuneArea
                        anchors.fill: parent
                        enabled: root.on
                        property real startX: 0
                        preventStealing: true
                        onPressed: mouse => { startX = mouse.x; root.panel.tuneStart() }
                        onPositionChanged: mouse => root.panel.tuneDrag(mouse.x - startX)
                        onReleased: root.panel.tuneEnd()
                        onCanceled: root.panel.tuneEnd()
                    }
                }

                Label { text: qsTr("Band"); font.pixelSize: Theme.smallSize; opacity: 0.75 }
                Flow {
                    spacing: 4
                    Layout.fillWidth: true
                    Repeater {
                        model: ["160", "80", "60", "40", "30", "20", "17", "15", "12", "10", "6"]
                        Key {
                            required property int index
                            required property string modelData
                            text: modelData
                            implicitWidth: 52
                            onClicked: root.panel.band(index)
                        }
                    }
                }
                Label { text: qsTr("Mode and keys"); font.pixelSize: Theme.smallSize; opacity: 0.75 }
                Flow {
                    spacing: 4
                    Layout.fillWidth: true
                    Key { text: "CW"; lit: (root.s.modeA || "").startsWith("CW"); onClicked: root.panel.press("cw") }
                    Key { text: "FSK"; lit: root.s.modeA === "FSK D"; onClicked: root.panel.press("fsk") }
                    Key { text: "PSK"; lit: root.s.modeA === "PSK D"; onClicked: root.panel.press("psk") }
                    Key { text: "SSB"; lit: (root.s.modeA || "").endsWith("SB"); onClicked: root.panel.press("ssb") }
                    Key { text: "A/B"; onClicked: root.panel.press("ab") }
                    Key { text: "A\u2192B"; onClicked: root.panel.press("aToB") }
                    Toggle { name: "split"; text: "Split" }
                    Toggle { name: "link"; text: "Link" }
                    Toggle { name: "sub"; text: "Sub" }
                    Toggle { name: "diversity"; text: "Div" }
                    Toggle { name: "preampA"; text: "Pre" }
                    Toggle { name: "preampB"; text: "Pre B" }
                    Toggle { name: "attA"; text: "Att" }
                    Toggle { name: "attB"; text: "Att B" }
                    Toggle { name: "nbMain"; text: "NB" }
                    Toggle { name: "nbSub"; text: "NB B" }
                    Toggle { name: "nrMain"; text: "NR" }
                    Toggle { name: "nrSub"; text: "NR B" }
                    Toggle { name: "lockA"; text: "Lock A" }
                    Toggle { name: "lockB"; text: "Lock B" }
                    Key { visible: root.panel.model !== "KX2"; text: "VOX"; lit: root.s.analogVox === true; onClicked: root.panel.press("vox") }
                    Key { visible: root.panel.model !== "KX2"; text: "QSK"; onClicked: root.panel.press("qsk") }
                }
                Label {
                    text: qsTr("CW keying %1 \u00b7 APF %2 \u00b7 FSK %3, filter %4 \u00b7 sub %5/%6").arg(root.s.cwKeying || "").arg(root.s.apf || "")
                          .arg(root.s.fskTones || "").arg(root.s.fskFilter || "").arg(root.s.subAntenna || "").arg(root.s.subInput || "")
                    font.pixelSize: Theme.smallSize
                    opacity: 0.75
                    wrapMode: Text.Wrap
                    Layout.fillWidth: true
                }
                Label { text: qsTr("Memories (hold to store)"); font.pixelSize: Theme.smallSize; opacity: 0.75 }
                Flow {
                    spacing: 4
                    Layout.fillWidth: true
                    Repeater {
                        model: [
                            { tag: 21, title: "M1" }, { tag: 22, title: "M2" }, { tag: 23, title: "M3" },
                            { tag: 24, title: "M4" }, { tag: 25, title: "bank1" }, { tag: 26, title: "bank2" },
                            { tag: 27, title: "Abort" }
                        ]
                        Key {
                            required property var modelData
                            readonly property bool kx2: root.panel.model === "KX2"
                            text: modelData.title.startsWith("bank") ? (root.s[modelData.title] || "") : modelData.title
                            lit: modelData.title.startsWith("bank") && root.s.memBank === true
                            visible: (modelData.tag !== 23 || root.s.thirdMemory !== false)
                                     && !(kx2 && modelData.tag >= 24 && modelData.tag <= 26)
                            onClicked: root.panel.memory(modelData.tag, false)
                            onPressAndHold: root.panel.memory(modelData.tag, true)
                        }
                    }
                }
                Label { text: qsTr("Command macros"); font.pixelSize: Theme.smallSize; opacity: 0.75 }
                Flow {
                    spacing: 4
                    Layout.fillWidth: true
                    Repeater {
                        model: root.panel.commandTitles
                        Key {
                            required property int index
                            required property string modelData
                            text: modelData
                            onClicked: root.panel.commandMacro(index)
                        }
                    }
                }
            }

            // The terminal: decoded text, the text to send, the text macros.
            ColumnLayout {
                spacing: 8
                Layout.fillWidth: true
                Layout.alignment: Qt.AlignTop
                Layout.preferredWidth: 1

                RowLayout {
                    Layout.fillWidth: true
                    Switch {
                        objectName: "elecraftDecoder"
                        text: qsTr("Decode")
                        checked: root.panel.decoderOn
                        onToggled: root.panel.decoderOn = checked
                    }
                    Label {
                        text: root.panel.decoding ? qsTr("reading the radio") : root.panel.decoderOn ? qsTr("CW, FSK D or PSK D only") : ""
                        font.pixelSize: Theme.smallSize
                        opacity: 0.75
                        Layout.fillWidth: true
                        elide: Text.ElideRight
                    }
                    Button { text: qsTr("Clear"); flat: true; onClicked: root.panel.clearTerminal() }
                }
                Rectangle {
                    color: "#1b1b1b"
                    radius: 4
                    Layout.fillWidth: true
                    Layout.preferredHeight: root.narrow ? 180 : 300
                    Flickable {
                        id: terminalView
                        anchors.fill: parent
                        anchors.margins: 8
                        clip: true
                        contentHeight: terminalText.implicitHeight
                        onContentHeightChanged: contentY = Math.max(0, contentHeight - height)
                        Text {
                            id: terminalText
                            objectName: "elecraftTerminal"
                            width: terminalView.width
                            textFormat: Text.RichText
                            wrapMode: Text.WrapAnywhere
                            text: root.panel.terminalHtml
                            color: "yellow"
                            font.family: "monospace"
                            font.pixelSize: Theme.bodySize
                        }
                    }
                }
                RowLayout {
                    spacing: 6
                    Layout.fillWidth: true
                    TextField {
                        objectName: "elecraftSendText"
                        placeholderText: qsTr("Text to send")
                        text: root.panel.sendText
                        enabled: root.on
                        font.family: "monospace"
                        Layout.fillWidth: true
                        onTextEdited: root.panel.sendText = text
                    }
                    Button {
                        text: qsTr("Transmit")
                        enabled: root.on && !root.panel.sending
                        highlighted: true
                        onClicked: root.panel.transmit()
                    }
                    Button {
                        text: qsTr("Abort")
                        enabled: root.on
                        Material.background: root.panel.sending ? Material.color(Material.Red) : undefined
                        onClicked: root.panel.abortTransmit()
                    }
                }
                RowLayout {
                    spacing: 6
                    Layout.fillWidth: true
                    Label { text: qsTr("Macros for"); font.pixelSize: Theme.smallSize }
                    Repeater {
                        model: ["CW", "RTTY", "PSK"]
                        Button {
                            required property int index
                            required property string modelData
                            text: modelData
                            checked: root.panel.digitalMode === index
                            font.bold: checked
                            font.underline: checked
                            onClicked: root.panel.digitalMode = index
                        }
                    }
                }
                GridLayout {
                    columns: 3
                    columnSpacing: 4
                    rowSpacing: 0
                    Layout.fillWidth: true
                    Repeater {
                        model: root.panel.textTitles
                        Key {
                            required property int index
                            required property string modelData
                            text: modelData
                            Layout.fillWidth: true
                            onClicked: root.panel.textMacro(index)
                        }
                    }
                }
            }
        }
    }

    ElecraftMacroEditor {
        id: editor
        panel: root.panel
        parent: Overlay.overlay
        width: Math.min(parent ? parent.width : 600, 720)
        height: parent ? parent.height : 600
        x: parent ? (parent.width - width) / 2 : 0
    }
}
