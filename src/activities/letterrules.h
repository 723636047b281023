#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

// The rules of the Spanish letters the whole program follows: "ch" and "ll" as one letter when
// the language says so, accented vowels, picture names and keys of the letters.
namespace LetterRules {

struct Digraphs
{
    bool ch = false;
    bool ll = false;
};

// How a letter picture is chosen: the digraphs, capitals everywhere, a capital first letter.
struct Lettering
{
    Digraphs digraphs;
    bool allCaps = false;
    bool firstCap = false;
};

// One letter of a word as the child sees it: its first character and how many it covers.
struct Unit
{
    int position = 0;
    int length = 1;
};

// 2 when a digraph starts at the position, else 1.
int unitLength(const QString &word, int position, Digraphs digraphs);
// The letters of a word in order; a space is a letter of its own.
QVector<Unit> units(const QString &word, Digraphs digraphs);
// Digraphs that start before the position (a digraph ending at it counts): the number of the
// letter box that shows the character at the position.
int digraphsBefore(const QString &word, int position, Digraphs digraphs);

// The picture file name of the letter at index (without ".png"): "min/a", "may/CH", "nt", " ".
// index moves onto the second character of a digraph. Without caseFolder no "min/" is added.
QString imageName(const QString &word, int &index, bool caseFolder, const Lettering &lettering);
// The picture names of every letter of a word.
QStringList imageNames(const QString &word, const Lettering &lettering);
// The picture code of one character: "at" for á, "nt" for ñ, the character itself otherwise.
QString accentCode(QChar c);

// The picture key of one letter in the hand and "Flus" sequences, which keep no accents.
QString sequenceKey(const QString &word, const Unit &unit);
// folder + key + ".png" for every letter.
QStringList sequenceFrames(const QString &word, const QString &folder, Digraphs digraphs);

// The plain vowel of a marked one ('a' for á); null for any other character.
QChar plainVowel(QChar c);
// What answers a piece of a word: text becomes what the typed letter is compared with (the
// plain vowel, the digraph, the first letter), shown the form written into the word.
void answerForm(QString &text, QString &shown, Digraphs digraphs);
// The letter at a position of a word, as it is answered ("CH", "Ó", "Q"): the whole digraph
// when the position is on either of its characters.
QString letterAt(const QString &word, int position, Digraphs digraphs, int *start = nullptr);

// A letter of the word to hide, drawn with random(low, high); never a space, a whole digraph.
// Returns the first position of the letter, its answer text in letter.
int hiddenLetter(const QString &word, Digraphs digraphs, const std::function<int(int, int)> &random,
                 QString &letter);

// Keys: which typed texts are letters, and the letter a key stands for (',' is "ch").
bool isLetterKey(const QString &text, Digraphs digraphs);
QString letterOfKey(const QString &text, Digraphs digraphs);

} // namespace LetterRules
