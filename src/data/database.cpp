#include "database.h"

#include "migrations.h"

#include <QFileInfo>
#include <QSqlQuery>
#include <QStringList>

namespace {

const QStringList requiredTables
    = {"language", "letter", "word", "word_x_category", "category", "user", "config"};

// A file that SQLite cannot read, a text file or an empty file all open "successfully";
// only a look at the schema tells them from the program's database.
bool hasProgramTables(const QSqlDatabase &db)
{
    QSqlQuery query(db);
    if (!query.exec("SELECT name FROM sqlite_master WHERE type = 'table'"))
        return false;
    QStringList found;
    while (query.next())
        found << query.value(0).toString();
    for (const QString &table : requiredTables) {
        if (!found.contains(table))
            return false;
    }
    return true;
}

// Every user, configuration and word write would fail later on a read-only file. SQLite
// opens such a file read-only without complaint, so try a write that changes nothing.
bool isWritable(const QSqlDatabase &db)
{
    QSqlQuery query(db);
    if (!query.exec("PRAGMA user_version") || !query.next())
        return false;
    const int version = query.value(0).toInt();
    if (!query.exec("BEGIN IMMEDIATE"))
        return false;
    const bool written = query.exec(QStringLiteral("PRAGMA user_version = %1").arg(version));
    query.exec("ROLLBACK");
    return written;
}

QSqlDatabase defaultSqlConnection()
{
    QSqlDatabase db = QSqlDatabase::database(QSqlDatabase::defaultConnection, false);
    return db.isValid() ? db : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
}

} // namespace

Database::Database(const QString &path) : QSqlDatabase(defaultSqlConnection())
{
    m_usable = openDefault(path);
}

bool Database::openDefault(const QString &path)
{
    QSqlDatabase db = defaultSqlConnection();
    db.close();
    // SQLite would create a missing file silently and leave an empty database behind.
    if (!QFileInfo(path).isFile()) {
        db.setDatabaseName(QString());
        return false;
    }
    db.setDatabaseName(path);
    if (!db.open())
        return false;
    if (!hasProgramTables(db)) {
        // Some other file: better no data at all than statements running against it.
        db.close();
        return false;
    }
    // A read-only database stays open: the child can still play, only saving fails.
    const bool writable = isWritable(db);
    // Older files are brought up to our schema; a read-only one stays as it is.
    if (writable)
        Migrations::upgrade(db, path);
    return writable;
}
