#pragma once

#include <QPair>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <initializer_list>

// The one place where the data store prepares, binds by name and executes a statement.
namespace Sql {

using Binding = QPair<QString, QVariant>;

// Prepares statement on the default connection, binds every (":name", value) pair and
// executes it. False when preparing or executing fails.
bool exec(QSqlQuery &query, const QString &statement, std::initializer_list<Binding> bindings);

// A write: the execution result only, affected rows are not looked at.
bool write(const QString &statement, std::initializer_list<Binding> bindings);

// A null QString would be bound as NULL; the tables keep an empty text instead.
inline QVariant text(const QString &value)
{
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

// Whether the database has a table of that name.
bool hasTable(const QString &name);

// True when an executed SELECT has a first row, which the query is then positioned on.
bool first(QSqlQuery &query);

// The error of the last statement that failed through exec() or write().
QSqlError lastError();

// A write transaction on the default connection. "BEGIN IMMEDIATE" takes the write lock at
// once (waiting out another copy of the program up to the busy timeout), so a transaction
// never fails half-way for a lock. Rolled back unless commit() succeeded.
class Transaction
{
public:
    Transaction();
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    bool isActive() const { return m_active; }
    // False when the transaction never began or the commit failed (then rolled back).
    bool commit();
    void rollback();

private:
    bool m_active = false;
};

} // namespace Sql
