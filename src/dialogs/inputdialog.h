#pragma once

#include "data/user.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QStatusBar;

// Chooses, adds and removes users; cannot be closed before a user is chosen.
class InputDialog : public QDialog
{
    Q_OBJECT

public:
    explicit InputDialog(User::UserList *userList, QWidget *parent = nullptr);

    void setUserList(User::UserList *userList);
    void refillUsers();

    // The user of the last Ingresar, kept by the dialog until it is prepared again; null when
    // none was chosen. Whoever receives chooseUser copies it.
    User::User *chosenUser();

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
    void showCurrentEntry();

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
    // The id of the entry shown and named in the field, or -1 when nothing is chosen.
    int chosenEntryId() const;

    User::User m_chosen;
    bool m_hasChosen = false;
    QGroupBox *m_selectedBox = nullptr;
    QGroupBox *m_registeredBox = nullptr;
    User::UserList *m_userList = nullptr;
};
