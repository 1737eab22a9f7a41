-- Layout of IOTA.db: the IOTA reference of every entity that is one island group, and the US
-- counties by state for the county pickers.
BEGIN;

CREATE TABLE islands (reference TEXT, dxcc INTEGER);
CREATE TABLE counties (state TEXT, county TEXT);

CREATE INDEX islands_dxcc ON islands (dxcc);
CREATE INDEX counties_state ON counties (state);

COMMIT;
