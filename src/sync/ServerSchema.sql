-- The sync server's schema (see ServerApi.h for the functions' contract). Applied by
-- `brindlewick-cli sync init`; every statement may run again, so applying it to a server that has
-- it already is harmless.
--
-- Clients never write the tables: they call join_logbook, add_member, push and pull, which run as
-- the schema's owner and check that the user who logged in (session_user: inside these functions
-- current_user is the owner) is a member of the logbook. Members may read their logbooks' rows
-- directly; row-level security hides everything else.

-- Two installs at the same moment would race on CREATE ... IF NOT EXISTS.
SELECT pg_advisory_xact_lock(hashtext('brindlewick schema'));

CREATE SCHEMA IF NOT EXISTS brindlewick;

CREATE TABLE IF NOT EXISTS brindlewick.logbooks (
    id bigserial PRIMARY KEY,
    name text NOT NULL UNIQUE,
    owner name NOT NULL,
    -- The last number handed out to a changed row. Pushes lock this row, so numbers are given
    -- in commit order: a device that pulled up to N never misses a row committed later with a
    -- lower number.
    last_seq bigint NOT NULL DEFAULT 0
);

CREATE TABLE IF NOT EXISTS brindlewick.members (
    logbook bigint NOT NULL REFERENCES brindlewick.logbooks (id) ON DELETE CASCADE,
    member name NOT NULL,
    PRIMARY KEY (logbook, member)
);
CREATE INDEX IF NOT EXISTS members_member ON brindlewick.members (member);

-- One row per QSO: the merged value of every column and the clock reading that set it. A QSO's
-- first push sets all its columns with one reading (base_hlc); clocks holds only the columns set
-- since by another reading, which keeps the first push of a large logbook quick. A deleted QSO
-- stays as a tombstone (no fields) so that late edits cannot bring it back.
CREATE TABLE IF NOT EXISTS brindlewick.qsos (
    logbook bigint NOT NULL REFERENCES brindlewick.logbooks (id) ON DELETE CASCADE,
    uuid uuid NOT NULL,
    fields jsonb NOT NULL DEFAULT '{}',
    clocks jsonb NOT NULL DEFAULT '{}',
    base_hlc text COLLATE "C" NOT NULL DEFAULT '',
    -- The highest reading of the row, kept so that pull need not look through the clocks.
    hlc text COLLATE "C" NOT NULL,
    deleted boolean NOT NULL DEFAULT false,
    deleted_hlc text COLLATE "C",
    seq bigint NOT NULL,
    PRIMARY KEY (logbook, uuid)
);
CREATE INDEX IF NOT EXISTS qsos_seq ON brindlewick.qsos (logbook, seq);

CREATE TABLE IF NOT EXISTS brindlewick.prefs (
    logbook bigint NOT NULL REFERENCES brindlewick.logbooks (id) ON DELETE CASCADE,
    entry text NOT NULL,
    value text,
    hlc text COLLATE "C" NOT NULL,
    seq bigint NOT NULL,
    PRIMARY KEY (logbook, entry)
);
CREATE INDEX IF NOT EXISTS prefs_seq ON brindlewick.prefs (logbook, seq);

-- The logbooks the logged-in user is a member of. Runs as the owner, so the row-level policies
-- below can use it without recursing into members' own policy.
CREATE OR REPLACE FUNCTION brindlewick.my_logbooks()
RETURNS SETOF bigint
LANGUAGE sql STABLE SECURITY DEFINER
SET search_path = brindlewick, pg_temp
AS $$
    SELECT m.logbook FROM brindlewick.members m WHERE m.member = session_user
$$;

