#pragma once

#include <QString>
#include <QVector>
#include <memory>

namespace Language {
class Language;
}

namespace Category {

class Category
{
public:
    bool loadById(int id);
    bool insert();
    bool update();
    bool remove();

    int id = 0;
    QString name;
    Language::Language *language = nullptr;

private:
    std::shared_ptr<Language::Language> m_ownLanguage;
};

class CategoryList
{
public:
    void load(Language::Language *language);

    void reset() { m_cursor = 0; }
    Category *next();
    int count() const { return m_categories.size(); }

private:
    QVector<Category> m_categories;
    int m_cursor = 0;
};

} // namespace Category
