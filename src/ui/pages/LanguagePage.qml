import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// The language of the screens: the system's or one chosen here, used from the next start.
Page {
    id: page
    required property LanguageSettings language

    ColumnLayout {
        x: Theme.margin
        y: Theme.margin
        width: Math.min(parent.width - 2 * Theme.margin, Theme.contentWidth)
        spacing: Theme.spacing

        Label {
            text: qsTr("The screens are shown in this language. Logbook texts, ADIF and the command-line tool stay as they are.")
            opacity: 0.75
            font.pixelSize: Theme.smallSize
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
        RadioButton {
            objectName: "language-system"
            text: qsTr("As the system (%1)").arg(page.language.systemLanguageName)
            font.pixelSize: Theme.bodySize
            checked: page.language.language === ""
            onToggled: if (checked) page.language.language = ""
        }
        Repeater {
            model: page.language.choices
            RadioButton {
                required property var modelData
                objectName: "language-" + modelData.code
                text: modelData.name
                font.pixelSize: Theme.bodySize
                checked: page.language.language === modelData.code
                onToggled: if (checked) page.language.language = modelData.code
            }
        }
        Label {
            objectName: "restartNote"
            text: page.language.changedSinceStart
                  ? qsTr("The new language is used from the next start of Brindlewick.")
                  : qsTr("A change is used from the next start of Brindlewick.")
            font.pixelSize: Theme.smallSize
            font.bold: page.language.changedSinceStart
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
    }
}
