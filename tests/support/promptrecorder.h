#pragma once

#include "admin/prompts.h"

#include <QList>
#include <QStringList>

// Answers the teacher dialogs' message boxes and file chooser in place of a person, and keeps
// what they said.
class PromptRecorder
{
public:
    struct Prompt
    {
        Prompts::Kind kind;
        QString title;
        QString text;
    };

    PromptRecorder();
    ~PromptRecorder();

    // Answers to the next questions, in order; once used up, every question gets "&Si".
    QList<bool> answers;
    // Paths the file chooser returns, in order; once used up it returns "" (cancelled).
    QStringList files;
    QList<Prompt> prompts;

    QStringList titles() const;
    QString lastText() const { return prompts.isEmpty() ? QString() : prompts.last().text; }
    QString lastTitle() const { return prompts.isEmpty() ? QString() : prompts.last().title; }
};
