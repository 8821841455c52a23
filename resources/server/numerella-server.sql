-- SPDX-License-Identifier: GPL-3.0-or-later
-- The class's record on a school's PostgreSQL server: the schema, and roles with the least privilege.
--
-- Run as the server's superuser in the database made for it, to set it up and again to bring an
-- older schema up to this one (it keeps every game):
--     psql -v ON_ERROR_STOP=1 -d numerella -f numerella-server.sql
--
-- numerella_proprietario: owns the schema; nobody logs in as it.
-- numerella_postazione (the PCs): reads the rows of its classes and records a whole game, once, through
--     registra_partita(); never changes or removes anything, and writes no table directly.
-- numerella_insegnante (the teacher): the same, and may remove a child with all her games.
-- Both are groups without login: give each lab or teacher a login role in one of them, and name in
-- numerella.classi which classes each login role (or a group it belongs to) may see.
--
-- Times are ISO 8601 text in UTC, as the program's own file keeps them, so the same queries read both.

SET client_min_messages = warning;
BEGIN;

DO $$
DECLARE
    trovata INTEGER;
BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'numerella_proprietario') THEN
        CREATE ROLE numerella_proprietario NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'numerella_postazione') THEN
        CREATE ROLE numerella_postazione NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'numerella_insegnante') THEN
        CREATE ROLE numerella_insegnante NOLOGIN IN ROLE numerella_postazione;
    END IF;
    -- Nobody but the owners makes objects here: no temporary tables, nothing in public.
    EXECUTE format('REVOKE TEMP ON DATABASE %I FROM PUBLIC', current_database());
    IF EXISTS (SELECT 1 FROM pg_tables WHERE schemaname = 'numerella' AND tablename = 'versione') THEN
        EXECUTE 'SELECT MAX(numero) FROM numerella.versione' INTO trovata;
        IF trovata > 2 THEN
            RAISE EXCEPTION 'the schema numerella is of version %, newer than this script', trovata;
        END IF;
    END IF;
END
$$;
REVOKE CREATE ON SCHEMA public FROM PUBLIC;

CREATE SCHEMA IF NOT EXISTS numerella;
ALTER SCHEMA numerella OWNER TO numerella_proprietario;
REVOKE ALL ON SCHEMA numerella FROM PUBLIC;
GRANT USAGE ON SCHEMA numerella TO numerella_postazione;
SET search_path TO numerella;

-- The program refuses a server whose number differs from its own.
CREATE TABLE IF NOT EXISTS versione (numero INTEGER NOT NULL);

-- Which login roles (or groups of them) play in and read which class.
CREATE TABLE IF NOT EXISTS classi (
    classe VARCHAR(40) NOT NULL,
    ruolo REGROLE NOT NULL,
    PRIMARY KEY (classe, ruolo));

-- A child is her name within her class, whichever PC she plays on.
CREATE TABLE IF NOT EXISTS giocatori (
    id BIGINT GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
    classe VARCHAR(40) NOT NULL,
    nome VARCHAR(160) NOT NULL,
    creato VARCHAR(32) NOT NULL,
    UNIQUE (classe, nome));

-- uuid is the game's id from the PC that played it: a game is written once, and never again.
CREATE TABLE IF NOT EXISTS partite (
    id BIGINT GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
    uuid VARCHAR(36) NOT NULL UNIQUE,
    giocatore BIGINT NOT NULL REFERENCES giocatori (id) ON DELETE CASCADE,
    inizio VARCHAR(32) NOT NULL,
    fine VARCHAR(32),
    celle VARCHAR(100) NOT NULL,
    secondi INTEGER,
    errori INTEGER,
    esatte INTEGER,
    esito VARCHAR(16),
    postazione VARCHAR(300));
CREATE INDEX IF NOT EXISTS partite_giocatore ON partite (giocatore, inizio);

CREATE TABLE IF NOT EXISTS domande (
    partita BIGINT NOT NULL REFERENCES partite (id) ON DELETE CASCADE,
    ordine INTEGER NOT NULL,
    riga INTEGER NOT NULL,
    colonna INTEGER NOT NULL,
    millisecondi INTEGER,
    sbagliate INTEGER NOT NULL,
    PRIMARY KEY (partita, ordine));

