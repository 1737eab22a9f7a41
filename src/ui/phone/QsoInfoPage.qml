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
        ["Date", "dateString"], ["Time (UTC)", "timeString"], ["Frequency", "qrgString"],
        ["Band", "band"], ["Mode", "mode"], ["RST sent", "rsttx"], ["RST received", "rstrx"],
        ["Name", "name"], ["QTH", "qth"], ["Locator", "locator"], ["State", "state"],
        ["County", "county"], ["IOTA", "iota"], ["CQ zone", "cq"], ["ITU zone", "itu"],
        ["Manager", "manager"], ["QSL", "qsl"], ["LoTW", "lotwqsl"], ["eQSL", "eqsl"],
        ["QSL sent", "qslOutDate"], ["QSL received", "qslInDate"], ["Power", "power"],
        ["Satellite", "satName"], ["User field 1", "user_1"], ["User field 2", "user_2"],
        ["User field 3", "user_3"], ["User field 4", "user_4"], ["Note", "note"]
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
