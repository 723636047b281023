#include "testclip.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace TestClip {

bool ffmpegAvailable()
{
    return !QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty();
}

bool make(const QString &path, double seconds, const QString &colour)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {"-y", "-loglevel", "error", "-f", "lavfi", "-i",
                  QStringLiteral("color=c=%1:s=160x120:r=25:d=%2").arg(colour).arg(seconds), "-c:v",
                  "mpeg4", "-an", path});
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitStatus() == QProcess::NormalExit
        && ffmpeg.exitCode() == 0 && QFileInfo(path).size() > 0;
}

} // namespace TestClip
