#include "category.h"

#include "language.h"
#include "sql.h"

namespace Category {

bool Category::loadById(int categoryId)
{
    QSqlQuery query;
    Sql::exec(query, "SELECT id, name, id_language FROM category WHERE id = :id",
              {{":id", categoryId}});
    if (!Sql::first(query))
        return false;
    id = query.value(0).toInt();
    name = query.value(1).toString();
    Language::resolve(query.value(2).toInt(), language, m_ownLanguage);
    return true;
}

bool Category::insert()
{
    if (!language)
        return false;
    return Sql::write("INSERT INTO category (name, id_language) VALUES (:name, :id_language)",
                      {{":name", Sql::text(name)}, {":id_language", language->id}});
}

bool Category::update()
{
    return Sql::write("UPDATE category SET name = :name WHERE id = :id",
                      {{":name", Sql::text(name)}, {":id", id}});
}

bool Category::remove()
{
    return Sql::write("DELETE FROM category WHERE id = :id", {{":id", id}});
}

void CategoryList::load(Language::Language *language)
{
    m_categories.clear();
    m_cursor = 0;
    if (!language)
        return;
    QSqlQuery query;
    if (!Sql::exec(query,
                   "SELECT id, name FROM category WHERE id_language = :id_language "
                   "ORDER BY name ASC",
                   {{":id_language", language->id}})
        || !query.isSelect())
        return;
    while (query.next()) {
        Category category;
        category.id = query.value(0).toInt();
        category.name = query.value(1).toString().toUpper();
        category.language = language;
        m_categories.append(category);
    }
}

Category *CategoryList::next()
{
    if (m_cursor >= m_categories.size())
        return nullptr;
    return &m_categories[m_cursor++];
}

} // namespace Category
