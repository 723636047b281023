#include "testdatabase.h"

#include "activities/attemptrecorder.h"
#include "activities/itemresult.h"
#include "data/attemptstore.h"
#include "data/config.h"
#include "data/database.h"
#include "data/language.h"
#include "data/letter.h"
#include "data/migrations.h"
#include "data/progressreport.h"
#include "data/review.h"
#include "data/word.h"
#include "sqlscript.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Every row of a table, in id order, each as the text of its values.
QStringList rowsOf(const QString &table)
{
    QStringList rows;
    QSqlQuery query;
    if (!query.exec("SELECT * FROM " + table + " ORDER BY id"))
        return {"cannot read " + table};
    while (query.next()) {
        QStringList values;
        for (int i = 0; i < query.record().count(); ++i)
            values << query.value(i).toString();
        rows << values.join('|');
    }
    return rows;
}

// The objects of the open database and the columns of its tables.
QStringList schemaOf()
{
    QStringList objects;
    QSqlQuery query;
    query.exec("SELECT type, name FROM sqlite_master WHERE name NOT LIKE 'sqlite_%' ORDER BY 1, 2");
    while (query.next()) {
        QString entry = query.value(0).toString() + " " + query.value(1).toString();
        if (query.value(0).toString() == "table") {
            QSqlQuery columns;
            columns.exec("PRAGMA table_info(" + query.value(1).toString() + ")");
            QStringList names;
            while (columns.next())
                names << columns.value(1).toString();
            entry += " (" + names.join(',') + ")";
        }
        objects << entry;
    }
    return objects;
}

int scalarInt(const QString &statement)
{
    return TestDatabase::scalar(statement).toInt();
}

ItemResult item(int activity, int letterId, int wordId, int wrong, bool revealed,
                const QStringList &media, const QDateTime &finished)
{
    ItemResult result;
    result.activity = activity;
    result.letterId = letterId;
    result.wordId = wordId;
    result.answered = activity != 20 && activity != 22 && activity != 24;
    result.wrongAnswers = wrong;
    result.revealed = revealed;
    result.media = media;
    result.startedAt = finished.addSecs(-20);
    result.finishedAt = finished;
    return result;
}

QString plainTables()
{
    return QStringLiteral(QV_SOURCE_DIR "/tests/support/plain-tables.sql");
}

} // namespace

class TestRecord : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void schemaFileIsTheCurrentVersion();
    void plainDatabaseIsUpgradedKeepingEveryRow();
    void upgradedDatabaseIsNotUpgradedAgain();
    void readOnlyDatabaseIsNeitherMigratedNorRecorded();

    void recorderWritesOneRowPerItem_data();
    void recorderWritesOneRowPerItem();
    void failedWriteReturnsFalse();
    void deleteForUserLeavesOtherChildren();

    void reviewBoxesFollowAnswers_data();
    void reviewBoxesFollowAnswers();
    void reviewPicksDueWordsOneTimeInThree();
    void reviewNeverLeavesTheFilters();
    void reviewOffIsTheUniformDraw();
    void reviewSwitchIsOnForNewUsers();

    void reportSumsWordsLettersDaysAndSupports();
    void csvQuotesWhatASpreadsheetWouldSplit_data();
    void csvQuotesWhatASpreadsheetWouldSplit();
    void csvKeepsAccentsForLibreOffice();
};

void TestRecord::cleanup()
{
    if (QSqlDatabase::contains(QSqlDatabase::defaultConnection)) {
        QSqlDatabase db = QSqlDatabase::database(QSqlDatabase::defaultConnection, false);
        db.close();
        db.setConnectOptions(QString());
    }
}

void TestRecord::schemaFileIsTheCurrentVersion()
{
    TestDatabase db;
    QVERIFY(db.isOpen());
    QCOMPARE(scalarInt("PRAGMA user_version"), Migrations::currentVersion);
}

