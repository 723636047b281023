#pragma once

#include <QString>

#include <memory>

namespace Language {

class Language
{
public:
    bool loadById(int id);
    QString mediaPath() const;

    int id = 0;
    QString name;
};

// Points a record's language at the language of that id: left alone when it already is that
// language, otherwise loaded into own (shared, so copies of the record stay valid); null
// when there is no such language.
void resolve(int languageId, Language *&language, std::shared_ptr<Language> &own);

} // namespace Language
