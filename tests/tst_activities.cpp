#include "activities/activityengine.h"
#include "activities/letterrules.h"
#include "activities/random.h"
#include "activitymedia.h"
#include "activitywindow.h"
#include "app/menuwidget.h"
#include "data/letter.h"
#include "data/word.h"
#include "messageboxanswerer.h"
#include "testclip.h"
#include "widgets/imagewidget.h"
#include "widgets/sequencewidget.h"
#include "widgets/videoplayer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QSet>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

namespace {

QColor colour(const QString &relativePath)
{
    return ActivityMedia::colourOf(relativePath);
}

} // namespace

// The activity engine driven through the key handler: items drawn, answers judged, words
// presented step by step, stories and sequences.
class ActivitiesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void randomRangeStaysInsideItsBounds_data();
    void randomRangeStaysInsideItsBounds();
    void hiddenLetterCoversWholeDigraphsAndNeverASpace_data();
    void hiddenLetterCoversWholeDigraphsAndNeverASpace();
    void answerFormFoldsAccentsAndKeepsDigraphs_data();
    void answerFormFoldsAccentsAndKeepsDigraphs();

    void firstLetterRightRevealsWordAndVideoEndBringsNextItem();
    void eachFinishedItemLeavesOneRowInTheRecord();
    void thirdWrongAnswerRevealsWordAndKeepsArrow();
    void rightAnswerBetweenWrongOnesResetsTheCount();
    void realVideoEndBringsTheNextItem();
    void undecodableOrMissingVideoBringsTheNextItem_data();
    void undecodableOrMissingVideoBringsTheNextItem();
    void wordWithoutPictureFileShowsNoPicture();
    void handsPlayAtTheirRealPace();
    void firstItemCanBeRepeatedAndRepeatGoesBackOneItem();
    void lettersWithoutWordsWarnOnceInsteadOfHanging();

    void hiddenChIsAnsweredWithTheComma();
    void hiddenAccentedVowelIsAnsweredWithThePlainVowel();
    void wholeWordIsTypedLetterByLetterSkippingSpaces();
    void wordEndingInSpacesIsCompleteAfterItsLastLetter();
    void wrongLetterWhileTypingShowsTheArrowForThatPiece();
    void returnBeforeTheEndIsWrongAndTypingStartsAgain();
    void typedWordTakesChFromTheComma();
    void itemSurvivesReloadsOfTheSharedLists();

    void presentationShowsEveryStepAtOnce();
    void stopMotionSettingWaitsForSpaceBetweenSteps();
    void stopMotionButtonBuildsWordLetterByLetter();
    void fingerSpellingPresentationHasThreeSteps();
    void typedLetterWithoutWordsShowsTheWarning();
    void repeatBeforeAnyWordShowsNoRepeatPicture();
    void hideWordButtonHidesAndShowsTheLetters();

    void fingerSpellingAnswerBringsNextItemAfterHands();

    void storyLoadsItsPagesAndIgnoresKeys_data();
    void storyLoadsItsPagesAndIgnoresKeys();
    void wordFramesFollowLetterUnits_data();
    void wordFramesFollowLetterUnits();
    void flusSequenceOnlyWithItsSwitch();

private:
    bool openWindow();
    void type(char key);
    MainWindowTestAccess a() { return m_fixture->access(); }
    MainWindow *w() { return m_fixture->window; }
    QColor labelColour(int index) const;
    void selectOnly(int letterId);

    ActivityWindow *m_fixture = nullptr;
    int m_q = 0;
    int m_a = 0;
    int m_s = 0;
    int m_p = 0;
    int m_queso = 0;
};

void ActivitiesTest::init()
{
    m_fixture = new ActivityWindow;
    QVERIFY(m_fixture->isReady());
    m_q = m_fixture->addLetter("Q");
    m_a = m_fixture->addLetter("A");
    m_s = m_fixture->addLetter("S");
    m_p = m_fixture->addLetter("P");
    m_queso = m_fixture->addWord("queso", m_q, "Q");
}

void ActivitiesTest::cleanup()
{
    delete m_fixture;
    m_fixture = nullptr;
}

bool ActivitiesTest::openWindow()
{
    return m_fixture->open();
}

void ActivitiesTest::selectOnly(int letterId)
{
    TestDatabase::setSwitch("letter", letterId, m_fixture->userId());
}

void ActivitiesTest::type(char key)
{
    QTest::keyRelease(w(), key);
}

QColor ActivitiesTest::labelColour(int index) const
{
    const auto &labels = MainWindowTestAccess(m_fixture->window).letterLabels();
    if (index >= labels.size() || !labels.at(index)->isVisible())
        return QColor();
    return ActivityMedia::centreColour(labels.at(index)->pixmap());
}

