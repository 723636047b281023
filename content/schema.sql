-- Quelvanto database schema. The program never creates tables: the build turns this file
-- and seed.sql into data/bd.

CREATE TABLE language (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    name TEXT NOT NULL
);

CREATE TABLE letter (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    name TEXT NOT NULL,
    id_language INTEGER NOT NULL
);

CREATE TABLE category (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    name TEXT NOT NULL,
    id_language INTEGER NOT NULL
);

CREATE TABLE word (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    name TEXT NOT NULL,
    fullName TEXT NOT NULL,
    image TEXT NOT NULL DEFAULT '',
    sign TEXT NOT NULL DEFAULT '',
    lips TEXT NOT NULL DEFAULT '',
    id_letter INTEGER NOT NULL
);

CREATE TABLE word_x_category (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    id_word INTEGER NOT NULL,
    id_category INTEGER NOT NULL,
    UNIQUE (id_word, id_category)
);

CREATE TABLE user (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    name TEXT NOT NULL,
    last_login TEXT,
    created_in TEXT
);

CREATE TABLE config (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    key TEXT NOT NULL,
    data INTEGER NOT NULL DEFAULT 0,
    id_user INTEGER NOT NULL DEFAULT 0,
    id_language INTEGER NOT NULL
);

-- The random draws filter letters by language and words by letter and category.
CREATE INDEX letter_language ON letter (id_language);
CREATE INDEX word_letter ON word (id_letter, fullName);
CREATE INDEX word_category_category ON word_x_category (id_category, id_word);
CREATE INDEX config_lookup ON config (id_user, id_language, key);

-- The letter of every word-category link, kept by the triggers below. Draws filtered by
-- categories read only the links of the chosen categories within one letter, instead of
-- every word of the letter or every link of the categories.
CREATE TABLE letter_x_category (
    id_letter INTEGER NOT NULL,
    id_category INTEGER NOT NULL,
    id_word INTEGER NOT NULL,
    PRIMARY KEY (id_letter, id_category, id_word)
) WITHOUT ROWID;

CREATE TRIGGER link_added AFTER INSERT ON word_x_category BEGIN
    INSERT OR IGNORE INTO letter_x_category (id_letter, id_category, id_word)
        SELECT id_letter, NEW.id_category, NEW.id_word FROM word WHERE id = NEW.id_word;
END;

CREATE TRIGGER link_removed AFTER DELETE ON word_x_category BEGIN
    DELETE FROM letter_x_category WHERE id_word = OLD.id_word AND id_category = OLD.id_category;
END;

CREATE TRIGGER link_changed AFTER UPDATE OF id_word, id_category ON word_x_category BEGIN
    DELETE FROM letter_x_category WHERE id_word = OLD.id_word AND id_category = OLD.id_category;
    INSERT OR IGNORE INTO letter_x_category (id_letter, id_category, id_word)
        SELECT id_letter, NEW.id_category, NEW.id_word FROM word WHERE id = NEW.id_word;
END;

CREATE TRIGGER word_added AFTER INSERT ON word BEGIN
    INSERT OR IGNORE INTO letter_x_category (id_letter, id_category, id_word)
        SELECT NEW.id_letter, id_category, NEW.id FROM word_x_category WHERE id_word = NEW.id;
END;

CREATE TRIGGER word_moved AFTER UPDATE OF id, id_letter ON word BEGIN
    DELETE FROM letter_x_category WHERE id_word = OLD.id;
    INSERT OR IGNORE INTO letter_x_category (id_letter, id_category, id_word)
        SELECT NEW.id_letter, id_category, NEW.id FROM word_x_category WHERE id_word = NEW.id;
END;

CREATE TRIGGER word_removed AFTER DELETE ON word BEGIN
    DELETE FROM letter_x_category WHERE id_word = OLD.id;
END;

-- Every word of a letter at a dense position 0..n-1, and every link of a letter and category
-- likewise, kept by the triggers below: a draw picks a random position with two index
-- look-ups, whatever the number of candidates. A removed entry's hole takes the last one.
CREATE TABLE word_slot (
    id_letter INTEGER NOT NULL,
    slot INTEGER NOT NULL,
    id_word INTEGER NOT NULL,
    PRIMARY KEY (id_letter, slot)
) WITHOUT ROWID;
CREATE INDEX word_slot_word ON word_slot (id_word);

CREATE TABLE link_slot (
    id_letter INTEGER NOT NULL,
    id_category INTEGER NOT NULL,
    slot INTEGER NOT NULL,
    id_word INTEGER NOT NULL,
    PRIMARY KEY (id_letter, id_category, slot)
) WITHOUT ROWID;
CREATE INDEX link_slot_word ON link_slot (id_letter, id_category, id_word);

CREATE TRIGGER word_slot_added AFTER INSERT ON word BEGIN
    INSERT INTO word_slot (id_letter, slot, id_word)
        VALUES (NEW.id_letter, coalesce((SELECT max(slot) + 1 FROM word_slot
                                         WHERE id_letter = NEW.id_letter), 0), NEW.id);
END;

