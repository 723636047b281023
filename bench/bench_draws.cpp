// Median cost of the random letter and word draws on a database of 100 000 words over 30
// letters and 50 categories, with the program's schema and with a bare one (no indexes), for
// the program's statements and for the plain join they replace.
//
//   bench_draws [words] [draws]

#include "data/config.h"
#include "data/language.h"
#include "data/letter.h"
#include "data/word.h"
#include "sqlscript.h"

#include <QCoreApplication>
#include <QFile>
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

void run(const QString &label, int draws)
{
    Language::Language language;
    language.loadById(1);
    Letter::Letter letter;
    letter.loadById(7);
    Letter::LetterList letterList;
    Word::WordList wordList;

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
    }
    out.flush();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int words = argc > 1 ? QString(argv[1]).toInt() : 100000;
    const int draws = argc > 2 ? QString(argv[2]).toInt() : 100;

    QTemporaryDir dir;
    QFile schemaFile(QStringLiteral(QV_SOURCE_DIR "/content/schema.sql"));
    schemaFile.open(QIODevice::ReadOnly);
    // The bare schema: the same tables without the indexes.
    QString bare;
    for (const QString &statement :
         SqlScript::statements(QString::fromUtf8(schemaFile.readAll()))) {
        if (!statement.startsWith("CREATE INDEX"))
            bare += statement + ";\n";
    }
    QFile bareFile(dir.filePath("bare.sql"));
    bareFile.open(QIODevice::WriteOnly);
    bareFile.write(bare.toUtf8());
    bareFile.close();

    out << QString("%1 words, 30 letters, 50 categories; median CPU time of %2 draws\n")
               .arg(words)
               .arg(draws);
    const QList<QPair<QString, QString>> schemas
        = {{"bare", bareFile.fileName()}, {"indexed", schemaFile.fileName()}};
    for (const auto &schema : schemas) {
        const QString path = dir.filePath(schema.first + ".db");
        if (!SqlScript::createDatabase(path, {schema.second})) {
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
            QSqlQuery("ANALYZE").exec();
            run(schema.first, draws);
            db.close();
        }
        QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
    }
    return 0;
}
