#include "app/mainwindow.h"
#include "app/menuwidget.h"
#include "data/user.h"
#include "dialogs/configwidget.h"
#include "dialogs/inputdialog.h"
#include "mainwindowaccess.h"
#include "messageboxanswerer.h"
#include "testclip.h"
#include "testdatabase.h"
#include "widgets/sequencewidget.h"
#include "widgets/videoplayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

// The frame of the main window: construction, the picture menus, the credits on exit and the
// hand-over from the opening videos to the user chooser.
class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void menuClicksLeadToActivity_data();
    void menuClicksLeadToActivity();
    void oneEntryPerRowLooksSelected();
    void readingOpensTheStoryMenu();
    void firstSubMenuIsInactiveUnderReading();
    void fileMenuOpensAndCloses();
    void storyArrowsReturnToTheStoryMenuAtTheEnds();

    void closeShowsCreditsThenCloses();
    void closeWithoutLanguageIsImmediate();
    void unusableDatabaseIsReportedOnceAndLeftAlone_data();
    void unusableDatabaseIsReportedOnceAndLeftAlone();
    void mediaPathsFollowTheLanguage();

    void choosingAUserSetsSequencesAndStartsActivity20_data();
    void choosingAUserSetsSequencesAndStartsActivity20();
    void configDoneRestartsOnlyOnce();
    void configurationDialogIsOneAndFollowsTheUser();
    void fingerSpellingEndSchedulesOneNextItem();

    void missingOpeningVideosOpenTheUserChooser();
    void openingVideosPlayInTurnThenTheChooser();
    void undecodableOpeningVideoGoesOnToTheNext_data();
    void undecodableOpeningVideoGoesOnToTheNext();

private:
    void picture(const QString &relative, Qt::GlobalColor colour);
    MainWindow *makeWindow();
    void chooseUser(MainWindow *window);

    QString m_appDir;
    TestDatabase *m_db = nullptr;
    MainWindow *m_window = nullptr;
    MessageBoxAnswerer *m_boxes = nullptr;
};

void MainWindowTest::initTestCase()
{
    m_appDir = QCoreApplication::applicationDirPath();
    QDir(m_appDir + "/media").removeRecursively();
    MainWindow::databaseFailureHandler = [] { QFAIL("unexpected database failure"); };
    picture("media/system/ui/background.png", Qt::white);
    picture("media/system/ui/backgroundleer.png", Qt::darkGreen);
    picture("media/languages/Espanol/UI/creditos-grande.png", Qt::darkBlue);
    picture("media/languages/Espanol/Cuentos/leer1_1.png", Qt::red);
}

void MainWindowTest::init()
{
    m_db = new TestDatabase(m_appDir + "/data/bd");
    QVERIFY(m_db->isOpen());
    QCOMPARE(TestDatabase::addLanguage("Espanol"), 1);
    TestDatabase::exec("INSERT INTO user (name) VALUES ('Ana')");
    const int letter = TestDatabase::addLetter("A");
    TestDatabase::addWord("ave", letter);
    TestDatabase::addWord("arbol", letter);
    // A message box would wait for a click that never comes: answer any that opens.
    m_boxes = new MessageBoxAnswerer;
}

void MainWindowTest::cleanup()
{
    delete m_boxes;
    m_boxes = nullptr;
    delete m_window;
    m_window = nullptr;
    delete m_db;
    m_db = nullptr;
}

void MainWindowTest::picture(const QString &relative, Qt::GlobalColor colour)
{
    const QString path = m_appDir + "/" + relative;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path));
}

MainWindow *MainWindowTest::makeWindow()
{
    m_window = new MainWindow;
    MainWindowTestAccess access(m_window);
    // Without opening videos the chooser follows at once.
    if (!QTest::qWaitFor([&] { return access.inputDialog()->isVisible(); }))
        qWarning("the user chooser did not open");
    access.inputDialog()->hide();
    return m_window;
}

void MainWindowTest::chooseUser(MainWindow *window)
{
    // The window copies the record: the chooser keeps its own.
    User::User user;
    QVERIFY(user.findByName("Ana"));
    window->slotChooseUser(&user);
}

