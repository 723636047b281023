#include "activitymedia.h"
#include "activitywindow.h"
#include "data/letter.h"
#include "data/word.h"
#include "dialogs/inputdialog.h"
#include "keyboard/keyboardmanager.h"
#include "widgets/imagewidget.h"
#include "widgets/sequencewidget.h"
#include "widgets/videoplayer.h"

#include <QLabel>
#include <QTest>

// Where letter keys lie on a Spanish keyboard, and how the main window takes keys.
class KeyboardTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void directionPointsFromPressedToTargetKey_data();
    void directionPointsFromPressedToTargetKey();
    void letterKeysDependOnDigraphSwitches_data();
    void letterKeysDependOnDigraphSwitches();

    void letterWithModifierDoesNothing();
    void capsLockLetterCountsAsTheLetter();
    void nTildeAnswersItsLetter();
    void commaIsChOnlyWithItsSwitch();
    void digitClearsTheStageAndHidesWarnings();
    void lettersWaitWhileHandsPlay();
    void presentationRefusesLettersOutsideTheStrictSelection();
    void escapeDuringOpeningVideosOpensTheUserChooser();
    void escapeWhileCreditsShowCloses();
    void spaceDoesNothingWhileWordIsHidden();
    void returnWhileAnswerIsRevealedKeepsTheWait();
    void otherKeysWhileHandsSpellKeepTheWait();

private:
    bool openWith(int activity);
    MainWindowTestAccess a() { return m_fixture->access(); }
    MainWindow *w() { return m_fixture->window; }

    ActivityWindow *m_fixture = nullptr;
    int m_q = 0;
};

void KeyboardTest::cleanup()
{
    delete m_fixture;
    m_fixture = nullptr;
}

bool KeyboardTest::openWith(int activity)
{
    m_fixture = new ActivityWindow;
    if (!m_fixture->isReady())
        return false;
    m_q = m_fixture->addLetter("Q");
    m_fixture->addLetter("A");
    m_fixture->addWord("queso", m_q, "Q");
    TestDatabase::setSwitch("letter", m_q, m_fixture->userId());
    if (!m_fixture->open())
        return false;
    if (activity != 20)
        m_fixture->startActivity(activity);
    return true;
}

void KeyboardTest::directionPointsFromPressedToTargetKey_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<int>("direction");

    QTest::newRow("A left of S") << "A"
                                 << "S" << 2;
    QTest::newRow("P a row up from A") << "P"
                                       << "A" << 4;
    QTest::newRow("Z a row down from Q") << "Z"
                                         << "Q" << 5;
    QTest::newRow("Ñ right of L") << "Ñ"
                                  << "L" << 3;
    QTest::newRow("small ñ right of L") << "ñ"
                                        << "L" << 3;
    QTest::newRow("same key") << "B"
                              << "B" << 1;
    QTest::newRow("CH on the comma, right of M") << "CH"
                                                 << "M" << 3;
    QTest::newRow("LL on the period, below K") << "LL"
                                               << "K" << 5;
    QTest::newRow("rows before columns") << "Z"
                                         << "P" << 5;
    QTest::newRow("lower case has no key") << "a"
                                           << "S" << 0;
    QTest::newRow("cedilla has no place") << "Ç"
                                          << "A" << 0;
    QTest::newRow("digit row above letters") << "1"
                                             << "Q" << 4;
    QTest::newRow("nothing pressed") << "Q"
                                     << "" << 0;
}

void KeyboardTest::directionPointsFromPressedToTargetKey()
{
    QFETCH(QString, target);
    QFETCH(QString, pressed);
    QFETCH(int, direction);
    KeyboardManager keyboard;
    QCOMPARE(keyboard.keyDirection(target, pressed), direction);
}

void KeyboardTest::letterKeysDependOnDigraphSwitches_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("useCh");
    QTest::addColumn<bool>("useLl");
    QTest::addColumn<bool>("letter");

    QTest::newRow("small letter") << "q" << false << false << true;
    QTest::newRow("capital") << "Q" << false << false << false;
    QTest::newRow("n with tilde") << "ñ" << false << false << true;
    QTest::newRow("c with cedilla") << "ç" << false << false << true;
    QTest::newRow("comma with ch") << "," << true << false << true;
    QTest::newRow("comma with only ll") << "," << false << true << false;
    QTest::newRow("period with only ll") << "." << false << true << true;
    QTest::newRow("digit") << "7" << true << true << false;
    QTest::newRow("empty") << "" << true << true << false;
    QTest::newRow("two characters") << "ch" << true << true << false;
}

