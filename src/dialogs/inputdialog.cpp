#include "inputdialog.h"

#include "data/user.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

InputDialog::InputDialog(User::UserList *userList, QWidget *parent) : QDialog(parent)
{
    setModal(true);
    setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    move(300, 300);
    setWindowTitle(tr("Quelvanto - Usuarios"));

    m_nameEdit = new QLineEdit;
    m_userCombo = new QComboBox;

    m_addButton = new QPushButton(tr("Agregar"));
    m_deleteButton = new QPushButton(tr("Eliminar"));
    m_loginButton = new QPushButton(tr("Ingresar"));
    for (QPushButton *button : {m_addButton, m_deleteButton, m_loginButton})
        button->setEnabled(false);
    connect(m_addButton, &QPushButton::clicked, this, &InputDialog::slotAdd);
    connect(m_deleteButton, &QPushButton::clicked, this, &InputDialog::slotDelete);
    connect(m_loginButton, &QPushButton::clicked, this, &InputDialog::slotLogin);

    m_selectedBox = new QGroupBox(tr("Usuario seleccionado    "));
    auto *selectedLayout = new QVBoxLayout(m_selectedBox);
    selectedLayout->addWidget(m_nameEdit);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_addButton);
    buttonRow->addWidget(m_loginButton);
    buttonRow->addWidget(m_deleteButton);
    selectedLayout->addLayout(buttonRow);

    m_registeredBox = new QGroupBox(tr("Usuarios registrados    "));
    auto *registeredLayout = new QHBoxLayout(m_registeredBox);
    registeredLayout->addWidget(m_userCombo);
    registeredLayout->addStretch();

    m_statusBar = new QStatusBar(this);
    m_statusBar->setSizeGripEnabled(false);
    m_statusBar->showMessage(tr("Por favor seleccione un usuario."));

    auto *boxes = new QHBoxLayout;
    boxes->addWidget(m_selectedBox);
    boxes->addWidget(m_registeredBox);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addWidget(m_statusBar);

    connect(m_userCombo, &QComboBox::textHighlighted, m_nameEdit, &QLineEdit::setText);
    connect(m_userCombo, &QComboBox::highlighted, this, &InputDialog::slotEnableLogin);
    connect(m_userCombo, &QComboBox::highlighted, this, &InputDialog::slotEnableDelete);
    connect(m_userCombo, &QComboBox::highlighted, this, &InputDialog::slotDisableAdd);
    connect(m_nameEdit, &QLineEdit::textEdited, this, &InputDialog::slotEnableAdd);
    connect(m_nameEdit, &QLineEdit::textEdited, this, &InputDialog::slotDisableLogin);
    connect(m_nameEdit, &QLineEdit::textEdited, this, &InputDialog::slotDisableDelete);

    setUserList(userList);
    setFocusPolicy(Qt::StrongFocus);
}

void InputDialog::setUserList(User::UserList *userList)
{
    m_userList = userList;
    m_chosenUser = nullptr;
    refillUsers();
}

void InputDialog::refillUsers()
{
    m_userCombo->clear();
    if (!m_userList)
        return;
    m_userList->load();
    m_userList->reset();
    while (User::User *user = m_userList->next())
        m_userCombo->addItem(user->name, user->id);
}

void InputDialog::slotDisableAdd()
{
    m_addButton->setEnabled(false);
}
void InputDialog::slotEnableAdd()
{
    m_addButton->setEnabled(true);
}
void InputDialog::slotDisableDelete()
{
    m_deleteButton->setEnabled(false);
}
void InputDialog::slotEnableDelete()
{
    m_deleteButton->setEnabled(true);
}
void InputDialog::slotDisableLogin()
{
    m_loginButton->setEnabled(false);
}
void InputDialog::slotEnableLogin()
{
    m_loginButton->setEnabled(true);
}

void InputDialog::slotLogin()
{
    const int index = m_userCombo->currentIndex();
    if (index >= 0) {
        // Handed over to the main window, which keeps it as its current user.
        m_chosenUser = new User::User;
        if (!m_chosenUser->loadById(m_userCombo->itemData(index, Qt::UserRole).toInt())) {
            delete m_chosenUser;
            m_chosenUser = nullptr;
            return;
        }
    }
    if (m_chosenUser) {
        emit chooseUser(m_chosenUser);
        close();
    }
}

void InputDialog::slotAdd()
{
    const QString name = m_nameEdit->text();
    if (!name.isEmpty()) {
        User::User user;
        if (user.findByName(name)) {
            m_statusBar->showMessage(tr("El usuario %1 ya existe en el sistema.").arg(name));
        } else {
            user.name = name;
            if (user.save()) {
                m_statusBar->showMessage(
                    tr("El usuario %1 ha sido agregado al sistema.").arg(name));
                refillUsers();
            } else {
                m_statusBar->showMessage(
                    tr("El usuario %1 no pudo ser agregado al sistema.").arg(name));
            }
        }
    }
    m_nameEdit->clear();
    slotDisableAdd();
}

void InputDialog::slotDelete()
{
    const int index = m_userCombo->currentIndex();
    User::User user;
    if (index >= 0 && user.loadById(m_userCombo->itemData(index, Qt::UserRole).toInt())) {
        if (user.remove())
            m_statusBar->showMessage(
                tr("El usuario %1 ha sido eliminado del sistema.").arg(user.name));
        refillUsers();
    }
    m_nameEdit->clear();
    slotDisableDelete();
}

void InputDialog::closeEvent(QCloseEvent *event)
{
    if (m_chosenUser) {
        emit chooseUser(m_chosenUser);
        event->accept();
        return;
    }
    QMessageBox box(QMessageBox::Warning, tr("Ingrese todos datos"),
                    tr("Debe seleccionar un usuario para poder cerrar esta ventana."),
                    QMessageBox::Ok, this);
    box.setDefaultButton(static_cast<QPushButton *>(nullptr));
    box.exec();
    event->ignore();
}
