#include "videoplayer.h"

#include "videosurface.h"
#include <QAudioDevice>
#include <QAudioOutput>
#include <QDebug>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoSink>

VideoPlayer::VideoPlayer(bool withSound, QWidget *parent)
    : QWidget(parent), m_player(new QMediaPlayer(this)), m_videoWidget(new VideoSurface(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_videoWidget);
    m_player->setVideoOutput(m_videoWidget->videoSink());

    // Without a sound device an attached output can stall playback before its end.
    if (withSound && !QMediaDevices::audioOutputs().isEmpty()) {
        m_audio = new QAudioOutput(this);
        m_player->setAudioOutput(m_audio);
    }

    connect(m_player, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus status) {
                if (status == QMediaPlayer::EndOfMedia)
                    emit finished();
            });
    // A file that cannot be played simply shows nothing and never finishes.
    connect(m_player, &QMediaPlayer::errorOccurred, this, [] {});
}

void VideoPlayer::play(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        qWarning().noquote() << "No video file:" << path;
        QTimer::singleShot(0, this,
                           [this, path] { emit failed(QStringLiteral("missing file ") + path); });
        return;
    }
    const QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    if (m_player->source() == url)
        m_player->setPosition(0);
    else
        m_player->setSource(url);
    m_player->play();
}

void VideoPlayer::stop()
{
    if (m_player->playbackState() != QMediaPlayer::StoppedState)
        m_player->stop();
}

void VideoPlayer::setVolume(qreal volume)
{
    if (m_audio)
        m_audio->setVolume(float(volume));
}
