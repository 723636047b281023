#include "inputdialog.h"

#include "admin/prompts.h"
#include "data/database.h"
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
    // A very long name must not stretch the dialog beyond the screen.
    m_userCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_userCombo->setMinimumContentsLength(20);

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
    // Choosing an entry (or any change of the current one) makes field and buttons follow it.
    connect(m_userCombo, &QComboBox::currentIndexChanged, this, &InputDialog::showCurrentEntry);
    connect(m_userCombo, &QComboBox::activated, this, &InputDialog::showCurrentEntry);
    connect(m_nameEdit, &QLineEdit::textEdited, this, &InputDialog::slotEnableAdd);
    connect(m_nameEdit, &QLineEdit::textEdited, this, &InputDialog::slotDisableLogin);
    connect(m_nameEdit, &QLineEdit::textEdited, this, &InputDialog::slotDisableDelete);

    setUserList(userList);
    setFocusPolicy(Qt::StrongFocus);
}

void InputDialog::setUserList(User::UserList *userList)
{
    m_userList = userList;
    m_hasChosen = false;
    m_chosen = User::User();
    refillUsers();
}

User::User *InputDialog::chosenUser()
{
    return m_hasChosen ? &m_chosen : nullptr;
}

void InputDialog::showCurrentEntry()
{
    const int index = m_userCombo->currentIndex();
    m_nameEdit->setText(index >= 0 ? m_userCombo->itemText(index) : QString());
    m_loginButton->setEnabled(index >= 0);
    m_deleteButton->setEnabled(index >= 0);
    m_addButton->setEnabled(false);
}

int InputDialog::chosenEntryId() const
{
    // The name field must still name the entry shown: a name highlighted in the open list
    // and left with Escape is not a choice.
    const int index = m_userCombo->currentIndex();
    if (index < 0 || m_nameEdit->text() != m_userCombo->itemText(index))
        return -1;
    return m_userCombo->itemData(index, Qt::UserRole).toInt();
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
    // Nothing is chosen until the teacher picks an entry, except a lone user, who is the
    // only possible choice and can log in at once.
    m_userCombo->setCurrentIndex(m_userCombo->count() == 1 ? 0 : -1);
    showCurrentEntry();
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
    const int id = chosenEntryId();
    if (id < 0) {
        m_statusBar->showMessage(tr("Por favor seleccione un usuario."));
        showCurrentEntry();
        return;
    }
    // The dialog keeps its own copy; the main window copies it in turn and frees nothing.
    User::User user;
    if (!user.loadById(id))
        return;
    m_chosen = user;
    m_hasChosen = true;
    emit chooseUser(&m_chosen);
    close();
}

void InputDialog::slotAdd()
{
    const QString name = m_nameEdit->text();
    if (name.size() > User::maxNameLength) {
        m_statusBar->showMessage(tr("El nombre de usuario no puede tener más de %1 caracteres.")
                                     .arg(User::maxNameLength));
    } else if (!name.isEmpty() && Database::isReadOnly()) {
        m_statusBar->showMessage(Database::readOnlyText());
    } else if (!name.isEmpty()) {
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
                m_statusBar->showMessage(Database::withFailureReason(
                    tr("El usuario %1 no pudo ser agregado al sistema.").arg(name)));
            }
        }
    }
    // The typed name is gone; field and buttons show the list's entry again.
    showCurrentEntry();
}

void InputDialog::slotDelete()
{
    const int id = chosenEntryId();
    User::User user;
    if (id < 0 || !user.loadById(id)) {
        m_statusBar->showMessage(tr("Por favor seleccione un usuario."));
        showCurrentEntry();
        return;
    }
    if (!Prompts::ask(this, tr("Eliminar usuario"),
                      tr("¿Eliminar al usuario %1 y su configuración?").arg(user.name))) {
        showCurrentEntry();
        return;
    }
    if (Database::isReadOnly())
        m_statusBar->showMessage(Database::readOnlyText());
    else if (User::UserList::remove(user.id))
        m_statusBar->showMessage(tr("El usuario %1 ha sido eliminado del sistema.").arg(user.name));
    else
        m_statusBar->showMessage(Database::withFailureReason(
            tr("El usuario %1 no pudo ser eliminado del sistema.").arg(user.name)));
    refillUsers();
}

void InputDialog::closeEvent(QCloseEvent *event)
{
    if (m_hasChosen) {
        emit chooseUser(&m_chosen);
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
