#pragma once

#include <QDate>
#include <QString>

// A school's users, settings and teacher-made words in one folder, and back again.
// A copy holds "bd" (a consistent copy of the whole database, every table) and "media/<language>"
// (the language's media tree).
namespace Backup {

struct Result
{
    bool ok = false;
    QString folder; // the copy written (create) or the previous state kept (restore)
    QString error; // Spanish, for the teacher
};

// Writes "quelvanto-copia-<date>" (with "-2", "-3", ... when taken) into parentDir from the
// open default database and the language media folder. Safe while the program runs: the
// database is copied with VACUUM INTO while other writers are held off.
Result create(const QString &parentDir, const QString &languageMediaDir,
              const QString &prefix = QStringLiteral("quelvanto-copia"),
              const QDate &date = QDate::currentDate());

// Why a folder is not a usable copy for that language, or empty when it is.
QString checkCopy(const QString &copyDir, const QString &languageName);

// Checks the copy, keeps the current state as a copy in keepDir ("quelvanto-anterior-..."),
// then replaces the database's content and the language media folder. A refused or failed
// restore changes nothing.
Result restore(const QString &copyDir, const QString &databasePath, const QString &languageMediaDir,
               const QString &keepDir);

} // namespace Backup
