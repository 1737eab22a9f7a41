import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import Brindlewick

ApplicationWindow {
    id: window
    required property AppShell shell
    /** 0 follows the system, 1 light, 2 dark. */
    required property int theme

    visible: true
    // The program's words are shown as they are written, also on buttons and tabs.
    font.capitalization: Font.MixedCase
    title: "Brindlewick \u2014 " + shell.logbookName
    Material.theme: theme === 2 ? Material.Dark : theme === 1 ? Material.Light : Material.System
    Material.primary: Material.Indigo
    Material.accent: Material.Teal

    onActiveChanged: shell.setWindowActive(active)
    onVisibilityChanged: if (window.visibility === Window.Minimized) shell.windowHidden()

    Loader {
        anchors.fill: parent
        sourceComponent: window.shell.layout === AppShell.Phone ? phoneShell : tabletShell
    }
    Component {
        id: phoneShell
        PhoneShell { shell: window.shell }
    }
    Component {
        id: tabletShell
        TabletShell { shell: window.shell }
    }

    // Files dropped on the window are handled like files handed over on the command line.
    DropArea {
        anchors.fill: parent
        onDropped: drop => {
            for (const url of drop.urls)
                window.shell.openFile(url.toString())
            drop.accept()
        }
    }

    QuestionDialog {
        id: overwriteQuestion
        title: window.shell.logbookImport.questionTitle
        message: window.shell.logbookImport.questionMessage
        acceptText: window.shell.logbookImport.overwriteText
        cancelText: window.shell.logbookImport.cancelText
        onAccepted: window.shell.logbookImport.overwrite()
        onRejected: window.shell.logbookImport.cancel()
    }
    Connections {
        target: window.shell.logbookImport
        function onQuestionPendingChanged() {
            if (window.shell.logbookImport.questionPending)
                overwriteQuestion.open()
        }
    }
}
