#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;

namespace User {
class User;
}
namespace Language {
class Language;
}
namespace Letter {
class LetterList;
}
namespace Category {
class CategoryList;
}
namespace Config {
class Config;
}

// What the activities draw from and how words are shown, for one user and language.
class ConfigWidget : public QDialog
{
    Q_OBJECT

public:
    ConfigWidget(User::User *user, Language::Language *language, Letter::LetterList *letters,
                 Category::CategoryList *categories, Config::Config *config,
                 QWidget *parent = nullptr);

signals:
    void done();

public slots:
    void slotDoIt();
    void slotCloseIt();
    void checkAllCategories();
    void checkAllLetters();
    void uncheckAllCategories();
    void uncheckAllLetters();

private:
    void fillLetters();
    void fillCategories();

    // Only the id is kept: the user record belongs to the main window and may be replaced.
    int userId = 0;
    Language::Language *language = nullptr;
    Letter::LetterList *letterList = nullptr;
    Category::CategoryList *categoryList = nullptr;
    Config::Config *config = nullptr;

    QLabel *showOrderLabel = nullptr;
    QComboBox *showOrderBox = nullptr;
    QListWidget *lettersList = nullptr;
    QListWidget *categoriesList = nullptr;
    QCheckBox *firstCapsBox = nullptr;
    QCheckBox *stopMotionBox = nullptr;
    QCheckBox *reviewBox = nullptr;
};
