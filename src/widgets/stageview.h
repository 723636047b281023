#pragma once

#include "activities/stage.h"

#include <QObject>
#include <QRect>
#include <QVector>

class QLabel;
class QPixmap;
class QWidget;
class ImageWidget;
class SequenceWidget;
class VideoPlayer;

// The stage of the main window: the letter row, the picture, the video, the hand and "Flus"
// sequences, feedback, arrow, warnings and the story pages, all children of the window.
// Geometry is given in the coordinates of the 1024×768 design and set in place() only.
class StageView : public QObject, public Stage
{
    Q_OBJECT

public:
    StageView(QWidget *host, const QString &systemMediaPath);
    ~StageView() override;

    // Every child widget is positioned here, from design coordinates.
    void place(QWidget *widget, const QRect &designRect) const;

    void showTitle(int activity) override;
    void hideTitle();
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

    // The stories: pages stepped with the arrows.
    void showStory(const QString &folder, int story, int pages);

    QLabel *titleLabel() const { return m_title; }
    QLabel *orientationLabel() const { return m_orientation; }
    ImageWidget *bottomLetterImage() const { return m_bottomLetter; }
    ImageWidget *wordImage() const { return m_picture; }
    VideoPlayer *videoPlayer() const { return m_video; }
    QLabel *noWordsWarning() const { return m_noWords; }
    QLabel *noRepeatWarning() const { return m_noRepeat; }
    SequenceWidget *handSequence() const { return m_hands; }
    QLabel *handLabel() const { return m_hand; }
    QLabel *feedbackLabel() const { return m_feedback; }
    SequenceWidget *fluSequence() const { return m_flus; }
    SequenceWidget *storySequence() const { return m_story; }
    QLabel *hintLabel() const { return m_hint; }
    const QVector<QLabel *> &letterLabels() const { return m_letters; }

signals:
    void mediaFinished();
    void mediaFailed();
    void handsFrame();
    void handsFinished();
    void buttonsReleased();

private:
    QString fontFolder(Font font) const;
    QLabel *letterLabel(int box);
    // Draws a letter picture into a box; at a new x when x >= 0. Returns the width drawn.
    int drawLetter(QLabel *label, const QString &folder, const QString &imageName, int x);

    QWidget *m_host;
    QString m_system;
    QLabel *m_title = nullptr;
    QLabel *m_orientation = nullptr;
    ImageWidget *m_bottomLetter = nullptr;
    ImageWidget *m_picture = nullptr;
    VideoPlayer *m_video = nullptr;
    QLabel *m_noWords = nullptr;
    QLabel *m_noRepeat = nullptr;
    SequenceWidget *m_hands = nullptr;
    QLabel *m_hand = nullptr;
    QLabel *m_feedback = nullptr;
    SequenceWidget *m_flus = nullptr;
    SequenceWidget *m_story = nullptr;
    QLabel *m_hint = nullptr;
    QVector<QLabel *> m_letters;
    int m_buildX = 0;
};
