#pragma once

#include <QImage>
#include <QObject>

class QAudioOutput;
class QMediaPlayer;
class QVideoFrame;
class QVideoSink;

// The media player side of VideoPlayer. It lives on a worker thread, because stopping or
// re-sourcing a playing pipeline holds the calling thread for hundreds of milliseconds; the
// window thread only ever sends it queued calls. Every call and signal carries the serial of
// the play it belongs to, so the widget can drop what an older play still reports.
class VideoPipeline : public QObject
{
    Q_OBJECT

public:
    explicit VideoPipeline(bool withSound, QObject *parent = nullptr);

public slots:
    void play(quint64 serial, const QString &path, float volume);
    // Plays on a fresh player, for a pipeline that stalled.
    void restart(quint64 serial, const QString &path, float volume);
    void stop();
    void setVolume(float volume);

signals:
    void frameReady(quint64 serial, const QImage &frame);
    void durationKnown(quint64 serial, qint64 ms);
    void progressed(quint64 serial);
    void ended(quint64 serial);
    void failed(quint64 serial, const QString &reason);

private:
    void createPlayer();
    void onStatus(int status);
    void onError(const QString &text);
    void onFrame(const QVideoFrame &frame);
    void fail(const QString &reason);

    bool m_withSound = false;
    float m_volume = 1.0f;
    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_audio = nullptr;
    QVideoSink *m_sink = nullptr;
    quint64 m_serial = 0;
    bool m_done = true;
    bool m_sawFrame = false;
};
