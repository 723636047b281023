#pragma once

#include "videoencoder.h"

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

// Writes the demo media tree: every interface picture the program names, the letter fonts,
// and per language of the database the word media, hand and Flus pictures, stories and
// credits. Pictures are drawn with MediaPainter, videos encoded by VideoEncoder.
class MediaGenerator
{
public:
    struct Options
    {
        bool videos = true;
        // Without force, videos and word pictures that exist are kept: videos are slow to
        // make, and a word's files may be a teacher's own. Interface pictures are always redrawn.
        bool force = false;
        int jobs = 2;
        QString ffmpeg; // empty: found on the PATH
    };

    explicit MediaGenerator(const QString &mediaRoot, const Options &options);
    explicit MediaGenerator(const QString &mediaRoot);

    // The whole tree from the database at databasePath (opened read-only).
    bool generate(const QString &databasePath);
    // Only the language-independent half ("system/").
    bool generateSystem();

    QString errorString() const { return m_error; }
    // What was skipped and why (no ffmpeg, unsafe names, failed videos), one line each.
    QStringList notes() const { return m_notes; }
    int picturesWritten() const { return m_pictures; }
    int videosWritten() const { return m_videos; }
    int filesKept() const { return m_kept; }

    // Every image name a letter font folder holds, with its case folder ("min/a", "may/CH").
    static QStringList letterImageNames();
    // The letter shown for an image name without case folder ("nt" -> "ñ", "AT" -> "Á").
    static QString glyphOf(const QString &imageName);
    // The file keys of the hand and Flus pictures ("a", "ch", "nt", " ", ...).
    static QStringList sequenceKeys();
    static QList<int> storyPageCounts() { return {8, 8, 8, 9, 10}; }

    // One short video, encoded at once: a coloured frame with the text and a moving hand.
    static bool writeClip(const QString &path, const QString &text, double seconds = 1.0,
                          const QSize &size = QSize(320, 240), const QString &ffmpeg = QString());

private:
    struct WordMedia
    {
        QString name;
        QString fullName;
        QString image;
        QString sign;
        QString lips;
        QString letter;
        QString category;
    };

    bool writeSystem();
    bool writeLanguage(const QString &language, const QStringList &letters,
                       const QList<WordMedia> &words);
    bool writeWord(const QString &letterDir, const WordMedia &word);
    bool savePicture(const QString &relativePath, const QImage &image, bool keepExisting = false);
    void queueVideo(const QString &relativePath, const QSize &size, double seconds,
                    const QString &text, int kind);
    bool encodeVideos();
    QString absolute(const QString &relativePath) const;

    QString m_root;
    Options m_options;
    VideoEncoder m_encoder;
    QString m_error;
    QStringList m_notes;
    int m_pictures = 0;
    int m_videos = 0;
    int m_kept = 0;
};
