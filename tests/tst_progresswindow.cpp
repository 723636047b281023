#include "testdatabase.h"

#include "activities/itemresult.h"
#include "admin/admwindow.h"
#include "admin/progresswindow.h"
#include "data/attemptstore.h"
#include "data/category.h"
#include "data/letter.h"
#include "data/progressreport.h"
#include "data/user.h"
#include "data/word.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QXYSeries>
#include <QtTest>

namespace {

void record(int user, int activity, int letter, int word, int wrong, bool revealed,
            const QStringList &media, const QDateTime &finished)
{
    ItemResult result;
    result.activity = activity;
    result.letterId = letter;
    result.wordId = word;
    result.wrongAnswers = wrong;
    result.revealed = revealed;
    result.media = media;
    result.startedAt = finished.addSecs(-15);
    result.finishedAt = finished;
    QVERIFY(AttemptStore::record(user, result));
}

QStringList column(QAbstractItemView *table, int col)
{
    QStringList values;
    const QAbstractItemModel *model = table->model();
    for (int row = 0; row < model->rowCount(); ++row)
        values << model->index(row, col).data().toString();
    return values;
}

} // namespace

class ProgressWindowTestAccess
{
public:
    explicit ProgressWindowTestAccess(ProgressWindow *window) : w(window) { }
    QTableView *words() const { return w->wordsTable; }
    QTableWidget *letters() const { return w->lettersTable; }
    QTableWidget *supports() const { return w->supportsTable; }
    QChartView *chart() const { return w->chartView; }
    QLabel *summary() const { return w->summaryLabel; }
    QComboBox *users() const { return w->userBox; }
    QPushButton *csv() const { return w->csvButton; }

private:
    ProgressWindow *w;
};

class TestProgressWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsWordsLettersSupportsAndDays();
    void wordTableSortsNumbersAsNumbers();
    void childWithoutRecordShowsAMessage();
    void exportsCsvAndPdf();
    void administratorOpensProgress();

private:
    std::unique_ptr<TestDatabase> db;
    int ana = 0, luis = 0;
};

void TestProgressWindow::init()
{
    db = std::make_unique<TestDatabase>();
    QVERIFY(db->isOpen());
    TestDatabase::addLanguage("Español");
    const int a = TestDatabase::addLetter("A");
    const int n = TestDatabase::addLetter("Ñ");
    const int arbol = TestDatabase::addWord("árbol", a);
    const int ajo = TestDatabase::addWord("ajo", a);
    const int nandu = TestDatabase::addWord("ñandú", n);
    User::User user;
    user.name = "Begoña; \"Bego\"";
    QVERIFY(user.save());
    ana = user.id;
    User::User other;
    other.name = "Luis";
    QVERIFY(other.save());
    luis = other.id;

    // Three days: 1 of 2 right, then 2 of 3, then 3 of 3.
    const QDate first(2025, 3, 10);
    record(ana, 21, a, arbol, 1, false, {"sign"}, QDateTime(first, QTime(9, 0)));
    record(ana, 21, a, ajo, 0, false, {"sign"}, QDateTime(first, QTime(9, 1)));
    record(ana, 23, a, arbol, 3, true, {"lips"}, QDateTime(first.addDays(1), QTime(9, 0)));
    for (int i = 0; i < 12; ++i)
        record(ana, 30, a, ajo, 0, false, {}, QDateTime(first.addDays(1), QTime(10, i)));
    record(ana, 25, n, nandu, 0, false, {"hands", "flus"},
           QDateTime(first.addDays(3), QTime(9, 0)));
    record(ana, 24, n, nandu, 0, false, {"hands"}, QDateTime(first.addDays(3), QTime(9, 5)));
}

void TestProgressWindow::cleanup()
{
    db.reset();
}

