// Builds the program's database from SQL scripts:  qv-makedb <database> <script.sql>...
#include "sqlscript.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2) {
        err << "usage: qv-makedb <database> <script.sql>...\n";
        return 2;
    }
    const QString path = args.first();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString error;
    if (!SqlScript::createDatabase(path, args.mid(1), &error)) {
        err << "qv-makedb: " << error << "\n";
        return 1;
    }
    return 0;
}
