#pragma once

#include "data/letter.h"
#include "data/word.h"

#include <QString>

#include <optional>

// The settings an activity reads, each at the moment it needs them (the teacher may change
// them between two items).
class ActivitySettings
{
public:
    virtual ~ActivitySettings() = default;

    // Language-wide switches: "use-ch", "use-ll", "use-caps", "use-flus".
    virtual bool languageSwitch(const QString &key) const = 0;
    // Switches of the current user: "first-caps", "stop-motion".
    virtual bool userSwitch(const QString &key) const = 0;
    // The show order code of the current user ("wiv", "ivw", ...).
    virtual QString showOrder() const = 0;
    // The presentations only show letters of the strict selection, when it is on.
    virtual bool isLetterShown(int letterId) const = 0;
    // The stop-motion button: words are built letter by letter.
    virtual bool letterByLetter() const = 0;
    // Folders of the hand and "Flus" pictures of the language (ending in "/").
    virtual QString signsPath() const = 0;
    virtual QString flusPath() const = 0;
};

// What a draw is filtered by.
struct DrawFilter
{
    bool letters = true;
    bool categories = true;
    int userId = 0;
    // A question item: one time in three a due word the child missed may come back.
    bool review = false;
};

// Where the items come from: random draws and look-ups of letters and words.
class ItemSource
{
public:
    virtual ~ItemSource() = default;

    // A language and a user are chosen: there is anything to draw from at all.
    virtual bool isReady() const = 0;
    // Some letter of the selection has a word.
    virtual bool hasAvailable() = 0;
    virtual std::optional<Letter::Letter> drawLetter(const DrawFilter &filter) = 0;
    virtual std::optional<Word::Word> drawWord(const Letter::Letter &letter,
                                               const DrawFilter &filter)
        = 0;
    virtual std::optional<Letter::Letter> letterById(int id) = 0;
    virtual std::optional<Word::Word> wordById(int id) = 0;
    virtual std::optional<Letter::Letter> letterByName(const QString &name) = 0;
    virtual int userId() const = 0;
};
