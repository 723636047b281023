#include "testdatabase.h"

#include "data/category.h"
#include "data/config.h"
#include "data/database.h"
#include "data/language.h"
#include "data/letter.h"
#include "data/sql.h"
#include "data/user.h"
#include "data/word.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QSet>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Every row a candidates statement returns, as a set of ids.
QSet<int> candidateIds(const QString &statement, const QString &placeholder, int value)
{
    QSet<int> ids;
    QSqlQuery query;
    query.prepare(statement);
    query.bindValue(placeholder, value);
    if (query.exec()) {
        while (query.next())
            ids << query.value(0).toInt();
    }
    return ids;
}

// The words a draw by positions can give: the letter's positions, or those of its links to
// the categories. Also checks that the positions are dense (0..n-1, each once).
QSet<int> slotCandidates(int letter, const QList<int> &categories)
{
    QSet<int> ids;
    auto collect = [&](const QString &statement) {
        QSqlQuery query;
        QVERIFY2(query.exec(statement), qPrintable(statement));
        QSet<int> positions;
        while (query.next()) {
            positions << query.value(0).toInt();
            ids << query.value(1).toInt();
        }
        for (int slot = 0; slot < positions.size(); ++slot)
            QVERIFY2(positions.contains(slot), qPrintable(statement));
    };
    if (categories.isEmpty())
        collect(QString("SELECT slot, id_word FROM word_slot WHERE id_letter = %1").arg(letter));
    for (int category : categories)
        collect(QString("SELECT slot, id_word FROM link_slot WHERE id_letter = %1 AND "
                        "id_category = %2")
                    .arg(letter)
                    .arg(category));
    return ids;
}

} // namespace

class TestDataStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void randomLetterDrawsOnlyCandidates_data();
    void randomLetterDrawsOnlyCandidates();
    void randomWordDrawsOnlyCandidates_data();
    void randomWordDrawsOnlyCandidates();
    void wordLinkedTwiceIsOneCandidate();
    void wordDrawIsUniform_data();
    void wordDrawIsUniform();
    void drawsFollowEveryEditOfWordsAndLinks_data();
    void drawsFollowEveryEditOfWordsAndLinks();
    void wordSaveInsertsOrUpdatesByFullName();
    void userSaveInsertsWithEqualTimestamps();
    void userSaveUpdatesExistingName();
    void categoryLinksAreUnique();
    void listsUpperCaseNamesButRecordsKeepThem();
    void lettersAreListedInSpanishOrder();
    void findLetterByLowerCaseName();
    void recordKeepsLanguageObjectOfSameId();
    void deleteLeavesOtherRows();
    void configLoadsSelectionsInRowOrder();
    void configClearKeepsLanguageSwitches();
    void configValueWithoutLanguageIsZero();
    void showOrderMapsIndex_data();
    void showOrderMapsIndex();
    void isLetterShownComparesWholeParts_data();
    void isLetterShownComparesWholeParts();
    void idListsNeverCarryText_data();
    void idListsNeverCarryText();
    void mediaPathsFollowLayout();

private:
    TestDatabase *m_db = nullptr;
    Language::Language m_language;
    // Fixture: letters A, B, C, D; A has casa, cama (animals), arbol (food, animals);
    // B has barco (transport); C has none; D has dado (no category).
    int m_a = 0, m_b = 0, m_c = 0, m_d = 0;
    int m_animals = 0, m_food = 0, m_transport = 0, m_empty = 0;
    int m_casa = 0, m_cama = 0, m_arbol = 0, m_barco = 0, m_dado = 0;
};

