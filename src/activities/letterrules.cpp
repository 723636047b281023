#include "letterrules.h"

namespace LetterRules {

namespace {

bool isPair(const QString &word, int position, Digraphs digraphs)
{
    if (position < 0 || position + 1 >= word.size())
        return false;
    const QChar first = word.at(position).toLower();
    const QChar second = word.at(position + 1).toLower();
    return (digraphs.ch && first == QLatin1Char('c') && second == QLatin1Char('h'))
        || (digraphs.ll && first == QLatin1Char('l') && second == QLatin1Char('l'));
}

} // namespace

int unitLength(const QString &word, int position, Digraphs digraphs)
{
    return isPair(word, position, digraphs) ? 2 : 1;
}

QVector<Unit> units(const QString &word, Digraphs digraphs)
{
    QVector<Unit> result;
    int i = 0;
    while (i < word.size()) {
        const int length = unitLength(word, i, digraphs);
        result.append({i, length});
        i += length;
    }
    return result;
}

int digraphsBefore(const QString &word, int position, Digraphs digraphs)
{
    if (!digraphs.ch && !digraphs.ll)
        return 0;
    const int bound = qMin(position + 1, int(word.size()));
    const int last = qMin(position, int(word.size()) - 1);
    int count = 0;
    int i = 0;
    while (i < bound) {
        if (i < last && isPair(word, i, digraphs)) {
            ++count;
            i += 2;
        } else {
            ++i;
        }
    }
    return count;
}

QString accentCode(QChar c)
{
    switch (c.unicode()) {
    case 0x00E1:
        return QStringLiteral("at");
    case 0x00E9:
        return QStringLiteral("et");
    case 0x00ED:
        return QStringLiteral("it");
    case 0x00F3:
        return QStringLiteral("ot");
    case 0x00FA:
        return QStringLiteral("ut");
    case 0x00FC:
        return QStringLiteral("ud");
    case 0x00F1:
        return QStringLiteral("nt");
    case 0x00E7:
        return QStringLiteral("ct");
    case 0x00E0:
        return QStringLiteral("aa");
    case 0x00E8:
        return QStringLiteral("ea");
    case 0x00EC:
        return QStringLiteral("ia");
    case 0x00F2:
        return QStringLiteral("oa");
    case 0x00F9:
        return QStringLiteral("ua");
    case 0x00EF:
        return QStringLiteral("id");
    default:
        return QString(c);
    }
}

QString imageName(const QString &word, int &index, bool caseFolder, const Lettering &lettering)
{
    const QString text = word.toLower();
    const int p = index < 0 ? 0 : index;
    if (p >= text.size())
        return QString();

    QString name;
    if (isPair(text, p, lettering.digraphs)) {
        name = text.mid(p, 2);
        ++index;
    } else {
        name = accentCode(text.at(p));
    }
    if (name == QLatin1String(" "))
        return name;

    const QString upper = QStringLiteral("may/") + name.toUpper();
    if (lettering.allCaps)
        return upper;
    if (!caseFolder)
        return name;
    // A first "ch" or "ll" is one letter: its capital is the "CH" picture ("Chico", "Llama").
    if (p == 0 && lettering.firstCap)
        return upper;
    return QStringLiteral("min/") + name;
}

QStringList imageNames(const QString &word, const Lettering &lettering)
{
    QStringList names;
    for (int i = 0; i < word.size(); ++i)
        names << imageName(word, i, true, lettering);
    return names;
}

QString sequenceKey(const QString &word, const Unit &unit)
{
    if (unit.length == 2)
        return word.mid(unit.position, 2).toLower();
    const QChar c = word.at(unit.position).toLower();
    switch (c.unicode()) {
    case 0x00E1:
        return QStringLiteral("a");
    case 0x00E9:
        return QStringLiteral("e");
    case 0x00ED:
        return QStringLiteral("i");
    case 0x00F3:
        return QStringLiteral("o");
    case 0x00FA:
        return QStringLiteral("u");
    case 0x00F1:
        return QStringLiteral("nt");
    case 0x00E7:
        return QStringLiteral("ct");
    default:
        return QString(c);
    }
}

QStringList sequenceFrames(const QString &word, const QString &folder, Digraphs digraphs)
{
    QStringList frames;
    for (const Unit &unit : units(word, digraphs))
        frames << folder + sequenceKey(word, unit) + QStringLiteral(".png");
    return frames;
}

QChar plainVowel(QChar c)
{
    switch (c.toLower().unicode()) {
    case 0x00E1: // á
    case 0x00E0: // à
        return QLatin1Char('a');
    case 0x00E9: // é
    case 0x00E8: // è
        return QLatin1Char('e');
    case 0x00ED: // í
    case 0x00EC: // ì
    case 0x00EF: // ï
        return QLatin1Char('i');
    case 0x00F3: // ó
    case 0x00F2: // ò
        return QLatin1Char('o');
    case 0x00FA: // ú
    case 0x00F9: // ù
    case 0x00FC: // ü
        return QLatin1Char('u');
    default:
        return QChar();
    }
}

void answerForm(QString &text, QString &shown, Digraphs digraphs)
{
    if (text.isEmpty()) {
        shown.clear();
        return;
    }
    const QChar first = text.at(0).toLower();
    shown = first;
    const QChar plain = plainVowel(first);
    if (!plain.isNull()) {
        text = plain;
        return;
    }
    if (isPair(text, 0, digraphs)) {
        shown = text.left(2).toLower();
        return;
    }
    text = first;
}

QString letterAt(const QString &word, int position, Digraphs digraphs, int *start)
{
    int first = position;
    if (isPair(word, position, digraphs))
        first = position;
    else if (isPair(word, position - 1, digraphs))
        first = position - 1;
    if (start)
        *start = first;
    return word.mid(first, unitLength(word, first, digraphs)).toUpper();
}

int hiddenLetter(const QString &word, Digraphs digraphs, const std::function<int(int, int)> &random,
                 QString &letter)
{
    letter.clear();
    // A name of spaces only has no letter to hide.
    if (word.trimmed().isEmpty())
        return 0;
    int i = 0;
    do {
        i = random(0, int(word.size()) - 1);
    } while (word.at(i) == QLatin1Char(' '));
    int start = i;
    letter = letterAt(word, i, digraphs, &start);
    return start;
}

bool isLetterKey(const QString &text, Digraphs digraphs)
{
    if (text.size() != 1)
        return false;
    const QChar c = text.at(0);
    if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || c == QChar(0x00E7)
        || c == QChar(0x00F1))
        return true;
    return (digraphs.ch && c == QLatin1Char(',')) || (digraphs.ll && c == QLatin1Char('.'));
}

QString letterOfKey(const QString &text, Digraphs digraphs)
{
    if (digraphs.ch && text == QLatin1String(","))
        return QStringLiteral("ch");
    if (digraphs.ll && text == QLatin1String("."))
        return QStringLiteral("ll");
    return text;
}

} // namespace LetterRules
