#pragma once

#include <QDate>
#include <QString>

class QRandomGenerator;

namespace Config {
class Config;
}
namespace Letter {
class Letter;
}
namespace Word {
class WordList;
}

// Missed words come back: a word a child missed waits in a box of its own (review_box, kept
// by the schema's triggers), and the question activities draw a due one one time in three.
class Review
{
public:
    // The per-user switch "Repasar las palabras falladas": on unless a row says 0.
    static const QString key;
    static bool isOn(Config::Config *config, int userId);
    static bool setOn(Config::Config *config, int userId, bool on);

    // Due missed words of the letter within the category filter.
    static int dueCount(Config::Config *config, int userId, int letterId, bool useCategoryFilter,
                        const QDate &today = QDate::currentDate());
    // One of them, each equally likely; 0 when none is due.
    static int dueWordId(Config::Config *config, int userId, int letterId, bool useCategoryFilter,
                         QRandomGenerator &random, const QDate &today = QDate::currentDate());

    // The word of a question item: with the switch on, one time in three a due missed word
    // of the letter when there is one; otherwise the uniform draw. A user id of 0 (no child,
    // a presentation activity) is always the uniform draw.
    static int drawWordId(Config::Config *config, int userId, int letterId, bool useCategoryFilter,
                          QRandomGenerator &random, const QDate &today = QDate::currentDate());
    static void loadWord(Word::WordList &list, Config::Config *config, int userId,
                         Letter::Letter *letter, bool useCategoryFilter, QRandomGenerator &random,
                         const QDate &today = QDate::currentDate());
};