CREATE OR REPLACE FUNCTION brindlewick.check_member(logbook bigint)
RETURNS void
LANGUAGE plpgsql STABLE SECURITY DEFINER
SET search_path = brindlewick, pg_temp
AS $$
BEGIN
    IF NOT EXISTS (SELECT 1 FROM brindlewick.members m
                   WHERE m.logbook = check_member.logbook AND m.member = session_user) THEN
        RAISE EXCEPTION 'not a member of logbook %', check_member.logbook
            USING ERRCODE = 'insufficient_privilege';
    END IF;
END
$$;

CREATE OR REPLACE FUNCTION brindlewick.join_logbook(name text)
RETURNS bigint
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = brindlewick, pg_temp
AS $$
#variable_conflict use_column
DECLARE
    found_id bigint;
BEGIN
    IF join_logbook.name IS NULL OR btrim(join_logbook.name) = '' THEN
        RAISE EXCEPTION 'a logbook needs a name' USING ERRCODE = 'invalid_parameter_value';
    END IF;
    INSERT INTO brindlewick.logbooks (name, owner) VALUES (join_logbook.name, session_user)
        ON CONFLICT (name) DO NOTHING
        RETURNING id INTO found_id;
    IF found_id IS NOT NULL THEN
        INSERT INTO brindlewick.members (logbook, member) VALUES (found_id, session_user);
        RETURN found_id;
    END IF;
    SELECT l.id INTO found_id FROM brindlewick.logbooks l WHERE l.name = join_logbook.name;
    IF NOT EXISTS (SELECT 1 FROM brindlewick.members m
                   WHERE m.logbook = found_id AND m.member = session_user) THEN
        RAISE EXCEPTION 'not a member of logbook %', join_logbook.name
            USING ERRCODE = 'insufficient_privilege';
    END IF;
    RETURN found_id;
END
$$;

-- The logbook's owner lets another database user in; so may whoever runs the server (the
-- schema's owner, who is current_user here, or a superuser).
CREATE OR REPLACE FUNCTION brindlewick.add_member(logbook text, member text)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = brindlewick, pg_temp
AS $$
#variable_conflict use_column
DECLARE
    book brindlewick.logbooks;
BEGIN
    SELECT * INTO book FROM brindlewick.logbooks l WHERE l.name = add_member.logbook;
    IF NOT FOUND THEN
        RAISE EXCEPTION 'no logbook named %', add_member.logbook
            USING ERRCODE = 'no_data_found';
    END IF;
    IF book.owner <> session_user AND session_user <> current_user
       AND NOT (SELECT r.rolsuper FROM pg_catalog.pg_roles r WHERE r.rolname = session_user) THEN
        RAISE EXCEPTION 'only the owner of logbook % adds members', add_member.logbook
            USING ERRCODE = 'insufficient_privilege';
    END IF;
    IF NOT EXISTS (SELECT 1 FROM pg_catalog.pg_roles r WHERE r.rolname = add_member.member) THEN
        RAISE EXCEPTION 'no database user named %', add_member.member
            USING ERRCODE = 'undefined_object';
    END IF;
    INSERT INTO brindlewick.members (logbook, member) VALUES (book.id, add_member.member)
        ON CONFLICT DO NOTHING;
END
$$;

-- Merges a device's changes: per field the value with the highest clock reading stays (readings
-- compare as texts in byte order), a deletion is final, and a change the server has already seen
-- changes nothing. Every row that changed gets its own next number of the logbook.
CREATE OR REPLACE FUNCTION brindlewick.push(logbook bigint, qsos jsonb, prefs jsonb)
RETURNS bigint
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = brindlewick, pg_temp
SET work_mem = '64MB'
AS $$
#variable_conflict use_column
DECLARE
    book_id bigint := push.logbook;
    in_qsos jsonb := coalesce(push.qsos, '[]');
    in_prefs jsonb := coalesce(push.prefs, '[]');
    base bigint;
    merged_count bigint;
    fresh_count bigint;
    pref_count bigint;
    total bigint;
