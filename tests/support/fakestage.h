#pragma once

#include "activities/activitysources.h"
#include "activities/stage.h"
#include "data/language.h"

#include <QMap>
#include <QStringList>

// A stage that writes down every call as a line ("word cooper min/q,min/u", "video <path>").
class FakeStage : public Stage
{
public:
    QStringList calls;
    // Lines starting with a prefix, in order.
    QStringList with(const QString &prefix) const;
    int count(const QString &prefix) const { return int(with(prefix).size()); }
    // The last frames given to the hands.
    QStringList handFrames;
    int handInterval = 0;

    void showTitle(int activity) override;
    void showWord(const QStringList &imageNames, Font font) override;
    void setLetter(int box, const QString &imageName, Font font) override;
    void startWord() override;
    void appendLetter(int box, const QString &imageName) override;
    void hideWord(bool clear) override;
    void showWordAgain() override;
    void showPicture(const QString &path) override;
    void hidePicture() override;
    void playVideo(const QString &path) override;
    void stopVideo() override;
    void playHands(const QStringList &frames, int intervalMs) override;
    void playFlus(const QStringList &frames, int intervalMs) override;
    void stopSequences() override;
    void showHandPicture(const QString &path) override;
    void hideHandPicture() override;
    void showFeedback(bool good, int variant) override;
    void hideFeedback() override;
    void showArrow(Arrow arrow) override;
    void hideArrow() override;
    void showBottomLetter(const QString &imageName) override;
    void hideBottomLetter() override;
    void showWarning(Warning warning) override;
    void hideWarnings() override;
    void reportNoWords() override;
    void showHint() override;
    void hideHint() override;
    void releaseButtons() override;
    void clear() override;

    static QString fontName(Font font);
};

// Settings held in fields.
class FakeSettings : public ActivitySettings
{
public:
    QMap<QString, bool> switches;
    QString order = QStringLiteral("wiv");
    bool byLetter = false;
    QList<int> hiddenLetters;

    bool languageSwitch(const QString &key) const override { return switches.value(key); }
    bool userSwitch(const QString &key) const override { return switches.value(key); }
    QString showOrder() const override { return order; }
    bool isLetterShown(int letterId) const override { return !hiddenLetters.contains(letterId); }
    bool letterByLetter() const override { return byLetter; }
    QString signsPath() const override { return QStringLiteral("/signs/"); }
    QString flusPath() const override { return QStringLiteral("/flus/"); }
};

// Letters and words in memory; the question draws follow a script of word ids, then go
// round all words.
class ScriptedSource : public ItemSource
{
public:
    ScriptedSource();

    int addLetter(const QString &name);
    // A word with picture, sign and lips files named after it ("queso.png", ...), unless
    // withPicture is false.
    int addWord(const QString &name, int letterId, bool withPicture = true);
    void removeWord(int id);

    QList<int> script;
    bool ready = true;
    int drawn = 0;

    bool isReady() const override { return ready; }
    bool hasAvailable() override { return !m_words.isEmpty(); }
    std::optional<Letter::Letter> drawLetter(const DrawFilter &filter) override;
    std::optional<Word::Word> drawWord(const Letter::Letter &letter,
                                       const DrawFilter &filter) override;
    std::optional<Letter::Letter> letterById(int id) override;
    std::optional<Word::Word> wordById(int id) override;
    std::optional<Letter::Letter> letterByName(const QString &name) override;
    int userId() const override { return 1; }

private:
    int nextWordId();

    Language::Language m_language;
    QList<Letter::Letter> m_letters;
    QList<Word::Word> m_words;
    QMap<int, int> m_letterOf;
    int m_round = 0;
    int m_pending = 0;
};
