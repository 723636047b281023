#include "promptrecorder.h"

PromptRecorder::PromptRecorder()
{
    Prompts::setHandler([this](Prompts::Kind kind, QWidget *, const QString &title,
                               const QString &text, QString *answer) {
        if (kind == Prompts::Kind::OpenFile) {
            if (answer)
                *answer = files.isEmpty() ? QString() : files.takeFirst();
            return true;
        }
        prompts.append({kind, title, text});
        if (kind == Prompts::Kind::Question)
            return answers.isEmpty() ? true : answers.takeFirst();
        return true;
    });
}

PromptRecorder::~PromptRecorder()
{
    Prompts::setHandler(nullptr);
}

QStringList PromptRecorder::titles() const
{
    QStringList result;
    for (const Prompt &prompt : prompts)
        result << prompt.title;
    return result;
}
