#include "mediatreefixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>

MediaTreeFixture::MediaTreeFixture(const QString &languageName)
    : m_media(QCoreApplication::applicationDirPath() + "/media")
{
    QDir(m_media).removeRecursively();
    m_letters = m_media + "/languages/" + languageName + "/Letras";
    QDir().mkpath(m_letters);
}

MediaTreeFixture::~MediaTreeFixture()
{
    QDir(m_media).removeRecursively();
}

QString MediaTreeFixture::addLetterFolder(const QString &letter) const
{
    const QString path = m_letters + "/" + letter;
    QDir().mkpath(path);
    return path;
}

QString MediaTreeFixture::addWordFolder(const QString &letter, const QString &fullName,
                                        const QStringList &files) const
{
    const QString path = addLetterFolder(letter) + "/" + fullName;
    QDir().mkpath(path);
    for (const QString &file : files)
        writeFile(path + "/" + file, file.toUtf8());
    return path;
}

QString MediaTreeFixture::sourceFile(const QString &name, const QByteArray &content) const
{
    const QString path = m_outside.path() + "/" + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
    writeFile(path, content);
    return path;
}

void MediaTreeFixture::writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

QByteArray MediaTreeFixture::readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList MediaTreeFixture::listTree(const QString &path)
{
    QStringList entries;
    QDirIterator it(path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << QDir(path).relativeFilePath(it.next());
    entries.sort();
    return entries;
}
