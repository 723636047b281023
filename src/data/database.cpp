#include "database.h"

#include "migrations.h"
#include "sql.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace {

Database::State lastState = Database::State::Broken;
int busyMilliseconds = 5000;

const int sqliteBusy = 5;
const int sqliteLocked = 6;
const int sqliteReadOnly = 8;

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
    for (const QString &table : Database::requiredTables()) {
        if (!found.contains(table))
            return false;
    }
    return true;
}

int nativeCode(const QSqlError &error)
{
    // Extended codes carry the primary one in the low byte.
    return error.nativeErrorCode().toInt() & 0xff;
}

// SQLite opens a read-only file without complaint, so try a write that changes nothing.
// Another copy of the program holding the write lock makes the try fail as busy: that
// database is writable, only not at this moment.
Database::State probeWritable(QSqlDatabase &db)
{
    QSqlQuery query(db);
    query.exec("PRAGMA busy_timeout = 0");
    Database::State state = Database::State::Ready;
    if (!query.exec("PRAGMA user_version") || !query.next()) {
        state = Database::State::Broken;
    } else {
        const int version = query.value(0).toInt();
        if (!query.exec("BEGIN IMMEDIATE")) {
            const int code = nativeCode(query.lastError());
            if (code != sqliteBusy && code != sqliteLocked)
                state = Database::State::ReadOnly;
        } else {
            if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(version))) {
                const int code = nativeCode(query.lastError());
                if (code != sqliteBusy && code != sqliteLocked)
                    state = Database::State::ReadOnly;
            }
            query.exec("ROLLBACK");
        }
    }
    query.exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(busyMilliseconds));
    return state;
}

QSqlDatabase defaultSqlConnection()
{
    QSqlDatabase db = QSqlDatabase::database(QSqlDatabase::defaultConnection, false);
    return db.isValid() ? db : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
}

} // namespace

Database::Database(const QString &path) : QSqlDatabase(defaultSqlConnection())
{
    m_state = openDefault(path);
}

Database::State Database::openDefault(const QString &path, Access access)
{
    QSqlDatabase db = defaultSqlConnection();
    db.close();
    lastState = State::Broken;
    // SQLite would create a missing file silently and leave an empty database behind.
    if (!QFileInfo(path).isFile()) {
        db.setDatabaseName(QString());
        return lastState;
    }
    db.setDatabaseName(path);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyMilliseconds);
    if (access == Access::ReadOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    if (!db.open())
        return lastState;
    if (!hasProgramTables(db)) {
        // Some other file: better no data at all than statements running against it.
        db.close();
        return lastState;
    }
    lastState = probeWritable(db);
    if (lastState == State::Broken)
        db.close();
    // Older files are brought up to our schema; a read-only or locked one stays as it is.
    if (lastState == State::Ready)
        Migrations::upgrade(db, path);
    return lastState;
}

Database::State Database::currentState()
{
    return lastState;
}

int Database::busyTimeout()
{
    return busyMilliseconds;
}

void Database::setBusyTimeout(int milliseconds)
{
    busyMilliseconds = milliseconds;
    QSqlDatabase db = QSqlDatabase::database(QSqlDatabase::defaultConnection, false);
    if (db.isOpen())
        QSqlQuery(db).exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(milliseconds));
}

const QStringList &Database::requiredTables()
{
    static const QStringList tables
        = {"language", "letter", "word", "word_x_category", "category", "user", "config"};
    return tables;
}

QString Database::readOnlyText()
{
    return QCoreApplication::translate(
        "Database", "La base de datos es de solo lectura: los cambios no se guardarán.");
}

QString Database::writeFailureText()
{
    const int code = nativeCode(Sql::lastError());
    if (isReadOnly() || code == sqliteReadOnly)
        return readOnlyText();
    if (code == sqliteBusy || code == sqliteLocked)
        return QCoreApplication::translate(
            "Database",
            "La base de datos está ocupada por otra copia del programa. Espere un "
            "momento e inténtelo de nuevo; no se ha guardado nada.");
    return QString();
}

QString Database::withFailureReason(const QString &message)
{
    const QString reason = writeFailureText();
    return reason.isEmpty() ? message : message + " " + reason;
}
