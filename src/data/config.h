#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <functional>

namespace Language {
class Language;
}

namespace Config {

class Config
{
public:
    void load(int userId);
    bool clear(int userId);
    bool insert(const QString &key, int data, int userId);
    // Replaces every per-user setting of the user with rows (key, data), in one transaction:
    // a failure anywhere keeps the previous settings. Reloads the selections either way.
    // `more` writes further settings inside the same transaction.
    bool saveUser(int userId, const QList<QPair<QString, int>> &rows,
                  const std::function<bool()> &more = {});
    bool exists(const QString &key, int data, int userId);
    int value(const QString &key, int userId);
    QString showOrder(int userId);
    bool isLetterShown(int letterId);

    // The code of a show-order index: "wiv", "wvi", "iwv", "ivw", "vwi", else "viw".
    static QString showOrderCode(int index);

    // An id list parsed back to integers; anything that is not a number is dropped, so
    // text from a row can never reach the text of a statement.
    static QList<int> parseIds(const QString &ids);
    static QString joinIds(const QList<int> &ids);

    Language::Language *language = nullptr;
    QString categoryIds;
    QString letterIds;
};

} // namespace Config
