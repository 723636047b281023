#include "data/backup.h"
#include "data/database.h"
#include "data/language.h"
#include "data/letter.h"
#include "data/word.h"
#include "data/wordsave.h"
#include "mediatreefixture.h"
#include "testdatabase.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <csignal>
#include <unistd.h>

namespace {

const QString languageName = QStringLiteral("Español");
const qint64 largeSize = 96 * 1024 * 1024;

QString lettersRoot()
{
    return QCoreApplication::applicationDirPath() + "/media/languages/" + languageName + "/Letras";
}

// Run as "tst_wordsave --save DB MODE STEP ACTION SOURCEDIR": saves a word (MODE "new":
// arbol; "edit": casa renamed casona with a new picture and a large sign video) and, at STEP,
// dies by SIGKILL (ACTION "kill") or waits until killed (ACTION "wait").
int saveInChild(const QStringList &args)
{
    const QString mode = args.at(3);
    const QByteArray stopAt = args.at(4).toUtf8();
    const bool wait = args.at(5) == "wait";
    const QString sources = args.at(6);
    if (Database::openDefault(args.at(2)) != Database::State::Ready)
        return 3;
    Language::Language language;
    Letter::Letter letter;
    if (!language.loadById(1) || !letter.findByName("A", &language))
        return 4;
    WordSave::stepHook = [&](const char *step) {
        if (stopAt != step)
            return;
        QTextStream(stdout) << "at " << step << Qt::endl;
        if (!wait)
            ::kill(::getpid(), SIGKILL);
        for (;;)
            QThread::msleep(100);
    };
    Word::Word before;
    WordSave::Request request;
    request.letter = &letter;
    if (mode == "edit") {
        if (!before.findByFullName("casa", &letter))
            return 5;
        request.before = &before;
        request.name = "casona";
        request.fullName = "casona";
        request.sources[0] = sources + "/casa.png";
        request.sources[1] = sources + "/grande.avi";
    } else {
        request.name = "arbol";
        request.fullName = "arbol";
        request.sources[0] = sources + "/arbol.png";
        request.sources[1] = sources + "/grande.avi";
        request.sources[2] = sources + "/arbol-labial.avi";
    }
    request.writeLinks = [](Word::Word &word) {
        return word.id > 0
            && QSqlQuery().exec(QString("INSERT OR IGNORE INTO word_x_category (id_word, "
                                        "id_category) VALUES (%1, 1)")
                                    .arg(word.id));
    };
    const WordSave::Outcome outcome = WordSave::save(request);
    return outcome.result == WordSave::Result::Saved ? 0 : 6;
}

} // namespace

class TestWordSave : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void killedAnywhereLeavesOldOrNewWordComplete_data();
    void killedAnywhereLeavesOldOrNewWordComplete();
    void killedAtARandomMomentLeavesNoHalfFile_data();
    void killedAtARandomMomentLeavesNoHalfFile();
    void copyTakenDuringASaveRestoresConsistent_data();
    void copyTakenDuringASaveRestoresConsistent();
    void finalNamesAreVisibleAndUnique_data();
    void finalNamesAreVisibleAndUnique();

private:
    QProcess *startChild(const QString &mode, const QString &step, const QString &action);
    // The folders and records agree: every word row has its folder with every file it names,
    // no staging file or intent is left, and the word is the old or the new one.
    void checkConsistent(const QString &mode, const QString &root);

    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<MediaTreeFixture> tree;
    QString sources;
    QString largePath;
};

