#include "mainwindow.h"

#include "activities/activityengine.h"
#include "activities/attemptrecorder.h"
#include "admin/admwindow.h"
#include "app/appsources.h"
#include "app/helpdialog.h"
#include "app/menuwidget.h"
#include "data/category.h"
#include "data/config.h"
#include "data/database.h"
#include "data/datalocation.h"
#include "data/language.h"
#include "data/letter.h"
#include "data/user.h"
#include "data/word.h"
#include "data/wordsave.h"
#include "dialogs/configwidget.h"
#include "dialogs/inputdialog.h"
#include "widgets/sequencewidget.h"
#include "widgets/stageview.h"
#include "widgets/videoplayer.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

std::function<void()> MainWindow::databaseFailureHandler = [] {
    // Shown without translation: the translator may be what is broken.
    QMessageBox box(QMessageBox::Critical, QStringLiteral("No se puede abrir la base de datos"),
                    QStringLiteral("Hubo un problema abriendo la base de datos del programa.\n"
                                   "Por favor revise su instalación o comuníquese con el "
                                   "desarrollador."),
                    QMessageBox::Cancel);
    box.exec();
};

std::function<void()> MainWindow::readOnlyDatabaseHandler = [] {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Base de datos de solo lectura"),
                    Database::readOnlyText(), QMessageBox::Ok);
    box.exec();
};

MainWindow::MainWindow(QWidget *parent, Qt::WindowFlags flags) : QMainWindow(parent, flags)
{
    database = new Database(DataLocation::current().databasePath());
    if (!database->isUsable() && databaseFailureHandler)
        databaseFailureHandler();
    else if (database->state() == Database::State::ReadOnly && readOnlyDatabaseHandler)
        readOnlyDatabaseHandler();

    userList = new User::UserList;
    letterList = new Letter::LetterList;
    wordList = new Word::WordList;
    categoryList = new Category::CategoryList;
    config = new Config::Config;

    openDefaultLanguage();
    // A word save cut short by a crash is finished or undone before anything reads it.
    if (currentLanguage)
        WordSave::recoverAll(currentLanguage->mediaPath() + QStringLiteral("Letras"));

    inputDialog = new InputDialog(userList);
    connect(inputDialog, &InputDialog::chooseUser, this, &MainWindow::slotChooseUser);
    helpDialog = new HelpDialog;
    admWindow = new AdmWindow(letterList, wordList, categoryList);

    const QString system = systemMediaPath();
    backgroundLabel = new QLabel(this);
    backgroundLabel->setGeometry(0, 0, 1024, 741);
    backgroundLabel->setPixmap(QPixmap(system + QStringLiteral("ui/background.png")));
    backgroundLabel->show();
    backgroundLabel->lower();

    creditsLabel = new QLabel(this);
    creditsLabel->setGeometry(0, 0, 1024, 768);
    creditsLabel->hide();

    closeCreditsButton = new QPushButton(tr("Cerrar créditos"), this);
    closeCreditsButton->setGeometry(432, 638, 200, 50);
    closeCreditsButton->hide();
    connect(closeCreditsButton, &QPushButton::clicked, this, &QWidget::close);

    createMenus();

    m_stage = new StageView(this, system);
    m_sources = new AppSources(config, letterList, wordList, &currentLanguage, &currentUser);
    m_sources->letterByLetterButton = [this] { return stopMotionButton->isSelected(); };
    m_engine = new ActivityEngine(m_stage, m_sources, m_sources, this);
    m_recorder = new AttemptRecorder(this);
    connect(m_engine, &ActivityEngine::itemEnded, m_recorder, &AttemptRecorder::onItemEnded);
    connect(m_stage, &StageView::mediaFinished, m_engine, &ActivityEngine::mediaFinished);
    connect(m_stage, &StageView::mediaFailed, m_engine, &ActivityEngine::mediaFailed);
    connect(m_stage, &StageView::handsFrame, m_engine, &ActivityEngine::handsFrame);
    connect(m_stage, &StageView::handsFinished, m_engine, &ActivityEngine::handsFinished);
    connect(m_stage, &StageView::buttonsReleased, repeatButton, &MenuWidget::slotDeactivate);
    connect(m_stage, &StageView::buttonsReleased, toggleWordButton, &MenuWidget::slotDeactivate);

    arrowLeft = new MenuWidget(system + QStringLiteral("ui/fizq.png"),
                               system + QStringLiteral("ui/fizqroll.png"), this);
    arrowLeft->setGeometry(26, 384, 28, 38);
    arrowLeft->active = true;
    arrowLeft->clickMode = 2;
    arrowLeft->hide();
    connect(arrowLeft, &MenuWidget::menuClicked, this, &MainWindow::slotFlechaIzq);

    arrowRight = new MenuWidget(system + QStringLiteral("ui/fder.png"),
                                system + QStringLiteral("ui/fderroll.png"), this);
    arrowRight->setGeometry(964, 384, 28, 38);
    arrowRight->active = true;
    arrowRight->clickMode = 2;
    arrowRight->hide();
    connect(arrowRight, &MenuWidget::menuClicked, this, &MainWindow::slotFlechaDer);

    setWindowState(Qt::WindowMaximized);
    setWindowTitle(tr("Quelvanto"));
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect desktop = screen->virtualGeometry();
        move((desktop.width() - 1024) / 2, (desktop.height() - 768) / 2);
    }

    slotShowLogo();

    setFixedSize(1024, 768);
}

