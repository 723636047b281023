#pragma once

#include <QDateTime>
#include <QString>
#include <QVector>

namespace User {

class User
{
public:
    bool loadById(int id);
    bool findByName(const QString &name);
    bool insert();
    bool update();
    bool save();
    bool remove();

    int id = 0;
    QString name;
    QDateTime createdIn;
    QDateTime lastLogin;
};

class UserList
{
public:
    void load();

    void reset() { m_cursor = 0; }
    User *next();
    int count() const { return m_users.size(); }

private:
    QVector<User> m_users;
    int m_cursor = 0;
};

} // namespace User
