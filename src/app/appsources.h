#pragma once

#include "activities/activitysources.h"

#include <functional>

namespace Config {
class Config;
}
namespace Language {
class Language;
}
namespace Letter {
class LetterList;
}
namespace User {
class User;
}
namespace Word {
class WordList;
}

// The engine's settings and draws over the program's configuration store and lists; the
// language and user are read through pointers to the window's, so a change is seen at once.
class AppSources : public ActivitySettings, public ItemSource
{
public:
    AppSources(Config::Config *config, Letter::LetterList *letters, Word::WordList *words,
               Language::Language *const *language, User::User *const *user);

    // The stop-motion button of the window.
    std::function<bool()> letterByLetterButton;

    bool languageSwitch(const QString &key) const override;
    bool userSwitch(const QString &key) const override;
    QString showOrder() const override;
    bool isLetterShown(int letterId) const override;
    bool letterByLetter() const override;
    QString signsPath() const override;
    QString flusPath() const override;

    bool isReady() const override;
    bool hasAvailable() override;
    std::optional<Letter::Letter> drawLetter(const DrawFilter &filter) override;
    std::optional<Word::Word> drawWord(const Letter::Letter &letter,
                                       const DrawFilter &filter) override;
    std::optional<Letter::Letter> letterById(int id) override;
    std::optional<Word::Word> wordById(int id) override;
    std::optional<Letter::Letter> letterByName(const QString &name) override;
    int userId() const override;

private:
    Config::Config *m_config;
    Letter::LetterList *m_letters;
    Word::WordList *m_words;
    Language::Language *const *m_language;
    User::User *const *m_user;
};
