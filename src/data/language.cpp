#include "language.h"

#include "datalocation.h"
#include "sql.h"

namespace Language {

bool Language::loadById(int languageId)
{
    QSqlQuery query;
    Sql::exec(query, "SELECT id, name FROM language WHERE id = :id", {{":id", languageId}});
    if (!Sql::first(query))
        return false;
    id = query.value(0).toInt();
    name = query.value(1).toString();
    return true;
}

QString Language::mediaPath() const
{
    return DataLocation::current().mediaRoot() + "languages/" + name + "/";
}

void resolve(int languageId, Language *&language, std::shared_ptr<Language> &own)
{
    if (language && language->id == languageId)
        return;
    auto loaded = std::make_shared<Language>();
    if (loaded->loadById(languageId)) {
        own = loaded;
        language = loaded.get();
    } else {
        own.reset();
        language = nullptr;
    }
}

} // namespace Language
