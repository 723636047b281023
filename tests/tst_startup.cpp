#include "app/startup.h"
#include "dialogs/inputdialog.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
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
    void qtOwnTextsSpeakTheProgramsLanguage_data();
    void qtOwnTextsSpeakTheProgramsLanguage();

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

void StartupTest::qtOwnTextsSpeakTheProgramsLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("ok");
    QTest::addColumn<QString>("cancel");
    QTest::addColumn<QString>("copy");
    QTest::newRow("Spanish") << "es"
                             << "Aceptar"
                             << "Cancelar"
                             << "Copiar";
    QTest::newRow("Catalan") << "ca"
                             << "D'acord"
                             << "Cancel·la"
                             << "Copia";
}

void StartupTest::qtOwnTextsSpeakTheProgramsLanguage()
{
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY2(Startup::installQtTranslation(translator, language),
             "Qt's translations are missing (Debian package qt6-translations-l10n)");
    const auto plain = [](QString text) { return text.remove('&'); };
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QTEST(plain(box.button(QDialogButtonBox::Ok)->text()), "ok");
    QTEST(plain(box.button(QDialogButtonBox::Cancel)->text()), "cancel");
    QLineEdit edit;
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList actions;
    for (const QAction *action : menu->actions())
        actions << plain(action->text()).section('\t', 0, 0);
    QFETCH(QString, copy);
    QVERIFY2(actions.contains(copy), qPrintable(actions.join(", ")));
    QCoreApplication::removeTranslator(&translator);
    QLocale::setDefault(QLocale::c());
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
