#include "videosurface.h"

#include <QPainter>
#include <QVideoSink>

VideoSurface::VideoSurface(QWidget *parent) : QWidget(parent), m_sink(new QVideoSink(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(m_sink, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame &frame) {
        m_frame = frame;
        update();
    });
}

void VideoSurface::setAspectRatioMode(Qt::AspectRatioMode mode)
{
    m_mode = mode;
    update();
}

void VideoSurface::clear()
{
    m_frame = QVideoFrame();
    update();
}

void VideoSurface::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!m_frame.isValid())
        return;
    // Expanding fills the box and crops what overflows it.
    painter.setClipRect(rect());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QVideoFrame frame = m_frame;
    QVideoFrame::PaintOptions options;
    options.aspectRatioMode = m_mode;
    options.backgroundColor = Qt::black;
    frame.paint(&painter, rect(), options);
}
