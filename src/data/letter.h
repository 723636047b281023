#pragma once

#include <QString>
#include <QVector>
#include <memory>

class QSqlQuery;

namespace Language {
class Language;
}
namespace Config {
class Config;
}

namespace Letter {

class Letter
{
public:
    bool loadById(int id);
    bool findByName(const QString &name, Language::Language *language);
    bool remove();
    // Removes the letter row with its words and their category links in one transaction.
    bool removeWithWords();
    int wordCount() const;
    QString mediaPath() const;

    int id = 0;
    QString name;
    Language::Language *language = nullptr;

private:
    void fillFrom(const QSqlQuery &query);

    // A language this letter loaded for itself; shared so copies stay valid.
    std::shared_ptr<Language::Language> m_ownLanguage;
};

class LetterList
{
public:
    void loadAll(Language::Language *language);
    void loadRandom(Config::Config *config, Language::Language *language, bool useFilters);
    bool hasAvailable(Config::Config *config, Language::Language *language);

    // Every letter a draw may give, and the draw itself (one of them, each equally likely).
    static QString candidatesQuery(Config::Config *config, bool useFilters);
    static QString randomQuery(Config::Config *config, bool useFilters);
    // The same candidates as a plain join; slower, kept as the reference for the draw.
    static QString joinedCandidatesQuery(Config::Config *config, bool useFilters);

    void reset() { m_cursor = 0; }
    Letter *next();
    int count() const { return m_letters.size(); }

private:
    void loadFrom(const QString &statement, Language::Language *language);

    QVector<Letter> m_letters;
    int m_cursor = 0;
};

} // namespace Letter
