#include "word.h"

#include "category.h"
#include "config.h"
#include "letter.h"
#include "sql.h"

#include <QRandomGenerator>
#include <QSet>

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

namespace {

// The draw by positions (word_slot, link_slot): without categories one statement picks a
// random position of the letter. With categories a position is drawn among the letter's
// links to them, and a word linked to m of them is kept with probability 1/m, so each word
// is as likely as any other. Returns -1 when the file has no positions.
int slotDraw(const QList<int> &categories, int letterId, QRandomGenerator &random)
{
    QSqlQuery query;
    if (categories.isEmpty()) {
        if (!Sql::exec(query,
                       "SELECT id_word FROM word_slot WHERE id_letter = :id_letter AND slot = "
                       "(SELECT (random() & 9223372036854775807) % (max(slot) + 1) FROM "
                       "word_slot WHERE id_letter = :id_letter)",
                       {{":id_letter", letterId}}))
            return -1;
        return query.next() ? query.value(0).toInt() : 0;
    }
    QStringList values;
    for (int id : categories)
        values << "(" + QString::number(id) + ")";
    if (!Sql::exec(query,
                   "SELECT column1, (SELECT max(slot) + 1 FROM link_slot WHERE id_letter = "
                   ":id_letter AND id_category = column1) FROM (VALUES "
                       + values.join(',') + ")",
                   {{":id_letter", letterId}}))
        return -1;
    QList<QPair<int, qint64>> counts;
    qint64 total = 0;
    while (query.next()) {
        const qint64 count = query.value(1).toLongLong();
        if (count > 0) {
            counts.append({query.value(0).toInt(), count});
            total += count;
        }
    }
    if (total == 0)
        return 0;
    const QString statement = "SELECT ls.id_word, (SELECT count(*) FROM letter_x_category lc "
                              "WHERE lc.id_letter = :id_letter AND lc.id_word = ls.id_word AND "
                              "lc.id_category IN ("
        + Config::Config::joinIds(categories)
        + ")) FROM link_slot ls WHERE ls.id_letter = :id_letter AND ls.id_category = "
          ":id_category AND ls.slot = :slot";
    // A word is kept at least one time in (number of categories), so this rarely ends empty.
    for (int tries = 0; tries < 64 * categories.size(); ++tries) {
        qint64 position = qint64(random.bounded(quint64(total)));
        int category = counts.first().first;
        for (const auto &entry : counts) {
            if (position < entry.second) {
                category = entry.first;
                break;
            }
            position -= entry.second;
        }
        if (!Sql::exec(query, statement,
                       {{":id_letter", letterId}, {":id_category", category}, {":slot", position}})
            || !query.next())
            return -1;
        const int links = query.value(1).toInt();
        if (links > 0 && random.bounded(links) == 0)
            return query.value(0).toInt();
    }
    return -1;
}

} // namespace

int WordList::randomId(Config::Config *config, int letterId, bool useCategoryFilter,
                       QRandomGenerator &random)
{
    QList<int> categories;
    if (config && useCategoryFilter) {
        // A category selected twice is one category: it must not count a link twice.
        const QList<int> parsed = Config::Config::parseIds(config->categoryIds);
        QSet<int> seen;
        for (int id : parsed) {
            if (!seen.contains(id)) {
                seen.insert(id);
                categories << id;
            }
        }
    }
    const int drawn = slotDraw(categories, letterId, random);
    if (drawn >= 0)
        return drawn;
    // A file without positions (read-only, not migrated): the plain statement.
    QSqlQuery query;
    if (!Sql::exec(query,
                   candidateIdsQuery(config, useCategoryFilter) + " ORDER BY RANDOM() LIMIT 1",
                   {{":id_letter", letterId}})
        || !query.next())
        return 0;
    return query.value(0).toInt();
}

void WordList::loadId(int wordId, Letter::Letter *letter)
{
    m_words.clear();
    m_cursor = 0;
    if (wordId <= 0)
        return;
    QSqlQuery query;
    if (!Sql::exec(query, selectWord + "WHERE id = :id", {{":id", wordId}}) || !query.next())
        return;
    Word word;
    word.fillFrom(query);
    word.letter = letter;
    m_words.append(word);
}

void WordList::loadRandom(Config::Config *config, Letter::Letter *letter, bool useCategoryFilter)
{
    m_words.clear();
    m_cursor = 0;
    if (!letter)
        return;
    loadId(randomId(config, letter->id, useCategoryFilter, *QRandomGenerator::global()), letter);
}

Word *WordList::next()
{
    if (m_cursor >= m_words.size())
        return nullptr;
    return &m_words[m_cursor++];
}

} // namespace Word