void KeyboardTest::letterKeysDependOnDigraphSwitches()
{
    QFETCH(QString, text);
    QFETCH(bool, useCh);
    QFETCH(bool, useLl);
    QFETCH(bool, letter);
    KeyboardManager keyboard;
    QCOMPARE(keyboard.isLetterKey(text, useCh, useLl), letter);
}

void KeyboardTest::letterWithModifierDoesNothing()
{
    QVERIFY(openWith(21));
    QTest::keyRelease(w(), 'q', Qt::ShiftModifier);
    QTest::keyRelease(w(), 'a', Qt::ControlModifier);
    QVERIFY(!a().typedLetter());
    QCOMPARE(a().wrongCount(), 0);
    QVERIFY(a().keysEnabled());
    QVERIFY(a().wordImage()->isVisible());
}

void KeyboardTest::capsLockLetterCountsAsTheLetter()
{
    QVERIFY(openWith(21));
    QTest::sendKeyEvent(QTest::Release, w(), Qt::Key_Q, QStringLiteral("Q"), Qt::NoModifier);
    QCOMPARE(a().typedLetter()->name, QString("Q"));
    QVERIFY(!a().keysEnabled());
}

void KeyboardTest::nTildeAnswersItsLetter()
{
    m_fixture = new ActivityWindow;
    QVERIFY(m_fixture->isReady());
    const int n = m_fixture->addLetter("Ñ");
    m_fixture->addLetter("A");
    m_fixture->addWord("ñu", n, "Ñ");
    QVERIFY(m_fixture->open());
    m_fixture->startActivity(21);
    QCOMPARE(a().currentWord()->name, QString("ñu"));
    QTest::sendKeyEvent(QTest::Release, w(), Qt::Key_A, QStringLiteral("a"), Qt::NoModifier);
    QCOMPARE(a().wrongCount(), 1);
    QCOMPARE(ActivityMedia::centreColour(a().orientationLabel()->pixmap()),
             ActivityMedia::colourOf("system/ui/derecha.png"));
    QTest::sendKeyEvent(QTest::Release, w(), Qt::Key_Ntilde, QStringLiteral("ñ"), Qt::NoModifier);
    QCOMPARE(a().typedLetter()->name, QString("Ñ"));
    QCOMPARE(a().wrongCount(), 0);
    QVERIFY(!a().keysEnabled());
}

void KeyboardTest::commaIsChOnlyWithItsSwitch()
{
    QVERIFY(openWith(20));
    m_fixture->addLetter("CH");
    QTest::keyRelease(w(), 'q');
    QVERIFY(a().wordImage()->isVisible());
    QTest::keyRelease(w(), ',');
    QVERIFY(!a().wordImage()->isVisible());
    QCOMPARE(a().typedLetter()->name, QString("Q"));
    QVERIFY(!a().noWordsWarning()->isVisible());

    m_fixture->setSwitch("use-ch", 1);
    QTest::keyRelease(w(), ',');
    QCOMPARE(a().typedLetter()->name, QString("CH"));
    // CH has no word: the presentation says so.
    QVERIFY(a().noWordsWarning()->isVisible());
}

void KeyboardTest::digitClearsTheStageAndHidesWarnings()
{
    QVERIFY(openWith(21));
    a().noRepeatWarning()->show();
    QVERIFY(a().feedbackLabel()->isHidden());
    QTest::keyRelease(w(), 'a');
    QVERIFY(a().feedbackLabel()->isVisible());
    QTest::keyRelease(w(), '7');
    QVERIFY(!a().feedbackLabel()->isVisible());
    QVERIFY(!a().noRepeatWarning()->isVisible());
    // The item stays: only what the answer showed is cleared.
    QVERIFY(a().wordImage()->isVisible());
    QCOMPARE(a().wrongCount(), 1);
}

