// The main window's key handler: space steps, Escape, Return, and letters as answers.
#include "app/mainwindow.h"

#include "data/config.h"
#include "data/letter.h"
#include "keyboard/keyboardmanager.h"
#include "widgets/sequencewidget.h"

#include <QKeyEvent>
#include <QLabel>

void MainWindow::keyReleaseEvent(QKeyEvent *event)
{
    // Reading a story: the keyboard plays no part.
    if (activeSubMenu == 14)
        return;
    QString text = event->text().toLower();

    switch (event->key()) {
    case Qt::Key_Escape:
        if (splashActive)
            slotHideCredits();
        else if (exiting)
            close();
        return;
    case Qt::Key_Space:
        if (splashActive || exiting || wordHidden)
            return;
        if (stopMotionRunning)
            emit signalNextLetter();
        else if (stepPending)
            emit signalNextStep();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // While the answer is revealed the word waits for its video; a check now would
        // drop the wait and strand the activity.
        if (!splashActive && !exiting && activity == 31 && keysEnabled) {
            clearStage();
            checkTypedWord();
        }
        return;
    default:
        break;
    }

    const bool useCh = languageSwitch(QStringLiteral("use-ch"));
    const bool useLl = languageSwitch(QStringLiteral("use-ll"));
    if (!keyboardManager->isLetterKey(text, useCh, useLl)) {
        // Clearing would stop the hands, and the next item of activity 25 waits for their end.
        if (keysEnabled && !stopMotionRunning && handSequence->isStopped())
            clearStage();
        noWordsWarning->hide();
        noRepeatWarning->hide();
        return;
    }

    if (splashActive || exiting || !handSequence->isStopped() || !currentLanguage || !currentUser)
        return;

    if (useCh && text == QLatin1String(","))
        text = QStringLiteral("ch");
    else if (useLl && text == QLatin1String("."))
        text = QStringLiteral("ll");

    if (event->modifiers() != Qt::NoModifier || !keysEnabled)
        return;

    clearStage();
    if (pickTypedLetter(text)) {
        slotLetter(false);
    } else {
        noWordsWarning->raise();
        noWordsWarning->show();
    }
}

bool MainWindow::pickTypedLetter(const QString &text)
{
    if (!currentLanguage || !currentUser)
        return false;
    auto *letter = new Letter::Letter;
    if (!letter->findByName(text, currentLanguage)) {
        delete letter;
        return false;
    }
    if ((activity == 20 || activity == 22 || activity == 24)
        && !config->isLetterShown(letter->id)) {
        delete letter;
        return false;
    }
    // Kept for the rest of the run: a presented word points at the letter it was drawn for.
    typedLetter = letter;
    return true;
}
