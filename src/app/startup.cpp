#include "startup.h"

#include "data/datalocation.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Startup {

QString setUpDataLocation()
{
    const DataLocation location = DataLocation::resolve(DataLocation::systemFolders());
    DataLocation::setCurrent(location);
    QString error;
    location.prepare(&error);
    return error;
}

bool installTranslation(QTranslator &translator)
{
    if (!translator.load(QStringLiteral("QV_catala"),
                         DataLocation::current().shippedDir() + QStringLiteral("/translations")))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

bool installQtTranslation(QTranslator &translator, const QString &language)
{
    const QLocale locale(language == QLatin1String("ca") ? QLocale::Catalan : QLocale::Spanish,
                         QLocale::Spain);
    QLocale::setDefault(locale);
    if (!translator.load(QStringLiteral("qtbase_") + language,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
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
