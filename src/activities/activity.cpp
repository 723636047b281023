// Activity state: starting an activity, drawing the next item, clearing the stage.
#include "activities/activitycodes.h"
#include "app/mainwindow.h"

#include "app/menuwidget.h"
#include "data/config.h"
#include "data/letter.h"
#include "data/review.h"
#include "data/user.h"
#include "data/word.h"
#include "widgets/imagewidget.h"
#include "widgets/sequencewidget.h"
#include "widgets/videoplayer.h"

#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QRandomGenerator>
#include <QTimer>

namespace {

// Letters without any word would make the draw endless; after this many tries the
// selection counts as empty.
constexpr int maxDrawTries = 500;

QString titleFile(int activity)
{
    switch (activity) {
    case 20:
        return QStringLiteral("te presento palabras.png");
    case 21:
        return QStringLiteral("como empieza esta palabra.png");
    case 22:
        return QStringLiteral("te digo las letras.png");
    case 23:
        return QStringLiteral("como comienza esta palabra labial.png");
    case 24:
        return QStringLiteral("te presento las letras.png");
    case 25:
        return QStringLiteral("que letra es.png");
    case 30:
        return QStringLiteral("escribir1.png");
    case 31:
        return QStringLiteral("escribir2.png");
    default:
        return QString();
    }
}

} // namespace

void MainWindow::startActivity()
{
    activeMenu = menuChoice;
    activeSubMenu = subMenuChoice;
    activity = subSubMenuChoice;

    wrongCount = 0;
    repeatAvailable = false;
    previousWordId = 0;
    previousLetterId = 0;
    currentWord = nullptr;
    currentLetter = nullptr;
    typedText.clear();
    typedIndex = 0;

    clearStage();
    showTitle();
    resetScreen();

    if (ActivityCode::isPresentation(activity)) {
        keysEnabled = true;
    } else if (ActivityCode::isQuestion(activity)) {
        keysEnabled = true;
        slotPickLetter(false);
    }
}

void MainWindow::showTitle()
{
    titleLabel->setPixmap(
        QPixmap(systemMediaPath() + QStringLiteral("titulos/") + titleFile(activity)));
    titleLabel->show();
    titleLabel->raise();
}

void MainWindow::slotPickLetter()
{
    slotPickLetter(false);
}

void MainWindow::slotPickLetter(bool repeat)
{
    hideLetterLabels(true);

    const auto pick = QOverload<>::of(&MainWindow::slotPickLetter);
    disconnect(videoPlayer, &VideoPlayer::finished, this, pick);
    disconnect(timer, &QTimer::timeout, this, pick);
    keysEnabled = true;
    timer->stop();

    if (!repeat && currentWord && currentLetter) {
        previousWordId = currentWord->id;
        previousLetterId = currentLetter->id;
    }

    if (!currentLanguage)
        return;

    const auto warnNoWords = [this] {
        QMessageBox::warning(this, tr("No hay palabras disponibles"),
                             tr("La configuración actual de letras y categorías hace que la "
                                "lista de palabras disponibles esté vacía. Por favor revise su "
                                "selección."),
                             QMessageBox::Ok, QMessageBox::NoButton);
    };

    if (!letterList->hasAvailable(config, currentLanguage)) {
        warnNoWords();
        return;
    }

    if (!repeat) {
        Letter::Letter *letter = nullptr;
        Word::Word *word = nullptr;
        for (int tries = 0; tries < maxDrawTries && !word; ++tries) {
            letter = drawLetter(true);
            if (letter)
                word = drawWord(letter, true);
        }
        if (!word) {
            currentLetter = nullptr;
            currentWord = nullptr;
            warnNoWords();
            return;
        }
        heldLetter = std::make_shared<Letter::Letter>(*letter);
        heldWord = std::make_shared<Word::Word>(*word);
        heldWord->letter = heldLetter.get();
        currentLetter = heldLetter.get();
        currentWord = heldWord.get();
        if (previousWordId == 0) {
            previousWordId = currentWord->id;
            previousLetterId = currentLetter->id;
        }
    } else {
        auto word = std::make_shared<Word::Word>();
        auto letter = std::make_shared<Letter::Letter>();
        heldWord = word->loadById(previousWordId) ? word : nullptr;
        currentWord = heldWord.get();
        if (!letter->loadById(previousLetterId)) {
            heldLetter.reset();
            currentLetter = nullptr;
            return;
        }
        heldLetter = letter;
        currentLetter = heldLetter.get();
    }

    if (currentLetter && currentWord) {
        repeatAvailable = true;
        typedText.clear();
        // A word left unfinished (Return, then a reveal) must not carry its position over.
        typedIndex = 0;
        clearStage();
        hideLetterLabels(true);
        slotPresentPickLetter();
    }
}

