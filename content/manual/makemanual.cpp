// Turns the manual's HTML into manual-qv.pdf: makemanual <manual.html> <manual-qv.pdf>
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        QTextStream(stderr) << "usage: makemanual <manual.html> <manual-qv.pdf>\n";
        return 2;
    }
    QFile source(args.at(1));
    if (!source.open(QIODevice::ReadOnly)) {
        QTextStream(stderr) << "cannot read " << args.at(1) << "\n";
        return 1;
    }
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 11));
    document.setHtml(QString::fromUtf8(source.readAll()));

    QPdfWriter writer(args.at(2));
    writer.setTitle(QStringLiteral("Manual de Quelvanto"));
    writer.setCreator(QStringLiteral("Quelvanto"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    document.print(&writer);
    // QPdfWriter reports no failure; an empty file means nothing was written.
    return QFile(args.at(2)).size() > 0 ? 0 : 1;
}
