#pragma once

#include <QGraphicsView>

class QGraphicsProxyWidget;

// Shows the fixed 1024 by 768 window scaled to whatever room it gets, keeping its shape:
// the spare room becomes black bars. Clicks, hovering and keys reach the stage at any scale.
// F11 switches between a window and full screen.
class StageFrame : public QGraphicsView
{
    Q_OBJECT

public:
    // Takes a top-level widget without parent; it stays owned by the caller.
    explicit StageFrame(QWidget *stage, QWidget *parent = nullptr);
    ~StageFrame() override;

    qreal stageScale() const;
    // Where a point of the stage lands in the frame's viewport.
    QPoint mapFromStage(const QPoint &stagePoint) const;

    void setFullScreenMode(bool on);
    bool isFullScreenMode() const;

    // The per-machine choice: "FullScreen=true" in the program's settings, which an
    // administrator writes for every account in /etc/xdg/Quelvanto/quelvanto.conf.
    static bool fullScreenWanted();

    // Shows the frame full screen or maximized, as the settings say.
    void showAsConfigured();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitStage();

    QWidget *m_stage = nullptr;
    QGraphicsProxyWidget *m_proxy = nullptr;
};
