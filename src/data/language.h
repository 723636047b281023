#pragma once

#include <QString>

namespace Language {

class Language
{
public:
    bool loadById(int id);
    QString mediaPath() const;

    int id = 0;
    QString name;
};

} // namespace Language
