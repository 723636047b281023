#include "categorywidget.h"

#include "data/category.h"
#include "data/language.h"

CategoryWidget::CategoryWidget(Language::Language *language, Category::Category *category,
                               QWidget *parent)
    : QDialog(parent), editMode(category != nullptr), language(language), category(category)
{ }

CategoryWidget::~CategoryWidget() = default;

void CategoryWidget::slotDoIt() { }
void CategoryWidget::slotCloseIt()
{
    emit done();
    close();
}
