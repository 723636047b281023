#pragma once

#include <QMainWindow>
#include <QString>
#include <QVector>

#include <memory>

#include <functional>

class QLabel;
class QPushButton;
class QTimer;
class QPixmap;

class Database;
class KeyboardManager;
class Random;
class InputDialog;
class HelpDialog;
class AdmWindow;
class ConfigWidget;
class MenuWidget;
class ImageWidget;
class SequenceWidget;
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

// The one window of the program. Its member functions are spread over app/ (frame, menus),
// activities/ (activity engine), widgets/ (media, stories) and keyboard/ (key handler).
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

    // Activity engine.
    void startActivity();
    Letter::Letter *drawLetter(bool useFilters);
    Word::Word *drawWord(Letter::Letter *letter, bool useCategoryFilter);
    Word::Word *drawWordForTypedLetter(bool useCategoryFilter);
    void clearStage();
    void resetScreen();
    void releaseWordButtons();
    void hideLetterLabels(bool clearPictures);
    void showLetterLabels();
    void showTitle();
    void startDefaultActivity();

    // Word rendering from letter images.
    QString letterImageName(const QString &word, int &index, bool caseFolder);
    int countDigraphsBefore(const QString &word, int index);
    QPixmap renderLetterImage(QLabel *label, const QString &fontDir, const QString &imageName,
                              int x, int y);
    void placeLetter(const QString &fontDir, const QString &imageName, int &x, int y,
                     int labelIndex);
    void setLetterPicture(QLabel *label, const QString &fontDir, const QString &imageName);
    void renderWord(Word::Word *word, const QString &fontDir);

    // Guessing.
    int pickHiddenLetter(const QString &word, QString &letterText);
    void letterForAnswer(QString &text, QString &shownForm);
    void checkTypedWord();

    // Keyboard.
    bool pickTypedLetter(const QString &text);

    // Media.
    void playVideo(const QString &path);

    // Menus.
    void selectMenu(int button);
    void updateSubMenuImages();
    void selectSubMenu(int button);
    void updateTopMenu(int subMenuCode);
    void showSubSubMenu();
    void selectSubSubMenu(int button);

signals:
    void signalNextStep();
    void signalNextLetter();

public slots:
    void slotRepeatWord();
    void slotToggleWord();
    void slotObjectWord(Word::Word *word);
    void slotObjectGuessWord(Word::Word *word);
    void slotObjectWord_stopMo();
    void slotObjectWord_stopMoFinish();
    void slotHighlightLetter(Word::Word *word);
    void slotHideLetter(Word::Word *word, int position);
    void slotImage();
    void slotSign();
    void slotLips();
    void slotConfig();
    void slotRestart();
    void slotShowNextStep(bool jump);
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
    void slotPickLetter(bool repeat);
    void slotPickLetter();
    void slotLetter(bool repeat);
    void slotLetter();
    void slotPresentPickLetter();
    void slotShowGuessWord();
    void slotCorrect();
    void slotWrong();
    void slotOrientation();
    void slotPositiveFeedback();
    void slotNegativeFeedback();
    void slotNextHighlight();
    void slotBottomLetter();
    void slotWord();
    void slotVideo();
    void slotHandsSequence();
    void slotFluSequence();
    void slotHand();
    void slotClearWord();
    void slotShowLogo();
    void slotShowCredits();
    void slotHideCredits();
    void slotChooseUser(User::User *user);
    void openDefaultLanguage();
    void slotFlechaIzq();
    void slotFlechaDer();
    void chooseMedia(int showOrderIndex);
    void slotShowHelp();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    void createMenus();
    // Hides and frees the configuration dialog, if any; its pending answer is dropped.
    void closeConfigWidget();
    void playSplash(const QString &path);
    // A "good" or "wrong" picture, one of three drawn at random.
    void showFeedback(const QString &kind);
    // The exit's first steps; true when the credits are up and the close is scheduled.
    bool beginExit();
    void startStory(int story, int pages);
    // A language-wide switch (user id 0) or a setting of the current user; non-zero is on.
    bool languageSwitch(const QString &key) const;
    bool userSwitch(const QString &key) const;

    // Tests reach the widgets and the activity state directly.
    friend class MainWindowTestAccess;

    // Data store, created once and kept for the whole run.
    Database *database = nullptr;
    KeyboardManager *keyboardManager = nullptr;
    User::UserList *userList = nullptr;
    Letter::LetterList *letterList = nullptr;
    Word::WordList *wordList = nullptr;
    Category::CategoryList *categoryList = nullptr;
    Config::Config *config = nullptr;
    Random *random = nullptr;
    Language::Language *currentLanguage = nullptr;
    User::User *currentUser = nullptr;

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
    QLabel *titleLabel = nullptr;
    QLabel *orientationLabel = nullptr;
    ImageWidget *bottomLetterImage = nullptr;
    ImageWidget *wordImage = nullptr;
    VideoPlayer *videoPlayer = nullptr;
    QLabel *noWordsWarning = nullptr;
    QLabel *noRepeatWarning = nullptr;
    SequenceWidget *handSequence = nullptr;
    QLabel *handLabel = nullptr;
    QLabel *feedbackLabel = nullptr;
    SequenceWidget *fluSequence = nullptr;
    SequenceWidget *storySequence = nullptr;
    VideoPlayer *splashPlayer = nullptr;
    QTimer *timer = nullptr;
    QVector<QLabel *> letterLabels;

    bool fileMenuOpen = false;
    bool splashActive = false;
    bool exiting = false;

    // Menu codes; -1 is no activity code, so early keys and clean-ups stay inert.
    int menuChoice = -1;
    int subMenuChoice = -1;
    int subSubMenuChoice = -1;
    int activeMenu = -1;
    int activeSubMenu = -1;
    int activity = -1;

    // Activity state.
    Letter::Letter *currentLetter = nullptr;
    Word::Word *currentWord = nullptr;
    Word::Word *shownWord = nullptr;
    Letter::Letter *typedLetter = nullptr;
    int previousLetterId = 0;
    int previousWordId = 0;
    bool repeatAvailable = false;
    bool keysEnabled = true;
    bool wordHidden = false;
    int stepIndex = 0;
    int stepCount = 0;
    bool stepPending = false;
    bool stopMotionRunning = false;
    int stopMotionIndex = 0;
    int stopMotionLength = 0;
    int stopMotionX = 120;
    QString expectedText;
    QString typedText;
    int typedIndex = 0;
    int wrongCount = 0;
    int highlightIndex = 0;
    int highlightLabelIndex = 0;
    QString highlightedText;
    // Copies of the item's records: the lists they come from are shared with the
    // administration window, whose next load would leave pointers into them dangling.
    std::shared_ptr<Letter::Letter> heldLetter;
    std::shared_ptr<Word::Word> heldWord;
    std::shared_ptr<Word::Word> heldShownWord;
    // One typed letter of activity 31 (the word typed letter by letter).
    void typeNextLetter();
};
