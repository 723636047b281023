#include "backup.h"

#include "database.h"
#include "wordsave.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <sqlite3.h>

namespace Backup {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Backup", text);
}

QString withoutSlash(QString path)
{
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    return path;
}

// Copies a tree; links are copied as links. Staging files of a save under way are copied
// too: the copy's own recovery finishes or undoes that save.
bool copyTree(const QString &from, const QString &to)
{
    if (!QDir().mkpath(to))
        return false;
    QDir source(from);
    const QFileInfoList entries = source.entryInfoList(QDir::AllEntries | QDir::Hidden
                                                       | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        const QString target = to + "/" + entry.fileName();
        if (entry.isSymLink()) {
            if (!QFile::link(entry.symLinkTarget(), target))
                return false;
        } else if (entry.isDir()) {
            if (!copyTree(entry.filePath(), target))
                return false;
        } else if (!QFile::copy(entry.filePath(), target)) {
            return false;
        }
    }
    return true;
}

struct Connection
{
    explicit Connection(const QString &path, bool readOnly)
    {
        const int flags = readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &handle, flags, nullptr)
            != SQLITE_OK) {
            sqlite3_close(handle);
            handle = nullptr;
        } else {
            sqlite3_busy_timeout(handle, Database::busyTimeout());
        }
    }
    ~Connection() { sqlite3_close(handle); }
    bool exec(const char *statement) const
    {
        return handle && sqlite3_exec(handle, statement, nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    sqlite3 *handle = nullptr;
};

QString languageNameOf(const QString &mediaDir)
{
    return QFileInfo(withoutSlash(mediaDir)).fileName();
}

} // namespace

Result create(const QString &parentDir, const QString &languageMediaDir, const QString &prefix,
              const QDate &date)
{
    Result result;
    const QString base = withoutSlash(parentDir) + "/" + prefix + "-" + date.toString("yyyy-MM-dd");
    QString folder = base;
    for (int n = 2; QFileInfo::exists(folder); ++n)
        folder = base + "-" + QString::number(n);
    const QString media = withoutSlash(languageMediaDir);
    const QString language = languageNameOf(media);
    if (!QFileInfo(media).isDir()) {
        result.error = tr("No existe la carpeta de medios %1.").arg(media);
        return result;
    }
    if (!QDir().mkpath(folder)) {
        result.error = tr("No se pudo crear la carpeta %1.").arg(folder);
        return result;
    }
    const QString dbPath = QSqlDatabase::database().databaseName();
    // The write lock, held on a connection of its own, keeps every writer (and the file
    // moves of a word save) out while database and media are copied; reading goes on.
    Connection lock(dbPath, false);
    const bool locked = lock.exec("BEGIN IMMEDIATE");
    bool ok = true;
    QSqlQuery query;
    query.prepare("VACUUM INTO :path");
    query.bindValue(":path", folder + "/bd");
    if (!query.exec()) {
        result.error = tr("No se pudo copiar la base de datos.");
        ok = false;
    }
    if (ok && !copyTree(media, folder + "/media/" + language)) {
        result.error = tr("No se pudieron copiar los medios.");
        ok = false;
    }
    if (locked)
        lock.exec("ROLLBACK");
    if (!ok) {
        QDir(folder).removeRecursively();
        return result;
    }
    result.ok = true;
    result.folder = folder;
    return result;
}

QString checkCopy(const QString &copyDir, const QString &languageName)
{
    const QString dir = withoutSlash(copyDir);
    const QString bd = dir + "/bd";
    if (!QFileInfo(bd).isFile())
        return tr("La carpeta %1 no contiene una copia de la base de datos (bd).").arg(dir);
    if (!QFileInfo(dir + "/media/" + languageName + "/Letras").isDir())
        return tr("La copia %1 no contiene los medios del idioma %2.").arg(dir, languageName);
    Connection copy(bd, true);
    if (!copy.handle)
        return tr("La copia de la base de datos no se puede abrir.");
    sqlite3_stmt *statement = nullptr;
    bool healthy = false;
    if (sqlite3_prepare_v2(copy.handle, "PRAGMA integrity_check", -1, &statement, nullptr)
            == SQLITE_OK
        && sqlite3_step(statement) == SQLITE_ROW)
        healthy
            = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)))
            == "ok";
    sqlite3_finalize(statement);
    if (!healthy)
        return tr("La copia de la base de datos está dañada.");
    QStringList tables;
    if (sqlite3_prepare_v2(copy.handle, "SELECT name FROM sqlite_master WHERE type = 'table'", -1,
                           &statement, nullptr)
        == SQLITE_OK) {
        while (sqlite3_step(statement) == SQLITE_ROW)
            tables << QString::fromUtf8(
                reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)));
    }
    sqlite3_finalize(statement);
    for (const QString &table : Database::requiredTables()) {
        if (!tables.contains(table))
            return tr("A la copia de la base de datos le falta la tabla %1.").arg(table);
    }
    return QString();
}

Result restore(const QString &copyDir, const QString &databasePath, const QString &languageMediaDir,
               const QString &keepDir)
{
    Result result;
    const QString media = withoutSlash(languageMediaDir);
    const QString language = languageNameOf(media);
    result.error = checkCopy(copyDir, language);
    if (!result.error.isEmpty())
        return result;
    if (Database::isReadOnly()) {
        result.error = Database::readOnlyText();
        return result;
    }
    const Result kept = create(keepDir, media, QStringLiteral("quelvanto-anterior"));
    if (!kept.ok) {
        result.error = tr("No se pudo guardar el estado actual: %1").arg(kept.error);
        return result;
    }
    const QString incoming = media + ".qv-restaurando";
    const QString outgoing = media + ".qv-anterior";
    QDir(incoming).removeRecursively();
    QDir(outgoing).removeRecursively();
    if (!copyTree(withoutSlash(copyDir) + "/media/" + language, incoming)) {
        QDir(incoming).removeRecursively();
        result.error = tr("No se pudieron copiar los medios de la copia.");
        return result;
    }
    // The backup API writes the copy into the live file under its locks, so this program
    // and any other copy running see the restored content at their next statement.
    Connection source(withoutSlash(copyDir) + "/bd", true);
    Connection target(databasePath, false);
    bool copied = false;
    if (source.handle && target.handle) {
        if (sqlite3_backup *backup
            = sqlite3_backup_init(target.handle, "main", source.handle, "main")) {
            copied = sqlite3_backup_step(backup, -1) == SQLITE_DONE;
            copied = sqlite3_backup_finish(backup) == SQLITE_OK && copied;
        }
    }
    if (!copied) {
        QDir(incoming).removeRecursively();
        result.error = tr("No se pudo restaurar la base de datos; no se ha cambiado nada.");
        return result;
    }
    QDir parent = QFileInfo(media).dir();
    if (!parent.rename(language, QFileInfo(outgoing).fileName())
        || !parent.rename(QFileInfo(incoming).fileName(), language)) {
        result.error = tr("La base de datos se restauró, pero no los medios. El estado anterior "
                          "está en %1.")
                           .arg(kept.folder);
        return result;
    }
    QDir(outgoing).removeRecursively();
    WordSave::recoverAll(media + "/Letras");
    result.ok = true;
    result.folder = kept.folder;
    return result;
}

} // namespace Backup
