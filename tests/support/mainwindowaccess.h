#pragma once

#include "activities/activityengine.h"
#include "app/appsources.h"
#include "app/mainwindow.h"
#include "engineaccess.h"
#include "widgets/stageview.h"

// Reaches the private widgets of the main window, its stage and the engine's state, so tests
// can drive an activity and look at what it shows.
class MainWindowTestAccess
{
public:
    explicit MainWindowTestAccess(MainWindow *window) : w(window) { }

    auto &database() { return w->database; }
    auto &userList() { return w->userList; }
    auto &letterList() { return w->letterList; }
    auto &wordList() { return w->wordList; }
    auto &categoryList() { return w->categoryList; }
    auto &config() { return w->config; }
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
    auto &splashPlayer() { return w->splashPlayer; }
    auto &fileMenuOpen() { return w->fileMenuOpen; }
    auto &splashActive() { return w->splashActive; }
    auto &exiting() { return w->exiting; }
    auto &menuChoice() { return w->menuChoice; }
    auto &subMenuChoice() { return w->subMenuChoice; }
    auto &subSubMenuChoice() { return w->subSubMenuChoice; }
    auto &activeMenu() { return w->activeMenu; }
    auto &activeSubMenu() { return w->activeSubMenu; }

    AppSources *sources() { return w->m_sources; }

    // The stage.
    StageView *stage() { return w->m_stage; }
    auto titleLabel() { return w->m_stage->titleLabel(); }
    auto orientationLabel() { return w->m_stage->orientationLabel(); }
    auto bottomLetterImage() { return w->m_stage->bottomLetterImage(); }
    auto wordImage() { return w->m_stage->wordImage(); }
    auto videoPlayer() { return w->m_stage->videoPlayer(); }
    auto noWordsWarning() { return w->m_stage->noWordsWarning(); }
    auto noRepeatWarning() { return w->m_stage->noRepeatWarning(); }
    auto handSequence() { return w->m_stage->handSequence(); }
    auto handLabel() { return w->m_stage->handLabel(); }
    auto feedbackLabel() { return w->m_stage->feedbackLabel(); }
    auto fluSequence() { return w->m_stage->fluSequence(); }
    auto storySequence() { return w->m_stage->storySequence(); }
    auto hintLabel() { return w->m_stage->hintLabel(); }
    auto letterLabels() { return w->m_stage->letterLabels(); }

    // The engine.
    ActivityEngine *engine() { return w->m_engine; }
    ActivityEngineTestAccess engineState() { return ActivityEngineTestAccess(w->m_engine); }
    int activity() { return w->m_engine->activity(); }
    const Letter::Letter *currentLetter() { return w->m_engine->currentLetter(); }
    const Word::Word *currentWord() { return w->m_engine->currentWord(); }
    const Word::Word *shownWord() { return w->m_engine->shownWord(); }
    const Letter::Letter *typedLetter() { return w->m_engine->typedLetter(); }
    int previousWordId() { return w->m_engine->previousWordId(); }
    bool repeatAvailable() { return w->m_engine->repeatAvailable(); }
    // Letters are taken (no wait for a video, the hands or the pause after them).
    bool keysEnabled() { return w->m_engine->acceptsLetters(); }
    bool wordHidden() { return w->m_engine->wordHidden(); }
    int stepIndex() { return w->m_engine->stepIndex(); }
    int stepCount() { return w->m_engine->stepCount(); }
    bool stepPending() { return w->m_engine->wait() == ActivityEngine::Wait::Step; }
    bool stopMotionRunning() { return w->m_engine->wait() == ActivityEngine::Wait::Build; }
    QString expectedText() { return w->m_engine->expectedText(); }
    QString typedText() { return w->m_engine->typedText(); }
    int typedIndex() { return w->m_engine->typedIndex(); }
    int wrongCount() { return w->m_engine->wrongCount(); }

    MainWindow *w;
};
