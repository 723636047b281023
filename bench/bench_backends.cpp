// Compares the media back ends on the codecs a teacher's files have: how long stop() and
// setSource() of a playing pipeline hold the calling thread, whether the end of media arrives,
// how long the first frame takes. Run once per back end:
//   QT_MEDIA_BACKEND=gstreamer bench_backends      QT_MEDIA_BACKEND=ffmpeg bench_backends
#include <QApplication>
#include <QElapsedTimer>
#include <QMediaPlayer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QVideoSink>
#include <QVideoWidget>

#include <algorithm>
#include <cstdio>

namespace {

struct Codec
{
    const char *name;
    const char *file;
    QStringList args;
};

bool makeClip(const QString &path, const QStringList &codecArgs)
{
    QProcess ffmpeg;
    QStringList args {
        "-y", "-loglevel", "error", "-f", "lavfi", "-i", "testsrc=s=320x240:r=25:d=2"};
    args << codecArgs << "-an" << path;
    ffmpeg.start("ffmpeg", args);
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0;
}

// Runs the event loop until the condition holds or the time is up.
bool waitFor(const std::function<bool()> &done, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

void idle(int ms)
{
    waitFor([] { return false; }, ms);
}

double timed(const std::function<void()> &f)
{
    QElapsedTimer t;
    t.start();
    f();
    return t.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QList<Codec> codecs {
        {"MPEG-1", "clip.mpg", {"-c:v", "mpeg1video", "-f", "mpeg"}},
        {"MJPEG", "clip.mov", {"-c:v", "mjpeg", "-q:v", "5"}},
        {"MPEG-4", "clip.avi", {"-c:v", "mpeg4"}},
        {"H.264", "clip.mp4", {"-c:v", "libx264", "-pix_fmt", "yuv420p"}},
    };
    QTextStream out(stdout);
    out << "backend " << qEnvironmentVariable("QT_MEDIA_BACKEND", "default") << "\n";
    out << "codec   first-frame-ms stop-ms setSource-ms back-to-back-max-ms end-of-media\n";
    for (const Codec &codec : codecs) {
        const QString path = dir.filePath(codec.file);
        const QString other = dir.filePath(QStringLiteral("b-") + codec.file);
        if (!makeClip(path, codec.args) || !makeClip(other, codec.args)) {
            out << codec.name << " could not be made\n";
            continue;
        }
        QVideoWidget widget;
        widget.resize(320, 240);
        widget.show();
        QMediaPlayer player;
        player.setVideoOutput(&widget);
        int frames = 0;
        int ends = 0;
        QObject::connect(widget.videoSink(), &QVideoSink::videoFrameChanged, &widget,
                         [&frames] { ++frames; });
        QObject::connect(&player, &QMediaPlayer::mediaStatusChanged, &widget,
                         [&ends](QMediaPlayer::MediaStatus s) {
                             if (s == QMediaPlayer::EndOfMedia)
                                 ++ends;
                         });
        idle(200);

        QElapsedTimer first;
        first.start();
        player.setSource(QUrl::fromLocalFile(path));
        player.play();
        const bool gotFrame = waitFor([&] { return frames > 0; }, 8000);
        const double firstMs = gotFrame ? first.elapsed() : -1;
        idle(400);
        const double stopMs = timed([&] { player.stop(); });

        player.play();
        idle(500);
        const double sourceMs = timed([&] {
            player.setSource(QUrl::fromLocalFile(other));
            player.play();
        });

        // Keys back to back: a new source every 60 ms while playing.
        double worst = 0;
        for (int i = 0; i < 6; ++i) {
            idle(60);
            worst = std::max(worst, timed([&] {
                                 player.setSource(QUrl::fromLocalFile(i % 2 ? other : path));
                                 player.play();
                             }));
        }
        ends = 0;
        const bool ended = waitFor([&] { return ends > 0; }, 6000);
        out << QString("%1 %2 %3 %4 %5 %6\n")
                   .arg(codec.name, -7)
                   .arg(firstMs, 14, 'f', 0)
                   .arg(stopMs, 7, 'f', 1)
                   .arg(sourceMs, 12, 'f', 1)
                   .arg(worst, 19, 'f', 1)
                   .arg(ended ? "yes" : "NO");
        out.flush();
    }
    return 0;
}
