#include "testdatabase.h"

#include "data/database.h"
#include "sqlscript.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

// Run as "tst_database --probe PATH" the binary only reports whether PATH opens as usable;
// the read-only case runs it as an unprivileged user, since root may write any file.
static int probe(const QString &path)
{
    Database database(path);
    return database.isUsable() ? 0 : 1;
}

class TestDatabaseOpen : public QObject
{
    Q_OBJECT

private slots:
    void programDatabaseIsUsable();
    void missingFileIsRejectedAndNotCreated();
    void junkFilesAreRejected_data();
    void junkFilesAreRejected();
    void readOnlyFileIsRejected();
    void reopeningKeepsOneDefaultConnection();

private:
    QString makeProgramDatabase(const QString &dir)
    {
        const QString path = dir + "/bd";
        SqlScript::createDatabase(path, {QStringLiteral(QV_SOURCE_DIR "/content/schema.sql")});
        return path;
    }
};

void TestDatabaseOpen::programDatabaseIsUsable()
{
    QTemporaryDir dir;
    const QString path = makeProgramDatabase(dir.path());
    Database database(path);
    QVERIFY(database.isUsable());
    QSqlQuery query;
    QVERIFY(query.exec("INSERT INTO language (name) VALUES ('X')"));
}

void TestDatabaseOpen::missingFileIsRejectedAndNotCreated()
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/data/bd";
    Database database(path);
    QVERIFY(!database.isUsable());
    QVERIFY(!QFileInfo::exists(path));
    // Statements fail instead of writing into some other file.
    QSqlQuery query;
    QVERIFY(!query.exec("SELECT id FROM user"));
}

void TestDatabaseOpen::junkFilesAreRejected_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("sqlite");
    QTest::newRow("text file") << QByteArray("this is not a database\n") << false;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("other SQLite database") << QByteArray() << true;
}

void TestDatabaseOpen::junkFilesAreRejected()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, sqlite);
    QTemporaryDir dir;
    const QString path = dir.path() + "/bd";
    if (sqlite) {
        QVERIFY(SqlScript::createDatabase(path, {}));
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
        other.setDatabaseName(path);
        QVERIFY(other.open());
        QSqlQuery(other).exec("CREATE TABLE something (id INTEGER)");
        other.close();
        other = QSqlDatabase();
        QSqlDatabase::removeDatabase("other");
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const QByteArray before = [&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    Database database(path);
    QVERIFY(!database.isUsable());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void TestDatabaseOpen::readOnlyFileIsRejected()
{
    QTemporaryDir dir;
    const QString path = makeProgramDatabase(dir.path());
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    if (geteuid() != 0) {
        Database database(path);
        QVERIFY(!database.isUsable());
        return;
    }
    // Root writes any file, so look through the eyes of "nobody".
    QFile::setPermissions(dir.path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                              | QFile::ExeOther);
    QProcess process;
    process.start("setpriv",
                  {"--reuid=65534", "--regid=65534", "--clear-groups",
                   QCoreApplication::applicationFilePath(), "--probe", path});
    if (!process.waitForStarted())
        QSKIP("setpriv is not available to drop root privileges");
    QVERIFY(process.waitForFinished(30000));
    if (process.exitCode() == 126 || process.exitCode() == 127)
        QSKIP("the test binary cannot be run as an unprivileged user from this folder");
    QCOMPARE(process.exitCode(), 1);

    // The same file made writable again is accepted by that user.
    QFile::setPermissions(
        path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::WriteOther);
    QFile::setPermissions(dir.path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                              | QFile::WriteOther | QFile::ExeOther);
    process.start("setpriv",
                  {"--reuid=65534", "--regid=65534", "--clear-groups",
                   QCoreApplication::applicationFilePath(), "--probe", path});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
}

void TestDatabaseOpen::reopeningKeepsOneDefaultConnection()
{
    QTemporaryDir dir;
    const QString path = makeProgramDatabase(dir.path());
    {
        Database first(dir.path() + "/missing");
        QVERIFY(!first.isUsable());
    }
    Database second(path);
    QVERIFY(second.isUsable());
    QCOMPARE(QSqlDatabase::connectionNames().count(QSqlDatabase::defaultConnection), 1);
    QVERIFY(QSqlDatabase::database().isOpen());
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--probe")
        return probe(QString::fromLocal8Bit(argv[2]));
    TestDatabaseOpen test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_database.moc"
