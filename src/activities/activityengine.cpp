#include "activityengine.h"

#include "activities/activitycodes.h"
#include "activities/activitysources.h"
#include "activities/random.h"
#include "keyboard/keyboardmanager.h"

#include <QDateTime>
#include <QDebug>

namespace {

// Letters without any word would make the draw endless; after this many tries the
// selection counts as empty.
constexpr int maxDrawTries = 500;

Stage::Arrow arrowOf(int direction)
{
    switch (direction) {
    case 2:
        return Stage::Arrow::Left;
    case 3:
        return Stage::Arrow::Right;
    case 4:
        return Stage::Arrow::Up;
    case 5:
        return Stage::Arrow::Down;
    default:
        return Stage::Arrow::None;
    }
}

} // namespace

ActivityEngine::ActivityEngine(Stage *stage, ActivitySettings *settings, ItemSource *source,
                               QObject *parent)
    : QObject(parent)
    , m_stage(stage)
    , m_settings(settings)
    , m_source(source)
    , m_keyboard(new KeyboardManager(this))
{
    auto generator = std::make_shared<Random>();
    m_random = [generator](int low, int high) { return generator->range(low, high); };
    m_nextTimer.setSingleShot(true);
    m_handsWatchdog.setSingleShot(true);
    connect(&m_nextTimer, &QTimer::timeout, this, &ActivityEngine::nextItem);
    connect(&m_handsWatchdog, &QTimer::timeout, this, [this] {
        qWarning().noquote() << "The hand sequence of" << (m_shown ? m_shown->name : QString())
                             << "did not end; going on";
        m_stage->stopSequences();
        handsFinished();
    });
}

ActivityEngine::~ActivityEngine() = default;

LetterRules::Digraphs ActivityEngine::digraphs() const
{
    return {m_settings->languageSwitch(QStringLiteral("use-ch")),
            m_settings->languageSwitch(QStringLiteral("use-ll"))};
}

LetterRules::Lettering ActivityEngine::lettering() const
{
    LetterRules::Lettering result;
    result.digraphs = digraphs();
    result.allCaps = m_settings->languageSwitch(QStringLiteral("use-caps"));
    result.firstCap = m_settings->userSwitch(QStringLiteral("first-caps"));
    return result;
}

int ActivityEngine::random(int low, int high)
{
    return m_random(low, high);
}

bool ActivityEngine::acceptsLetters() const
{
    return !m_handsPlaying
        && (m_wait == Wait::None || m_wait == Wait::Step || m_wait == Wait::Build);
}

// Items and their results.

void ActivityEngine::beginItem(const Word::Word &word, const Letter::Letter *letter)
{
    endItem();
    m_itemOpen = true;
    m_result = ItemResult();
    m_result.activity = m_activity;
    m_result.wordId = word.id;
    m_result.word = word.name;
    if (letter) {
        m_result.letterId = letter->id;
        m_result.letter = letter->name;
    }
    m_result.startedAt = QDateTime::currentDateTime();
    m_clock.start();
    m_typedThisItem = false;
}

void ActivityEngine::endItem()
{
    if (!m_itemOpen)
        return;
    m_itemOpen = false;
    m_result.finishedAt = QDateTime::currentDateTime();
    m_result.elapsedMs = m_clock.elapsed();
    emit itemEnded(m_result);
}

void ActivityEngine::noteMedia(const QString &kind)
{
    if (m_itemOpen && !m_result.media.contains(kind))
        m_result.media << kind;
}

// Inputs.

void ActivityEngine::start(int activity)
{
    endItem();
    stopWaits();
    m_activity = activity;
    m_wrongCount = 0;
    m_repeatAvailable = false;
    m_previousWordId = 0;
    m_previousLetterId = 0;
    m_word.reset();
    m_letter.reset();
    m_shown.reset();
    m_shownLetter.reset();
    m_typedText.clear();
    m_typedIndex = 0;
    m_steps.clear();
    m_stepIndex = 0;
    m_wordHidden = false;
    m_wordDrawn = false;

    m_stage->clear();
    m_stage->releaseButtons();
    m_stage->showTitle(activity);
    if (ActivityCode::isPresentation(activity))
        m_stage->showHint();
    else if (ActivityCode::isQuestion(activity))
        pickItem(false);
}

