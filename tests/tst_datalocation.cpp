#include "data/datalocation.h"
#include "data/language.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// Where the database and the media tree are used from: beside a portable program, copied
// into the account's folder from an installed one, or into the school's shared folder.
class TestDataLocation : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dataIsUsedFromTheRightFolder_data();
    void dataIsUsedFromTheRightFolder();
    void firstStartCopiesTheShippedDataAndWritesNothingThere();
    void laterStartsKeepWhatTheAccountChanged();
    void interruptedCopyIsMadeAgain();
    void schoolCopyIsWritableByEveryAccount();
    void copyThatCannotBeMadeIsReportedInSpanish();
    void programPathsFollowTheLocation();
    void schoolSettingNamesTheSharedFolder_data();
    void schoolSettingNamesTheSharedFolder();

private:
    QString dir(const QString &name) const { return m_dir->path() + "/" + name; }
    static void writeFile(const QString &path, const QByteArray &content)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Every file below a folder with its content, to see that nothing changed there.
    static QMap<QString, QByteArray> tree(const QString &root)
    {
        QMap<QString, QByteArray> files;
        QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            files.insert(QDir(root).relativeFilePath(path), readFile(path));
        }
        return files;
    }
    void makeShipped()
    {
        writeFile(dir("usr/share/quelvanto/data/bd"), "demo database");
        writeFile(dir("usr/share/quelvanto/media/system/ui/background.png"), "background");
        writeFile(dir("usr/share/quelvanto/media/languages/Español/Letras/Ñ/ñu/ñu.png"), "ñu");
    }
    DataLocation::Folders installedFolders(bool school = false) const
    {
        return {dir("usr/bin"), dir("usr/share/quelvanto"), dir("home/.local/share/Quelvanto"),
                school ? dir("srv/aula") : QString()};
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestDataLocation::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QDir().mkpath(dir("usr/bin"));
}

void TestDataLocation::cleanup()
{
    DataLocation::setCurrent(DataLocation());
}

void TestDataLocation::dataIsUsedFromTheRightFolder_data()
{
    QTest::addColumn<bool>("besideProgram");
    QTest::addColumn<bool>("shipped");
    QTest::addColumn<bool>("school");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("shippedDir");

    const int portable = int(DataLocation::Kind::Portable);
    QTest::newRow("portable folder") << true << false << false << portable << "usr/bin"
                                     << "usr/bin";
    QTest::newRow("portable wins over shipped data and the school setting")
        << true << true << true << portable << "usr/bin"
        << "usr/bin";
    QTest::newRow("nothing anywhere: beside the program, as always")
        << false << false << true << portable << "usr/bin"
        << "usr/bin";
    QTest::newRow("installed: the account's folder")
        << false << true << false << int(DataLocation::Kind::Account)
        << "home/.local/share/Quelvanto"
        << "usr/share/quelvanto";
    QTest::newRow("installed in a school: the shared folder")
        << false << true << true << int(DataLocation::Kind::School) << "srv/aula"
        << "usr/share/quelvanto";
}

void TestDataLocation::dataIsUsedFromTheRightFolder()
{
    QFETCH(bool, besideProgram);
    QFETCH(bool, shipped);
    QFETCH(bool, school);
    if (besideProgram)
        writeFile(dir("usr/bin/data/bd"), "portable database");
    if (shipped)
        makeShipped();
    const DataLocation location = DataLocation::resolve(installedFolders(school));
    QTEST(int(location.kind()), "kind");
    QFETCH(QString, root);
    QCOMPARE(location.root(), dir(root));
    QFETCH(QString, shippedDir);
    QCOMPARE(location.shippedDir(), dir(shippedDir));
    QCOMPARE(location.databasePath(), location.root() + "/data/bd");
    QCOMPARE(location.mediaRoot(), location.root() + "/media/");
}

void TestDataLocation::firstStartCopiesTheShippedDataAndWritesNothingThere()
{
    makeShipped();
    const auto before = tree(dir("usr"));
    const DataLocation location = DataLocation::resolve(installedFolders());
    QString error;
    QVERIFY2(location.prepare(&error), qPrintable(error));

    QCOMPARE(readFile(location.databasePath()), QByteArray("demo database"));
    QCOMPARE(tree(location.root() + "/media"), tree(dir("usr/share/quelvanto/media")));
    QCOMPARE(tree(dir("usr")), before);
    QVERIFY(!QFileInfo::exists(location.root() + "/media.part"));
    QVERIFY(!QFileInfo::exists(location.databasePath() + ".part"));
}

