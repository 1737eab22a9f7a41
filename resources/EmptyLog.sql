-- The template every new logbook is copied from. The column order of `logbook` is a file format:
-- rows are read by position, so columns are never reordered or inserted, only appended.
BEGIN;

CREATE TABLE logbook (
    id INTEGER PRIMARY KEY,
    date TEXT,
    time TEXT,
    callsign TEXT,
    band TEXT,
    qrg TEXT,
    mode TEXT,
    rsttx TEXT,
    rstrx TEXT,
    qsl TEXT,
    lotwqsl TEXT,
    eqsl TEXT,
    dxcc TEXT,
    cq TEXT,
    itu TEXT,
    cnt TEXT,
    state TEXT,
    note TEXT,
    locator TEXT,
    manager TEXT,
    qslindate TEXT,
    qsloutdate TEXT,
    datetime TEXT,
    iota TEXT,
    satname TEXT,
    satmode TEXT,
    satrxband TEXT,
    power TEXT,
    dxccadif INTEGER,
    name TEXT,
    qth TEXT,
    prefix TEXT,
    county TEXT,
    clublog TEXT,
    arrlcredit INTEGER,
    user_1 TEXT,
    user_2 TEXT,
    user_3 TEXT,
    user_4 TEXT
);

CREATE TABLE dxlist (
    dxcc TEXT,
    info TEXT,
    dxccadif INTEGER UNIQUE
);

CREATE TABLE prefs (
    entry TEXT PRIMARY KEY,
    value TEXT
);

INSERT INTO prefs (entry, value) VALUES ('appname', 'Morvalen');
INSERT INTO prefs (entry, value) VALUES ('dbversion', '4');

COMMIT;