void ActivityEngine::reset()
{
    stopWaits();
    m_steps.clear();
    m_stepIndex = 0;
    m_wordHidden = false;
    m_wordDrawn = false;
    m_stage->releaseButtons();
    m_stage->clear();
}

void ActivityEngine::stopWaits()
{
    m_nextTimer.stop();
    m_handsWatchdog.stop();
    if (m_handsPlaying)
        m_stage->stopSequences();
    m_handsPlaying = false;
    m_stepsAfterHands = false;
    m_wait = Wait::None;
}

void ActivityEngine::clearForKey()
{
    stopWaits();
    m_stepIndex = 0;
    m_wordHidden = false;
    m_stage->releaseButtons();
    m_stage->hideWarnings();
    m_stage->hideBottomLetter();
    m_stage->stopVideo();
    m_stage->stopSequences();

    switch (m_activity) {
    case 21:
    case 23:
        m_stage->hideHandPicture();
        m_stage->hideFeedback();
        break;
    case 25:
        m_stage->hidePicture();
        m_stage->hideFeedback();
        break;
    case 30:
    case 31:
        break;
    default:
        m_stage->hidePicture();
        m_stage->hideHandPicture();
        m_stage->hideArrow();
        m_stage->hideWord(true);
        m_wordDrawn = false;
        if (ActivityCode::isPresentation(m_activity))
            m_stage->showHint();
        break;
    }
}

void ActivityEngine::letterKey(const QString &text)
{
    if (!m_source->isReady() || !acceptsLetters())
        return;
    const QString name = LetterRules::letterOfKey(text, digraphs());
    clearForKey();
    const std::optional<Letter::Letter> letter = m_source->letterByName(name);
    if (!letter
        || (ActivityCode::isPresentation(m_activity) && !m_settings->isLetterShown(letter->id))) {
        m_stage->showWarning(Stage::Warning::NoWords);
        return;
    }
    m_typed = std::make_shared<Letter::Letter>(*letter);
    m_typedThisItem = true;
    answerTypedLetter();
}

void ActivityEngine::answerTypedLetter()
{
    switch (m_activity) {
    case 20:
    case 22:
    case 24:
        presentWord(false);
        break;
    case 21:
    case 23:
    case 25:
    case 30:
        judgeLetter();
        break;
    case 31:
        typeNextLetter();
        break;
    default:
        break;
    }
}

void ActivityEngine::otherKey()
{
    // Clearing would stop a build or the hands, and the next item of activity 25 waits for
    // their end.
    if (acceptsLetters() && m_wait != Wait::Build)
        clearForKey();
    m_stage->hideWarnings();
}

void ActivityEngine::space()
{
    if (m_wordHidden)
        return;
    if (m_wait == Wait::Build) {
        buildNextLetter();
    } else if (m_wait == Wait::Step) {
        m_wait = Wait::None;
        runSteps();
    }
}

void ActivityEngine::submit()
{
    // While the answer is revealed the word waits for its video; a check now would drop the
    // wait.
    if (m_activity != 31 || !acceptsLetters())
        return;
    clearForKey();
    // The arrow points at the letter that should come next in this word.
    m_expected = nextPiece();
    checkTypedWord();
}

void ActivityEngine::repeat()
{
    m_wrongCount = 0;
    if (!m_repeatAvailable) {
        m_stage->showWarning(Stage::Warning::NoRepeat);
        return;
    }
    if (ActivityCode::isPresentation(m_activity)) {
        clearForKey();
        presentWord(true);
    } else if (ActivityCode::isQuestion(m_activity) && m_previousWordId != 0) {
        pickItem(true);
    }
}

