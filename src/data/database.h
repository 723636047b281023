#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The program's one SQLite connection, registered as the default connection.
class Database : public QSqlDatabase
{
public:
    // Ready: reads and writes. ReadOnly: the file opens but cannot be written (the child can
    // still play). Broken: missing, not SQLite, or without the program's tables.
    enum class State { Ready, ReadOnly, Broken };
    enum class Access { ReadWrite, ReadOnly };

    explicit Database(const QString &path);

    // False only when the file is missing, is no SQLite database or lacks the program's
    // tables; a read-only database is usable for reading.
    bool isUsable() const { return m_state != State::Broken; }
    State state() const { return m_state; }

    // Opens the connection without any message; the constructor words the failure. A file
    // that another copy of the program holds locked is Ready, not Broken.
    static State openDefault(const QString &path, Access access = Access::ReadWrite);

    // What the last openDefault found; writers ask before they start.
    static State currentState();
    static bool isReadOnly() { return currentState() == State::ReadOnly; }

    // How long a write waits for another copy of the program to finish its own.
    static int busyTimeout();
    static void setBusyTimeout(int milliseconds);

    // The tables every copy of the database must have (restore checks them too).
    static const QStringList &requiredTables();

    // Spanish words for why the last failed statement did not write (read-only, locked by
    // another copy of the program); empty when there is nothing more to say.
    static QString writeFailureText();
    // message followed by that reason, if there is one.
    static QString withFailureReason(const QString &message);
    static QString readOnlyText();

private:
    State m_state = State::Broken;
};
