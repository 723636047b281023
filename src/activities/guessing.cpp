// Letter guessing: the question activities 21, 23, 25, 30 and 31, their answers and feedback.
#include "app/mainwindow.h"

#include "activities/random.h"
#include "app/menuwidget.h"
#include "data/letter.h"
#include "data/word.h"
#include "keyboard/keyboardmanager.h"
#include "widgets/sequencewidget.h"
#include "widgets/videoplayer.h"

#include <QLabel>
#include <QPixmap>

namespace {

// No key types a vowel with a mark, so the plain vowel's key answers for it.
QChar plainVowel(QChar c)
{
    switch (c.unicode()) {
    case 0x00E1: // á
    case 0x00E0: // à
        return QLatin1Char('a');
    case 0x00E9: // é
    case 0x00E8: // è
        return QLatin1Char('e');
    case 0x00ED: // í
    case 0x00EC: // ì
    case 0x00EF: // ï
        return QLatin1Char('i');
    case 0x00F3: // ó
    case 0x00F2: // ò
        return QLatin1Char('o');
    case 0x00FA: // ú
    case 0x00F9: // ù
    case 0x00FC: // ü
        return QLatin1Char('u');
    default:
        return QChar();
    }
}

} // namespace

void MainWindow::slotPresentPickLetter()
{
    if (!currentWord || !currentLetter)
        return;
    switch (activity) {
    case 31:
        slotObjectGuessWord(currentWord);
        slotImage();
        break;
    case 30: {
        slotObjectWord(currentWord);
        const int position = pickHiddenLetter(currentWord->name, expectedText);
        slotHideLetter(currentWord, position);
        slotImage();
        break;
    }
    default:
        if (activity == 25)
            slotHand();
        else
            slotImage();
        slotObjectWord(currentWord);
        slotHideLetter(currentWord, 0);
        break;
    }
    feedbackLabel->hide();
    orientationLabel->hide();
}

void MainWindow::slotObjectGuessWord(Word::Word *word)
{
    renderWord(word, systemMediaPath() + QStringLiteral("blank/"));
}

int MainWindow::pickHiddenLetter(const QString &word, QString &letterText)
{
    letterText.clear();
    // A name of spaces only has no letter to hide.
    if (word.trimmed().isEmpty())
        return 0;
    const int length = word.size();
    int i = 0;
    do {
        i = random->range(0, length - 1);
        letterText = word.at(i).toUpper();
    } while (letterText == QLatin1String(" "));

    const bool useCh = languageSwitch(QStringLiteral("use-ch"));
    const bool useLl = languageSwitch(QStringLiteral("use-ll"));
    if (i < length - 1) {
        const QString next = word.at(i + 1).toUpper();
        if (useCh && letterText == QLatin1String("C") && next == QLatin1String("H")) {
            letterText = QStringLiteral("CH");
            return i;
        }
        if (useLl && letterText == QLatin1String("L") && next == QLatin1String("L")) {
            letterText = QStringLiteral("LL");
            return i;
        }
    }
    if (i == 0)
        return i;
    // Also at the last position, so a word ending in "ch" or "ll" hides the whole pair.
    const QString previous = word.at(i - 1).toUpper();
    if (useCh && letterText == QLatin1String("H") && previous == QLatin1String("C")) {
        letterText = QStringLiteral("CH");
        return i - 1;
    }
    if (useLl && letterText == QLatin1String("L") && previous == QLatin1String("L")) {
        letterText = QStringLiteral("LL");
        return i - 1;
    }
    return i;
}

void MainWindow::letterForAnswer(QString &text, QString &shownForm)
{
    if (text.isEmpty()) {
        shownForm.clear();
        return;
    }
    const QChar first = text.at(0).toLower();
    shownForm = first;
    const QChar plain = plainVowel(first);
    if (!plain.isNull()) {
        text = plain;
        return;
    }
    if (text.size() <= 1) {
        text = first;
        return;
    }
    const QChar second = text.at(1).toLower();
    if (languageSwitch(QStringLiteral("use-ch")) && first == QLatin1Char('c')
        && second == QLatin1Char('h')) {
        shownForm = QStringLiteral("ch");
        return;
    }
    if (languageSwitch(QStringLiteral("use-ll")) && first == QLatin1Char('l')
        && second == QLatin1Char('l')) {
        shownForm = QStringLiteral("ll");
        return;
    }
    text = first;
}

void MainWindow::slotLetter()
{
    slotLetter(false);
}

void MainWindow::slotLetter(bool repeat)
{
    subSubMenu1->hide();
    subSubMenu2->hide();

    switch (activity) {
    case 20:
    case 22:
    case 24:
        highlightIndex = 0;
        highlightLabelIndex = 0;
        highlightedText.clear();
        stepIndex = 0;
        toggleWordButton->slotDeactivate();
        wordHidden = false;
        if (!repeat) {
            Word::Word *word = drawWordForTypedLetter(true);
            if (word) {
                heldShownWord = std::make_shared<Word::Word>(*word);
                shownWord = heldShownWord.get();
            } else {
                shownWord = nullptr;
            }
        }
        if (!shownWord) {
            noWordsWarning->raise();
            noWordsWarning->show();
        } else {
            slotShowNextStep(false);
            repeatAvailable = true;
        }
        break;
    case 21:
    case 23:
    case 25:
    case 30: {
        if (!typedLetter || (activity != 30 && !currentLetter))
            return;
        QString text = activity == 30 ? expectedText : currentLetter->name;
        QString shown;
        letterForAnswer(text, shown);
        if (typedLetter->name.toUpper() == text.toUpper())
            slotCorrect();
        else
            slotWrong();
        break;
    }
    case 31:
        typeNextLetter();
        break;
    default:
        break;
    }
}

