#include "data/user.h"
#include "dialogs/inputdialog.h"
#include "messageboxanswerer.h"
#include "promptrecorder.h"
#include "testdatabase.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

class InputDialogTestAccess
{
public:
    explicit InputDialogTestAccess(InputDialog *dialog) : d(dialog) { }
    QComboBox *combo() { return d->m_userCombo; }
    QLineEdit *name() { return d->m_nameEdit; }
    QPushButton *add() { return d->m_addButton; }
    QPushButton *remove() { return d->m_deleteButton; }
    QPushButton *login() { return d->m_loginButton; }
    QString status() { return d->m_statusBar->currentMessage(); }

private:
    InputDialog *d;
};

class UserChooserTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listsUsersByNameWithTheirIds();
    void highlightingAndTypingSwitchButtons();
    void addReportsInTheStatusBar_data();
    void addReportsInTheStatusBar();
    void emptyNameWritesNothing();
    void deleteRemovesTheSelectedUser();
    void loginAnnouncesTheUserTwiceAndCloses();
    void cannotCloseWithoutAChoice();
    void reopeningForgetsTheChosenUser();
    void reopenedChooserShowsNothingChosenAndDeletesNobody();
    void deletingAsksNamingTheChildAndTakesTheSettings_data();
    void deletingAsksNamingTheChildAndTakesTheSettings();
    void highlightedButNotChosenEntryIsNeverDeleted();
    void loneUserLogsInWithoutOpeningTheList();
    void overlongNameIsRefusedAndKeepsTheDialogNarrow();

private:
    static int userCount() { return TestDatabase::scalar("SELECT COUNT(*) FROM user").toInt(); }

    TestDatabase *m_db = nullptr;
    PromptRecorder *m_prompts = nullptr;
};

void UserChooserTest::init()
{
    m_db = new TestDatabase;
    QVERIFY(m_db->isOpen());
    m_prompts = new PromptRecorder;
    for (const char *name : {"Marta", "Ana", "Luis"}) {
        User::User user;
        user.name = QString::fromLatin1(name);
        QVERIFY(user.save());
    }
}

void UserChooserTest::cleanup()
{
    delete m_prompts;
    m_prompts = nullptr;
    delete m_db;
    m_db = nullptr;
}

void UserChooserTest::listsUsersByNameWithTheirIds()
{
    User::UserList users;
    InputDialog dialog(&users);
    InputDialogTestAccess access(&dialog);
    QCOMPARE(access.combo()->count(), 3);
    QCOMPARE(access.combo()->itemText(0), QString("Ana"));
    QCOMPARE(access.combo()->itemText(2), QString("Marta"));
    QCOMPARE(access.combo()->itemData(1).toInt(),
             TestDatabase::scalar("SELECT id FROM user WHERE name = 'Luis'").toInt());
    // Nothing is chosen until an entry is picked.
    QCOMPARE(access.combo()->currentIndex(), -1);
    QVERIFY(access.name()->text().isEmpty());
    QCOMPARE(access.status(), QString("Por favor seleccione un usuario."));
    QVERIFY(!access.add()->isEnabled());
    QVERIFY(!access.remove()->isEnabled());
    QVERIFY(!access.login()->isEnabled());
    QCOMPARE(dialog.windowTitle(), QString("Quelvanto - Usuarios"));
}

void UserChooserTest::highlightingAndTypingSwitchButtons()
{
    User::UserList users;
    InputDialog dialog(&users);
    InputDialogTestAccess access(&dialog);
    emit access.combo()->highlighted(1);
    emit access.combo()->textHighlighted(access.combo()->itemText(1));
    QCOMPARE(access.name()->text(), QString("Luis"));
    QVERIFY(access.login()->isEnabled());
    QVERIFY(access.remove()->isEnabled());
    QVERIFY(!access.add()->isEnabled());

    QTest::keyClick(access.name(), Qt::Key_A);
    QVERIFY(access.add()->isEnabled());
    QVERIFY(!access.login()->isEnabled());
    QVERIFY(!access.remove()->isEnabled());
}

void UserChooserTest::addReportsInTheStatusBar_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("users");

    QTest::newRow("new name") << "Pedro"
                              << "El usuario Pedro ha sido agregado al sistema." << 4;
    QTest::newRow("existing name") << "Ana"
                                   << "El usuario Ana ya existe en el sistema." << 3;
    QTest::newRow("other case is another user")
        << "ana"
        << "El usuario ana ha sido agregado al sistema." << 4;
    QTest::newRow("leading blank is another user")
        << " Ana"
        << "El usuario  Ana ha sido agregado al sistema." << 4;
    QTest::newRow("quotes are plain text")
        << "O'Brien \"x\""
        << "El usuario O'Brien \"x\" ha sido agregado al sistema." << 4;
}

