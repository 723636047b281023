// The demo content: the seed database and the media tree the generator writes for it.

#include "mediagenerator.h"
#include "sqlscript.h"

#include "data/config.h"
#include "data/language.h"
#include "data/letter.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString schemaFile = QStringLiteral(QV_SOURCE_DIR "/content/schema.sql");
const QString seedFile = QStringLiteral(QV_SOURCE_DIR "/content/seed.sql");

struct SeedWord
{
    QString name;
    QString fullName;
    QString image;
    QString sign;
    QString lips;
    QString letter; // empty when the word's letter row is missing
};

// The picture name of the letter at i of a word, as the word rendering names it with "use-ch"
// and "use-ll" on (lower case); moves i onto a digraph's second character.
QString imageNameAt(const QString &word, int &i)
{
    static const QHash<QChar, QString> codes
        = {{u'á', "at"}, {u'é', "et"}, {u'í', "it"}, {u'ó', "ot"}, {u'ú', "ut"},
           {u'ü', "ud"}, {u'ñ', "nt"}, {u'ç', "ct"}, {u'à', "aa"}, {u'è', "ea"},
           {u'ì', "ia"}, {u'ò', "oa"}, {u'ù', "ua"}, {u'ï', "id"}};
    const QString lower = word.toLower();
    const QChar c = lower.at(i);
    if (i + 1 < lower.size()) {
        const QChar next = lower.at(i + 1);
        if ((c == 'c' && next == 'h') || (c == 'l' && next == 'l')) {
            ++i;
            return QString(c) + next;
        }
    }
    return codes.value(c, QString(c));
}

// The hand and Flus file key of the letter at i (accents dropped, ñ and ç coded, digraphs).
QString sequenceKeyAt(const QString &word, int &i)
{
    static const QHash<QChar, QString> codes = {{u'á', "a"}, {u'é', "e"},  {u'í', "i"}, {u'ó', "o"},
                                                {u'ú', "u"}, {u'ñ', "nt"}, {u'ç', "ct"}};
    const QString lower = word.toLower();
    const QChar c = lower.at(i);
    if (codes.contains(c))
        return codes.value(c);
    if (i + 1 < lower.size()) {
        const QChar next = lower.at(i + 1);
        if ((c == 'c' && next == 'h') || (c == 'l' && next == 'l')) {
            ++i;
            return QString(c) + next;
        }
    }
    return QString(c);
}

bool makeSeedDatabase(const QString &path, QString *error = nullptr)
{
    return SqlScript::createDatabase(path, {schemaFile, seedFile}, error);
}

QStringList filesBelow(const QString &root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace

class TestContent : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    // The seed database.
    void seedLoadsIntoSchema();
    void requiredLettersExist_data();
    void requiredLettersExist();
    void everyWordIsFiledUnderItsFirstLetter();
    void wordsCoverSpellingCases_data();
    void wordsCoverSpellingCases();
    void wordMediaNamesFollowFullName();
    void everyWordAndCategoryIsLinked();
    void languageSwitchesPresent_data();
    void languageSwitchesPresent();

    // The generated tree.
    void fixedFilesExist_data();
    void fixedFilesExist();
    void picturesHaveTheirBoxSize_data();
    void picturesHaveTheirBoxSize();
    void everySeedWordCanBeRenderedInEveryFont();
    void everySeedWordCanBeFingerSpelled();
    void everyLetterHasHandAndBottomPictures();
    void everySeedWordHasItsPicture();
    void storiesHaveTheirPageCounts();
    void existingWordPictureIsKeptUnlessForced();
    void unsafeNamesWriteNothingOutsideTheTree();

    // Videos.
    void generatedVideoIsPlayableMpeg4();
    void videosAreEncodedInParallelAndComplete();
    void missingFfmpegSkipsVideosWithNote();
    void failingFfmpegIsReportedAndLeavesNoPartFile();

private:
    QList<SeedWord> seedWords() const;
    QString system(const QString &path) const { return m_media + "/system/" + path; }
    QString language(const QString &path) const { return m_media + "/languages/Espanol/" + path; }

    QTemporaryDir m_dir;
    QString m_database;
    QString m_media;
    Language::Language m_language;
};

