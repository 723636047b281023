#include "testdatabase.h"

#include "sqlscript.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

TestDatabase::TestDatabase(const QString &path)
{
    if (path.isEmpty()) {
        m_dir = QDir::tempPath() + "/qv-db-" + QString::number(QCoreApplication::applicationPid())
            + "-" + QString::number(reinterpret_cast<quintptr>(this), 16);
        QDir().mkpath(m_dir);
        m_path = m_dir + "/bd";
    } else {
        m_path = path;
        QDir().mkpath(QFileInfo(path).absolutePath());
    }
    QFile::remove(m_path);
    m_open
        = SqlScript::createDatabase(m_path, {QStringLiteral(QV_SOURCE_DIR "/content/schema.sql")});
    if (m_open) {
        QSqlDatabase db = QSqlDatabase::contains(QSqlDatabase::defaultConnection)
            ? QSqlDatabase::database(QSqlDatabase::defaultConnection, false)
            : QSqlDatabase::addDatabase("QSQLITE");
        db.close();
        db.setDatabaseName(m_path);
        m_open = db.open();
    }
}

TestDatabase::~TestDatabase()
{
    if (QSqlDatabase::contains(QSqlDatabase::defaultConnection))
        QSqlDatabase::database(QSqlDatabase::defaultConnection, false).close();
    if (!m_dir.isEmpty())
        QDir(m_dir).removeRecursively();
}

bool TestDatabase::exec(const QString &statement)
{
    QSqlQuery query;
    return query.exec(statement);
}

QVariant TestDatabase::scalar(const QString &statement)
{
    QSqlQuery query;
    if (query.exec(statement) && query.next())
        return query.value(0);
    return QVariant();
}

static int insertReturningId(const QString &statement, const QVariantList &values)
{
    QSqlQuery query;
    query.prepare(statement);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        return 0;
    return query.lastInsertId().toInt();
}

int TestDatabase::addLanguage(const QString &name)
{
    return insertReturningId("INSERT INTO language (name) VALUES (?)", {name});
}

int TestDatabase::addLetter(const QString &name, int languageId)
{
    return insertReturningId("INSERT INTO letter (name, id_language) VALUES (?, ?)",
                             {name, languageId});
}

int TestDatabase::addCategory(const QString &name, int languageId)
{
    return insertReturningId("INSERT INTO category (name, id_language) VALUES (?, ?)",
                             {name, languageId});
}

int TestDatabase::addWord(const QString &name, int letterId, const QString &fullName)
{
    const QString full = fullName.isEmpty() ? name : fullName;
    return insertReturningId(
        "INSERT INTO word (name, fullName, image, sign, lips, id_letter) "
        "VALUES (?, ?, ?, ?, ?, ?)",
        {name, full, full + ".png", full + "-senas.avi", full + "-labial.avi", letterId});
}

void TestDatabase::link(int wordId, int categoryId)
{
    insertReturningId("INSERT OR IGNORE INTO word_x_category (id_word, id_category) VALUES (?, ?)",
                      {wordId, categoryId});
}

void TestDatabase::setSwitch(const QString &key, int data, int userId, int languageId)
{
    insertReturningId("INSERT INTO config (key, data, id_user, id_language) VALUES (?, ?, ?, ?)",
                      {key, data, userId, languageId});
}
