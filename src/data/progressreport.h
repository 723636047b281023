#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QVector>

// What one child's record says, summed up for the teacher: per word, per letter, per day and
// per support shown. "Right" means right at the first try, without a reveal.
class ProgressReport
{
public:
    struct WordRow
    {
        int wordId = 0;
        QString word;
        QString letter;
        int tries = 0; // question items
        int firstRight = 0;
        int revealed = 0;
        int seen = 0; // presentation items
        QString lastSeen; // "yyyy-MM-dd hh:mm"
    };
    struct LetterRow
    {
        QString letter;
        int words = 0;
        int tries = 0;
        int firstRight = 0;
        int revealed = 0;
    };
    struct DayRow
    {
        QDate day;
        int tries = 0;
        int firstRight = 0;
    };
    struct SupportRow
    {
        QString support; // "sign", "lips", "hands", "flus"
        int shown = 0; // question items in which it was shown
        int needed = 0; // of those, items with a wrong answer or a reveal
    };

    // False when the file keeps no record or a statement fails; the lists are then empty.
    bool load(int userId);

    // The word table as CSV for a spreadsheet: UTF-8 with a byte order mark, ";" between
    // fields, CRLF between rows, fields with ";", '"' or a line break in quotes.
    QByteArray toCsv(const QString &childName) const;
    static QString csvField(const QString &text);

    // A printable report (HTML for a text document).
    QString toHtml(const QString &childName) const;

    static QString supportName(const QString &support);
    // A key that sorts words as a Spanish dictionary does: accents do not count, ñ comes
    // after n. Much cheaper than a collator over a long record.
    static QString sortKey(const QString &text);
    void sortWords();
    static double share(int part, int whole) { return whole > 0 ? 100.0 * part / whole : 0.0; }

    // Sorted by word, as sortKey orders them.
    QVector<WordRow> words;
    QVector<LetterRow> letters;
    QVector<DayRow> days;
    QVector<SupportRow> supports;
};