void TestContent::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_database = m_dir.filePath("bd");
    QString error;
    QVERIFY2(makeSeedDatabase(m_database, &error), qPrintable(error));
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE");
    db.setDatabaseName(m_database);
    QVERIFY(db.open());
    QVERIFY(m_language.loadById(1));

    m_media = m_dir.filePath("media");
    MediaGenerator::Options options;
    options.videos = false;
    MediaGenerator generator(m_media, options);
    QVERIFY2(generator.generate(m_database), qPrintable(generator.errorString()));
    QVERIFY(generator.picturesWritten() > 500);
}

void TestContent::cleanupTestCase()
{
    QSqlDatabase::database().close();
}

QList<SeedWord> TestContent::seedWords() const
{
    QList<SeedWord> words;
    QSqlQuery query("SELECT w.name, w.fullName, w.image, w.sign, w.lips, l.name FROM word w "
                    "LEFT JOIN letter l ON l.id = w.id_letter AND l.id_language = 1");
    while (query.next()) {
        words.append({query.value(0).toString(), query.value(1).toString(),
                      query.value(2).toString(), query.value(3).toString(),
                      query.value(4).toString(), query.value(5).toString()});
    }
    return words;
}

void TestContent::seedLoadsIntoSchema()
{
    // Statement by statement, so that a failure names the statement.
    QTemporaryDir dir;
    const QString path = dir.filePath("bd");
    QVERIFY(SqlScript::createDatabase(path, {schemaFile}));
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "seed");
    db.setDatabaseName(path);
    QVERIFY(db.open());
    QFile seed(seedFile);
    QVERIFY(seed.open(QIODevice::ReadOnly));
    const QStringList statements = SqlScript::statements(QString::fromUtf8(seed.readAll()));
    QVERIFY(statements.size() > 100);
    for (const QString &statement : statements) {
        QSqlQuery query(db);
        QVERIFY2(query.exec(statement), qPrintable(statement));
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase("seed");

    QCOMPARE(m_language.name, QString("Espanol"));
    QSqlQuery count("SELECT COUNT(*), COUNT(DISTINCT name) FROM letter WHERE id_language = 1");
    QVERIFY(count.next());
    QCOMPARE(count.value(0).toInt(), 29);
    QCOMPARE(count.value(1).toInt(), 29);
    QVERIFY(!QSqlQuery("SELECT 1 FROM letter WHERE name <> UPPER(name)").next());
}

void TestContent::requiredLettersExist_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("a") << "a"
                       << "A";
    QTest::newRow("ch") << "ch"
                        << "CH";
    QTest::newRow("ll") << "ll"
                        << "LL";
    QTest::newRow("ñ") << "ñ"
                       << "Ñ";
    QTest::newRow("n") << "n"
                       << "N";
    QTest::newRow("w") << "w"
                       << "W";
    QTest::newRow("z") << "z"
                       << "Z";
}

void TestContent::requiredLettersExist()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    Letter::Letter letter;
    QVERIFY(letter.findByName(typed, &m_language));
    QCOMPARE(letter.name, stored);
}

void TestContent::everyWordIsFiledUnderItsFirstLetter()
{
    const QList<SeedWord> words = seedWords();
    QVERIFY(words.size() >= 40);
    QSet<QString> letters;
    for (const SeedWord &word : words) {
        QVERIFY2(!word.letter.isEmpty(), qPrintable(word.name + ": no such letter"));
        int i = 0;
        QString first = imageNameAt(word.name, i);
        const QHash<QString, QString> vowels
            = {{"at", "a"}, {"et", "e"}, {"it", "i"}, {"ot", "o"}, {"ut", "u"}, {"nt", "ñ"}};
        first = vowels.value(first, first);
        QVERIFY2(first.toUpper() == word.letter,
                 qPrintable(QString("%1 is filed under %2").arg(word.name, word.letter)));
        letters << word.letter;
    }
    QVERIFY(letters.size() >= 25);
}

void TestContent::wordsCoverSpellingCases_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::newRow("accented vowel") << "[áéíóú]";
    QTest::newRow("space") << " ";
    QTest::newRow("ch at the start") << "^ch";
    QTest::newRow("ch inside") << "^.+ch";
    QTest::newRow("ll at the start") << "^ll";
    QTest::newRow("ll inside") << "^.+ll";
    QTest::newRow("ñ at the start") << "^ñ";
    QTest::newRow("ñ inside") << "^.+ñ";
    QTest::newRow("ü") << "ü";
}

