import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Dialogs
import QtQuick.Layouts
import Brindlewick

// What the log list shows over itself: the row menu, the delete question, the notice after an
// update, the save step of an export and the list's alerts.
Item {
    id: actions
    required property LogListModel list
    anchors.fill: parent

    function openMenu(row) {
        menu.row = row
        menu.entries = list.menuActions(row)
        // Wide enough for its longest entry: a Menu's width does not follow its items.
        let widest = 0
        for (const entry of [{ text: list.menuTitle }].concat(menu.entries)) {
            measure.text = entry.text
            widest = Math.max(widest, measure.advanceWidth)
        }
        menu.width = Math.min(Math.max(200, widest + 48), actions.width)
        menu.popup()
    }

    TextMetrics { id: measure; font.pixelSize: Theme.bodySize + 1 }

    Menu {
        id: menu
        property int row: -1
        property var entries: []
        MenuItem {
            text: actions.list.menuTitle
            enabled: false
            font.weight: Font.DemiBold
        }
        MenuSeparator {}
        Instantiator {
            model: menu.entries
            delegate: MenuItem {
                required property var modelData
                text: modelData.text
                Material.foreground: modelData.destructive ? "#e53935" : menu.Material.foreground
                onTriggered: actions.list.trigger(menu.row, modelData.action)
            }
            onObjectAdded: (index, object) => menu.insertItem(index + 2, object)
            onObjectRemoved: (index, object) => menu.removeItem(object)
        }
    }

    QuestionDialog {
        id: deleteQuestion
        property int row: -1
        title: actions.list.deleteQuestion
        acceptText: actions.list.deleteActionText
        cancelText: actions.list.cancelText
        onAccepted: actions.list.deleteQso(row)
    }

    Dialog {
        id: notice
        title: actions.list.noticeTitle
        modal: true
        closePolicy: Popup.NoAutoClose
        // The entry form keeps its focus; the notice only asks to be read.
        focus: false
        anchors.centerIn: Overlay.overlay
        // The title sits in the content, where it can wrap on a phone rather than lose its end
        // (a wrapping header makes the dialog's height depend on itself). The content's height is
        // the column's at the dialog's width, which is set when the notice opens.
        header: null
        width: 300
        // Gone at once when the list goes (another tab): a fading modal notice would still catch
        // the first clicks on the new screen.
        exit: Transition {}
        contentHeight: noticeContent.implicitHeight
        Column {
            id: noticeContent
            width: notice.availableWidth
            spacing: Theme.spacing
            Label {
                objectName: "noticeTitle"
                width: parent.width
                text: notice.title
                wrapMode: Text.Wrap
                font.pixelSize: Theme.headingSize
                font.weight: Font.DemiBold
            }
            Label {
                width: parent.width
                text: actions.list.noticeText
                wrapMode: Text.Wrap
                font.pixelSize: Theme.bodySize
            }
        }
        footer: DialogButtonBox {
            Button {
                text: actions.list.dontShowAgainText
                flat: true
                onClicked: { actions.list.noticeShown(true); notice.close() }
            }
            Button {
                text: actions.list.okayText
                flat: true
                onClicked: { actions.list.noticeShown(false); notice.close() }
            }
        }
    }

    FileDialog {
        id: saveExport
        fileMode: FileDialog.SaveFile
        nameFilters: [qsTr("ADIF files (*.adif *.adi)")]
        onAccepted: actions.list.saveExport(selectedFile)
    }

    AlertDialog { id: alert }

    Connections {
        target: actions.list
        function onDeleteQuestionRequested(row) {
            deleteQuestion.row = row
            deleteQuestion.open()
        }
        function onExportReady(file, fileName) {
            saveExport.selectedFile = file
            saveExport.open()
        }
        function onAlertRequested(title, message) { alert.show(title, message) }
    }

    // The notice shows when the list is in view; it goes with the list (another tab) and comes
    // back with it until it is answered.
    function showNoticeIfDue() {
        if (actions.visible && list.noticeDue && !notice.opened) {
            // Set when shown, not bound: a bound width loops through the wrapped text's height.
            notice.width = Math.max(280, Math.min(actions.width - 32, 460))
            notice.open()
        }
    }
    onVisibleChanged: visible ? Qt.callLater(showNoticeIfDue) : notice.close()
    Component.onCompleted: Qt.callLater(showNoticeIfDue)
}