void ActivitiesTest::randomRangeStaysInsideItsBounds_data()
{
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::newRow("feedback pictures") << 1 << 3;
    QTest::newRow("positions of a word") << 0 << 4;
    QTest::newRow("one value") << 7 << 7;
    QTest::newRow("negative") << -2 << 1;
}

void ActivitiesTest::randomRangeStaysInsideItsBounds()
{
    QFETCH(int, low);
    QFETCH(int, high);
    Random random;
    QSet<int> seen;
    for (int i = 0; i < 3000; ++i) {
        const int value = random.range(low, high);
        QVERIFY2(value >= low && value <= high, qPrintable(QString::number(value)));
        seen << value;
    }
    QCOMPARE(seen.size(), high - low + 1);
}

void ActivitiesTest::hiddenLetterCoversWholeDigraphsAndNeverASpace_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("useCh");
    QTest::addColumn<bool>("useLl");
    QTest::addColumn<QStringList>("outcomes"); // position:letter

    QTest::newRow("chico with ch")
        << "chico" << true << false << QStringList {"0:CH", "2:I", "3:C", "4:O"};
    QTest::newRow("chico without ch")
        << "chico" << false << false << QStringList {"0:C", "1:H", "2:I", "3:C", "4:O"};
    QTest::newRow("calle with ll")
        << "calle" << false << true << QStringList {"0:C", "1:A", "2:LL", "4:E"};
    QTest::newRow("ch at the end") << "mach" << true << false << QStringList {"0:M", "1:A", "2:CH"};
    QTest::newRow("space is never hidden")
        << "la sal" << false << false << QStringList {"0:L", "1:A", "3:S", "4:A", "5:L"};
    QTest::newRow("accent kept") << "Ósa" << false << false << QStringList {"0:Ó", "1:S", "2:A"};
}

void ActivitiesTest::hiddenLetterCoversWholeDigraphsAndNeverASpace()
{
    QFETCH(QString, word);
    QFETCH(bool, useCh);
    QFETCH(bool, useLl);
    QFETCH(QStringList, outcomes);
    Random random;
    const auto draw = [&random](int low, int high) { return random.range(low, high); };

    QSet<QString> seen;
    for (int i = 0; i < 400; ++i) {
        QString letter;
        const int position = LetterRules::hiddenLetter(word, {useCh, useLl}, draw, letter);
        seen << QString::number(position) + ":" + letter;
    }
    QStringList sorted = seen.values();
    sorted.sort();
    QCOMPARE(sorted, outcomes);
}

void ActivitiesTest::answerFormFoldsAccentsAndKeepsDigraphs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("digraphs");
    QTest::addColumn<QString>("compared");
    QTest::addColumn<QString>("shown");

    QTest::newRow("letter name") << "Q" << false << "q"
                                 << "q";
    QTest::newRow("piece of a word") << "ue" << false << "u"
                                     << "u";
    QTest::newRow("acute") << "ós" << false << "o"
                           << "ó";
    QTest::newRow("capital acute") << "Á" << false << "a"
                                   << "á";
    QTest::newRow("diaeresis") << "üe" << false << "u"
                               << "ü";
    QTest::newRow("n with tilde stays") << "ño" << false << "ñ"
                                        << "ñ";
    QTest::newRow("ch on") << "CH" << true << "CH"
                           << "ch";
    QTest::newRow("ch off") << "CH" << false << "c"
                            << "c";
    QTest::newRow("ll on") << "lla" << true << "lla"
                           << "ll";
    QTest::newRow("empty") << "" << true << ""
                           << "";
}

void ActivitiesTest::answerFormFoldsAccentsAndKeepsDigraphs()
{
    QFETCH(QString, text);
    QFETCH(bool, digraphs);
    QFETCH(QString, compared);
    QFETCH(QString, shown);
    QString form;
    LetterRules::answerForm(text, form, {digraphs, digraphs});
    QCOMPARE(text, compared);
    QCOMPARE(form, shown);
}

void ActivitiesTest::firstLetterRightRevealsWordAndVideoEndBringsNextItem()
{
    selectOnly(m_q);
    QVERIFY(openWindow());
    m_fixture->startActivity(21);
    QCOMPARE(a().currentWord()->name, QString("queso"));
    QCOMPARE(labelColour(0), colour("system/blank/min/q.png"));
    QCOMPARE(labelColour(1), colour("system/cooper/min/u.png"));
    QVERIFY(a().wordImage()->isVisible());
    QVERIFY(!a().feedbackLabel()->isVisible());

    type('q');
    QCOMPARE(labelColour(0), colour("system/cooper/min/q.png"));
    QVERIFY(a().feedbackLabel()->isVisible());
    const QColor feedback = ActivityMedia::centreColour(a().feedbackLabel()->pixmap());
    QVERIFY(feedback == colour("system/feedback/good1.png")
            || feedback == colour("system/feedback/good2.png")
            || feedback == colour("system/feedback/good3.png"));
    QVERIFY(!a().keysEnabled());
    QCOMPARE(a().wrongCount(), 0);

    // Keys wait for the video; a key now changes nothing.
    const Word::Word *revealed = a().currentWord();
    type('a');
    QCOMPARE(a().currentWord(), revealed);
    QCOMPARE(a().wrongCount(), 0);

    emit a().videoPlayer()->finished();
    QVERIFY(a().keysEnabled());
    QVERIFY(a().currentWord() != revealed);
    QCOMPARE(a().previousWordId(), m_queso);
    QCOMPARE(labelColour(0), colour("system/blank/min/q.png"));
    QVERIFY(!a().feedbackLabel()->isVisible());

    // The connection went with the first end: a second end draws nothing.
    const Word::Word *next = a().currentWord();
    emit a().videoPlayer()->finished();
    QCOMPARE(a().currentWord(), next);
}

