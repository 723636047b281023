#include "categorywordwidget.h"

#include "data/category.h"
#include "data/word.h"

CategoryWordWidget::CategoryWordWidget(Word::WordList *wordList, Category::Category *category,
                                       QWidget *parent)
    : QDialog(parent), wordList(wordList), category(category)
{ }

void CategoryWordWidget::slotCloseIt()
{
    emit done();
    close();
}
void CategoryWordWidget::fillWords() { }
