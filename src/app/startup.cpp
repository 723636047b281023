#include "startup.h"

#include "dialogs/inputdialog.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QTranslator>

#include <cstdlib>

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
