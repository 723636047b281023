#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

// Which typed characters are letters and where each letter's key lies on a Spanish keyboard.
class KeyboardManager : public QObject
{
public:
    explicit KeyboardManager(QObject *parent = nullptr);

    bool isLetterKey(const QString &text, bool useCh, bool useLl) const;
    int keyForLetter(const QString &letter) const;
    // (column, row); row 0 and column -1 when the key is in no row.
    QPair<int, int> keyPosition(int key) const;
    int compareKeys(int targetKey, int pressedKey) const;
    int keyDirection(const QString &target, const QString &pressed) const;

private:
    QList<QList<int>> m_rows;
};
