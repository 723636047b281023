#include "letter.h"

#include "config.h"
#include "language.h"
#include "sql.h"

#include <QCollator>
#include <QLocale>
#include <QStringList>

#include <algorithm>

namespace Letter {

namespace {

const QString selectLetter = QStringLiteral("SELECT id, name, id_language FROM letter ");

} // namespace

void Letter::fillFrom(const QSqlQuery &query)
{
    id = query.value(0).toInt();
    name = query.value(1).toString();
    Language::resolve(query.value(2).toInt(), language, m_ownLanguage);
}

bool Letter::loadById(int letterId)
{
    QSqlQuery query;
    Sql::exec(query, selectLetter + "WHERE id = :id", {{":id", letterId}});
    if (!Sql::first(query))
        return false;
    fillFrom(query);
    return true;
}

bool Letter::findByName(const QString &letterName, Language::Language *inLanguage)
{
    if (!inLanguage)
        return false;
    language = inLanguage;
    QSqlQuery query;
    Sql::exec(query, selectLetter + "WHERE name = :name AND id_language = :id_language",
              {{":name", letterName.toUpper()}, {":id_language", inLanguage->id}});
    if (!Sql::first(query))
        return false;
    fillFrom(query);
    return true;
}

bool Letter::remove()
{
    return Sql::write("DELETE FROM letter WHERE id = :id", {{":id", id}});
}

bool Letter::removeWithWords()
{
    Sql::Transaction transaction;
    if (!transaction.isActive())
        return false;
    const bool removed = Sql::write("DELETE FROM word_x_category WHERE id_word IN "
                                    "(SELECT id FROM word WHERE id_letter = :id)",
                                    {{":id", id}})
        && Sql::write("DELETE FROM word WHERE id_letter = :id", {{":id", id}})
        && Sql::write("DELETE FROM letter WHERE id = :id", {{":id", id}});
    return removed && transaction.commit();
}

int Letter::wordCount() const
{
    QSqlQuery query;
    Sql::exec(query, "SELECT COUNT(*) FROM word WHERE id_letter = :id", {{":id", id}});
    return Sql::first(query) ? query.value(0).toInt() : 0;
}

QString Letter::mediaPath() const
{
    if (!language)
        return QString();
    return language->mediaPath() + "Letras" + "/" + name + "/";
}

void LetterList::loadFrom(const QString &statement, Language::Language *language)
{
    m_letters.clear();
    m_cursor = 0;
    if (!language)
        return;
    QSqlQuery query;
    if (!Sql::exec(query, statement, {{":id_language", language->id}}) || !query.isSelect())
        return;
    while (query.next()) {
        Letter letter;
        letter.id = query.value(0).toInt();
        letter.name = query.value(1).toString().toUpper();
        letter.language = language;
        m_letters.append(letter);
    }
}

void LetterList::loadAll(Language::Language *language)
{
    loadFrom("SELECT id, name FROM letter WHERE id_language = :id_language ORDER BY name ASC",
             language);
    // SQLite orders by bytes, which puts Ñ after Z; a Spanish reader expects it after N.
    QCollator collator {QLocale(QLocale::Spanish, QLocale::Spain)};
    std::stable_sort(m_letters.begin(), m_letters.end(), [&](const Letter &a, const Letter &b) {
        return collator.compare(a.name, b.name) < 0;
    });
}

namespace {

struct Filters
{
    QString categoryIds;
    QString letterIds;
};

// The id lists go through integers again, so nothing but numbers reaches the text.
Filters filtersOf(Config::Config *config, bool useFilters)
{
    if (!config || !useFilters)
        return {};
    return {Config::Config::joinIds(Config::Config::parseIds(config->categoryIds)),
            Config::Config::joinIds(Config::Config::parseIds(config->letterIds))};
}

} // namespace

QString LetterList::candidatesQuery(Config::Config *config, bool useFilters)
{
    // With categories, a letter needs a word linked to one of them: a few probes of the
    // letter's links in letter_x_category, which the schema's triggers keep.
    const Filters filters = filtersOf(config, useFilters);
    QString statement = "SELECT l.id, l.name FROM letter l WHERE l.id_language = :id_language";
    if (!filters.letterIds.isEmpty())
        statement += " AND l.id IN (" + filters.letterIds + ")";
    if (filters.categoryIds.isEmpty())
        return statement;
    if (Sql::hasTable(QStringLiteral("letter_x_category")))
        return statement
            + " AND EXISTS (SELECT 1 FROM letter_x_category lc WHERE lc.id_letter ="
              " l.id AND lc.id_category IN ("
            + filters.categoryIds + "))";
    // A database made before that table: the letters of the selected categories' links.
    return statement
        + " AND l.id IN (SELECT w.id_letter FROM word_x_category wc CROSS JOIN word w"
          " ON w.id = wc.id_word WHERE wc.id_category IN ("
        + filters.categoryIds + "))";
}

QString LetterList::joinedCandidatesQuery(Config::Config *config, bool useFilters)
{
    const Filters filters = filtersOf(config, useFilters);
    QStringList conditions;
    QString column = "id";
    if (!filters.categoryIds.isEmpty()) {
        conditions << "wc.id_category IN (" + filters.categoryIds + ")";
        column = "w.id_letter";
    }
    if (!filters.letterIds.isEmpty())
        conditions << column + " IN (" + filters.letterIds + ")";
    if (conditions.isEmpty())
        return "SELECT id, name FROM letter WHERE id_language = :id_language";
    if (!filters.categoryIds.isEmpty())
        return "SELECT DISTINCT l.id, l.name FROM letter l WHERE l.id_language = :id_language AND "
               "l.id IN (SELECT DISTINCT w.id_letter FROM word w JOIN word_x_category wc ON "
               "wc.id_word = w.id WHERE "
            + conditions.join(" AND ") + ")";
    return "SELECT id, name FROM letter WHERE id_language = :id_language AND "
        + conditions.join(" AND ");
}

QString LetterList::randomQuery(Config::Config *config, bool useFilters)
{
    return candidatesQuery(config, useFilters) + " ORDER BY RANDOM() LIMIT 1";
}

void LetterList::loadRandom(Config::Config *config, Language::Language *language, bool useFilters)
{
    loadFrom(randomQuery(config, useFilters), language);
}

bool LetterList::hasAvailable(Config::Config *config, Language::Language *language)
{
    if (!language)
        return false;
    QSqlQuery query;
    Sql::exec(query, randomQuery(config, true), {{":id_language", language->id}});
    return Sql::first(query);
}

Letter *LetterList::next()
{
    if (m_cursor >= m_letters.size())
        return nullptr;
    return &m_letters[m_cursor++];
}

} // namespace Letter
