#pragma once

#include <QString>
#include <functional>

class QWidget;

// The message boxes and file chooser of the teacher's dialogs, in one place so that a test can
// answer them instead of a person.
namespace Prompts {

enum class Kind { Information, Warning, Question, OpenFile };

// Receives every prompt while set. For a question it returns the answer (true = "&Si"); for
// OpenFile it returns the chosen path through `answer`. Null restores the real dialogs.
using Handler = std::function<bool(Kind kind, QWidget *parent, const QString &title,
                                   const QString &text, QString *answer)>;
void setHandler(Handler handler);

// A question with the buttons "&Si" (default) and "&No" (Escape); true for "&Si".
bool ask(QWidget *parent, const QString &title, const QString &text);
void inform(QWidget *parent, const QString &title, const QString &text);
// A warning with one OK button and no default button.
void warn(QWidget *parent, const QString &title, const QString &text);
// QFileDialog::getOpenFileName from the working directory; empty when cancelled.
QString openFile(QWidget *parent, const QString &caption, const QString &filter);
// A folder chooser; empty when cancelled. A handler sees it as OpenFile with an empty filter.
QString chooseFolder(QWidget *parent, const QString &caption);

} // namespace Prompts