void TestRecord::plainDatabaseIsUpgradedKeepingEveryRow()
{
    QStringList expectedSchema;
    {
        TestDatabase fresh;
        expectedSchema = schemaOf();
    }

    QTemporaryDir dir;
    const QString path = dir.filePath("bd");
    QVERIFY(SqlScript::createDatabase(path, {plainTables()}));
    {
        QSqlDatabase db = QSqlDatabase::contains(QSqlDatabase::defaultConnection)
            ? QSqlDatabase::database(QSqlDatabase::defaultConnection, false)
            : QSqlDatabase::addDatabase("QSQLITE");
        db.setDatabaseName(path);
        QVERIFY(db.open());
        // Ids with gaps, as a file that has lived through deletions has them.
        const QStringList rows
            = {"INSERT INTO language VALUES (1, 'Espanol')",
               "INSERT INTO letter VALUES (3, 'A', 1)",
               "INSERT INTO letter VALUES (8, 'Ñ', 1)",
               "INSERT INTO category VALUES (4, 'ANIMALES', 1)",
               "INSERT INTO category VALUES (9, 'COMIDA', 1)",
               "INSERT INTO word VALUES (11, 'árbol', 'árbol', 'a.png', 'a.avi', 'b.avi', 3)",
               "INSERT INTO word VALUES (17, 'ñandú', 'ñandú', 'n.png', 'n.avi', 'm.avi', 8)",
               "INSERT INTO word VALUES (23, 'ajo', 'ajo', '', '', '', 3)",
               "INSERT INTO word_x_category VALUES (5, 17, 4)",
               "INSERT INTO word_x_category VALUES (6, 23, 9)",
               "INSERT INTO word_x_category VALUES (12, 11, 4)",
               "INSERT INTO user VALUES (7, 'Ana', '2024-01-02 10:00:00', '2024-01-02 10:00:00')",
               "INSERT INTO config VALUES (30, 'letter', 3, 7, 1)",
               "INSERT INTO config VALUES (31, 'use-ch', 1, 0, 1)"};
        for (const QString &row : rows)
            QVERIFY2(TestDatabase::exec(row), qPrintable(row));
        db.close();
    }
    QFile original(path);
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray before = original.readAll();
    original.close();

    const QStringList tables
        = {"language", "letter", "category", "word", "word_x_category", "user", "config"};
    QHash<QString, QStringList> expectedRows;
    {
        QSqlDatabase db = QSqlDatabase::database(QSqlDatabase::defaultConnection, false);
        db.open();
        for (const QString &table : tables)
            expectedRows[table] = rowsOf(table);
        db.close();
    }

    Database database(path);
    QVERIFY(database.isUsable());
    QCOMPARE(scalarInt("PRAGMA user_version"), Migrations::currentVersion);
    for (const QString &table : tables)
        QCOMPARE(rowsOf(table), expectedRows.value(table));
    // Our indexes, tables and triggers, the same as a file made from the schema.
    QCOMPARE(schemaOf(), expectedSchema);

    // The copy beside it is the file as it was.
    QFile backup(Migrations::backupPath(path, 0));
    QVERIFY(backup.open(QIODevice::ReadOnly));
    QCOMPARE(backup.readAll(), before);

    // The link letters and positions are filled from the rows that were there.
    QCOMPARE(scalarInt("SELECT count(*) FROM letter_x_category"), 3);
    QCOMPARE(scalarInt("SELECT count(*) FROM link_slot WHERE id_letter = 3 AND id_category = 4"),
             1);
    QCOMPARE(scalarInt("SELECT count(*) FROM word_slot WHERE id_letter = 3"), 2);
    Config::Config config;
    Language::Language language;
    QVERIFY(language.loadById(1));
    config.language = &language;
    config.categoryIds = "4";
    QRandomGenerator random(7);
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(Word::WordList::randomId(&config, 3, true, random), 11);
        const int any = Word::WordList::randomId(&config, 3, false, random);
        QVERIFY(any == 11 || any == 23);
    }
    // And the child's items can now be kept.
    QVERIFY(
        AttemptStore::record(7, item(21, 3, 11, 0, false, {"sign"}, QDateTime::currentDateTime())));
    QCOMPARE(scalarInt("SELECT count(*) FROM attempt WHERE id_user = 7"), 1);
}