void MainWindowTest::menuClicksLeadToActivity_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("menuChoice");
    QTest::addColumn<int>("subMenuChoice");
    QTest::addColumn<int>("activity");
    QTest::addColumn<bool>("presentationButtons");

    QTest::newRow("letters, signs, present")
        << QStringList {"top1", "sub1", "third1"} << 0 << 10 << 20 << true;
    QTest::newRow("letters, signs, ask")
        << QStringList {"top1", "sub1", "third2"} << 0 << 10 << 21 << false;
    QTest::newRow("letters, lips, present")
        << QStringList {"top1", "sub2", "third1"} << 0 << 11 << 22 << true;
    QTest::newRow("letters, lips, ask")
        << QStringList {"top1", "sub2", "third2"} << 0 << 11 << 23 << false;
    QTest::newRow("letters, spelling, present")
        << QStringList {"top1", "sub3", "third1"} << 0 << 12 << 24 << true;
    QTest::newRow("letters, spelling, ask")
        << QStringList {"top1", "sub3", "third2"} << 0 << 12 << 25 << false;
    QTest::newRow("write, letter")
        << QStringList {"top2", "sub3", "third1"} << 2 << 15 << 30 << false;
    QTest::newRow("write, word") << QStringList {"top2", "sub3", "third2"} << 2 << 15 << 31
                                 << false;
}

void MainWindowTest::menuClicksLeadToActivity()
{
    QFETCH(QStringList, clicks);
    QFETCH(int, menuChoice);
    QFETCH(int, subMenuChoice);
    QFETCH(int, activity);
    QFETCH(bool, presentationButtons);

    MainWindow *window = makeWindow();
    chooseUser(window);
    MainWindowTestAccess access(window);
    const QHash<QString, MenuWidget *> widgets
        = {{"top1", access.menuLetters()},  {"top2", access.menuReadWrite()},
           {"sub1", access.subMenu1()},     {"sub2", access.subMenu2()},
           {"sub3", access.subMenu3()},     {"third1", access.subSubMenu1()},
           {"third2", access.subSubMenu2()}};
    for (const QString &click : clicks)
        QTest::mouseClick(widgets.value(click), Qt::LeftButton);

    QCOMPARE(access.menuChoice(), menuChoice);
    QCOMPARE(access.subMenuChoice(), subMenuChoice);
    QCOMPARE(access.subSubMenuChoice(), activity);
    QCOMPARE(access.activity(), activity);
    QVERIFY(m_boxes->texts.isEmpty());
    QVERIFY(!access.repeatButton()->isHidden());
    QCOMPARE(!access.toggleWordButton()->isHidden(), presentationButtons);
    QCOMPARE(!access.stopMotionButton()->isHidden(), presentationButtons);
    QVERIFY(access.subSubMenu1()->isHidden());
    QVERIFY(access.subSubMenu2()->isHidden());
}

void MainWindowTest::oneEntryPerRowLooksSelected()
{
    MainWindow *window = makeWindow();
    MainWindowTestAccess access(window);
    QTest::mouseClick(access.menuLetters(), Qt::LeftButton);
    QTest::mouseClick(access.subMenu2(), Qt::LeftButton);
    QTest::mouseClick(access.subMenu3(), Qt::LeftButton);
    QVERIFY(access.menuLetters()->selected);
    QVERIFY(!access.menuReadWrite()->selected);
    QVERIFY(!access.subMenu1()->selected);
    QVERIFY(!access.subMenu2()->selected);
    QVERIFY(access.subMenu3()->selected);
    QCOMPARE(access.subMenu3()->normalPicture(),
             window->systemMediaPath() + "menus/dactilologico.png");
    QCOMPARE(access.subSubMenu2()->normalPicture(),
             window->systemMediaPath() + "menus/letradactilologico.png");
    QVERIFY(!access.subSubMenu1()->isHidden());
}

