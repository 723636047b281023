#include "app/mainwindow.h"
#include "app/startup.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTranslator translator;
    Startup::installTranslation(translator);
    Startup::configureApplication();
    Startup::watchForBenchExit();

    MainWindow window;
    window.show();
    return app.exec();
}
