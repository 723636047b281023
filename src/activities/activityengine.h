#pragma once

#include "activities/itemresult.h"
#include "activities/letterrules.h"
#include "activities/stage.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector>

#include <functional>
#include <memory>

class ActivitySettings;
class ItemSource;
class KeyboardManager;

namespace Letter {
class Letter;
}
namespace Word {
class Word;
}

// The activities 20 to 31: draws the items, judges what the child types, presents words step
// by step, and tells a Stage what to show. It knows nothing of widgets.
class ActivityEngine : public QObject
{
    Q_OBJECT

public:
    // What the engine waits for; every wait has an end that always comes.
    enum class Wait {
        None, // a letter (or, in a presentation, a letter or nothing)
        Step, // the space key for the next step of a presentation
        Build, // the space key for the next letter of a word built letter by letter
        Video, // the end of the revealed word's video, then the next item
        Hands, // the end of the hand sequence (or its watchdog)
        Feedback, // the short pause after the hands before the next item
    };

    // The pace of the hand and "Flus" sequences, and the pause before the next item.
    static constexpr int sequenceIntervalMs = 800;
    static constexpr int nextItemDelayMs = 500;
    // Added to the length of a sequence before its wait gives up.
    static constexpr int sequenceGraceMs = 2000;

    ActivityEngine(Stage *stage, ActivitySettings *settings, ItemSource *source,
                   QObject *parent = nullptr);
    ~ActivityEngine() override;

    // Tests use a shorter pace, and a scripted random.
    void setSequenceInterval(int ms) { m_sequenceInterval = ms; }
    int sequenceInterval() const { return m_sequenceInterval; }
    void setRandom(std::function<int(int, int)> random) { m_random = std::move(random); }

    // Inputs.
    void start(int activity);
    // The screen is reset (a menu was chosen, the program exits): the item ends, nothing waits.
    void reset();
    void letterKey(const QString &text);
    // A key that is no letter: clears what the last answer showed.
    void otherKey();
    void space();
    void submit();
    void repeat();
    void toggleWord(bool hide);
    void nextItem();
    void mediaFinished();
    // What the window's named slots reach: single steps on the word of the item.
    void answerTypedLetter();
    void presentItem();
    void revealWord();
    void showBottomLetter();
    void showItemPicture();
    void playItemVideo(bool lips);
    void playItemHands();
    void playItemFlus();
    void showHandPicture();
    void hideItemLetter(int position);
    void showWordStep();
    void showVideoStep();
    void mediaFailed();
    void handsFrame();
    void handsFinished();

    // State, for the window and tests.
    int activity() const { return m_activity; }
    Wait wait() const { return m_wait; }
    bool acceptsLetters() const;
    // The word the item is about: the presented one, or the question's.
    const Word::Word *itemWord() const;
    const Letter::Letter *currentLetter() const { return m_letter.get(); }
    const Word::Word *currentWord() const { return m_word.get(); }
    const Word::Word *shownWord() const { return m_shown.get(); }
    const Letter::Letter *typedLetter() const { return m_typed.get(); }
    int previousWordId() const { return m_previousWordId; }
    bool repeatAvailable() const { return m_repeatAvailable; }
    bool wordHidden() const { return m_wordHidden; }
    int stepIndex() const { return m_stepIndex; }
    int stepCount() const { return int(m_steps.size()); }
    int wrongCount() const { return m_wrongCount; }
    QString expectedText() const { return m_expected; }
    QString typedText() const { return m_typedText; }
    int typedIndex() const { return m_typedIndex; }
    const QTimer *nextItemTimer() const { return &m_nextTimer; }
    const QTimer *handsWatchdog() const { return &m_handsWatchdog; }

signals:
    void itemEnded(const ItemResult &result);

private:
    // Tests set up situations directly.
    friend class ActivityEngineTestAccess;

    enum class Step { BottomLetter, Word, Picture, Video };

    LetterRules::Digraphs digraphs() const;
    LetterRules::Lettering lettering() const;
    int random(int low, int high);

    // Items.
    void beginItem(const Word::Word &word, const Letter::Letter *letter);
    void endItem();
    void noteMedia(const QString &kind);
    void pickItem(bool repeat);
    void presentWord(bool repeat);
    bool drawItem();

    // Presentation steps.
    void runSteps();
    void perform(Step step);
    void showMedia(QChar code);
    void buildNextLetter();
    void continueSteps();
    void finishSteps();
    QString nextPiece() const;

    // Questions.
    void judgeLetter();
    void typeNextLetter();
    void checkTypedWord();
    void correct();
    void wrong();
    void showArrow(const QString &target);
    void waitForReveal();

    // What a new key clears before it is judged.
    void clearForKey();
    void stopWaits();

    // Shown things.
    void showWord(const Word::Word &word, Stage::Font font);
    void hideLetter(const Word::Word &word, int position);
    void showPicture(const Word::Word &word);
    void playVideo(const QString &path, const QString &kind);
    void playHands(const Word::Word &word);
    void playFlus(const Word::Word &word);

    Stage *m_stage;
    ActivitySettings *m_settings;
    ItemSource *m_source;
    KeyboardManager *m_keyboard;
    std::function<int(int, int)> m_random;
    int m_sequenceInterval = sequenceIntervalMs;
    QTimer m_nextTimer;
    QTimer m_handsWatchdog;

    int m_activity = -1;
    Wait m_wait = Wait::None;

    // The question item, the presented (or revealed) word and the last letter typed. Held by
    // value: the lists they are drawn from are shared with the administration window.
    std::shared_ptr<Letter::Letter> m_letter;
    std::shared_ptr<Word::Word> m_word;
    std::shared_ptr<Word::Word> m_shown;
    std::shared_ptr<Letter::Letter> m_shownLetter;
    std::shared_ptr<Letter::Letter> m_typed;
    // Typed during the current item; the arrow never points from a key of an earlier one.
    bool m_typedThisItem = false;
    int m_previousLetterId = 0;
    int m_previousWordId = 0;
    bool m_repeatAvailable = false;
    bool m_wordHidden = false;

    QVector<Step> m_steps;
    int m_stepIndex = 0;
    bool m_handsPlaying = false;
    // After the hands, the steps go on (a presentation) or the next item comes (a question).
    bool m_stepsAfterHands = false;
    // Letter boxes of the shown word are drawn: the highlight has somewhere to go.
    bool m_wordDrawn = false;
    int m_buildUnit = 0;
    int m_highlightUnit = -1;

    QString m_expected;
    QString m_typedText;
    int m_typedIndex = 0;
    int m_wrongCount = 0;

    // The item on stage, for its result.
    bool m_itemOpen = false;
    ItemResult m_result;
    QElapsedTimer m_clock;
    QString m_videoPath;
};
