// The main window's key handler: the key is translated and handed to the engine.
#include "app/mainwindow.h"

#include "activities/activityengine.h"
#include "activities/letterrules.h"
#include "app/menuwidget.h"

#include <QKeyEvent>

void MainWindow::keyReleaseEvent(QKeyEvent *event)
{
    // Reading a story: the keyboard plays no part.
    if (activeSubMenu == 14)
        return;

    switch (event->key()) {
    case Qt::Key_Escape:
        if (splashActive)
            slotHideCredits();
        else if (exiting)
            close();
        return;
    case Qt::Key_Space:
        if (!splashActive && !exiting)
            m_engine->space();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!splashActive && !exiting)
            m_engine->submit();
        return;
    default:
        break;
    }

    const QString text = event->text().toLower();
    const LetterRules::Digraphs digraphs {languageSwitch(QStringLiteral("use-ch")),
                                          languageSwitch(QStringLiteral("use-ll"))};
    if (!LetterRules::isLetterKey(text, digraphs)) {
        m_engine->otherKey();
        return;
    }
    if (splashActive || exiting || event->modifiers() != Qt::NoModifier)
        return;
    subSubMenu1->hide();
    subSubMenu2->hide();
    m_engine->letterKey(text);
}
