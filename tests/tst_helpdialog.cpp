#include "app/helpdialog.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QPdfView>
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
    void manualIsShownInsideFromPageOne();
    void missingManualIsSaidInSpanish();

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
    QFile file(workingDir.filePath("manual-qv.pdf"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    HelpDialog dialog;
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QString("Ayuda de Quelvanto"));
    QPushButton *open = button(dialog, "Abrir en otro programa");
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

// True when the picture has dark pixels (text) and not only page white or background.
static bool hasInk(const QImage &image)
{
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            if (qGray(image.pixel(x, y)) < 100)
                return true;
        }
    }
    return false;
}

void TestHelpDialog::manualIsShownInsideFromPageOne()
{
    const QString built = QStringLiteral(QV_BUILD_DIR "/bin/manual-qv.pdf");
    QVERIFY2(QFile::exists(built), qPrintable(built));
    QVERIFY(QFile::copy(built, workingDir.filePath("manual-qv.pdf")));
    HelpDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTRY_COMPARE_WITH_TIMEOUT(dialog.document()->status(), QPdfDocument::Status::Ready, 15000);
    QVERIFY(dialog.showsManual());
    QVERIFY(dialog.document()->pageCount() > 0);
    QVERIFY(hasInk(dialog.document()->render(0, QSize(420, 594))));
    auto *view = dialog.findChild<QPdfView *>();
    QVERIFY(view && view->isVisible());
    QCOMPARE(view->pageNavigator()->currentPage(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(hasInk(view->viewport()->grab().toImage()), 15000);
    QVERIFY(button(dialog, "Abrir en otro programa")->isEnabled());
}

void TestHelpDialog::missingManualIsSaidInSpanish()
{
    HelpDialog dialog;
    dialog.show();
    QVERIFY(!dialog.showsManual());
    QStringList texts;
    for (const QLabel *label : dialog.findChildren<QLabel *>()) {
        if (label->isVisible())
            texts << label->text();
    }
    QVERIFY2(texts.join(" ").contains("No se encuentra el manual de Quelvanto"),
             qPrintable(texts.join(" | ")));
    QVERIFY(!button(dialog, "Abrir en otro programa")->isEnabled());
    QVERIFY(button(dialog, "Cerrar")->isEnabled());
}

QTEST_MAIN(TestHelpDialog)
#include "tst_helpdialog.moc"
