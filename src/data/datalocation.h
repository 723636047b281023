#pragma once

#include <QString>

// Where the program reads and writes its database and media tree, and where the files it
// only reads (manual, translations, the demo data) are shipped.
//
// - Portable: data/bd beside the executable; everything is used in place.
// - Installed: the demo data ships read-only (/usr/share/quelvanto) and is copied, on first
//   start, into the account's data folder, or into the folder a school-wide setting names.
//   Nothing is ever written into the shipped folder.
class DataLocation
{
public:
    enum class Kind { Portable, Account, School };

    struct Folders
    {
        QString appDir; // the executable's folder
        QString shippedDir; // the installed, read-only demo data
        QString accountDir; // the account's writable data folder
        QString schoolDir; // the school-wide data folder; empty when not set
    };

    // Without setup(), everything lies beside the executable.
    DataLocation();

    // Applies the rules above to the given folders; creates and copies nothing.
    static DataLocation resolve(const Folders &folders);

    // The folders of this machine: the executable's, the shipped data beside the installed
    // program, QStandardPaths::AppDataLocation and the school setting.
    static Folders systemFolders();
    // "DataDir=" of the system-wide quelvanto.conf (/etc/xdg/Quelvanto/quelvanto.conf);
    // empty when missing or not an absolute path.
    static QString schoolDataDir();

    Kind kind() const { return m_kind; }
    // Holds data/bd and media/.
    QString root() const { return m_root; }
    // Holds the manual, the translations and the demo data/bd and media/.
    QString shippedDir() const { return m_shipped; }
    QString databasePath() const { return m_root + QStringLiteral("/data/bd"); }
    // Ends with "/".
    QString mediaRoot() const { return m_root + QStringLiteral("/media/"); }

    // Copies the shipped database and media tree into root() when they are not there yet;
    // what is there already is never touched. A copy is made beside its target and renamed
    // into place only when complete, so an interrupted first start leaves nothing half done.
    // False, with a reason in Spanish, when a copy failed.
    bool prepare(QString *error = nullptr) const;

    // The location the program runs with.
    static DataLocation current();
    static void setCurrent(const DataLocation &location);

private:
    Kind m_kind = Kind::Portable;
    QString m_root;
    QString m_shipped;
};
