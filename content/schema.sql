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
