pragma Singleton
import QtQuick

// How the spot colour names look.
QtObject {
    function of(name, fallback) {
        switch (name) {
        case "red": return "#d32f2f"
        case "orange": return "#ef6c00"
        case "blue": return "#1565c0"
        case "green": return "#2e7d32"
        case "magenta": return "#ad1457"
        }
        return fallback
    }
}