-- A wrong answer is kept up to its first 16 characters, as on the PCs.
CREATE TABLE IF NOT EXISTS sbagliate (
    partita BIGINT NOT NULL REFERENCES partite (id) ON DELETE CASCADE,
    ordine INTEGER NOT NULL,
    riga INTEGER NOT NULL,
    colonna INTEGER NOT NULL,
    valore VARCHAR(16) NOT NULL,
    millisecondi INTEGER NOT NULL);
CREATE INDEX IF NOT EXISTS sbagliate_partita ON sbagliate (partita, ordine);

ALTER TABLE versione OWNER TO numerella_proprietario;
ALTER TABLE classi OWNER TO numerella_proprietario;
ALTER TABLE giocatori OWNER TO numerella_proprietario;
ALTER TABLE partite OWNER TO numerella_proprietario;
ALTER TABLE domande OWNER TO numerella_proprietario;
ALTER TABLE sbagliate OWNER TO numerella_proprietario;

-- Each role sees only the rows of its classes; the games and answers follow their player. The owner,
-- writing through registra_partita(), is not limited.
ALTER TABLE classi ENABLE ROW LEVEL SECURITY;
ALTER TABLE giocatori ENABLE ROW LEVEL SECURITY;
ALTER TABLE partite ENABLE ROW LEVEL SECURITY;
ALTER TABLE domande ENABLE ROW LEVEL SECURITY;
ALTER TABLE sbagliate ENABLE ROW LEVEL SECURITY;
DROP POLICY IF EXISTS della_classe ON classi;
DROP POLICY IF EXISTS della_classe ON giocatori;
DROP POLICY IF EXISTS della_classe ON partite;
DROP POLICY IF EXISTS della_classe ON domande;
DROP POLICY IF EXISTS della_classe ON sbagliate;
CREATE POLICY della_classe ON classi USING (pg_has_role(current_user, ruolo::oid, 'MEMBER'));
CREATE POLICY della_classe ON giocatori USING (classe IN (SELECT c.classe FROM classi c));
CREATE POLICY della_classe ON partite USING (giocatore IN (SELECT id FROM giocatori));
CREATE POLICY della_classe ON domande USING (partita IN (SELECT id FROM partite));
CREATE POLICY della_classe ON sbagliate USING (partita IN (SELECT id FROM partite));

-- Whether a JSON value is a whole number from minimo to massimo; SQL or JSON null counts when facoltativo.
CREATE OR REPLACE FUNCTION intero(v JSONB, minimo BIGINT, massimo BIGINT, facoltativo BOOLEAN DEFAULT FALSE)
RETURNS BOOLEAN
LANGUAGE sql IMMUTABLE
SET search_path = numerella, pg_temp
AS $$
    SELECT CASE
        WHEN v IS NULL OR jsonb_typeof(v) = 'null' THEN facoltativo
        WHEN jsonb_typeof(v) <> 'number' THEN FALSE
        ELSE v::NUMERIC BETWEEN minimo AND massimo AND v::NUMERIC = trunc(v::NUMERIC)
    END
$$;
ALTER FUNCTION intero(JSONB, BIGINT, BIGINT, BOOLEAN) OWNER TO numerella_proprietario;
REVOKE ALL ON FUNCTION intero(JSONB, BIGINT, BIGINT, BOOLEAN) FROM PUBLIC;