void TestRecord::upgradedDatabaseIsNotUpgradedAgain()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("bd");
    QVERIFY(SqlScript::createDatabase(path, {plainTables()}));
    {
        Database database(path);
        QVERIFY(database.isUsable());
    }
    QVERIFY(QFile::remove(Migrations::backupPath(path, 0)));
    Database again(path);
    QVERIFY(again.isUsable());
    QSqlDatabase db = QSqlDatabase::database();
    QCOMPARE(Migrations::upgrade(db, path), Migrations::Result::UpToDate);
    QVERIFY(!QFile::exists(Migrations::backupPath(path, 0)));
    QVERIFY(!QFile::exists(Migrations::backupPath(path, Migrations::currentVersion)));
}

void TestRecord::readOnlyDatabaseIsNeitherMigratedNorRecorded()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("bd");
    QVERIFY(SqlScript::createDatabase(path, {plainTables()}));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    QSqlDatabase db = QSqlDatabase::contains(QSqlDatabase::defaultConnection)
        ? QSqlDatabase::database(QSqlDatabase::defaultConnection, false)
        : QSqlDatabase::addDatabase("QSQLITE");
    db.close();
    db.setDatabaseName(path);
    db.setConnectOptions("QSQLITE_OPEN_READONLY");
    QVERIFY(db.open());
    QCOMPARE(Migrations::upgrade(db, path), Migrations::Result::Failed);
    QVERIFY(!QFile::exists(Migrations::backupPath(path, 0)));
    QVERIFY(!AttemptStore::record(1, item(21, 1, 1, 0, false, {}, QDateTime::currentDateTime())));
    AttemptRecorder recorder;
    recorder.setUserId(1);
    recorder.onItemEnded(item(21, 1, 1, 0, false, {}, QDateTime::currentDateTime()));
    QCOMPARE(recorder.failures(), 1);
    db.close();
    db.setConnectOptions(QString());

    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void TestRecord::recorderWritesOneRowPerItem_data()
{
    QTest::addColumn<int>("activity");
    QTest::addColumn<int>("wrong");
    QTest::addColumn<bool>("revealed");
    QTest::addColumn<QStringList>("media");
    // What the row says: wrong_answers and revealed, "NULL" for a presentation.
    QTest::addColumn<QString>("expectedWrong");
    QTest::addColumn<QString>("expectedRevealed");
    QTest::addColumn<QString>("expectedMedia");

    QTest::newRow("21 right at once") << 21 << 0 << false << QStringList {"sign"} << "0"
                                      << "0"
                                      << "sign";
    QTest::newRow("23 one wrong") << 23 << 1 << false << QStringList {"lips"} << "1"
                                  << "0"
                                  << "lips";
    QTest::newRow("25 revealed") << 25 << 3 << true << QStringList {"hands", "flus"} << "3"
                                 << "1"
                                 << "hands,flus";
    QTest::newRow("30 nothing shown") << 30 << 0 << false << QStringList {} << "0"
                                      << "0"
                                      << "";
    QTest::newRow("31 two wrong") << 31 << 2 << false << QStringList {} << "2"
                                  << "0"
                                  << "";
    QTest::newRow("20 seen") << 20 << 0 << false << QStringList {"sign"} << "NULL"
                             << "NULL"
                             << "sign";
    QTest::newRow("22 seen") << 22 << 0 << false << QStringList {"lips"} << "NULL"
                             << "NULL"
                             << "lips";
    QTest::newRow("24 seen") << 24 << 0 << false << QStringList {"hands", "flus"} << "NULL"
                             << "NULL"
                             << "hands,flus";
}

