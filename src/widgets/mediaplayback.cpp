#include "app/mainwindow.h"
#include "widgets/videoplayer.h"

#include <QFileInfo>
#include "widgets/videosurface.h"

void MainWindow::playVideo(const QString &path)
{
    if (!QFileInfo::exists(path))
        return;
    videoPlayer->stop();
    // Word videos are silent; the player has no audio output at all.
    videoPlayer->setVolume(0.0);
    videoPlayer->videoWidget()->setAspectRatioMode(Qt::KeepAspectRatioByExpanding);
    videoPlayer->play(path);
    videoPlayer->show();
    videoPlayer->raise();
}
