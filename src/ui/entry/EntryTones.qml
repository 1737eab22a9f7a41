pragma Singleton
import QtQuick

// Text colours of the entry form's tones: typed, wrong, from earlier QSOs, from a lookup, and an
// operation that does not count for DXCC.
QtObject {
    function color(tone, normal) {
        switch (tone) {
        case "error": return "#d32f2f"
        case "log": return "#1e63d6"
        case "lookup": return "#8d5524"
        case "invalid": return "#8e24aa"
        }
        return normal
    }
}
