#include "app/helpdialog.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

// Stands in for the system's document viewer.
class ViewerRequests : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void openUrl(const QUrl &url) { urls << url; }
};

class TestHelpDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void openButtonAsksTheViewerEachTimeItIsPressed();
    void manualInWorkingDirectoryComesFirst();
    void manualBesideTheProgramIsTheFallback();
    void closingOnlyHidesTheDialog();

private:
    QPushButton *button(HelpDialog &dialog, const QString &text);

    ViewerRequests viewer;
    QTemporaryDir workingDir;
    QString previousDir;
};

void TestHelpDialog::init()
{
    viewer.urls.clear();
    QDesktopServices::setUrlHandler("file", &viewer, "openUrl");
    previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workingDir.path()));
}

void TestHelpDialog::cleanup()
{
    QDesktopServices::unsetUrlHandler("file");
    QDir::setCurrent(previousDir);
    QFile::remove(workingDir.filePath("manual-qv.pdf"));
}

QPushButton *TestHelpDialog::button(HelpDialog &dialog, const QString &text)
{
    for (QPushButton *candidate : dialog.findChildren<QPushButton *>()) {
        if (candidate->text() == text)
            return candidate;
    }
    return nullptr;
}

void TestHelpDialog::openButtonAsksTheViewerEachTimeItIsPressed()
{
    HelpDialog dialog;
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QString("Ayuda de Quelvanto"));
    QPushButton *open = button(dialog, "Abrir manual de Quelvanto");
    QVERIFY(open);
    open->click();
    open->click();
    QCOMPARE(viewer.urls.size(), 2);
    QVERIFY(viewer.urls.first().isLocalFile());
    QCOMPARE(QFileInfo(viewer.urls.first().toLocalFile()).fileName(), QString("manual-qv.pdf"));
    QVERIFY(dialog.isVisible());
}

void TestHelpDialog::manualInWorkingDirectoryComesFirst()
{
    QFile file(workingDir.filePath("manual-qv.pdf"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    HelpDialog dialog;
    dialog.slotOpenHelp();
    QCOMPARE(viewer.urls, QList<QUrl>({QUrl::fromLocalFile(workingDir.filePath("manual-qv.pdf"))}));
}

void TestHelpDialog::manualBesideTheProgramIsTheFallback()
{
    HelpDialog dialog;
    dialog.slotOpenHelp();
    QCOMPARE(viewer.urls,
             QList<QUrl>(
                 {QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + "/manual-qv.pdf")}));
}

void TestHelpDialog::closingOnlyHidesTheDialog()
{
    HelpDialog dialog;
    dialog.show();
    QPointer<HelpDialog> alive(&dialog);
    button(dialog, "Cerrar")->click();
    QVERIFY(!dialog.isVisible());
    QVERIFY(alive);
    dialog.show();
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.isModal());
}

QTEST_MAIN(TestHelpDialog)
#include "tst_helpdialog.moc"
