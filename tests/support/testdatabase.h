#pragma once

#include <QString>

// A fresh database built from content/schema.sql and opened as the default connection.
// With no path it lives in a temporary folder; MainWindow tests pass
// applicationDirPath() + "/data/bd" so the window finds it where it looks.
class TestDatabase
{
public:
    explicit TestDatabase(const QString &path = QString());
    ~TestDatabase();

    bool isOpen() const { return m_open; }
    QString path() const { return m_path; }

    // Runs one statement (no result rows wanted); false on failure.
    static bool exec(const QString &statement);
    // The first column of the first row of a query, or an invalid variant.
    static QVariant scalar(const QString &statement);

    // Small builders for fixtures; each returns the new row's id.
    static int addLanguage(const QString &name);
    static int addLetter(const QString &name, int languageId = 1);
    static int addCategory(const QString &name, int languageId = 1);
    static int addWord(const QString &name, int letterId, const QString &fullName = QString());
    static void link(int wordId, int categoryId);
    static void setSwitch(const QString &key, int data, int userId = 0, int languageId = 1);

private:
    QString m_dir;
    QString m_path;
    bool m_open = false;
};