CREATE TRIGGER word_slot_removed AFTER DELETE ON word BEGIN
    UPDATE word_slot SET id_word = (SELECT id_word FROM word_slot WHERE id_letter = OLD.id_letter
                                    ORDER BY slot DESC LIMIT 1)
        WHERE id_letter = OLD.id_letter AND id_word = OLD.id;
    DELETE FROM word_slot WHERE id_letter = OLD.id_letter
        AND slot = (SELECT max(slot) FROM word_slot WHERE id_letter = OLD.id_letter);
END;

CREATE TRIGGER word_slot_moved AFTER UPDATE OF id, id_letter ON word BEGIN
    UPDATE word_slot SET id_word = (SELECT id_word FROM word_slot WHERE id_letter = OLD.id_letter
                                    ORDER BY slot DESC LIMIT 1)
        WHERE id_letter = OLD.id_letter AND id_word = OLD.id;
    DELETE FROM word_slot WHERE id_letter = OLD.id_letter
        AND slot = (SELECT max(slot) FROM word_slot WHERE id_letter = OLD.id_letter);
    INSERT INTO word_slot (id_letter, slot, id_word)
        VALUES (NEW.id_letter, coalesce((SELECT max(slot) + 1 FROM word_slot
                                         WHERE id_letter = NEW.id_letter), 0), NEW.id);
END;

CREATE TRIGGER link_slot_added AFTER INSERT ON letter_x_category BEGIN
    INSERT INTO link_slot (id_letter, id_category, slot, id_word)
        VALUES (NEW.id_letter, NEW.id_category,
                coalesce((SELECT max(slot) + 1 FROM link_slot WHERE id_letter = NEW.id_letter
                          AND id_category = NEW.id_category), 0), NEW.id_word);
END;

CREATE TRIGGER link_slot_removed AFTER DELETE ON letter_x_category BEGIN
    UPDATE link_slot SET id_word = (SELECT id_word FROM link_slot WHERE id_letter = OLD.id_letter
                                    AND id_category = OLD.id_category ORDER BY slot DESC LIMIT 1)
        WHERE id_letter = OLD.id_letter AND id_category = OLD.id_category
        AND id_word = OLD.id_word;
    DELETE FROM link_slot WHERE id_letter = OLD.id_letter AND id_category = OLD.id_category
        AND slot = (SELECT max(slot) FROM link_slot WHERE id_letter = OLD.id_letter
                    AND id_category = OLD.id_category);
END;

-- One row per finished item of an activity: what a child practised and how it went.
-- Presentation items ask nothing: their wrong_answers and revealed are NULL (seen only).
CREATE TABLE attempt (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    id_user INTEGER NOT NULL,
    id_word INTEGER NOT NULL,
    id_letter INTEGER NOT NULL,
    activity INTEGER NOT NULL,
    started_at TEXT,
    finished_at TEXT,
    wrong_answers INTEGER,
    revealed INTEGER,
    media TEXT NOT NULL DEFAULT ''
);
-- Both cover what the teacher's view reads, so a long record is read from the index alone.
CREATE INDEX attempt_user ON attempt (id_user, finished_at, wrong_answers, revealed, media);
CREATE INDEX attempt_word ON attempt (id_user, id_word, id_letter, wrong_answers, revealed, finished_at);

-- The review box of each word a child has missed, kept by the trigger below: a miss (a
-- wrong first answer or a reveal) puts it in box 1, a right first try one box up; box k is
-- due again 2^(k-1) days after that answer.
CREATE TABLE review_box (
    id_user INTEGER NOT NULL,
    id_word INTEGER NOT NULL,
    id_letter INTEGER NOT NULL,
    box INTEGER NOT NULL,
    due_on TEXT NOT NULL,
    PRIMARY KEY (id_user, id_word)
) WITHOUT ROWID;
CREATE INDEX review_box_due ON review_box (id_user, id_letter, due_on);
CREATE INDEX review_box_word ON review_box (id_word);

CREATE TRIGGER attempt_answered AFTER INSERT ON attempt WHEN NEW.wrong_answers IS NOT NULL BEGIN
    INSERT OR REPLACE INTO review_box (id_user, id_word, id_letter, box, due_on)
        SELECT NEW.id_user, NEW.id_word, NEW.id_letter, 1, date(NEW.finished_at, '+1 days')
        WHERE NEW.wrong_answers > 0 OR NEW.revealed <> 0;
    UPDATE review_box SET box = min(box + 1, 12),
                          due_on = date(NEW.finished_at, '+' || (1 << min(box, 11)) || ' days')
        WHERE id_user = NEW.id_user AND id_word = NEW.id_word
        AND NEW.wrong_answers = 0 AND coalesce(NEW.revealed, 0) = 0;
END;

CREATE TRIGGER review_word_removed AFTER DELETE ON word BEGIN
    DELETE FROM review_box WHERE id_word = OLD.id;
END;

CREATE TRIGGER review_word_moved AFTER UPDATE OF id_letter ON word BEGIN
    UPDATE review_box SET id_letter = NEW.id_letter WHERE id_word = NEW.id;
END;

-- The migrations of the program bring older files up to this version.
PRAGMA user_version = 3;
