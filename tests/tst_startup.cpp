#include "app/startup.h"
#include "dialogs/inputdialog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTranslator>

// What the entry point sets up before the window: translation, style, name and version.
class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void withoutTranslationFileStaysSpanish();
    void translationBesideTheProgramIsUsed();
    void applicationIsNamedAndStyled();

private:
    QString translationsDir() const
    {
        return QCoreApplication::applicationDirPath() + "/translations";
    }
    static QStringList buttonTexts(const InputDialog &dialog)
    {
        QStringList texts;
        for (const QPushButton *button : dialog.findChildren<QPushButton *>())
            texts << button->text();
        return texts;
    }
};

void StartupTest::cleanup()
{
    QDir(translationsDir()).removeRecursively();
}

void StartupTest::withoutTranslationFileStaysSpanish()
{
    QDir(translationsDir()).removeRecursively();
    QTranslator translator;
    QVERIFY(!Startup::installTranslation(translator));
    InputDialog dialog(nullptr);
    QCOMPARE(dialog.windowTitle(), QString("Quelvanto - Usuarios"));
    QVERIFY(buttonTexts(dialog).contains("Ingresar"));
}

void StartupTest::translationBesideTheProgramIsUsed()
{
    const QString compiled = QStringLiteral(QV_BUILD_DIR "/translations/QV_catala.qm");
    QVERIFY2(QFile::exists(compiled), qPrintable(compiled));
    QDir().mkpath(translationsDir());
    QVERIFY(QFile::copy(compiled, translationsDir() + "/QV_catala.qm"));

    QTranslator translator;
    QVERIFY(Startup::installTranslation(translator));
    {
        InputDialog dialog(nullptr);
        QCOMPARE(dialog.windowTitle(), QString("Quelvanto - Usuaris"));
        QVERIFY(buttonTexts(dialog).contains("Entra"));
    }
    QCoreApplication::removeTranslator(&translator);
}

void StartupTest::applicationIsNamedAndStyled()
{
    Startup::configureApplication();
    QCOMPARE(QCoreApplication::applicationName(), QString("Quelvanto"));
    QCOMPARE(QCoreApplication::applicationVersion(), QString("2.0"));
    QCOMPARE(QApplication::style()->name().toLower(), QString("fusion"));
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
