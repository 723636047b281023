#include "activities/letterrules.h"
#include "activitymedia.h"
#include "activitywindow.h"
#include "data/letter.h"
#include "data/word.h"
#include "widgets/imagewidget.h"
#include "widgets/sequencewidget.h"

#include <QLabel>
#include <QTest>

// Words drawn as rows of letter pictures on the stage, and the names of the letter pictures.
// Blanks and highlighting are chosen by the engine and tested with it.
class WordRenderingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void imageNameFollowsDigraphsAccentsAndCase_data();
    void imageNameFollowsDigraphsAccentsAndCase();
    void digraphsBeforeGiveLabelNumbers_data();
    void digraphsBeforeGiveLabelNumbers();

    void wordIsDrawnEdgeToEdgeFromItsFont_data();
    void wordIsDrawnEdgeToEdgeFromItsFont();
    void spaceIsDrawnAtTwentyByFifty();
    void missingPictureLeavesEmptyLabelAndSameX();
    void labelsAreReusedByPosition();

    void changedBoxKeepsItsPlaceAndBoxesPastTheRowAreSkipped();
    void bottomLetterWithoutPictureKeepsTheBox();

private:
    QStringList shownNames(const QString &font, const QStringList &names);
    QList<QColor> shownColours(int count);
    void setSwitches(bool useCh, bool useLl, bool useCaps, bool firstCaps);
    void show(const QString &word, const QString &font = "cooper");
    StageView *stage() { return m_fixture->access().stage(); }

    ActivityWindow *m_fixture = nullptr;
    bool m_useCh = false;
    bool m_useLl = false;
    bool m_useCaps = false;
    bool m_firstCaps = false;
};

void WordRenderingTest::initTestCase()
{
    m_fixture = new ActivityWindow;
    QVERIFY(m_fixture->isReady());
    const int letter = m_fixture->addLetter("C");
    m_fixture->addWord("casa", letter, "C");
    QVERIFY(m_fixture->open());
}

void WordRenderingTest::init()
{
    setSwitches(false, false, false, false);
    stage()->hideWord(true);
}

void WordRenderingTest::show(const QString &word, const QString &font)
{
    LetterRules::Lettering lettering;
    lettering.digraphs = {m_useCh, m_useLl};
    lettering.allCaps = m_useCaps;
    lettering.firstCap = m_firstCaps;
    const Stage::Font shown = font == "blank" ? Stage::Font::Blank
        : font == "cuadrados"                 ? Stage::Font::Squares
                                              : Stage::Font::Cooper;
    stage()->showWord(LetterRules::imageNames(word, lettering), shown);
}

void WordRenderingTest::setSwitches(bool useCh, bool useLl, bool useCaps, bool firstCaps)
{
    m_useCh = useCh;
    m_useLl = useLl;
    m_useCaps = useCaps;
    m_firstCaps = firstCaps;
    m_fixture->setSwitch("use-ch", useCh);
    m_fixture->setSwitch("use-ll", useLl);
    m_fixture->setSwitch("use-caps", useCaps);
    m_fixture->setUserSetting("first-caps", firstCaps);
}

QList<QColor> WordRenderingTest::shownColours(int count)
{
    QList<QColor> colours;
    const auto &labels = m_fixture->access().letterLabels();
    for (int i = 0; i < count && i < labels.size(); ++i)
        colours << ActivityMedia::centreColour(labels.at(i)->pixmap());
    return colours;
}

QStringList WordRenderingTest::shownNames(const QString &font, const QStringList &names)
{
    QStringList expected;
    for (const QString &name : names)
        expected << QStringLiteral("system/%1/%2.png").arg(font, name);
    return expected;
}

