#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// What happened in one finished item of an activity: emitted by the activity engine when the
// item ends, stored in the child's record.
struct ItemResult
{
    int activity = -1;
    int letterId = 0;
    QString letter;
    int wordId = 0;
    QString word;
    // False for presentation items (20, 22, 24), which ask nothing: the word was only seen.
    bool answered = false;
    int wrongAnswers = 0;
    // The word was shown after the third wrong answer, not typed.
    bool revealed = false;
    // Supports shown during the item, in the order first shown: "sign", "lips", "hands", "flus".
    QStringList media;
    QDateTime startedAt;
    QDateTime finishedAt;
    qint64 elapsedMs = 0;
};
