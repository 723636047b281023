// Time to open "Progreso" for a child with 50 000 attempt rows, among 30 children with
// 1 000 000 rows and 100 000 words: the window built, the record read and the tables and
// chart filled. With --show it keeps a small record of one child on screen (for a look at
// the chart) until closed, or for the given seconds.
//
//   bench_progress [rows of the child] [opens]
//   bench_progress --show [seconds]

#include "activities/itemresult.h"
#include "admin/progresswindow.h"
#include "data/attemptstore.h"
#include "data/progressreport.h"
#include "sqlscript.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <ctime>

namespace {

QTextStream out(stdout);

// CPU time of this thread: other processes on the shared machine would inflate the clock.
qint64 threadNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

bool fill(int words, int children, int rowsPerChild, int busyRows)
{
    QSqlDatabase db = QSqlDatabase::database();
    db.transaction();
    QSqlQuery query;
    query.exec("INSERT INTO language (id, name) VALUES (1, 'Bench')");
    for (int i = 0; i < 30; ++i)
        query.exec(QString("INSERT INTO letter (name, id_language) VALUES ('L%1', 1)").arg(i));
    query.prepare("INSERT INTO word (id, name, fullName, id_letter) VALUES (?, ?, ?, ?)");
    for (int i = 1; i <= words; ++i) {
        query.addBindValue(i);
        query.addBindValue(QString("palabra%1").arg(i));
        query.addBindValue(QString("palabra%1").arg(i));
        query.addBindValue(1 + i % 30);
        query.exec();
    }
    query.prepare("INSERT INTO user (id, name) VALUES (?, ?)");
    for (int user = 1; user <= children; ++user) {
        query.addBindValue(user);
        query.addBindValue(QString("Niño %1").arg(user));
        query.exec();
    }
    query.prepare("INSERT INTO attempt (id_user, id_word, id_letter, activity, started_at, "
                  "finished_at, wrong_answers, revealed, media) VALUES (?, ?, ?, 21, ?, ?, ?, ?, "
                  "?)");
    QRandomGenerator random(42);
    const QDateTime start = QDateTime::currentDateTime().addDays(-120);
    for (int user = 1; user <= children; ++user) {
        const int rows = user == 1 ? busyRows : rowsPerChild;
        for (int i = 0; i < rows; ++i) {
            const int word = 1 + random.bounded(words);
            const int roll = random.bounded(10);
            const QDateTime finished = start.addSecs(qint64(i) * 120 * 86400 / rows);
            query.addBindValue(user);
            query.addBindValue(word);
            query.addBindValue(1 + word % 30);
            query.addBindValue(finished.addSecs(-20).toString(Qt::ISODate));
            query.addBindValue(finished.toString(Qt::ISODate));
            query.addBindValue(roll < 7 ? 0 : (roll < 9 ? 1 + roll % 2 : 3));
            query.addBindValue(roll == 9 ? 1 : 0);
            query.addBindValue(roll < 5 ? "sign" : "sign,lips");
            if (!query.exec())
                return false;
        }
    }
    return db.commit();
}

// A child who gets better over two weeks, for a look at the window.
void fillShowcase()
{
    QSqlQuery query;
    query.exec("INSERT INTO language (id, name) VALUES (1, 'Espanol')");
    const QStringList letters = {"A", "B", "C", "M", "Ñ"};
    const QStringList words = {"árbol", "barco", "casa", "mamá", "ñandú", "abeja", "cama"};
    for (const QString &letter : letters)
        query.exec(QString("INSERT INTO letter (name, id_language) VALUES ('%1', 1)").arg(letter));
    const QList<int> letterOf = {1, 2, 3, 4, 5, 1, 3};
    for (int i = 0; i < words.size(); ++i)
        query.exec(QString("INSERT INTO word (name, fullName, id_letter) VALUES ('%1', '%1', %2)")
                       .arg(words.at(i))
                       .arg(letterOf.at(i)));
    query.exec("INSERT INTO user (name) VALUES ('Begoña')");
    query.exec("INSERT INTO user (name) VALUES ('Luis')");
    QRandomGenerator random(3);
    const QDate first = QDate::currentDate().addDays(-14);
    for (int day = 0; day <= 14; day += 1 + day % 2) {
        for (int i = 0; i < 12; ++i) {
            ItemResult result;
            result.activity = QList<int> {21, 23, 25, 30, 31}.at(i % 5);
            const int word = random.bounded(words.size());
            result.wordId = word + 1;
            result.letterId = letterOf.at(word);
            const bool right = random.bounded(100) < 30 + day * 4;
            result.wrongAnswers = right ? 0 : 1 + random.bounded(3);
            result.revealed = result.wrongAnswers == 3;
            result.media = result.activity == 23 ? QStringList {"lips"}
                : result.activity == 25          ? QStringList {"hands", "flus"}
                                                 : QStringList {"sign"};
            result.finishedAt = QDateTime(first.addDays(day), QTime(10, i));
            result.startedAt = result.finishedAt.addSecs(-25);
            AttemptStore::record(1, result);
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const bool show = args.value(0) == QLatin1String("--show");

    QTemporaryDir dir;
    const QString path = dir.filePath("bd");
    if (!SqlScript::createDatabase(path, {QStringLiteral(QV_SOURCE_DIR "/content/schema.sql")})) {
        out << "cannot create " << path << "\n";
        return 1;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE");
    db.setDatabaseName(path);
    db.open();

    if (show) {
        fillShowcase();
        auto *window = new ProgressWindow;
        window->showUser(1);
        window->findChild<QTabWidget *>()->setCurrentIndex(args.value(2, "2").toInt());
        window->show();
        QTimer::singleShot(args.value(1, "60").toInt() * 1000, &app, &QApplication::quit);
        const int code = app.exec();
        delete window;
        return code;
    }

    const int busyRows = args.value(0, "50000").toInt();
    const int opens = args.value(1, "10").toInt();
    QElapsedTimer timer;
    timer.start();
    if (!fill(100000, 30, (1000000 - busyRows) / 29, busyRows)) {
        out << "cannot fill " << path << "\n";
        return 1;
    }
    QSqlQuery("ANALYZE").exec();
    out << QString("100000 words, 30 children, 1000000 attempt rows (%1 of child 1) written in "
                   "%2 s\n")
               .arg(busyRows)
               .arg(timer.elapsed() / 1000.0, 0, 'f', 1);

    QVector<qint64> reads, windows, walls;
    for (int i = 0; i < opens; ++i) {
        qint64 start = threadNanoseconds();
        ProgressReport report;
        report.load(1);
        reads << threadNanoseconds() - start;
        timer.restart();
        start = threadNanoseconds();
        ProgressWindow window;
        window.showUser(1);
        windows << threadNanoseconds() - start;
        walls << timer.nsecsElapsed();
    }
    std::sort(walls.begin(), walls.end());
    std::sort(reads.begin(), reads.end());
    std::sort(windows.begin(), windows.end());
    out << QString("median CPU time of %1 opens\n").arg(opens);
    out << QString("record read (ProgressReport::load)     median %1 ms\n")
               .arg(reads.at(reads.size() / 2) / 1e6, 0, 'f', 1);
    ProgressReport report;
    report.load(1);
    out << QString("Progreso opened for child 1 (%1 words) median %2 ms\n")
               .arg(report.words.size())
               .arg(windows.at(windows.size() / 2) / 1e6, 0, 'f', 1);
    out << QString("  (wall clock on this shared machine      median %1 ms)\n")
               .arg(walls.at(walls.size() / 2) / 1e6, 0, 'f', 1);
    out.flush();
    return 0;
}
