#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A temporary media tree beside the test executable ("media/languages/<language>/Letras"),
// where Language::mediaPath() looks, and a folder outside it for files a teacher "chooses".
class MediaTreeFixture
{
public:
    explicit MediaTreeFixture(const QString &languageName);
    ~MediaTreeFixture();

    QString lettersRoot() const { return m_letters; }
    // Creates Letras/<letter>; returns its path.
    QString addLetterFolder(const QString &letter) const;
    // Creates Letras/<letter>/<fullName> holding the given files (content = file name).
    QString addWordFolder(const QString &letter, const QString &fullName,
                          const QStringList &files = {}) const;
    // A file outside the media tree, as a file chooser would return it.
    QString sourceFile(const QString &name, const QByteArray &content) const;
    QString outsideDir() const { return m_outside.path(); }

    static void writeFile(const QString &path, const QByteArray &content);
    static QByteArray readFile(const QString &path);
    // Every path below a folder, relative to it, sorted; links are listed, not followed.
    static QStringList listTree(const QString &path);

private:
    QString m_media;
    QString m_letters;
    QTemporaryDir m_outside;
};
