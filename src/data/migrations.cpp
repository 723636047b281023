#include "migrations.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>

namespace {

// Step 1: the indexes of the draws and the letter of every word-category link, for a file
// made with the seven plain tables only. Older files of ours have some of it already.
const QStringList drawIndexes = {
    "CREATE INDEX IF NOT EXISTS letter_language ON letter (id_language)",
    "CREATE INDEX IF NOT EXISTS word_letter ON word (id_letter, fullName)",
    "CREATE INDEX IF NOT EXISTS word_category_category ON word_x_category (id_category, id_word)",
    "CREATE INDEX IF NOT EXISTS config_lookup ON config (id_user, id_language, key)",
    "CREATE TABLE IF NOT EXISTS letter_x_category (id_letter INTEGER NOT NULL, id_category "
    "INTEGER NOT NULL, id_word INTEGER NOT NULL, PRIMARY KEY (id_letter, id_category, id_word)) "
    "WITHOUT ROWID",
    "INSERT OR IGNORE INTO letter_x_category (id_letter, id_category, id_word) SELECT "
    "w.id_letter, wc.id_category, wc.id_word FROM word_x_category wc JOIN word w ON w.id = "
    "wc.id_word",
    R"(CREATE TRIGGER IF NOT EXISTS link_added AFTER INSERT ON word_x_category BEGIN
    INSERT OR IGNORE INTO letter_x_category (id_letter, id_category, id_word)
        SELECT id_letter, NEW.id_category, NEW.id_word FROM word WHERE id = NEW.id_word;
END)",
    R"(CREATE TRIGGER IF NOT EXISTS link_removed AFTER DELETE ON word_x_category BEGIN
    DELETE FROM letter_x_category WHERE id_word = OLD.id_word AND id_category = OLD.id_category;
END)",
    R"(CREATE TRIGGER IF NOT EXISTS link_changed AFTER UPDATE OF id_word, id_category ON word_x_category BEGIN
    DELETE FROM letter_x_category WHERE id_word = OLD.id_word AND id_category = OLD.id_category;
    INSERT OR IGNORE INTO letter_x_category (id_letter, id_category, id_word)
        SELECT id_letter, NEW.id_category, NEW.id_word FROM word WHERE id = NEW.id_word;
END)",
    R"(CREATE TRIGGER IF NOT EXISTS word_added AFTER INSERT ON word BEGIN
    INSERT OR IGNORE INTO letter_x_category (id_letter, id_category, id_word)
        SELECT NEW.id_letter, id_category, NEW.id FROM word_x_category WHERE id_word = NEW.id;
END)",
    R"(CREATE TRIGGER IF NOT EXISTS word_moved AFTER UPDATE OF id, id_letter ON word BEGIN
    DELETE FROM letter_x_category WHERE id_word = OLD.id;
    INSERT OR IGNORE INTO letter_x_category (id_letter, id_category, id_word)
        SELECT NEW.id_letter, id_category, NEW.id FROM word_x_category WHERE id_word = NEW.id;
END)",
    R"(CREATE TRIGGER IF NOT EXISTS word_removed AFTER DELETE ON word BEGIN
    DELETE FROM letter_x_category WHERE id_word = OLD.id;
END)",
};

