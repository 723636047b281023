#include "sequencewidget.h"

#include "activities/letterrules.h"

#include <QFileInfo>
#include <QPixmap>
#include <QTimer>

SequenceWidget::SequenceWidget(QWidget *parent) : QLabel(parent), m_stepTimer(new QTimer(this))
{
    m_stepTimer->setSingleShot(true);
    connect(m_stepTimer, &QTimer::timeout, this, &SequenceWidget::slotNext);
}

void SequenceWidget::showFrame(int index)
{
    if (index < 0 || index >= m_frames.size())
        return;
    if (QFileInfo::exists(m_frames.at(index)))
        setPixmap(QPixmap(m_frames.at(index)));
}

void SequenceWidget::slotInit()
{
    m_currentFrame = 0;
    showFrame(0);
}

void SequenceWidget::slotPlay()
{
    // One step timer: restarting cancels the step already scheduled, so two chains never
    // run side by side.
    m_stepTimer->stop();
    m_stopped = false;
    m_currentFrame = 0;
    slotNext();
}

void SequenceWidget::slotNext()
{
    if (m_stopped)
        return;
    emit signalClock();
    showFrame(m_currentFrame);
    ++m_currentFrame;
    if (m_currentFrame >= m_frames.size()) {
        m_currentFrame = 0;
        m_stopped = true;
        emit signalFinished();
        return;
    }
    m_stepTimer->start(frameInterval);
}

void SequenceWidget::slotStop()
{
    m_stepTimer->stop();
    m_currentFrame = 0;
    m_stopped = true;
}

bool SequenceWidget::slotFwd()
{
    if (m_currentFrame >= m_frames.size() - 1)
        return false;
    ++m_currentFrame;
    showFrame(m_currentFrame);
    return true;
}

bool SequenceWidget::slotBack()
{
    if (m_currentFrame <= 0)
        return false;
    --m_currentFrame;
    showFrame(m_currentFrame);
    return true;
}

void SequenceWidget::mouseReleaseEvent(QMouseEvent *)
{
    slotPlay();
}

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
    m_frames = LetterRules::sequenceFrames(word, frameFolder, {m_useCh, m_useLl});
}
