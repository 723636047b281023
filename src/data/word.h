#pragma once

#include <QString>
#include <QVector>
#include <memory>

class QSqlQuery;
class QRandomGenerator;

namespace Letter {
class Letter;
}
namespace Category {
class Category;
}
namespace Config {
class Config;
}

namespace Word {

class Word
{
public:
    bool loadById(int id);
    bool findByFullName(const QString &fullName, Letter::Letter *letter);
    bool insert();
    bool update();
    bool save();
    bool remove();
    // Removes the row and its category links in one transaction.
    bool removeWithLinks();

    bool addCategory(Category::Category *category);
    bool removeCategory(Category::Category *category);
    bool hasCategory(Category::Category *category);

    QString mediaPath() const;
    QString imagePath() const;
    QString signPath() const;
    QString lipsPath() const;

    int id = 0;
    QString name;
    QString fullName;
    QString image;
    QString sign;
    QString lips;
    Letter::Letter *letter = nullptr;

private:
    friend class WordList;
    void fillFrom(const QSqlQuery &query);
    void resolveLetter(int letterId);

    std::shared_ptr<Letter::Letter> m_ownLetter;
};

class WordList
{
public:
    void loadByCategory(Category::Category *category);
    void loadRandom(Config::Config *config, Letter::Letter *letter, bool useCategoryFilter);
    // The word of that id, referring to letter; none when it does not exist.
    void loadId(int wordId, Letter::Letter *letter);

    // The id of a random word of the letter under the category filter, every candidate
    // equally likely; 0 when there is none.
    static int randomId(Config::Config *config, int letterId, bool useCategoryFilter,
                        QRandomGenerator &random);

    // Every word of a letter a draw may give, and the draw itself (each equally likely).
    // The ids of the words of the letter (":id_letter") that pass the category filter.
    static QString candidateIdsQuery(Config::Config *config, bool useCategoryFilter);
    static QString candidatesQuery(Config::Config *config, bool useCategoryFilter);
    static QString randomQuery(Config::Config *config, bool useCategoryFilter);
    // The same candidates as a plain join; slower, kept as the reference for the draw.
    static QString joinedCandidatesQuery(Config::Config *config, bool useCategoryFilter);

    void reset() { m_cursor = 0; }
    Word *next();
    int count() const { return m_words.size(); }

private:
    QVector<Word> m_words;
    int m_cursor = 0;
};

} // namespace Word
