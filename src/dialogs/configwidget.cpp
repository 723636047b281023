#include "configwidget.h"

ConfigWidget::ConfigWidget(User::User *user, Language::Language *language,
                           Letter::LetterList *letters, Category::CategoryList *categories,
                           Config::Config *config, QWidget *parent)
    : QDialog(parent)
    , user(user)
    , language(language)
    , letterList(letters)
    , categoryList(categories)
    , config(config)
{
    setWindowTitle(tr("Configuración"));
}

void ConfigWidget::slotDoIt() { }
void ConfigWidget::slotCloseIt()
{
    emit done();
    close();
}
void ConfigWidget::checkAllCategories() { }
void ConfigWidget::checkAllLetters() { }
void ConfigWidget::uncheckAllCategories() { }
void ConfigWidget::uncheckAllLetters() { }
void ConfigWidget::fillLetters() { }
void ConfigWidget::fillCategories() { }
