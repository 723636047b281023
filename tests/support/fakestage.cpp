#include "fakestage.h"

QStringList FakeStage::with(const QString &prefix) const
{
    QStringList lines;
    for (const QString &line : calls)
        if (line.startsWith(prefix))
            lines << line;
    return lines;
}

QString FakeStage::fontName(Font font)
{
    switch (font) {
    case Font::Blank:
        return QStringLiteral("blank");
    case Font::Squares:
        return QStringLiteral("squares");
    case Font::Cooper:
        break;
    }
    return QStringLiteral("cooper");
}

void FakeStage::showTitle(int activity)
{
    calls << QStringLiteral("title %1").arg(activity);
}

void FakeStage::showWord(const QStringList &imageNames, Font font)
{
    calls << QStringLiteral("word %1 %2").arg(fontName(font), imageNames.join(QLatin1Char(',')));
}

void FakeStage::setLetter(int box, const QString &imageName, Font font)
{
    calls << QStringLiteral("letter %1 %2 %3").arg(box).arg(fontName(font), imageName);
}

void FakeStage::startWord()
{
    calls << QStringLiteral("startWord");
}

void FakeStage::appendLetter(int box, const QString &imageName)
{
    calls << QStringLiteral("append %1 %2").arg(box).arg(imageName);
}

void FakeStage::hideWord(bool clear)
{
    calls << (clear ? QStringLiteral("hideWord clear") : QStringLiteral("hideWord"));
}

void FakeStage::showWordAgain()
{
    calls << QStringLiteral("showWordAgain");
}

void FakeStage::showPicture(const QString &path)
{
    calls << QStringLiteral("picture ") + path;
}

void FakeStage::hidePicture()
{
    calls << QStringLiteral("hidePicture");
}

void FakeStage::playVideo(const QString &path)
{
    calls << QStringLiteral("video ") + path;
}

void FakeStage::stopVideo()
{
    calls << QStringLiteral("stopVideo");
}

void FakeStage::playHands(const QStringList &frames, int intervalMs)
{
    handFrames = frames;
    handInterval = intervalMs;
    calls << QStringLiteral("hands %1 %2").arg(frames.join(QLatin1Char(','))).arg(intervalMs);
}

void FakeStage::playFlus(const QStringList &frames, int intervalMs)
{
    calls << QStringLiteral("flus %1 %2").arg(frames.join(QLatin1Char(','))).arg(intervalMs);
}

void FakeStage::stopSequences()
{
    calls << QStringLiteral("stopSequences");
}

void FakeStage::showHandPicture(const QString &path)
{
    calls << QStringLiteral("hand ") + path;
}

void FakeStage::hideHandPicture()
{
    calls << QStringLiteral("hideHand");
}

void FakeStage::showFeedback(bool good, int variant)
{
    calls << QStringLiteral("feedback %1 %2")
                 .arg(good ? QStringLiteral("good") : QStringLiteral("wrong"))
                 .arg(variant);
}

void FakeStage::hideFeedback()
{
    calls << QStringLiteral("hideFeedback");
}

void FakeStage::showArrow(Arrow arrow)
{
    static const char *names[] = {"none", "left", "right", "up", "down"};
    calls << QStringLiteral("arrow ") + QLatin1String(names[int(arrow)]);
}

void FakeStage::hideArrow()
{
    calls << QStringLiteral("hideArrow");
}

void FakeStage::showBottomLetter(const QString &imageName)
{
    calls << QStringLiteral("bottom ") + imageName;
}

void FakeStage::hideBottomLetter()
{
    calls << QStringLiteral("hideBottom");
}

void FakeStage::showWarning(Warning warning)
{
    calls << (warning == Warning::NoWords ? QStringLiteral("warning no words")
                                          : QStringLiteral("warning no repeat"));
}

void FakeStage::hideWarnings()
{
    calls << QStringLiteral("hideWarnings");
}

void FakeStage::reportNoWords()
{
    calls << QStringLiteral("report no words");
}

void FakeStage::showHint()
{
    calls << QStringLiteral("hint");
}

void FakeStage::hideHint()
{
    calls << QStringLiteral("hideHint");
}

void FakeStage::releaseButtons()
{
    calls << QStringLiteral("releaseButtons");
}

void FakeStage::clear()
{
    calls << QStringLiteral("clear");
}

ScriptedSource::ScriptedSource()
{
    m_language.id = 1;
    m_language.name = QStringLiteral("Test");
}

int ScriptedSource::addLetter(const QString &name)
{
    Letter::Letter letter;
    letter.id = int(m_letters.size()) + 1;
    letter.name = name;
    letter.language = &m_language;
    m_letters << letter;
    return letter.id;
}

int ScriptedSource::addWord(const QString &name, int letterId, bool withPicture)
{
    Word::Word word;
    word.id = 100 + int(m_words.size()) + 1;
    word.name = name;
    word.fullName = name;
    if (withPicture)
        word.image = name + QStringLiteral(".png");
    word.sign = name + QStringLiteral("-senas.avi");
    word.lips = name + QStringLiteral("-labios.avi");
    // The letter is resolved when the word is handed out.
    m_letterOf.insert(word.id, letterId);
    m_words << word;
    return word.id;
}

void ScriptedSource::removeWord(int id)
{
    for (int i = 0; i < m_words.size(); ++i)
        if (m_words.at(i).id == id)
            m_words.removeAt(i--);
}

int ScriptedSource::nextWordId()
{
    if (!script.isEmpty())
        return script.takeFirst();
    return m_words.at(m_round++ % m_words.size()).id;
}

std::optional<Letter::Letter> ScriptedSource::drawLetter(const DrawFilter &)
{
    if (m_words.isEmpty())
        return std::nullopt;
    m_pending = nextWordId();
    std::optional<Word::Word> word = wordById(m_pending);
    if (!word)
        return std::nullopt;
    return *word->letter;
}

std::optional<Word::Word> ScriptedSource::drawWord(const Letter::Letter &letter, const DrawFilter &)
{
    if (m_pending) {
        const int id = m_pending;
        m_pending = 0;
        ++drawn;
        return wordById(id);
    }
    for (const Word::Word &word : m_words) {
        if (m_letterOf.value(word.id) == letter.id) {
            ++drawn;
            return wordById(word.id);
        }
    }
    return std::nullopt;
}

std::optional<Letter::Letter> ScriptedSource::letterById(int id)
{
    for (const Letter::Letter &letter : m_letters)
        if (letter.id == id)
            return letter;
    return std::nullopt;
}

std::optional<Word::Word> ScriptedSource::wordById(int id)
{
    for (const Word::Word &word : m_words) {
        if (word.id != id)
            continue;
        Word::Word copy = word;
        // Points into the list, which outlives every engine of a test.
        copy.letter = nullptr;
        for (Letter::Letter &letter : m_letters)
            if (letter.id == m_letterOf.value(word.id))
                copy.letter = &letter;
        return copy;
    }
    return std::nullopt;
}

std::optional<Letter::Letter> ScriptedSource::letterByName(const QString &name)
{
    for (const Letter::Letter &letter : m_letters)
        if (letter.name.compare(name, Qt::CaseInsensitive) == 0)
            return letter;
    return std::nullopt;
}
