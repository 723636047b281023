#include "sql.h"

namespace Sql {

namespace {

QSqlError &lastFailure()
{
    static QSqlError error;
    return error;
}

bool run(const QString &statement)
{
    QSqlQuery query;
    if (query.exec(statement))
        return true;
    lastFailure() = query.lastError();
    return false;
}

} // namespace

bool exec(QSqlQuery &query, const QString &statement, std::initializer_list<Binding> bindings)
{
    if (!query.prepare(statement)) {
        lastFailure() = query.lastError();
        return false;
    }
    for (const Binding &binding : bindings)
        query.bindValue(binding.first, binding.second);
    if (query.exec())
        return true;
    lastFailure() = query.lastError();
    return false;
}

QSqlError lastError()
{
    return lastFailure();
}

Transaction::Transaction() : m_active(run(QStringLiteral("BEGIN IMMEDIATE"))) { }

Transaction::~Transaction()
{
    rollback();
}

bool Transaction::commit()
{
    if (!m_active)
        return false;
    if (run(QStringLiteral("COMMIT"))) {
        m_active = false;
        return true;
    }
    rollback();
    return false;
}

void Transaction::rollback()
{
    if (!m_active)
        return;
    const QSqlError kept = lastFailure();
    run(QStringLiteral("ROLLBACK"));
    lastFailure() = kept;
    m_active = false;
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
