pragma Singleton
import QtQuick

// Sizes shared by every screen, so both screen sets look alike.
QtObject {
    readonly property int spacing: 12
    readonly property int margin: 20
    readonly property int bodySize: 15
    readonly property int smallSize: 13
    readonly property int headingSize: 20
    readonly property int titleSize: 22
    readonly property int touchHeight: 48
    readonly property int contentWidth: 760
}
