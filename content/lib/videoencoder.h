#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

// Turns frames drawn in memory into short silent MPEG-4 .avi files with ffmpeg, several
// processes at a time. Needs a running Qt application object (it waits in an event loop).
class VideoEncoder
{
public:
    using FrameFunction = std::function<QImage(int frame, int frameCount)>;

    struct Job
    {
        QString path;
        QSize size;
        int frameCount = 0;
        int fps = 15;
        FrameFunction draw;
    };

    explicit VideoEncoder(const QString &ffmpeg = QString());

    // The ffmpeg executable on the PATH, or an empty string.
    static QString findFfmpeg();
    bool isAvailable() const { return !m_ffmpeg.isEmpty(); }

    void add(const Job &job);
    int pending() const { return int(m_jobs.size()); }

    // Encodes every queued job, at most `parallel` at once, and empties the queue. Each file is
    // written under a temporary name and renamed when ffmpeg succeeded, so an interrupted run
    // never leaves a half file under the real name. False when any job failed.
    bool run(int parallel = 2);
    QStringList failures() const { return m_failures; }

private:
    QString m_ffmpeg;
    QList<Job> m_jobs;
    QStringList m_failures;
};