void TestContent::wordsCoverSpellingCases()
{
    QFETCH(QString, pattern);
    const QRegularExpression re(pattern);
    bool found = false;
    for (const SeedWord &word : seedWords())
        found = found || re.match(word.name).hasMatch();
    QVERIFY(found);
}

void TestContent::wordMediaNamesFollowFullName()
{
    for (const SeedWord &word : seedWords()) {
        QCOMPARE(word.image, word.fullName + ".png");
        QCOMPARE(word.sign, word.fullName + "-senas.avi");
        QCOMPARE(word.lips, word.fullName + "-labial.avi");
    }
    QSqlQuery duplicates("SELECT COUNT(*) FROM (SELECT 1 FROM word GROUP BY id_letter, fullName "
                         "HAVING COUNT(*) > 1)");
    QVERIFY(duplicates.next());
    QCOMPARE(duplicates.value(0).toInt(), 0);
}

void TestContent::everyWordAndCategoryIsLinked()
{
    QSqlQuery unlinked("SELECT COUNT(*) FROM word w WHERE NOT EXISTS "
                       "(SELECT 1 FROM word_x_category wc WHERE wc.id_word = w.id)");
    QVERIFY(unlinked.next());
    QCOMPARE(unlinked.value(0).toInt(), 0);
    QSqlQuery empty("SELECT COUNT(*) FROM category c WHERE NOT EXISTS "
                    "(SELECT 1 FROM word_x_category wc WHERE wc.id_category = c.id)");
    QVERIFY(empty.next());
    QCOMPARE(empty.value(0).toInt(), 0);
    QSqlQuery dangling("SELECT COUNT(*) FROM word_x_category wc WHERE NOT EXISTS "
                       "(SELECT 1 FROM word w WHERE w.id = wc.id_word) OR NOT EXISTS "
                       "(SELECT 1 FROM category c WHERE c.id = wc.id_category)");
    QVERIFY(dangling.next());
    QCOMPARE(dangling.value(0).toInt(), 0);
    QVERIFY(!QSqlQuery("SELECT 1 FROM category WHERE name <> UPPER(name)").next());
}

void TestContent::languageSwitchesPresent_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("value");
    QTest::newRow("use-ch") << "use-ch" << 1;
    QTest::newRow("use-ll") << "use-ll" << 1;
    QTest::newRow("use-caps") << "use-caps" << 0;
    QTest::newRow("strict-filter-show") << "strict-filter-show" << 0;
    QTest::newRow("use-flus") << "use-flus" << 1;
}

void TestContent::languageSwitchesPresent()
{
    QFETCH(QString, key);
    QFETCH(int, value);
    Config::Config config;
    config.language = &m_language;
    QCOMPARE(config.value(key, 0), value);
    QSqlQuery rows;
    rows.prepare(
        "SELECT COUNT(*) FROM config WHERE key = :key AND id_user = 0 AND id_language = 1");
    rows.bindValue(":key", key);
    QVERIFY(rows.exec() && rows.next());
    QCOMPARE(rows.value(0).toInt(), 1);
}

