// Process start → user chooser shown, against a bare Qt window that loads 40 of the same
// pictures, alternated in one run. The program runs from a tree beside this bench holding the
// demo content without the opening videos (they would add their own length), and quits on
// QV_BENCH_EXIT_ON_CHOOSER.   DISPLAY=:N bench_startup [runs]
#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QProcess>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <unistd.h>

namespace {

const QString realBin = QStringLiteral(QV_BIN_DIR);

QStringList pictures()
{
    QStringList list;
    QDirIterator it(realBin + "/media/languages", {"*.png"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        list << it.next();
    list.sort();
    return list.mid(0, 40);
}

class QuitOnShow : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            QTimer::singleShot(0, qApp, [] { std::_Exit(0); });
        return false;
    }
};

int bareWindow(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1024, 768);
    auto *grid = new QGridLayout(&window);
    int i = 0;
    for (const QString &path : pictures()) {
        auto *label = new QLabel(&window);
        label->setPixmap(QPixmap(path).scaled(120, 90, Qt::KeepAspectRatio));
        grid->addWidget(label, i / 8, i % 8);
        ++i;
    }
    window.installEventFilter(new QuitOnShow(&window));
    window.show();
    return app.exec();
}

// The program beside its content, less the opening videos.
QString prepareTree()
{
    const QString tree = QCoreApplication::applicationDirPath() + "/startup-tree";
    QDir(tree).removeRecursively();
    QDir dir;
    dir.mkpath(tree + "/data");
    dir.mkpath(tree + "/media/system/ui");
    QFile::copy(realBin + "/data/bd", tree + "/data/bd");
    // A hard link: the program finds its content beside the real path of its executable.
    ::link(QFile::encodeName(realBin + "/quelvanto").constData(),
           QFile::encodeName(tree + "/quelvanto").constData());
    QFile::link(realBin + "/media/languages", tree + "/media/languages");
    for (const QFileInfo &entry :
         QDir(realBin + "/media/system").entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot))
        if (entry.fileName() != "ui")
            QFile::link(entry.absoluteFilePath(), tree + "/media/system/" + entry.fileName());
    for (const QFileInfo &entry : QDir(realBin + "/media/system/ui").entryInfoList(QDir::Files))
        if (!entry.fileName().startsWith("splash-"))
            QFile::link(entry.absoluteFilePath(), tree + "/media/system/ui/" + entry.fileName());
    return tree;
}

double timedRun(const QString &program, const QStringList &args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QV_BENCH_EXIT_ON_CHOOSER", "1");
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer t;
    t.start();
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return -1;
    return t.nsecsElapsed() / 1e6;
}

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? -1 : v.at(v.size() / 2);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && QByteArray(argv[1]) == "--bare")
        return bareWindow(argc, argv);
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? QString(argv[1]).toInt() : 10;
    const QString tree = prepareTree();
    QList<double> program, bare;
    for (int i = 0; i < runs; ++i) {
        program << timedRun(tree + "/quelvanto", {});
        bare << timedRun(QCoreApplication::applicationFilePath(), {"--bare"});
    }
    QTextStream out(stdout);
    out << QString("program to chooser: median %1 ms; bare window with 40 pictures: median %2 "
                   "ms; ratio %3 (runs %4)\n")
               .arg(median(program), 0, 'f', 0)
               .arg(median(bare), 0, 'f', 0)
               .arg(median(program) / median(bare), 0, 'f', 2)
               .arg(runs);
    return 0;
}