void TestWordSave::init()
{
    db = std::make_unique<TestDatabase>();
    QVERIFY(db->isOpen());
    tree = std::make_unique<MediaTreeFixture>(languageName);
    QCOMPARE(TestDatabase::addLanguage(languageName), 1);
    const int a = TestDatabase::addLetter("A");
    TestDatabase::addCategory("ANIMALES");
    TestDatabase::addWord("casa", a);
    tree->addWordFolder("A", "casa", {"casa.png", "casa-senas.avi", "casa-labial.avi"});
    sources = tree->sourceFile("casa.png", "new picture");
    sources = QFileInfo(sources).absolutePath();
    MediaTreeFixture::writeFile(sources + "/arbol.png", "arbol picture");
    MediaTreeFixture::writeFile(sources + "/arbol-labial.avi", "arbol lips");
    // The large video lives on another file system where there is one, so that copying it
    // takes real time instead of a shared extent.
    largePath = QDir("/dev/shm").exists()
        ? "/dev/shm/qv-grande-" + QString::number(QCoreApplication::applicationPid()) + ".avi"
        : sources + "/grande-real.avi";
    QVERIFY(QFile::link(largePath, sources + "/grande.avi"));
    QFile large(largePath);
    QVERIFY(large.open(QIODevice::WriteOnly));
    QByteArray block(1024 * 1024, 'v');
    for (qint64 written = 0; written < largeSize; written += block.size())
        large.write(block);
    large.close();
}

void TestWordSave::cleanup()
{
    QFile::remove(largePath);
    tree.reset();
    db.reset();
}

QProcess *TestWordSave::startChild(const QString &mode, const QString &step, const QString &action)
{
    auto *child = new QProcess(this);
    child->start(QCoreApplication::applicationFilePath(),
                 {"--save", db->path(), mode, step, action, sources});
    return child;
}

void TestWordSave::checkConsistent(const QString &mode, const QString &root)
{
    QSqlQuery query;
    QVERIFY(query.exec("SELECT fullName, image, sign, lips FROM word ORDER BY fullName"));
    QStringList names;
    while (query.next()) {
        const QString folder = root + "/A/" + query.value(0).toString();
        names << query.value(0).toString();
        QVERIFY2(QFileInfo(folder).isDir(), qPrintable(folder));
        for (int column = 1; column <= 3; ++column) {
            const QString file = folder + "/" + query.value(column).toString();
            QVERIFY2(QFileInfo(file).isFile(), qPrintable(file));
        }
        const bool large = query.value(2).toString() == "grande.avi";
        if (large)
            QCOMPARE(QFileInfo(folder + "/grande.avi").size(), largeSize);
        const QString picture
            = MediaTreeFixture::readFile(folder + "/" + query.value(1).toString());
        if (query.value(0).toString() == "casona")
            QCOMPARE(picture, QString("new picture"));
        if (query.value(0).toString() == "casa")
            QCOMPARE(picture, QString("casa.png"));
    }
    if (mode == "edit")
        QVERIFY2(names == QStringList({"casa"}) || names == QStringList({"casona"}),
                 qPrintable(names.join(",")));
    else
        QVERIFY2(names == QStringList({"casa"}) || names == QStringList({"arbol", "casa"}),
                 qPrintable(names.join(",")));
    // Folders without a record are neither left nor made.
    QStringList folders = QDir(root + "/A").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    folders.sort();
    QCOMPARE(folders, names);
    for (const QString &entry : MediaTreeFixture::listTree(root))
        QVERIFY2(!QFileInfo(entry).fileName().startsWith(".qv-"), qPrintable(entry));
    QCOMPARE(TestDatabase::scalar("SELECT COUNT(*) FROM config WHERE id_user = -1").toInt(), 0);
}

void TestWordSave::killedAnywhereLeavesOldOrNewWordComplete_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("step");
    for (const char *mode : {"edit", "new"}) {
        for (const char *step :
             {"intent", "folder", "copied", "committed", "renamed", "moved", "deleted", "done"})
            QTest::addRow("%s, killed at %s", mode, step) << QString(mode) << QString(step);
    }
}