void TestDataStore::init()
{
    m_db = new TestDatabase();
    QVERIFY(m_db->isOpen());
    QCOMPARE(TestDatabase::addLanguage("Test"), 1);
    m_a = TestDatabase::addLetter("A");
    m_b = TestDatabase::addLetter("B");
    m_c = TestDatabase::addLetter("C");
    m_d = TestDatabase::addLetter("D");
    TestDatabase::addLanguage("Other");
    TestDatabase::addLetter("A", 2);
    m_animals = TestDatabase::addCategory("Animales");
    m_food = TestDatabase::addCategory("comida");
    m_transport = TestDatabase::addCategory("TRANSPORTE");
    m_empty = TestDatabase::addCategory("VACIA");
    m_casa = TestDatabase::addWord("casa", m_a);
    m_cama = TestDatabase::addWord("cama", m_a);
    m_arbol = TestDatabase::addWord("árbol", m_a);
    m_barco = TestDatabase::addWord("barco", m_b);
    m_dado = TestDatabase::addWord("dado", m_d);
    TestDatabase::link(m_casa, m_animals);
    TestDatabase::link(m_cama, m_animals);
    TestDatabase::link(m_arbol, m_food);
    TestDatabase::link(m_arbol, m_animals);
    TestDatabase::link(m_barco, m_transport);
    QVERIFY(m_language.loadById(1));
}

void TestDataStore::cleanup()
{
    delete m_db;
    m_db = nullptr;
}

void TestDataStore::randomLetterDrawsOnlyCandidates_data()
{
    QTest::addColumn<QString>("letters");
    QTest::addColumn<QString>("categories");
    QTest::addColumn<QString>("expected"); // letter names

    QTest::newRow("no filter: every letter of the language") << ""
                                                             << ""
                                                             << "A,B,C,D";
    QTest::newRow("letters only: selected, with or without words") << "letters:A,C"
                                                                   << ""
                                                                   << "A,C";
    QTest::newRow("categories only: letters with a linked word") << ""
                                                                 << "animals,transport"
                                                                 << "A,B";
    QTest::newRow("both: selected letters with a linked word") << "letters:A,B,C"
                                                               << "transport"
                                                               << "B";
    QTest::newRow("both, nothing in common") << "letters:C,D"
                                             << "animals"
                                             << "";
    QTest::newRow("category without words") << ""
                                            << "empty"
                                            << "";
}

// Turns "letters:A,C" / "animals,transport" into the id lists a configuration holds.
static QString idsOf(const QString &spec, const QHash<QString, int> &ids)
{
    QStringList parts;
    QString names = spec;
    names.remove("letters:");
    for (const QString &name : names.split(',', Qt::SkipEmptyParts))
        parts << QString::number(ids.value(name));
    return parts.join(',');
}

void TestDataStore::randomLetterDrawsOnlyCandidates()
{
    QFETCH(QString, letters);
    QFETCH(QString, categories);
    QFETCH(QString, expected);
    const QHash<QString, int> ids = {{"A", m_a},
                                     {"B", m_b},
                                     {"C", m_c},
                                     {"D", m_d},
                                     {"animals", m_animals},
                                     {"food", m_food},
                                     {"transport", m_transport},
                                     {"empty", m_empty}};
    Config::Config config;
    config.language = &m_language;
    config.letterIds = idsOf(letters, ids);
    config.categoryIds = idsOf(categories, ids);

    QSet<int> expectedIds;
    for (const QString &name : expected.split(',', Qt::SkipEmptyParts))
        expectedIds << ids.value(name);

    // The faster statement finds exactly the candidates of the plain join.
    QCOMPARE(candidateIds(Letter::LetterList::candidatesQuery(&config, true), ":id_language", 1),
             expectedIds);
    QCOMPARE(
        candidateIds(Letter::LetterList::joinedCandidatesQuery(&config, true), ":id_language", 1),
        expectedIds);

    Letter::LetterList list;
    QCOMPARE(list.hasAvailable(&config, &m_language), !expectedIds.isEmpty());
    QSet<int> drawn;
    for (int i = 0; i < 200; ++i) {
        list.loadRandom(&config, &m_language, true);
        list.reset();
        Letter::Letter *letter = list.next();
        if (expectedIds.isEmpty()) {
            QVERIFY(!letter);
            break;
        }
        QVERIFY(letter);
        QVERIFY(!list.next());
        QVERIFY(expectedIds.contains(letter->id));
        QCOMPARE(letter->language, &m_language);
        drawn << letter->id;
    }
    QCOMPARE(drawn, expectedIds);

    // Without filters the whole alphabet of the language is drawn from.
    list.loadRandom(&config, &m_language, false);
    list.reset();
    QVERIFY(list.next());
}