-- A whole game with its answers, written at once for a child of a class the caller plays in. A game
-- already there is left as it is: false tells that nothing was written. The answers are JSON arrays of
-- objects with the columns' names. Everything is checked first: a game that is not one the program
-- could have played is refused with the name of what is wrong, never with the value itself (a PC may
-- send anything, and the server's log keeps the message).
CREATE OR REPLACE FUNCTION registra_partita(
    p_classe VARCHAR, p_nome VARCHAR, p_creato VARCHAR, p_uuid VARCHAR, p_inizio VARCHAR,
    p_fine VARCHAR, p_celle VARCHAR, p_secondi INTEGER, p_errori INTEGER, p_esatte INTEGER,
    p_esito VARCHAR, p_postazione VARCHAR, p_domande JSONB, p_sbagliate JSONB)
RETURNS BOOLEAN
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = numerella, pg_temp
AS $$
DECLARE
    v_giocatore BIGINT;
    v_partita BIGINT;
    v_regola RECORD;
    v_sbagliato TEXT;
BEGIN
    -- The texts: each within its column, and all but the PC's name not empty.
    v_sbagliato := CASE
        WHEN p_classe IS NULL OR length(p_classe) NOT BETWEEN 1 AND 40 THEN 'p_classe'
        WHEN p_nome IS NULL OR length(p_nome) NOT BETWEEN 1 AND 160 THEN 'p_nome'
        WHEN p_creato IS NULL OR length(p_creato) NOT BETWEEN 1 AND 32 THEN 'p_creato'
        WHEN p_uuid IS NULL OR length(p_uuid) NOT BETWEEN 1 AND 36 THEN 'p_uuid'
        WHEN p_inizio IS NULL OR length(p_inizio) NOT BETWEEN 1 AND 32 THEN 'p_inizio'
        -- Only games that ended are sent: finished, stopped or cut off.
        WHEN p_fine IS NULL OR length(p_fine) NOT BETWEEN 1 AND 32 THEN 'p_fine'
        WHEN p_esito IS NULL OR p_esito NOT IN ('finita', 'fermata', 'interrotta') THEN 'p_esito'
        WHEN p_celle IS NULL OR p_celle !~ '^[01]{100}$' THEN 'p_celle'
        WHEN p_secondi IS NULL OR p_secondi < 0 THEN 'p_secondi'
        WHEN p_errori IS NULL OR p_errori < 0 THEN 'p_errori'
        WHEN p_esatte IS NULL OR p_esatte NOT BETWEEN 0 AND 100 THEN 'p_esatte'
        WHEN length(p_postazione) > 300 THEN 'p_postazione'
        -- One answer a cell at most; the wrong ones many, but not without end.
        WHEN p_domande IS NULL OR jsonb_typeof(p_domande) <> 'array' OR jsonb_array_length(p_domande) > 100
            THEN 'p_domande'
        WHEN p_sbagliate IS NULL OR jsonb_typeof(p_sbagliate) <> 'array'
            OR jsonb_array_length(p_sbagliate) > 10000 THEN 'p_sbagliate'
        WHEN EXISTS (SELECT 1 FROM jsonb_array_elements(p_domande) d WHERE jsonb_typeof(d) <> 'object')
            THEN 'p_domande'
        WHEN EXISTS (SELECT 1 FROM jsonb_array_elements(p_sbagliate) s WHERE jsonb_typeof(s) <> 'object')
            THEN 'p_sbagliate'
        -- A wrong answer is kept up to 16 characters: the PC sends no more.
        WHEN EXISTS (SELECT 1 FROM jsonb_array_elements(p_sbagliate) s
                     WHERE jsonb_typeof(s -> 'valore') IS DISTINCT FROM 'string'
                         OR length(s ->> 'valore') > 16) THEN 'valore in p_sbagliate'
    END;
    IF v_sbagliato IS NULL THEN
        FOR v_regola IN SELECT * FROM (VALUES
                ('p_domande', 'ordine', 1, 100, FALSE), ('p_domande', 'riga', 1, 10, FALSE),
                ('p_domande', 'colonna', 1, 10, FALSE), ('p_domande', 'millisecondi', 0, 2147483647, TRUE),
                ('p_domande', 'sbagliate', 0, 2147483647, FALSE), ('p_sbagliate', 'ordine', 1, 100, FALSE),
                ('p_sbagliate', 'riga', 1, 10, FALSE), ('p_sbagliate', 'colonna', 1, 10, FALSE),
                ('p_sbagliate', 'millisecondi', 0, 2147483647, FALSE))
                AS r (parametro, chiave, minimo, massimo, facoltativo) LOOP
            IF EXISTS (SELECT 1
                       FROM jsonb_array_elements(CASE WHEN v_regola.parametro = 'p_domande' THEN p_domande
                                                      ELSE p_sbagliate END) e
                       WHERE NOT intero(e -> v_regola.chiave, v_regola.minimo, v_regola.massimo,
                                        v_regola.facoltativo)) THEN
                v_sbagliato := format('%s in %s (a whole number from %s to %s)', v_regola.chiave,
                                      v_regola.parametro, v_regola.minimo, v_regola.massimo);
                EXIT;
            END IF;
        END LOOP;
    END IF;
    IF v_sbagliato IS NOT NULL THEN
        RAISE EXCEPTION USING ERRCODE = 'check_violation',
            MESSAGE = format('registra_partita: %s is not valid', v_sbagliato);
    END IF;

    IF NOT EXISTS (SELECT 1 FROM classi c
                   WHERE c.classe = p_classe AND pg_has_role(session_user, c.ruolo::oid, 'MEMBER')) THEN
        RAISE EXCEPTION USING ERRCODE = 'insufficient_privilege',
            MESSAGE = format('%s does not play in class %s', session_user, p_classe);
    END IF;
    IF EXISTS (SELECT 1 FROM partite WHERE uuid = p_uuid) THEN
        RETURN FALSE;
    END IF;
    INSERT INTO giocatori (classe, nome, creato) VALUES (p_classe, p_nome, p_creato)
        ON CONFLICT (classe, nome) DO NOTHING;
    SELECT id INTO STRICT v_giocatore FROM giocatori WHERE classe = p_classe AND nome = p_nome;
    -- Another PC sending the same game at the same moment: the first one writes it.
    INSERT INTO partite (uuid, giocatore, inizio, fine, celle, secondi, errori, esatte, esito, postazione)
        VALUES (p_uuid, v_giocatore, p_inizio, p_fine, p_celle, p_secondi, p_errori, p_esatte, p_esito,
                p_postazione)
        ON CONFLICT (uuid) DO NOTHING
        RETURNING id INTO v_partita;
    IF v_partita IS NULL THEN
        RETURN FALSE;
    END IF;
    INSERT INTO domande (partita, ordine, riga, colonna, millisecondi, sbagliate)
        SELECT v_partita, d.ordine, d.riga, d.colonna, d.millisecondi, d.sbagliate
        FROM jsonb_to_recordset(p_domande)
            AS d (ordine INTEGER, riga INTEGER, colonna INTEGER, millisecondi INTEGER, sbagliate INTEGER);
    INSERT INTO sbagliate (partita, ordine, riga, colonna, valore, millisecondi)
        SELECT v_partita, s.ordine, s.riga, s.colonna, s.valore, s.millisecondi
        FROM jsonb_to_recordset(p_sbagliate)
            AS s (ordine INTEGER, riga INTEGER, colonna INTEGER, valore TEXT, millisecondi INTEGER);
    RETURN TRUE;
END
$$;
ALTER FUNCTION registra_partita(VARCHAR, VARCHAR, VARCHAR, VARCHAR, VARCHAR, VARCHAR, VARCHAR, INTEGER,
                                INTEGER, INTEGER, VARCHAR, VARCHAR, JSONB, JSONB)
    OWNER TO numerella_proprietario;
REVOKE ALL ON FUNCTION registra_partita(VARCHAR, VARCHAR, VARCHAR, VARCHAR, VARCHAR, VARCHAR, VARCHAR,
                                        INTEGER, INTEGER, INTEGER, VARCHAR, VARCHAR, JSONB, JSONB)
    FROM PUBLIC;
GRANT EXECUTE ON FUNCTION registra_partita(VARCHAR, VARCHAR, VARCHAR, VARCHAR, VARCHAR, VARCHAR, VARCHAR,
                                           INTEGER, INTEGER, INTEGER, VARCHAR, VARCHAR, JSONB, JSONB)
    TO numerella_postazione;

-- Reading only: the tables are written by registra_partita() alone.
REVOKE ALL ON versione, classi, giocatori, partite, domande, sbagliate
    FROM PUBLIC, numerella_postazione, numerella_insegnante;
GRANT SELECT ON versione, classi, giocatori, partite, domande, sbagliate TO numerella_postazione;
-- Removing a child removes her games and answers with her (ON DELETE CASCADE).
GRANT DELETE ON giocatori TO numerella_insegnante;

-- Version 2: games written whole by registra_partita(), classes seen only by their own roles.
DELETE FROM versione;
INSERT INTO versione (numero) VALUES (2);

COMMIT;