void TestRecord::recorderWritesOneRowPerItem()
{
    QFETCH(int, activity);
    QFETCH(int, wrong);
    QFETCH(bool, revealed);
    QFETCH(QStringList, media);
    QFETCH(QString, expectedWrong);
    QFETCH(QString, expectedRevealed);
    QFETCH(QString, expectedMedia);

    TestDatabase db;
    QVERIFY(db.isOpen());
    AttemptRecorder recorder;
    const QDateTime finished(QDate(2025, 3, 4), QTime(10, 15, 30));
    // No child chosen: nothing is kept.
    recorder.onItemEnded(item(activity, 2, 5, wrong, revealed, media, finished));
    QCOMPARE(scalarInt("SELECT count(*) FROM attempt"), 0);

    recorder.setUserId(4);
    recorder.onItemEnded(item(activity, 2, 5, wrong, revealed, media, finished));
    QCOMPARE(recorder.failures(), 0);
    QSqlQuery query;
    QVERIFY(query.exec("SELECT id_user, id_word, id_letter, activity, started_at, finished_at, "
                       "coalesce(wrong_answers, 'NULL'), coalesce(revealed, 'NULL'), media FROM "
                       "attempt"));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toInt(), 4);
    QCOMPARE(query.value(1).toInt(), 5);
    QCOMPARE(query.value(2).toInt(), 2);
    QCOMPARE(query.value(3).toInt(), activity);
    QCOMPARE(query.value(4).toString(), QString("2025-03-04T10:15:10"));
    QCOMPARE(query.value(5).toString(), QString("2025-03-04T10:15:30"));
    QCOMPARE(query.value(6).toString(), expectedWrong);
    QCOMPARE(query.value(7).toString(), expectedRevealed);
    QCOMPARE(query.value(8).toString(), expectedMedia);
    QVERIFY(!query.next());
}

void TestRecord::failedWriteReturnsFalse()
{
    TestDatabase db;
    QVERIFY(db.isOpen());
    // A code that is no activity, and a file whose record table went missing.
    QVERIFY(!AttemptStore::record(4, item(27, 1, 1, 0, false, {}, QDateTime::currentDateTime())));
    QVERIFY(TestDatabase::exec("DROP TABLE attempt"));
    QVERIFY(!AttemptStore::record(4, item(21, 1, 1, 0, false, {}, QDateTime::currentDateTime())));
    AttemptRecorder recorder;
    recorder.setUserId(4);
    recorder.onItemEnded(item(21, 1, 1, 0, false, {}, QDateTime::currentDateTime()));
    recorder.onItemEnded(item(23, 1, 1, 0, false, {}, QDateTime::currentDateTime()));
    QCOMPARE(recorder.failures(), 2);
}

void TestRecord::deleteForUserLeavesOtherChildren()
{
    TestDatabase db;
    QVERIFY(db.isOpen());
    const QDateTime when = QDateTime::currentDateTime();
    for (int user : {1, 2}) {
        QVERIFY(AttemptStore::record(user, item(21, 1, 10, 1, false, {}, when)));
        QVERIFY(AttemptStore::record(user, item(20, 1, 11, 0, false, {}, when)));
    }
    QCOMPARE(scalarInt("SELECT count(*) FROM review_box"), 2);
    QVERIFY(AttemptStore::deleteForUser(1));
    QCOMPARE(scalarInt("SELECT count(*) FROM attempt WHERE id_user = 1"), 0);
    QCOMPARE(scalarInt("SELECT count(*) FROM review_box WHERE id_user = 1"), 0);
    QCOMPARE(scalarInt("SELECT count(*) FROM attempt WHERE id_user = 2"), 2);
    QCOMPARE(scalarInt("SELECT count(*) FROM review_box WHERE id_user = 2"), 1);
}

void TestRecord::reviewBoxesFollowAnswers_data()
{
    // Answers to one word on consecutive days from 2025-05-01: "r" right at the first try,
    // "w" a wrong first answer, "x" revealed, "s" only seen. Then the box and the due day.
    QTest::addColumn<QString>("answers");
    QTest::addColumn<int>("box"); // 0: no box, never missed
    QTest::addColumn<QString>("due");

    QTest::newRow("never missed") << "rr" << 0 << "";
    QTest::newRow("only seen") << "ss" << 0 << "";
    QTest::newRow("wrong: box 1, due the next day") << "w" << 1 << "2025-05-02";
    QTest::newRow("revealed: box 1") << "x" << 1 << "2025-05-02";
    QTest::newRow("then right: box 2, two days") << "wr" << 2 << "2025-05-04";
    QTest::newRow("right twice: box 3, four days") << "wrr" << 3 << "2025-05-07";
    QTest::newRow("a presentation changes nothing") << "wsr" << 2 << "2025-05-05";
    QTest::newRow("missed again: back to box 1") << "wrrw" << 1 << "2025-05-05";
}