void KeyboardTest::lettersWaitWhileHandsPlay()
{
    // Activity 24: the hands spell the presented word; a letter meanwhile brings no word.
    QVERIFY(openWith(24));
    QTest::keyRelease(w(), 'q');
    QVERIFY(!a().handSequence()->isStopped());
    const Word::Word *shown = a().shownWord();
    QTest::keyRelease(w(), 'a');
    QCOMPARE(a().shownWord(), shown);
    QCOMPARE(a().typedLetter()->name, QString("Q"));
    QVERIFY(!a().noWordsWarning()->isVisible());
    QTRY_VERIFY(a().handSequence()->isStopped());
    QTest::keyRelease(w(), 'a');
    QCOMPARE(a().typedLetter()->name, QString("A"));
}

void KeyboardTest::presentationRefusesLettersOutsideTheStrictSelection()
{
    QVERIFY(openWith(20));
    const int a_ = TestDatabase::scalar("SELECT id FROM letter WHERE name = 'A'").toInt();
    m_fixture->addWord("agua", a_, "A");
    QTest::keyRelease(w(), 'a');
    QCOMPARE(a().shownWord()->name, QString("agua"));

    m_fixture->setSwitch("strict-filter-show", 1);
    QTest::keyRelease(w(), 'a');
    QVERIFY(a().noWordsWarning()->isVisible());
    QVERIFY(!a().wordImage()->isVisible());
    QTest::keyRelease(w(), 'q');
    QCOMPARE(a().shownWord()->name, QString("queso"));
}

void KeyboardTest::escapeDuringOpeningVideosOpensTheUserChooser()
{
    m_fixture = new ActivityWindow;
    QVERIFY(m_fixture->isReady());
    MainWindow::databaseFailureHandler = nullptr;
    m_fixture->window = new MainWindow;
    QVERIFY(a().splashActive());
    QTest::keyRelease(w(), Qt::Key_Escape);
    QVERIFY(!a().splashActive());
    QVERIFY(a().inputDialog()->isVisible());
    QVERIFY(!a().splashPlayer()->isVisible());
    a().inputDialog()->hide();
}

void KeyboardTest::escapeWhileCreditsShowCloses()
{
    QVERIFY(openWith(21));
    QTest::keyRelease(w(), Qt::Key_Escape);
    QVERIFY(w()->isVisible());
    a().exiting() = true;
    QTest::keyRelease(w(), Qt::Key_Escape);
    QVERIFY(!w()->isVisible());
}

void KeyboardTest::spaceDoesNothingWhileWordIsHidden()
{
    QVERIFY(openWith(20));
    m_fixture->setUserSetting("stop-motion", 1);
    QTest::keyRelease(w(), 'q');
    QVERIFY(a().stepPending());
    a().engineState().wordHidden() = true;
    QTest::keyRelease(w(), Qt::Key_Space);
    QCOMPARE(a().stepIndex(), 1);
    a().engineState().wordHidden() = false;
    QTest::keyRelease(w(), Qt::Key_Space);
    QCOMPARE(a().stepIndex(), 2);
}

void KeyboardTest::returnWhileAnswerIsRevealedKeepsTheWait()
{
    QVERIFY(openWith(31));
    for (const char *name : {"U", "E", "S", "O"})
        m_fixture->addLetter(name);
    for (char c : QByteArray("queso"))
        QTest::keyRelease(w(), c);
    QVERIFY(!a().keysEnabled());
    QTest::keyRelease(w(), Qt::Key_Return);
    QCOMPARE(a().wrongCount(), 0);
    QVERIFY(!a().keysEnabled());
    const Word::Word *revealed = a().currentWord();
    emit a().videoPlayer()->finished();
    QVERIFY(a().currentWord() != revealed);
    QVERIFY(a().keysEnabled());
}

void KeyboardTest::otherKeysWhileHandsSpellKeepTheWait()
{
    QVERIFY(openWith(25));
    const Word::Word *first = a().currentWord();
    QTest::keyRelease(w(), 'q');
    QVERIFY(!a().handSequence()->isStopped());
    QTest::keyRelease(w(), '7');
    QTest::keyRelease(w(), Qt::Key_Shift);
    QVERIFY(!a().handSequence()->isStopped());
    QVERIFY(a().handSequence()->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(a().currentWord() != first, 15000);
}

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
