#pragma once

#include "word.h"

#include <QList>
#include <QPair>
#include <QString>
#include <functional>

namespace Letter {
class Letter;
}

// Saving a word is a change to the database and to its folder at once. It is journaled so
// that a crash anywhere leaves either the old word or the new one, complete:
//   1. an intent file in the letter folder names every step;
//   2. the new folder and the copies of the chosen files appear under hidden staging names;
//   3. one transaction writes the record, its links and a commit marker;
//   4. the folder is renamed, the copies take their final names, old media are deleted;
//   5. the marker and the intent file go.
// recover() finishes what got past 3 and undoes what did not.
namespace WordSave {

enum class Result {
    Saved,
    DuplicateFullName, // another word or folder of the letter has that full name
    MissingLetterFolder,
    FolderFailed, // the word folder could not be created
    CopyFailed,
    RecordFailed, // the database refused; nothing changed
};

struct Request
{
    Letter::Letter *letter = nullptr;
    // The stored word (edit) or null (new word).
    const Word::Word *before = nullptr;
    QString name;
    QString fullName;
    // Chosen files for image, sign and lips; empty when that medium is unchanged.
    QString sources[3];
    // Writes the word's category links inside the transaction, once the word has its id.
    std::function<bool(Word::Word &)> writeLinks;
};

struct Outcome
{
    Result result = Result::RecordFailed;
    Word::Word word; // the saved word (valid when Saved)
    QString detail; // the file or folder a failure is about
};

Outcome save(const Request &request);

// The name a chosen file gets in the word folder: its own name without leading dots, made
// unique against `taken` by a "-2", "-3", ... before the extension.
QString finalName(const QString &chosenName, const QStringList &taken);

// Finishes or undoes interrupted saves of one letter folder, then removes staging leftovers
// in its word folders. Saves still running in another copy of the program are left alone.
void recoverLetter(const QString &letterDir);
// The same for every letter folder below a "Letras" folder.
void recoverAll(const QString &lettersRoot);

// Called at each step of a save with its name; a test makes the process die there.
extern std::function<void(const char *step)> stepHook;

} // namespace WordSave