void TestDataStore::randomWordDrawsOnlyCandidates_data()
{
    QTest::addColumn<QString>("categories");
    QTest::addColumn<bool>("useFilter");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("no category") << "" << true << QStringList {"casa", "cama", "árbol"};
    QTest::newRow("one category") << "food" << true << QStringList {"árbol"};
    QTest::newRow("two categories")
        << "food,animals" << true << QStringList {"casa", "cama", "árbol"};
    QTest::newRow("filter off") << "transport" << false << QStringList {"casa", "cama", "árbol"};
    QTest::newRow("no word passes") << "transport" << true << QStringList {};
}

void TestDataStore::randomWordDrawsOnlyCandidates()
{
    QFETCH(QString, categories);
    QFETCH(bool, useFilter);
    QFETCH(QStringList, expected);
    const QHash<QString, int> ids
        = {{"animals", m_animals}, {"food", m_food}, {"transport", m_transport}};
    Config::Config config;
    config.language = &m_language;
    config.categoryIds = idsOf(categories, ids);

    Letter::Letter letterA;
    QVERIFY(letterA.loadById(m_a));

    QCOMPARE(
        candidateIds(Word::WordList::candidatesQuery(&config, useFilter), ":id_letter", m_a),
        candidateIds(Word::WordList::joinedCandidatesQuery(&config, useFilter), ":id_letter", m_a));

    Word::WordList list;
    QSet<QString> drawn;
    for (int i = 0; i < 200; ++i) {
        list.loadRandom(&config, &letterA, useFilter);
        list.reset();
        Word::Word *word = list.next();
        if (expected.isEmpty()) {
            QVERIFY(!word);
            break;
        }
        QVERIFY(word);
        QCOMPARE(word->letter, &letterA);
        QVERIFY(expected.contains(word->name));
        drawn << word->name;
    }
    QCOMPARE(drawn, QSet<QString>(expected.begin(), expected.end()));
}

void TestDataStore::drawsFollowEveryEditOfWordsAndLinks_data()
{
    // %casa% and friends stand for the fixture's ids.
    QTest::addColumn<QStringList>("edits");
    QTest::newRow("nothing changed") << QStringList {};
    QTest::newRow("link removed") << QStringList {
        "DELETE FROM word_x_category WHERE id_word = %casa%"};
    QTest::newRow("link moved to another category")
        << QStringList {"UPDATE word_x_category SET id_category = %transport% "
                        "WHERE id_word = %casa%"};
    QTest::newRow("link moved to another word")
        << QStringList {"UPDATE word_x_category SET id_word = %dado% WHERE id_word = %barco%"};
    QTest::newRow("word moved to another letter")
        << QStringList {"UPDATE word SET id_letter = %C% WHERE id = %arbol%"};
    QTest::newRow("word deleted, its links left behind")
        << QStringList {"DELETE FROM word WHERE id = %cama%"};
    QTest::newRow("link added") << QStringList {
        "INSERT INTO word_x_category (id_word, id_category) VALUES (%dado%, %food%)"};
    QTest::newRow("link written before its word")
        << QStringList {"INSERT INTO word_x_category (id_word, id_category) VALUES (999, %food%)",
                        "INSERT INTO word (id, name, fullName, id_letter) "
                        "VALUES (999, 'coco', 'coco', %C%)"};
    QTest::newRow("database made before the link letters table")
        << QStringList {"DROP TABLE letter_x_category"};
    QTest::newRow("word deleted and written again") << QStringList {
        "DELETE FROM word WHERE id = %barco%",
        "INSERT INTO word (id, name, fullName, id_letter) VALUES (%barco%, 'bote', 'bote', %D%)"};
}