void ActivitiesTest::eachFinishedItemLeavesOneRowInTheRecord()
{
    selectOnly(m_q);
    QVERIFY(openWindow());
    m_fixture->startActivity(21);
    const int first = a().currentWord()->id;
    type('q');
    emit a().videoPlayer()->finished();
    const int second = a().currentWord()->id;
    // Letters of the fixture, none the first of a Q word: the third reveals the word.
    type('a');
    type('p');
    type('s');
    emit a().videoPlayer()->finished();

    QSqlQuery query;
    QVERIFY(query.exec("SELECT id_user, id_word, activity, wrong_answers, revealed, media, "
                       "started_at <= finished_at FROM attempt ORDER BY id"));
    QStringList rows;
    while (query.next()) {
        QStringList values;
        for (int i = 0; i < 7; ++i)
            values << query.value(i).toString();
        rows << values.join('|');
    }
    const QString user = QString::number(m_fixture->userId());
    QCOMPARE(rows,
             QStringList({user + "|" + QString::number(first) + "|21|0|0|sign|1",
                          user + "|" + QString::number(second) + "|21|3|1|sign|1"}));
}

void ActivitiesTest::thirdWrongAnswerRevealsWordAndKeepsArrow()
{
    selectOnly(m_q);
    QVERIFY(openWindow());
    m_fixture->startActivity(21);

    type('a');
    QCOMPARE(a().wrongCount(), 1);
    QCOMPARE(labelColour(0), colour("system/blank/min/q.png"));
    QVERIFY(a().orientationLabel()->isVisible());
    QCOMPARE(ActivityMedia::centreColour(a().orientationLabel()->pixmap()),
             colour("system/ui/arriba.png"));
    const QColor feedback = ActivityMedia::centreColour(a().feedbackLabel()->pixmap());
    QVERIFY(feedback == colour("system/feedback/wrong1.png")
            || feedback == colour("system/feedback/wrong2.png")
            || feedback == colour("system/feedback/wrong3.png"));

    type('p');
    QCOMPARE(a().wrongCount(), 2);
    QCOMPARE(ActivityMedia::centreColour(a().orientationLabel()->pixmap()),
             colour("system/ui/izquierda.png"));
    QVERIFY(a().keysEnabled());

    type('s');
    QCOMPARE(a().wrongCount(), 0);
    QCOMPARE(labelColour(0), colour("system/cooper/min/q.png"));
    QVERIFY(a().orientationLabel()->isVisible());
    QCOMPARE(ActivityMedia::centreColour(a().orientationLabel()->pixmap()),
             colour("system/ui/arriba.png"));
    QVERIFY(!a().keysEnabled());
    QCOMPARE(a().shownWord(), a().currentWord());

    emit a().videoPlayer()->finished();
    QVERIFY(a().keysEnabled());
    QCOMPARE(labelColour(0), colour("system/blank/min/q.png"));
}

void ActivitiesTest::rightAnswerBetweenWrongOnesResetsTheCount()
{
    selectOnly(m_q);
    QVERIFY(openWindow());
    m_fixture->startActivity(23);
    type('a');
    type('a');
    QCOMPARE(a().wrongCount(), 2);
    type('q');
    QCOMPARE(a().wrongCount(), 0);
    emit a().videoPlayer()->finished();
    type('a');
    QCOMPARE(a().wrongCount(), 1);
    QCOMPARE(labelColour(0), colour("system/blank/min/q.png"));
}

void ActivitiesTest::realVideoEndBringsTheNextItem()
{
    if (!TestClip::ffmpegAvailable())
        QSKIP("ffmpeg is needed to make the sign video");
    QVERIFY(TestClip::make(m_fixture->signPath("Q", "queso"), 1.0));
    selectOnly(m_q);
    QVERIFY(openWindow());
    m_fixture->startActivity(21);
    const Word::Word *first = a().currentWord();
    QSignalSpy ended(a().videoPlayer(), &VideoPlayer::finished);

    type('q');
    QVERIFY(a().videoPlayer()->isVisible());
    QVERIFY(!a().keysEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 15000);
    QVERIFY(a().keysEnabled());
    QVERIFY(a().currentWord() != first);
    QCOMPARE(a().currentWord()->name, QString("queso"));
    QCOMPARE(labelColour(0), colour("system/blank/min/q.png"));
}

