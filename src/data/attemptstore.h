#pragma once

struct ItemResult;

// The child's record: one attempt row per finished item.
class AttemptStore
{
public:
    // Writes the row of one item of a question or presentation activity. Items of the
    // presentation activities asked nothing: their wrong_answers and revealed stay NULL.
    // False when the item is of no such activity or the write fails (a read-only or older
    // file); nothing is thrown and nothing else changes.
    static bool record(int userId, const ItemResult &result);

    // Removes every row of the user's record and the boxes of its missed words.
    static bool deleteForUser(int userId);

    // Whether the file can keep a record at all.
    static bool isAvailable();
};