void TestProgressWindow::showsWordsLettersSupportsAndDays()
{
    ProgressWindow window;
    ProgressWindowTestAccess access(&window);
    QVERIFY(window.showUser(ana));
    QCOMPARE(access.users()->currentText(), QString("Begoña; \"Bego\""));

    QTableView *words = access.words();
    QCOMPARE(words->model()->rowCount(), 3);
    words->sortByColumn(0, Qt::AscendingOrder);
    QCOMPARE(column(words, 0), QStringList({"ajo", "árbol", "ñandú"}));
    QCOMPARE(column(words, 2), QStringList({"13", "2", "1"})); // tries
    QCOMPARE(column(words, 3), QStringList({"13", "0", "1"})); // right at the first try
    QCOMPARE(column(words, 4), QStringList({"0", "1", "0"})); // revealed
    QCOMPARE(column(words, 5), QStringList({"0", "0", "1"})); // seen in a presentation
    QCOMPARE(column(words, 6).last(), QString("2025-03-13 09:05"));

    QTableWidget *letters = access.letters();
    QCOMPARE(column(letters, 0), QStringList({"A", "Ñ"}));
    QCOMPARE(column(letters, 2), QStringList({"15", "1"}));
    QCOMPARE(column(letters, 3), QStringList({"87", "100"})); // 13 of 15

    QTableWidget *supports = access.supports();
    QStringList supportRows;
    for (int row = 0; row < supports->rowCount(); ++row)
        supportRows << supports->item(row, 0)->text() + "=" + supports->item(row, 1)->text() + "/"
                + supports->item(row, 2)->text();
    QCOMPARE(supportRows,
             QStringList({"Video de señas=2/50", "Video de lectura labial=1/100",
                          "Deletreo con las manos=1/0", "Imágenes Flus=1/0"}));

    // The chart has one point per day with answers, in per cent.
    const QList<QAbstractSeries *> series = access.chart()->chart()->series();
    QVERIFY(!series.isEmpty());
    auto *line = qobject_cast<QXYSeries *>(series.first());
    QVERIFY(line);
    QCOMPARE(line->count(), 3);
    QCOMPARE(line->at(0).y(), 50.0);
    QCOMPARE(qRound(line->at(1).y()), 92); // 12 of 13
    QCOMPARE(line->at(2).y(), 100.0);
    QVERIFY(line->at(0).x() < line->at(1).x());
    QVERIFY(access.summary()->text().contains("3 palabras"));
}

void TestProgressWindow::wordTableSortsNumbersAsNumbers()
{
    ProgressWindow window;
    ProgressWindowTestAccess access(&window);
    QVERIFY(window.showUser(ana));
    access.words()->sortByColumn(2, Qt::DescendingOrder);
    // As text "2" would come before "13".
    QCOMPARE(column(access.words(), 2), QStringList({"13", "2", "1"}));
    access.words()->sortByColumn(2, Qt::AscendingOrder);
    QCOMPARE(column(access.words(), 0).first(), QString("ñandú"));
    // Words as in a dictionary: the accented á among the a, before the ñ.
    access.words()->sortByColumn(0, Qt::DescendingOrder);
    QCOMPARE(column(access.words(), 0), QStringList({"ñandú", "árbol", "ajo"}));
}

void TestProgressWindow::childWithoutRecordShowsAMessage()
{
    ProgressWindow window;
    ProgressWindowTestAccess access(&window);
    QVERIFY(window.showUser(luis));
    QCOMPARE(access.words()->model()->rowCount(), 0);
    QCOMPARE(access.summary()->text(),
             QString("Este alumno todavía no tiene actividades registradas."));
    QVERIFY(!access.csv()->isEnabled());
    QVERIFY(!window.showUser(999));
    // Back to a child with a record, the tables fill again.
    QVERIFY(window.showUser(ana));
    QCOMPARE(access.words()->model()->rowCount(), 3);
}

void TestProgressWindow::exportsCsvAndPdf()
{
    ProgressWindow window;
    QVERIFY(window.showUser(ana));
    QTemporaryDir dir;
    const QString csvPath = dir.filePath("progreso.csv");
    QVERIFY(window.exportCsv(csvPath));
    QFile csv(csvPath);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QByteArray bytes = csv.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split("\r\n", Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QVERIFY2(lines.contains("\"Begoña; \"\"Bego\"\"\";ñandú;Ñ;1;1;0;1;2025-03-13 09:05"),
             qPrintable(lines.join('\n')));

    const QString pdfPath = dir.filePath("progreso.pdf");
    QVERIFY(window.exportPdf(pdfPath));
    QFile pdf(pdfPath);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    QVERIFY(pdf.size() > 1000);
    QVERIFY(!window.exportCsv(dir.filePath("no/such/folder/x.csv")));
}

void TestProgressWindow::administratorOpensProgress()
{
    Letter::LetterList letterList;
    Word::WordList wordList;
    Category::CategoryList categoryList;
    AdmWindow admin(&letterList, &wordList, &categoryList);
    auto *button = admin.findChild<QPushButton *>("progressButton");
    QVERIFY(button);
    button->click();
    auto *window = admin.findChild<ProgressWindow *>("progressWindow");
    QVERIFY(window);
    QTRY_VERIFY_WITH_TIMEOUT(window->isVisible(), 15000);
    QCOMPARE(window->windowTitle(), QString("Progreso"));
    window->close();
}

QTEST_MAIN(TestProgressWindow)
#include "tst_progresswindow.moc"