void ActivitiesTest::undecodableOrMissingVideoBringsTheNextItem_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("junk") << QByteArray("this is no video at all, only text\n").repeated(200);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("missing") << QByteArray("-");
}

void ActivitiesTest::undecodableOrMissingVideoBringsTheNextItem()
{
    QFETCH(QByteArray, content);
    const QString path = m_fixture->signPath("Q", "queso");
    if (content != "-") {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    selectOnly(m_q);
    QVERIFY(openWindow());
    m_fixture->startActivity(21);
    const Word::Word *first = a().currentWord();
    type('q');
    QVERIFY(!a().keysEnabled());
    // The player reports the failure; the wait ends and the next item comes.
    QTRY_VERIFY_WITH_TIMEOUT(a().currentWord() != first, 20000);
    QVERIFY(a().keysEnabled());
    QCOMPARE(labelColour(0), colour("system/blank/min/q.png"));
}

void ActivitiesTest::wordWithoutPictureFileShowsNoPicture()
{
    // A word whose picture file is not in the tree.
    TestDatabase::addWord("asa", m_a);
    QVERIFY(openWindow());
    type('q');
    QVERIFY(a().wordImage()->isVisible());
    type('a');
    QCOMPARE(a().shownWord()->name, QString("asa"));
    QVERIFY(!a().wordImage()->isVisible());
    QVERIFY(a().wordImage()->label->pixmap().isNull());
}

void ActivitiesTest::handsPlayAtTheirRealPace()
{
    const int m = m_fixture->addLetter("M");
    m_fixture->addWord("mesa", m, "M");
    m_fixture->sequenceInterval = ActivityEngine::sequenceIntervalMs;
    QVERIFY(openWindow());
    m_fixture->startActivity(24);
    QElapsedTimer clock;
    clock.start();
    type('m');
    QCOMPARE(a().handSequence()->frameInterval, 800);
    QTRY_VERIFY_WITH_TIMEOUT(a().handSequence()->isStopped(), 20000);
    // Four frames: three intervals of 800 ms between the first and the last.
    QVERIFY2(clock.elapsed() >= 3 * 800 - 50, qPrintable(QString::number(clock.elapsed())));
}

void ActivitiesTest::firstItemCanBeRepeatedAndRepeatGoesBackOneItem()
{
    const int queja = m_fixture->addWord("queja", m_q, "Q");
    const int quinto = m_fixture->addWord("quinto", m_q, "Q");
    Q_UNUSED(queja);
    Q_UNUSED(quinto);
    selectOnly(m_q);
    QVERIFY(openWindow());
    m_fixture->startActivity(21);
    const int first = a().currentWord()->id;
    QCOMPARE(a().previousWordId(), first);
    QVERIFY(a().repeatAvailable());
    w()->slotRepeatWord();
    QCOMPARE(a().currentWord()->id, first);

    QList<int> items {first};
    for (int i = 0; i < 2; ++i) {
        w()->slotPickLetter();
        items << a().currentWord()->id;
    }
    QCOMPARE(a().previousWordId(), items.at(1));
    w()->slotRepeatWord();
    QCOMPARE(a().currentWord()->id, items.at(1));
    QCOMPARE(labelColour(0), colour("system/blank/min/q.png"));
}

void ActivitiesTest::lettersWithoutWordsWarnOnceInsteadOfHanging()
{
    // S has no word and no category is selected: every draw of it fails.
    selectOnly(m_s);
    QVERIFY(openWindow());
    MessageBoxAnswerer boxes;
    m_fixture->startActivity(21);
    QCOMPARE(boxes.titles, QStringList {"No hay palabras disponibles"});
    QVERIFY(!a().currentWord());
    QVERIFY(!a().currentLetter());
    QCOMPARE(labelColour(0), QColor());
}

void ActivitiesTest::hiddenChIsAnsweredWithTheComma()
{
    const int c = m_fixture->addLetter("C");
    m_fixture->addLetter("CH");
    m_fixture->addWord("ch", c, "C");
    m_fixture->setSwitch("use-ch", 1);
    selectOnly(c);
    QVERIFY(openWindow());
    m_fixture->startActivity(30);
    QCOMPARE(a().expectedText(), QString("CH"));
    QCOMPARE(labelColour(0), colour("system/blank/min/ch.png"));
    QTest::keyRelease(w(), Qt::Key_Comma);
    QVERIFY(!a().keysEnabled());
    QCOMPARE(labelColour(0), colour("system/cooper/min/ch.png"));
    QCOMPARE(a().typedLetter()->name, QString("CH"));
}

void ActivitiesTest::hiddenAccentedVowelIsAnsweredWithThePlainVowel()
{
    const int o = m_fixture->addLetter("O");
    m_fixture->addWord("ó", o, "O");
    selectOnly(o);
    QVERIFY(openWindow());
    m_fixture->startActivity(30);
    QCOMPARE(a().expectedText(), QString("Ó"));
    QCOMPARE(labelColour(0), colour("system/blank/min/ot.png"));
    type('o');
    QVERIFY(!a().keysEnabled());
    QCOMPARE(a().wrongCount(), 0);
    QCOMPARE(labelColour(0), colour("system/cooper/min/ot.png"));
}

void ActivitiesTest::wholeWordIsTypedLetterByLetterSkippingSpaces()
{
    const int l = m_fixture->addLetter("L");
    m_fixture->addLetter("C");
    m_fixture->addWord("la sal", l, "L");
    selectOnly(l);
    QVERIFY(openWindow());
    m_fixture->startActivity(31);
    for (int i : {0, 1, 3, 4, 5})
        QVERIFY(labelColour(i).isValid());
    QCOMPARE(labelColour(0), colour("system/blank/min/l.png"));
    QCOMPARE(labelColour(2), colour("system/ui/space.png"));

    type('l');
    QCOMPARE(labelColour(0), colour("system/cooper/min/l.png"));
    QCOMPARE(labelColour(1), colour("system/blank/min/a.png"));
    QCOMPARE(a().typedText(), QString("l"));
    type('a');
    QCOMPARE(a().typedText(), QString("la "));
    type('s');
    QCOMPARE(labelColour(3), colour("system/cooper/min/s.png"));
    type('a');
    QVERIFY(a().keysEnabled());
    type('l');
    QCOMPARE(labelColour(5), colour("system/cooper/min/l.png"));
    QVERIFY(!a().keysEnabled());
    QCOMPARE(a().typedText(), QString());
    QCOMPARE(a().typedIndex(), 0);
    QCOMPARE(ActivityMedia::centreColour(a().feedbackLabel()->pixmap()).isValid(), true);
}

void ActivitiesTest::wordEndingInSpacesIsCompleteAfterItsLastLetter()
{
    m_fixture->addLetter("O");
    m_fixture->addLetter("L");
    m_fixture->addWord("qo  ", m_q, "Q");
    TestDatabase::exec(QStringLiteral("DELETE FROM word WHERE id = %1").arg(m_queso));
    selectOnly(m_q);
    QVERIFY(openWindow());
    m_fixture->startActivity(31);
    type('q');
    QVERIFY(a().keysEnabled());
    type('o');
    QVERIFY(!a().keysEnabled());
    QCOMPARE(a().wrongCount(), 0);
}

void ActivitiesTest::wrongLetterWhileTypingShowsTheArrowForThatPiece()
{
    selectOnly(m_q);
    QVERIFY(openWindow());
    m_fixture->startActivity(31);
    type('q');
    type('a');
    QCOMPARE(a().expectedText(), QString("U"));
    QCOMPARE(a().wrongCount(), 1);
    QCOMPARE(ActivityMedia::centreColour(a().orientationLabel()->pixmap()),
             colour("system/ui/arriba.png"));
    QCOMPARE(labelColour(1), colour("system/blank/min/u.png"));
    type('a');
    type('a');
    QVERIFY(!a().keysEnabled());
    QCOMPARE(labelColour(1), colour("system/cooper/min/u.png"));
    QVERIFY(!a().orientationLabel()->isVisible());
    QCOMPARE(a().typedIndex(), 0);
}

void ActivitiesTest::returnBeforeTheEndIsWrongAndTypingStartsAgain()
{
    m_fixture->addLetter("U");
    m_fixture->addLetter("E");
    m_fixture->addLetter("O");
    selectOnly(m_q);
    QVERIFY(openWindow());
    m_fixture->startActivity(31);
    QTest::keyRelease(w(), Qt::Key_Return);
    QCOMPARE(a().wrongCount(), 1);
    type('q');
    type('u');
    QTest::keyRelease(w(), Qt::Key_Enter);
    // The right letters in between reset the count.
    QCOMPARE(a().wrongCount(), 1);
    QCOMPARE(a().typedIndex(), 0);
    QCOMPARE(labelColour(0), colour("system/blank/min/q.png"));
    // Typed again from the start, the word is right.
    for (char c : QByteArray("queso"))
        type(c);
    QVERIFY(!a().keysEnabled());
    QCOMPARE(a().wrongCount(), 0);
}

void ActivitiesTest::typedWordTakesChFromTheComma()
{
    const int c = m_fixture->addLetter("C");
    m_fixture->addLetter("CH");
    m_fixture->addLetter("I");
    m_fixture->addLetter("O");
    m_fixture->addWord("chico", c, "C");
    m_fixture->setSwitch("use-ch", 1);
    selectOnly(c);
    QVERIFY(openWindow());
    m_fixture->startActivity(31);
    QCOMPARE(labelColour(0), colour("system/blank/min/ch.png"));
    QVERIFY(!labelColour(4).isValid());
    type('c');
    QCOMPARE(a().expectedText(), QString("CH"));
    QCOMPARE(a().wrongCount(), 1);
    QTest::keyRelease(w(), Qt::Key_Comma);
    QCOMPARE(labelColour(0), colour("system/cooper/min/ch.png"));
    QCOMPARE(a().typedText(), QString("ch"));
    type('i');
    type('c');
    QCOMPARE(labelColour(2), colour("system/cooper/min/c.png"));
    type('o');
    QCOMPARE(labelColour(3), colour("system/cooper/min/o.png"));
    QVERIFY(!a().keysEnabled());
    QCOMPARE(a().wrongCount(), 0);
}

void ActivitiesTest::itemSurvivesReloadsOfTheSharedLists()
{
    selectOnly(m_q);
    QVERIFY(openWindow());
    m_fixture->startActivity(21);
    // The administration window and the configuration dialog load the same lists.
    a().letterList()->loadAll(a().currentLanguage());
    a().wordList()->loadRandom(a().config(), a().letterList()->next(), false);
    QCOMPARE(a().currentLetter()->name, QString("Q"));
    QCOMPARE(a().currentWord()->name, QString("queso"));
    QCOMPARE(a().currentWord()->letter, a().currentLetter());
    type('q');
    QVERIFY(!a().keysEnabled());
    QCOMPARE(a().shownWord()->imagePath(),
             ActivityMedia::languageDir(ActivityWindow::language) + "Letras/Q/queso/queso.png");
}

void ActivitiesTest::presentationShowsEveryStepAtOnce()
{
    const int m = m_fixture->addLetter("M");
    m_fixture->addWord("mesa", m, "M");
    if (TestClip::ffmpegAvailable())
        QVERIFY(TestClip::make(m_fixture->signPath("M", "mesa"), 0.5));
    QVERIFY(openWindow());
    QCOMPARE(a().activity(), 20);
    type('m');
    QVERIFY(a().bottomLetterImage()->isVisible());
    QCOMPARE(ActivityMedia::centreColour(a().bottomLetterImage()->label->pixmap()),
             colour("system/inferior/m.png"));
    QCOMPARE(labelColour(0), colour("system/cooper/min/m.png"));
    QCOMPARE(labelColour(3), colour("system/cooper/min/a.png"));
    QVERIFY(a().wordImage()->isVisible());
    if (TestClip::ffmpegAvailable())
        QVERIFY(a().videoPlayer()->isVisible());
    QVERIFY(!a().stepPending());
    QCOMPARE(a().stepIndex(), 0);
}

void ActivitiesTest::stopMotionSettingWaitsForSpaceBetweenSteps()
{
    const int m = m_fixture->addLetter("M");
    m_fixture->addWord("mesa", m, "M");
    if (TestClip::ffmpegAvailable())
        QVERIFY(TestClip::make(m_fixture->signPath("M", "mesa"), 0.5));
    m_fixture->setUserSetting("stop-motion", 1);
    m_fixture->setUserSetting("show-order", 0); // word, picture, video
    QVERIFY(openWindow());
    type('m');
    QVERIFY(a().bottomLetterImage()->isVisible());
    QVERIFY(!labelColour(0).isValid());
    QVERIFY(!a().wordImage()->isVisible());
    QVERIFY(a().stepPending());

    QTest::keyRelease(w(), Qt::Key_Space);
    QCOMPARE(labelColour(0), colour("system/cooper/min/m.png"));
    QVERIFY(!a().wordImage()->isVisible());
    QTest::keyRelease(w(), Qt::Key_Space);
    QVERIFY(a().wordImage()->isVisible());
    QVERIFY(!a().videoPlayer()->isVisible());
    QVERIFY(a().stepPending());
    QTest::keyRelease(w(), Qt::Key_Space);
    if (TestClip::ffmpegAvailable())
        QVERIFY(a().videoPlayer()->isVisible());
    QVERIFY(!a().stepPending());
    QCOMPARE(a().stepIndex(), 0);
    // After the last step the space key does nothing.
    QTest::keyRelease(w(), Qt::Key_Space);
    QCOMPARE(a().stepIndex(), 0);
    QCOMPARE(labelColour(0), colour("system/cooper/min/m.png"));
    QVERIFY(a().bottomLetterImage()->isVisible());
}

void ActivitiesTest::stopMotionButtonBuildsWordLetterByLetter()
{
    const int c = m_fixture->addLetter("C");
    m_fixture->addWord("chico", c, "C");
    m_fixture->setSwitch("use-ch", 1);
    QVERIFY(openWindow());
    a().stopMotionButton()->slotActivate();

    type('c');
    QVERIFY(a().stopMotionRunning());
    QCOMPARE(labelColour(0), colour("system/cooper/min/ch.png"));
    QVERIFY(!labelColour(1).isValid());
    QVERIFY(!a().wordImage()->isVisible());

    QTest::keyRelease(w(), Qt::Key_Space);
    QCOMPARE(labelColour(1), colour("system/cooper/min/i.png"));
    QTest::keyRelease(w(), Qt::Key_Space);
    QTest::keyRelease(w(), Qt::Key_Space);
    QCOMPARE(labelColour(3), colour("system/cooper/min/o.png"));
    QCOMPARE(a().letterLabels().at(3)->x(), 120 + 30 + 20 + 20);
    QVERIFY(a().stopMotionRunning());
    QVERIFY(!a().wordImage()->isVisible());

    // One more press ends the build and the remaining steps follow at once.
    QTest::keyRelease(w(), Qt::Key_Space);
    QVERIFY(!a().stopMotionRunning());
    QVERIFY(a().wordImage()->isVisible());
    QCOMPARE(a().stepIndex(), 0);
    a().stopMotionButton()->slotDeactivate();
}

void ActivitiesTest::fingerSpellingPresentationHasThreeSteps()
{
    const int m = m_fixture->addLetter("M");
    m_fixture->addWord("mesa", m, "M");
    m_fixture->setUserSetting("stop-motion", 1);
    m_fixture->setUserSetting("show-order", 4); // video, word, picture
    QVERIFY(openWindow());
    m_fixture->startActivity(24);
    type('m');
    QCOMPARE(a().stepCount(), 3);
    QVERIFY(!a().bottomLetterImage()->isVisible());
    QVERIFY(a().handSequence()->isVisible());
    QCOMPARE(a().handSequence()->frameCount(), 4);
    // The hands play first: the row does not exist yet and nothing is highlighted.
    QVERIFY(!labelColour(0).isValid());
    QTRY_VERIFY_WITH_TIMEOUT(a().handSequence()->isStopped(), 10000);

    QTest::keyRelease(w(), Qt::Key_Space);
    QCOMPARE(labelColour(0), colour("system/cooper/min/m.png"));
    QTest::keyRelease(w(), Qt::Key_Space);
    QVERIFY(a().wordImage()->isVisible());
    QVERIFY(!a().stepPending());
}

void ActivitiesTest::typedLetterWithoutWordsShowsTheWarning()
{
    QVERIFY(openWindow());
    type('s');
    QVERIFY(a().noWordsWarning()->isVisible());
    QVERIFY(!a().repeatAvailable());
    type('a');
    QVERIFY(a().noWordsWarning()->isVisible());
    // A letter that is not in the language at all.
    type('x');
    QVERIFY(a().noWordsWarning()->isVisible());
    QCOMPARE(a().typedLetter()->name, QString("A"));
}

void ActivitiesTest::repeatBeforeAnyWordShowsNoRepeatPicture()
{
    QVERIFY(openWindow());
    w()->slotRepeatWord();
    QVERIFY(a().noRepeatWarning()->isVisible());

    type('q');
    QCOMPARE(a().shownWord()->name, QString("queso"));
    const Word::Word *shown = a().shownWord();
    w()->slotRepeatWord();
    QVERIFY(!a().noRepeatWarning()->isVisible());
    QCOMPARE(a().shownWord(), shown);
    QCOMPARE(labelColour(0), colour("system/cooper/min/q.png"));
}

void ActivitiesTest::hideWordButtonHidesAndShowsTheLetters()
{
    QVERIFY(openWindow());
    type('q');
    a().toggleWordButton()->slotActivate();
    w()->slotToggleWord();
    QVERIFY(a().wordHidden());
    QVERIFY(!labelColour(0).isValid());
    a().toggleWordButton()->slotDeactivate();
    w()->slotToggleWord();
    QVERIFY(!a().wordHidden());
    QCOMPARE(labelColour(0), colour("system/cooper/min/q.png"));
}

void ActivitiesTest::fingerSpellingAnswerBringsNextItemAfterHands()
{
    selectOnly(m_q);
    QVERIFY(openWindow());
    m_fixture->startActivity(25);
    QVERIFY(a().handLabel()->isVisible());
    QCOMPARE(ActivityMedia::centreColour(a().handLabel()->pixmap()),
             colour(QStringLiteral("languages/%1/Senas/q.png").arg(ActivityWindow::language)));
    QVERIFY(!a().wordImage()->isVisible());
    const Word::Word *first = a().currentWord();

    type('q');
    QVERIFY(!a().handLabel()->isVisible());
    QVERIFY(a().handSequence()->isVisible());
    QVERIFY(!a().handSequence()->isStopped());
    // The hands play: letters are ignored meanwhile.
    type('a');
    QCOMPARE(a().wrongCount(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(a().currentWord() != first, 15000);
    QVERIFY(a().keysEnabled());
    QVERIFY(a().handLabel()->isVisible());
}

void ActivitiesTest::storyLoadsItsPagesAndIgnoresKeys_data()
{
    QTest::addColumn<int>("story");
    QTest::addColumn<int>("pages");
    QTest::newRow("story 1") << 1 << 8;
    QTest::newRow("story 4") << 4 << 9;
    QTest::newRow("story 5") << 5 << 10;
}

void ActivitiesTest::storyLoadsItsPagesAndIgnoresKeys()
{
    QFETCH(int, story);
    QFETCH(int, pages);
    QVERIFY(openWindow());
    w()->selectMenu(300);
    w()->selectSubMenu(200);
    QVERIFY(a().readMenu1()->isVisible());
    switch (story) {
    case 1:
        w()->slotLeer1();
        break;
    case 4:
        w()->slotLeer4();
        break;
    default:
        w()->slotLeer5();
        break;
    }
    SequenceWidget *sequence = a().storySequence();
    QCOMPARE(sequence->frameInterval, 6000);
    QCOMPARE(a().activeSubMenu(), 14);
    QVERIFY(sequence->isVisible());
    QVERIFY(!a().readMenu1()->isVisible());
    QCOMPARE(sequence->frameCount(), pages);
    const QString folder = ActivityMedia::languageDir(ActivityWindow::language) + "Cuentos/";
    QCOMPARE(sequence->frames().first(), folder + QStringLiteral("leer%1_1.png").arg(story));
    QCOMPARE(sequence->frames().last(),
             folder + QStringLiteral("leer%1_%2.png").arg(story).arg(pages));
    QCOMPARE(ActivityMedia::centreColour(sequence->pixmap()),
             colour(QStringLiteral("languages/%1/Cuentos/leer%2_1.png")
                        .arg(ActivityWindow::language)
                        .arg(story)));

    type('q');
    QTest::keyRelease(w(), Qt::Key_Escape);
    QVERIFY(!a().typedLetter());
    QVERIFY(!a().noWordsWarning()->isVisible());
    QVERIFY(w()->isVisible());
}

void ActivitiesTest::wordFramesFollowLetterUnits_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("useCh");
    QTest::addColumn<bool>("useLl");
    QTest::addColumn<QStringList>("keys");

    QTest::newRow("chocolate with ch")
        << "chocolate" << true << false << QStringList {"ch", "o", "c", "o", "l", "a", "t", "e"};
    QTest::newRow("chocolate without ch")
        << "chocolate" << false << false
        << QStringList {"c", "h", "o", "c", "o", "l", "a", "t", "e"};
    QTest::newRow("año") << "año" << false << false << QStringList {"a", "nt", "o"};
    QTest::newRow("canción") << "canción" << true << true
                             << QStringList {"c", "a", "n", "c", "i", "o", "n"};
    QTest::newRow("calle with ll") << "calle" << false << true << QStringList {"c", "a", "ll", "e"};
    QTest::newRow("Llama with ll") << "Llama" << false << true << QStringList {"ll", "a", "m", "a"};
    QTest::newRow("capital accent")
        << "Ábaco" << false << false << QStringList {"a", "b", "a", "c", "o"};
    QTest::newRow("lone c") << "c" << true << false << QStringList {"c"};
    QTest::newRow("cedilla and diaeresis") << "çü" << false << false << QStringList {"ct", "ü"};
}

void ActivitiesTest::wordFramesFollowLetterUnits()
{
    QFETCH(QString, word);
    QFETCH(bool, useCh);
    QFETCH(bool, useLl);
    QFETCH(QStringList, keys);
    SequenceWidget sequence;
    sequence.frameFolder = "/hands/";
    sequence.setDigraphFlags(useCh, useLl);
    sequence.loadWord(word);
    QStringList expected;
    for (const QString &key : keys)
        expected << "/hands/" + key + ".png";
    QCOMPARE(sequence.frames(), expected);
}

void ActivitiesTest::flusSequenceOnlyWithItsSwitch()
{
    const int m = m_fixture->addLetter("M");
    m_fixture->addWord("mesa", m, "M");
    QVERIFY(openWindow());
    m_fixture->startActivity(24);
    type('m');
    QVERIFY(!a().fluSequence()->isVisible());
    QVERIFY(a().handSequence()->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(a().handSequence()->isStopped(), 10000);

    m_fixture->setSwitch("use-flus", 1);
    type('m');
    QVERIFY(a().fluSequence()->isVisible());
    QCOMPARE(a().fluSequence()->frameCount(), 4);
    QVERIFY(a().fluSequence()->frames().first().endsWith("/Flus/m.png"));
}

QTEST_MAIN(ActivitiesTest)
#include "tst_activities.moc"