MainWindow::~MainWindow()
{
    // The top-level windows have no parent; they go with the main window.
    delete configWidget;
    delete admWindow;
    delete helpDialog;
    delete inputDialog;
    delete m_engine;
    m_engine = nullptr;
    delete m_sources;
    delete currentUser;
    delete currentLanguage;
    delete config;
    delete categoryList;
    delete wordList;
    delete letterList;
    delete userList;
    delete database;
}

QString MainWindow::systemMediaPath() const
{
    return DataLocation::current().mediaRoot() + QStringLiteral("system/");
}

QString MainWindow::signsPath() const
{
    return currentLanguage ? currentLanguage->mediaPath() + QStringLiteral("Senas/") : QString();
}

QString MainWindow::flusPath() const
{
    return currentLanguage ? currentLanguage->mediaPath() + QStringLiteral("Flus/") : QString();
}

QString MainWindow::uiPath() const
{
    return currentLanguage ? currentLanguage->mediaPath() + QStringLiteral("UI/") : QString();
}

QString MainWindow::storiesPath() const
{
    return currentLanguage ? currentLanguage->mediaPath() + QStringLiteral("Cuentos/") : QString();
}

bool MainWindow::languageSwitch(const QString &key) const
{
    return config->value(key, 0) != 0;
}

void MainWindow::openDefaultLanguage()
{
    currentLanguage = new Language::Language;
    if (!currentLanguage->loadById(1)) {
        delete currentLanguage;
        currentLanguage = nullptr;
    }
}

void MainWindow::slotShowLogo()
{
    splashActive = true;
    splashPlayer = new VideoPlayer(true, this);
    connect(splashPlayer, &VideoPlayer::finished, this, &MainWindow::slotShowCredits);
    // An opening video that cannot be played goes on as if it had ended.
    connect(splashPlayer, &VideoPlayer::failed, this, &MainWindow::slotShowCredits);
    splashPlayer->setGeometry(0, 0, 1024, 768);
    splashPlayer->show();
    splashPlayer->raise();
    playSplash(systemMediaPath() + QStringLiteral("ui/splash-institucional.avi"));
}

void MainWindow::slotShowCredits()
{
    disconnect(splashPlayer, &VideoPlayer::finished, this, &MainWindow::slotShowCredits);
    disconnect(splashPlayer, &VideoPlayer::failed, this, &MainWindow::slotShowCredits);
    connect(splashPlayer, &VideoPlayer::finished, this, &MainWindow::slotHideCredits);
    connect(splashPlayer, &VideoPlayer::failed, this, &MainWindow::slotHideCredits);
    playSplash(systemMediaPath() + QStringLiteral("ui/splash-programa.avi"));
}

void MainWindow::playSplash(const QString &path)
{
    // A missing opening video must not leave a blank window waiting for Escape.
    if (QFileInfo::exists(path))
        splashPlayer->play(path);
    else
        QTimer::singleShot(0, splashPlayer, &VideoPlayer::finished);
}

