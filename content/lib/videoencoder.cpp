#include "videoencoder.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

VideoEncoder::VideoEncoder(const QString &ffmpeg)
    : m_ffmpeg(ffmpeg.isEmpty() ? findFfmpeg() : ffmpeg)
{ }

QString VideoEncoder::findFfmpeg()
{
    return QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
}

void VideoEncoder::add(const Job &job)
{
    m_jobs.append(job);
}

namespace {

// Raw RGB rows, tightly packed, as ffmpeg's rawvideo input expects them.
QByteArray rawFrames(const VideoEncoder::Job &job)
{
    const int rowBytes = job.size.width() * 3;
    QByteArray data;
    data.reserve(rowBytes * job.size.height() * job.frameCount);
    for (int i = 0; i < job.frameCount; ++i) {
        QImage frame
            = job.draw(i, job.frameCount).convertToFormat(QImage::Format_RGB888).scaled(job.size);
        for (int y = 0; y < frame.height(); ++y)
            data.append(reinterpret_cast<const char *>(frame.constScanLine(y)), rowBytes);
    }
    return data;
}

} // namespace

bool VideoEncoder::run(int parallel)
{
    m_failures.clear();
    QList<Job> jobs;
    jobs.swap(m_jobs);
    if (jobs.isEmpty())
        return true;
    if (m_ffmpeg.isEmpty()) {
        for (const Job &job : jobs)
            m_failures << job.path;
        return false;
    }
    parallel = qMax(1, parallel);

    QEventLoop loop;
    int running = 0;
    int next = 0;
    std::function<void()> startMore;
    auto finishOne = [&](QProcess *process, const QString &path, const QString &partPath, bool ok) {
        if (ok && QFile::exists(partPath)) {
            QFile::remove(path);
            ok = QFile::rename(partPath, path);
        } else {
            ok = false;
        }
        if (!ok) {
            QFile::remove(partPath);
            m_failures << path;
        }
        process->deleteLater();
        --running;
        startMore();
        if (running == 0 && next >= jobs.size())
            loop.quit();
    };
    startMore = [&]() {
        while (running < parallel && next < jobs.size()) {
            const Job &job = jobs.at(next++);
            QDir().mkpath(QFileInfo(job.path).absolutePath());
            const QString partPath = job.path + QStringLiteral(".part");
            auto *process = new QProcess(&loop);
            process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            process->setStandardOutputFile(QProcess::nullDevice());
            const QString path = job.path;
            QObject::connect(process, &QProcess::finished, &loop,
                             [=, &finishOne](int code, QProcess::ExitStatus status) {
                                 finishOne(process, path, partPath,
                                           status == QProcess::NormalExit && code == 0);
                             });
            QObject::connect(process, &QProcess::errorOccurred, &loop,
                             [=, &finishOne](QProcess::ProcessError error) {
                                 if (error == QProcess::FailedToStart)
                                     finishOne(process, path, partPath, false);
                             });
            const QString size
                = QStringLiteral("%1x%2").arg(job.size.width()).arg(job.size.height());
            ++running;
            process->start(m_ffmpeg,
                           {"-y",
                            "-loglevel",
                            "error",
                            "-f",
                            "rawvideo",
                            "-pix_fmt",
                            "rgb24",
                            "-s",
                            size,
                            "-r",
                            QString::number(job.fps),
                            "-i",
                            "-",
                            "-an",
                            "-c:v",
                            "mpeg4",
                            "-q:v",
                            "4",
                            "-pix_fmt",
                            "yuv420p",
                            "-f",
                            "avi",
                            partPath});
            if (process->state() == QProcess::NotRunning)
                continue; // failed to start; already counted as failed
            process->write(rawFrames(job));
            process->closeWriteChannel();
        }
    };
    startMore();
    if (running > 0)
        loop.exec();
    return m_failures.isEmpty();
}
