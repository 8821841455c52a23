-- SPDX-License-Identifier: GPL-3.0-or-later
-- The class's record on a school's PostgreSQL server: the schema, and two roles with the least privilege.
--
-- Run once, as the server's superuser, in a database made for it:
--     createdb numerella && psql -v ON_ERROR_STOP=1 -d numerella -f /usr/share/numerella/numerella-server.sql
--
-- numerella_postazione (the PCs): adds players, games and answers, reads the rows of its classes; never
--     changes or removes anything.
-- numerella_insegnante (the teacher): the same, and may remove a child with all her games.
-- Both are groups without login: give each lab or teacher a login role in one of them, and name in
-- numerella.classi which classes each login role (or a group it belongs to) may see.
--
-- Times are ISO 8601 text in UTC, as the program's own file keeps them, so the same queries read both.

BEGIN;

DO $$
BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'numerella_postazione') THEN
        CREATE ROLE numerella_postazione NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'numerella_insegnante') THEN
        CREATE ROLE numerella_insegnante NOLOGIN IN ROLE numerella_postazione;
    END IF;
END
$$;

CREATE SCHEMA numerella;
REVOKE ALL ON SCHEMA numerella FROM PUBLIC;
GRANT USAGE ON SCHEMA numerella TO numerella_postazione;
SET search_path TO numerella;

-- The program refuses a server whose number differs from its own.
CREATE TABLE versione (numero INTEGER NOT NULL);
INSERT INTO versione (numero) VALUES (1);

-- Which login roles (or groups of them) play in and read which class.
CREATE TABLE classi (
    classe VARCHAR(40) NOT NULL,
    ruolo REGROLE NOT NULL,
    PRIMARY KEY (classe, ruolo));

-- A child is her name within her class, whichever PC she plays on.
CREATE TABLE giocatori (
    id BIGINT GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
    classe VARCHAR(40) NOT NULL,
    nome VARCHAR(160) NOT NULL,
    creato VARCHAR(32) NOT NULL,
    UNIQUE (classe, nome));

-- uuid is the game's id from the PC that played it: a game sent twice is kept once.
CREATE TABLE partite (
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
CREATE INDEX partite_giocatore ON partite (giocatore, inizio);

CREATE TABLE domande (
    partita BIGINT NOT NULL REFERENCES partite (id) ON DELETE CASCADE,
    ordine INTEGER NOT NULL,
    riga INTEGER NOT NULL,
    colonna INTEGER NOT NULL,
    millisecondi INTEGER,
    sbagliate INTEGER NOT NULL,
    PRIMARY KEY (partita, ordine));

CREATE TABLE sbagliate (
    partita BIGINT NOT NULL REFERENCES partite (id) ON DELETE CASCADE,
    ordine INTEGER NOT NULL,
    riga INTEGER NOT NULL,
    colonna INTEGER NOT NULL,
    valore VARCHAR(16) NOT NULL,
    millisecondi INTEGER NOT NULL);
CREATE INDEX sbagliate_partita ON sbagliate (partita, ordine);

-- Each role sees only the rows of its classes; the games and answers follow their player.
ALTER TABLE giocatori ENABLE ROW LEVEL SECURITY;
ALTER TABLE partite ENABLE ROW LEVEL SECURITY;
ALTER TABLE domande ENABLE ROW LEVEL SECURITY;
ALTER TABLE sbagliate ENABLE ROW LEVEL SECURITY;
CREATE POLICY della_classe ON giocatori
    USING (classe IN (SELECT c.classe FROM classi c WHERE pg_has_role(current_user, c.ruolo::oid, 'MEMBER')));
CREATE POLICY della_classe ON partite USING (giocatore IN (SELECT id FROM giocatori));
CREATE POLICY della_classe ON domande USING (partita IN (SELECT id FROM partite));
CREATE POLICY della_classe ON sbagliate USING (partita IN (SELECT id FROM partite));

GRANT SELECT ON versione, classi TO numerella_postazione;
GRANT SELECT, INSERT ON giocatori, partite, domande, sbagliate TO numerella_postazione;
-- Removing a child removes her games and answers with her (ON DELETE CASCADE).
GRANT DELETE ON giocatori TO numerella_insegnante;

COMMIT;
