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
    name text NOT NULL,
    owner name NOT NULL,
    -- The last number handed out to a changed row. Pushes lock this row, so numbers are given
    -- in commit order: a device that pulled up to N never misses a row committed later with a
    -- lower number.
    last_seq bigint NOT NULL DEFAULT 0
);
-- Names are each owner's own, so that joining never tells whether another user has a logbook
-- of that name. A server made by an older version had them unique across users.
ALTER TABLE brindlewick.logbooks DROP CONSTRAINT IF EXISTS logbooks_name_key;
CREATE UNIQUE INDEX IF NOT EXISTS logbooks_owner_name ON brindlewick.logbooks (owner, name);
-- The channel a push notifies: a name no one outside the logbook can guess (members read it).
ALTER TABLE brindlewick.logbooks ADD COLUMN IF NOT EXISTS channel text;
UPDATE brindlewick.logbooks SET channel = 'brindlewick_' || replace(gen_random_uuid()::text, '-', '')
    WHERE channel IS NULL;
ALTER TABLE brindlewick.logbooks
    ALTER COLUMN channel SET DEFAULT 'brindlewick_' || replace(gen_random_uuid()::text, '-', ''),
    ALTER COLUMN channel SET NOT NULL;

CREATE TABLE IF NOT EXISTS brindlewick.members (
    logbook bigint NOT NULL REFERENCES brindlewick.logbooks (id) ON DELETE CASCADE,
    member name NOT NULL,
    PRIMARY KEY (logbook, member)
);
CREATE INDEX IF NOT EXISTS members_member ON brindlewick.members (member);

-- One row per QSO: the merged value of every column and the clock reading that set it. A QSO's
-- first push sets its columns with one reading (base_hlc); clocks holds only the columns set by
-- another reading, which keeps the first push of a large logbook quick. A deleted QSO
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

-- The oldest logbook of that name the user belongs to (their own, or one whose owner let them
-- in); a new one of their own when there is none. Another user's logbook of the same name stays
-- out of sight, so the answer never tells which names exist.
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
    SELECT l.id INTO found_id FROM brindlewick.logbooks l
        JOIN brindlewick.members m ON m.logbook = l.id AND m.member = session_user
        WHERE l.name = join_logbook.name ORDER BY l.id LIMIT 1;
    IF found_id IS NOT NULL THEN
        RETURN found_id;
    END IF;
    INSERT INTO brindlewick.logbooks (name, owner) VALUES (join_logbook.name, session_user)
        ON CONFLICT (owner, name) DO NOTHING
        RETURNING id INTO found_id;
    IF found_id IS NULL THEN
        SELECT l.id INTO found_id FROM brindlewick.logbooks l
            WHERE l.owner = session_user AND l.name = join_logbook.name;
    END IF;
    INSERT INTO brindlewick.members (logbook, member) VALUES (found_id, session_user)
        ON CONFLICT DO NOTHING;
    RETURN found_id;
END
$$;

