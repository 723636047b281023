#pragma once

#include <QDialog>
#include <memory>

class QLineEdit;

namespace Language {
class Language;
}
namespace Category {
class Category;
}

// Adds a category to a language or gives a category a new name; names are stored in capitals.
class CategoryWidget : public QDialog
{
    Q_OBJECT

public:
    CategoryWidget(Language::Language *language, Category::Category *category,
                   QWidget *parent = nullptr);
    ~CategoryWidget() override;

signals:
    void done();

public slots:
    void slotDoIt();
    void slotCloseIt();

private:
    bool editMode = false;
    Language::Language *language = nullptr;
    Category::Category *category = nullptr;
    std::unique_ptr<Category::Category> ownCategory;
    QLineEdit *nameField = nullptr;
};