void UserChooserTest::addReportsInTheStatusBar()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(int, users);

    User::UserList list;
    InputDialog dialog(&list);
    InputDialogTestAccess access(&dialog);
    access.name()->setText(name);
    access.add()->setEnabled(true);
    QTest::mouseClick(access.add(), Qt::LeftButton);

    QCOMPARE(access.status(), message);
    QCOMPARE(userCount(), users);
    QCOMPARE(access.combo()->count(), users);
    QVERIFY(access.name()->text().isEmpty());
    QVERIFY(!access.add()->isEnabled());
    // The list is refilled in name order; nothing is current, not even the new user.
    QCOMPARE(access.combo()->currentIndex(), -1);
}

void UserChooserTest::emptyNameWritesNothing()
{
    User::UserList list;
    InputDialog dialog(&list);
    InputDialogTestAccess access(&dialog);
    access.add()->setEnabled(true);
    QTest::mouseClick(access.add(), Qt::LeftButton);
    QCOMPARE(userCount(), 3);
    QCOMPARE(access.status(), QString("Por favor seleccione un usuario."));
    QVERIFY(!access.add()->isEnabled());
}

void UserChooserTest::deleteRemovesTheSelectedUser()
{
    User::UserList list;
    InputDialog dialog(&list);
    InputDialogTestAccess access(&dialog);
    access.combo()->setCurrentIndex(1);
    access.remove()->setEnabled(true);
    QTest::mouseClick(access.remove(), Qt::LeftButton);
    QCOMPARE(access.status(), QString("El usuario Luis ha sido eliminado del sistema."));
    QCOMPARE(m_prompts->prompts.size(), 1);
    QCOMPARE(userCount(), 2);
    QCOMPARE(access.combo()->count(), 2);
    QCOMPARE(access.combo()->itemText(1), QString("Marta"));
    QVERIFY(!access.remove()->isEnabled());
}

void UserChooserTest::loginAnnouncesTheUserTwiceAndCloses()
{
    User::UserList list;
    InputDialog dialog(&list);
    InputDialogTestAccess access(&dialog);
    dialog.show();
    QList<User::User *> chosen;
    connect(&dialog, &InputDialog::chooseUser, this, [&](User::User *user) { chosen << user; });
    access.combo()->setCurrentIndex(2);
    access.login()->setEnabled(true);
    QTest::mouseClick(access.login(), Qt::LeftButton);

    QCOMPARE(chosen.count(), 2);
    User::User *first = chosen.at(0);
    QCOMPARE(first, chosen.at(1));
    QVERIFY(first);
    QCOMPARE(first->name, QString("Marta"));
    QVERIFY(!dialog.isVisible());
}

void UserChooserTest::cannotCloseWithoutAChoice()
{
    TestDatabase::exec("DELETE FROM user");
    User::UserList list;
    InputDialog dialog(&list);
    InputDialogTestAccess access(&dialog);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    int chosen = 0;
    connect(&dialog, &InputDialog::chooseUser, this, [&] { ++chosen; });

    access.login()->setEnabled(true);
    QTest::mouseClick(access.login(), Qt::LeftButton);
    QCOMPARE(chosen, 0);

    MessageBoxAnswerer watcher;
    QVERIFY(!dialog.close());
    QCOMPARE(watcher.texts,
             QStringList {"Debe seleccionar un usuario para poder cerrar esta ventana."});
    QVERIFY(dialog.isVisible());
    QCOMPARE(chosen, 0);
}

void UserChooserTest::reopeningForgetsTheChosenUser()
{
    User::UserList list;
    InputDialog dialog(&list);
    InputDialogTestAccess access(&dialog);
    dialog.show();
    access.combo()->setCurrentIndex(0);
    access.login()->setEnabled(true);
    QTest::mouseClick(access.login(), Qt::LeftButton);
    QVERIFY(dialog.chosenUser());

    dialog.setUserList(&list);
    QVERIFY(!dialog.chosenUser());
    dialog.show();
    MessageBoxAnswerer watcher;
    QVERIFY(!dialog.close());
    QCOMPARE(watcher.texts.size(), 1);
    QVERIFY(dialog.isVisible());
}