-- The owner of a logbook lets another database user in; so may whoever runs the server (the
-- schema's owner, who is current_user here, or a superuser), naming any logbook of that name
-- when there is only one.
CREATE OR REPLACE FUNCTION brindlewick.add_member(logbook text, member text)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = brindlewick, pg_temp
AS $$
#variable_conflict use_column
DECLARE
    book_id bigint;
    admin boolean := session_user = current_user
        OR (SELECT r.rolsuper FROM pg_catalog.pg_roles r WHERE r.rolname = session_user);
BEGIN
    SELECT l.id INTO book_id FROM brindlewick.logbooks l
        WHERE l.name = add_member.logbook AND l.owner = session_user;
    IF book_id IS NULL AND admin THEN
        IF (SELECT count(*) FROM brindlewick.logbooks l WHERE l.name = add_member.logbook) > 1
        THEN
            RAISE EXCEPTION 'several users have a logbook named %: let its owner add members',
                add_member.logbook USING ERRCODE = 'cardinality_violation';
        END IF;
        SELECT l.id INTO book_id FROM brindlewick.logbooks l WHERE l.name = add_member.logbook;
    END IF;
    IF book_id IS NULL THEN
        RAISE EXCEPTION 'you own no logbook named %', add_member.logbook
            USING ERRCODE = 'no_data_found';
    END IF;
    IF NOT EXISTS (SELECT 1 FROM pg_catalog.pg_roles r WHERE r.rolname = add_member.member) THEN
        RAISE EXCEPTION 'no database user named %', add_member.member
            USING ERRCODE = 'undefined_object';
    END IF;
    INSERT INTO brindlewick.members (logbook, member) VALUES (book_id, add_member.member)
        ON CONFLICT DO NOTHING;
END
$$;

-- The channel that push notifies for a logbook; members only.
CREATE OR REPLACE FUNCTION brindlewick.channel(logbook bigint)
RETURNS text
LANGUAGE plpgsql STABLE SECURITY DEFINER
SET search_path = brindlewick, pg_temp
AS $$
BEGIN
    PERFORM brindlewick.check_member(channel.logbook);
    RETURN (SELECT l.channel FROM brindlewick.logbooks l WHERE l.id = channel.logbook);
END
$$;

-- A clock reading as devices write it: 18 digits of milliseconds, 5 of counter, the device.
-- Readings compare as texts, so anything else (or one from the far future) would win every
-- merge for good. A device's clock may be a little ahead of the server's, not more than five
-- minutes.
CREATE OR REPLACE FUNCTION brindlewick.check_clock(reading text)
RETURNS void
LANGUAGE plpgsql
SET search_path = brindlewick, pg_temp
AS $$
DECLARE
    limit_ms bigint := (extract(epoch FROM clock_timestamp()) * 1000)::bigint + 300000;
BEGIN
    IF reading IS NULL OR reading !~ '^[0-9]{18}\.[0-9]{5}\.[0-9A-Za-z-]{1,64}$' THEN
        RAISE EXCEPTION 'push: "%" is not a clock reading', left(reading, 80)
            USING ERRCODE = 'invalid_parameter_value';
    END IF;
    IF substr(reading, 1, 18)::bigint > limit_ms THEN
        RAISE EXCEPTION 'push: a change is stamped % UTC, more than 5 minutes ahead of the server''s clock; check this device''s clock',
            to_char(to_timestamp(least(substr(reading, 1, 18)::bigint, 253402300799999) / 1000.0)
                    AT TIME ZONE 'UTC', 'YYYY-MM-DD HH24:MI:SS')
            USING ERRCODE = 'invalid_parameter_value';
    END IF;
END
$$;

-- Older versions returned one number from push and pull took no clocks; their signatures go.
DROP FUNCTION IF EXISTS brindlewick.push(bigint, jsonb, jsonb);
DROP FUNCTION IF EXISTS brindlewick.pull(bigint, bigint, integer);

-- Merges a device's changes: per field the value with the highest clock reading stays (readings
-- compare as texts in byte order), a deletion is final, and a change the server has already seen
-- changes nothing. A QSO change carries one reading (hlc) and, for fields changed at another
-- time, their own readings (clocks). Every row that changed gets its own next number of the
-- logbook. Returns the logbook's number before and after, and the key ("qso:<uuid>" or
-- "pref:<entry>") of the row holding the last number.
CREATE FUNCTION brindlewick.push(logbook bigint, qsos jsonb, prefs jsonb)
RETURNS TABLE (before bigint, after bigint, last_key text)
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
            || !exists(@.hlc) || @.hlc.type() != "string"
            || @.deleted.type() != "boolean" || @.fields.type() != "object"
            || (exists(@.clocks) && @.clocks.type() != "object"))')
       OR jsonb_path_exists(in_qsos,
            '$[*].fields.* ? (@.type() != "string" && @.type() != "null")')
       OR jsonb_path_exists(in_qsos, '$[*].clocks.* ? (@.type() != "string")')
       OR EXISTS (SELECT 1 FROM jsonb_to_recordset(in_qsos) AS r(fields jsonb)
                  WHERE r.fields ? '') THEN
        RAISE EXCEPTION 'push: a QSO change is not {uuid, hlc, deleted, fields: {column: text}, clocks: {column: hlc}}'
            USING ERRCODE = 'invalid_parameter_value';
    END IF;
    IF jsonb_path_exists(in_prefs, '$[*] ? (@.type() != "object"
            || !exists(@.entry) || @.entry.type() != "string" || @.entry == ""
            || !exists(@.hlc) || @.hlc.type() != "string"
            || (@.value.type() != "string" && @.value.type() != "null"))') THEN
        RAISE EXCEPTION 'push: a setting change is not {entry, value, hlc}'
            USING ERRCODE = 'invalid_parameter_value';
    END IF;
    PERFORM brindlewick.check_clock(c.reading) FROM (
        SELECT DISTINCT x.reading FROM (
            SELECT jsonb_array_elements(in_qsos) ->> 'hlc' AS reading
            UNION ALL
            SELECT jsonb_path_query(in_qsos, '$[*].clocks.*') #>> '{}'
            UNION ALL
            SELECT jsonb_array_elements(in_prefs) ->> 'hlc') x) c;

    -- The logbook's lock, held until commit: pushes to one logbook run one after the other, and
    -- the statements below (each with a fresh snapshot) see everything committed before it.
    SELECT l.last_seq INTO base FROM brindlewick.logbooks l WHERE l.id = book_id
        FOR NO KEY UPDATE;

    -- QSOs the server has, deletions, and QSOs changed more than once in this push: merged field
    -- by field, each field with its own reading.
    WITH incoming AS (
        SELECT r.uuid, r.hlc COLLATE "C" AS hlc, coalesce(r.deleted, false) AS deleted,
               coalesce(r.fields, '{}') AS fields, coalesce(r.clocks, '{}') AS clocks,
               count(*) OVER (PARTITION BY r.uuid) AS times
        FROM jsonb_to_recordset(in_qsos)
            AS r(uuid uuid, hlc text, deleted boolean, fields jsonb, clocks jsonb)
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
        SELECT DISTINCT ON (c.uuid, f.key) c.uuid, f.key, f.value, f.hlc
        FROM changes c
        CROSS JOIN LATERAL (
            SELECT e.key, e.value, coalesce(c.clocks ->> e.key, c.hlc) COLLATE "C" AS hlc
            FROM jsonb_each(c.fields) e) f
        LEFT JOIN stored s ON s.uuid = c.uuid
        WHERE NOT c.deleted
          AND (s.uuid IS NULL
               OR (NOT s.deleted
                   AND f.hlc > coalesce(s.clocks ->> f.key, s.base_hlc) COLLATE "C"))
        ORDER BY c.uuid, f.key, f.hlc DESC
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
               r.fields, coalesce(r.clocks, '{}') AS clocks,
               count(*) OVER (PARTITION BY r.uuid) AS times
        FROM jsonb_to_recordset(in_qsos)
            AS r(uuid uuid, hlc text, deleted boolean, fields jsonb, clocks jsonb)
    )
    INSERT INTO brindlewick.qsos (logbook, uuid, fields, clocks, base_hlc, hlc, deleted, seq)
    SELECT book_id, i.uuid, i.fields, i.clocks, i.hlc,
           greatest(i.hlc, (SELECT max(v.value #>> '{}') COLLATE "C" FROM jsonb_each(i.clocks) v)),
           false, base + merged_count + row_number() OVER ()
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
    IF total > base THEN
        UPDATE brindlewick.logbooks l SET last_seq = total WHERE l.id = book_id;
        -- Delivered at commit, so a woken device finds the rows.
        PERFORM pg_notify((SELECT l.channel FROM brindlewick.logbooks l WHERE l.id = book_id),
                          total::text);
    END IF;
    RETURN QUERY SELECT base, total, (
        SELECT 'qso:' || q.uuid FROM brindlewick.qsos q WHERE q.logbook = book_id AND q.seq = total
        UNION ALL
        SELECT 'pref:' || p.entry FROM brindlewick.prefs p
            WHERE p.logbook = book_id AND p.seq = total
        LIMIT 1);
END
$$;

-- The logbook's rows changed after number `after`, oldest first: every QSO as it is now (or its
-- deletion) with the reading of each field (clocks, else base), and every setting.
CREATE FUNCTION brindlewick.pull(logbook bigint, after bigint, lim int)
RETURNS TABLE (seq bigint, kind text, key text, deleted boolean, data jsonb, hlc text,
               base text, clocks jsonb)
LANGUAGE plpgsql STABLE SECURITY DEFINER
SET search_path = brindlewick, pg_temp
AS $$
#variable_conflict use_column
BEGIN
    PERFORM brindlewick.check_member(pull.logbook);
    RETURN QUERY
    SELECT c.seq, c.kind, c.key, c.deleted, c.data, c.hlc, c.base, c.clocks FROM (
        (SELECT q.seq, 'qso'::text AS kind, q.uuid::text AS key, q.deleted, q.fields AS data,
                q.hlc::text AS hlc, q.base_hlc::text AS base, q.clocks
         FROM brindlewick.qsos q
         WHERE q.logbook = pull.logbook AND q.seq > pull.after
         ORDER BY q.seq LIMIT pull.lim)
        UNION ALL
        (SELECT p.seq, 'pref'::text, p.entry, false, jsonb_build_object('value', p.value),
                p.hlc::text, p.hlc::text, '{}'::jsonb
         FROM brindlewick.prefs p
         WHERE p.logbook = pull.logbook AND p.seq > pull.after
         ORDER BY p.seq LIMIT pull.lim)
    ) c
    ORDER BY c.seq LIMIT pull.lim;
END
$$;

-- Whether the server still holds what a device pulled up to number `after`, whose last row was
-- `last_key`: rows only ever move to higher numbers, so a server restored from a backup taken
-- before that row was numbered has it lower or not at all.
CREATE OR REPLACE FUNCTION brindlewick.holds(logbook bigint, after bigint, last_key text)
RETURNS boolean
LANGUAGE plpgsql STABLE SECURITY DEFINER
SET search_path = brindlewick, pg_temp
AS $$
BEGIN
    PERFORM brindlewick.check_member(holds.logbook);
    IF holds.after <= 0 THEN
        RETURN true;
    END IF;
    IF (SELECT l.last_seq FROM brindlewick.logbooks l WHERE l.id = holds.logbook) < holds.after
    THEN
        RETURN false;
    END IF;
    IF coalesce(holds.last_key, '') = '' THEN
        RETURN true;
    END IF;
    IF holds.last_key LIKE 'qso:%' THEN
        RETURN EXISTS (SELECT 1 FROM brindlewick.qsos q
                       WHERE q.logbook = holds.logbook AND q.seq >= holds.after
                         AND q.uuid::text = substr(holds.last_key, 5));
    END IF;
    RETURN EXISTS (SELECT 1 FROM brindlewick.prefs p
                   WHERE p.logbook = holds.logbook AND p.seq >= holds.after
                     AND p.entry = substr(holds.last_key, 6));
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