void TestRecord::reviewBoxesFollowAnswers()
{
    QFETCH(QString, answers);
    QFETCH(int, box);
    QFETCH(QString, due);
    TestDatabase db;
    QVERIFY(db.isOpen());
    QDateTime when(QDate(2025, 5, 1), QTime(9, 0));
    for (const QChar answer : answers) {
        const int activity = answer == 's' ? 20 : 21;
        QVERIFY(
            AttemptStore::record(3,
                                 item(activity, 1, 8, answer == 'w' ? 1 : (answer == 'x' ? 3 : 0),
                                      answer == 'x', {}, when)));
        when = when.addDays(1);
    }
    QCOMPARE(scalarInt("SELECT coalesce(max(box), 0) FROM review_box WHERE id_user = 3"), box);
    QCOMPARE(TestDatabase::scalar("SELECT due_on FROM review_box WHERE id_user = 3").toString(),
             due);
}

namespace {

// Letter A with 30 words (3 of them missed by child 1 ten days ago), and letter B.
struct ReviewFixture
{
    TestDatabase db;
    Language::Language language;
    Config::Config config;
    int a = 0, b = 0, animals = 0, food = 0;
    QList<int> words;
    QList<int> missed;

    ReviewFixture()
    {
        TestDatabase::addLanguage("Test");
        language.loadById(1);
        config.language = &language;
        a = TestDatabase::addLetter("A");
        b = TestDatabase::addLetter("B");
        animals = TestDatabase::addCategory("ANIMALES");
        food = TestDatabase::addCategory("COMIDA");
        for (int i = 0; i < 30; ++i) {
            words << TestDatabase::addWord(QString("a%1").arg(i), a);
            TestDatabase::link(words.last(), i % 2 ? animals : food);
        }
        const int other = TestDatabase::addWord("b0", b);
        const QDateTime past = QDateTime::currentDateTime().addDays(-10);
        // a0 and a2 are food, a1 is an animal; b0 is missed too, in another letter.
        for (int i : {0, 1, 2}) {
            missed << words.at(i);
            AttemptStore::record(1, item(21, a, words.at(i), 2, false, {}, past));
        }
        AttemptStore::record(1, item(21, b, other, 2, false, {}, past));
        // Missed today: not due before tomorrow.
        AttemptStore::record(1,
                             item(21, a, words.at(5), 1, false, {}, QDateTime::currentDateTime()));
    }
};

} // namespace

void TestRecord::reviewPicksDueWordsOneTimeInThree()
{
    ReviewFixture f;
    QCOMPARE(Review::dueCount(&f.config, 1, f.a, true), 3);
    QRandomGenerator random(2024);
    const int draws = 6000;
    int due = 0;
    for (int i = 0; i < draws; ++i) {
        const int word = Review::drawWordId(&f.config, 1, f.a, true, random);
        QVERIFY(f.words.contains(word));
        due += f.missed.contains(word);
    }
    // One time in three a due word, and the uniform draw's own 3 in 30 of the rest:
    // 1/3 + 2/3 * 1/10 = 0.4. Five standard deviations are about 0.032.
    const double share = double(due) / draws;
    QVERIFY2(qAbs(share - 0.4) < 0.032, qPrintable(QString::number(share)));

    // Another child has no missed words: only the uniform draw.
    due = 0;
    for (int i = 0; i < draws; ++i)
        due += f.missed.contains(Review::drawWordId(&f.config, 2, f.a, true, random));
    QVERIFY2(qAbs(double(due) / draws - 0.1) < 0.02, qPrintable(QString::number(due)));
}

