#pragma once

#include <QSqlDatabase>
#include <QString>

// The program's one SQLite connection, registered as the default connection.
class Database : public QSqlDatabase
{
public:
    explicit Database(const QString &path);

    // False when the file is missing, is no SQLite database, lacks the program's tables or
    // cannot be written.
    bool isUsable() const { return m_usable; }

    // Opens the connection without any message; the constructor words the failure.
    static bool openDefault(const QString &path);

private:
    bool m_usable = false;
};
