// Median cost of the random letter and word draws on a database of 100 000 words over 30
// letters and 50 categories, for the program's statements and for the plain join they
// replace, on three files: the seven plain tables only ("plain", as another tool makes them),
// that file upgraded by the program's migrations ("migrated") and one made from the schema
// with 1 000 000 attempt rows over 30 children ("schema"), where the word draw of a question
// is also timed with the review of missed words on, and the writing of one item's row.
//
//   bench_draws [words] [draws] [attempts]

#include "activities/itemresult.h"
#include "data/attemptstore.h"
#include "data/config.h"
#include "data/language.h"
#include "data/letter.h"
#include "data/migrations.h"
#include "data/review.h"
#include "data/word.h"
#include "sqlscript.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <ctime>
#include <functional>

namespace {

QTextStream out(stdout);

bool fill(int words)
{
    QSqlDatabase db = QSqlDatabase::database();
    db.transaction();
    QSqlQuery query;
    query.exec("INSERT INTO language (id, name) VALUES (1, 'Bench')");
    query.prepare("INSERT INTO letter (name, id_language) VALUES (?, 1)");
    for (int i = 0; i < 30; ++i) {
        query.addBindValue(QString("L%1").arg(i));
        query.exec();
    }
    query.prepare("INSERT INTO category (name, id_language) VALUES (?, 1)");
    for (int i = 0; i < 50; ++i) {
        query.addBindValue(QString("C%1").arg(i));
        query.exec();
    }
    QSqlQuery word;
    word.prepare("INSERT INTO word (id, name, fullName, image, sign, lips, id_letter) "
                 "VALUES (?, ?, ?, 'p.png', 's.avi', 'l.avi', ?)");
    QSqlQuery link;
    link.prepare("INSERT OR IGNORE INTO word_x_category (id_word, id_category) VALUES (?, ?)");
    for (int i = 1; i <= words; ++i) {
        const QString name = QString("w%1").arg(i);
        word.addBindValue(i);
        word.addBindValue(name);
        word.addBindValue(name);
        word.addBindValue(1 + i % 30);
        if (!word.exec())
            return false;
        link.addBindValue(i);
        link.addBindValue(1 + i % 50);
        link.exec();
        if (i % 3 == 0) {
            link.addBindValue(i);
            link.addBindValue(1 + (i * 7) % 50);
            link.exec();
        }
    }
    return db.commit();
}

// Each child practises random words over the last 120 days: 70 % right at the first try,
// 20 % with one or two wrong answers, 10 % revealed. The triggers fill the review boxes.
bool fillAttempts(int attempts, int users, int words)
{
    QSqlDatabase db = QSqlDatabase::database();
    db.transaction();
    QSqlQuery query;
    query.prepare("INSERT INTO attempt (id_user, id_word, id_letter, activity, started_at, "
                  "finished_at, wrong_answers, revealed, media) VALUES (?, ?, ?, 21, ?, ?, ?, ?, "
                  "'sign')");
    QRandomGenerator random(42);
    const QDateTime start = QDateTime::currentDateTime().addDays(-120);
    const int perUser = attempts / users;
    for (int user = 1; user <= users; ++user) {
        for (int i = 0; i < perUser; ++i) {
            const int word = 1 + random.bounded(words);
            const int roll = random.bounded(10);
            const QDateTime finished = start.addSecs(qint64(i) * 120 * 86400 / perUser);
            query.addBindValue(user);
            query.addBindValue(word);
            query.addBindValue(1 + word % 30);
            query.addBindValue(finished.addSecs(-20).toString(Qt::ISODate));
            query.addBindValue(finished.toString(Qt::ISODate));
            query.addBindValue(roll < 7 ? 0 : (roll < 9 ? 1 + roll % 2 : 3));
            query.addBindValue(roll == 9 ? 1 : 0);
            if (!query.exec())
                return false;
        }
    }
    return db.commit();
}

// CPU time of this thread: the machine is shared, and other processes would inflate the wall
// clock. The database lives in the page cache, so no waiting is left out.
qint64 threadNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

double medianMs(int draws, const std::function<void()> &draw)
{
    QVector<qint64> times;
    times.reserve(draws);
    for (int i = 0; i < draws; ++i) {
        const qint64 start = threadNanoseconds();
        draw();
        times << threadNanoseconds() - start;
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2) / 1e6;
}

// The plain join run directly, as the reference the program's statements are measured against.
void joinedDraw(const QString &candidates, const QString &placeholder, int value)
{
    QSqlQuery query;
    query.prepare(candidates + " ORDER BY RANDOM() LIMIT 1");
    query.bindValue(placeholder, value);
    query.exec();
    query.next();
}

struct Case
{
    QString name;
    QString letters;
    QString categories;
};

void run(const QString &label, int draws, bool withRecord)
{
    Language::Language language;
    language.loadById(1);
    Letter::Letter letter;
    letter.loadById(7);
    Letter::LetterList letterList;
    Word::WordList wordList;
    QRandomGenerator random(7);
    // The child with the most due words in letter 7.
    int child = 1;
    if (withRecord) {
        QSqlQuery busiest;
        busiest.exec("SELECT id_user FROM review_box WHERE id_letter = 7 GROUP BY id_user "
                     "ORDER BY count(*) DESC LIMIT 1");
        if (busiest.next())
            child = busiest.value(0).toInt();
    }

    const QList<Case> cases = {{"no filter", "", ""},
                               {"5 letters", "1,5,9,13,17", ""},
                               {"3 categories", "", "3,17,42"},
                               {"5 letters + 3 categories", "1,5,9,13,17", "3,17,42"}};
    for (const Case &c : cases) {
        Config::Config config;
        config.language = &language;
        config.letterIds = c.letters;
        config.categoryIds = c.categories;
        const double joined = medianMs(draws, [&] {
            joinedDraw(Letter::LetterList::joinedCandidatesQuery(&config, true), ":id_language", 1);
        });
        const double current
            = medianMs(draws, [&] { letterList.loadRandom(&config, &language, true); });
        out << QString("%1  letter  %2  join %3 ms  program %4 ms\n")
                   .arg(label, -8)
                   .arg(c.name, -26)
                   .arg(joined, 8, 'f', 3)
                   .arg(current, 8, 'f', 3);
        if (!c.letters.isEmpty())
            continue;
        const double joinedWord = medianMs(draws, [&] {
            joinedDraw(Word::WordList::joinedCandidatesQuery(&config, true), ":id_letter", 7);
        });
        const double currentWord
            = medianMs(draws, [&] { wordList.loadRandom(&config, &letter, true); });
        out << QString("%1  word    %2  join %3 ms  program %4 ms\n")
                   .arg(label, -8)
                   .arg(c.name, -26)
                   .arg(joinedWord, 8, 'f', 3)
                   .arg(currentWord, 8, 'f', 3);
        if (!withRecord)
            continue;
        // A question's word: review off, review on (one time in three the due pick), and the
        // due pick alone, for the child with the most due words of the letter.
        Review::setOn(&config, child, false);
        const double off = medianMs(
            draws, [&] { Review::loadWord(wordList, &config, child, &letter, true, random); });
        Review::setOn(&config, child, true);
        const double on = medianMs(
            draws, [&] { Review::loadWord(wordList, &config, child, &letter, true, random); });
        const double due
            = medianMs(draws, [&] { Review::dueWordId(&config, child, 7, true, random); });
        out << QString("%1  review  %2  off %3 ms  on %4 ms  due pick %5 ms (%6 due)\n")
                   .arg(label, -8)
                   .arg(c.name, -26)
                   .arg(off, 8, 'f', 3)
                   .arg(on, 8, 'f', 3)
                   .arg(due, 8, 'f', 3)
                   .arg(Review::dueCount(&config, child, 7, true));
    }
    if (withRecord) {
        ItemResult result;
        result.activity = 21;
        result.letterId = 7;
        result.media = {"sign", "lips"};
        int word = 0;
        const double write = medianMs(draws, [&] {
            result.wordId = 1 + (word++ * 7919) % 100000;
            result.wrongAnswers = word % 3;
            result.startedAt = QDateTime::currentDateTime().addSecs(-20);
            result.finishedAt = QDateTime::currentDateTime();
            AttemptStore::record(child, result);
        });
        out << QString("%1  record  one item's row                 %2 ms\n")
                   .arg(label, -8)
                   .arg(write, 8, 'f', 3);
    }
    out.flush();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int words = argc > 1 ? QString(argv[1]).toInt() : 100000;
    const int draws = argc > 2 ? QString(argv[2]).toInt() : 100;
    const int attempts = argc > 3 ? QString(argv[3]).toInt() : 1000000;

    QTemporaryDir dir;
    const QString plain = QStringLiteral(QV_SOURCE_DIR "/tests/support/plain-tables.sql");
    const QString schema = QStringLiteral(QV_SOURCE_DIR "/content/schema.sql");

    out << QString("%1 words, 30 letters, 50 categories, %3 attempts over 30 children; median "
                   "CPU time of %2 draws\n")
               .arg(words)
               .arg(draws)
               .arg(attempts);
    const QList<QPair<QString, QString>> schemas
        = {{"plain", plain}, {"migrated", plain}, {"schema", schema}};
    for (const auto &entry : schemas) {
        const QString path = dir.filePath(entry.first + ".db");
        if (!SqlScript::createDatabase(path, {entry.second})) {
            out << "cannot create " << path << "\n";
            return 1;
        }
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE");
            db.setDatabaseName(path);
            db.open();
            if (!fill(words)) {
                out << "cannot fill " << path << "\n";
                return 1;
            }
            if (entry.first == "migrated") {
                QElapsedTimer timer;
                timer.start();
                if (Migrations::upgrade(db, path) != Migrations::Result::Upgraded) {
                    out << "cannot upgrade " << path << "\n";
                    return 1;
                }
                out << QString("migrated  upgrade of the plain file          %1 ms\n")
                           .arg(timer.elapsed());
            }
            const bool withRecord = entry.first == "schema";
            if (withRecord) {
                QElapsedTimer timer;
                timer.start();
                if (!fillAttempts(attempts, 30, words)) {
                    out << "cannot fill the attempts of " << path << "\n";
                    return 1;
                }
                out << QString("schema    %1 attempt rows written in %2 s\n")
                           .arg(attempts)
                           .arg(timer.elapsed() / 1000.0, 0, 'f', 1);
            }
            QSqlQuery("ANALYZE").exec();
            run(entry.first, draws, withRecord);
            db.close();
        }
        QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
    }
    return 0;
}
