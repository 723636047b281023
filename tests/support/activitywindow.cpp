#include "activitywindow.h"

#include "activities/activityengine.h"
#include "activitymedia.h"
#include "data/user.h"
#include "dialogs/inputdialog.h"

#include <QCoreApplication>
#include <QTest>

ActivityWindow::ActivityWindow()
    : m_db(QCoreApplication::applicationDirPath() + QStringLiteral("/data/bd"))
{
    if (!m_db.isOpen())
        return;
    TestDatabase::addLanguage(QString::fromUtf8(language));
    User::User user;
    user.name = QStringLiteral("Ana");
    user.save();
    m_userId = user.id;
    ActivityMedia::ensureBuilt(QString::fromUtf8(language));
}

ActivityWindow::~ActivityWindow()
{
    delete window;
}

int ActivityWindow::addLetter(const QString &name)
{
    return TestDatabase::addLetter(name, 1);
}

int ActivityWindow::addWord(const QString &name, int letterId, const QString &letterName)
{
    ActivityMedia::addWordPicture(QString::fromUtf8(language), letterName, name);
    return TestDatabase::addWord(name, letterId);
}

QString ActivityWindow::signPath(const QString &letterName, const QString &fullName) const
{
    return ActivityMedia::languageDir(QString::fromUtf8(language)) + QStringLiteral("Letras/")
        + letterName + QLatin1Char('/') + fullName + QLatin1Char('/') + fullName
        + QStringLiteral("-senas.avi");
}

void ActivityWindow::setUserSetting(const QString &key, int data)
{
    TestDatabase::exec(QStringLiteral("DELETE FROM config WHERE key = '%1' AND id_user = %2")
                           .arg(key)
                           .arg(m_userId));
    TestDatabase::setSwitch(key, data, m_userId);
}

void ActivityWindow::setSwitch(const QString &key, int data)
{
    TestDatabase::exec(
        QStringLiteral("DELETE FROM config WHERE key = '%1' AND id_user = 0").arg(key));
    TestDatabase::setSwitch(key, data, 0);
}

bool ActivityWindow::open()
{
    MainWindow::databaseFailureHandler = nullptr;
    window = new MainWindow;
    window->show();
    MainWindowTestAccess a(window);
    // Without opening videos in the tree the splash ends by itself.
    if (!QTest::qWaitFor([&] { return !a.splashActive(); }, 5000))
        return false;
    a.inputDialog()->hide();
    // The window copies the record it is given.
    User::User user;
    if (!user.loadById(m_userId))
        return false;
    // The hand sequences at a fast pace; one test keeps the real one.
    window->engine()->setSequenceInterval(sequenceInterval);
    window->slotChooseUser(&user);
    return a.activity() == 20;
}

void ActivityWindow::startActivity(int activity)
{
    MainWindowTestAccess a(window);
    a.menuChoice() = activity >= 30 ? 2 : 0;
    a.subMenuChoice() = activity >= 30 ? 15 : (activity <= 21 ? 10 : activity <= 23 ? 11 : 12);
    a.subSubMenuChoice() = activity;
    window->startActivity();
}