void TestDataStore::drawsFollowEveryEditOfWordsAndLinks()
{
    QFETCH(QStringList, edits);
    const QHash<QString, int> ids = {{"A", m_a},
                                     {"B", m_b},
                                     {"C", m_c},
                                     {"D", m_d},
                                     {"animals", m_animals},
                                     {"food", m_food},
                                     {"transport", m_transport},
                                     {"casa", m_casa},
                                     {"cama", m_cama},
                                     {"arbol", m_arbol},
                                     {"barco", m_barco},
                                     {"dado", m_dado}};
    for (QString edit : edits) {
        for (auto it = ids.begin(); it != ids.end(); ++it)
            edit.replace("%" + it.key() + "%", QString::number(it.value()));
        QVERIFY2(TestDatabase::exec(edit), qPrintable(edit));
    }

    const QStringList selections = {"animals", "food", "transport", "animals,food,transport"};
    for (const QString &selection : selections) {
        Config::Config config;
        config.language = &m_language;
        config.categoryIds = idsOf(selection, ids);
        QCOMPARE(
            candidateIds(Letter::LetterList::candidatesQuery(&config, true), ":id_language", 1),
            candidateIds(Letter::LetterList::joinedCandidatesQuery(&config, true), ":id_language",
                         1));
        for (int letter : {m_a, m_b, m_c, m_d}) {
            const QSet<int> joined = candidateIds(
                Word::WordList::joinedCandidatesQuery(&config, true), ":id_letter", letter);
            QCOMPARE(
                candidateIds(Word::WordList::candidatesQuery(&config, true), ":id_letter", letter),
                joined);
            // The positions the draw reads hold the same words, kept dense by the triggers.
            if (Sql::hasTable("letter_x_category"))
                QCOMPARE(slotCandidates(letter, Config::Config::parseIds(config.categoryIds)),
                         joined);
        }
    }
    for (int letter : {m_a, m_b, m_c, m_d}) {
        QCOMPARE(slotCandidates(letter, {}),
                 candidateIds(Word::WordList::joinedCandidatesQuery(nullptr, false), ":id_letter",
                              letter));
    }
}

void TestDataStore::wordLinkedTwiceIsOneCandidate()
{
    Config::Config config;
    config.language = &m_language;
    config.categoryIds = QString("%1,%2").arg(m_food).arg(m_animals);
    QSqlQuery query;
    query.prepare(Word::WordList::candidatesQuery(&config, true));
    query.bindValue(":id_letter", m_a);
    QVERIFY(query.exec());
    QList<int> rows;
    while (query.next())
        rows << query.value(0).toInt();
    // árbol is in both categories but must not weigh double in the draw.
    QCOMPARE(rows.count(m_arbol), 1);
    QCOMPARE(rows.size(), 3);
}

void TestDataStore::wordDrawIsUniform_data()
{
    QTest::addColumn<QString>("categories");
    QTest::newRow("no category") << "";
    // árbol is linked to both: it must come as often as casa and cama, not twice as often.
    QTest::newRow("two categories, one word in both") << "food,animals";
    QTest::newRow("a category selected twice") << "animals,animals,food";
}

void TestDataStore::wordDrawIsUniform()
{
    QFETCH(QString, categories);
    const QHash<QString, int> ids = {{"animals", m_animals}, {"food", m_food}};
    Config::Config config;
    config.language = &m_language;
    config.categoryIds = idsOf(categories, ids);
    QRandomGenerator random(12345);
    QHash<int, int> counts;
    const int draws = 6000;
    for (int i = 0; i < draws; ++i)
        ++counts[Word::WordList::randomId(&config, m_a, true, random)];
    QCOMPARE(counts.size(), 3);
    // Each of the three words 2000 times; 5 standard deviations are about 180.
    for (int word : {m_casa, m_cama, m_arbol})
        QVERIFY2(qAbs(counts.value(word) - draws / 3) < 180,
                 qPrintable(QString::number(counts.value(word))));
}