// Step 2: dense positions of the words of each letter and of the links of each letter and
// category, so that a draw costs two index look-ups.
const QStringList drawSlots = {
    "CREATE TABLE word_slot (id_letter INTEGER NOT NULL, slot INTEGER NOT NULL, id_word INTEGER "
    "NOT NULL, PRIMARY KEY (id_letter, slot)) WITHOUT ROWID",
    "CREATE INDEX word_slot_word ON word_slot (id_word)",
    "INSERT INTO word_slot (id_letter, slot, id_word) SELECT id_letter, row_number() OVER "
    "(PARTITION BY id_letter ORDER BY id) - 1, id FROM word",
    "CREATE TABLE link_slot (id_letter INTEGER NOT NULL, id_category INTEGER NOT NULL, slot "
    "INTEGER NOT NULL, id_word INTEGER NOT NULL, PRIMARY KEY (id_letter, id_category, slot)) "
    "WITHOUT ROWID",
    "CREATE INDEX link_slot_word ON link_slot (id_letter, id_category, id_word)",
    "INSERT INTO link_slot (id_letter, id_category, slot, id_word) SELECT id_letter, "
    "id_category, row_number() OVER (PARTITION BY id_letter, id_category ORDER BY id_word) - 1, "
    "id_word FROM letter_x_category",
    R"(CREATE TRIGGER word_slot_added AFTER INSERT ON word BEGIN
    INSERT INTO word_slot (id_letter, slot, id_word)
        VALUES (NEW.id_letter, coalesce((SELECT max(slot) + 1 FROM word_slot
                                         WHERE id_letter = NEW.id_letter), 0), NEW.id);
END)",
    R"(CREATE TRIGGER word_slot_removed AFTER DELETE ON word BEGIN
    UPDATE word_slot SET id_word = (SELECT id_word FROM word_slot WHERE id_letter = OLD.id_letter
                                    ORDER BY slot DESC LIMIT 1)
        WHERE id_letter = OLD.id_letter AND id_word = OLD.id;
    DELETE FROM word_slot WHERE id_letter = OLD.id_letter
        AND slot = (SELECT max(slot) FROM word_slot WHERE id_letter = OLD.id_letter);
END)",
    R"(CREATE TRIGGER word_slot_moved AFTER UPDATE OF id, id_letter ON word BEGIN
    UPDATE word_slot SET id_word = (SELECT id_word FROM word_slot WHERE id_letter = OLD.id_letter
                                    ORDER BY slot DESC LIMIT 1)
        WHERE id_letter = OLD.id_letter AND id_word = OLD.id;
    DELETE FROM word_slot WHERE id_letter = OLD.id_letter
        AND slot = (SELECT max(slot) FROM word_slot WHERE id_letter = OLD.id_letter);
    INSERT INTO word_slot (id_letter, slot, id_word)
        VALUES (NEW.id_letter, coalesce((SELECT max(slot) + 1 FROM word_slot
                                         WHERE id_letter = NEW.id_letter), 0), NEW.id);
END)",
    R"(CREATE TRIGGER link_slot_added AFTER INSERT ON letter_x_category BEGIN
    INSERT INTO link_slot (id_letter, id_category, slot, id_word)
        VALUES (NEW.id_letter, NEW.id_category,
                coalesce((SELECT max(slot) + 1 FROM link_slot WHERE id_letter = NEW.id_letter
                          AND id_category = NEW.id_category), 0), NEW.id_word);
END)",
    R"(CREATE TRIGGER link_slot_removed AFTER DELETE ON letter_x_category BEGIN
    UPDATE link_slot SET id_word = (SELECT id_word FROM link_slot WHERE id_letter = OLD.id_letter
                                    AND id_category = OLD.id_category ORDER BY slot DESC LIMIT 1)
        WHERE id_letter = OLD.id_letter AND id_category = OLD.id_category
        AND id_word = OLD.id_word;
    DELETE FROM link_slot WHERE id_letter = OLD.id_letter AND id_category = OLD.id_category
        AND slot = (SELECT max(slot) FROM link_slot WHERE id_letter = OLD.id_letter
                    AND id_category = OLD.id_category);
END)",
};

