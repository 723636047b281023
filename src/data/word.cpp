#include "word.h"

#include "category.h"
#include "config.h"
#include "letter.h"
#include "sql.h"

namespace Word {

namespace {

const QString selectWord
    = QStringLiteral("SELECT id, name, fullName, image, sign, lips, id_letter FROM word ");
const QString byFullName = QStringLiteral("WHERE fullName = :fullName AND id_letter = :id_letter");

QString categoryFilter(Config::Config *config, bool useCategoryFilter)
{
    if (!config || !useCategoryFilter)
        return QString();
    return Config::Config::joinIds(Config::Config::parseIds(config->categoryIds));
}

} // namespace

void Word::fillFrom(const QSqlQuery &query)
{
    id = query.value(0).toInt();
    name = query.value(1).toString();
    fullName = query.value(2).toString();
    image = query.value(3).toString();
    sign = query.value(4).toString();
    lips = query.value(5).toString();
}

void Word::resolveLetter(int letterId)
{
    if (letter && letter->id == letterId)
        return;
    auto loaded = std::make_shared<Letter::Letter>();
    if (loaded->loadById(letterId)) {
        m_ownLetter = loaded;
        letter = loaded.get();
    } else {
        m_ownLetter.reset();
        letter = nullptr;
    }
}

bool Word::loadById(int wordId)
{
    QSqlQuery query;
    Sql::exec(query, selectWord + "WHERE id = :id", {{":id", wordId}});
    if (!Sql::first(query))
        return false;
    fillFrom(query);
    resolveLetter(query.value(6).toInt());
    return true;
}

bool Word::findByFullName(const QString &wordFullName, Letter::Letter *inLetter)
{
    if (!inLetter)
        return false;
    letter = inLetter;
    QSqlQuery query;
    Sql::exec(query, selectWord + byFullName,
              {{":fullName", wordFullName}, {":id_letter", inLetter->id}});
    if (!Sql::first(query))
        return false;
    fillFrom(query);
    resolveLetter(query.value(6).toInt());
    return true;
}

bool Word::insert()
{
    if (!letter)
        return false;
    return Sql::write("INSERT INTO word (name, fullName, image, sign, lips, id_letter) "
                      "VALUES (:name, :fullName, :image, :sign, :lips, :id_letter)",
                      {{":name", Sql::text(name)},
                       {":fullName", Sql::text(fullName)},
                       {":image", Sql::text(image)},
                       {":sign", Sql::text(sign)},
                       {":lips", Sql::text(lips)},
                       {":id_letter", letter->id}});
}

bool Word::update()
{
    return Sql::write("UPDATE word SET name = :name, fullName = :fullName, image = :image, "
                      "sign = :sign, lips = :lips WHERE id = :id",
                      {{":name", Sql::text(name)},
                       {":fullName", Sql::text(fullName)},
                       {":image", Sql::text(image)},
                       {":sign", Sql::text(sign)},
                       {":lips", Sql::text(lips)},
                       {":id", id}});
}

bool Word::save()
{
    if (!letter)
        return false;
    QSqlQuery query;
    if (!Sql::exec(query, selectWord + byFullName,
                   {{":fullName", Sql::text(fullName)}, {":id_letter", letter->id}}))
        return false;
    if (Sql::first(query)) {
        id = query.value(0).toInt();
        return update();
    }
    if (!insert())
        return false;
    return findByFullName(fullName, letter);
}

bool Word::remove()
{
    return Sql::write("DELETE FROM word WHERE id = :id", {{":id", id}});
}

bool Word::removeWithLinks()
{
    Sql::Transaction transaction;
    if (!transaction.isActive())
        return false;
    const bool removed
        = Sql::write("DELETE FROM word_x_category WHERE id_word = :id", {{":id", id}})
        && Sql::write("DELETE FROM word WHERE id = :id", {{":id", id}});
    return removed && transaction.commit();
}

bool Word::addCategory(Category::Category *category)
{
    if (!category)
        return false;
    return Sql::write("INSERT OR IGNORE INTO word_x_category (id_word,id_category) "
                      "VALUES (:id_word, :id_category)",
                      {{":id_word", id}, {":id_category", category->id}});
}

bool Word::removeCategory(Category::Category *category)
{
    if (!category)
        return false;
    return Sql::write("DELETE FROM word_x_category WHERE id_word = :id_word AND "
                      "id_category = :id_category",
                      {{":id_word", id}, {":id_category", category->id}});
}

bool Word::hasCategory(Category::Category *category)
{
    if (!category)
        return false;
    QSqlQuery query;
    Sql::exec(query,
              "SELECT id FROM word_x_category WHERE id_word = :id_word AND "
              "id_category = :id_category",
              {{":id_word", id}, {":id_category", category->id}});
    return Sql::first(query);
}

QString Word::mediaPath() const
{
    if (!letter)
        return QString();
    return letter->mediaPath() + fullName + "/";
}

QString Word::imagePath() const
{
    return mediaPath() + image;
}

QString Word::signPath() const
{
    return mediaPath() + sign;
}

QString Word::lipsPath() const
{
    return mediaPath() + lips;
}

void WordList::loadByCategory(Category::Category *category)
{
    m_words.clear();
    m_cursor = 0;
    if (!category)
        return;
    QSqlQuery query;
    if (!Sql::exec(query,
                   "SELECT w.id, w.name, w.fullName, w.image, w.sign, w.lips, w.id_letter "
                   "FROM word w JOIN word_x_category wc ON wc.id_word = w.id "
                   "WHERE wc.id_category = :id_category ORDER BY w.name ASC",
                   {{":id_category", category->id}})
        || !query.isSelect())
        return;
    while (query.next()) {
        Word word;
        word.fillFrom(query);
        m_words.append(word);
    }
}

QString WordList::candidateIdsQuery(Config::Config *config, bool useCategoryFilter)
{
    // With categories, only the letter's links to them are read (letter_x_category, kept by
    // the schema's triggers); GROUP BY makes a word linked to several of them one candidate.
    const QString categoryIds = categoryFilter(config, useCategoryFilter);
    if (categoryIds.isEmpty())
        return "SELECT w.id FROM word w WHERE w.id_letter = :id_letter";
    if (Sql::hasTable(QStringLiteral("letter_x_category")))
        return "SELECT lc.id_word FROM letter_x_category lc WHERE lc.id_letter = :id_letter AND "
               "lc.id_category IN ("
            + categoryIds + ") GROUP BY lc.id_word";
    // A database made before that table: each word of the letter tested once.
    return "SELECT w.id FROM word w WHERE w.id_letter = :id_letter AND EXISTS (SELECT 1 FROM "
           "word_x_category wc WHERE wc.id_word = w.id AND wc.id_category IN ("
        + categoryIds + "))";
}

QString WordList::candidatesQuery(Config::Config *config, bool useCategoryFilter)
{
    return selectWord + "WHERE id IN (" + candidateIdsQuery(config, useCategoryFilter) + ")";
}

QString WordList::joinedCandidatesQuery(Config::Config *config, bool useCategoryFilter)
{
    const QString categoryIds = categoryFilter(config, useCategoryFilter);
    if (categoryIds.isEmpty())
        return "SELECT id, name, fullName, image, sign, lips, id_letter FROM word "
               "WHERE id_letter = :id_letter";
    return "SELECT DISTINCT w.id, w.name, w.fullName, w.image, w.sign, w.lips, w.id_letter "
           "FROM word w JOIN word_x_category wc ON wc.id_word = w.id "
           "WHERE w.id_letter = :id_letter AND wc.id_category IN ("
        + categoryIds + ")";
}

QString WordList::randomQuery(Config::Config *config, bool useCategoryFilter)
{
    // The draw shuffles ids only, straight from an index; just the chosen row is read.
    return selectWord + "WHERE id = (" + candidateIdsQuery(config, useCategoryFilter)
        + " ORDER BY RANDOM() LIMIT 1)";
}

void WordList::loadRandom(Config::Config *config, Letter::Letter *letter, bool useCategoryFilter)
{
    m_words.clear();
    m_cursor = 0;
    if (!letter)
        return;
    QSqlQuery query;
    if (!Sql::exec(query, randomQuery(config, useCategoryFilter), {{":id_letter", letter->id}})
        || !query.isSelect())
        return;
    while (query.next()) {
        Word word;
        word.fillFrom(query);
        word.letter = letter;
        m_words.append(word);
    }
}

Word *WordList::next()
{
    if (m_cursor >= m_words.size())
        return nullptr;
    return &m_words[m_cursor++];
}

} // namespace Word
