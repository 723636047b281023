#include "mediawidget.h"

#include "data/category.h"
#include "data/language.h"
#include "data/letter.h"
#include "data/word.h"

MediaWidget::MediaWidget(Language::Language *language, Letter::Letter *letter,
                         Category::CategoryList *categoryList, Word::Word *word, QWidget *parent)
    : QDialog(parent)
    , editMode(word != nullptr)
    , language(language)
    , letter(letter)
    , currentWord(word)
    , categoryList(categoryList)
{ }

MediaWidget::~MediaWidget() = default;

QString MediaWidget::fullNameProblem(const QString &)
{
    return QString();
}

void MediaWidget::slotBrowseWordImage() { }
void MediaWidget::slotBrowseWordSign() { }
void MediaWidget::slotBrowseWordLips() { }
void MediaWidget::slotDoIt() { }
void MediaWidget::slotCloseIt()
{
    emit done();
    close();
}
void MediaWidget::fillCategories() { }
bool MediaWidget::saveCategories()
{
    return false;
}