void ActivityEngine::toggleWord(bool hide)
{
    if (!ActivityCode::isPresentation(m_activity)) {
        m_wordHidden = false;
        return;
    }
    if (m_handsPlaying)
        return;
    if (hide)
        m_stage->hideWord(false);
    else
        m_stage->showWordAgain();
    m_wordHidden = hide;
}

void ActivityEngine::nextItem()
{
    pickItem(false);
}

void ActivityEngine::mediaFinished()
{
    if (m_wait != Wait::Video)
        return;
    m_wait = Wait::None;
    nextItem();
}

void ActivityEngine::mediaFailed()
{
    if (m_wait != Wait::Video)
        return;
    qWarning().noquote() << "Video could not be played, going on to the next item:" << m_videoPath;
    mediaFinished();
}

void ActivityEngine::handsFrame()
{
    if (!m_handsPlaying || !m_shown)
        return;
    const QString name = m_shown->name;
    const QVector<LetterRules::Unit> units = LetterRules::units(name, digraphs());
    const LetterRules::Lettering letters = lettering();
    if (m_wordDrawn && m_highlightUnit >= 0 && m_highlightUnit < units.size()) {
        int index = units.at(m_highlightUnit).position;
        m_stage->setLetter(m_highlightUnit, LetterRules::imageName(name, index, true, letters),
                           Stage::Font::Cooper);
    }
    ++m_highlightUnit;
    if (m_wordDrawn && m_highlightUnit < units.size()) {
        int index = units.at(m_highlightUnit).position;
        m_stage->setLetter(m_highlightUnit, LetterRules::imageName(name, index, true, letters),
                           Stage::Font::Squares);
    }
}

void ActivityEngine::handsFinished()
{
    if (!m_handsPlaying)
        return;
    m_handsPlaying = false;
    m_handsWatchdog.stop();
    if (m_wait != Wait::Hands)
        return;
    if (ActivityCode::isQuestion(m_activity)) {
        m_wait = Wait::Feedback;
        m_nextTimer.start(nextItemDelayMs);
        return;
    }
    m_wait = Wait::None;
    if (m_stepsAfterHands) {
        m_stepsAfterHands = false;
        continueSteps();
    }
}

// Question items.

bool ActivityEngine::drawItem()
{
    DrawFilter filter;
    filter.userId = m_source->userId();
    filter.review = true;
    std::optional<Letter::Letter> letter;
    std::optional<Word::Word> word;
    for (int tries = 0; tries < maxDrawTries && !word; ++tries) {
        letter = m_source->drawLetter(filter);
        if (letter)
            word = m_source->drawWord(*letter, filter);
    }
    if (!word)
        return false;
    m_letter = std::make_shared<Letter::Letter>(*letter);
    m_word = std::make_shared<Word::Word>(*word);
    m_word->letter = m_letter.get();
    return true;
}

void ActivityEngine::pickItem(bool repeat)
{
    m_stage->hideWord(true);
    stopWaits();
    if (!repeat && m_word && m_letter) {
        m_previousWordId = m_word->id;
        m_previousLetterId = m_letter->id;
    }
    if (!m_source->isReady())
        return;
    endItem();
    if (!m_source->hasAvailable()) {
        m_stage->reportNoWords();
        return;
    }

    bool drawn = false;
    if (repeat) {
        std::optional<Word::Word> word = m_source->wordById(m_previousWordId);
        std::optional<Letter::Letter> letter = m_source->letterById(m_previousLetterId);
        if (word && letter) {
            m_letter = std::make_shared<Letter::Letter>(*letter);
            m_word = std::make_shared<Word::Word>(*word);
            m_word->letter = m_letter.get();
            drawn = true;
        } else {
            // Deleted meanwhile in the administration window: a new item instead of none.
            qWarning() << "The word to repeat is gone; drawing another one";
        }
    }
    if (!drawn) {
        if (!drawItem()) {
            m_letter.reset();
            m_word.reset();
            m_stage->reportNoWords();
            return;
        }
        if (m_previousWordId == 0 || repeat) {
            m_previousWordId = m_word->id;
            m_previousLetterId = m_letter->id;
        }
    }

    m_repeatAvailable = true;
    m_typedText.clear();
    // A word left unfinished (Return, then a reveal) must not carry its position over.
    m_typedIndex = 0;
    m_wrongCount = 0;
    clearForKey();
    m_stage->hideWord(true);
    beginItem(*m_word, m_letter.get());
    m_result.answered = false;
    presentItem();
}