void TestRecord::reviewNeverLeavesTheFilters()
{
    ReviewFixture f;
    f.config.categoryIds = QString::number(f.animals);
    QCOMPARE(Review::dueCount(&f.config, 1, f.a, true), 1);
    QRandomGenerator random(99);
    QSet<int> drawn;
    for (int i = 0; i < 3000; ++i) {
        const int word = Review::drawWordId(&f.config, 1, f.a, true, random);
        QCOMPARE(f.words.indexOf(word) % 2, 1);
        drawn << word;
        QCOMPARE(Review::dueWordId(&f.config, 1, f.a, true, random), f.missed.at(1));
    }
    QCOMPARE(drawn.size(), 15);
    // Two due words pass the food filter: each comes half the time.
    f.config.categoryIds = QString::number(f.food);
    int first = 0;
    for (int i = 0; i < 2000; ++i) {
        const int word = Review::dueWordId(&f.config, 1, f.a, true, random);
        QVERIFY(word == f.missed.at(0) || word == f.missed.at(2));
        first += word == f.missed.at(0);
    }
    QVERIFY2(qAbs(first - 1000) < 115, qPrintable(QString::number(first)));
    // Letter B's missed word never comes for letter A, nor a word missed only today.
    f.config.categoryIds.clear();
    QSet<int> due;
    for (int i = 0; i < 300; ++i)
        due << Review::dueWordId(&f.config, 1, f.a, true, random);
    QCOMPARE(due, QSet<int>(f.missed.begin(), f.missed.end()));
    // Tomorrow the word missed today is due as well.
    QCOMPARE(Review::dueCount(&f.config, 1, f.a, true, QDate::currentDate().addDays(1)), 4);
}

void TestRecord::reviewOffIsTheUniformDraw()
{
    ReviewFixture f;
    QVERIFY(Review::setOn(&f.config, 1, false));
    QVERIFY(!Review::isOn(&f.config, 1));
    QRandomGenerator random(5);
    QHash<int, int> counts;
    const int draws = 9000;
    for (int i = 0; i < draws; ++i)
        ++counts[Review::drawWordId(&f.config, 1, f.a, true, random)];
    QCOMPARE(counts.size(), 30);
    // 300 each; five standard deviations are about 85.
    for (int word : f.words)
        QVERIFY2(qAbs(counts.value(word) - 300) < 85,
                 qPrintable(QString::number(counts.value(word))));
}

void TestRecord::reviewSwitchIsOnForNewUsers()
{
    ReviewFixture f;
    QVERIFY(Review::isOn(&f.config, 1));
    QVERIFY(Review::isOn(&f.config, 42));
    QVERIFY(Review::setOn(&f.config, 1, false));
    QVERIFY(!Review::isOn(&f.config, 1));
    QVERIFY(Review::isOn(&f.config, 42));
    QVERIFY(Review::setOn(&f.config, 1, true));
    QVERIFY(Review::isOn(&f.config, 1));
    QCOMPARE(scalarInt("SELECT count(*) FROM config WHERE key = 'review-missed'"), 0);
    // No child, no review.
    QVERIFY(!Review::isOn(&f.config, 0));
}

