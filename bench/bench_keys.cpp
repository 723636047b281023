// Key release → word fully drawn (key handled, events processed, window repainted) in
// activities 20 and 21 on the demo content, with the previous sign video finished, still
// playing, and keys back to back. Runs on a fresh copy of the demo database beside itself.
//   DISPLAY=:N bench_keys            (or QT_QPA_PLATFORM=offscreen)
#include "app/mainwindow.h"
#include "app/startup.h"
#include "data/user.h"
#include "dialogs/inputdialog.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QTextStream>

#include <algorithm>

namespace {

bool prepareContent()
{
    const QString here = QCoreApplication::applicationDirPath();
    QDir(here + "/data").removeRecursively();
    QDir().mkpath(here + "/data");
    if (!QFile::copy(QStringLiteral(QV_BIN_DIR "/data/bd"), here + "/data/bd"))
        return false;
    QFile::remove(here + "/media");
    return QFile::link(QStringLiteral(QV_BIN_DIR "/media"), here + "/media");
}

void idle(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

double drawKey(MainWindow &window, char key)
{
    QElapsedTimer t;
    t.start();
    QTest::keyPress(&window, key);
    QTest::keyRelease(&window, key);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    window.repaint();
    return t.nsecsElapsed() / 1e6;
}

QString figures(QList<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double q) { return samples.at(int(q * (samples.size() - 1) + 0.5)); };
    return QString("median %1 ms  p95 %2 ms  max %3 ms  (n=%4)")
        .arg(at(0.5), 0, 'f', 1)
        .arg(at(0.95), 0, 'f', 1)
        .arg(samples.last(), 0, 'f', 1)
        .arg(samples.size());
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Startup::configureApplication();
    QTextStream out(stdout);
    if (!prepareContent()) {
        out << "could not copy the demo content\n";
        return 1;
    }
    const int keys = argc > 1 ? QString(argv[1]).toInt() : 12;

    MainWindow window;
    window.show();
    InputDialog *chooser = nullptr;
    const bool shown = QTest::qWaitFor(
        [&] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *dialog = qobject_cast<InputDialog *>(w); dialog && dialog->isVisible())
                    chooser = dialog;
            return chooser != nullptr;
        },
        30000);
    if (!shown) {
        out << "the user chooser never came\n";
        return 1;
    }
    chooser->hide();
    auto *user = new User::User;
    if (!user->loadById(1)) {
        out << "no user in the demo database\n";
        return 1;
    }
    window.slotChooseUser(user);
    idle(500);

    const char letters[] = "abcdefgijlmnoprstuv";
    int next = 0;
    struct Mode
    {
        const char *name;
        int gapMs;
    };
    const Mode modes[] = {{"previous video finished", 2500},
                          {"previous video playing", 500},
                          {"keys back to back", 30}};
    for (int activity : {20, 21}) {
        if (activity == 21)
            window.slotSubSubMenu2();
        else
            window.slotSubSubMenu1();
        idle(2500);
        for (const Mode &mode : modes) {
            QList<double> samples;
            for (int i = 0; i < keys; ++i) {
                samples << drawKey(window, letters[next++ % (sizeof letters - 1)]);
                idle(mode.gapMs);
            }
            out << "activity " << activity << ", " << mode.name << ": " << figures(samples) << "\n";
            out.flush();
            idle(2500);
        }
    }
    return 0;
}
