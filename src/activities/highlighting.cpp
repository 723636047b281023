// Letter highlighting during finger-spelling, single-letter blanks and the single pictures
// of a letter (sign hand, bottom-right letter).
#include "app/mainwindow.h"

#include "data/letter.h"
#include "data/word.h"
#include "widgets/imagewidget.h"
#include "widgets/sequencewidget.h"

#include <QFileInfo>
#include <QLabel>
#include <QPixmap>

void MainWindow::slotNextHighlight()
{
    if (handSequence->isStopped() || !shownWord)
        return;
    slotHighlightLetter(shownWord);
    ++highlightIndex;
    if (highlightIndex >= shownWord->name.size()) {
        highlightIndex = 0;
        highlightLabelIndex = 0;
    }
}

void MainWindow::slotHighlightLetter(Word::Word *word)
{
    if (!word)
        return;
    const QString text = word->name;
    const int n = text.size();
    const QString system = systemMediaPath();
    // Labels that do not exist (a row not drawn yet) are skipped.
    const auto labelAt = [this](int index) -> QLabel * {
        return index >= 0 && index < letterLabels.size() ? letterLabels.at(index) : nullptr;
    };

    QLabel *previous = nullptr;
    if (highlightIndex >= 1)
        previous = labelAt(highlightIndex - highlightLabelIndex - 1);
    else if (!highlightedText.isEmpty() && !letterLabels.isEmpty())
        previous = letterLabels.last();
    if (previous)
        renderLetterImage(previous, system + QStringLiteral("cooper/"), highlightedText, -1, -1);

    if (highlightIndex < n) {
        const int i = highlightIndex;
        highlightedText = letterImageName(text, highlightIndex, true);
        if (QLabel *label = labelAt(i - highlightLabelIndex))
            renderLetterImage(label, system + QStringLiteral("cuadrados/"), highlightedText, -1,
                              -1);
        highlightLabelIndex += highlightIndex - i;
    }
}

void MainWindow::slotHideLetter(Word::Word *word, int position)
{
    if (!word || position < 0 || position >= word->name.size())
        return;
    const int digraphs = countDigraphsBefore(word->name, position);
    // On the second character of a digraph the whole digraph becomes one blank box.
    int index = position > 0 && countDigraphsBefore(word->name, position - 1) < digraphs
        ? position - 1
        : position;
    const QString name = letterImageName(word->name, index, true);
    const int label = position - digraphs;
    if (label >= letterLabels.size())
        return;
    renderLetterImage(letterLabels.at(label), systemMediaPath() + QStringLiteral("blank/"), name,
                      -1, -1);
}

void MainWindow::slotHand()
{
    if (!currentLetter)
        return;
    int index = -1;
    handLabel->setPixmap(QPixmap(signsPath() + letterImageName(currentLetter->name, index, false)
                                 + QStringLiteral(".png")));
    handLabel->show();
    handLabel->raise();
}

void MainWindow::slotBottomLetter()
{
    if (!typedLetter)
        return;
    int index = -1;
    const QString path = systemMediaPath() + QStringLiteral("inferior/")
        + letterImageName(typedLetter->name, index, false) + QStringLiteral(".png");
    if (!QFileInfo::exists(path))
        return;
    bottomLetterImage->label->setPixmap(QPixmap(path));
    bottomLetterImage->label->show();
    bottomLetterImage->show();
    bottomLetterImage->raise();
}
