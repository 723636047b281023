#include "app/mainwindow.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);

    QTranslator translator;
    if (translator.load(QStringLiteral("QV_catala"),
                        QCoreApplication::applicationDirPath() + QStringLiteral("/translations")))
        QCoreApplication::installTranslator(&translator);

    QApplication::setStyle(QStringLiteral("Fusion"));
    QCoreApplication::setApplicationName(QStringLiteral("Quelvanto"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.0"));

    MainWindow window;
    window.show();
    return app.exec();
}
