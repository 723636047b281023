#pragma once

#include <QDialog>
#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;

namespace Language {
class Language;
}
namespace Letter {
class Letter;
}
namespace Word {
class Word;
}
namespace Category {
class CategoryList;
}

// The word editor: a new word of a letter, or an existing word, with its media and categories.
class MediaWidget : public QDialog
{
    Q_OBJECT

public:
    MediaWidget(Language::Language *language, Letter::Letter *letter,
                Category::CategoryList *categoryList, Word::Word *word, QWidget *parent = nullptr);
    ~MediaWidget() override;

    // Why a full name cannot name a word folder, or an empty text when it can.
    static QString fullNameProblem(const QString &fullName);

    Word::Word *word() const { return currentWord; }

signals:
    void done();

public slots:
    void slotBrowseWordImage();
    void slotBrowseWordSign();
    void slotBrowseWordLips();
    void slotDoIt();
    void slotCloseIt();

private:
    void fillCategories();
    bool saveCategories(Word::Word &word);

    bool editMode = false;
    Language::Language *language = nullptr;
    Letter::Letter *letter = nullptr;
    Word::Word *currentWord = nullptr;
    std::unique_ptr<Word::Word> ownWord;
    Category::CategoryList *categoryList = nullptr;
    QListWidget *categoriesListWidget = nullptr;
    QLineEdit *nameField = nullptr;
    QLineEdit *fullNameField = nullptr;
    QLineEdit *imageField = nullptr;
    QLineEdit *signField = nullptr;
    QLineEdit *lipsField = nullptr;
    // What the media fields held when the dialog was built: equal text means unchanged.
    QString initialImage;
    QString initialSign;
    QString initialLips;

    // The chosen picture, small, under its field.
    void showImagePreview();
    QLabel *imagePreview = nullptr;
};