BEGIN
    PERFORM brindlewick.check_member(book_id);
    IF jsonb_typeof(in_qsos) <> 'array' OR jsonb_typeof(in_prefs) <> 'array' THEN
        RAISE EXCEPTION 'push takes two arrays' USING ERRCODE = 'invalid_parameter_value';
    END IF;
    IF jsonb_path_exists(in_qsos, '$[*] ? (@.type() != "object"
            || !exists(@.uuid) || @.uuid.type() != "string"
            || !exists(@.hlc) || @.hlc.type() != "string" || @.hlc == ""
            || @.deleted.type() != "boolean" || @.fields.type() != "object")')
       OR jsonb_path_exists(in_qsos,
            '$[*].fields.* ? (@.type() != "string" && @.type() != "null")')
       OR EXISTS (SELECT 1 FROM jsonb_to_recordset(in_qsos) AS r(fields jsonb)
                  WHERE r.fields ? '') THEN
        RAISE EXCEPTION 'push: a QSO change is not {uuid, hlc, deleted, fields: {column: text}}'
            USING ERRCODE = 'invalid_parameter_value';
    END IF;
    IF jsonb_path_exists(in_prefs, '$[*] ? (@.type() != "object"
            || !exists(@.entry) || @.entry.type() != "string" || @.entry == ""
            || !exists(@.hlc) || @.hlc.type() != "string" || @.hlc == ""
            || (@.value.type() != "string" && @.value.type() != "null"))') THEN
        RAISE EXCEPTION 'push: a setting change is not {entry, value, hlc}'
            USING ERRCODE = 'invalid_parameter_value';
    END IF;

    -- The logbook's lock, held until commit: pushes to one logbook run one after the other, and
    -- the statements below (each with a fresh snapshot) see everything committed before it.
    SELECT l.last_seq INTO base FROM brindlewick.logbooks l WHERE l.id = book_id
        FOR NO KEY UPDATE;

    -- QSOs the server has, deletions, and QSOs changed more than once in this push: merged field
    -- by field.
    WITH incoming AS (
        SELECT r.uuid, r.hlc COLLATE "C" AS hlc, coalesce(r.deleted, false) AS deleted,
               coalesce(r.fields, '{}') AS fields, count(*) OVER (PARTITION BY r.uuid) AS times
        FROM jsonb_to_recordset(in_qsos) AS r(uuid uuid, hlc text, deleted boolean, fields jsonb)
    ),
    changes AS (
        SELECT i.* FROM incoming i
        WHERE i.times > 1 OR i.deleted
           OR EXISTS (SELECT 1 FROM brindlewick.qsos q WHERE q.logbook = book_id AND q.uuid = i.uuid)
    ),
    touched AS (
        SELECT c.uuid, max(c.hlc) FILTER (WHERE c.deleted) AS deleted_hlc
        FROM changes c GROUP BY c.uuid
    ),
    stored AS (
        SELECT q.* FROM brindlewick.qsos q
        WHERE q.logbook = book_id AND q.uuid IN (SELECT t.uuid FROM touched t)
    ),
    -- Per field the latest reading of this push, kept where it beats the stored one.
    winners AS (
        SELECT DISTINCT ON (c.uuid, f.key) c.uuid, f.key, f.value, c.hlc
        FROM changes c
        CROSS JOIN LATERAL jsonb_each(c.fields) f
        LEFT JOIN stored s ON s.uuid = c.uuid
        WHERE NOT c.deleted
          AND (s.uuid IS NULL
               OR (NOT s.deleted
                   AND c.hlc > coalesce(s.clocks ->> f.key, s.base_hlc) COLLATE "C"))
        ORDER BY c.uuid, f.key, c.hlc DESC
    ),
    merged AS (
        SELECT w.uuid, jsonb_object_agg(w.key, w.value) AS fields,
               jsonb_object_agg(w.key, w.hlc) AS clocks, max(w.hlc) AS hlc
        FROM winners w GROUP BY w.uuid
    ),
    result AS (
        SELECT t.uuid, (s.deleted IS NOT TRUE AND t.deleted_hlc IS NOT NULL) AS deleting,
               s.fields AS old_fields, s.clocks AS old_clocks, s.base_hlc AS old_base,
               s.hlc AS old_hlc, t.deleted_hlc, m.fields AS new_fields, m.clocks AS new_clocks,
               m.hlc AS new_hlc
        FROM touched t
        LEFT JOIN stored s ON s.uuid = t.uuid
        LEFT JOIN merged m ON m.uuid = t.uuid
        WHERE (s.deleted IS NOT TRUE AND t.deleted_hlc IS NOT NULL) OR m.uuid IS NOT NULL
    )
    INSERT INTO brindlewick.qsos AS q
        (logbook, uuid, fields, clocks, base_hlc, hlc, deleted, deleted_hlc, seq)
    SELECT book_id, r.uuid,
           CASE WHEN r.deleting THEN '{}' ELSE coalesce(r.old_fields, '{}') || r.new_fields END,
           CASE WHEN r.deleting THEN '{}' ELSE coalesce(r.old_clocks, '{}') || r.new_clocks END,
           CASE WHEN r.deleting THEN r.deleted_hlc ELSE coalesce(r.old_base, '') END,
           CASE WHEN r.deleting THEN r.deleted_hlc ELSE greatest(r.old_hlc, r.new_hlc) END,
           r.deleting,
           CASE WHEN r.deleting THEN r.deleted_hlc END,
           base + row_number() OVER ()
    FROM result r
    ON CONFLICT (logbook, uuid) DO UPDATE
        SET fields = excluded.fields, clocks = excluded.clocks, base_hlc = excluded.base_hlc,
            hlc = excluded.hlc, deleted = excluded.deleted, deleted_hlc = excluded.deleted_hlc,
            seq = excluded.seq;
    GET DIAGNOSTICS merged_count = ROW_COUNT;

    -- New QSOs sent once, the bulk of a first push: stored as they came, without taking their
    -- fields apart.
    WITH incoming AS (
        SELECT r.uuid, r.hlc COLLATE "C" AS hlc, coalesce(r.deleted, false) AS deleted,
               r.fields, count(*) OVER (PARTITION BY r.uuid) AS times
        FROM jsonb_to_recordset(in_qsos) AS r(uuid uuid, hlc text, deleted boolean, fields jsonb)
    )
    INSERT INTO brindlewick.qsos (logbook, uuid, fields, clocks, base_hlc, hlc, deleted, seq)
    SELECT book_id, i.uuid, i.fields, '{}', i.hlc, i.hlc, false,
           base + merged_count + row_number() OVER ()
    FROM incoming i
    WHERE i.times = 1 AND NOT i.deleted AND i.fields IS NOT NULL AND i.fields <> '{}'
      AND NOT EXISTS (SELECT 1 FROM brindlewick.qsos q WHERE q.logbook = book_id AND q.uuid = i.uuid);
    GET DIAGNOSTICS fresh_count = ROW_COUNT;

    WITH incoming AS (
        SELECT DISTINCT ON (r.entry) r.entry, r.value, r.hlc COLLATE "C" AS hlc
        FROM jsonb_to_recordset(in_prefs) AS r(entry text, value text, hlc text)
        ORDER BY r.entry, r.hlc COLLATE "C" DESC
    ),
    changed AS (
        SELECT i.* FROM incoming i
        LEFT JOIN brindlewick.prefs p ON p.logbook = book_id AND p.entry = i.entry
        WHERE p.entry IS NULL OR i.hlc > p.hlc
    )
    INSERT INTO brindlewick.prefs AS p (logbook, entry, value, hlc, seq)
    SELECT book_id, c.entry, c.value, c.hlc,
           base + merged_count + fresh_count + row_number() OVER ()
    FROM changed c
    ON CONFLICT (logbook, entry) DO UPDATE
        SET value = excluded.value, hlc = excluded.hlc, seq = excluded.seq;
    GET DIAGNOSTICS pref_count = ROW_COUNT;

    total := base + merged_count + fresh_count + pref_count;
    IF total = base THEN
        RETURN base;
    END IF;
    UPDATE brindlewick.logbooks l SET last_seq = total WHERE l.id = book_id;
    -- Delivered at commit, so a woken device finds the rows.
    PERFORM pg_notify('brindlewick_' || book_id, total::text);
    RETURN total;
