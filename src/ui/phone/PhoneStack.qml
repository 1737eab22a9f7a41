import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Brindlewick

// One tab's navigation stack with a title bar and a back button.
Page {
    id: root
    required property AppShell shell
    property Component rootPage
    property var rootProperties: ({})
    /** The tablet's first tab shows its bar only over the first screen. */
    property bool showRootHeader: true

    /** Opens a settings section (a Screens value) over the tab's screens. */
    function open(screen) {
        const sections = shell.settingsSections
        let title = ""
        for (let i = 0; i < sections.length; ++i)
            if (sections[i].screen === screen)
                title = sections[i].title
        stack.push(sectionPage, { screen: screen, title: title })
    }
    function popToRoot() { stack.pop(null) }
    /** Opens a page over the tab's screens. */
    function push(component, properties) { stack.push(component, properties) }

    header: ToolBar {
        visible: root.showRootHeader || stack.depth > 1
        RowLayout {
            anchors.fill: parent
            spacing: 0
            ToolButton {
                objectName: "backButton"
                text: "\u2039"
                font.pixelSize: 30
                visible: stack.depth > 1
                onClicked: stack.pop()
                Layout.preferredWidth: Theme.touchHeight
            }
            Label {
                text: stack.currentItem ? stack.currentItem.title : ""
                font.pixelSize: Theme.headingSize
                font.weight: Font.DemiBold
                elide: Text.ElideRight
                verticalAlignment: Text.AlignVCenter
                leftPadding: stack.depth > 1 ? 0 : Theme.margin
                Layout.fillWidth: true
            }
            // The phone's profile switch, on each tab's first screen (the tablet has its own).
            StationChip {
                shell: root.shell
                visible: root.shell.layout === AppShell.Phone && stack.depth === 1
            }
        }
    }

    StackView {
        id: stack
        anchors.fill: parent
        Component.onCompleted: push(root.rootPage, root.rootProperties, StackView.Immediate)
    }

    Component {
        id: sectionPage
        Page {
            id: section
            property int screen
            SettingsSection {
                anchors.fill: parent
                shell: root.shell
                screen: section.screen
            }
        }
    }
}
