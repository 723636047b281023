#include "mainwindow.h"

#include "activities/random.h"
#include "admin/admwindow.h"
#include "app/helpdialog.h"
#include "app/menuwidget.h"
#include "data/category.h"
#include "data/config.h"
#include "data/database.h"
#include "data/language.h"
#include "data/letter.h"
#include "data/user.h"
#include "data/word.h"
#include "data/wordsave.h"
#include "dialogs/configwidget.h"
#include "dialogs/inputdialog.h"
#include "keyboard/keyboardmanager.h"
#include "widgets/imagewidget.h"
#include "widgets/sequencewidget.h"
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
    database = new Database(QCoreApplication::applicationDirPath() + QStringLiteral("/data/bd"));
    if (!database->isUsable() && databaseFailureHandler)
        databaseFailureHandler();
    else if (database->state() == Database::State::ReadOnly && readOnlyDatabaseHandler)
        readOnlyDatabaseHandler();

    keyboardManager = new KeyboardManager;

    userList = new User::UserList;
    letterList = new Letter::LetterList;
    wordList = new Word::WordList;
    categoryList = new Category::CategoryList;
    config = new Config::Config;

    timer = new QTimer(this);

    openDefaultLanguage();
    // A word save cut short by a crash is finished or undone before anything reads it.
    if (currentLanguage)
        WordSave::recoverAll(currentLanguage->mediaPath() + QStringLiteral("Letras"));

    inputDialog = new InputDialog(userList);
    connect(inputDialog, &InputDialog::chooseUser, this, &MainWindow::slotChooseUser);
    helpDialog = new HelpDialog;
    random = new Random;
    admWindow = new AdmWindow(letterList, wordList, categoryList);

    typedText.clear();
    expectedText.clear();

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

    titleLabel = new QLabel(this);
    titleLabel->setGeometry(80, 110, 334, 122);
    titleLabel->hide();

    orientationLabel = new QLabel(this);
    orientationLabel->setGeometry(925, 300, 93, 64);
    orientationLabel->hide();

    bottomLetterImage = new ImageWidget(this);
    bottomLetterImage->setGeometry(749, 489, 261, 215);
    bottomLetterImage->hide();

    wordImage = new ImageWidget(this);
    wordImage->setGeometry(119, 213, 351, 211);
    wordImage->hide();

    videoPlayer = new VideoPlayer(false, this);
    videoPlayer->setGeometry(550, 178, 320, 240);
    videoPlayer->raise();
    videoPlayer->hide();

    noWordsWarning = new QLabel(this);
    noWordsWarning->setGeometry(252, 309, 542, 131);
    noWordsWarning->setPixmap(QPixmap(system + QStringLiteral("ui/advertencia-sin-palabras.png")));
    noWordsWarning->hide();

    noRepeatWarning = new QLabel(this);
    noRepeatWarning->setGeometry(252, 309, 542, 131);
    noRepeatWarning->setPixmap(
        QPixmap(system + QStringLiteral("ui/advertencia-sin-repeticion.png")));
    noRepeatWarning->hide();

    handSequence = new SequenceWidget(this);
    handSequence->setGeometry(560, 180, 282, 297);
    handSequence->frameInterval = 800;
    handSequence->hide();
    connect(handSequence, &SequenceWidget::signalClock, this, &MainWindow::slotNextHighlight);
    connect(handSequence, &SequenceWidget::signalFinished, this, &MainWindow::slotFinished);

    handLabel = new QLabel(this);
    handLabel->setGeometry(560, 180, 282, 297);
    handLabel->hide();

    feedbackLabel = new QLabel(this);
    feedbackLabel->setGeometry(794, 462, 207, 250);
    feedbackLabel->hide();

    fluSequence = new SequenceWidget(this);
    fluSequence->setGeometry(794, 462, 207, 242);
    fluSequence->frameInterval = 800;

    storySequence = new SequenceWidget(this);
    storySequence->setGeometry(69, 165, 884, 556);
    storySequence->frameInterval = 6000;
    storySequence->hide();

    letterLabels.clear();
    wrongCount = 0;
    typedIndex = 0;

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
    delete currentUser;
    delete currentLanguage;
    delete random;
    delete config;
    delete categoryList;
    delete wordList;
    delete letterList;
    delete userList;
    delete keyboardManager;
    delete database;
}

QString MainWindow::systemMediaPath() const
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/media/system/");
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

bool MainWindow::userSwitch(const QString &key) const
{
    return currentUser && config->value(key, currentUser->id) != 0;
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
    splashPlayer->setGeometry(0, 0, 1024, 768);
    splashPlayer->show();
    splashPlayer->raise();
    playSplash(systemMediaPath() + QStringLiteral("ui/splash-institucional.avi"));
}

void MainWindow::slotShowCredits()
{
    disconnect(splashPlayer, &VideoPlayer::finished, this, &MainWindow::slotShowCredits);
    connect(splashPlayer, &VideoPlayer::finished, this, &MainWindow::slotHideCredits);
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

    const bool useCh = languageSwitch(QStringLiteral("use-ch"));
    const bool useLl = languageSwitch(QStringLiteral("use-ll"));
    handSequence->setDigraphFlags(useCh, useLl);
    handSequence->frameFolder = signsPath();
    fluSequence->setDigraphFlags(useCh, useLl);
    fluSequence->frameFolder = flusPath();
    storySequence->frameFolder = storiesPath();

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
    if (activity != 25)
        return;
    timer->stop();
    const auto pick = QOverload<>::of(&MainWindow::slotPickLetter);
    disconnect(timer, &QTimer::timeout, this, pick);
    connect(timer, &QTimer::timeout, this, pick);
    keysEnabled = false;
    timer->start(500);
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
    clearStage();
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
