pragma Singleton
import QtQuick

// Text colours of the entry form's tones: typed, wrong, from earlier QSOs, from a lookup, and an
// operation that does not count for DXCC. The dark theme gets lighter shades, so that each keeps
// a contrast of at least 4.5:1 against the background there too.
QtObject {
    function color(tone, normal, dark) {
        switch (tone) {
        case "error": return dark ? "#ef9a9a" : "#c62828"
        case "log": return dark ? "#90caf9" : "#1e63d6"
        case "lookup": return dark ? "#ffcc80" : "#8d5524"
        case "invalid": return dark ? "#ce93d8" : "#8e24aa"
        case "county": return dark ? "#ffcc80" : "#8d5524"
        case "member": return dark ? "#80cbc4" : "#00695c"
        case "twilight": return dark ? "#ef9a9a" : "#c62828"
        }
        return normal
    }
}