Letter::Letter *MainWindow::drawLetter(bool useFilters)
{
    letterList->loadRandom(config, currentLanguage, useFilters);
    letterList->reset();
    return letterList->next();
}

Word::Word *MainWindow::drawWord(Letter::Letter *letter, bool useCategoryFilter)
{
    // Question items may bring a missed word back; presentations (user id 0) draw plainly.
    Review::loadWord(*wordList, config,
                     ActivityCode::isQuestion(activity) && currentUser ? currentUser->id : 0,
                     letter, useCategoryFilter, *QRandomGenerator::global());
    wordList->reset();
    return wordList->next();
}

Word::Word *MainWindow::drawWordForTypedLetter(bool useCategoryFilter)
{
    return drawWord(typedLetter, useCategoryFilter);
}

void MainWindow::clearStage()
{
    stepIndex = 0;
    stopMotionIndex = 0;
    releaseWordButtons();
    noWordsWarning->hide();
    noRepeatWarning->hide();
    disconnect(videoPlayer, &VideoPlayer::finished, this,
               QOverload<>::of(&MainWindow::slotPickLetter));
    keysEnabled = true;
    stepPending = false;
    stopMotionRunning = false;

    subSubMenu1->hide();
    subSubMenu2->hide();
    bottomLetterImage->hide();
    videoPlayer->hide();
    handSequence->hide();
    fluSequence->hide();
    handSequence->slotStop();
    fluSequence->slotStop();

    switch (activity) {
    case 21:
    case 23:
        handLabel->hide();
        feedbackLabel->hide();
        break;
    case 25:
        wordImage->hide();
        feedbackLabel->hide();
        break;
    case 30:
    case 31:
        break;
    default:
        wordImage->hide();
        handLabel->hide();
        orientationLabel->hide();
        hideLetterLabels(true);
        break;
    }
}

void MainWindow::resetScreen()
{
    stepIndex = 0;
    stopMotionIndex = 0;
    releaseWordButtons();
    stepPending = false;
    stopMotionRunning = false;

    noWordsWarning->hide();
    noRepeatWarning->hide();
    disconnect(videoPlayer, &VideoPlayer::finished, this,
               QOverload<>::of(&MainWindow::slotPickLetter));
    keysEnabled = true;

    subSubMenu1->hide();
    subSubMenu2->hide();
    bottomLetterImage->hide();
    wordImage->hide();
    videoPlayer->hide();
    handSequence->slotStop();
    handSequence->hide();
    handLabel->hide();
    fluSequence->slotStop();
    fluSequence->hide();
    orientationLabel->hide();
    feedbackLabel->hide();
    hideLetterLabels(false);
    for (MenuWidget *entry :
         {storiesHeader, readMenu1, readMenu2, readMenu3, fablesHeader, readMenu4, readMenu5})
        entry->hide();
}

void MainWindow::releaseWordButtons()
{
    repeatButton->slotDeactivate();
    toggleWordButton->slotDeactivate();
    wordHidden = false;
}

void MainWindow::hideLetterLabels(bool clearPictures)
{
    for (QLabel *label : qAsConst(letterLabels)) {
        label->hide();
        if (clearPictures)
            label->setPixmap(QPixmap());
    }
}

void MainWindow::showLetterLabels()
{
    for (QLabel *label : qAsConst(letterLabels))
        label->show();
}
