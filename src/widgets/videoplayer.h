#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QWidget>

class QThread;
class QTimer;
class VideoPipeline;

// Plays one video file at a time and paints its frames scaled to the widget. The media player
// runs on a worker thread created at the first play, so start-up pays nothing for it and no
// stop of a playing pipeline ever holds the window's thread. Each play ends in exactly one of
// finished() or failed(), unless a new play() or stop() comes first. Word videos are silent
// and attach no audio output at all (a stall was seen with an audio output and no sound device).
class VideoPlayer : public QWidget
{
    Q_OBJECT

public:
    explicit VideoPlayer(bool withSound, QWidget *parent = nullptr);
    ~VideoPlayer() override;

    void play(const QString &path);
    void stop();
    void setVolume(qreal volume);
    void setAspectRatioMode(Qt::AspectRatioMode mode);
    // How long a play may take: its duration plus marginMs, or unknownMs while the duration is
    // not known; after stallMs without a frame or a step of the position the pipeline is
    // restarted once.
    void setTimeouts(int unknownMs, int marginMs, int stallMs);
    // Frames painted since the last play().
    int framesShown() const { return m_framesShown; }

signals:
    // The file played to its end.
    void finished();
    // The file is missing, empty, cannot be decoded, has no video, or did not end in time.
    void failed(const QString &reason);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void ensurePipeline();
    void startPipeline(bool fresh);
    void onFrame(quint64 serial, const QImage &frame);
    void onDuration(quint64 serial, qint64 ms);
    void onProgress(quint64 serial);
    void onEnded(quint64 serial);
    void onFailed(quint64 serial, const QString &reason);
    void onStalled();
    void fail(const QString &reason);
    void settle();

    bool m_withSound = false;
    float m_volume = 1.0f;
    Qt::AspectRatioMode m_aspectMode = Qt::KeepAspectRatio;
    int m_unknownMs = 8000;
    int m_marginMs = 2000;
    int m_stallMs = 3000;
    QThread *m_thread = nullptr;
    VideoPipeline *m_pipeline = nullptr;
    QTimer *m_watchdog = nullptr;
    QTimer *m_stallTimer = nullptr;
    QElapsedTimer m_started;
    QString m_path;
    QImage m_frame;
    quint64 m_serial = 0;
    qint64 m_durationMs = -1;
    int m_framesShown = 0;
    bool m_pending = false;
    bool m_restarted = false;
};