END
$$;

-- The logbook's rows changed after number `after`, oldest first: every QSO as it is now (or its
-- deletion) and every setting.
CREATE OR REPLACE FUNCTION brindlewick.pull(logbook bigint, after bigint, lim int)
RETURNS TABLE (seq bigint, kind text, key text, deleted boolean, data jsonb, hlc text)
LANGUAGE plpgsql STABLE SECURITY DEFINER
SET search_path = brindlewick, pg_temp
AS $$
#variable_conflict use_column
BEGIN
    PERFORM brindlewick.check_member(pull.logbook);
    RETURN QUERY
    SELECT c.seq, c.kind, c.key, c.deleted, c.data, c.hlc FROM (
        (SELECT q.seq, 'qso'::text AS kind, q.uuid::text AS key, q.deleted, q.fields AS data,
                q.hlc::text AS hlc
         FROM brindlewick.qsos q
         WHERE q.logbook = pull.logbook AND q.seq > pull.after
         ORDER BY q.seq LIMIT pull.lim)
        UNION ALL
        (SELECT p.seq, 'pref'::text, p.entry, false, jsonb_build_object('value', p.value),
                p.hlc::text
         FROM brindlewick.prefs p
         WHERE p.logbook = pull.logbook AND p.seq > pull.after
         ORDER BY p.seq LIMIT pull.lim)
    ) c
    ORDER BY c.seq LIMIT pull.lim;
