#include "videoplayer.h"
#include "videopipeline.h"

#include <QFileInfo>
#include <QPainter>
#include <QThread>
#include <QTimer>
#include <QtDebug>

VideoPlayer::VideoPlayer(bool withSound, QWidget *parent)
    : QWidget(parent)
    , m_withSound(withSound)
    , m_watchdog(new QTimer(this))
    , m_stallTimer(new QTimer(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_watchdog->setSingleShot(true);
    m_stallTimer->setSingleShot(true);
    connect(m_watchdog, &QTimer::timeout, this,
            [this] { fail(QStringLiteral("did not end in time")); });
    connect(m_stallTimer, &QTimer::timeout, this, &VideoPlayer::onStalled);
}

VideoPlayer::~VideoPlayer()
{
    if (!m_thread)
        return;
    QMetaObject::invokeMethod(m_pipeline, &VideoPipeline::stop, Qt::QueuedConnection);
    m_thread->quit();
    m_thread->wait();
}

void VideoPlayer::ensurePipeline()
{
    if (m_thread)
        return;
    m_thread = new QThread(this);
    m_thread->setObjectName(QStringLiteral("video"));
    m_pipeline = new VideoPipeline(m_withSound);
    m_pipeline->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_pipeline, &QObject::deleteLater);
    connect(m_pipeline, &VideoPipeline::frameReady, this, &VideoPlayer::onFrame);
    connect(m_pipeline, &VideoPipeline::durationKnown, this, &VideoPlayer::onDuration);
    connect(m_pipeline, &VideoPipeline::progressed, this, &VideoPlayer::onProgress);
    connect(m_pipeline, &VideoPipeline::ended, this, &VideoPlayer::onEnded);
    connect(m_pipeline, &VideoPipeline::failed, this, &VideoPlayer::onFailed);
    m_thread->start();
}

void VideoPlayer::play(const QString &path)
{
    ++m_serial;
    m_path = path;
    m_pending = true;
    m_restarted = false;
    m_durationMs = -1;
    m_framesShown = 0;
    m_frame = QImage();
    update();

    const QFileInfo info(path);
    QString problem;
    if (!info.isFile())
        problem = QStringLiteral("does not exist");
    else if (info.size() == 0)
        problem = QStringLiteral("is empty");
    if (!problem.isEmpty()) {
        m_watchdog->stop();
        m_stallTimer->stop();
        const quint64 serial = m_serial;
        // Reported from the event loop, so a caller connected after play() still hears it.
        QTimer::singleShot(0, this, [this, serial, problem] {
            if (serial == m_serial)
                fail(problem);
        });
        return;
    }
    m_path = info.absoluteFilePath();
    ensurePipeline();
    startPipeline(false);
}

void VideoPlayer::startPipeline(bool fresh)
{
    const quint64 serial = m_serial;
    const QString path = m_path;
    const float volume = m_volume;
    VideoPipeline *pipeline = m_pipeline;
    QMetaObject::invokeMethod(
        m_pipeline,
        [pipeline, serial, path, volume, fresh] {
            if (fresh)
                pipeline->restart(serial, path, volume);
            else
                pipeline->play(serial, path, volume);
        },
        Qt::QueuedConnection);
    m_started.start();
    m_watchdog->start(m_durationMs > 0 ? int(m_durationMs) + m_marginMs : m_unknownMs);
    m_stallTimer->start(m_stallMs);
}

void VideoPlayer::stop()
{
    ++m_serial;
    settle();
    m_frame = QImage();
    update();
    if (m_pipeline)
        QMetaObject::invokeMethod(m_pipeline, &VideoPipeline::stop, Qt::QueuedConnection);
}

void VideoPlayer::setVolume(qreal volume)
{
    m_volume = float(volume);
    if (!m_pipeline)
        return;
    VideoPipeline *pipeline = m_pipeline;
    const float value = m_volume;
    QMetaObject::invokeMethod(
        m_pipeline, [pipeline, value] { pipeline->setVolume(value); }, Qt::QueuedConnection);
}

void VideoPlayer::setAspectRatioMode(Qt::AspectRatioMode mode)
{
    m_aspectMode = mode;
    update();
}

void VideoPlayer::setTimeouts(int unknownMs, int marginMs, int stallMs)
{
    m_unknownMs = unknownMs;
    m_marginMs = marginMs;
    m_stallMs = stallMs;
}

void VideoPlayer::onFrame(quint64 serial, const QImage &frame)
{
    if (serial != m_serial || !m_pending)
        return;
    m_frame = frame;
    ++m_framesShown;
    m_stallTimer->start(m_stallMs);
    update();
}

void VideoPlayer::onDuration(quint64 serial, qint64 ms)
{
    if (serial != m_serial || !m_pending)
        return;
    m_durationMs = ms;
    m_watchdog->start(int(qMax<qint64>(0, ms + m_marginMs - m_started.elapsed())));
}

void VideoPlayer::onProgress(quint64 serial)
{
    if (serial == m_serial && m_pending)
        m_stallTimer->start(m_stallMs);
}

void VideoPlayer::onEnded(quint64 serial)
{
    if (serial != m_serial || !m_pending)
        return;
    settle();
    emit finished();
}

void VideoPlayer::onFailed(quint64 serial, const QString &reason)
{
    if (serial == m_serial)
        fail(reason);
}

void VideoPlayer::onStalled()
{
    if (!m_pending || m_restarted)
        return;
    // A pipeline was seen to stay in preroll for good; a fresh one usually plays.
    m_restarted = true;
    ++m_serial;
    m_framesShown = 0;
    qInfo().noquote() << "Video" << m_path << "stalled; restarting it";
    startPipeline(true);
}

void VideoPlayer::fail(const QString &reason)
{
    if (!m_pending)
        return;
    settle();
    qWarning().noquote() << "Video" << m_path << "failed:" << reason;
    if (m_pipeline)
        QMetaObject::invokeMethod(m_pipeline, &VideoPipeline::stop, Qt::QueuedConnection);
    emit failed(reason);
}

void VideoPlayer::settle()
{
    m_pending = false;
    m_watchdog->stop();
    m_stallTimer->stop();
}

void VideoPlayer::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_frame.isNull())
        return;
    const QSize size = m_frame.size().scaled(this->size(), m_aspectMode);
    QRect target(QPoint(0, 0), size);
    target.moveCenter(rect().center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_frame);
}
