-- What this program adds to a logbook: the store of the ADIF fields that have no column, and
-- indexes for the logbook's lookups (by station, time, entity, band, IOTA, grid and upload state)
-- and for the orders of the log list.
-- Applied to every logbook when it is chosen, so older files get them too without a change to
-- what they hold; other programs that open the file are not affected by them.

-- Every ADIF field of a QSO that has no column of `logbook` (MY_GRIDSQUARE, SIG_INFO, other
-- programs' APP_ fields, …): its name in lower case, its value (never empty) and its type
-- indicator ("" when none was given). A QSO's fields go with it when it is deleted.
CREATE TABLE IF NOT EXISTS qso_fields (
    qso INTEGER NOT NULL,
    name TEXT NOT NULL,
    value TEXT NOT NULL,
    type TEXT NOT NULL DEFAULT '',
    PRIMARY KEY (qso, name)
) WITHOUT ROWID;
-- Finding QSOs by a field's value: an activation's park, a hunted summit.
CREATE INDEX IF NOT EXISTS qso_fields_value ON qso_fields (name, value);
CREATE TRIGGER IF NOT EXISTS qso_fields_gone AFTER DELETE ON logbook
BEGIN
    DELETE FROM qso_fields WHERE qso = OLD.id;
END;
CREATE TRIGGER IF NOT EXISTS qso_fields_renumbered AFTER UPDATE OF id ON logbook
WHEN OLD.id IS NOT NEW.id
BEGIN
    UPDATE qso_fields SET qso = NEW.id WHERE qso = OLD.id;
END;

CREATE INDEX IF NOT EXISTS logbook_datetime ON logbook (datetime);
-- The entity index also covers what an entity's DX info is built from, so that needs no row reads.
CREATE INDEX IF NOT EXISTS logbook_entity_slots ON logbook (abs(dxccadif), band, mode, qsl, lotwqsl);
CREATE INDEX IF NOT EXISTS logbook_band ON logbook (band);
CREATE INDEX IF NOT EXISTS logbook_iota ON logbook (iota);
CREATE INDEX IF NOT EXISTS logbook_locator ON logbook (locator);
CREATE INDEX IF NOT EXISTS logbook_clublog ON logbook (clublog);
CREATE INDEX IF NOT EXISTS logbook_eqsl ON logbook (eqsl);
-- One index per order of the log list, in exactly the list's order (equal keys newest first), so
-- that a page deep in "all" is read along the index instead of sorting the whole logbook. They
-- hold `datetime` too, so the year ranges are cut from the index alone. The frequency is sorted
-- as a number although stored as text.
CREATE INDEX IF NOT EXISTS logbook_list_qrg ON logbook (cast(qrg as real), datetime DESC, id DESC);
CREATE INDEX IF NOT EXISTS logbook_list_mode ON logbook (mode, datetime DESC, id DESC);
CREATE INDEX IF NOT EXISTS logbook_list_callsign ON logbook (callsign, datetime DESC, id DESC);
-- The list's callsign index serves every lookup by callsign too, so the plain one of older files
-- goes (one index less to write with every QSO).
DROP INDEX IF EXISTS logbook_callsign;
