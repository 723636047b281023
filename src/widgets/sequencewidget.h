#pragma once

#include <QLabel>
#include <QStringList>

class QTimer;

// Shows a list of pictures one after another: played at a fixed interval or stepped.
class SequenceWidget : public QLabel
{
    Q_OBJECT

public:
    explicit SequenceWidget(QWidget *parent = nullptr);

    void setDigraphFlags(bool useCh, bool useLl);
    void loadStory(int story, int pages);
    void loadWord(const QString &word);

    const QStringList &frames() const { return m_frames; }
    // For callers with a ready list of picture paths (tests, custom sequences).
    void setFrames(const QStringList &frames) { m_frames = frames; }
    int frameCount() const { return m_frames.size(); }
    int currentFrame() const { return m_currentFrame; }
    bool isStopped() const { return m_stopped; }
    bool usesCh() const { return m_useCh; }
    bool usesLl() const { return m_useLl; }

    QString frameFolder;
    int frameInterval = 1000;

signals:
    void signalClock();
    void signalFinished();

public slots:
    void slotNext();
    void slotPlay();
    bool slotBack();
    bool slotFwd();
    void slotInit();
    void slotStop();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void showFrame(int index);

    QStringList m_frames;
    int m_currentFrame = 0;
    bool m_stopped = false;
    bool m_useCh = false;
    bool m_useLl = false;
    QTimer *m_stepTimer = nullptr;
};
