import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// Picks the moment the grayline map shows: day, month, year, hour and minute, all UTC.
Dialog {
    id: dialog
    signal momentChosen(int year, int month, int day, int hour, int minute)

    readonly property int firstYear: 1970
    readonly property int yearCount: 131

    title: qsTr("Date and time (UTC)")
    modal: true
    standardButtons: Dialog.Ok | Dialog.Cancel
    anchors.centerIn: Overlay.overlay

    function numbers(first, count) {
        const texts = []
        for (let i = 0; i < count; ++i)
            texts.push(String(first + i).padStart(2, "0"))
        return texts
    }
    function openAt(moment) {
        const shown = moment && !isNaN(moment.getTime()) ? moment : new Date()
        year.currentIndex = shown.getUTCFullYear() - firstYear
        month.currentIndex = shown.getUTCMonth()
        day.currentIndex = shown.getUTCDate() - 1
        hour.currentIndex = shown.getUTCHours()
        minute.currentIndex = shown.getUTCMinutes()
        open()
    }

    onAccepted: momentChosen(firstYear + year.currentIndex, month.currentIndex + 1,
                             day.currentIndex + 1, hour.currentIndex, minute.currentIndex)

    RowLayout {
        spacing: 4
        Tumbler { id: day; objectName: "dayTumbler"; model: dialog.numbers(1, 31) }
        Tumbler {
            id: month
            objectName: "monthTumbler"
            model: [qsTr("Jan"), qsTr("Feb"), qsTr("Mar"), qsTr("Apr"), qsTr("May"), qsTr("Jun"), qsTr("Jul"), qsTr("Aug"), qsTr("Sep"), qsTr("Oct"), qsTr("Nov"), qsTr("Dec")]
        }
        Tumbler {
            id: year
            objectName: "yearTumbler"
            model: dialog.numbers(dialog.firstYear, dialog.yearCount)
            Layout.preferredWidth: 70
        }
        Label { text: "  "; }
        Tumbler { id: hour; objectName: "hourTumbler"; model: dialog.numbers(0, 24) }
        Label { text: ":"; font.pixelSize: Theme.headingSize }
        Tumbler { id: minute; objectName: "minuteTumbler"; model: dialog.numbers(0, 60) }
    }
}
