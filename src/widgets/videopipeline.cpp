#include "videopipeline.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>

VideoPipeline::VideoPipeline(bool withSound, QObject *parent)
    : QObject(parent), m_withSound(withSound)
{ }

void VideoPipeline::createPlayer()
{
    // A player after an error, or one whose pipeline stalled, is thrown away for a fresh one.
    if (m_player) {
        m_player->disconnect(this);
        m_sink->disconnect(this);
        m_player->deleteLater();
        m_sink->deleteLater();
    }
    m_player = new QMediaPlayer(this);
    m_sink = new QVideoSink(this);
    m_player->setVideoOutput(m_sink);
    m_audio = nullptr;
    // Without a sound device an attached output can stall playback before its end.
    if (m_withSound && !QMediaDevices::audioOutputs().isEmpty()) {
        m_audio = new QAudioOutput(m_player);
        m_audio->setVolume(m_volume);
        m_player->setAudioOutput(m_audio);
    }
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus status) { onStatus(status); });
    connect(m_player, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error, const QString &text) { onError(text); });
    connect(m_player, &QMediaPlayer::durationChanged, this, [this](qint64 ms) {
        if (ms > 0)
            emit durationKnown(m_serial, ms);
    });
    connect(m_player, &QMediaPlayer::positionChanged, this, [this] { emit progressed(m_serial); });
    connect(m_sink, &QVideoSink::videoFrameChanged, this, &VideoPipeline::onFrame);
}

void VideoPipeline::play(quint64 serial, const QString &path, float volume)
{
    m_volume = volume;
    if (!m_player || m_player->error() != QMediaPlayer::NoError)
        createPlayer();
    else if (m_audio)
        m_audio->setVolume(volume);
    m_serial = serial;
    m_done = false;
    m_sawFrame = false;
    const QUrl url = QUrl::fromLocalFile(path);
    if (m_player->source() == url)
        m_player->setPosition(0);
    else
        m_player->setSource(url);
    m_player->play();
}

void VideoPipeline::restart(quint64 serial, const QString &path, float volume)
{
    if (m_player)
        createPlayer();
    play(serial, path, volume);
}

void VideoPipeline::stop()
{
    m_done = true;
    if (m_player && m_player->playbackState() != QMediaPlayer::StoppedState)
        m_player->stop();
}

void VideoPipeline::setVolume(float volume)
{
    m_volume = volume;
    if (m_audio)
        m_audio->setVolume(volume);
}

void VideoPipeline::onStatus(int status)
{
    if (m_done)
        return;
    switch (status) {
    case QMediaPlayer::InvalidMedia:
        fail(QStringLiteral("cannot be decoded"));
        break;
    case QMediaPlayer::BufferedMedia:
        if (!m_player->hasVideo() && m_player->hasAudio())
            fail(QStringLiteral("has no video stream"));
        break;
    case QMediaPlayer::EndOfMedia:
        if (!m_sawFrame && !m_player->hasVideo()) {
            fail(QStringLiteral("has no video stream"));
        } else {
            m_done = true;
            emit ended(m_serial);
        }
        break;
    default:
        break;
    }
}

void VideoPipeline::onError(const QString &text)
{
    if (!m_done)
        fail(text.isEmpty() ? QStringLiteral("cannot be played") : text);
}

void VideoPipeline::onFrame(const QVideoFrame &frame)
{
    if (m_done || !frame.isValid())
        return;
    m_sawFrame = true;
    emit frameReady(m_serial, frame.toImage());
}

void VideoPipeline::fail(const QString &reason)
{
    m_done = true;
    emit failed(m_serial, reason);
    if (m_player->playbackState() != QMediaPlayer::StoppedState)
        m_player->stop();
}
