#include "keyboardmanager.h"

#include "activities/letterrules.h"

namespace {

QList<int> letterKeys(const char *letters)
{
    QList<int> keys;
    for (const char *c = letters; *c; ++c)
        keys << Qt::Key_A + (*c - 'A');
    return keys;
}

} // namespace

KeyboardManager::KeyboardManager(QObject *parent) : QObject(parent)
{
    QList<int> functionRow = {Qt::Key_Escape};
    for (int key = Qt::Key_F1; key <= Qt::Key_F12; ++key)
        functionRow << key;

    QList<int> digitRow = {Qt::Key_AsciiTilde};
    for (int key = Qt::Key_1; key <= Qt::Key_9; ++key)
        digitRow << key;
    digitRow << Qt::Key_0 << Qt::Key_Minus << Qt::Key_Plus << Qt::Key_Backspace;

    m_rows << functionRow << digitRow << (QList<int> {Qt::Key_Tab} + letterKeys("QWERTYUIOP"))
           << (QList<int> {Qt::Key_CapsLock} + letterKeys("ASDFGHJKL")
               + QList<int> {Qt::Key_Ntilde, Qt::Key_Return})
           << (QList<int> {Qt::Key_Shift} + letterKeys("ZXCVBNM")
               + QList<int> {Qt::Key_Comma, Qt::Key_Period, Qt::Key_Shift})
           << QList<int> {Qt::Key_Control, Qt::Key_Meta, Qt::Key_Alt,
                          Qt::Key_Space,   Qt::Key_Alt,  Qt::Key_Control};
}

bool KeyboardManager::isLetterKey(const QString &text, bool useCh, bool useLl) const
{
    return LetterRules::isLetterKey(text, {useCh, useLl});
}

int KeyboardManager::keyForLetter(const QString &letter) const
{
    if (letter == QLatin1String("CH"))
        return Qt::Key_Comma;
    if (letter == QLatin1String("LL"))
        return Qt::Key_Period;
    if (letter.size() != 1)
        return 0;
    const QChar c = letter.at(0);
    if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
        return Qt::Key_A + (c.unicode() - 'A');
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return Qt::Key_0 + (c.unicode() - '0');
    if (c == QChar(0x00C7) || c == QChar(0x00E7))
        return Qt::Key_cedilla;
    if (c == QChar(0x00D1) || c == QChar(0x00F1))
        return Qt::Key_Ntilde;
    return 0;
}

QPair<int, int> KeyboardManager::keyPosition(int key) const
{
    for (int row = 0; row < m_rows.size(); ++row) {
        const int column = m_rows.at(row).indexOf(key);
        if (column >= 0)
            return {column, row + 1};
    }
    return {-1, 0};
}

int KeyboardManager::compareKeys(int targetKey, int pressedKey) const
{
    const QPair<int, int> target = keyPosition(targetKey);
    const QPair<int, int> pressed = keyPosition(pressedKey);
    if (target.second == 0 || pressed.second == 0)
        return 0;
    if (target.second > pressed.second)
        return 5;
    if (target.second < pressed.second)
        return 4;
    if (target.first > pressed.first)
        return 3;
    if (target.first < pressed.first)
        return 2;
    return 1;
}

int KeyboardManager::keyDirection(const QString &target, const QString &pressed) const
{
    return compareKeys(keyForLetter(target), keyForLetter(pressed));
}