void ActivityEngine::presentItem()
{
    if (!m_word || !m_letter)
        return;
    const Word::Word &word = *m_word;
    switch (m_activity) {
    case 31:
        showWord(word, Stage::Font::Blank);
        showPicture(word);
        break;
    case 30: {
        showWord(word, Stage::Font::Cooper);
        const int position = LetterRules::hiddenLetter(
            word.name, digraphs(), [this](int low, int high) { return random(low, high); },
            m_expected);
        hideLetter(word, position);
        showPicture(word);
        break;
    }
    case 25: {
        showHandPicture();
        m_stage->hidePicture();
        showWord(word, Stage::Font::Cooper);
        hideLetter(word, 0);
        break;
    }
    default:
        showPicture(word);
        showWord(word, Stage::Font::Cooper);
        hideLetter(word, 0);
        break;
    }
    m_stage->hideFeedback();
    m_stage->hideArrow();
}

void ActivityEngine::judgeLetter()
{
    if (!m_typed || !m_word || !m_letter)
        return;
    QString text = m_activity == 30 ? m_expected : m_letter->name;
    QString shown;
    LetterRules::answerForm(text, shown, digraphs());
    if (m_typed->name.toUpper() == text.toUpper())
        correct();
    else
        wrong();
}

QString ActivityEngine::nextPiece() const
{
    if (!m_word)
        return QString();
    const QString name = m_word->name;
    int index = m_typedIndex;
    while (index < name.size() && name.at(index) == QLatin1Char(' '))
        ++index;
    if (index >= name.size())
        return QString();
    QString piece = name.mid(index, 2).toLower();
    QString shown;
    LetterRules::answerForm(piece, shown, digraphs());
    return piece.toUpper();
}

void ActivityEngine::typeNextLetter()
{
    if (!m_word || !m_typed)
        return;
    const QString name = m_word->name;
    const int length = name.size();
    const auto skipSpaces = [&] {
        while (m_typedIndex < length && name.at(m_typedIndex) == QLatin1Char(' ')) {
            m_typedText += QLatin1Char(' ');
            ++m_typedIndex;
        }
    };
    skipSpaces();
    // Only spaces were left: the word is complete.
    if (m_typedIndex >= length) {
        checkTypedWord();
        return;
    }

    QString piece = name.mid(m_typedIndex, 2).toLower();
    QString shown;
    LetterRules::answerForm(piece, shown, digraphs());

    if (m_typed->name.toUpper() != piece.toUpper()) {
        m_expected = piece.toUpper();
        showArrow(m_expected);
        ++m_wrongCount;
        ++m_result.wrongAnswers;
        m_stage->showFeedback(false, random(1, 3));
    } else {
        const int box = m_typedIndex - LetterRules::digraphsBefore(name, m_typedIndex, digraphs());
        m_typedText += shown;
        m_wrongCount = 0;
        m_stage->setLetter(box, LetterRules::imageName(name, m_typedIndex, true, lettering()),
                           Stage::Font::Cooper);
        ++m_typedIndex;
        m_stage->hideArrow();
        m_stage->showFeedback(true, random(1, 3));
        // Trailing spaces need no key: a word ending in spaces is complete after its last
        // letter.
        skipSpaces();
        if (m_typedIndex >= length)
            checkTypedWord();
    }

    if (m_wrongCount > 2) {
        m_wrongCount = 0;
        m_typedIndex = 0;
        m_typedText.clear();
        m_result.answered = true;
        m_result.revealed = true;
        showWord(*m_word, Stage::Font::Cooper);
        m_stage->hideArrow();
        m_stage->hideFeedback();
        playVideo(m_word->signPath(), QStringLiteral("sign"));
        m_wait = Wait::Video;
    }
}

