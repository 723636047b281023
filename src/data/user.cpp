#include "user.h"

#include "sql.h"

namespace User {

namespace {

const QString selectUser = QStringLiteral("SELECT id, name, last_login, created_in FROM user ");
const QString timeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");

void fill(User &user, const QSqlQuery &query)
{
    user.id = query.value(0).toInt();
    user.name = query.value(1).toString();
    user.lastLogin = QDateTime::fromString(query.value(2).toString(), timeFormat);
    user.createdIn = QDateTime::fromString(query.value(3).toString(), timeFormat);
}

} // namespace

bool User::loadById(int userId)
{
    QSqlQuery query;
    Sql::exec(query, selectUser + "WHERE id = :id", {{":id", userId}});
    if (!Sql::first(query))
        return false;
    fill(*this, query);
    return true;
}

bool User::findByName(const QString &userName)
{
    QSqlQuery query;
    Sql::exec(query, selectUser + "WHERE name = :name", {{":name", userName}});
    if (!Sql::first(query))
        return false;
    fill(*this, query);
    return true;
}

bool User::insert()
{
    const QString now = QDateTime::currentDateTime().toString(timeFormat);
    return Sql::write("INSERT INTO user (name, last_login, created_in) "
                      "VALUES (:name, :last_login, :created_in)",
                      {{":name", Sql::text(name)}, {":last_login", now}, {":created_in", now}});
}

bool User::update()
{
    return Sql::write("UPDATE user SET name = :name, last_login = :last_login, "
                      "created_in = :created_in WHERE id = :id",
                      {{":name", Sql::text(name)},
                       {":last_login", lastLogin.toString(timeFormat)},
                       {":created_in", createdIn.toString(timeFormat)},
                       {":id", id}});
}

bool User::save()
{
    QSqlQuery query;
    if (!Sql::exec(query, selectUser + "WHERE name = :name", {{":name", Sql::text(name)}}))
        return false;
    if (Sql::first(query)) {
        id = query.value(0).toInt();
        return update();
    }
    if (!insert())
        return false;
    return findByName(name);
}

bool User::remove()
{
    return Sql::write("DELETE FROM user WHERE id = :id", {{":id", id}});
}

bool UserList::remove(int userId)
{
    // Id 0 holds the language-wide switches, never a user's.
    if (userId == 0)
        return false;
    Sql::Transaction transaction;
    if (!transaction.isActive())
        return false;
    if (!Sql::write("DELETE FROM config WHERE id_user = :id", {{":id", userId}})
        || !Sql::write("DELETE FROM user WHERE id = :id", {{":id", userId}}))
        return false;
    return transaction.commit();
}

void UserList::load()
{
    m_users.clear();
    m_cursor = 0;
    QSqlQuery query;
    if (!Sql::exec(query, selectUser + "ORDER BY name ASC", {}) || !query.isSelect())
        return;
    while (query.next()) {
        User user;
        fill(user, query);
        m_users.append(user);
    }
}

User *UserList::next()
{
    if (m_cursor >= m_users.size())
        return nullptr;
    return &m_users[m_cursor++];
}

} // namespace User