void TestContent::fixedFilesExist_data()
{
    QTest::addColumn<QString>("path");
    const QStringList ui = {"background.png",
                            "backgroundleer.png",
                            "advertencia-sin-palabras.png",
                            "advertencia-sin-repeticion.png",
                            "fizq.png",
                            "fizqroll.png",
                            "fder.png",
                            "fderroll.png",
                            "space.png",
                            "abajo.png",
                            "derecha.png",
                            "arriba.png",
                            "izquierda.png"};
    for (const QString &file : ui)
        QTest::newRow(qPrintable("ui/" + file)) << "system/ui/" + file;
    const QStringList menus = {"letras.png",
                               "letrasroll.png",
                               "leerescribir.png",
                               "leerescribirroll.png",
                               "letras_leer.png",
                               "leerescribir_leer.png",
                               "submenu1.png",
                               "submenu2.png",
                               "submenu3.png",
                               "subsubmenu1.png",
                               "subsubmenu2.png",
                               "senas.png",
                               "senasroll.png",
                               "labial.png",
                               "labialroll.png",
                               "dactilologico.png",
                               "dactilologicoroll.png",
                               "leer.png",
                               "leerroll.png",
                               "escribir.png",
                               "escribirroll.png",
                               "tepresentosenas.png",
                               "tepresentosenasroll.png",
                               "comoempiezasenas.png",
                               "comoempiezasenasroll.png",
                               "digoletraslabial.png",
                               "digoletraslabialroll.png",
                               "comoempiezalabial.png",
                               "comoempiezalabialroll.png",
                               "presentodactilologico.png",
                               "presentodactilologicoroll.png",
                               "letradactilologico.png",
                               "letradactilologicoroll.png",
                               "escribir1.png",
                               "escribir1roll.png",
                               "escribir2.png",
                               "escribir2roll.png",
                               "archivo.png",
                               "archivoroll.png",
                               "ayuda.png",
                               "ayudaroll.png",
                               "usuario.png",
                               "usuario_roll.png",
                               "config.png",
                               "config_roll.png",
                               "administrador.png",
                               "administrador_roll.png",
                               "salir.png",
                               "salir_roll.png",
                               "cuentos.png",
                               "fabulas.png",
                               "leer1.png",
                               "leer1roll.png",
                               "leer2.png",
                               "leer2roll.png",
                               "leer3.png",
                               "leer3roll.png",
                               "leer4.png",
                               "leer4roll.png",
                               "leer5.png",
                               "leer5roll.png",
                               "repetir.png",
                               "repetir_roll.png",
                               "esconder.png",
                               "esconder_roll.png",
                               "letrasstopmo.png",
                               "letrasstopmo_roll.png"};
    for (const QString &file : menus)
        QTest::newRow(qPrintable("menus/" + file)) << "system/menus/" + file;
    const QStringList titles = {"te presento palabras.png",
                                "como empieza esta palabra.png",
                                "te digo las letras.png",
                                "como comienza esta palabra labial.png",
                                "te presento las letras.png",
                                "que letra es.png",
                                "escribir1.png",
                                "escribir2.png"};
    for (const QString &file : titles)
        QTest::newRow(qPrintable("titulos/" + file)) << "system/titulos/" + file;
    for (const QString &kind : QStringList {"good", "wrong"}) {
        for (int i = 1; i <= 3; ++i) {
            const QString file = QString("feedback/%1%2.png").arg(kind).arg(i);
            QTest::newRow(qPrintable(file)) << "system/" + file;
        }
    }
    QTest::newRow("credits") << "languages/Espanol/UI/creditos-grande.png";
}

void TestContent::fixedFilesExist()
{
    QFETCH(QString, path);
    QImage image(m_media + "/" + path);
    QVERIFY2(!image.isNull(), qPrintable(path));
}

void TestContent::picturesHaveTheirBoxSize_data()
{
    // The program shows these pictures unscaled in boxes of fixed size.
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::newRow("background") << "system/ui/background.png" << QSize(1024, 741);
    QTest::newRow("title") << "system/titulos/que letra es.png" << QSize(334, 122);
    QTest::newRow("feedback") << "system/feedback/wrong2.png" << QSize(207, 250);
    QTest::newRow("warning") << "system/ui/advertencia-sin-palabras.png" << QSize(542, 131);
    QTest::newRow("orientation") << "system/ui/izquierda.png" << QSize(93, 64);
    QTest::newRow("top menu") << "system/menus/leerescribirroll.png" << QSize(277, 116);
    QTest::newRow("file menu") << "system/menus/salir_roll.png" << QSize(91, 23);
    QTest::newRow("story entry") << "system/menus/leer5.png" << QSize(362, 39);
    QTest::newRow("bottom letter") << "system/inferior/ch.png" << QSize(261, 215);
    QTest::newRow("hand") << "languages/Espanol/Senas/nt.png" << QSize(282, 297);
    QTest::newRow("flus") << "languages/Espanol/Flus/ll.png" << QSize(207, 242);
    QTest::newRow("word") << "languages/Espanol/Letras/A/árbol/árbol.png" << QSize(351, 211);
    QTest::newRow("story page") << "languages/Espanol/Cuentos/leer5_10.png" << QSize(884, 556);
    QTest::newRow("credits") << "languages/Espanol/UI/creditos-grande.png" << QSize(1024, 768);
}

void TestContent::picturesHaveTheirBoxSize()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QCOMPARE(QImage(m_media + "/" + path).size(), size);
}

