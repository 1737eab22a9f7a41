import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

ApplicationWindow {
    id: window
    width: 1024
    height: 700
    visible: true
    title: "Brindlewick — " + logbookName

    required property string logbookName
    required property string dataFolder

    ColumnLayout {
        anchors.centerIn: parent
        spacing: 12

        Label {
            Layout.alignment: Qt.AlignHCenter
            text: "Brindlewick"
            font.pixelSize: 32
            font.bold: true
        }
        Label {
            Layout.alignment: Qt.AlignHCenter
            text: "Logbook: " + window.logbookName
            font.pixelSize: 18
        }
        Label {
            Layout.alignment: Qt.AlignHCenter
            text: window.dataFolder
            font.pixelSize: 13
            opacity: 0.7
        }
    }
}