void UserChooserTest::reopenedChooserShowsNothingChosenAndDeletesNobody()
{
    User::UserList list;
    InputDialog dialog(&list);
    InputDialogTestAccess access(&dialog);
    dialog.show();
    access.combo()->setCurrentIndex(1); // Luis
    QCOMPARE(access.name()->text(), QString("Luis"));
    QVERIFY(access.login()->isEnabled());
    QTest::mouseClick(access.login(), Qt::LeftButton);
    QCOMPARE(dialog.chosenUser()->name, QString("Luis"));

    // Archivo -> Usuario: the main window prepares the dialog again.
    dialog.setUserList(&list);
    dialog.show();
    QCOMPARE(access.combo()->currentIndex(), -1);
    QVERIFY(access.name()->text().isEmpty());
    QVERIFY(!access.login()->isEnabled());
    QVERIFY(!access.remove()->isEnabled());
    access.remove()->setEnabled(true); // even forced, Eliminar finds nobody to delete
    QTest::mouseClick(access.remove(), Qt::LeftButton);
    QCOMPARE(userCount(), 3);
    QVERIFY(m_prompts->prompts.isEmpty());
}

void UserChooserTest::deletingAsksNamingTheChildAndTakesTheSettings_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("Sí deletes user and settings") << true;
    QTest::newRow("No deletes nothing") << false;
}

void UserChooserTest::deletingAsksNamingTheChildAndTakesTheSettings()
{
    QFETCH(bool, answer);
    const int ana = TestDatabase::scalar("SELECT id FROM user WHERE name = 'Ana'").toInt();
    TestDatabase::setSwitch("letter", 3, ana);
    TestDatabase::setSwitch("show-order", 2, ana);
    TestDatabase::setSwitch("use-ch", 1, 0);
    User::UserList list;
    InputDialog dialog(&list);
    InputDialogTestAccess access(&dialog);
    access.combo()->setCurrentIndex(0);
    m_prompts->answers << answer;
    QTest::mouseClick(access.remove(), Qt::LeftButton);

    QCOMPARE(m_prompts->prompts.size(), 1);
    QCOMPARE(m_prompts->prompts.first().kind, Prompts::Kind::Question);
    QCOMPARE(m_prompts->prompts.first().text,
             QString("¿Eliminar al usuario Ana y su configuración?"));
    QCOMPARE(userCount(), answer ? 2 : 3);
    QCOMPARE(
        TestDatabase::scalar(QString("SELECT COUNT(*) FROM config WHERE id_user = %1").arg(ana))
            .toInt(),
        answer ? 0 : 2);
    // The language-wide switches stay whatever happens.
    QCOMPARE(TestDatabase::scalar("SELECT COUNT(*) FROM config WHERE id_user = 0").toInt(), 1);
}

void UserChooserTest::highlightedButNotChosenEntryIsNeverDeleted()
{
    User::UserList list;
    InputDialog dialog(&list);
    InputDialogTestAccess access(&dialog);
    access.combo()->setCurrentIndex(0); // Ana is shown
    // Luis highlighted in the open list, which is then left with Escape.
    emit access.combo()->highlighted(1);
    emit access.combo()->textHighlighted(access.combo()->itemText(1));
    QCOMPARE(access.name()->text(), QString("Luis"));
    QTest::mouseClick(access.remove(), Qt::LeftButton);
    QCOMPARE(userCount(), 3);
    QVERIFY(m_prompts->prompts.isEmpty());
    // The field shows the list's entry again.
    QCOMPARE(access.name()->text(), QString("Ana"));
}

void UserChooserTest::loneUserLogsInWithoutOpeningTheList()
{
    TestDatabase::exec("DELETE FROM user WHERE name <> 'Ana'");
    User::UserList list;
    InputDialog dialog(&list);
    InputDialogTestAccess access(&dialog);
    dialog.show();
    QCOMPARE(access.combo()->currentIndex(), 0);
    QCOMPARE(access.name()->text(), QString("Ana"));
    QVERIFY(access.login()->isEnabled());
    QTest::mouseClick(access.login(), Qt::LeftButton);
    QVERIFY(dialog.chosenUser());
    QCOMPARE(dialog.chosenUser()->name, QString("Ana"));
    QVERIFY(!dialog.isVisible());
}

void UserChooserTest::overlongNameIsRefusedAndKeepsTheDialogNarrow()
{
    User::UserList list;
    InputDialog dialog(&list);
    InputDialogTestAccess access(&dialog);
    access.name()->setText(QString(User::maxNameLength + 1, 'x'));
    access.add()->setEnabled(true);
    QTest::mouseClick(access.add(), Qt::LeftButton);
    QCOMPARE(userCount(), 3);
    QCOMPARE(access.status(),
             QString("El nombre de usuario no puede tener más de %1 caracteres.")
                 .arg(User::maxNameLength));

    // A long name already in the database does not stretch the dialog.
    User::User longName;
    longName.name = QString(1000, 'm');
    QVERIFY(longName.save());
    dialog.setUserList(&list);
    dialog.adjustSize();
    QVERIFY2(dialog.width() < 1000, qPrintable(QString::number(dialog.width())));
}

QTEST_MAIN(UserChooserTest)
#include "tst_userchooser.moc"