void ActivityEngine::checkTypedWord()
{
    if (m_activity != 31)
        return;
    if (m_word && m_word->name.toUpper() == m_typedText.toUpper()) {
        m_wrongCount = 0;
        m_typedIndex = 0;
        correct();
    } else {
        wrong();
        // Typing goes on from the first box again, so the text and the boxes stay in step.
        if (acceptsLetters() && m_word) {
            m_typedIndex = 0;
            showWord(*m_word, Stage::Font::Blank);
        }
    }
    m_typedText.clear();
}

void ActivityEngine::correct()
{
    m_wrongCount = 0;
    m_result.answered = true;
    revealWord();
    m_stage->showFeedback(true, random(1, 3));
    m_stage->hideArrow();
    waitForReveal();
}

void ActivityEngine::wrong()
{
    ++m_wrongCount;
    ++m_result.wrongAnswers;
    m_stage->showFeedback(false, random(1, 3));
    if (m_wrongCount > 2) {
        m_wrongCount = 0;
        m_result.answered = true;
        m_result.revealed = true;
        m_stage->hideArrow();
        revealWord();
        waitForReveal();
    }
    showArrow(m_activity == 30 || m_activity == 31 ? m_expected
                                                   : (m_letter ? m_letter->name : QString()));
}

void ActivityEngine::waitForReveal()
{
    // Activity 25 reveals with the hands; the others with a video.
    m_wait = m_activity == 25 ? Wait::Hands : Wait::Video;
    if (m_wait == Wait::Hands && !m_handsPlaying) {
        m_wait = Wait::Feedback;
        m_nextTimer.start(nextItemDelayMs);
    }
}

void ActivityEngine::revealWord()
{
    if (!m_word)
        return;
    m_shown = m_word;
    m_shownLetter = m_letter;
    showPicture(*m_word);
    m_stage->hideWord(true);
    showWord(*m_word, Stage::Font::Cooper);
    switch (m_activity) {
    case 21:
    case 30:
    case 31:
        playVideo(m_word->signPath(), QStringLiteral("sign"));
        break;
    case 23:
        playVideo(m_word->lipsPath(), QStringLiteral("lips"));
        break;
    case 25:
        m_stage->hideHandPicture();
        playHands(*m_word);
        break;
    default:
        break;
    }
}

void ActivityEngine::showArrow(const QString &target)
{
    // Only a key typed for this item says where the wanted one lies.
    if (target.isEmpty() || !m_typed || !m_typedThisItem) {
        m_stage->hideArrow();
        return;
    }
    m_stage->showArrow(arrowOf(m_keyboard->keyDirection(target, m_typed->name)));
}

// Presentations.

