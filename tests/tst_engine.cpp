#include "activities/activityengine.h"
#include "engineaccess.h"
#include "fakestage.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(ItemResult)

// The activity engine on a recording stage, with settings and draws in memory: no window,
// database or media.
class EngineTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void questionItemEndsAndTheNextComes_data();
    void questionItemEndsAndTheNextComes();
    void lettersWaitWhileTheAnswerIsRevealed();
    void handsWaitEndsByItsWatchdog();
    void pacesArePinned();
    void firstCapitalOfADigraphIsTheWholeDigraph_data();
    void firstCapitalOfADigraphIsTheWholeDigraph();
    void hiddenLetterIsAWholeDigraphBox();

    void presentationStepsFollowTheShowOrder_data();
    void presentationStepsFollowTheShowOrder();
    void letterByLetterInFingerSpellingEndsTheWord_data();
    void letterByLetterInFingerSpellingEndsTheWord();
    void highlightFollowsTheHandsOnTheShownWordOnly();
    void presentedItemEndsWhenTheNextWordComesOrTheActivityChanges();
    void presentationShowsTheHintWhileWaitingForALetter();

    void returnPointsOnlyFromKeysOfThisItem();
    void repeatAfterTheWordWasDeletedBringsAnItem();
    void wordWithoutPictureShowsNone();

private:
    void send(const QString &events);
    ActivityEngine::Wait wait() const { return m_engine->wait(); }

    FakeStage *m_stage = nullptr;
    FakeSettings *m_settings = nullptr;
    ScriptedSource *m_source = nullptr;
    ActivityEngine *m_engine = nullptr;
    QSignalSpy *m_ended = nullptr;
    int m_q = 0;
    int m_queso = 0;
    int m_queja = 0;
};

void EngineTest::init()
{
    qRegisterMetaType<ItemResult>();
    m_stage = new FakeStage;
    m_settings = new FakeSettings;
    m_source = new ScriptedSource;
    m_q = m_source->addLetter("Q");
    for (const char *name : {"A", "P", "S", "U", "E", "O", "C", "CH", "I", "M", "L", "LL"})
        m_source->addLetter(name);
    m_queso = m_source->addWord("queso", m_q);
    m_queja = m_source->addWord("queja", m_q);
    m_engine = new ActivityEngine(m_stage, m_settings, m_source);
    m_engine->setSequenceInterval(10);
    // The first of three pictures, the first letter of a word.
    m_engine->setRandom([](int low, int) { return low; });
    m_ended = new QSignalSpy(m_engine, &ActivityEngine::itemEnded);
}

void EngineTest::cleanup()
{
    delete m_ended;
    delete m_engine;
    delete m_source;
    delete m_settings;
    delete m_stage;
}

// Letters are keys; '#' the video's end, '!' its failure, 'H' the hands' end, '_' space,
// '>' Return, '~' a key that is no letter.
void EngineTest::send(const QString &events)
{
    for (QChar c : events) {
        switch (c.unicode()) {
        case '#':
            m_engine->mediaFinished();
            break;
        case '!':
            m_engine->mediaFailed();
            break;
        case 'H':
            m_engine->handsFinished();
            break;
        case '_':
            m_engine->space();
            break;
        case '>':
            m_engine->submit();
            break;
        case '~':
            m_engine->otherKey();
            break;
        default:
            m_engine->letterKey(QString(c));
            break;
        }
    }
}

