#pragma once

#include <QMainWindow>
#include <QString>
#include <QVector>

#include <memory>

#include <functional>

class QLabel;
class QPushButton;

class ActivityEngine;
class AttemptRecorder;
class AppSources;
class Database;
class StageView;
class InputDialog;
class HelpDialog;
class AdmWindow;
class ConfigWidget;
class MenuWidget;
class VideoPlayer;

namespace Language {
class Language;
}
namespace Letter {
class Letter;
class LetterList;
} // namespace Letter
namespace Word {
class Word;
class WordList;
} // namespace Word
namespace Category {
class CategoryList;
}
namespace User {
class User;
class UserList;
} // namespace User
namespace Config {
class Config;
}

// The one window of the program: menus, dialogs and the opening videos; the activities run
// in the engine, which shows them on the window's stage.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~MainWindow() override;

    // Words the database failure; replaced by tests that must not block on a message box.
    static std::function<void()> databaseFailureHandler;
    // Says that nothing will be saved; replaced by tests likewise.
    static std::function<void()> readOnlyDatabaseHandler;

    // Media paths (all directories end with "/"; the language ones are empty without language).
    QString systemMediaPath() const;
    QString signsPath() const;
    QString flusPath() const;
    QString uiPath() const;
    QString storiesPath() const;

    void startActivity();
    void resetScreen();
    void startDefaultActivity();

    // Menus.
    void selectMenu(int button);
    void updateSubMenuImages();
    void selectSubMenu(int button);
    void updateTopMenu(int subMenuCode);
    void showSubSubMenu();
    void selectSubSubMenu(int button);

    ActivityEngine *engine() const { return m_engine; }
    StageView *stage() const { return m_stage; }

public slots:
    // The activity slots reach the engine.
    void slotRepeatWord();
    void slotToggleWord();
    void slotImage();
    void slotSign();
    void slotLips();
    void slotConfig();
    void slotRestart();
    void slotShowNextStep();
    bool slotAbout();
    void slotFinished();
    void slotMenu1();
    void slotMenu3();
    void slotSubMenu1();
    void slotSubMenu2();
    void slotSubMenu3();
    void slotSubSubMenu1();
    void slotSubSubMenu2();
    void slotLeer1();
    void slotLeer2();
    void slotLeer3();
    void slotLeer4();
    void slotLeer5();
    void slotUser();
    void slotAdministrador();
    void slotExit();
    void slotMenuArchivo();
    void slotHideMenuArchivo();
    void slotPickLetter();
    void slotLetter();
    void slotPresentPickLetter();
    void slotShowGuessWord();
    void slotNextHighlight();
    void slotBottomLetter();
    void slotWord();
    void slotVideo();
    void slotHandsSequence();
    void slotFluSequence();
    void slotHand();
    void slotHideLetter(int position);
    void slotShowLogo();
    void slotShowCredits();
    void slotHideCredits();
    void slotChooseUser(User::User *user);
    void openDefaultLanguage();
    void slotFlechaIzq();
    void slotFlechaDer();
    void slotShowHelp();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    void createMenus();
    // Hides and frees the configuration dialog, if any; its pending answer is dropped.
    void closeConfigWidget();
    void playSplash(const QString &path);
    // The exit's first steps; true when the credits are up and the close is scheduled.
    bool beginExit();
    void startStory(int story, int pages);
    // A language-wide switch (user id 0); non-zero is on.
    bool languageSwitch(const QString &key) const;

    // Tests reach the widgets and the activity state directly.
    friend class MainWindowTestAccess;

    // Data store, created once and kept for the whole run.
    Database *database = nullptr;
    User::UserList *userList = nullptr;
    Letter::LetterList *letterList = nullptr;
    Word::WordList *wordList = nullptr;
    Category::CategoryList *categoryList = nullptr;
    Config::Config *config = nullptr;
    Language::Language *currentLanguage = nullptr;
    User::User *currentUser = nullptr;

    // The activities and the stage they show on.
    AppSources *m_sources = nullptr;
    StageView *m_stage = nullptr;
    ActivityEngine *m_engine = nullptr;
    // Every finished item goes into the current child's record.
    AttemptRecorder *m_recorder = nullptr;

    // Top-level windows.
    InputDialog *inputDialog = nullptr;
    HelpDialog *helpDialog = nullptr;
    AdmWindow *admWindow = nullptr;
    ConfigWidget *configWidget = nullptr;

    // Child widgets.
    QLabel *backgroundLabel = nullptr;
    QLabel *creditsLabel = nullptr;
    QPushButton *closeCreditsButton = nullptr;
    MenuWidget *menuLetters = nullptr;
    MenuWidget *menuReadWrite = nullptr;
    MenuWidget *subMenu1 = nullptr;
    MenuWidget *subMenu2 = nullptr;
    MenuWidget *subMenu3 = nullptr;
    MenuWidget *subSubMenu1 = nullptr;
    MenuWidget *subSubMenu2 = nullptr;
    MenuWidget *menuFile = nullptr;
    MenuWidget *menuHelp = nullptr;
    MenuWidget *menuUser = nullptr;
    MenuWidget *menuConfig = nullptr;
    MenuWidget *menuAdministrator = nullptr;
    MenuWidget *menuExit = nullptr;
    MenuWidget *storiesHeader = nullptr;
    MenuWidget *readMenu1 = nullptr;
    MenuWidget *readMenu2 = nullptr;
    MenuWidget *readMenu3 = nullptr;
    MenuWidget *fablesHeader = nullptr;
    MenuWidget *readMenu4 = nullptr;
    MenuWidget *readMenu5 = nullptr;
    MenuWidget *repeatButton = nullptr;
    MenuWidget *toggleWordButton = nullptr;
    MenuWidget *stopMotionButton = nullptr;
    MenuWidget *arrowLeft = nullptr;
    MenuWidget *arrowRight = nullptr;
    VideoPlayer *splashPlayer = nullptr;

    bool fileMenuOpen = false;
    bool splashActive = false;
    bool exiting = false;

    // Menu codes; -1 is no activity code, so early keys and clean-ups stay inert.
    int menuChoice = -1;
    int subMenuChoice = -1;
    int subSubMenuChoice = -1;
    int activeMenu = -1;
    int activeSubMenu = -1;
};
