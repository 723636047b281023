#pragma once

#include <QString>
#include <QStringList>

// Everything the activity engine shows goes through this: the window implements it with
// labels and players, tests with a recorder. Paths are full paths; letter pictures are named
// as LetterRules::imageName gives them and drawn from one of the fonts.
class Stage
{
public:
    enum class Font { Cooper, Blank, Squares };
    enum class Warning { NoWords, NoRepeat };
    // Where the pressed key lies from the key that was wanted; None shows an empty arrow box.
    enum class Arrow { None, Left, Right, Up, Down };

    virtual ~Stage() = default;

    virtual void showTitle(int activity) = 0;

    // The row of letter boxes: a whole word, one box changed, or a word built box by box.
    virtual void showWord(const QStringList &imageNames, Font font) = 0;
    virtual void setLetter(int box, const QString &imageName, Font font) = 0;
    virtual void startWord() = 0;
    virtual void appendLetter(int box, const QString &imageName) = 0;
    virtual void hideWord(bool clear) = 0;
    virtual void showWordAgain() = 0;

    virtual void showPicture(const QString &path) = 0;
    virtual void hidePicture() = 0;
    // Sign or lips video; the window answers with mediaFinished or mediaFailed.
    virtual void playVideo(const QString &path) = 0;
    virtual void stopVideo() = 0;
    // Frame sequences; the window answers with handsFrame for each frame and handsFinished.
    virtual void playHands(const QStringList &frames, int intervalMs) = 0;
    virtual void playFlus(const QStringList &frames, int intervalMs) = 0;
    virtual void stopSequences() = 0;
    virtual void showHandPicture(const QString &path) = 0;
    virtual void hideHandPicture() = 0;

    // One of the three "good" or "wrong" pictures (variant 1 to 3).
    virtual void showFeedback(bool good, int variant) = 0;
    virtual void hideFeedback() = 0;
    virtual void showArrow(Arrow arrow) = 0;
    virtual void hideArrow() = 0;
    virtual void showBottomLetter(const QString &imageName) = 0;
    virtual void hideBottomLetter() = 0;

    virtual void showWarning(Warning warning) = 0;
    virtual void hideWarnings() = 0;
    // The selection of letters and categories leaves no word at all: said once, in a message.
    virtual void reportNoWords() = 0;
    // A presentation waits for the child to type a letter.
    virtual void showHint() = 0;
    virtual void hideHint() = 0;

    // The repeat and hide-word buttons go back to their normal picture.
    virtual void releaseButtons() = 0;
    // Everything the engine showed goes; the title stays.
    virtual void clear() = 0;
};
