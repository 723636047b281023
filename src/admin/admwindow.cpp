#include "admwindow.h"

#include "data/category.h"
#include "data/language.h"
#include "data/letter.h"
#include "data/word.h"

AdmWindow::AdmWindow(Letter::LetterList *letterList, Word::WordList *wordList,
                     Category::CategoryList *categoryList, QWidget *parent)
    : QDialog(parent), letterList(letterList), wordList(wordList), categoryList(categoryList)
{
    setWindowTitle(tr("Administrador de Medios"));
}

AdmWindow::~AdmWindow() = default;

void AdmWindow::setLanguage(Language::Language *language)
{
    currentLanguage = language;
}

void AdmWindow::removeDirectory(const QString &) { }
QString AdmWindow::lettersRoot() const
{
    return currentLanguage ? currentLanguage->mediaPath() + "Letras" : QString();
}
void AdmWindow::slotInsertLetter() { }
void AdmWindow::slotEditLetter() { }
void AdmWindow::slotDeleteLetter() { }
void AdmWindow::slotLetterClicked(const QModelIndex &) { }
void AdmWindow::slotRefresh() { }
void AdmWindow::slotRefreshParent() { }
void AdmWindow::slotTabs(int) { }
void AdmWindow::slotInsertCategory() { }
void AdmWindow::slotEditCategory() { }
void AdmWindow::slotDeleteCategory() { }
void AdmWindow::slotCategoryClicked(QListWidgetItem *) { }
void AdmWindow::slotRefreshCategoriesList() { }
void AdmWindow::slotShowWordsCategory() { }
bool AdmWindow::isInsideLetters(const QString &) const
{
    return false;
}
void AdmWindow::removeTree(const QString &) { }
void AdmWindow::forgetSelection() { }
