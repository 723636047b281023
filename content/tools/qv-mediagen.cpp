// Writes the demo media tree for a database:
//   qv-mediagen --db <data/bd> --out <media> [--no-videos] [--force] [--jobs N]
// or the program's icon in the hicolor sizes: qv-mediagen --icons <folder>
#include "mediagenerator.h"
#include "mediapainter.h"

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    // Pictures are drawn off screen; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription("Writes the Quelvanto demo media tree.");
    parser.addHelpOption();
    const QCommandLineOption db("db", "The database to read words and letters from.", "file");
    const QCommandLineOption target("out", "The media folder to write.", "folder");
    const QCommandLineOption noVideos("no-videos", "Write pictures only.");
    const QCommandLineOption force("force", "Redraw existing videos and word pictures too.");
    const QCommandLineOption jobs("jobs", "ffmpeg processes at a time (default 2).", "n", "2");
    const QCommandLineOption icons("icons", "Write the icon as <folder>/NxN/apps/quelvanto.png.",
                                   "folder");
    parser.addOptions({db, target, noVideos, force, jobs, icons});
    parser.process(app);
    if (parser.isSet(icons)) {
        for (const int size : {48, 64, 128, 256}) {
            const QString dir = QString("%1/%2x%2/apps").arg(parser.value(icons)).arg(size);
            if (!QDir().mkpath(dir)
                || !MediaPainter::appIcon(size).save(dir + "/quelvanto.png", "PNG")) {
                err << "qv-mediagen: cannot write " << dir << "/quelvanto.png\n";
                return 1;
            }
        }
        return 0;
    }
    if (!parser.isSet(db) || !parser.isSet(target)) {
        err << "qv-mediagen: --db and --out are required\n";
        return 2;
    }

    MediaGenerator::Options options;
    options.videos = !parser.isSet(noVideos);
    options.force = parser.isSet(force);
    options.jobs = qMax(1, parser.value(jobs).toInt());
    MediaGenerator generator(parser.value(target), options);
    QElapsedTimer timer;
    timer.start();
    const bool ok = generator.generate(parser.value(db));
    for (const QString &note : generator.notes())
        out << "qv-mediagen: " << note << "\n";
    out << QString("qv-mediagen: %1 pictures, %2 videos written, %3 files kept, %4 s\n")
               .arg(generator.picturesWritten())
               .arg(generator.videosWritten())
               .arg(generator.filesKept())
               .arg(timer.elapsed() / 1000.0, 0, 'f', 1);
    if (!ok) {
        err << "qv-mediagen: " << generator.errorString() << "\n";
        return 1;
    }
    return 0;
}
