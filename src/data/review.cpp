#include "review.h"

#include "config.h"
#include "language.h"
#include "letter.h"
#include "sql.h"
#include "word.h"

#include <QRandomGenerator>

const QString Review::key = QStringLiteral("review-missed");

namespace {

QString dueWords(Config::Config *config, bool useCategoryFilter)
{
    QString statement = "FROM review_box rb WHERE rb.id_user = :id_user AND rb.id_letter = "
                        ":id_letter AND rb.due_on <= :today";
    const QString categories = config && useCategoryFilter
        ? Config::Config::joinIds(Config::Config::parseIds(config->categoryIds))
        : QString();
    if (!categories.isEmpty())
        statement += " AND EXISTS (SELECT 1 FROM letter_x_category lc WHERE lc.id_letter = "
                     ":id_letter AND lc.id_word = rb.id_word AND lc.id_category IN ("
            + categories + "))";
    return statement;
}

} // namespace

bool Review::isOn(Config::Config *config, int userId)
{
    if (!config || !config->language || userId <= 0)
        return false;
    return !config->exists(key, 0, userId);
}

bool Review::setOn(Config::Config *config, int userId, bool on)
{
    if (!config || !config->language)
        return false;
    const bool removed
        = Sql::write("DELETE FROM config WHERE key = :key AND id_user = :id_user AND "
                     "id_language = :id_language",
                     {{":key", key}, {":id_user", userId}, {":id_language", config->language->id}});
    if (on || !removed)
        return removed;
    return Sql::write(
        "INSERT INTO config (key, data, id_user, id_language) "
        "VALUES (:key, 0, :id_user, :id_language)",
        {{":key", key}, {":id_user", userId}, {":id_language", config->language->id}});
}

int Review::dueCount(Config::Config *config, int userId, int letterId, bool useCategoryFilter,
                     const QDate &today)
{
    QSqlQuery query;
    if (!Sql::exec(query, "SELECT count(*) " + dueWords(config, useCategoryFilter),
                   {{":id_user", userId},
                    {":id_letter", letterId},
                    {":today", today.toString(Qt::ISODate)}})
        || !query.next())
        return 0;
    return query.value(0).toInt();
}

int Review::dueWordId(Config::Config *config, int userId, int letterId, bool useCategoryFilter,
                      QRandomGenerator &random, const QDate &today)
{
    const QString day = today.toString(Qt::ISODate);
    const QString categories = config && useCategoryFilter
        ? Config::Config::joinIds(Config::Config::parseIds(config->categoryIds))
        : QString();
    QSqlQuery query;
    if (!categories.isEmpty()) {
        // A due word of the letter drawn first, kept when it passes the filter: each try is
        // one index step, where testing every due word against the categories costs many.
        const int all = dueCount(config, userId, letterId, false, today);
        if (all <= 0)
            return 0;
        for (int tries = 0; tries < 8; ++tries) {
            if (!Sql::exec(query,
                           "SELECT rb.id_word, EXISTS (SELECT 1 FROM letter_x_category lc WHERE "
                           "lc.id_letter = :id_letter AND lc.id_word = rb.id_word AND "
                           "lc.id_category IN ("
                               + categories + ")) " + dueWords(nullptr, false)
                               + " LIMIT 1 OFFSET :offset",
                           {{":id_user", userId},
                            {":id_letter", letterId},
                            {":today", day},
                            {":offset", random.bounded(all)}})
                || !query.next())
                return 0;
            if (query.value(1).toBool())
                return query.value(0).toInt();
        }
        // Few of them pass the filter: count those and pick one of them.
    }
    const int count = dueCount(config, userId, letterId, useCategoryFilter, today);
    if (count <= 0)
        return 0;
    if (!Sql::exec(query,
                   "SELECT rb.id_word " + dueWords(config, useCategoryFilter)
                       + " LIMIT 1 OFFSET :offset",
                   {{":id_user", userId},
                    {":id_letter", letterId},
                    {":today", day},
                    {":offset", random.bounded(count)}})
        || !query.next())
        return 0;
    return query.value(0).toInt();
}

int Review::drawWordId(Config::Config *config, int userId, int letterId, bool useCategoryFilter,
                       QRandomGenerator &random, const QDate &today)
{
    if (userId > 0 && isOn(config, userId) && random.bounded(3) == 0) {
        const int due = dueWordId(config, userId, letterId, useCategoryFilter, random, today);
        if (due > 0)
            return due;
    }
    return Word::WordList::randomId(config, letterId, useCategoryFilter, random);
}

void Review::loadWord(Word::WordList &list, Config::Config *config, int userId,
                      Letter::Letter *letter, bool useCategoryFilter, QRandomGenerator &random,
                      const QDate &today)
{
    if (!letter) {
        list.loadId(0, nullptr);
        return;
    }
    list.loadId(drawWordId(config, userId, letter->id, useCategoryFilter, random, today), letter);
}