void TestContent::everySeedWordCanBeRenderedInEveryFont()
{
    // Lower case, upper case (first capital, "use-caps") and with "use-ch"/"use-ll" off.
    QStringList missing;
    for (const SeedWord &word : seedWords()) {
        for (int i = 0; i < word.name.size(); ++i) {
            const QString name = imageNameAt(word.name, i);
            QStringList names;
            if (name == " ") {
                names << "ui/space";
            } else {
                names << "min/" + name << "may/" + name.toUpper();
                for (const QChar c : name)
                    names << "min/" + QString(c) << "may/" + QString(c).toUpper();
            }
            for (const QString &font : QStringList {"cooper/", "blank/", "cuadrados/"}) {
                for (const QString &n : names) {
                    const QString path = n.startsWith("ui/") ? n + ".png" : font + n + ".png";
                    if (!QFile::exists(system(path)))
                        missing << path;
                }
            }
        }
    }
    missing.removeDuplicates();
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
    QVERIFY(QFile::exists(system("cooper/may/NT.png")));
    QVERIFY(QFile::exists(system("blank/min/ot.png")));
}

void TestContent::everySeedWordCanBeFingerSpelled()
{
    QStringList missing;
    for (const SeedWord &word : seedWords()) {
        for (int i = 0; i < word.name.size(); ++i) {
            const int start = i;
            QStringList keys = {sequenceKeyAt(word.name, i)};
            // With the digraph flags off the pair is spelled letter by letter.
            if (i != start)
                keys << word.name.mid(start, 1).toLower() << word.name.mid(i, 1).toLower();
            for (const QString &key : keys) {
                for (const QString &folder : QStringList {"Senas/", "Flus/"}) {
                    if (!QFile::exists(language(folder + key + ".png")))
                        missing << folder + key;
                }
            }
        }
    }
    missing.removeDuplicates();
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
}

void TestContent::everyLetterHasHandAndBottomPictures()
{
    QSqlQuery letters("SELECT name FROM letter WHERE id_language = 1");
    QStringList missing;
    int count = 0;
    while (letters.next()) {
        ++count;
        const QString name = letters.value(0).toString();
        int i = 0;
        const QString image = imageNameAt(name, i);
        const QStringList paths = {system("inferior/" + image + ".png"),
                                   system("inferior/may/" + image.toUpper() + ".png"),
                                   language("Senas/" + image + ".png"),
                                   language("Senas/may/" + image.toUpper() + ".png")};
        for (const QString &path : paths) {
            if (!QFile::exists(path))
                missing << path;
        }
        QVERIFY(QFileInfo(language("Letras/" + name)).isDir());
    }
    QCOMPARE(count, 29);
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
}

void TestContent::everySeedWordHasItsPicture()
{
    for (const SeedWord &word : seedWords()) {
        const QString dir = language("Letras/" + word.letter + "/" + word.fullName + "/");
        QVERIFY2(!QImage(dir + word.image).isNull(), qPrintable(dir + word.image));
        // Videos were switched off for this tree.
        QVERIFY(!QFile::exists(dir + word.sign));
    }
}

void TestContent::storiesHaveTheirPageCounts()
{
    const QList<int> counts = {8, 8, 8, 9, 10};
    for (int story = 1; story <= 5; ++story) {
        for (int page = 1; page <= counts.at(story - 1); ++page) {
            const QString file = QString("Cuentos/leer%1_%2.png").arg(story).arg(page);
            QVERIFY2(!QImage(language(file)).isNull(), qPrintable(file));
        }
        QVERIFY(!QFile::exists(
            language(QString("Cuentos/leer%1_%2.png").arg(story).arg(counts.at(story - 1) + 1))));
    }
    QVERIFY(!QFile::exists(language("Cuentos/leer1_0.png")));
    QVERIFY(!QFile::exists(language("Cuentos/leer6_1.png")));
}

