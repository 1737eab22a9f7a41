-- Layout of ClublogDXCC.db, the shipped DXCC reference database, and of its empty template
-- ClublogDXCC_empty.db that the Club Log country-file import fills. Dates are UTC texts
-- "yyyy-MM-dd HH:mm:ss" compared as text; an open period runs from "1900-01-01 00:00:00" to
-- "2099-12-31 23:59:59". The resolver reads `dxcc` rows by position, so its columns are never
-- reordered.
BEGIN;

CREATE TABLE dxcc (
    name TEXT,
    prefix TEXT,
    deleted INTEGER,
    cqz INTEGER,
    cont TEXT,
    long REAL,
    lat REAL,
    adif INTEGER,
    start TEXT,
    end TEXT
);

CREATE TABLE callsigns (callsign TEXT, adif INTEGER, start TEXT, end TEXT);
CREATE TABLE prefixes (prefix TEXT, adif INTEGER, start TEXT, end TEXT);
CREATE TABLE invalid (callsign TEXT, start TEXT, end TEXT);
-- Main ITU zone per entity; the country file has none, so the import keeps this table.
CREATE TABLE itu (adif INTEGER, itu INTEGER);

CREATE INDEX callsigns_callsign ON callsigns (callsign);
CREATE INDEX prefixes_prefix ON prefixes (prefix);
CREATE INDEX invalid_callsign ON invalid (callsign);
CREATE INDEX dxcc_adif ON dxcc (adif);
CREATE INDEX itu_adif ON itu (adif);

COMMIT;
