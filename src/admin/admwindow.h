#pragma once

#include <QDialog>
#include <QModelIndex>
#include <QSet>
#include <memory>

class QFileSystemModel;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabWidget;
class QTreeView;

namespace Language {
class Language;
}
namespace Letter {
class Letter;
class LetterList;
} // namespace Letter
namespace Word {
class Word;
class WordList;
} // namespace Word
namespace Category {
class Category;
class CategoryList;
} // namespace Category

// The media administrator: the word folders of each letter and the word categories.
class AdmWindow : public QDialog
{
    Q_OBJECT

public:
    AdmWindow(Letter::LetterList *letterList, Word::WordList *wordList,
              Category::CategoryList *categoryList, QWidget *parent = nullptr);
    ~AdmWindow() override;

    void setLanguage(Language::Language *language);

    // Removes a folder of the language's "Letras" tree with what is visible in it. Refuses
    // anything outside that tree and never follows a symbolic link.
    // Says what could not be removed; true when the folder is gone.
    bool removeDirectory(const QString &path);
    // The language's letters root ("Letras", no trailing "/"); empty without a language.
    QString lettersRoot() const;

public slots:
    void slotInsertLetter();
    void slotEditLetter();
    void slotDeleteLetter();
    void slotLetterClicked(const QModelIndex &index);
    void slotRefresh();
    void slotRefreshParent();
    void slotTabs(int index);
    void slotInsertCategory();
    void slotEditCategory();
    void slotDeleteCategory();
    void slotCategoryClicked(QListWidgetItem *item);
    void slotRefreshCategoriesList();
    void slotShowWordsCategory();
    void slotBackup();
    void slotRestore();
    void slotProgress();

private:
    friend class AdmWindowTestAccess;

    bool isInsideLetters(const QString &path) const;
    // Removes what it can; names what is left (also mount points, never entered) in `left`.
    void removeTree(const QString &path, qint64 device, QStringList &left);
    void forgetSelection();

    Language::Language *currentLanguage = nullptr;
    Letter::LetterList *letterList = nullptr;
    std::unique_ptr<Letter::Letter> selectedLetter;
    Word::WordList *wordList = nullptr;
    std::unique_ptr<Word::Word> selectedWord;
    Category::CategoryList *categoryList = nullptr;
    std::unique_ptr<Category::Category> selectedCategory;
    // The folders the teacher clicked: these, not paths rebuilt from records, are deleted.
    QString selectedLetterPath;
    QString selectedWordPath;
    QSet<QString> m_mountPoints;

    QListWidget *categoriesListWidget = nullptr;
    QWidget *lettersPage = nullptr;
    QTabWidget *tabWidget = nullptr;
    QPushButton *addWordButton = nullptr;
    QPushButton *editWordButton = nullptr;
    QPushButton *deleteWordButton = nullptr;
    QWidget *categoriesPage = nullptr;
    QPushButton *addCategoryButton = nullptr;
    QPushButton *editCategoryButton = nullptr;
    QPushButton *deleteCategoryButton = nullptr;
    QPushButton *showWordsButton = nullptr;
    QPushButton *backupButton = nullptr;
    QPushButton *restoreButton = nullptr;
    QPushButton *progressButton = nullptr;
    QFileSystemModel *directoryModel = nullptr;
    QTreeView *mediaTree = nullptr;
    QLabel *lettersHeader = nullptr;
    QLabel *categoriesHeader = nullptr;
};
