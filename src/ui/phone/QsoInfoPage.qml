import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Brindlewick

// The phone's read-only information about a stored QSO.
Page {
    id: page
    required property QsoEditor editor
    title: editor.fields.callsign || ""

    readonly property var rows: [
        [qsTr("Date"), "dateString"], [qsTr("Time (UTC)"), "timeString"], [qsTr("Frequency"), "qrgString"],
        [qsTr("Band"), "band"], [qsTr("Mode"), "mode"], [qsTr("RST sent"), "rsttx"], [qsTr("RST received"), "rstrx"],
        [qsTr("Name"), "name"], ["QTH", "qth"], [qsTr("Locator"), "locator"], [qsTr("State"), "state"],
        [qsTr("County"), "county"], ["IOTA", "iota"], [qsTr("CQ zone"), "cq"], [qsTr("ITU zone"), "itu"],
        [qsTr("Manager"), "manager"], ["QSL", "qsl"], ["LoTW", "lotwqsl"], ["eQSL", "eqsl"],
        [qsTr("QSL sent"), "qslOutDate"], [qsTr("QSL received"), "qslInDate"], [qsTr("Power"), "power"],
        [qsTr("Satellite"), "satName"], [qsTr("User field %1").arg(1), "user_1"], [qsTr("User field %1").arg(2), "user_2"],
        [qsTr("User field %1").arg(3), "user_3"], [qsTr("User field %1").arg(4), "user_4"], [qsTr("Note"), "note"]
    ]

    ListView {
        anchors.fill: parent
        clip: true
        ScrollBar.vertical: ScrollBar {}
        header: Label {
            width: ListView.view.width
            text: page.editor.entityLine
            color: page.editor.opIsValid ? Material.foreground : "#af52de"
            font.pixelSize: Theme.headingSize
            font.weight: Font.DemiBold
            wrapMode: Text.Wrap
            padding: Theme.margin
        }
        // Only what the QSO holds.
        model: page.rows.filter(r => String(page.editor.fields[r[1]] || "").length > 0)
        delegate: RowLayout {
            required property var modelData
            width: ListView.view.width
            height: Math.max(40, value.implicitHeight + 12)
            spacing: Theme.spacing
            Label {
                text: modelData[0]
                opacity: 0.7
                font.pixelSize: Theme.smallSize
                Layout.leftMargin: Theme.margin
                Layout.preferredWidth: 110
            }
            Label {
                id: value
                text: String(page.editor.fields[modelData[1]])
                font.pixelSize: Theme.bodySize
                wrapMode: Text.Wrap
                Layout.fillWidth: true
                Layout.rightMargin: Theme.margin
            }
        }
    }
}