void MainWindowTest::readingOpensTheStoryMenu()
{
    MainWindow *window = makeWindow();
    MainWindowTestAccess access(window);
    const QImage reading = QImage(window->systemMediaPath() + "ui/backgroundleer.png");
    const QImage normal = QImage(window->systemMediaPath() + "ui/background.png");

    QTest::mouseClick(access.menuReadWrite(), Qt::LeftButton);
    QTest::mouseClick(access.subMenu2(), Qt::LeftButton);
    QCOMPARE(access.subMenuChoice(), 14);
    QCOMPARE(access.activeSubMenu(), 14);
    for (MenuWidget *widget : {access.storiesHeader(), access.readMenu1(), access.readMenu5(),
                               access.fablesHeader(), access.arrowLeft(), access.arrowRight()})
        QVERIFY(!widget->isHidden());
    QVERIFY(access.subSubMenu1()->isHidden());
    QCOMPARE(access.backgroundLabel()->pixmap().toImage(), reading);
    QCOMPARE(access.menuLetters()->normalPicture(),
             window->systemMediaPath() + "menus/letras_leer.png");
    QVERIFY(!access.storiesHeader()->active);

    // Straight from a writing activity to the stories: its buttons go.
    QTest::mouseClick(access.subMenu3(), Qt::LeftButton);
    QTest::mouseClick(access.subSubMenu2(), Qt::LeftButton);
    QVERIFY(!access.repeatButton()->isHidden());
    QTest::mouseClick(access.subMenu2(), Qt::LeftButton);
    QVERIFY(access.repeatButton()->isHidden());

    QTest::mouseClick(access.subMenu3(), Qt::LeftButton);
    QCOMPARE(access.backgroundLabel()->pixmap().toImage(), normal);
    QCOMPARE(access.menuLetters()->normalPicture(), window->systemMediaPath() + "menus/letras.png");
    QVERIFY(access.arrowLeft()->isHidden());
    QVERIFY(access.arrowRight()->isHidden());
    QVERIFY(!access.subSubMenu1()->isHidden());
}

void MainWindowTest::firstSubMenuIsInactiveUnderReading()
{
    MainWindow *window = makeWindow();
    MainWindowTestAccess access(window);
    QTest::mouseClick(access.menuReadWrite(), Qt::LeftButton);
    QTest::mouseClick(access.subMenu3(), Qt::LeftButton);
    QSignalSpy clicked(access.subMenu1(), &MenuWidget::menuClicked);
    QTest::mouseClick(access.subMenu1(), Qt::LeftButton);
    QCOMPARE(clicked.count(), 0);
    QCOMPARE(access.subMenuChoice(), 15);
    QVERIFY(access.subMenu3()->selected);
}

void MainWindowTest::fileMenuOpensAndCloses()
{
    MainWindow *window = makeWindow();
    chooseUser(window);
    MainWindowTestAccess access(window);
    const QList<MenuWidget *> entries
        = {access.menuUser(), access.menuConfig(), access.menuAdministrator(), access.menuExit()};
    QTest::mouseClick(access.menuFile(), Qt::LeftButton);
    QVERIFY(access.fileMenuOpen());
    for (MenuWidget *entry : entries)
        QVERIFY(!entry->isHidden());
    QTest::mouseClick(access.menuFile(), Qt::LeftButton);
    QVERIFY(!access.fileMenuOpen());
    for (MenuWidget *entry : entries)
        QVERIFY(entry->isHidden());

    QTest::mouseClick(access.menuFile(), Qt::LeftButton);
    QTest::mouseClick(access.menuUser(), Qt::LeftButton);
    QVERIFY(!access.fileMenuOpen());
    QVERIFY(!access.menuFile()->selected);
    QVERIFY(access.menuUser()->isHidden());
    QVERIFY(access.inputDialog()->isVisible());
    QVERIFY(!access.inputDialog()->chosenUser());
    access.inputDialog()->hide();

    QTest::mouseClick(access.menuFile(), Qt::LeftButton);
    QTest::mouseClick(access.menuConfig(), Qt::LeftButton);
    QVERIFY(access.configWidget());
    QVERIFY(access.configWidget()->isVisible());
    QVERIFY(!access.fileMenuOpen());
    access.configWidget()->hide();

    QTest::mouseClick(access.menuFile(), Qt::LeftButton);
    QTest::mouseClick(access.menuAdministrator(), Qt::LeftButton);
    QVERIFY(reinterpret_cast<QWidget *>(access.admWindow())->isVisible());
    QVERIFY(!access.fileMenuOpen());
}