void TestDataLocation::laterStartsKeepWhatTheAccountChanged()
{
    makeShipped();
    const DataLocation location = DataLocation::resolve(installedFolders());
    QVERIFY(location.prepare());
    writeFile(location.databasePath(), "with the teacher's users");
    QVERIFY(QFile::remove(location.mediaRoot() + "system/ui/background.png"));
    writeFile(dir("usr/share/quelvanto/data/bd"), "newer demo database");

    QVERIFY(DataLocation::resolve(installedFolders()).prepare());
    QCOMPARE(readFile(location.databasePath()), QByteArray("with the teacher's users"));
    // A file the teacher deleted from the media tree stays deleted.
    QVERIFY(!QFileInfo::exists(location.mediaRoot() + "system/ui/background.png"));
}

void TestDataLocation::interruptedCopyIsMadeAgain()
{
    makeShipped();
    const DataLocation location = DataLocation::resolve(installedFolders());
    writeFile(location.root() + "/media.part/system/ui/half.png", "half");
    writeFile(location.databasePath() + ".part", "half");
    QVERIFY(location.prepare());
    QCOMPARE(readFile(location.databasePath()), QByteArray("demo database"));
    QCOMPARE(tree(location.root() + "/media"), tree(dir("usr/share/quelvanto/media")));
    QVERIFY(!QFileInfo::exists(location.root() + "/media.part"));
}

void TestDataLocation::schoolCopyIsWritableByEveryAccount()
{
    makeShipped();
    QFile::setPermissions(dir("usr/share/quelvanto/data/bd"),
                          QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const DataLocation location = DataLocation::resolve(installedFolders(true));
    QCOMPARE(location.kind(), DataLocation::Kind::School);
    QVERIFY(location.prepare());
    const QFileDevice::Permissions all = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
        | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    QCOMPARE(QFile::permissions(location.databasePath()) & all, all);
    // SQLite writes its journal beside the database.
    QVERIFY(QFile::permissions(location.root() + "/data") & QFile::WriteOther);
    const QString letter = location.mediaRoot() + "languages/Español/Letras/Ñ";
    QVERIFY(QFile::permissions(letter) & QFile::WriteOther);
    QVERIFY(QFile::permissions(letter) & QFile::ExeOther);
}

void TestDataLocation::copyThatCannotBeMadeIsReportedInSpanish()
{
    makeShipped();
    writeFile(dir("blocked"), "a file where the folder should be");
    DataLocation::Folders folders = installedFolders();
    folders.accountDir = dir("blocked/Quelvanto");
    QString error;
    QVERIFY(!DataLocation::resolve(folders).prepare(&error));
    QVERIFY2(error.startsWith("No se pudo"), qPrintable(error));
    QVERIFY(error.contains("Quelvanto"));
}

void TestDataLocation::programPathsFollowTheLocation()
{
    makeShipped();
    const DataLocation location = DataLocation::resolve(installedFolders());
    DataLocation::setCurrent(location);
    Language::Language language;
    language.name = QStringLiteral("Español");
    QCOMPARE(language.mediaPath(), dir("home/.local/share/Quelvanto/media/languages/Español/"));
    QCOMPARE(DataLocation::current().databasePath(), dir("home/.local/share/Quelvanto/data/bd"));

    DataLocation::setCurrent(DataLocation());
    QCOMPARE(language.mediaPath(),
             QCoreApplication::applicationDirPath() + "/media/languages/Español/");
}

void TestDataLocation::schoolSettingNamesTheSharedFolder_data()
{
    QTest::addColumn<QByteArray>("conf");
    QTest::addColumn<QString>("expected");
    QTest::newRow("shared folder") << QByteArray("DataDir=/srv/quelvanto\n") << "/srv/quelvanto";
    QTest::newRow("trailing slash and blanks")
        << QByteArray("DataDir = /srv/quelvanto/ \n") << "/srv/quelvanto";
    QTest::newRow("relative path is ignored") << QByteArray("DataDir=quelvanto\n") << QString();
    QTest::newRow("empty") << QByteArray("DataDir=\n") << QString();
    QTest::newRow("no such key") << QByteArray("Other=/srv\n") << QString();
    QTest::newRow("no file") << QByteArray() << QString();
}

void TestDataLocation::schoolSettingNamesTheSharedFolder()
{
    QFETCH(QByteArray, conf);
    QFETCH(QString, expected);
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, dir("etc/xdg"));
    if (!conf.isEmpty())
        writeFile(dir("etc/xdg/Quelvanto/quelvanto.conf"), conf);
    QCOMPARE(DataLocation::schoolDataDir(), expected);
}

QTEST_GUILESS_MAIN(TestDataLocation)
#include "tst_datalocation.moc"