void ActivityEngine::presentWord(bool repeat)
{
    m_highlightUnit = -1;
    m_stepIndex = 0;
    m_wordHidden = false;
    m_wordDrawn = false;
    m_stage->releaseButtons();
    if (!repeat) {
        m_shown.reset();
        m_shownLetter.reset();
        DrawFilter filter;
        filter.letters = false;
        filter.userId = m_source->userId();
        if (m_typed) {
            if (std::optional<Word::Word> word = m_source->drawWord(*m_typed, filter)) {
                m_shownLetter = m_typed;
                m_shown = std::make_shared<Word::Word>(*word);
                m_shown->letter = m_shownLetter.get();
            }
        }
    }
    if (!m_shown) {
        endItem();
        m_stage->showWarning(Stage::Warning::NoWords);
        return;
    }
    m_stage->hideHint();
    beginItem(*m_shown, m_shownLetter.get());

    m_steps.clear();
    if (m_activity != 24)
        m_steps << Step::BottomLetter;
    for (QChar code : m_settings->showOrder().left(3)) {
        if (code == QLatin1Char('w'))
            m_steps << Step::Word;
        else if (code == QLatin1Char('i'))
            m_steps << Step::Picture;
        else if (code == QLatin1Char('v'))
            m_steps << Step::Video;
    }
    m_repeatAvailable = true;
    runSteps();
}

void ActivityEngine::runSteps()
{
    while (m_stepIndex < m_steps.size()) {
        perform(m_steps.at(m_stepIndex++));
        // The letter-by-letter build goes on with the space key and then calls back.
        if (m_wait == Wait::Build)
            return;
        if (m_stepIndex >= m_steps.size())
            break;
        if (m_settings->userSwitch(QStringLiteral("stop-motion"))) {
            if (m_handsPlaying) {
                m_wait = Wait::Hands;
                m_stepsAfterHands = true;
            } else {
                m_wait = Wait::Step;
            }
            return;
        }
    }
    finishSteps();
}

void ActivityEngine::continueSteps()
{
    if (m_stepIndex >= m_steps.size()) {
        finishSteps();
        return;
    }
    if (m_settings->userSwitch(QStringLiteral("stop-motion")))
        m_wait = Wait::Step;
    else
        runSteps();
}

void ActivityEngine::finishSteps()
{
    m_stepIndex = 0;
    m_wait = m_handsPlaying ? Wait::Hands : Wait::None;
}

void ActivityEngine::perform(Step step)
{
    if (!m_shown)
        return;
    switch (step) {
    case Step::BottomLetter:
        showBottomLetter();
        break;
    case Step::Word:
        if (m_settings->letterByLetter() && !m_shown->name.isEmpty()) {
            m_buildUnit = 0;
            m_stage->startWord();
            m_wordDrawn = true;
            m_wait = Wait::Build;
            buildNextLetter();
        } else {
            showWord(*m_shown, Stage::Font::Cooper);
        }
        break;
    case Step::Picture:
        showPicture(*m_shown);
        break;
    case Step::Video:
        showVideoStep();
        break;
    }
}

void ActivityEngine::showVideoStep()
{
    if (!m_shown)
        return;
    switch (m_activity) {
    case 20:
        playVideo(m_shown->signPath(), QStringLiteral("sign"));
        break;
    case 22:
        playVideo(m_shown->lipsPath(), QStringLiteral("lips"));
        break;
    case 24:
        playHands(*m_shown);
        playFlus(*m_shown);
        break;
    default:
        break;
    }
}

void ActivityEngine::showWordStep()
{
    if (m_shown)
        perform(Step::Word);
}

const Word::Word *ActivityEngine::itemWord() const
{
    return ActivityCode::isQuestion(m_activity) ? m_word.get() : m_shown.get();
}

void ActivityEngine::showBottomLetter()
{
    const Letter::Letter *letter = m_shownLetter ? m_shownLetter.get() : m_typed.get();
    if (!letter)
        return;
    int index = -1;
    m_stage->showBottomLetter(LetterRules::imageName(letter->name, index, false, lettering()));
}

void ActivityEngine::showItemPicture()
{
    if (const Word::Word *word = itemWord())
        showPicture(*word);
}

void ActivityEngine::playItemVideo(bool lips)
{
    if (const Word::Word *word = itemWord())
        playVideo(lips ? word->lipsPath() : word->signPath(),
                  lips ? QStringLiteral("lips") : QStringLiteral("sign"));
}

void ActivityEngine::playItemHands()
{
    if (m_shown)
        playHands(*m_shown);
}

