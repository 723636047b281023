#pragma once

#include <QPair>
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

} // namespace Sql