void TestDataStore::wordSaveInsertsOrUpdatesByFullName()
{
    Letter::Letter letterB;
    QVERIFY(letterB.loadById(m_b));

    Word::Word fresh;
    fresh.letter = &letterB;
    fresh.name = "bota";
    fresh.fullName = "bota";
    fresh.image = "bota.png";
    QVERIFY(fresh.save());
    QVERIFY(fresh.id > m_dado);
    QCOMPARE(TestDatabase::scalar("SELECT count(*) FROM word WHERE fullName = 'bota'").toInt(), 1);

    // Same full name under the same letter: the stored row is overwritten, not duplicated.
    Word::Word again;
    again.letter = &letterB;
    again.name = "Bota";
    again.fullName = "bota";
    again.image = "otra.png";
    QVERIFY(again.save());
    QCOMPARE(again.id, fresh.id);
    QCOMPARE(TestDatabase::scalar("SELECT count(*) FROM word WHERE fullName = 'bota'").toInt(), 1);
    QCOMPARE(TestDatabase::scalar("SELECT image FROM word WHERE fullName = 'bota'").toString(),
             QString("otra.png"));

    // The same full name under another letter is another word.
    Letter::Letter letterA;
    QVERIFY(letterA.loadById(m_a));
    Word::Word other = again;
    other.letter = &letterA;
    QVERIFY(other.save());
    QVERIFY(other.id != fresh.id);

    Word::Word orphan;
    orphan.fullName = "sin letra";
    QVERIFY(!orphan.save());

    Word::Word loaded;
    QVERIFY(loaded.loadById(fresh.id));
    QVERIFY(loaded.letter);
    QCOMPARE(loaded.letter->name, QString("B"));
    QVERIFY(!loaded.findByFullName("bota", nullptr));
}

void TestDataStore::userSaveInsertsWithEqualTimestamps()
{
    User::User user;
    user.name = "Ana";
    QVERIFY(user.save());
    QVERIFY(user.id > 0);
    QSqlQuery query("SELECT last_login, created_in FROM user WHERE name = 'Ana'");
    QVERIFY(query.next());
    const QString lastLogin = query.value(0).toString();
    QCOMPARE(query.value(1).toString(), lastLogin);
    QVERIFY2(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$")
                 .match(lastLogin)
                 .hasMatch(),
             qPrintable(lastLogin));
    QCOMPARE(user.lastLogin.toString("yyyy-MM-dd hh:mm:ss"), lastLogin);
    QCOMPARE(user.createdIn, user.lastLogin);
}

void TestDataStore::userSaveUpdatesExistingName()
{
    User::User first;
    first.name = "Luis";
    QVERIFY(first.save());
    User::User second;
    second.name = "Luis";
    second.createdIn = QDateTime(QDate(2024, 1, 31), QTime(9, 5, 7));
    second.lastLogin = second.createdIn;
    QVERIFY(second.save());
    QCOMPARE(second.id, first.id);
    QCOMPARE(TestDatabase::scalar("SELECT count(*) FROM user").toInt(), 1);
    User::User reread;
    QVERIFY(reread.loadById(first.id));
    QCOMPARE(reread.createdIn, second.createdIn);

    User::UserList list;
    User::User zoe;
    zoe.name = "Zoe";
    QVERIFY(zoe.save());
    User::User ana;
    ana.name = "Ana";
    QVERIFY(ana.save());
    list.load();
    QStringList names;
    list.reset();
    while (User::User *user = list.next())
        names << user->name;
    QCOMPARE(names, (QStringList {"Ana", "Luis", "Zoe"}));
}

