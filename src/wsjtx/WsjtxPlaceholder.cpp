// Replaced by the WSJT-X listener.
