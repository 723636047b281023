#include "testdatabase.h"

#include "data/database.h"
#include "sqlscript.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include "data/sql.h"
#include <unistd.h>

// Run as "tst_database --probe PATH" the binary only reports whether PATH opens as usable;
// the read-only case runs it as an unprivileged user, since root may write any file.
static int probe(const QString &path)
{
    Database database(path);
    switch (database.state()) {
    case Database::State::Ready:
        return 0;
    case Database::State::Broken:
        return 1;
    case Database::State::ReadOnly:
        return 2;
    }
    return 1;
}

// "tst_database --write PATH NAME COUNT": adds COUNT users, each with three settings in one
// transaction, as a second copy of the program would while the first one writes too.
static int writeUsers(const QString &path, const QString &name, int count)
{
    Database database(path);
    if (database.state() != Database::State::Ready)
        return 3;
    int failed = 0;
    for (int i = 0; i < count; ++i) {
        Sql::Transaction transaction;
        bool ok = transaction.isActive()
            && Sql::write("INSERT INTO user (name) VALUES (:name)",
                          {{":name", name + QString::number(i)}});
        for (int k = 0; k < 3; ++k)
            ok = ok
                && Sql::write("INSERT INTO config (key, data, id_user, id_language) VALUES "
                              "('letter', :data, (SELECT MAX(id) FROM user), 1)",
                              {{":data", k}});
        if (!(ok && transaction.commit()))
            ++failed;
    }
    return failed == 0 ? 0 : 4;
}

// "tst_database --hold PATH MS": holds the write lock for MS milliseconds.
static int holdLock(const QString &path, int milliseconds)
{
    Database database(path);
    QSqlQuery query;
    if (!query.exec("BEGIN IMMEDIATE"))
        return 3;
    QTextStream(stdout) << "locked" << Qt::endl;
    QThread::msleep(milliseconds);
    query.exec("ROLLBACK");
    return 0;
}

class TestDatabaseOpen : public QObject
{
    Q_OBJECT

private slots:
    void programDatabaseIsUsable();
    void missingFileIsRejectedAndNotCreated();
    void junkFilesAreRejected_data();
    void junkFilesAreRejected();
    void readOnlyFileOpensReadOnly();
    void readOnlyOpenIsReadableAndSaysWhyWritesFail();
    void databaseLockedAtStartIsNotBroken();
    void lockedWriteWaitsThenFailsWholeWithItsReason();
    void twoProcessesWritingNeverCorruptTheDatabase();
    void reopeningKeepsOneDefaultConnection();

private:
    static int countRows(const QString &table)
    {
        QSqlQuery query;
        return query.exec("SELECT COUNT(*) FROM " + table) && query.next() ? query.value(0).toInt()
                                                                           : -1;
    }
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

void TestDatabaseOpen::readOnlyOpenIsReadableAndSaysWhyWritesFail()
{
    QTemporaryDir dir;
    const QString path = makeProgramDatabase(dir.path());
    {
        Database database(path);
        QVERIFY(Sql::write("INSERT INTO user (name) VALUES ('Ana')", {}));
    }
    QCOMPARE(Database::openDefault(path, Database::Access::ReadOnly), Database::State::ReadOnly);
    QVERIFY(Database::isReadOnly());
    QCOMPARE(QSqlDatabase::database().isOpen(), true);
    QSqlQuery query;
    QVERIFY(query.exec("SELECT name FROM user") && query.next());
    QCOMPARE(query.value(0).toString(), QString("Ana"));
    QVERIFY(!Sql::write("INSERT INTO user (name) VALUES ('Luis')", {}));
    QCOMPARE(Database::writeFailureText(),
             QString("La base de datos es de solo lectura: los cambios no se guardarán."));
}

void TestDatabaseOpen::databaseLockedAtStartIsNotBroken()
{
    QTemporaryDir dir;
    const QString path = makeProgramDatabase(dir.path());
    QProcess holder;
    holder.start(QCoreApplication::applicationFilePath(), {"--hold", path, "3000"});
    QVERIFY(holder.waitForReadyRead(30000));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("locked"));
    QCOMPARE(Database::openDefault(path), Database::State::Ready);
    QVERIFY(holder.waitForFinished(30000));
}

void TestDatabaseOpen::lockedWriteWaitsThenFailsWholeWithItsReason()
{
    QTemporaryDir dir;
    const QString path = makeProgramDatabase(dir.path());
    QCOMPARE(Database::openDefault(path), Database::State::Ready);
    Database::setBusyTimeout(300);
    QProcess holder;
    holder.start(QCoreApplication::applicationFilePath(), {"--hold", path, "4000"});
    QVERIFY(holder.waitForReadyRead(30000));
    {
        Sql::Transaction transaction;
        QVERIFY(!transaction.isActive());
        QVERIFY(!Sql::write("INSERT INTO user (name) VALUES ('Ana')", {}));
    }
    QVERIFY(Database::writeFailureText().startsWith("La base de datos está ocupada"));
    QVERIFY(holder.waitForFinished(30000));
    Database::setBusyTimeout(5000);
    QCOMPARE(TestDatabaseOpen::countRows("user"), 0);
}

void TestDatabaseOpen::twoProcessesWritingNeverCorruptTheDatabase()
{
    QTemporaryDir dir;
    const QString path = makeProgramDatabase(dir.path());
    QProcess first;
    QProcess second;
    first.start(QCoreApplication::applicationFilePath(), {"--write", path, "a", "150"});
    second.start(QCoreApplication::applicationFilePath(), {"--write", path, "b", "150"});
    QVERIFY(first.waitForFinished(120000));
    QVERIFY(second.waitForFinished(120000));
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(Database::openDefault(path), Database::State::Ready);
    QSqlQuery query;
    QVERIFY(query.exec("PRAGMA integrity_check") && query.next());
    QCOMPARE(query.value(0).toString(), QString("ok"));
    QCOMPARE(countRows("user"), 300);
    QCOMPARE(countRows("config"), 900);
    // Every user has exactly its own three settings: no transaction was interleaved.
    QVERIFY(query.exec("SELECT COUNT(*) FROM user u WHERE (SELECT COUNT(*) FROM config c "
                       "WHERE c.id_user = u.id) <> 3")
            && query.next());
    QCOMPARE(query.value(0).toInt(), 0);
}

void TestDatabaseOpen::readOnlyFileOpensReadOnly()
{
    QTemporaryDir dir;
    const QString path = makeProgramDatabase(dir.path());
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    if (geteuid() != 0) {
        Database database(path);
        QCOMPARE(database.state(), Database::State::ReadOnly);
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
    QCOMPARE(process.exitCode(), 2);

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
    if (argc == 5 && QByteArray(argv[1]) == "--write")
        return writeUsers(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                          QByteArray(argv[4]).toInt());
    if (argc == 4 && QByteArray(argv[1]) == "--hold")
        return holdLock(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    TestDatabaseOpen test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_database.moc"