void TestDataStore::categoryLinksAreUnique()
{
    Word::Word casa;
    QVERIFY(casa.loadById(m_casa));
    Category::Category food;
    QVERIFY(food.loadById(m_food));
    QVERIFY(!casa.hasCategory(&food));
    QVERIFY(casa.addCategory(&food));
    QVERIFY(casa.addCategory(&food));
    QVERIFY(casa.hasCategory(&food));
    QCOMPARE(TestDatabase::scalar(QString("SELECT count(*) FROM word_x_category WHERE id_word = "
                                          "%1 AND id_category = %2")
                                      .arg(m_casa)
                                      .arg(m_food))
                 .toInt(),
             1);
    QVERIFY(casa.removeCategory(&food));
    QVERIFY(!casa.hasCategory(&food));
    QVERIFY(casa.removeCategory(&food)); // a missing link is no failure

    Word::WordList list;
    Category::Category animals;
    QVERIFY(animals.loadById(m_animals));
    list.loadByCategory(&animals);
    QStringList names;
    list.reset();
    while (Word::Word *word = list.next()) {
        names << word->name;
        QVERIFY(!word->letter);
    }
    QCOMPARE(names, (QStringList {"cama", "casa", "árbol"}));
}

void TestDataStore::listsUpperCaseNamesButRecordsKeepThem()
{
    Category::CategoryList categories;
    categories.load(&m_language);
    QStringList names;
    categories.reset();
    while (Category::Category *category = categories.next()) {
        names << category->name;
        QCOMPARE(category->language, &m_language);
    }
    // Ordered by the stored names (upper case sorts before lower case), then upper-cased.
    QCOMPARE(names, (QStringList {"ANIMALES", "TRANSPORTE", "VACIA", "COMIDA"}));

    Category::Category food;
    QVERIFY(food.loadById(m_food));
    QCOMPARE(food.name, QString("comida"));

    TestDatabase::exec("UPDATE letter SET name = 'b' WHERE name = 'B'");
    Letter::Letter b;
    QVERIFY(b.loadById(m_b));
    QCOMPARE(b.name, QString("b"));
    Letter::LetterList letters;
    letters.loadAll(&m_language);
    QStringList letterNames;
    letters.reset();
    while (Letter::Letter *letter = letters.next())
        letterNames << letter->name;
    // Letters come in alphabetical order whatever the case they were stored in.
    QCOMPARE(letterNames, (QStringList {"A", "B", "C", "D"}));
}

void TestDataStore::lettersAreListedInSpanishOrder()
{
    for (const char *name : {"Z", "Ñ", "O", "N", "LL", "L", "CH"})
        TestDatabase::addLetter(QString::fromUtf8(name), m_language.id);
    Letter::LetterList letters;
    letters.loadAll(&m_language);
    QStringList names;
    letters.reset();
    while (Letter::Letter *letter = letters.next())
        names << letter->name;
    QCOMPARE(names, QString::fromUtf8("A B C CH D L LL N Ñ O Z").split(' '));
}

void TestDataStore::findLetterByLowerCaseName()
{
    Letter::Letter letter;
    QVERIFY(letter.findByName("a", &m_language));
    QCOMPARE(letter.id, m_a);
    QCOMPARE(letter.language, &m_language);
    Letter::Letter none;
    QVERIFY(!none.findByName("a", nullptr));
    QVERIFY(!none.language);
    QVERIFY(!none.findByName("x", &m_language));
}

void TestDataStore::recordKeepsLanguageObjectOfSameId()
{
    Letter::Letter letter;
    letter.language = &m_language;
    QVERIFY(letter.loadById(m_a));
    QCOMPARE(letter.language, &m_language);

    Letter::Letter own;
    QVERIFY(own.loadById(m_a));
    QVERIFY(own.language);
    QVERIFY(own.language != &m_language);
    QCOMPARE(own.language->name, QString("Test"));

    // A copy keeps a valid language after the original is gone.
    Letter::Letter *temporary = new Letter::Letter(own);
    Letter::Letter copy = *temporary;
    delete temporary;
    QCOMPARE(copy.language->name, QString("Test"));
}

