#pragma once

#include <QWidget>

class QMediaPlayer;
class QAudioOutput;
class VideoSurface;

// Plays one video file at a time on a video surface. Word videos are silent and attach no
// audio output at all (a stall was seen with an audio output and no sound device).
class VideoPlayer : public QWidget
{
    Q_OBJECT

public:
    explicit VideoPlayer(bool withSound, QWidget *parent = nullptr);

    void play(const QString &path);
    void stop();
    void setVolume(qreal volume);
    VideoSurface *videoWidget() const { return m_videoWidget; }
    QMediaPlayer *mediaPlayer() const { return m_player; }

signals:
    // The file played to its end.
    void finished();
    // The file cannot be played (missing, for now).
    void failed(const QString &reason);

private:
    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_audio = nullptr;
    VideoSurface *m_videoWidget = nullptr;
};