void EngineTest::questionItemEndsAndTheNextComes_data()
{
    QTest::addColumn<int>("activity");
    QTest::addColumn<QString>("events");
    QTest::addColumn<int>("wrong");
    QTest::addColumn<bool>("revealed");
    QTest::addColumn<QStringList>("media");

    const QStringList sign {"sign"};
    QTest::newRow("21 right, video ends") << 21 << "q#" << 0 << false << sign;
    QTest::newRow("21 right, video fails") << 21 << "q!" << 0 << false << sign;
    QTest::newRow("21 third wrong reveals") << 21 << "aps#" << 3 << true << sign;
    QTest::newRow("21 wrong then right") << 21 << "aq!" << 1 << false << sign;
    QTest::newRow("23 lips") << 23 << "q#" << 0 << false << QStringList {"lips"};
    QTest::newRow("25 hands, then the pause") << 25 << "qH" << 0 << false << QStringList {"hands"};
    QTest::newRow("25 third wrong, hands") << 25 << "aaaH" << 3 << true << QStringList {"hands"};
    QTest::newRow("30 hidden first letter") << 30 << "q!" << 0 << false << sign;
    QTest::newRow("31 whole word") << 31 << "queso#" << 0 << false << sign;
    QTest::newRow("31 Return early, then the word") << 31 << "q>queso#" << 1 << false << sign;
    QTest::newRow("31 third wrong letter") << 31 << "qaaa!" << 3 << true << sign;
}

void EngineTest::questionItemEndsAndTheNextComes()
{
    QFETCH(int, activity);
    QFETCH(QString, events);
    QFETCH(int, wrong);
    QFETCH(bool, revealed);
    QFETCH(QStringList, media);
    if (activity == 21 && events.endsWith('!'))
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("Video could not be played.*queso-senas\\.avi"));
    else if (events.endsWith('!'))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Video could not be played"));
    m_source->script = {m_queso, m_queja};
    m_engine->start(activity);
    QCOMPARE(m_engine->currentWord()->id, m_queso);

    send(events);
    QTRY_COMPARE_WITH_TIMEOUT(m_ended->count(), 1, 15000);
    const ItemResult result = m_ended->at(0).at(0).value<ItemResult>();
    QCOMPARE(result.activity, activity);
    QCOMPARE(result.wordId, m_queso);
    QCOMPARE(result.word, QString("queso"));
    QCOMPARE(result.letterId, m_q);
    QCOMPARE(result.letter, QString("Q"));
    QVERIFY(result.answered);
    QCOMPARE(result.wrongAnswers, wrong);
    QCOMPARE(result.revealed, revealed);
    QCOMPARE(result.media, media);
    QVERIFY(result.finishedAt >= result.startedAt);
    // The child sees the next item, and may answer it.
    QCOMPARE(m_engine->currentWord()->id, m_queja);
    QCOMPARE(wait(), ActivityEngine::Wait::None);
    QVERIFY(m_engine->acceptsLetters());
}

void EngineTest::lettersWaitWhileTheAnswerIsRevealed()
{
    m_source->script = {m_queso, m_queja};
    m_engine->start(21);
    send("q");
    QCOMPARE(wait(), ActivityEngine::Wait::Video);
    const int calls = int(m_stage->calls.size());
    send("a_>~");
    QCOMPARE(m_engine->wrongCount(), 0);
    QCOMPARE(m_engine->typedLetter()->name, QString("Q"));
    QCOMPARE(m_stage->with("feedback wrong").size(), 0);
    QCOMPARE(m_stage->calls.mid(calls), QStringList {"hideWarnings"});
    // The end of a video nobody waits for changes nothing.
    send("#");
    send("#");
    QCOMPARE(m_engine->currentWord()->id, m_queja);
    QCOMPARE(m_ended->count(), 1);
}

void EngineTest::handsWaitEndsByItsWatchdog()
{
    m_source->script = {m_queso, m_queja};
    m_engine->start(25);
    QCOMPARE(m_stage->with("hand ").last(), QString("hand /signs/q.png"));
    send("q");
    QCOMPARE(wait(), ActivityEngine::Wait::Hands);
    QCOMPARE(m_stage->handFrames.size(), 5);
    QCOMPARE(m_engine->handsWatchdog()->interval(), 5 * 10 + ActivityEngine::sequenceGraceMs);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("hand sequence of.*queso.*did not end"));
    // The sequence never reports its end.
    QTRY_COMPARE_WITH_TIMEOUT(m_ended->count(), 1, 15000);
    QCOMPARE(m_engine->currentWord()->id, m_queja);
    QCOMPARE(m_stage->with("hand ").last(), QString("hand /signs/q.png"));
}

