#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

// Answers every modal message box that comes up while it lives, as a person clicking its
// button would, and keeps the titles and texts it saw.
class MessageBoxAnswerer : public QObject
{
public:
    MessageBoxAnswerer();

    QStringList titles;
    QStringList texts;

private:
    QTimer m_timer;
};
