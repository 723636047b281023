// The first video after a fresh start: N fresh processes each play one demo sign video in a
// VideoPlayer and report whether it played to its end (frames shown), needed the one restart
// of a stalled pipeline, or failed.   DISPLAY=:N bench_firstvideo [runs]
#include "widgets/videoplayer.h"

#include <QApplication>
#include <QDirIterator>
#include <QProcess>
#include <QTest>
#include <QTextStream>

namespace {

int child(int argc, char **argv, const QString &path)
{
    QApplication app(argc, argv);
    VideoPlayer player(false);
    player.resize(320, 240);
    player.show();
    int ends = 0;
    int failures = 0;
    QObject::connect(&player, &VideoPlayer::finished, &app, [&] { ++ends; });
    QObject::connect(&player, &VideoPlayer::failed, &app, [&] { ++failures; });
    player.play(path);
    if (!QTest::qWaitFor([&] { return ends + failures > 0; }, 20000))
        return 3;
    return ends == 1 && player.framesShown() > 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    const QString clip
        = QStringLiteral(QV_BIN_DIR "/media/languages/Espanol/Letras/G/gato/gato-senas.avi");
    if (argc > 1 && QByteArray(argv[1]) == "--child")
        return child(argc, argv, clip);
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? QString(argv[1]).toInt() : 50;
    int played = 0, restarted = 0, failed = 0;
    for (int i = 0; i < runs; ++i) {
        QProcess process;
        process.start(QCoreApplication::applicationFilePath(), {"--child"});
        process.waitForFinished(60000);
        const bool ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
        const bool restart = process.readAllStandardError().contains("stalled; restarting");
        played += ok;
        restarted += ok && restart;
        failed += !ok;
    }
    QTextStream(stdout) << QString("first video played in %1 of %2 fresh starts (%3 after one "
                                   "restart of a stalled pipeline), %4 failed\n")
                               .arg(played)
                               .arg(runs)
                               .arg(restarted)
                               .arg(failed);
    return 0;
}