void TestWordSave::killedAnywhereLeavesOldOrNewWordComplete()
{
    QFETCH(QString, mode);
    QFETCH(QString, step);
    QProcess *child = startChild(mode, step, "kill");
    QVERIFY(child->waitForFinished(60000));
    QCOMPARE(child->exitStatus(), QProcess::CrashExit);
    QVERIFY(child->readAllStandardOutput().startsWith("at " + step.toUtf8()));

    // The next start (or edit) finishes or undoes it.
    WordSave::recoverAll(lettersRoot());
    checkConsistent(mode, lettersRoot());
    const bool committed = step == "committed" || step == "renamed" || step == "moved"
        || step == "deleted" || step == "done";
    QCOMPARE(TestDatabase::scalar("SELECT COUNT(*) FROM word").toInt(),
             mode == "new" && committed ? 2 : 1);
    if (mode == "edit")
        QCOMPARE(TestDatabase::scalar("SELECT fullName FROM word").toString(),
                 QString(committed ? "casona" : "casa"));
}

void TestWordSave::killedAtARandomMomentLeavesNoHalfFile_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("delay");
    for (const char *mode : {"edit", "new"}) {
        for (int delay : {20, 40, 60, 80, 120, 160, 240, 400})
            QTest::addRow("%s, killed after %d ms", mode, delay) << QString(mode) << delay;
    }
}

void TestWordSave::killedAtARandomMomentLeavesNoHalfFile()
{
    QFETCH(QString, mode);
    QFETCH(int, delay);
    QProcess *child = startChild(mode, "none", "kill");
    QVERIFY(child->waitForStarted());
    QThread::msleep(delay);
    child->kill();
    QVERIFY(child->waitForFinished(60000));
    // Whatever was reached: the large video is whole under its name or not there at all.
    for (const char *folder : {"casa", "casona", "arbol"}) {
        const QFileInfo large(lettersRoot() + "/A/" + QString(folder) + "/grande.avi");
        if (large.exists())
            QCOMPARE(large.size(), largeSize);
    }
    WordSave::recoverAll(lettersRoot());
    checkConsistent(mode, lettersRoot());
}

void TestWordSave::copyTakenDuringASaveRestoresConsistent_data()
{
    QTest::addColumn<QString>("step");
    QTest::newRow("copies staged") << "copied";
    QTest::newRow("record committed") << "committed";
    QTest::newRow("files being moved") << "moved";
}

void TestWordSave::copyTakenDuringASaveRestoresConsistent()
{
    QFETCH(QString, step);
    QProcess *child = startChild("edit", step, "wait");
    QVERIFY(child->waitForReadyRead(60000));
    QVERIFY(child->readAllStandardOutput().startsWith("at " + step.toUtf8()));
    QTemporaryDir place;
    const QString languageDir = QFileInfo(lettersRoot()).absolutePath();
    const Backup::Result copy = Backup::create(place.path(), languageDir);
    QVERIFY2(copy.ok, qPrintable(copy.error));
    child->kill();
    QVERIFY(child->waitForFinished(60000));

    // The copy is made whole at its next use, as the program would after a restore.
    QCOMPARE(Database::openDefault(copy.folder + "/bd"), Database::State::Ready);
    const QString copyRoot = copy.folder + "/media/" + languageName + "/Letras";
    WordSave::recoverAll(copyRoot);
    checkConsistent("edit", copyRoot);
    QCOMPARE(Database::openDefault(db->path()), Database::State::Ready);
}

void TestWordSave::finalNamesAreVisibleAndUnique_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<QString>("expected");
    QTest::newRow("free") << "casa.png" << QStringList() << "casa.png";
    QTest::newRow("taken") << "casa.png" << QStringList({"casa.png"}) << "casa-2.png";
    QTest::newRow("taken twice") << "casa.png" << QStringList({"casa.png", "casa-2.png"})
                                 << "casa-3.png";
    QTest::newRow("hidden") << ".x.png" << QStringList() << "x.png";
    QTest::newRow("only dots") << "..." << QStringList() << "archivo";
    QTest::newRow("no extension") << "video" << QStringList({"video"}) << "video-2";
}

void TestWordSave::finalNamesAreVisibleAndUnique()
{
    QFETCH(QString, chosen);
    QFETCH(QStringList, taken);
    QFETCH(QString, expected);
    QCOMPARE(WordSave::finalName(chosen, taken), expected);
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 7 && args.at(1) == "--save")
        return saveInChild(args);
    TestWordSave test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_wordsave.moc"
