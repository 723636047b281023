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
-- Narrow and covering: the letter of a linked word without reading the word's row.
CREATE INDEX word_id_letter ON word (id, id_letter);
CREATE INDEX config_lookup ON config (id_user, id_language, key);