void MainWindowTest::storyArrowsReturnToTheStoryMenuAtTheEnds()
{
    MainWindow *window = makeWindow();
    chooseUser(window);
    MainWindowTestAccess access(window);
    QTest::mouseClick(access.menuReadWrite(), Qt::LeftButton);
    QTest::mouseClick(access.subMenu2(), Qt::LeftButton);
    access.storySequence()->setFrames(
        {window->storiesPath() + "leer1_1.png", window->storiesPath() + "leer1_2.png"});
    access.storySequence()->slotInit();
    access.storySequence()->show();
    access.storiesHeader()->hide();

    window->slotFlechaDer();
    QCOMPARE(access.storySequence()->currentFrame(), 1);
    QVERIFY(access.storiesHeader()->isHidden());
    window->slotFlechaDer();
    QVERIFY(!access.storiesHeader()->isHidden());
    QVERIFY(access.storySequence()->isHidden());

    access.storySequence()->slotInit();
    access.storiesHeader()->hide();
    window->slotFlechaIzq();
    QVERIFY(!access.storiesHeader()->isHidden());
}

void MainWindowTest::closeShowsCreditsThenCloses()
{
    MainWindow *window = makeWindow();
    chooseUser(window);
    MainWindowTestAccess access(window);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));

    QVERIFY(!window->close());
    QVERIFY(window->isVisible());
    QVERIFY(access.exiting());
    QVERIFY(!access.creditsLabel()->isHidden());
    QCOMPARE(access.creditsLabel()->pixmap().toImage(),
             QImage(window->uiPath() + "creditos-grande.png"));
    QVERIFY(!access.closeCreditsButton()->isHidden());
    QCOMPARE(access.closeCreditsButton()->text(), QString("Cerrar créditos"));

    QTest::mouseClick(access.closeCreditsButton(), Qt::LeftButton);
    QVERIFY(!window->isVisible());
}

void MainWindowTest::closeWithoutLanguageIsImmediate()
{
    TestDatabase::exec("DELETE FROM language");
    MainWindow *window = makeWindow();
    MainWindowTestAccess access(window);
    QVERIFY(!access.currentLanguage());
    QVERIFY(window->signsPath().isEmpty());
    window->show();
    window->close();
    QVERIFY(!window->isVisible());
    QVERIFY(access.creditsLabel()->isHidden());
    // Without a language the teacher tools stay shut.
    window->slotConfig();
    QVERIFY(!access.configWidget());
}

void MainWindowTest::unusableDatabaseIsReportedOnceAndLeftAlone_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("present");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("not a database") << QByteArray("usuarios: Ana, Luis\n") << true;
    QTest::newRow("empty file") << QByteArray() << true;
}

void MainWindowTest::unusableDatabaseIsReportedOnceAndLeftAlone()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, present);
    delete m_db;
    m_db = nullptr;
    const QString path = m_appDir + "/data/bd";
    QFile::remove(path);
    if (present) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    int reports = 0;
    const auto previous = MainWindow::databaseFailureHandler;
    MainWindow::databaseFailureHandler = [&] { ++reports; };
    m_window = new MainWindow;
    MainWindow::databaseFailureHandler = previous;
    QCOMPARE(reports, 1);

    // The window runs without data: no language, no users, and adding one fails politely.
    MainWindowTestAccess access(m_window);
    QVERIFY(!access.currentLanguage());
    QTRY_VERIFY(access.inputDialog()->isVisible());
    auto *name = access.inputDialog()->findChild<QLineEdit *>();
    QVERIFY(name);
    name->setText("Ana");
    for (QPushButton *button : access.inputDialog()->findChildren<QPushButton *>()) {
        if (button->text() == "Agregar") {
            button->setEnabled(true);
            button->click();
        }
    }
    QCOMPARE(access.inputDialog()->findChild<QStatusBar *>()->currentMessage(),
             QString("El usuario Ana no pudo ser agregado al sistema."));
    access.inputDialog()->hide();
    m_window->close();
    QVERIFY(!m_window->isVisible());

    QCOMPARE(QFile::exists(path), present);
    if (present) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
    }
    QFile::remove(path);
}