void TestDataStore::deleteLeavesOtherRows()
{
    Word::Word casa;
    QVERIFY(casa.loadById(m_casa));
    QVERIFY(casa.remove());
    QVERIFY(!Word::Word().loadById(m_casa));
    QCOMPARE(TestDatabase::scalar(
                 QString("SELECT count(*) FROM word_x_category WHERE id_word = %1").arg(m_casa))
                 .toInt(),
             1);

    Letter::Letter a;
    QVERIFY(a.loadById(m_a));
    QVERIFY(a.remove());
    QCOMPARE(
        TestDatabase::scalar(QString("SELECT count(*) FROM word WHERE id_letter = %1").arg(m_a))
            .toInt(),
        2);

    User::User user;
    user.name = "Eva";
    QVERIFY(user.save());
    Config::Config config;
    config.language = &m_language;
    config.insert("letter", m_b, user.id);
    QVERIFY(user.remove());
    QVERIFY(config.exists("letter", m_b, user.id));
}

void TestDataStore::configLoadsSelectionsInRowOrder()
{
    Config::Config config;
    config.language = &m_language;
    config.insert("letter", 12, 7);
    config.insert("letter", 3, 7);
    config.insert("letter", 3, 7);
    config.insert("category", m_food, 7);
    config.insert("letter", 99, 8);
    config.load(7);
    QCOMPARE(config.letterIds, QString("12,3,3"));
    QCOMPARE(config.categoryIds, QString::number(m_food));
    config.load(8);
    QCOMPARE(config.letterIds, QString("99"));
    QVERIFY(config.categoryIds.isEmpty());
    config.load(9);
    QVERIFY(config.letterIds.isEmpty());
    QVERIFY(config.exists("letter", 3, 7));
    QVERIFY(!config.exists("letter", 4, 7));
}

void TestDataStore::configClearKeepsLanguageSwitches()
{
    TestDatabase::setSwitch("use-ch", 1);
    Config::Config config;
    config.language = &m_language;
    for (const char *key : {"letter", "category", "show-order", "first-caps", "stop-motion"})
        config.insert(key, 1, 5);
    config.insert("letter", 1, 6);
    config.load(5);
    config.clear(5);
    QVERIFY(config.letterIds.isEmpty());
    QCOMPARE(TestDatabase::scalar("SELECT count(*) FROM config WHERE id_user = 5").toInt(), 0);
    QCOMPARE(config.value("use-ch", 0), 1);
    QVERIFY(config.exists("letter", 1, 6));
    QCOMPARE(config.showOrder(5), QString("wiv"));
}

void TestDataStore::configValueWithoutLanguageIsZero()
{
    TestDatabase::setSwitch("use-ch", 1);
    Config::Config config;
    QCOMPARE(config.value("use-ch", 0), 0);
    config.language = &m_language;
    QCOMPARE(config.value("use-ch", 0), 1);
    QCOMPARE(config.value("use-ll", 0), 0);
}

void TestDataStore::showOrderMapsIndex_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("code");
    QTest::newRow("no row") << QVariant() << "wiv";
    QTest::newRow("0") << QVariant(0) << "wiv";
    QTest::newRow("1") << QVariant(1) << "wvi";
    QTest::newRow("2") << QVariant(2) << "iwv";
    QTest::newRow("3") << QVariant(3) << "ivw";
    QTest::newRow("4") << QVariant(4) << "vwi";
    QTest::newRow("5") << QVariant(5) << "viw";
    QTest::newRow("7") << QVariant(7) << "viw";
    QTest::newRow("negative") << QVariant(-1) << "viw";
}

void TestDataStore::showOrderMapsIndex()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, code);
    Config::Config config;
    config.language = &m_language;
    if (stored.isValid())
        config.insert("show-order", stored.toInt(), 4);
    QCOMPARE(config.showOrder(4), code);
}

