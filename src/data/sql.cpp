#include "sql.h"

namespace Sql {

bool exec(QSqlQuery &query, const QString &statement, std::initializer_list<Binding> bindings)
{
    if (!query.prepare(statement))
        return false;
    for (const Binding &binding : bindings)
        query.bindValue(binding.first, binding.second);
    return query.exec();
}

bool write(const QString &statement, std::initializer_list<Binding> bindings)
{
    QSqlQuery query;
    return exec(query, statement, bindings);
}

bool first(QSqlQuery &query)
{
    return query.isActive() && query.isSelect() && query.first();
}

bool hasTable(const QString &name)
{
    QSqlQuery query;
    return exec(query, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = :name",
                {{":name", name}})
        && query.next();
}

} // namespace Sql