void MainWindowTest::mediaPathsFollowTheLanguage()
{
    MainWindow *window = makeWindow();
    const QString language = m_appDir + "/media/languages/Espanol/";
    QCOMPARE(window->systemMediaPath(), m_appDir + "/media/system/");
    QCOMPARE(window->signsPath(), language + "Senas/");
    QCOMPARE(window->flusPath(), language + "Flus/");
    QCOMPARE(window->uiPath(), language + "UI/");
    QCOMPARE(window->storiesPath(), language + "Cuentos/");
}

void MainWindowTest::choosingAUserSetsSequencesAndStartsActivity20_data()
{
    QTest::addColumn<int>("useCh");
    QTest::addColumn<int>("useLl");
    QTest::newRow("both on") << 1 << 1;
    QTest::newRow("ch only") << 1 << 0;
    QTest::newRow("ll only, any non-zero") << 0 << 7;
    QTest::newRow("both off") << 0 << 0;
}

void MainWindowTest::choosingAUserSetsSequencesAndStartsActivity20()
{
    QFETCH(int, useCh);
    QFETCH(int, useLl);
    TestDatabase::setSwitch("use-ch", useCh);
    TestDatabase::setSwitch("use-ll", useLl);
    MainWindow *window = makeWindow();
    MainWindowTestAccess access(window);
    // Another user's setting must not count as the language-wide switch.
    TestDatabase::setSwitch("use-ch", 1 - (useCh != 0), 99);
    chooseUser(window);

    QCOMPARE(access.currentUser()->name, QString("Ana"));
    // The hand and "Flus" sequences take their digraphs and folders from these.
    QCOMPARE(access.sources()->languageSwitch("use-ch"), useCh != 0);
    QCOMPARE(access.sources()->languageSwitch("use-ll"), useLl != 0);
    QCOMPARE(access.sources()->signsPath(), window->signsPath());
    QCOMPARE(access.sources()->flusPath(), window->flusPath());
    QCOMPARE(access.subSubMenuChoice(), 20);
    QVERIFY(access.menuLetters()->selected);
    QVERIFY(access.subMenu1()->selected);
    window->slotLeer1();
    QCOMPARE(access.storySequence()->frameFolder, window->storiesPath());
}

void MainWindowTest::configurationDialogIsOneAndFollowsTheUser()
{
    TestDatabase::exec("INSERT INTO user (name) VALUES ('Luis')");
    MainWindow *window = makeWindow();
    MainWindowTestAccess access(window);
    chooseUser(window);
    User::User *record = access.currentUser();
    window->slotConfig();
    QPointer<ConfigWidget> first = access.configWidget();
    QVERIFY(first && first->isVisible());
    window->slotConfig();
    QCOMPARE(access.configWidget(), first.data());
    int shown = 0;
    for (QWidget *top : QApplication::topLevelWidgets())
        shown += qobject_cast<ConfigWidget *>(top) && top->isVisible() ? 1 : 0;
    QCOMPARE(shown, 1);

    // The same user again keeps the dialog and the window's own record.
    chooseUser(window);
    QCOMPARE(access.configWidget(), first.data());
    QCOMPARE(access.currentUser(), record);

    // Another user: the dialog of the previous one goes.
    {
        User::User luis;
        QVERIFY(luis.findByName("Luis"));
        window->slotChooseUser(&luis);
    }
    QCOMPARE(access.currentUser()->name, QString("Luis"));
    QVERIFY(!access.configWidget());
    QTRY_VERIFY(!first);
    window->slotConfig();
    QVERIFY(access.configWidget());
    QVERIFY(access.configWidget()->isVisible());
}

void MainWindowTest::configDoneRestartsOnlyOnce()
{
    MainWindow *window = makeWindow();
    chooseUser(window);
    MainWindowTestAccess access(window);
    window->slotConfig();
    ConfigWidget *dialog = access.configWidget();
    QVERIFY(dialog);
    dialog->hide();

    window->slotSubMenu3();
    window->slotSubSubMenu2();
    QCOMPARE(access.subSubMenuChoice(), 25);
    emit dialog->done();
    QCOMPARE(access.subSubMenuChoice(), 20);

    window->slotSubMenu3();
    window->slotSubSubMenu2();
    emit dialog->done();
    QCOMPARE(access.subSubMenuChoice(), 25);
}

