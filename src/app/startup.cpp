#include "startup.h"

#include <QApplication>
#include <QTranslator>

namespace Startup {

bool installTranslation(QTranslator &translator)
{
    if (!translator.load(QStringLiteral("QV_catala"),
                         QCoreApplication::applicationDirPath() + QStringLiteral("/translations")))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

void configureApplication()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QCoreApplication::setApplicationName(QStringLiteral("Quelvanto"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.0"));
}

} // namespace Startup
