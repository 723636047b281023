// The window's side of the activities: starting one from the menus, the stories, and the
// named slots, which reach the engine.
#include "app/mainwindow.h"

#include "activities/activityengine.h"
#include "app/menuwidget.h"
#include "widgets/sequencewidget.h"
#include "widgets/stageview.h"

void MainWindow::startActivity()
{
    activeMenu = menuChoice;
    activeSubMenu = subMenuChoice;
    m_engine->start(subSubMenuChoice);
}

void MainWindow::resetScreen()
{
    m_engine->reset();
    for (MenuWidget *entry :
         {storiesHeader, readMenu1, readMenu2, readMenu3, fablesHeader, readMenu4, readMenu5})
        entry->hide();
}

void MainWindow::slotLeer1()
{
    startStory(1, 8);
}

void MainWindow::slotLeer2()
{
    startStory(2, 8);
}

void MainWindow::slotLeer3()
{
    startStory(3, 8);
}

void MainWindow::slotLeer4()
{
    startStory(4, 9);
}

void MainWindow::slotLeer5()
{
    startStory(5, 10);
}

void MainWindow::startStory(int story, int pages)
{
    activeSubMenu = 14;
    for (MenuWidget *entry :
         {storiesHeader, readMenu1, readMenu2, readMenu3, fablesHeader, readMenu4, readMenu5})
        entry->hide();
    m_stage->showStory(storiesPath(), story, pages);
}

void MainWindow::slotRepeatWord()
{
    m_engine->repeat();
}

void MainWindow::slotToggleWord()
{
    m_engine->toggleWord(toggleWordButton->isSelected());
}

void MainWindow::slotImage()
{
    m_engine->showItemPicture();
}

void MainWindow::slotSign()
{
    m_engine->playItemVideo(false);
}

void MainWindow::slotLips()
{
    m_engine->playItemVideo(true);
}

void MainWindow::slotShowNextStep()
{
    m_engine->space();
}

void MainWindow::slotPickLetter()
{
    m_engine->nextItem();
}

void MainWindow::slotLetter()
{
    m_engine->answerTypedLetter();
}

void MainWindow::slotPresentPickLetter()
{
    m_engine->presentItem();
}

void MainWindow::slotShowGuessWord()
{
    m_engine->revealWord();
}

void MainWindow::slotNextHighlight()
{
    m_engine->handsFrame();
}

void MainWindow::slotBottomLetter()
{
    m_engine->showBottomLetter();
}

void MainWindow::slotWord()
{
    m_engine->showWordStep();
}

void MainWindow::slotVideo()
{
    m_engine->showVideoStep();
}

void MainWindow::slotHandsSequence()
{
    m_engine->playItemHands();
}

void MainWindow::slotFluSequence()
{
    m_engine->playItemFlus();
}

void MainWindow::slotHand()
{
    m_engine->showHandPicture();
}

void MainWindow::slotHideLetter(int position)
{
    m_engine->hideItemLetter(position);
}