void TestRecord::reportSumsWordsLettersDaysAndSupports()
{
    TestDatabase db;
    QVERIFY(db.isOpen());
    TestDatabase::addLanguage("Test");
    const int a = TestDatabase::addLetter("A");
    const int n = TestDatabase::addLetter("Ñ");
    const int arbol = TestDatabase::addWord("árbol", a);
    const int ajo = TestDatabase::addWord("ajo", a);
    const int nandu = TestDatabase::addWord("ñandú", n);
    const QDateTime day1(QDate(2025, 2, 3), QTime(9, 0));
    const QDateTime day2(QDate(2025, 2, 5), QTime(9, 0));
    AttemptStore::record(1, item(21, a, arbol, 0, false, {"sign"}, day1));
    AttemptStore::record(1, item(21, a, arbol, 3, true, {"sign"}, day1));
    AttemptStore::record(1, item(23, a, ajo, 1, false, {"lips"}, day2));
    AttemptStore::record(1, item(25, n, nandu, 0, false, {"hands", "flus"}, day2));
    AttemptStore::record(1, item(20, n, nandu, 0, false, {"sign"}, day2.addSecs(60)));
    AttemptStore::record(2, item(21, a, ajo, 0, false, {"sign"}, day2));

    ProgressReport report;
    QVERIFY(report.load(1));
    QCOMPARE(report.words.size(), 3);
    const ProgressReport::WordRow &first = report.words.at(0); // ajo
    QCOMPARE(first.word, QString("ajo"));
    QCOMPARE(first.tries, 1);
    QCOMPARE(first.firstRight, 0);
    const ProgressReport::WordRow &tree = report.words.at(1);
    QCOMPARE(tree.word, QString("árbol"));
    QCOMPARE(tree.tries, 2);
    QCOMPARE(tree.firstRight, 1);
    QCOMPARE(tree.revealed, 1);
    QCOMPARE(tree.lastSeen, QString("2025-02-03 09:00"));
    const ProgressReport::WordRow &nanduRow = report.words.at(2);
    QCOMPARE(nanduRow.tries, 1);
    QCOMPARE(nanduRow.seen, 1);
    QCOMPARE(nanduRow.lastSeen, QString("2025-02-05 09:01"));

    QCOMPARE(report.letters.size(), 2);
    QCOMPARE(report.letters.at(0).letter, QString("A"));
    QCOMPARE(report.letters.at(0).words, 2);
    QCOMPARE(report.letters.at(0).tries, 3);
    QCOMPARE(report.letters.at(0).firstRight, 1);

    QCOMPARE(report.days.size(), 2);
    QCOMPARE(report.days.at(0).day, QDate(2025, 2, 3));
    QCOMPARE(report.days.at(0).tries, 2);
    QCOMPARE(report.days.at(0).firstRight, 1);
    QCOMPARE(report.days.at(1).tries, 2);
    QCOMPARE(report.days.at(1).firstRight, 1);

    // Supports of the question items: the sign twice (once with help), lips once with help.
    QHash<QString, QPair<int, int>> supports;
    for (const ProgressReport::SupportRow &row : report.supports)
        supports[row.support] = {row.shown, row.needed};
    QCOMPARE(supports.value("sign"), qMakePair(2, 1));
    QCOMPARE(supports.value("lips"), qMakePair(1, 1));
    QCOMPARE(supports.value("hands"), qMakePair(1, 0));
    QCOMPARE(supports.value("flus"), qMakePair(1, 0));

    QVERIFY(report.load(3));
    QVERIFY(report.words.isEmpty());
}

void TestRecord::csvQuotesWhatASpreadsheetWouldSplit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::newRow("plain") << "Ana"
                           << "Ana";
    QTest::newRow("accents and ñ stay as they are") << "Begoña Núñez"
                                                    << "Begoña Núñez";
    QTest::newRow("separator") << "Ana; Luis"
                               << "\"Ana; Luis\"";
    QTest::newRow("quote doubled") << "Juan \"Juanito\""
                                   << "\"Juan \"\"Juanito\"\"\"";
    QTest::newRow("line break") << "Ana\nMaría"
                                << "\"Ana\nMaría\"";
    QTest::newRow("comma needs nothing") << "Pérez, Ana"
                                         << "Pérez, Ana";
}

void TestRecord::csvQuotesWhatASpreadsheetWouldSplit()
{
    QFETCH(QString, text);
    QFETCH(QString, field);
    QCOMPARE(ProgressReport::csvField(text), field);
}

void TestRecord::csvKeepsAccentsForLibreOffice()
{
    ProgressReport report;
    ProgressReport::WordRow row;
    row.word = "ñandú";
    row.letter = "Ñ";
    row.tries = 3;
    row.firstRight = 2;
    row.lastSeen = "2025-02-05 09:01";
    report.words << row;
    const QByteArray csv = report.toCsv("Begoña \"la; pequeña\"");
    QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(csv.mid(3)).split("\r\n");
    QCOMPARE(lines.size(), 3); // header, one word, the empty end
    QCOMPARE(lines.at(0).count(';'), 7);
    QCOMPARE(lines.at(1),
             QString("\"Begoña \"\"la; pequeña\"\"\";ñandú;Ñ;3;2;0;0;2025-02-05 09:01"));
}

QTEST_GUILESS_MAIN(TestRecord)
#include "tst_record.moc"
