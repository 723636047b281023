#pragma once

#include <QList>
#include <QString>

namespace Language {
class Language;
}

namespace Config {

class Config
{
public:
    void load(int userId);
    void clear(int userId);
    void insert(const QString &key, int data, int userId);
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
