#include "app/mainwindow.h"
#include "app/stageframe.h"
#include "app/startup.h"

#include <QApplication>
#include <QMessageBox>
#include <QTranslator>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The name comes first: it names the account's data folder.
    Startup::configureApplication();
    Startup::watchForBenchExit();
    const QString dataError = Startup::setUpDataLocation();
    QTranslator translator;
    const bool catalan = Startup::installTranslation(translator);
    QTranslator qtTranslator;
    Startup::installQtTranslation(qtTranslator,
                                  catalan ? QStringLiteral("ca") : QStringLiteral("es"));
    if (!dataError.isEmpty())
        QMessageBox::warning(nullptr, QStringLiteral("Quelvanto"), dataError);

    MainWindow window;
    // The fixed-size window, scaled to the screen it gets.
    StageFrame frame(&window);
    frame.showAsConfigured();
    return app.exec();
}
