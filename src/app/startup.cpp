#include "startup.h"

#include "data/datalocation.h"
#include "dialogs/inputdialog.h"

#include <QApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include <cstdlib>

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
    QLocale::setDefault(QLocale(
        language == QLatin1String("ca") ? QLocale::Catalan : QLocale::Spanish, QLocale::Spain));
    if (!translator.load(QStringLiteral("qtbase_") + language,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

void configureApplication()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Sorting follows it: the administrator's folder tree lists Ñ after N.
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    QCoreApplication::setApplicationName(QStringLiteral("Quelvanto"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.0"));
}

namespace {

class ChooserShownFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<InputDialog *>(watched))
            // Right away, past the teardown: a closing chooser would ask for a user.
            QTimer::singleShot(0, qApp, [] { std::_Exit(0); });
        return false;
    }
};

} // namespace

void watchForBenchExit()
{
    if (qEnvironmentVariableIsSet("QV_BENCH_EXIT_ON_CHOOSER"))
        qApp->installEventFilter(new ChooserShownFilter(qApp));
}

} // namespace Startup
