// Frame lists of the stories and of the hand and "Flus" sequences, and the main-window slots
// that start them.
#include "widgets/sequencewidget.h"

#include "app/mainwindow.h"
#include "app/menuwidget.h"
#include "data/word.h"

namespace {

// The picture key of one letter of a word; the sequences keep no accents.
QString sequenceKey(QChar c)
{
    switch (c.unicode()) {
    case 0x00E1:
        return QStringLiteral("a");
    case 0x00E9:
        return QStringLiteral("e");
    case 0x00ED:
        return QStringLiteral("i");
    case 0x00F3:
        return QStringLiteral("o");
    case 0x00FA:
        return QStringLiteral("u");
    case 0x00F1:
        return QStringLiteral("nt");
    case 0x00E7:
        return QStringLiteral("ct");
    default:
        return QString();
    }
}

} // namespace

void SequenceWidget::setDigraphFlags(bool useCh, bool useLl)
{
    m_useCh = useCh;
    m_useLl = useLl;
}

void SequenceWidget::loadStory(int story, int pages)
{
    m_currentFrame = 0;
    m_frames.clear();
    for (int page = 1; page <= pages; ++page)
        m_frames << frameFolder + QStringLiteral("leer%1_%2.png").arg(story).arg(page);
}

void SequenceWidget::loadWord(const QString &word)
{
    m_frames.clear();
    const int length = word.size();
    int i = 0;
    while (i < length) {
        const QChar first = word.at(i).toLower();
        QString key = sequenceKey(first);
        int covered = 1;
        if (key.isEmpty()) {
            key = first;
            if (i < length - 1) {
                const QChar next = word.at(i + 1).toLower();
                if (m_useCh && first == QLatin1Char('c') && next == QLatin1Char('h')) {
                    key = QStringLiteral("ch");
                    covered = 2;
                } else if (m_useLl && first == QLatin1Char('l') && next == QLatin1Char('l')) {
                    key = QStringLiteral("ll");
                    covered = 2;
                }
            }
        }
        m_frames << frameFolder + key + QStringLiteral(".png");
        i += covered;
    }
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
    storySequence->loadStory(story, pages);
    storySequence->show();
    storySequence->raise();
    storySequence->slotInit();
}

void MainWindow::slotHandsSequence()
{
    if (!shownWord)
        return;
    handSequence->loadWord(shownWord->name);
    handSequence->show();
    highlightIndex = 0;
    highlightLabelIndex = 0;
    highlightedText.clear();
    handSequence->slotPlay();
    handSequence->raise();
}

void MainWindow::slotFluSequence()
{
    if (!languageSwitch(QStringLiteral("use-flus")) || !shownWord)
        return;
    fluSequence->loadWord(shownWord->name);
    fluSequence->show();
    fluSequence->slotPlay();
    fluSequence->raise();
}