void WordRenderingTest::imageNameFollowsDigraphsAccentsAndCase_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("caseFolder");
    QTest::addColumn<QString>("switches"); // h = use-ch, l = use-ll, C = use-caps, f = first-caps
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("indexAfter");

    QTest::newRow("plain letter") << "casa" << 1 << true << ""
                                  << "min/a" << 1;
    QTest::newRow("ch as one letter") << "chico" << 0 << true << "h"
                                      << "min/ch" << 1;
    QTest::newRow("ch as two letters") << "chico" << 0 << true << ""
                                       << "min/c" << 0;
    QTest::newRow("ll as one letter") << "calle" << 2 << true << "l"
                                      << "min/ll" << 3;
    QTest::newRow("ll needs its switch") << "calle" << 2 << true << "h"
                                         << "min/l" << 2;
    QTest::newRow("c at the end looks no further") << "tic" << 2 << true << "h"
                                                   << "min/c" << 2;
    QTest::newRow("n with tilde") << "niño" << 2 << true << ""
                                  << "min/nt" << 2;
    QTest::newRow("o with acute") << "canción" << 5 << true << ""
                                  << "min/ot" << 5;
    QTest::newRow("u with diaeresis") << "pingüino" << 4 << true << ""
                                      << "min/ud" << 4;
    QTest::newRow("c with cedilla") << "caça" << 2 << true << ""
                                    << "min/ct" << 2;
    QTest::newRow("a with grave") << "està" << 3 << true << ""
                                  << "min/aa" << 3;
    QTest::newRow("i with diaeresis") << "raïm" << 2 << true << ""
                                      << "min/id" << 2;
    QTest::newRow("capital is folded") << "Casa" << 0 << true << ""
                                       << "min/c" << 0;
    QTest::newRow("space has no folder") << "la casa" << 2 << true << "C"
                                         << " " << 2;
    QTest::newRow("use-caps everywhere") << "casa" << 3 << true << "C"
                                         << "may/A" << 3;
    QTest::newRow("use-caps digraph") << "chico" << 0 << true << "hC"
                                      << "may/CH" << 1;
    QTest::newRow("use-caps tilde") << "ñu" << 0 << true << "C"
                                    << "may/NT" << 0;
    QTest::newRow("first-caps only at 0") << "casa" << 0 << true << "f"
                                          << "may/C" << 0;
    QTest::newRow("first-caps not at 1") << "casa" << 1 << true << "f"
                                         << "min/a" << 1;
    QTest::newRow("no folder") << "chico" << 0 << false << "h"
                               << "ch" << 1;
    QTest::newRow("no folder, use-caps") << "b" << 0 << false << "C"
                                         << "may/B" << 0;
    QTest::newRow("no folder ignores first-caps") << "b" << 0 << false << "f"
                                                  << "b" << 0;
    QTest::newRow("negative index is 0, kept") << "b" << -1 << false << ""
                                               << "b" << -1;
    QTest::newRow("negative index on a digraph") << "CH" << -1 << false << "h"
                                                 << "ch" << 0;
}

void WordRenderingTest::imageNameFollowsDigraphsAccentsAndCase()
{
    QFETCH(QString, word);
    QFETCH(int, index);
    QFETCH(bool, caseFolder);
    QFETCH(QString, switches);
    QFETCH(QString, name);
    QFETCH(int, indexAfter);

    setSwitches(switches.contains('h'), switches.contains('l'), switches.contains('C'),
                switches.contains('f'));
    LetterRules::Lettering lettering;
    lettering.digraphs = {m_useCh, m_useLl};
    lettering.allCaps = m_useCaps;
    lettering.firstCap = m_firstCaps;
    QCOMPARE(LetterRules::imageName(word, index, caseFolder, lettering), name);
    QCOMPARE(index, indexAfter);
}

void WordRenderingTest::digraphsBeforeGiveLabelNumbers_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("useCh");
    QTest::addColumn<bool>("useLl");
    QTest::addColumn<int>("count");

    QTest::newRow("c of a leading ch") << "chico" << 0 << true << false << 0;
    QTest::newRow("h of a leading ch") << "chico" << 1 << true << false << 1;
    QTest::newRow("after the ch") << "chico" << 3 << true << false << 1;
    QTest::newRow("switch off") << "chico" << 3 << false << true << 0;
    QTest::newRow("ll in the middle") << "calle" << 4 << false << true << 1;
    QTest::newRow("both kinds") << "chillar" << 6 << true << true << 2;
    QTest::newRow("upper case pair") << "CHICO" << 2 << true << false << 1;
    QTest::newRow("index past the end") << "chico" << 9 << true << false << 1;
    QTest::newRow("c at the end") << "tic" << 2 << true << false << 0;
}

void WordRenderingTest::digraphsBeforeGiveLabelNumbers()
{
    QFETCH(QString, word);
    QFETCH(int, index);
    QFETCH(bool, useCh);
    QFETCH(bool, useLl);
    QFETCH(int, count);
    QCOMPARE(LetterRules::digraphsBefore(word, index, {useCh, useLl}), count);
}

void WordRenderingTest::wordIsDrawnEdgeToEdgeFromItsFont_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("font");
    QTest::addColumn<QString>("switches");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("chico with ch") << "chico"
                                   << "cooper"
                                   << "h" << QStringList {"min/ch", "min/i", "min/c", "min/o"};
    QTest::newRow("chico without ch")
        << "chico"
        << "cooper"
        << "" << QStringList {"min/c", "min/h", "min/i", "min/c", "min/o"};
    QTest::newRow("calle with ll") << "calle"
                                   << "cooper"
                                   << "l" << QStringList {"min/c", "min/a", "min/ll", "min/e"};
    QTest::newRow("niño") << "niño"
                          << "cooper"
                          << "" << QStringList {"min/n", "min/i", "min/nt", "min/o"};
    QTest::newRow("blank boxes") << "sol"
                                 << "blank"
                                 << "" << QStringList {"min/s", "min/o", "min/l"};
    QTest::newRow("use-caps") << "chal"
                              << "cooper"
                              << "hC" << QStringList {"may/CH", "may/A", "may/L"};
    QTest::newRow("first-caps") << "sol"
                                << "cooper"
                                << "f" << QStringList {"may/S", "min/o", "min/l"};
}

