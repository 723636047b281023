#include "sqlscript.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace SqlScript {

static bool isTrigger(const QString &statement)
{
    return statement.simplified().startsWith(QLatin1String("CREATE TRIGGER"), Qt::CaseInsensitive);
}

QStringList statements(const QString &script)
{
    QStringList result;
    QString current;
    QChar quote;
    for (int i = 0; i < script.size(); ++i) {
        const QChar c = script.at(i);
        if (!quote.isNull()) {
            current += c;
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == '\'' || c == '"') {
            quote = c;
            current += c;
        } else if (c == '-' && i + 1 < script.size() && script.at(i + 1) == '-') {
            while (i < script.size() && script.at(i) != '\n')
                ++i;
            current += '\n';
        } else if (c == ';') {
            // A trigger body holds statements of its own: it ends only at "END;".
            const QString text = current.trimmed();
            if (isTrigger(text) && !text.endsWith(QLatin1String("END"), Qt::CaseInsensitive)) {
                current += c;
                continue;
            }
            if (!text.isEmpty())
                result << text;
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.trimmed().isEmpty())
        result << current.trimmed();
    return result;
}

static bool run(QSqlDatabase &db, const QStringList &scriptFiles, QString *error)
{
    if (!db.open()) {
        if (error)
            *error = db.lastError().text();
        return false;
    }
    db.transaction();
    for (const QString &file : scriptFiles) {
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly)) {
            if (error)
                *error = QStringLiteral("cannot read %1").arg(file);
            db.rollback();
            return false;
        }
        for (const QString &statement : statements(QString::fromUtf8(in.readAll()))) {
            QSqlQuery query(db);
            if (!query.exec(statement)) {
                if (error)
                    *error = QStringLiteral("%1: %2\n%3")
                                 .arg(file, query.lastError().text(), statement);
                db.rollback();
                return false;
            }
        }
    }
    return db.commit();
}

bool createDatabase(const QString &path, const QStringList &scriptFiles, QString *error)
{
    QFile::remove(path);
    const QString name = QStringLiteral("sqlscript-") + QUuid::createUuid().toString();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = run(db, scriptFiles, error);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!ok)
        QFile::remove(path);
    return ok;
}

} // namespace SqlScript
