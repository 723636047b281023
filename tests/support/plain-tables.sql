-- The seven tables as another tool would make them: primary keys and the unique link pair
-- only, no index, no table or trigger of our own, user_version 0.
CREATE TABLE language (id INTEGER PRIMARY KEY, name TEXT);
CREATE TABLE letter (id INTEGER PRIMARY KEY, name TEXT, id_language INTEGER);
CREATE TABLE category (id INTEGER PRIMARY KEY, name TEXT, id_language INTEGER);
CREATE TABLE word (id INTEGER PRIMARY KEY, name TEXT, fullName TEXT, image TEXT, sign TEXT,
                   lips TEXT, id_letter INTEGER);
CREATE TABLE word_x_category (id INTEGER PRIMARY KEY, id_word INTEGER, id_category INTEGER,
                              UNIQUE (id_word, id_category));
CREATE TABLE user (id INTEGER PRIMARY KEY, name TEXT, last_login DATETIME, created_in DATETIME);
CREATE TABLE config (id INTEGER PRIMARY KEY, key TEXT, data INTEGER, id_user INTEGER,
                     id_language INTEGER);