void TestContent::existingWordPictureIsKeptUnlessForced()
{
    QTemporaryDir dir;
    const QString media = dir.filePath("media");
    const QString picture = media + "/languages/Espanol/Letras/C/casa/casa.png";
    QVERIFY(QDir().mkpath(QFileInfo(picture).absolutePath()));
    QImage own(10, 10, QImage::Format_RGB32);
    own.fill(Qt::red);
    QVERIFY(own.save(picture));
    const QString background = media + "/system/ui/background.png";
    QVERIFY(QDir().mkpath(QFileInfo(background).absolutePath()));
    QVERIFY(own.save(background));

    MediaGenerator::Options options;
    options.videos = false;
    MediaGenerator keep(media, options);
    QVERIFY(keep.generate(m_database));
    QCOMPARE(QImage(picture).size(), QSize(10, 10));
    QVERIFY(keep.filesKept() >= 1);
    // Interface pictures are the generator's own and always redrawn.
    QCOMPARE(QImage(background).size(), QSize(1024, 741));

    options.force = true;
    MediaGenerator force(media, options);
    QVERIFY(force.generate(m_database));
    QCOMPARE(QImage(picture).size(), QSize(351, 211));
}

void TestContent::unsafeNamesWriteNothingOutsideTheTree()
{
    QTemporaryDir dir;
    const QString db = dir.filePath("bd");
    QVERIFY(SqlScript::createDatabase(db, {schemaFile}));
    {
        QSqlDatabase c = QSqlDatabase::addDatabase("QSQLITE", "unsafe");
        c.setDatabaseName(db);
        QVERIFY(c.open());
        QSqlQuery q(c);
        QVERIFY(q.exec("INSERT INTO language (id, name) VALUES (1, 'Espanol')"));
        QVERIFY(q.exec("INSERT INTO letter (id, name, id_language) VALUES (1, 'A', 1)"));
        QVERIFY(q.exec("INSERT INTO letter (id, name, id_language) VALUES (2, '..', 1)"));
        QVERIFY(q.exec("INSERT INTO word (name, fullName, image, sign, lips, id_letter) VALUES "
                       "('fuera', '../../fuera', 'fuera.png', 'f.avi', 'f.avi', 1)"));
        QVERIFY(q.exec("INSERT INTO word (name, fullName, image, sign, lips, id_letter) VALUES "
                       "('arriba', 'arriba', '../arriba.png', 'a.avi', 'a.avi', 2)"));
        QVERIFY(q.exec("INSERT INTO word (name, fullName, image, sign, lips, id_letter) VALUES "
                       "('ala', 'ala', '../ala.png', '', '', 1)"));
        c.close();
    }
    QSqlDatabase::removeDatabase("unsafe");

    const QString media = dir.filePath("tree/media");
    MediaGenerator::Options options;
    options.videos = false;
    MediaGenerator generator(media, options);
    QVERIFY(generator.generate(db));
    QVERIFY(!generator.notes().isEmpty());
    QStringList outside = filesBelow(dir.path());
    outside = outside.filter(QRegularExpression("^(?!tree/media/)(?!bd$)"));
    QVERIFY2(outside.isEmpty(), qPrintable(outside.join(", ")));
    QVERIFY(QFileInfo(media + "/languages/Espanol/Letras/A/ala").isDir());
    QVERIFY(QDir(media + "/languages/Espanol/Letras/A/ala").isEmpty());
}

void TestContent::generatedVideoIsPlayableMpeg4()
{
    if (VideoEncoder::findFfmpeg().isEmpty())
        QSKIP("ffmpeg is not installed");
    QTemporaryDir dir;
    const QString path = dir.filePath("clips/señal.avi");
    QVERIFY(MediaGenerator::writeClip(path, "ñandú", 1.0));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(12);
    QCOMPARE(header.left(4), QByteArray("RIFF"));
    QCOMPARE(header.mid(8, 4), QByteArray("AVI "));
    QVERIFY(!QFile::exists(path + ".part"));

    const QString ffprobe = QStandardPaths::findExecutable("ffprobe");
    if (ffprobe.isEmpty())
        return;
    QProcess probe;
    probe.start(ffprobe,
                {"-v", "error", "-count_frames", "-show_entries",
                 "stream=codec_name,width,height,nb_read_frames", "-of",
                 "default=noprint_wrappers=1", path});
    QVERIFY(probe.waitForFinished(30000));
    const QString info = QString::fromUtf8(probe.readAllStandardOutput());
    QVERIFY2(info.contains("codec_name=mpeg4"), qPrintable(info));
    QVERIFY2(info.contains("width=320") && info.contains("height=240"), qPrintable(info));
    const QRegularExpressionMatch frames = QRegularExpression("nb_read_frames=(\\d+)").match(info);
    QVERIFY(frames.hasMatch());
    QCOMPARE(frames.captured(1).toInt(), 15);
}

