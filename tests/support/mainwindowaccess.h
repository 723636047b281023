#pragma once

#include "app/mainwindow.h"

// Reaches the private widgets and activity state of the main window, so tests can drive
// an activity and look at what it shows.
class MainWindowTestAccess
{
public:
    explicit MainWindowTestAccess(MainWindow *window) : w(window) { }

    auto &database() { return w->database; }
    auto &keyboardManager() { return w->keyboardManager; }
    auto &userList() { return w->userList; }
    auto &letterList() { return w->letterList; }
    auto &wordList() { return w->wordList; }
    auto &categoryList() { return w->categoryList; }
    auto &config() { return w->config; }
    auto &random() { return w->random; }
    auto &currentLanguage() { return w->currentLanguage; }
    auto &currentUser() { return w->currentUser; }
    auto &inputDialog() { return w->inputDialog; }
    auto &helpDialog() { return w->helpDialog; }
    auto &admWindow() { return w->admWindow; }
    auto &configWidget() { return w->configWidget; }
    auto &backgroundLabel() { return w->backgroundLabel; }
    auto &creditsLabel() { return w->creditsLabel; }
    auto &closeCreditsButton() { return w->closeCreditsButton; }
    auto &menuLetters() { return w->menuLetters; }
    auto &menuReadWrite() { return w->menuReadWrite; }
    auto &subMenu1() { return w->subMenu1; }
    auto &subMenu2() { return w->subMenu2; }
    auto &subMenu3() { return w->subMenu3; }
    auto &subSubMenu1() { return w->subSubMenu1; }
    auto &subSubMenu2() { return w->subSubMenu2; }
    auto &menuFile() { return w->menuFile; }
    auto &menuHelp() { return w->menuHelp; }
    auto &menuUser() { return w->menuUser; }
    auto &menuConfig() { return w->menuConfig; }
    auto &menuAdministrator() { return w->menuAdministrator; }
    auto &menuExit() { return w->menuExit; }
    auto &storiesHeader() { return w->storiesHeader; }
    auto &readMenu1() { return w->readMenu1; }
    auto &readMenu2() { return w->readMenu2; }
    auto &readMenu3() { return w->readMenu3; }
    auto &fablesHeader() { return w->fablesHeader; }
    auto &readMenu4() { return w->readMenu4; }
    auto &readMenu5() { return w->readMenu5; }
    auto &repeatButton() { return w->repeatButton; }
    auto &toggleWordButton() { return w->toggleWordButton; }
    auto &stopMotionButton() { return w->stopMotionButton; }
    auto &arrowLeft() { return w->arrowLeft; }
    auto &arrowRight() { return w->arrowRight; }
    auto &titleLabel() { return w->titleLabel; }
    auto &orientationLabel() { return w->orientationLabel; }
    auto &bottomLetterImage() { return w->bottomLetterImage; }
    auto &wordImage() { return w->wordImage; }
    auto &videoPlayer() { return w->videoPlayer; }
    auto &noWordsWarning() { return w->noWordsWarning; }
    auto &noRepeatWarning() { return w->noRepeatWarning; }
    auto &handSequence() { return w->handSequence; }
    auto &handLabel() { return w->handLabel; }
    auto &feedbackLabel() { return w->feedbackLabel; }
    auto &fluSequence() { return w->fluSequence; }
    auto &storySequence() { return w->storySequence; }
    auto &splashPlayer() { return w->splashPlayer; }
    auto &timer() { return w->timer; }
    auto &letterLabels() { return w->letterLabels; }
    auto &fileMenuOpen() { return w->fileMenuOpen; }
    auto &splashActive() { return w->splashActive; }
    auto &exiting() { return w->exiting; }
    auto &menuChoice() { return w->menuChoice; }
    auto &subMenuChoice() { return w->subMenuChoice; }
    auto &subSubMenuChoice() { return w->subSubMenuChoice; }
    auto &activeMenu() { return w->activeMenu; }
    auto &activeSubMenu() { return w->activeSubMenu; }
    auto &activity() { return w->activity; }
    auto &currentLetter() { return w->currentLetter; }
    auto &currentWord() { return w->currentWord; }
    auto &shownWord() { return w->shownWord; }
    auto &typedLetter() { return w->typedLetter; }
    auto &previousLetterId() { return w->previousLetterId; }
    auto &previousWordId() { return w->previousWordId; }
    auto &repeatAvailable() { return w->repeatAvailable; }
    auto &keysEnabled() { return w->keysEnabled; }
    auto &wordHidden() { return w->wordHidden; }
    auto &stepIndex() { return w->stepIndex; }
    auto &stepCount() { return w->stepCount; }
    auto &stepPending() { return w->stepPending; }
    auto &stopMotionRunning() { return w->stopMotionRunning; }
    auto &stopMotionIndex() { return w->stopMotionIndex; }
    auto &stopMotionLength() { return w->stopMotionLength; }
    auto &stopMotionX() { return w->stopMotionX; }
    auto &expectedText() { return w->expectedText; }
    auto &typedText() { return w->typedText; }
    auto &typedIndex() { return w->typedIndex; }
    auto &wrongCount() { return w->wrongCount; }
    auto &highlightIndex() { return w->highlightIndex; }
    auto &highlightLabelIndex() { return w->highlightLabelIndex; }
    auto &highlightedText() { return w->highlightedText; }
    auto &heldLetter() { return w->heldLetter; }
    auto &heldWord() { return w->heldWord; }
    auto &heldShownWord() { return w->heldShownWord; }

    MainWindow *w;
};
