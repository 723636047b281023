#pragma once

#include <QDialog>

class QListWidget;

namespace Word {
class WordList;
}
namespace Category {
class Category;
}

// The words linked to one category, read once when the dialog is built.
class CategoryWordWidget : public QDialog
{
    Q_OBJECT

public:
    CategoryWordWidget(Word::WordList *wordList, Category::Category *category,
                       QWidget *parent = nullptr);

signals:
    void done();

public slots:
    void slotCloseIt();

private:
    void fillWords();

    Word::WordList *wordList = nullptr;
    Category::Category *category = nullptr;
    QListWidget *wordsListWidget = nullptr;
};