void TestContent::videosAreEncodedInParallelAndComplete()
{
    if (VideoEncoder::findFfmpeg().isEmpty())
        QSKIP("ffmpeg is not installed");
    QTemporaryDir dir;
    const QString db = dir.filePath("bd");
    QVERIFY(SqlScript::createDatabase(db, {schemaFile}));
    {
        QSqlDatabase c = QSqlDatabase::addDatabase("QSQLITE", "videos");
        c.setDatabaseName(db);
        QVERIFY(c.open());
        QSqlQuery q(c);
        QVERIFY(q.exec("INSERT INTO language (id, name) VALUES (1, 'Espanol')"));
        QVERIFY(q.exec("INSERT INTO letter (id, name, id_language) VALUES (1, 'LL', 1)"));
        QVERIFY(
            q.exec("INSERT INTO word (name, fullName, image, sign, lips, id_letter) VALUES "
                   "('llave', 'llave', 'llave.png', 'llave-senas.avi', 'llave-labial.avi', 1)"));
        QVERIFY(q.exec("INSERT INTO word (name, fullName, image, sign, lips, id_letter) VALUES "
                       "('lluvia', 'lluvia fuerte', 'l.png', 'l-senas.avi', 'l-labial.mpg', 1)"));
        c.close();
    }
    QSqlDatabase::removeDatabase("videos");

    const QString media = dir.filePath("media");
    MediaGenerator::Options options;
    options.jobs = 3;
    MediaGenerator generator(media, options);
    QVERIFY2(generator.generate(db), qPrintable(generator.errorString()));
    // Two splash videos and three word videos; the .mpg name is not ours to make.
    QCOMPARE(generator.videosWritten(), 5);
    const QStringList videos = filesBelow(media).filter(QRegularExpression("\\.(avi|part|mpg)$"));
    QCOMPARE(videos,
             QStringList({"languages/Espanol/Letras/LL/llave/llave-labial.avi",
                          "languages/Espanol/Letras/LL/llave/llave-senas.avi",
                          "languages/Espanol/Letras/LL/lluvia fuerte/l-senas.avi",
                          "system/ui/splash-institucional.avi", "system/ui/splash-programa.avi"}));
    for (const QString &video : videos)
        QVERIFY2(QFileInfo(media + "/" + video).size() > 4000, qPrintable(video));

    // A second run keeps what exists instead of encoding again.
    MediaGenerator again(media, options);
    QVERIFY(again.generate(db));
    QCOMPARE(again.videosWritten(), 0);
    QVERIFY(again.filesKept() >= 5);
}

void TestContent::missingFfmpegSkipsVideosWithNote()
{
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(m_dir.filePath("no-such-bin")));
    QTemporaryDir dir;
    MediaGenerator generator(dir.filePath("media"));
    const bool ok = generator.generateSystem();
    qputenv("PATH", path);
    QVERIFY(ok);
    QCOMPARE(generator.videosWritten(), 0);
    QVERIFY2(generator.notes().join('\n').contains("ffmpeg not found"),
             qPrintable(generator.notes().join('\n')));
    QVERIFY(filesBelow(dir.path()).filter(".avi").isEmpty());
    QVERIFY(QFile::exists(dir.filePath("media/system/ui/background.png")));
}

void TestContent::failingFfmpegIsReportedAndLeavesNoPartFile()
{
    QTemporaryDir dir;
    // "false" starts but fails: the splash videos must count as failed, not as written.
    const QString falseProgram = QStandardPaths::findExecutable("false");
    if (falseProgram.isEmpty())
        QSKIP("no false(1) on this system");
    for (const QString &ffmpeg : {falseProgram, dir.filePath("missing-ffmpeg")}) {
        MediaGenerator::Options options;
        options.ffmpeg = ffmpeg;
        MediaGenerator generator(dir.filePath("media"), options);
        QVERIFY(!generator.generateSystem());
        QCOMPARE(generator.videosWritten(), 0);
        QVERIFY(!generator.errorString().isEmpty());
        QCOMPARE(generator.notes().filter("video failed").size(), 2);
        QVERIFY(filesBelow(dir.path()).filter(QRegularExpression("\\.(avi|part)$")).isEmpty());
    }
}

QTEST_MAIN(TestContent)
#include "tst_content.moc"
