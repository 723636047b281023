#include "datalocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <optional>

#ifndef QV_SHIPPED_RELATIVE
#define QV_SHIPPED_RELATIVE "../share/quelvanto"
#endif

namespace {

std::optional<DataLocation> &installed()
{
    static std::optional<DataLocation> location;
    return location;
}

// Every account of a classroom PC writes the shared copy, so it is writable by all.
void makeWritable(const QString &path, bool isDir, bool shared)
{
    QFileDevice::Permissions permissions
        = QFile::permissions(path) | QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (isDir)
        permissions |= QFileDevice::ExeOwner;
    if (shared) {
        permissions |= QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther
            | QFileDevice::WriteOther;
        if (isDir)
            permissions |= QFileDevice::ExeGroup | QFileDevice::ExeOther;
    }
    QFile::setPermissions(path, permissions);
}

bool copyEntry(const QString &from, const QString &to, bool shared)
{
    if (!QFileInfo(from).isDir()) {
        if (!QFile::copy(from, to))
            return false;
        makeWritable(to, false, shared);
        return true;
    }
    if (!QDir().mkpath(to))
        return false;
    makeWritable(to, true, shared);
    const QFileInfoList entries
        = QDir(from).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo &entry : entries) {
        if (!copyEntry(entry.filePath(), to + QLatin1Char('/') + entry.fileName(), shared))
            return false;
    }
    return true;
}

void removeEntry(const QString &path)
{
    if (QFileInfo(path).isDir())
        QDir(path).removeRecursively();
    else
        QFile::remove(path);
}

// Copies beside the target and renames into place, so the target is whole or absent.
bool copyIntoPlace(const QString &from, const QString &to, bool shared, QString *error)
{
    if (QFileInfo::exists(to))
        return true;
    const QString part = to + QStringLiteral(".part");
    removeEntry(part);
    bool ok = QFileInfo::exists(from) && copyEntry(from, part, shared);
    if (ok) {
        ok = QFileInfo(from).isDir() ? QDir().rename(part, to) : QFile::rename(part, to);
        // Another account may have finished the same copy first.
        ok = ok || QFileInfo::exists(to);
    }
    if (!ok) {
        removeEntry(part);
        if (error)
            *error = QCoreApplication::translate("DataLocation", "No se pudo copiar %1 en %2.")
                         .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(to));
    }
    return ok;
}

} // namespace

DataLocation::DataLocation() : m_root(QCoreApplication::applicationDirPath()), m_shipped(m_root) { }

DataLocation DataLocation::resolve(const Folders &folders)
{
    DataLocation location;
    const QString app = QDir::cleanPath(folders.appDir);
    const QString shipped = QDir::cleanPath(folders.shippedDir);
    location.m_root = app;
    location.m_shipped = app;
    // Data beside the program, or nothing shipped elsewhere: used in place, as always.
    if (QFileInfo(app + QStringLiteral("/data/bd")).isFile() || folders.shippedDir.isEmpty()
        || !QFileInfo(shipped + QStringLiteral("/data/bd")).isFile())
        return location;
    location.m_shipped = shipped;
    if (!folders.schoolDir.isEmpty()) {
        location.m_kind = Kind::School;
        location.m_root = QDir::cleanPath(folders.schoolDir);
    } else {
        location.m_kind = Kind::Account;
        location.m_root = QDir::cleanPath(folders.accountDir);
    }
    return location;
}

DataLocation::Folders DataLocation::systemFolders()
{
    Folders folders;
    folders.appDir = QCoreApplication::applicationDirPath();
    folders.shippedDir = QDir::cleanPath(folders.appDir + QStringLiteral("/" QV_SHIPPED_RELATIVE));
    folders.accountDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    folders.schoolDir = schoolDataDir();
    return folders;
}

QString DataLocation::schoolDataDir()
{
    // The native format's system file on Linux: /etc/xdg/Quelvanto/quelvanto.conf.
    const QSettings settings(QSettings::SystemScope, QStringLiteral("Quelvanto"),
                             QStringLiteral("quelvanto"));
    const QString dir = settings.value(QStringLiteral("DataDir")).toString().trimmed();
    return QDir::isAbsolutePath(dir) ? QDir::cleanPath(dir) : QString();
}

bool DataLocation::prepare(QString *error) const
{
    if (m_root == m_shipped)
        return true;
    const bool shared = m_kind == Kind::School;
    const QString data = m_root + QStringLiteral("/data");
    if (!QDir().mkpath(data)) {
        if (error)
            *error = QCoreApplication::translate("DataLocation", "No se pudo crear la carpeta %1.")
                         .arg(QDir::toNativeSeparators(data));
        return false;
    }
    makeWritable(m_root, true, shared);
    makeWritable(data, true, shared);
    return copyIntoPlace(m_shipped + QStringLiteral("/data/bd"), databasePath(), shared, error)
        && copyIntoPlace(m_shipped + QStringLiteral("/media"), m_root + QStringLiteral("/media"),
                         shared, error);
}

DataLocation DataLocation::current()
{
    return installed() ? *installed() : DataLocation();
}

void DataLocation::setCurrent(const DataLocation &location)
{
    installed() = location;
}
