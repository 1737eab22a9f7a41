import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// A section title with an optional line of explanation below it.
ColumnLayout {
    property alias text: title.text
    property alias detail: detailLabel.text

    spacing: 4
    Layout.fillWidth: true

    Label {
        id: title
        font.pixelSize: Theme.headingSize
        font.weight: Font.DemiBold
        Layout.fillWidth: true
        wrapMode: Text.Wrap
    }
    Label {
        id: detailLabel
        visible: text.length > 0
        opacity: 0.75
        font.pixelSize: Theme.smallSize
        Layout.fillWidth: true
        wrapMode: Text.Wrap
    }
}
