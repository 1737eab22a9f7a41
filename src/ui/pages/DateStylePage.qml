import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// How dates are shown in the log.
Page {
    id: page
    required property DateStyleSettings dateStyle

    ColumnLayout {
        x: Theme.margin
        y: Theme.margin
        width: Math.min(parent.width - 2 * Theme.margin, Theme.contentWidth)
        spacing: Theme.spacing

        Label {
            text: qsTr("Dates in the log are shown in this style; times are always UTC.")
            opacity: 0.75
            font.pixelSize: Theme.smallSize
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
        RadioButton {
            objectName: "shortStyle"
            text: qsTr("Short \u2014 %1").arg(page.dateStyle.shortExample)
            font.pixelSize: Theme.bodySize
            checked: page.dateStyle.dateFormatIndex === 0
            onToggled: if (checked) page.dateStyle.dateFormatIndex = 0
        }
        RadioButton {
            objectName: "mediumStyle"
            text: qsTr("Medium \u2014 %1").arg(page.dateStyle.mediumExample)
            font.pixelSize: Theme.bodySize
            checked: page.dateStyle.dateFormatIndex === 1
            onToggled: if (checked) page.dateStyle.dateFormatIndex = 1
        }
    }
}