void MainWindow::typeNextLetter()
{
    if (!currentWord || !typedLetter)
        return;
    const QString name = currentWord->name;
    const int length = name.size();
    const auto skipSpaces = [&] {
        while (typedIndex < length && name.at(typedIndex) == QLatin1Char(' ')) {
            typedText += QLatin1Char(' ');
            ++typedIndex;
        }
    };
    skipSpaces();
    // Only spaces were left: the word is complete.
    if (typedIndex >= length) {
        checkTypedWord();
        return;
    }

    QString piece = name.at(typedIndex).toLower();
    if (typedIndex < length - 1)
        piece += name.at(typedIndex + 1).toLower();
    QString shown;
    letterForAnswer(piece, shown);

    if (typedLetter->name.toUpper() != piece.toUpper()) {
        expectedText = piece.toUpper();
        slotOrientation();
        ++wrongCount;
        slotNegativeFeedback();
    } else {
        const int digraphs = countDigraphsBefore(name, typedIndex);
        const int position = typedIndex;
        typedText += shown;
        wrongCount = 0;
        const QString imageName = letterImageName(name, typedIndex, true);
        const int label = position - digraphs;
        if (label < letterLabels.size())
            setLetterPicture(letterLabels.at(label), systemMediaPath() + QStringLiteral("cooper/"),
                             imageName);
        ++typedIndex;
        orientationLabel->hide();
        slotPositiveFeedback();
        // Trailing spaces need no key: a word ending in spaces is complete after its last
        // letter.
        skipSpaces();
        if (typedIndex >= length)
            checkTypedWord();
    }

    if (wrongCount > 2) {
        wrongCount = 0;
        typedIndex = 0;
        hideLetterLabels(true);
        slotObjectWord(currentWord);
        orientationLabel->hide();
        feedbackLabel->hide();
        typedText.clear();
        slotSign();
        connect(videoPlayer, &VideoPlayer::finished, this,
                QOverload<>::of(&MainWindow::slotPickLetter), Qt::UniqueConnection);
        keysEnabled = false;
    }
}

void MainWindow::checkTypedWord()
{
    if (activity != 31)
        return;
    if (currentWord && currentWord->name.toUpper() == typedText.toUpper()) {
        wrongCount = 0;
        typedIndex = 0;
        slotCorrect();
    } else {
        slotWrong();
        // Typing goes on from the first box again, so the text and the boxes stay in step.
        if (keysEnabled && currentWord) {
            typedIndex = 0;
            slotObjectGuessWord(currentWord);
        }
    }
    typedText.clear();
}

void MainWindow::slotShowGuessWord()
{
    if (!currentWord)
        return;
    heldShownWord = heldWord;
    shownWord = currentWord;
    slotImage();
    hideLetterLabels(true);
    slotObjectWord(currentWord);

    switch (activity) {
    case 21:
    case 30:
    case 31:
        playVideo(currentWord->signPath());
        break;
    case 23:
        playVideo(currentWord->lipsPath());
        break;
    case 25:
        handLabel->hide();
        slotHandsSequence();
        break;
    default:
        break;
    }
}

void MainWindow::slotCorrect()
{
    wrongCount = 0;
    slotShowGuessWord();
    slotPositiveFeedback();
    orientationLabel->hide();
    if (activity == 25) {
        keysEnabled = true;
        return;
    }
    connect(videoPlayer, &VideoPlayer::finished, this, QOverload<>::of(&MainWindow::slotPickLetter),
            Qt::UniqueConnection);
    keysEnabled = false;
}

void MainWindow::slotWrong()
{
    ++wrongCount;
    slotNegativeFeedback();
    if (wrongCount > 2) {
        wrongCount = 0;
        orientationLabel->hide();
        slotShowGuessWord();
        connect(videoPlayer, &VideoPlayer::finished, this,
                QOverload<>::of(&MainWindow::slotPickLetter), Qt::UniqueConnection);
        keysEnabled = false;
    }
    slotOrientation();
}

void MainWindow::slotOrientation()
{
    QString target;
    if (activity == 30 || activity == 31)
        target = expectedText;
    else if (currentLetter)
        target = currentLetter->name;
    const QString pressed = typedLetter ? typedLetter->name : QString();

    QString file;
    switch (keyboardManager->keyDirection(target, pressed)) {
    case 2:
        file = QStringLiteral("izquierda.png");
        break;
    case 3:
        file = QStringLiteral("derecha.png");
        break;
    case 4:
        file = QStringLiteral("arriba.png");
        break;
    case 5:
        file = QStringLiteral("abajo.png");
        break;
    default:
        break;
    }
    orientationLabel->setPixmap(
        file.isEmpty() ? QPixmap() : QPixmap(systemMediaPath() + QStringLiteral("ui/") + file));
    orientationLabel->show();
    orientationLabel->raise();
}

void MainWindow::slotPositiveFeedback()
{
    showFeedback(QStringLiteral("good"));
}

void MainWindow::slotNegativeFeedback()
{
    showFeedback(QStringLiteral("wrong"));
}

void MainWindow::showFeedback(const QString &kind)
{
    const int r = random->range(1, 3);
    feedbackLabel->setPixmap(QPixmap(systemMediaPath() + QStringLiteral("feedback/") + kind
                                     + QString::number(r) + QStringLiteral(".png")));
    fluSequence->slotStop();
    fluSequence->hide();
    feedbackLabel->show();
    feedbackLabel->raise();
}