void EngineTest::pacesArePinned()
{
    QCOMPARE(ActivityEngine::sequenceIntervalMs, 800);
    QCOMPARE(ActivityEngine::nextItemDelayMs, 500);
    ActivityEngine engine(m_stage, m_settings, m_source);
    QCOMPARE(engine.sequenceInterval(), 800);
    m_source->script = {m_queso, m_queja};
    engine.start(25);
    engine.letterKey("q");
    QCOMPARE(m_stage->handInterval, 800);
    QCOMPARE(engine.handsWatchdog()->interval(), 5 * 800 + 2000);
    engine.handsFinished();
    QCOMPARE(engine.wait(), ActivityEngine::Wait::Feedback);
    QVERIFY(engine.nextItemTimer()->isActive());
    QCOMPARE(engine.nextItemTimer()->interval(), 500);
    // A second end schedules nothing more.
    engine.handsFinished();
    QVERIFY(engine.nextItemTimer()->isActive());
    QVERIFY(!engine.acceptsLetters());
}

void EngineTest::firstCapitalOfADigraphIsTheWholeDigraph_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("firstFrame");
    QTest::newRow("Chico") << "Chico"
                           << "CH"
                           << "word cooper may/CH,min/i,min/c,min/o"
                           << "/signs/ch.png";
    QTest::newRow("Llama") << "Llama"
                           << "LL"
                           << "word cooper may/LL,min/a,min/m,min/a"
                           << "/signs/ll.png";
}

void EngineTest::firstCapitalOfADigraphIsTheWholeDigraph()
{
    QFETCH(QString, word);
    QFETCH(QString, letter);
    QFETCH(QString, shown);
    QFETCH(QString, firstFrame);
    m_settings->switches = {{"use-ch", true}, {"use-ll", true}, {"first-caps", true}};
    const int id = m_source->letterByName(letter)->id;
    m_source->addWord(word, id);
    m_engine->start(24);
    m_engine->letterKey(letter == "CH" ? "," : ".");
    QCOMPARE(m_stage->with("word ").last(), shown);
    QCOMPARE(m_stage->handFrames.first(), firstFrame);
    QCOMPARE(m_stage->handFrames.size(), 4);
}

void EngineTest::hiddenLetterIsAWholeDigraphBox()
{
    m_settings->switches = {{"use-ch", true}};
    const int chico = m_source->addWord("chico", m_source->letterByName("CH")->id);
    m_source->script = {chico};
    // The second character of the digraph is drawn.
    m_engine->setRandom([](int low, int high) { return high == 4 ? 1 : low; });
    m_engine->start(30);
    QCOMPARE(m_engine->expectedText(), QString("CH"));
    QCOMPARE(m_stage->with("letter ").last(), QString("letter 0 blank min/ch"));
    m_engine->letterKey(",");
    QCOMPARE(m_stage->with("feedback ").last(), QString("feedback good 1"));
    QCOMPARE(wait(), ActivityEngine::Wait::Video);
}

void EngineTest::presentationStepsFollowTheShowOrder_data()
{
    QTest::addColumn<int>("activity");
    QTest::addColumn<QString>("order");
    QTest::addColumn<bool>("stopMotion");
    QTest::addColumn<QString>("events");
    QTest::addColumn<QStringList>("shown");

    const QString word = "word cooper min/q,min/u,min/e,min/s,min/o";
    const QString picture = "picture " + QCoreApplication::applicationDirPath()
        + "/media/languages/Test/Letras/Q/queso/queso.png";
    const QString sign = "video " + QCoreApplication::applicationDirPath()
        + "/media/languages/Test/Letras/Q/queso/queso-senas.avi";
    const QString hands = "hands /signs/q.png,/signs/u.png,/signs/e.png,/signs/s.png,"
                          "/signs/o.png 10";
    QTest::newRow("20 all at once")
        << 20 << "wiv" << false << "q" << QStringList {"bottom q", word, picture, sign};
    QTest::newRow("20 waits for space") << 20 << "ivw" << true << "q" << QStringList {"bottom q"};
    QTest::newRow("20 two spaces")
        << 20 << "ivw" << true << "q__" << QStringList {"bottom q", picture, sign};
    QTest::newRow("22 lips") << 22 << "vwi" << false << "q"
                             << QStringList {"bottom q",
                                             "video " + QCoreApplication::applicationDirPath()
                                                 + "/media/languages/Test/Letras/Q/queso/"
                                                   "queso-labios.avi",
                                             word, picture};
    QTest::newRow("24 no bottom letter")
        << 24 << "wiv" << false << "q" << QStringList {word, picture, hands};
    QTest::newRow("24 space waits for the hands")
        << 24 << "viw" << true << "q_" << QStringList {hands};
    QTest::newRow("24 after the hands")
        << 24 << "viw" << true << "qH_" << QStringList {hands, picture};
}