END
$$;

-- Reading: members see their logbooks' rows; writing goes through the functions only.
REVOKE ALL ON ALL TABLES IN SCHEMA brindlewick FROM PUBLIC;
REVOKE ALL ON ALL SEQUENCES IN SCHEMA brindlewick FROM PUBLIC;
GRANT USAGE ON SCHEMA brindlewick TO PUBLIC;
GRANT SELECT ON brindlewick.logbooks, brindlewick.members, brindlewick.qsos, brindlewick.prefs
    TO PUBLIC;
REVOKE ALL ON FUNCTION brindlewick.check_member(bigint) FROM PUBLIC;

ALTER TABLE brindlewick.logbooks ENABLE ROW LEVEL SECURITY;
ALTER TABLE brindlewick.members ENABLE ROW LEVEL SECURITY;
ALTER TABLE brindlewick.qsos ENABLE ROW LEVEL SECURITY;
ALTER TABLE brindlewick.prefs ENABLE ROW LEVEL SECURITY;

DROP POLICY IF EXISTS members_read ON brindlewick.logbooks;
CREATE POLICY members_read ON brindlewick.logbooks FOR SELECT
    USING (id IN (SELECT brindlewick.my_logbooks()));
DROP POLICY IF EXISTS members_read ON brindlewick.members;
CREATE POLICY members_read ON brindlewick.members FOR SELECT
    USING (logbook IN (SELECT brindlewick.my_logbooks()));
DROP POLICY IF EXISTS members_read ON brindlewick.qsos;
CREATE POLICY members_read ON brindlewick.qsos FOR SELECT
    USING (logbook IN (SELECT brindlewick.my_logbooks()));
DROP POLICY IF EXISTS members_read ON brindlewick.prefs;
CREATE POLICY members_read ON brindlewick.prefs FOR SELECT
    USING (logbook IN (SELECT brindlewick.my_logbooks()));