void MainWindowTest::fingerSpellingEndSchedulesOneNextItem()
{
    // The engine's side (activity 25 waits 500 ms once) is tested with the engine; here the
    // slot reaches it and, with no hands waited for, schedules nothing.
    MainWindow *window = makeWindow();
    MainWindowTestAccess access(window);
    window->slotFinished();
    window->slotFinished();
    QVERIFY(!access.engine()->nextItemTimer()->isActive());
    QVERIFY(access.keysEnabled());
}

void MainWindowTest::missingOpeningVideosOpenTheUserChooser()
{
    m_window = new MainWindow;
    MainWindowTestAccess access(m_window);
    QVERIFY(access.splashActive());
    QTRY_VERIFY(access.inputDialog()->isVisible());
    QVERIFY(!access.splashActive());
    QVERIFY(access.splashPlayer()->isHidden());
    access.inputDialog()->hide();
}

void MainWindowTest::openingVideosPlayInTurnThenTheChooser()
{
    if (!TestClip::ffmpegAvailable())
        QSKIP("ffmpeg is needed to make the opening videos");
    const QString ui = m_appDir + "/media/system/ui/";
    QVERIFY(TestClip::make(ui + "splash-institucional.avi", 0.5, "red"));
    QVERIFY(TestClip::make(ui + "splash-programa.avi", 0.5, "green"));
    m_window = new MainWindow;
    MainWindowTestAccess access(m_window);
    QSignalSpy ends(access.splashPlayer(), &VideoPlayer::finished);
    QVERIFY(!access.inputDialog()->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(ends.count(), 1, 15000);
    QVERIFY(!access.inputDialog()->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(access.inputDialog()->isVisible(), 15000);
    QCOMPARE(ends.count(), 2);
    QVERIFY(!access.splashActive());
    access.inputDialog()->hide();
    QFile::remove(ui + "splash-institucional.avi");
    QFile::remove(ui + "splash-programa.avi");
}

void MainWindowTest::undecodableOpeningVideoGoesOnToTheNext_data()
{
    QTest::addColumn<bool>("firstPlays");
    QTest::addColumn<bool>("secondPlays");
    QTest::addColumn<int>("ends");

    QTest::newRow("first undecodable") << false << true << 1;
    QTest::newRow("second undecodable") << true << false << 1;
    QTest::newRow("both undecodable") << false << false << 0;
}

void MainWindowTest::undecodableOpeningVideoGoesOnToTheNext()
{
    QFETCH(bool, firstPlays);
    QFETCH(bool, secondPlays);
    QFETCH(int, ends);
    if (!TestClip::ffmpegAvailable())
        QSKIP("ffmpeg is needed to make the opening videos");
    const QString ui = m_appDir + "/media/system/ui/";
    const QStringList names {ui + "splash-institucional.avi", ui + "splash-programa.avi"};
    const bool plays[] = {firstPlays, secondPlays};
    for (int i = 0; i < 2; ++i) {
        if (plays[i]) {
            QVERIFY(TestClip::make(names[i], 0.4, "red"));
        } else {
            QFile junk(names[i]);
            QVERIFY(junk.open(QIODevice::WriteOnly));
            junk.write(QByteArray("no video in here\n").repeated(300));
            QTest::ignoreMessage(
                QtWarningMsg,
                QRegularExpression("^Video .*" + QFileInfo(names[i]).fileName() + " failed: "));
        }
    }
    m_window = new MainWindow;
    MainWindowTestAccess access(m_window);
    QSignalSpy finished(access.splashPlayer(), &VideoPlayer::finished);
    QSignalSpy failed(access.splashPlayer(), &VideoPlayer::failed);
    QTRY_VERIFY_WITH_TIMEOUT(access.inputDialog()->isVisible(), 20000);
    QCOMPARE(finished.count(), ends);
    QCOMPARE(failed.count(), 2 - ends);
    QVERIFY(!access.splashActive());
    QVERIFY(access.splashPlayer()->isHidden());
    access.inputDialog()->hide();
    for (const QString &name : names)
        QFile::remove(name);
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