void EngineTest::presentationStepsFollowTheShowOrder()
{
    QFETCH(int, activity);
    QFETCH(QString, order);
    QFETCH(bool, stopMotion);
    QFETCH(QString, events);
    QFETCH(QStringList, shown);
    m_settings->order = order;
    m_settings->switches["stop-motion"] = stopMotion;
    m_engine->start(activity);
    send(events);
    QStringList steps;
    for (const QString &line : m_stage->calls)
        for (const char *prefix : {"bottom ", "word ", "picture ", "video ", "hands "})
            if (line.startsWith(prefix))
                steps << line;
    QCOMPARE(steps, shown);
    QCOMPARE(m_engine->shownWord()->name, QString("queso"));
}

void EngineTest::letterByLetterInFingerSpellingEndsTheWord_data()
{
    QTest::addColumn<QString>("order");
    QTest::newRow("ivw") << "ivw";
    QTest::newRow("viw") << "viw";
    QTest::newRow("wvi") << "wvi";
}

void EngineTest::letterByLetterInFingerSpellingEndsTheWord()
{
    QFETCH(QString, order);
    m_settings->order = order;
    m_settings->switches["stop-motion"] = true;
    m_settings->byLetter = true;
    m_engine->start(24);
    send("q");
    for (int i = 0; i < 30 && wait() != ActivityEngine::Wait::None; ++i)
        send(wait() == ActivityEngine::Wait::Hands ? "H" : "_");
    QCOMPARE(wait(), ActivityEngine::Wait::None);
    QCOMPARE(m_stage->count("append "), 5);
    QCOMPARE(m_stage->with("append ").last(), QString("append 4 min/o"));
    // Each step once; more spaces start nothing again.
    send("____");
    QCOMPARE(m_stage->count("picture "), 1);
    QCOMPARE(m_stage->count("hands "), 1);
    QCOMPARE(m_stage->count("append "), 5);
    QCOMPARE(m_engine->stepIndex(), 0);
}

void EngineTest::highlightFollowsTheHandsOnTheShownWordOnly()
{
    m_settings->switches = {{"use-ch", true}, {"stop-motion", true}};
    m_source->addWord("chico", m_source->letterByName("CH")->id);
    m_settings->order = "wvi";
    m_engine->start(24);
    // Word, hands, picture.
    send("q_H_");
    QCOMPARE(wait(), ActivityEngine::Wait::None);
    // A new word with the hands first: its row is not drawn while they spell.
    m_settings->order = "vwi";
    m_stage->calls.clear();
    send(",");
    QCOMPARE(wait(), ActivityEngine::Wait::Hands);
    m_engine->handsFrame();
    m_engine->handsFrame();
    QCOMPARE(m_stage->count("letter "), 0);
    send("H");
    send("_");
    QCOMPARE(m_stage->with("word ").last(), QString("word cooper min/ch,min/i,min/c,min/o"));

    // The word first, then the hands: each frame lights its letter, the last one stays lit.
    m_settings->order = "wvi";
    m_settings->switches["stop-motion"] = false;
    m_stage->calls.clear();
    send(",");
    for (int i = 0; i < 4; ++i)
        m_engine->handsFrame();
    QCOMPARE(
        m_stage->with("letter "),
        (QStringList {"letter 0 squares min/ch", "letter 0 cooper min/ch", "letter 1 squares min/i",
                      "letter 1 cooper min/i", "letter 2 squares min/c", "letter 2 cooper min/c",
                      "letter 3 squares min/o"}));
    send("H");
    m_engine->handsFrame();
    QCOMPARE(m_stage->count("letter "), 7);
}

