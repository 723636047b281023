#pragma once

#include <QDateTime>
#include <QString>
#include <QVector>

namespace User {

// Longer names would stretch the chooser beyond the screen.
const int maxNameLength = 40;

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

    // Removes a user with everything kept for them (their settings), in one transaction:
    // either all of it goes or nothing does.
    static bool remove(int userId);

    void reset() { m_cursor = 0; }
    User *next();
    int count() const { return m_users.size(); }

private:
    QVector<User> m_users;
    int m_cursor = 0;
};

} // namespace User
