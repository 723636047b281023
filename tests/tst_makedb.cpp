#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

// The build's database tool: it makes data/bd from the SQL, and must never throw away a
// database that users and teachers have written to.
class MakeDbTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void buildsTheDemoDatabase();
    void rebuildsAnUntouchedDatabase();
    void keepsADatabaseWithChangesOfItsOwn();
    void failedScriptLeavesTheOldDatabase();

private:
    int run(const QStringList &arguments);
    static QVariant scalar(const QString &path, const QString &statement);
    static bool exec(const QString &path, const QString &statement);

    QTemporaryDir m_dir;
    QString m_db;
    QString m_hash;
    const QString m_schema = QStringLiteral(QV_SOURCE_DIR "/content/schema.sql");
    const QString m_seed = QStringLiteral(QV_SOURCE_DIR "/content/seed.sql");
};

void MakeDbTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QFile::exists(QV_BUILD_DIR "/tools/qv-makedb"));
}

int MakeDbTest::run(const QStringList &arguments)
{
    QProcess tool;
    tool.start(QStringLiteral(QV_BUILD_DIR "/tools/qv-makedb"), arguments);
    if (!tool.waitForFinished(60000))
        return -1;
    return tool.exitCode();
}

QVariant MakeDbTest::scalar(const QString &path, const QString &statement)
{
    QVariant result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "probe");
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(statement) && query.next())
                result = query.value(0);
        }
    }
    QSqlDatabase::removeDatabase("probe");
    return result;
}

bool MakeDbTest::exec(const QString &path, const QString &statement)
{
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "probe");
        db.setDatabaseName(path);
        ok = db.open() && QSqlQuery(db).exec(statement);
    }
    QSqlDatabase::removeDatabase("probe");
    return ok;
}

void MakeDbTest::buildsTheDemoDatabase()
{
    m_db = m_dir.filePath("data/bd");
    m_hash = m_dir.filePath("bd.sha1");
    QCOMPARE(run({"--keep-changed", m_hash, m_db, m_schema, m_seed}), 0);
    QVERIFY(scalar(m_db, "SELECT COUNT(*) FROM letter").toInt() >= 29);
    QVERIFY(QFile::exists(m_hash));
    QVERIFY(!QFile::exists(m_db + ".part"));
}

void MakeDbTest::rebuildsAnUntouchedDatabase()
{
    QVERIFY(QFile::exists(m_db));
    const QDateTime before = QFileInfo(m_db).lastModified();
    QTest::qWait(20);
    QCOMPARE(run({"--keep-changed", m_hash, m_db, m_schema, m_seed}), 0);
    QVERIFY(QFileInfo(m_db).lastModified() > before);
    QCOMPARE(scalar(m_db, "SELECT COUNT(*) FROM user WHERE name = 'Pilar'").toInt(), 0);
}

void MakeDbTest::keepsADatabaseWithChangesOfItsOwn()
{
    QVERIFY(exec(m_db, "INSERT INTO user (name) VALUES ('Pilar')"));
    QCOMPARE(run({"--keep-changed", m_hash, m_db, m_schema, m_seed}), 0);
    QCOMPARE(scalar(m_db, "SELECT COUNT(*) FROM user WHERE name = 'Pilar'").toInt(), 1);

    // A database the build never made (no record of it) is kept as well.
    QFile::remove(m_hash);
    QCOMPARE(run({"--keep-changed", m_hash, m_db, m_schema, m_seed}), 0);
    QCOMPARE(scalar(m_db, "SELECT COUNT(*) FROM user WHERE name = 'Pilar'").toInt(), 1);
}

void MakeDbTest::failedScriptLeavesTheOldDatabase()
{
    const QString broken = m_dir.filePath("broken.sql");
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("INSERT INTO nowhere VALUES (1);\n");
    file.close();
    QVERIFY(run({m_db, m_schema, broken}) != 0);
    QCOMPARE(scalar(m_db, "SELECT COUNT(*) FROM user WHERE name = 'Pilar'").toInt(), 1);
    QVERIFY(!QFile::exists(m_db + ".part"));
}

QTEST_GUILESS_MAIN(MakeDbTest)
#include "tst_makedb.moc"
