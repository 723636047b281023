#pragma once

#include <QString>

class QSqlDatabase;

// Brings a database file up to the schema this program writes: numbered steps recorded in
// PRAGMA user_version, all pending ones in one transaction, after a copy of the file is kept
// beside it ("bd.bak-v<old version>").
class Migrations
{
public:
    static constexpr int currentVersion = 3;

    enum class Result { UpToDate, Upgraded, Failed };

    // Runs the pending steps on an open, writable connection to the file at path.
    static Result upgrade(QSqlDatabase &db, const QString &path);

    static int version(const QSqlDatabase &db);
    static QString backupPath(const QString &path, int version);
};