void TestDataStore::isLetterShownComparesWholeParts_data()
{
    QTest::addColumn<QString>("selection");
    QTest::addColumn<int>("strict");
    QTest::addColumn<int>("letter");
    QTest::addColumn<bool>("shown");
    QTest::newRow("no selection") << "" << 1 << 5 << true;
    QTest::newRow("filter off") << "3,12" << 0 << 5 << true;
    QTest::newRow("filter absent") << "3,12" << -1 << 5 << true;
    QTest::newRow("selected") << "3,12" << 1 << 12 << true;
    QTest::newRow("prefix of a selected id") << "3,12" << 1 << 1 << false;
    QTest::newRow("suffix of a selected id") << "3,12" << 1 << 2 << false;
    QTest::newRow("not selected") << "3,12" << 1 << 4 << false;
}

void TestDataStore::isLetterShownComparesWholeParts()
{
    QFETCH(QString, selection);
    QFETCH(int, strict);
    QFETCH(int, letter);
    QFETCH(bool, shown);
    if (strict >= 0)
        TestDatabase::setSwitch("strict-filter-show", strict);
    Config::Config config;
    config.language = &m_language;
    config.letterIds = selection;
    QCOMPARE(config.isLetterShown(letter), shown);
}

void TestDataStore::idListsNeverCarryText_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("parsed");
    QTest::newRow("numbers") << "1,2,30"
                             << "1,2,30";
    QTest::newRow("injection") << "1) OR 1=1 --"
                               << "";
    QTest::newRow("mixed") << "4,x,5;DROP TABLE word"
                           << "4";
    QTest::newRow("spaces") << " 7 , 8"
                            << "7,8";
}

void TestDataStore::idListsNeverCarryText()
{
    QFETCH(QString, list);
    QFETCH(QString, parsed);
    QCOMPARE(Config::Config::joinIds(Config::Config::parseIds(list)), parsed);

    Config::Config config;
    config.language = &m_language;
    config.letterIds = list;
    config.categoryIds = list;
    for (const QString &statement : {Letter::LetterList::randomQuery(&config, true),
                                     Word::WordList::randomQuery(&config, true)}) {
        QVERIFY2(!statement.contains("OR 1=1") && !statement.contains("DROP")
                     && !statement.contains(';'),
                 qPrintable(statement));
        if (!parsed.isEmpty())
            QVERIFY2(statement.contains("IN (" + parsed + ")"), qPrintable(statement));
    }
    // Rows whose data is not a number read as 0, never as text.
    TestDatabase::exec("INSERT INTO config (key, data, id_user, id_language) "
                       "VALUES ('letter', '2) OR (1=1', 3, 1)");
    config.load(3);
    QCOMPARE(config.letterIds, QString("0"));
    Letter::LetterList letters;
    QVERIFY(!letters.hasAvailable(&config, &m_language));
}

void TestDataStore::mediaPathsFollowLayout()
{
    const QString app = QCoreApplication::applicationDirPath();
    QCOMPARE(m_language.mediaPath(), app + "/media/languages/Test/");
    Letter::Letter b;
    QVERIFY(b.findByName("b", &m_language));
    QCOMPARE(b.mediaPath(), app + "/media/languages/Test/Letras/B/");
    Word::Word word;
    QVERIFY(word.findByFullName("barco", &b));
    QCOMPARE(word.mediaPath(), app + "/media/languages/Test/Letras/B/barco/");
    QCOMPARE(word.imagePath(), app + "/media/languages/Test/Letras/B/barco/barco.png");
    QCOMPARE(word.signPath(), app + "/media/languages/Test/Letras/B/barco/barco-senas.avi");
    QCOMPARE(word.lipsPath(), app + "/media/languages/Test/Letras/B/barco/barco-labial.avi");
    QVERIFY(Word::Word().mediaPath().isEmpty());
}

QTEST_GUILESS_MAIN(TestDataStore)
#include "tst_datastore.moc"
