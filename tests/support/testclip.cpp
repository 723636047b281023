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

static bool run(const QString &path, const QStringList &args)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 QStringList {"-y", "-loglevel", "error", "-f", "lavfi", "-i"} + args << path);
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitStatus() == QProcess::NormalExit
        && ffmpeg.exitCode() == 0 && QFileInfo(path).size() > 0;
}

bool make(const QString &path, double seconds, const QString &colour)
{
    return run(path,
               {QStringLiteral("color=c=%1:s=160x120:r=25:d=%2").arg(colour).arg(seconds), "-c:v",
                "mpeg4", "-an"});
}

bool makeAudioOnly(const QString &path, double seconds)
{
    return run(path, {QStringLiteral("sine=frequency=440:duration=%1").arg(seconds), "-vn"});
}

} // namespace TestClip
