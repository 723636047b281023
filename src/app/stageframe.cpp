#include "stageframe.h"

#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QSettings>

namespace {

// Widgets grab the mouse on a press even when they ignore it, so a picture menu that acts on
// the release gets it; a scene gives the release only to an item that took the press.
class StageProxy : public QGraphicsProxyWidget
{
public:
    using QGraphicsProxyWidget::QGraphicsProxyWidget;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override
    {
        QGraphicsProxyWidget::mousePressEvent(event);
        event->accept();
    }
};

} // namespace

StageFrame::StageFrame(QWidget *stage, QWidget *parent) : QGraphicsView(parent), m_stage(stage)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setBackgroundBrush(Qt::black);
    setAlignment(Qt::AlignCenter);
    setRenderHints(QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    setMinimumSize(320, 240);
    setWindowTitle(stage->windowTitle());
    setWindowIcon(stage->windowIcon());

    auto *scene = new QGraphicsScene(this);
    scene->setBackgroundBrush(Qt::black);
    setScene(scene);
    // The stage keeps its fixed size; the frame is the one that is maximized or full screen.
    stage->setWindowState(Qt::WindowNoState);
    if (stage->minimumSize() == stage->maximumSize())
        stage->resize(stage->minimumSize());
    // Where it once placed itself on the desktop means nothing in the scene.
    stage->move(0, 0);
    m_proxy = new StageProxy;
    m_proxy->setWidget(stage);
    scene->addItem(m_proxy);
    stage->show();
    m_proxy->setFocus();
    stage->installEventFilter(this);
    resize(stage->size());
}

StageFrame::~StageFrame()
{
    // The caller owns the stage: take it back out of the scene before the scene goes.
    if (m_proxy && m_stage) {
        m_stage->removeEventFilter(this);
        m_proxy->setWidget(nullptr);
    }
}

qreal StageFrame::stageScale() const
{
    return transform().m11();
}

QPoint StageFrame::mapFromStage(const QPoint &stagePoint) const
{
    return mapFromScene(m_proxy->mapToScene(QPointF(stagePoint)));
}

void StageFrame::setFullScreenMode(bool on)
{
    // The geometry first: without a window manager (a bare X server in a classroom kiosk)
    // nobody else would make the window fill the screen.
    if (const QScreen *where = screen())
        setGeometry(on ? where->geometry() : where->availableGeometry());
    if (on)
        showFullScreen();
    else
        showMaximized();
}

bool StageFrame::isFullScreenMode() const
{
    return windowState().testFlag(Qt::WindowFullScreen);
}

bool StageFrame::fullScreenWanted()
{
    // The account's file (~/.config/Quelvanto/quelvanto.conf) falls back on the machine's.
    const QSettings settings(QStringLiteral("Quelvanto"), QStringLiteral("quelvanto"));
    return settings.value(QStringLiteral("FullScreen"), false).toBool();
}

void StageFrame::showAsConfigured()
{
    setFullScreenMode(fullScreenWanted());
}

void StageFrame::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    fitStage();
}

void StageFrame::fitStage()
{
    scene()->setSceneRect(m_proxy->sceneBoundingRect());
    const QSizeF design = m_stage->size();
    const QSize room = viewport()->size();
    if (design.isEmpty() || room.isEmpty())
        return;
    const qreal factor = qMin(room.width() / design.width(), room.height() / design.height());
    setTransform(QTransform::fromScale(factor, factor));
    centerOn(m_proxy);
}

void StageFrame::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F11 && !event->isAutoRepeat()) {
        setFullScreenMode(!isFullScreenMode());
        return;
    }
    QGraphicsView::keyPressEvent(event);
}

void StageFrame::keyReleaseEvent(QKeyEvent *event)
{
    // The stage never sees F11: to the activities it would be a key that is not a letter.
    if (event->key() == Qt::Key_F11)
        return;
    QGraphicsView::keyReleaseEvent(event);
}

void StageFrame::closeEvent(QCloseEvent *event)
{
    // The stage decides: on the first close it shows the credits and closes itself later.
    if (m_stage && m_stage->isVisible()) {
        m_stage->close();
        if (m_stage->isVisible()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

bool StageFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_stage) {
        switch (event->type()) {
        case QEvent::Hide:
            // The stage closed itself (the end of the credits): the frame goes with it.
            if (isVisible())
                QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
            break;
        case QEvent::WindowTitleChange:
            setWindowTitle(m_stage->windowTitle());
            break;
        case QEvent::Move:
        case QEvent::Resize:
            fitStage();
            break;
        default:
            break;
        }
    }
    return QGraphicsView::eventFilter(watched, event);
}
