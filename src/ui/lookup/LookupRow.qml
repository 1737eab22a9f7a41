import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// One row of a lookup reply: the element's name and its value; mail and web rows open outside.
ItemDelegate {
    id: row
    required property LookupScreen screen
    required property var modelData
    required property int index
    readonly property bool opens: modelData.kind === "email" || modelData.kind === "web"

    implicitHeight: Math.max(34, content.implicitHeight + topPadding + bottomPadding)
    topPadding: 6
    bottomPadding: 6
    onClicked: {
        const url = row.screen.rowUrl(row.index)
        if (url.length > 0)
            Qt.openUrlExternally(url)
    }

    contentItem: RowLayout {
        id: content
        spacing: Theme.spacing
        Label {
            text: row.modelData.name
            font.pixelSize: Theme.smallSize
            opacity: 0.7
            Layout.preferredWidth: 110
            elide: Text.ElideRight
        }
        Label {
            text: row.modelData.value
            font.pixelSize: Theme.bodySize
            font.underline: row.opens
            color: row.opens ? "#1f5fbf" : palette.text
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
    }
}
