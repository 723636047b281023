#include "app/mainwindow.h"
#include "app/stageframe.h"
#include "app/startup.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTranslator translator;
    Startup::installTranslation(translator);
    Startup::configureApplication();

    MainWindow window;
    // The fixed-size window, scaled to the screen it gets.
    StageFrame frame(&window);
    frame.showAsConfigured();
    return app.exec();
}
