-- Indexes for the logbook's lookups (by station, time, entity, band, IOTA, grid and upload state)
-- and for the orders of the log list.
-- Applied to every logbook when it is chosen, so older files get them too; other programs that
-- open the file are not affected by them.
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
