#include "appsources.h"

#include "data/config.h"
#include "data/language.h"
#include "data/letter.h"
#include "data/review.h"
#include "data/user.h"
#include "data/word.h"

#include <QRandomGenerator>

AppSources::AppSources(Config::Config *config, Letter::LetterList *letters, Word::WordList *words,
                       Language::Language *const *language, User::User *const *user)
    : m_config(config), m_letters(letters), m_words(words), m_language(language), m_user(user)
{ }

bool AppSources::languageSwitch(const QString &key) const
{
    return m_config->value(key, 0) != 0;
}

bool AppSources::userSwitch(const QString &key) const
{
    return *m_user && m_config->value(key, (*m_user)->id) != 0;
}

QString AppSources::showOrder() const
{
    return m_config->showOrder(userId());
}

bool AppSources::isLetterShown(int letterId) const
{
    return m_config->isLetterShown(letterId);
}

bool AppSources::letterByLetter() const
{
    return letterByLetterButton && letterByLetterButton();
}

QString AppSources::signsPath() const
{
    return *m_language ? (*m_language)->mediaPath() + QStringLiteral("Senas/") : QString();
}

QString AppSources::flusPath() const
{
    return *m_language ? (*m_language)->mediaPath() + QStringLiteral("Flus/") : QString();
}

bool AppSources::isReady() const
{
    return *m_language && *m_user;
}

bool AppSources::hasAvailable()
{
    return *m_language && m_letters->hasAvailable(m_config, *m_language);
}

std::optional<Letter::Letter> AppSources::drawLetter(const DrawFilter &filter)
{
    m_letters->loadRandom(m_config, *m_language, filter.letters);
    m_letters->reset();
    if (const Letter::Letter *letter = m_letters->next())
        return *letter;
    return std::nullopt;
}

std::optional<Word::Word> AppSources::drawWord(const Letter::Letter &letter,
                                               const DrawFilter &filter)
{
    Letter::Letter copy = letter;
    // Question items may bring a missed word back; the others draw plainly (user id 0).
    Review::loadWord(*m_words, m_config, filter.review ? filter.userId : 0, &copy,
                     filter.categories, *QRandomGenerator::global());
    m_words->reset();
    const Word::Word *word = m_words->next();
    if (!word)
        return std::nullopt;
    // The caller points the word at its own copy of the letter.
    Word::Word drawn = *word;
    drawn.letter = nullptr;
    return drawn;
}

std::optional<Letter::Letter> AppSources::letterById(int id)
{
    Letter::Letter letter;
    if (id == 0 || !letter.loadById(id))
        return std::nullopt;
    return letter;
}

std::optional<Word::Word> AppSources::wordById(int id)
{
    Word::Word word;
    if (id == 0 || !word.loadById(id))
        return std::nullopt;
    return word;
}

std::optional<Letter::Letter> AppSources::letterByName(const QString &name)
{
    Letter::Letter letter;
    if (!*m_language || !letter.findByName(name, *m_language))
        return std::nullopt;
    return letter;
}

int AppSources::userId() const
{
    return *m_user ? (*m_user)->id : 0;
}
