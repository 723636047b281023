#include "categorywordwidget.h"

#include "data/category.h"
#include "data/word.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CategoryWordWidget::CategoryWordWidget(Word::WordList *wordList, Category::Category *category,
                                       QWidget *parent)
    : QDialog(parent), wordList(wordList), category(category)
{
    setModal(true);
    setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);

    auto *closeButton = new QPushButton(tr("Cerrar"), this);
    closeButton->setFixedSize(100, 25);
    wordsListWidget = new QListWidget(this);
    wordsListWidget->setObjectName("wordsList");
    fillWords();
    connect(closeButton, &QPushButton::clicked, this, &CategoryWordWidget::slotCloseIt);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(wordsListWidget);
    layout->addWidget(closeButton);

    setWindowTitle(tr("Lista de palabras asociadas a la categoría: %1")
                       .arg(category ? category->name : QString()));
}

void CategoryWordWidget::fillWords()
{
    wordsListWidget->clear();
    if (!category)
        return;
    // A list of its own: reloading the shared one would free the word the main window holds.
    Word::WordList words;
    words.loadByCategory(category);
    words.reset();
    while (Word::Word *word = words.next()) {
        auto *item = new QListWidgetItem(word->name, wordsListWidget);
        item->setData(Qt::UserRole, word->id);
    }
}

void CategoryWordWidget::slotCloseIt()
{
    emit done();
    close();
}
