import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import Brindlewick

// The frame's profile switch: the active station profile's name; a tap lists the profiles.
Button {
    id: chip
    required property AppShell shell
    readonly property StationProfiles profiles: shell.stationProfiles

    objectName: "stationChip"
    flat: true
    font.pixelSize: Theme.smallSize
    font.capitalization: Font.MixedCase
    text: "\u2691 " + (profiles.activeName.length > 0 ? profiles.activeName
                                                      : qsTr("No station profile"))
    onClicked: {
        // The synced log's list may have changed on another device since it was last read.
        profiles.syncWithLogbook()
        menu.popup(chip, 0, chip.height)
    }

    Menu {
        id: menu
        Repeater {
            model: chip.profiles.names
            MenuItem {
                required property string modelData
                text: modelData
                checkable: true
                checked: modelData === chip.profiles.activeName
                onTriggered: chip.profiles.select(modelData)
            }
        }
        MenuSeparator {}
        MenuItem {
            text: qsTr("Station profiles\u2026")
            onTriggered: chip.shell.showScreen(Screens.StationProfiles)
        }
        MenuItem {
            text: qsTr("Activation\u2026")
            onTriggered: chip.shell.showScreen(Screens.Activation)
        }
    }
}
