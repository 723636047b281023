#pragma once

#include <QVideoFrame>
#include <QWidget>

class QVideoSink;

// Paints the frames of a video sink itself, as an ordinary widget: unlike QVideoWidget it
// opens no native window, so it scales with the stage and shows in screenshots.
class VideoSurface : public QWidget
{
    Q_OBJECT

public:
    explicit VideoSurface(QWidget *parent = nullptr);

    QVideoSink *videoSink() const { return m_sink; }
    void setAspectRatioMode(Qt::AspectRatioMode mode);
    Qt::AspectRatioMode aspectRatioMode() const { return m_mode; }
    // Forgets the last frame, so the next video does not open on the previous one's end.
    void clear();
    bool hasFrame() const { return m_frame.isValid(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QVideoSink *m_sink = nullptr;
    QVideoFrame m_frame;
    Qt::AspectRatioMode m_mode = Qt::KeepAspectRatioByExpanding;
};
