#include "config.h"

#include "language.h"
#include "sql.h"

#include <QStringList>

namespace Config {

namespace {

const QString selectRows
    = QStringLiteral("SELECT id, key, data FROM config WHERE key = :key AND id_user = :id_user AND "
                     "id_language = :id_language");

int languageId(const Language::Language *language)
{
    return language ? language->id : 0;
}

} // namespace

QList<int> Config::parseIds(const QString &ids)
{
    QList<int> result;
    for (const QString &part : ids.split(',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int id = part.trimmed().toInt(&ok);
        if (ok)
            result << id;
    }
    return result;
}

QString Config::joinIds(const QList<int> &ids)
{
    QStringList parts;
    for (int id : ids)
        parts << QString::number(id);
    return parts.join(',');
}

void Config::load(int userId)
{
    letterIds.clear();
    categoryIds.clear();
    if (!language)
        return;
    auto collect = [&](const QString &key) {
        QList<int> ids;
        QSqlQuery query;
        if (Sql::exec(
                query, selectRows,
                {{":key", Sql::text(key)}, {":id_user", userId}, {":id_language", language->id}})) {
            while (query.next())
                ids << query.value(2).toInt();
        }
        return joinIds(ids);
    };
    letterIds = collect(QStringLiteral("letter"));
    categoryIds = collect(QStringLiteral("category"));
}

bool Config::clear(int userId)
{
    letterIds.clear();
    categoryIds.clear();
    return Sql::write("DELETE FROM config WHERE key IN ('category', 'letter', 'show-order', "
                      "'first-caps', 'stop-motion') AND id_user = :id_user AND "
                      "id_language = :id_language",
                      {{":id_user", userId}, {":id_language", languageId(language)}});
}

bool Config::insert(const QString &key, int data, int userId)
{
    return Sql::write("INSERT INTO config (key, data, id_user, id_language) "
                      "VALUES (:key, :data, :id_user, :id_language)",
                      {{":key", Sql::text(key)},
                       {":data", data},
                       {":id_user", userId},
                       {":id_language", languageId(language)}});
}

bool Config::saveUser(int userId, const QList<QPair<QString, int>> &rows,
                      const std::function<bool()> &more)
{
    bool saved = false;
    if (language && userId != 0) {
        Sql::Transaction transaction;
        saved = transaction.isActive() && clear(userId);
        for (const auto &row : rows)
            saved = saved && insert(row.first, row.second, userId);
        saved = saved && (!more || more());
        saved = saved && transaction.commit();
    }
    load(userId);
    return saved;
}

bool Config::exists(const QString &key, int data, int userId)
{
    QSqlQuery query;
    Sql::exec(query,
              "SELECT id, key, data FROM config WHERE key = :key AND data = :data AND "
              "id_user = :id_user AND id_language = :id_language LIMIT 1",
              {{":key", Sql::text(key)},
               {":data", data},
               {":id_user", userId},
               {":id_language", languageId(language)}});
    return Sql::first(query);
}

int Config::value(const QString &key, int userId)
{
    if (!language)
        return 0;
    QSqlQuery query;
    Sql::exec(query, selectRows + " LIMIT 1",
              {{":key", Sql::text(key)}, {":id_user", userId}, {":id_language", language->id}});
    if (!Sql::first(query))
        return 0;
    return query.value(2).toInt();
}

QString Config::showOrderCode(int index)
{
    static const QStringList codes = {"wiv", "wvi", "iwv", "ivw", "vwi"};
    if (index >= 0 && index < codes.size())
        return codes.at(index);
    return QStringLiteral("viw");
}

QString Config::showOrder(int userId)
{
    return showOrderCode(value(QStringLiteral("show-order"), userId));
}

bool Config::isLetterShown(int letterId)
{
    if (letterIds.isEmpty())
        return true;
    if (value(QStringLiteral("strict-filter-show"), 0) == 0)
        return true;
    return letterIds.split(',').contains(QString::number(letterId));
}

} // namespace Config