void EngineTest::presentedItemEndsWhenTheNextWordComesOrTheActivityChanges()
{
    m_engine->start(20);
    send("q");
    QCOMPARE(m_ended->count(), 0);
    send("q");
    QCOMPARE(m_ended->count(), 1);
    ItemResult result = m_ended->at(0).at(0).value<ItemResult>();
    QCOMPARE(result.activity, 20);
    QVERIFY(!result.answered);
    QCOMPARE(result.media, QStringList {"sign"});
    QCOMPARE(result.letter, QString("Q"));
    m_engine->start(24);
    QCOMPARE(m_ended->count(), 2);
    m_engine->start(24);
    QCOMPARE(m_ended->count(), 2);
}

void EngineTest::presentationShowsTheHintWhileWaitingForALetter()
{
    m_engine->start(20);
    QCOMPARE(m_stage->calls.last(), QString("hint"));
    send("q");
    QVERIFY(m_stage->calls.lastIndexOf("hideHint") > m_stage->calls.lastIndexOf("hint"));
    // A letter without words: the warning, and the hint again.
    send("x");
    QVERIFY(m_stage->calls.lastIndexOf("hint") > m_stage->calls.lastIndexOf("hideHint"));
    m_stage->calls.clear();
    m_engine->start(21);
    QCOMPARE(m_stage->count("hint"), 0);
}

void EngineTest::returnPointsOnlyFromKeysOfThisItem()
{
    m_source->script = {m_queso, m_queja, m_queso};
    m_engine->start(31);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Video could not be played"));
    // A wrong letter points at "U"; three of them reveal the word.
    send("qaaa!");
    QCOMPARE(m_engine->currentWord()->id, m_queja);
    m_stage->calls.clear();
    send(">");
    QCOMPARE(m_stage->count("arrow "), 0);
    QVERIFY(m_stage->calls.contains("hideArrow"));
    // After a right "q" the arrow points from Q to the U that comes next.
    send("q>");
    QCOMPARE(m_stage->with("arrow ").last(), QString("arrow right"));
    QCOMPARE(m_engine->expectedText(), QString("U"));
}

void EngineTest::repeatAfterTheWordWasDeletedBringsAnItem()
{
    m_source->script = {m_queso, m_queja};
    m_engine->start(21);
    m_engine->nextItem();
    QCOMPARE(m_engine->previousWordId(), m_queso);
    m_source->removeWord(m_queso);
    m_stage->calls.clear();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("word to repeat is gone"));
    m_engine->repeat();
    QVERIFY(m_engine->currentWord());
    QCOMPARE(m_engine->currentWord()->id, m_queja);
    QCOMPARE(m_stage->with("word ").last(), QString("word cooper min/q,min/u,min/e,min/j,min/a"));
    send("q");
    QCOMPARE(wait(), ActivityEngine::Wait::Video);
}

void EngineTest::wordWithoutPictureShowsNone()
{
    const int bare = m_source->addWord("quita", m_q, false);
    m_source->script = {m_queso, bare};
    m_engine->start(21);
    QVERIFY(m_stage->with("picture ").last().endsWith("queso.png"));
    send("q");
    m_stage->calls.clear();
    send("#");
    QCOMPARE(m_engine->currentWord()->id, bare);
    QCOMPARE(m_stage->count("picture "), 0);
    QVERIFY(m_stage->calls.contains("hidePicture"));
}

QTEST_GUILESS_MAIN(EngineTest)
#include "tst_engine.moc"
