// Word presentation: the steps of activities 20, 22 and 24, the media slots and the three
// buttons at the right edge.
#include "activities/activitycodes.h"
#include "app/mainwindow.h"

#include "app/menuwidget.h"
#include "data/config.h"
#include "data/user.h"
#include "data/word.h"
#include "widgets/imagewidget.h"
#include "widgets/sequencewidget.h"

#include <QFileInfo>
#include <QLabel>
#include <QPixmap>

namespace {

bool isQuestionActivity(int activity)
{
    return activity == 21 || activity == 23 || activity == 25 || activity == 30 || activity == 31;
}

} // namespace

void MainWindow::slotShowNextStep()
{
    slotShowNextStep(false);
}

void MainWindow::slotShowNextStep(bool jump)
{
    const auto next = QOverload<>::of(&MainWindow::slotShowNextStep);
    disconnect(this, &MainWindow::signalNextStep, this, next);

    if (activity == 24) {
        stepCount = 3;
        chooseMedia(stepIndex);
        stepIndex = (stepIndex + 1) % 3;
    } else if (activity == 20 || activity == 22) {
        stepCount = 4;
        if (!jump) {
            if (stepIndex < 1)
                slotBottomLetter();
            else
                chooseMedia(stepIndex - 1);
            // The letter-by-letter build calls back with jump once it has ended.
            if (stopMotionRunning)
                return;
        }
        stepIndex = (stepIndex + 1) % 4;
    } else {
        return;
    }

    if (stepIndex == 0) {
        stepPending = false;
        return;
    }
    if (stopMotionRunning)
        return;

    connect(this, &MainWindow::signalNextStep, this, next, Qt::UniqueConnection);
    const int userId = currentUser ? currentUser->id : 0;
    if (config->value(QStringLiteral("stop-motion"), userId) == 0) {
        stepPending = false;
        emit signalNextStep();
    } else {
        stepPending = true;
    }
}

void MainWindow::chooseMedia(int showOrderIndex)
{
    const QString order = config->showOrder(currentUser ? currentUser->id : 0);
    if (showOrderIndex < 0 || showOrderIndex >= order.size())
        return;
    switch (order.at(showOrderIndex).unicode()) {
    case 'v':
        slotVideo();
        break;
    case 'w':
        slotWord();
        break;
    case 'i':
        slotImage();
        break;
    default:
        break;
    }
}

void MainWindow::slotImage()
{
    const Word::Word *word = isQuestionActivity(activity) ? currentWord : shownWord;
    if (!word)
        return;
    const QString path = word->imagePath();
    if (!QFileInfo::exists(path))
        return;
    wordImage->label->setPixmap(QPixmap(path));
    wordImage->label->show();
    wordImage->label->setGeometry(0, 0, 351, 211);
    wordImage->show();
    wordImage->raise();
}

void MainWindow::slotSign()
{
    const Word::Word *word = isQuestionActivity(activity) ? currentWord : shownWord;
    if (word)
        playVideo(word->signPath());
}

void MainWindow::slotLips()
{
    if (shownWord)
        playVideo(shownWord->lipsPath());
}

void MainWindow::slotVideo()
{
    if (!shownWord)
        return;
    switch (activity) {
    case 22:
        slotLips();
        break;
    case 24:
        slotHandsSequence();
        slotFluSequence();
        break;
    case 20:
        playVideo(shownWord->signPath());
        break;
    default:
        break;
    }
}

void MainWindow::slotObjectWord(Word::Word *word)
{
    renderWord(word, systemMediaPath() + QStringLiteral("cooper/"));
}

void MainWindow::slotWord()
{
    if (!shownWord)
        return;
    if (!stopMotionButton->isSelected()) {
        stopMotionRunning = false;
        slotObjectWord(shownWord);
        return;
    }
    stopMotionIndex = 0;
    stopMotionLength = shownWord->name.size();
    if (stopMotionLength == 0) {
        stopMotionRunning = false;
        return;
    }
    stopMotionRunning = true;
    slotObjectWord_stopMo();
}

void MainWindow::slotObjectWord_stopMo()
{
    disconnect(this, &MainWindow::signalNextLetter, this, &MainWindow::slotObjectWord_stopMo);
    disconnect(this, &MainWindow::signalNextLetter, this, &MainWindow::slotObjectWord_stopMoFinish);
    // A build interrupted by a cleared stage leaves its connection behind; it ends here.
    if (!stopMotionRunning || !shownWord || stopMotionLength <= 0)
        return;

    const QString fontDir = systemMediaPath() + QStringLiteral("cooper/");
    const QString name = shownWord->name;
    const int digraphs = countDigraphsBefore(name, stopMotionIndex);
    const int position = stopMotionIndex;

    if (stopMotionIndex == 0) {
        hideLetterLabels(false);
        stopMotionX = 120;
    }
    const QString imageName = letterImageName(name, stopMotionIndex, true);
    placeLetter(fontDir, imageName, stopMotionX, 470, position - digraphs);
    stopMotionIndex = (stopMotionIndex + 1) % stopMotionLength;

    if (stopMotionIndex == 0) {
        if (!stepPending || activity == 24)
            connect(this, &MainWindow::signalNextLetter, this,
                    &MainWindow::slotObjectWord_stopMoFinish, Qt::UniqueConnection);
        else
            slotObjectWord_stopMoFinish();
    } else {
        connect(this, &MainWindow::signalNextLetter, this, &MainWindow::slotObjectWord_stopMo,
                Qt::UniqueConnection);
    }
}

void MainWindow::slotObjectWord_stopMoFinish()
{
    disconnect(this, &MainWindow::signalNextLetter, this, &MainWindow::slotObjectWord_stopMoFinish);
    stopMotionRunning = false;
    slotShowNextStep(true);
}

void MainWindow::slotRepeatWord()
{
    wrongCount = 0;
    if (!repeatAvailable) {
        noRepeatWarning->raise();
        noRepeatWarning->show();
        return;
    }
    if (ActivityCode::isPresentation(activity)) {
        clearStage();
        slotLetter(true);
    } else if (ActivityCode::isQuestion(activity) && previousWordId != 0) {
        slotPickLetter(true);
    }
}

void MainWindow::slotToggleWord()
{
    if (!ActivityCode::isPresentation(activity)) {
        wordHidden = false;
        return;
    }
    if (!handSequence->isStopped())
        return;
    if (toggleWordButton->isSelected()) {
        hideLetterLabels(false);
        wordHidden = true;
    } else {
        showLetterLabels();
        wordHidden = false;
    }
}

void MainWindow::slotClearWord()
{
    hideLetterLabels(true);
}