// Step 3: the record of every finished item and the review boxes of missed words.
const QStringList attemptRecord = {
    "CREATE TABLE attempt (id INTEGER PRIMARY KEY AUTOINCREMENT, id_user INTEGER NOT NULL, "
    "id_word INTEGER NOT NULL, id_letter INTEGER NOT NULL, activity INTEGER NOT NULL, "
    "started_at TEXT, finished_at TEXT, wrong_answers INTEGER, revealed INTEGER, media TEXT NOT "
    "NULL DEFAULT '')",
    "CREATE INDEX attempt_user ON attempt (id_user, finished_at, wrong_answers, revealed, media)",
    "CREATE INDEX attempt_word ON attempt (id_user, id_word, id_letter, wrong_answers, revealed, "
    "finished_at)",
    "CREATE TABLE review_box (id_user INTEGER NOT NULL, id_word INTEGER NOT NULL, id_letter "
    "INTEGER NOT NULL, box INTEGER NOT NULL, due_on TEXT NOT NULL, PRIMARY KEY (id_user, "
    "id_word)) WITHOUT ROWID",
    "CREATE INDEX review_box_due ON review_box (id_user, id_letter, due_on)",
    "CREATE INDEX review_box_word ON review_box (id_word)",
    R"(CREATE TRIGGER attempt_answered AFTER INSERT ON attempt WHEN NEW.wrong_answers IS NOT NULL BEGIN
    INSERT OR REPLACE INTO review_box (id_user, id_word, id_letter, box, due_on)
        SELECT NEW.id_user, NEW.id_word, NEW.id_letter, 1, date(NEW.finished_at, '+1 days')
        WHERE NEW.wrong_answers > 0 OR NEW.revealed <> 0;
    UPDATE review_box SET box = min(box + 1, 12),
                          due_on = date(NEW.finished_at, '+' || (1 << min(box, 11)) || ' days')
        WHERE id_user = NEW.id_user AND id_word = NEW.id_word
        AND NEW.wrong_answers = 0 AND coalesce(NEW.revealed, 0) = 0;
END)",
    R"(CREATE TRIGGER review_word_removed AFTER DELETE ON word BEGIN
    DELETE FROM review_box WHERE id_word = OLD.id;
END)",
    R"(CREATE TRIGGER review_word_moved AFTER UPDATE OF id_letter ON word BEGIN
    UPDATE review_box SET id_letter = NEW.id_letter WHERE id_word = NEW.id;
END)",
};

// Step n brings version n - 1 to version n.
const QList<const QStringList *> steps = {&drawIndexes, &drawSlots, &attemptRecord};
static_assert(Migrations::currentVersion == 3, "one step per version");

// The file copied aside first; a copy left by an earlier failed attempt is replaced.
bool keepBackup(const QString &path, int version)
{
    const QString backup = Migrations::backupPath(path, version);
    const QString partial = backup + QStringLiteral(".part");
    QFile::remove(partial);
    if (!QFile::copy(path, partial))
        return false;
    QFile::remove(backup);
    return QFile::rename(partial, backup);
}

} // namespace

int Migrations::version(const QSqlDatabase &db)
{
    QSqlQuery query(db);
    if (!query.exec("PRAGMA user_version") || !query.next())
        return -1;
    return query.value(0).toInt();
}

QString Migrations::backupPath(const QString &path, int version)
{
    return path + QStringLiteral(".bak-v") + QString::number(version);
}

Migrations::Result Migrations::upgrade(QSqlDatabase &db, const QString &path)
{
    const int from = version(db);
    if (from < 0)
        return Result::Failed;
    // A file from a newer program is left alone; its extra objects do not stop ours.
    if (from >= currentVersion)
        return Result::UpToDate;
    // The write lock first: a read-only file fails here, before any copy is made, and the
    // copy is of the file as it is while nobody else can change it.
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return Result::Failed;
    const auto fail = [&query] {
        query.exec(QStringLiteral("ROLLBACK"));
        return Result::Failed;
    };
    // SQLite grants the lock on a read-only file too; a write that changes nothing tells.
    if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(from)))
        return fail();
    if (!keepBackup(path, from))
        return fail();
    for (int step = from; step < currentVersion; ++step) {
        for (const QString &statement : *steps.at(step)) {
            if (!query.exec(statement))
                return fail();
        }
    }
    if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(currentVersion))
        || !query.exec(QStringLiteral("COMMIT")))
        return fail();
    return Result::Upgraded;
}