void WordRenderingTest::wordIsDrawnEdgeToEdgeFromItsFont()
{
    QFETCH(QString, word);
    QFETCH(QString, font);
    QFETCH(QString, switches);
    QFETCH(QStringList, names);
    setSwitches(switches.contains('h'), switches.contains('l'), switches.contains('C'),
                switches.contains('f'));

    show(word, font);

    const auto &labels = m_fixture->access().letterLabels();
    QVERIFY(labels.size() >= names.size());
    int x = 120;
    for (int i = 0; i < names.size(); ++i) {
        QLabel *label = labels.at(i);
        QVERIFY2(label->isVisible(), qPrintable(names.at(i)));
        QCOMPARE(ActivityMedia::centreColour(label->pixmap()),
                 ActivityMedia::colourOf(shownNames(font, names).at(i)));
        const int width = ActivityMedia::letterFileWidth(names.at(i)) / 2;
        QCOMPARE(label->geometry(), QRect(x, 470, width, 30));
        x += width;
    }
    for (int i = names.size(); i < labels.size(); ++i)
        QVERIFY(!labels.at(i)->isVisible());
}

void WordRenderingTest::spaceIsDrawnAtTwentyByFifty()
{
    show("a b");
    const auto &labels = m_fixture->access().letterLabels();
    QCOMPARE(labels.at(1)->geometry(), QRect(140, 470, 20, 50));
    QCOMPARE(ActivityMedia::centreColour(labels.at(1)->pixmap()),
             ActivityMedia::colourOf("system/ui/space.png"));
    QCOMPARE(labels.at(2)->geometry().x(), 160);
}

void WordRenderingTest::missingPictureLeavesEmptyLabelAndSameX()
{
    show("a7b");
    const auto &labels = m_fixture->access().letterLabels();
    QVERIFY(labels.at(1)->pixmap().isNull());
    QCOMPARE(labels.at(1)->geometry(), QRect(140, 470, 0, 0));
    QCOMPARE(labels.at(2)->geometry().x(), 140);
}

void WordRenderingTest::labelsAreReusedByPosition()
{
    show("murcielago");
    const int created = stage()->letterLabels().size();
    QLabel *first = stage()->letterLabels().at(0);
    show("sol");
    const auto &labels = stage()->letterLabels();
    QCOMPARE(labels.size(), created);
    QCOMPARE(labels.at(0), first);
    QCOMPARE(ActivityMedia::centreColour(first->pixmap()),
             ActivityMedia::colourOf("system/cooper/min/s.png"));
    QVERIFY(!labels.at(3)->isVisible());
    QVERIFY(labels.at(3)->pixmap().isNull());
}

void WordRenderingTest::changedBoxKeepsItsPlaceAndBoxesPastTheRowAreSkipped()
{
    setSwitches(true, false, false, false);
    show("chico");
    const auto &labels = stage()->letterLabels();
    const QRect before = labels.at(0)->geometry();
    stage()->setLetter(0, "min/ch", Stage::Font::Blank);
    QCOMPARE(shownColours(2),
             (QList<QColor> {ActivityMedia::colourOf("system/blank/min/ch.png"),
                             ActivityMedia::colourOf("system/cooper/min/i.png")}));
    QCOMPARE(labels.at(0)->geometry().topLeft(), before.topLeft());
    stage()->setLetter(1, "min/i", Stage::Font::Squares);
    QCOMPARE(ActivityMedia::centreColour(labels.at(1)->pixmap()),
             ActivityMedia::colourOf("system/cuadrados/min/i.png"));

    const int count = labels.size();
    const QList<QColor> shown = shownColours(4);
    stage()->setLetter(count + 2, "min/a", Stage::Font::Squares);
    stage()->setLetter(-1, "min/a", Stage::Font::Blank);
    QCOMPARE(stage()->letterLabels().size(), count);
    QCOMPARE(shownColours(4), shown);
}

void WordRenderingTest::bottomLetterWithoutPictureKeepsTheBox()
{
    auto a = m_fixture->access();
    stage()->showBottomLetter("b");
    QVERIFY(a.bottomLetterImage()->isVisible());
    const QColor shown = ActivityMedia::centreColour(a.bottomLetterImage()->label->pixmap());
    QCOMPARE(shown, ActivityMedia::colourOf("system/inferior/b.png"));

    stage()->showBottomLetter("7");
    QVERIFY(a.bottomLetterImage()->isVisible());
    QCOMPARE(ActivityMedia::centreColour(a.bottomLetterImage()->label->pixmap()), shown);
}

QTEST_MAIN(WordRenderingTest)
#include "tst_wordrendering.moc"