void ActivityEngine::playItemFlus()
{
    if (m_shown)
        playFlus(*m_shown);
}

void ActivityEngine::showHandPicture()
{
    if (!m_letter)
        return;
    int index = -1;
    m_stage->showHandPicture(m_settings->signsPath()
                             + LetterRules::imageName(m_letter->name, index, false, lettering())
                             + QStringLiteral(".png"));
}

void ActivityEngine::hideItemLetter(int position)
{
    if (const Word::Word *word = itemWord())
        hideLetter(*word, position);
}

void ActivityEngine::buildNextLetter()
{
    if (!m_shown)
        return;
    const QString name = m_shown->name;
    const QVector<LetterRules::Unit> units = LetterRules::units(name, digraphs());
    if (m_buildUnit >= units.size()) {
        // The space after the last letter: the presentation goes on.
        m_wait = Wait::None;
        continueSteps();
        return;
    }
    int index = units.at(m_buildUnit).position;
    m_stage->appendLetter(m_buildUnit, LetterRules::imageName(name, index, true, lettering()));
    ++m_buildUnit;
    if (m_buildUnit >= units.size() && m_settings->userSwitch(QStringLiteral("stop-motion"))) {
        m_wait = Wait::None;
        continueSteps();
    }
}

// Shown things.

void ActivityEngine::showWord(const Word::Word &word, Stage::Font font)
{
    m_stage->showWord(LetterRules::imageNames(word.name, lettering()), font);
    if (&word != m_shown.get())
        return;
    m_wordDrawn = true;
    // Drawn while the hands already spell: the letter they are at lights up at once.
    if (m_handsPlaying && m_highlightUnit >= 0) {
        const QVector<LetterRules::Unit> units = LetterRules::units(word.name, digraphs());
        if (m_highlightUnit < units.size()) {
            int index = units.at(m_highlightUnit).position;
            m_stage->setLetter(m_highlightUnit,
                               LetterRules::imageName(word.name, index, true, lettering()),
                               Stage::Font::Squares);
        }
    }
}

void ActivityEngine::hideLetter(const Word::Word &word, int position)
{
    const QString &name = word.name;
    if (position < 0 || position >= name.size())
        return;
    const LetterRules::Digraphs pairs = digraphs();
    const int before = LetterRules::digraphsBefore(name, position, pairs);
    // On the second character of a digraph the whole digraph becomes one blank box.
    int index = position > 0 && LetterRules::digraphsBefore(name, position - 1, pairs) < before
        ? position - 1
        : position;
    m_stage->setLetter(position - before, LetterRules::imageName(name, index, true, lettering()),
                       Stage::Font::Blank);
}

void ActivityEngine::showPicture(const Word::Word &word)
{
    // A word without a picture shows none, never the picture of the word before.
    if (word.image.isEmpty())
        m_stage->hidePicture();
    else
        m_stage->showPicture(word.imagePath());
}

void ActivityEngine::playVideo(const QString &path, const QString &kind)
{
    m_videoPath = path;
    noteMedia(kind);
    m_stage->playVideo(path);
}

void ActivityEngine::playHands(const Word::Word &word)
{
    const QStringList frames
        = LetterRules::sequenceFrames(word.name, m_settings->signsPath(), digraphs());
    m_highlightUnit = -1;
    m_handsPlaying = true;
    noteMedia(QStringLiteral("hands"));
    m_handsWatchdog.start(int(frames.size()) * m_sequenceInterval + sequenceGraceMs);
    m_stage->playHands(frames, m_sequenceInterval);
}

void ActivityEngine::playFlus(const Word::Word &word)
{
    if (!m_settings->languageSwitch(QStringLiteral("use-flus")))
        return;
    noteMedia(QStringLiteral("flus"));
    m_stage->playFlus(LetterRules::sequenceFrames(word.name, m_settings->flusPath(), digraphs()),
                      m_sequenceInterval);
}