void MainWindow::slotHideCredits()
{
    if (!splashActive)
        return;
    splashActive = false;
    disconnect(splashPlayer, &VideoPlayer::finished, this, &MainWindow::slotShowCredits);
    disconnect(splashPlayer, &VideoPlayer::finished, this, &MainWindow::slotHideCredits);
    disconnect(splashPlayer, &VideoPlayer::failed, this, &MainWindow::slotShowCredits);
    disconnect(splashPlayer, &VideoPlayer::failed, this, &MainWindow::slotHideCredits);
    splashPlayer->stop();
    inputDialog->show();
    inputDialog->raise();
    inputDialog->activateWindow();
    splashPlayer->hide();
}

void MainWindow::slotChooseUser(User::User *user)
{
    if (!user)
        return;
    // The window keeps its own record, made once and then overwritten by value: no dialog
    // holds a pointer that a new choice could free.
    const bool changed = !currentUser || currentUser->id != user->id;
    if (!currentUser)
        currentUser = new User::User;
    if (currentUser != user)
        *currentUser = *user;
    // An open configuration dialog edits the previous user's settings; it goes.
    if (changed)
        closeConfigWidget();
    config->language = currentLanguage;
    config->load(user->id);
    m_recorder->setUserId(user->id);

    startDefaultActivity();
}

void MainWindow::startDefaultActivity()
{
    selectMenu(100);
    menuLetters->slotActivate();
    menuReadWrite->slotDeactivate();
    selectSubMenu(100);
    subMenu1->slotActivate();
    subMenu2->slotDeactivate();
    subMenu3->slotDeactivate();
    selectSubSubMenu(100);
}

void MainWindow::slotUser()
{
    inputDialog->setUserList(userList);
    inputDialog->show();
    inputDialog->raise();
    inputDialog->activateWindow();
}

void MainWindow::slotConfig()
{
    if (!currentLanguage || !currentUser)
        return;
    // One dialog at a time: a second Configuración brings the open one forward.
    if (configWidget && configWidget->isVisible()) {
        configWidget->raise();
        configWidget->activateWindow();
        return;
    }
    closeConfigWidget();
    configWidget = new ConfigWidget(currentUser, currentLanguage, letterList, categoryList, config);
    configWidget->show();
    connect(configWidget, &ConfigWidget::done, this, &MainWindow::slotRestart);
}

void MainWindow::closeConfigWidget()
{
    if (!configWidget)
        return;
    disconnect(configWidget, &ConfigWidget::done, this, &MainWindow::slotRestart);
    configWidget->hide();
    configWidget->deleteLater();
    configWidget = nullptr;
}

void MainWindow::slotRestart()
{
    if (configWidget)
        disconnect(configWidget, &ConfigWidget::done, this, &MainWindow::slotRestart);
    startDefaultActivity();
}

void MainWindow::slotAdministrador()
{
    if (!currentLanguage || !currentUser)
        return;
    admWindow->setLanguage(currentLanguage);
    admWindow->show();
    admWindow->raise();
}

void MainWindow::slotShowHelp()
{
    helpDialog->show();
    helpDialog->raise();
}

void MainWindow::slotFinished()
{
    m_engine->handsFinished();
}

bool MainWindow::slotAbout()
{
    if (!currentLanguage)
        return false;
    creditsLabel->setPixmap(QPixmap(uiPath() + QStringLiteral("creditos-grande.png")));
    creditsLabel->show();
    creditsLabel->raise();
    closeCreditsButton->show();
    closeCreditsButton->raise();
    return true;
}

void MainWindow::slotExit()
{
    if (!beginExit())
        close();
}

bool MainWindow::beginExit()
{
    exiting = true;
    m_engine->reset();
    if (!slotAbout())
        return false;
    QTimer::singleShot(20000, this, &QWidget::close);
    return true;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Not through slotExit: a close() nested in this handler would be refused.
    if (!exiting && beginExit()) {
        event->ignore();
        return;
    }
    // The other top-level windows would keep the event loop alive.
    closeConfigWidget();
    for (QWidget *window : std::initializer_list<QWidget *> {inputDialog, helpDialog, admWindow}) {
        if (window)
            window->hide();
    }
    event->accept();
}
