#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QStatusBar;

namespace User {
class User;
class UserList;
} // namespace User

// Chooses, adds and removes users; cannot be closed before a user is chosen.
class InputDialog : public QDialog
{
    Q_OBJECT

public:
    explicit InputDialog(User::UserList *userList, QWidget *parent = nullptr);

    void setUserList(User::UserList *userList);
    void refillUsers();

    User::User *chosenUser() const { return m_chosenUser; }

signals:
    void chooseUser(User::User *user);

public slots:
    void slotDisableAdd();
    void slotEnableAdd();
    void slotDisableDelete();
    void slotEnableDelete();
    void slotDisableLogin();
    void slotEnableLogin();

private slots:
    void slotLogin();
    void slotAdd();
    void slotDelete();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Tests reach the widgets.
    friend class InputDialogTestAccess;

    QStatusBar *m_statusBar = nullptr;
    QComboBox *m_userCombo = nullptr;
    QLineEdit *m_nameEdit = nullptr;
    QPushButton *m_addButton = nullptr;
    QPushButton *m_deleteButton = nullptr;
    QPushButton *m_loginButton = nullptr;
    User::User *m_chosenUser = nullptr;
    QGroupBox *m_selectedBox = nullptr;
    QGroupBox *m_registeredBox = nullptr;
    User::UserList *m_userList = nullptr;
};
