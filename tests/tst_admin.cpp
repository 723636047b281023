#include "admin/admwindow.h"
#include "admin/categorywidget.h"
#include "admin/categorywordwidget.h"
#include "admin/mediawidget.h"
#include "app/startup.h"
#include "data/backup.h"
#include "data/category.h"
#include "data/language.h"
#include "data/letter.h"
#include "data/word.h"
#include "mediatreefixture.h"
#include "promptrecorder.h"
#include "testdatabase.h"

#include <QApplication>
#include <QDir>
#include <QFileSystemModel>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <memory>

class AdmWindowTestAccess
{
public:
    explicit AdmWindowTestAccess(AdmWindow *window) : w(window) { }
    QFileSystemModel *model() { return w->directoryModel; }
    QTreeView *tree() { return w->mediaTree; }
    QListWidget *categories() { return w->categoriesListWidget; }
    Letter::Letter *letter() { return w->selectedLetter.get(); }
    Word::Word *word() { return w->selectedWord.get(); }
    Category::Category *category() { return w->selectedCategory.get(); }
    QPushButton *addWord() { return w->addWordButton; }
    QPushButton *editWord() { return w->editWordButton; }
    QPushButton *deleteWord() { return w->deleteWordButton; }
    QPushButton *editCategory() { return w->editCategoryButton; }

    // A click on the folder at path, as the tree would deliver it.
    void click(const QString &path)
    {
        const QModelIndex index = w->directoryModel->index(path);
        w->mediaTree->setCurrentIndex(index);
        w->slotLetterClicked(index);
    }

    AdmWindow *w;
};

namespace {

const QString languageName = QStringLiteral("Español");

QString scalarText(const QString &statement)
{
    return TestDatabase::scalar(statement).toString();
}

int count(const QString &table, const QString &where = QString())
{
    return TestDatabase::scalar("SELECT COUNT(*) FROM " + table
                                + (where.isEmpty() ? QString() : " WHERE " + where))
        .toInt();
}

void setField(QDialog *dialog, const char *name, const QString &text)
{
    auto *field = dialog->findChild<QLineEdit *>(name);
    QVERIFY2(field, name);
    field->setText(text);
}

QString field(QDialog *dialog, const char *name)
{
    auto *edit = dialog->findChild<QLineEdit *>(name);
    return edit ? edit->text() : QStringLiteral("<missing>");
}

void tick(QDialog *dialog, const QString &entry, Qt::CheckState state)
{
    auto *list = dialog->findChild<QListWidget *>("categoriesList");
    const auto items = list->findItems(entry, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    items.first()->setCheckState(state);
}

} // namespace

class TestAdmin : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // Word editor.
    void addingWordCreatesFolderFilesRecordAndLinks();
    void newWordStartsWithEveryCategoryUnchecked();
    void jpegPictureIsPreviewedAndStoredWithMp4Videos();
    void letterFoldersAreListedInSpanishOrder();
    void editingFullNameRenamesFolderAndKeepsFiles();
    void replacingPictureDeletesTheOldFile_data();
    void replacingPictureDeletesTheOldFile();
    void updatingWithoutChangesTouchesNoFileButRewritesLinks();
    void hostileFullNameIsRefusedAndChangesNothing_data();
    void hostileFullNameIsRefusedAndChangesNothing();
    void quotesInNamesAreStoredAsTyped();
    void emptyFieldKeepsDialogOpen();
    void missingChosenFileIsReportedBeforeAnyChange();
    void refusedRecordWriteUndoesFolderAndFiles_data();
    void refusedRecordWriteUndoesFolderAndFiles();
    void refusedUpdateRestoresFolderNameAndOldMedia();
    void fileChooserFillsOrEmptiesField();
    void renamingOntoAnotherWordFolderIsRefused();

    // Administration window.
    void buttonsFollowTheClickedFolderLevel();
    void deletingWordRemovesRecordAndFolder();
    void answeringNoRemovesNothingButForgetsSelection();
    void deletingWordWhoseFolderIsGoneStillRemovesRecord();
    void letterFolderWithoutRecordOffersAddButAddsNothing();
    void folderWithoutWordRecordDeletesOnlyThatFolder();
    void deletingLetterTakesItsWordsAndLinks();
    void refusedLetterDeleteLeavesRowsAndFolder();
    void stagingLeftoversNeverBlockADelete();
    void mountPointInsideAWordFolderIsNeverEntered();
    void newWordWithATakenFullNameIsRefused_data();
    void newWordWithATakenFullNameIsRefused();
    void renamingOntoARecordWithoutFolderIsRefused();
    void chosenFilesNeverCollide();
    void hiddenMediumNameIsStoredVisible();
    void backupRestoresUsersSettingsAndWords();
    void badCopyIsRefusedAndChangesNothing_data();
    void badCopyIsRefusedAndChangesNothing();
    void removalNeverFollowsSymbolicLinks();
    void removalRefusesFoldersOutsideLetters_data();
    void removalRefusesFoldersOutsideLetters();
    void hiddenFileKeepsFolderAndNamesIt();
    void wordAddedFromWindowAppearsInTree();

    // Categories.
    void categoryNamesAreStoredInCapitals_data();
    void categoryNamesAreStoredInCapitals();
    void emptyCategoryNameIsRefused();
    void categoriesTabListsAndDeletes();
    void categoryWordListShowsLinkedWordsByName();
    void categoryAddedFromWindowIsListed();

private:
    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<MediaTreeFixture> tree;
    std::unique_ptr<PromptRecorder> prompts;
    Language::Language language;
    Letter::Letter letterA;
    Category::CategoryList categoryList;
    Word::WordList wordList;
    Letter::LetterList letterList;
    int animals = 0;
    int food = 0;

    // A word "casa" under A with its folder, files and a link to animals.
    int addCasa();
    std::unique_ptr<MediaWidget> newWordDialog();
    void fillNewWord(MediaWidget *dialog, const QString &fullName);
};

void TestAdmin::init()
{
    db = std::make_unique<TestDatabase>();
    QVERIFY(db->isOpen());
    tree = std::make_unique<MediaTreeFixture>(languageName);
    prompts = std::make_unique<PromptRecorder>();
    QCOMPARE(TestDatabase::addLanguage(languageName), 1);
    QVERIFY(language.loadById(1));
    const int a = TestDatabase::addLetter("A");
    TestDatabase::addLetter("B");
    animals = TestDatabase::addCategory("ANIMALES");
    food = TestDatabase::addCategory("COMIDA");
    tree->addLetterFolder("A");
    tree->addLetterFolder("B");
    letterA = Letter::Letter();
    QVERIFY(letterA.loadById(a));
}

void TestAdmin::cleanup()
{
    prompts.reset();
    tree.reset();
    db.reset();
}

int TestAdmin::addCasa()
{
    const int id = TestDatabase::addWord("casa", letterA.id);
    TestDatabase::link(id, animals);
    tree->addWordFolder("A", "casa", {"casa.png", "casa-senas.avi", "casa-labial.avi"});
    return id;
}

std::unique_ptr<MediaWidget> TestAdmin::newWordDialog()
{
    return std::make_unique<MediaWidget>(&language, &letterA, &categoryList, nullptr);
}

void TestAdmin::fillNewWord(MediaWidget *dialog, const QString &fullName)
{
    setField(dialog, "nameField", "árbol");
    setField(dialog, "fullNameField", fullName);
    setField(dialog, "imageField", tree->sourceFile("arbol.png", "png"));
    setField(dialog, "signField", tree->sourceFile("arbol-senas.avi", "sign"));
    setField(dialog, "lipsField", tree->sourceFile("arbol-labial.avi", "lips"));
}

void TestAdmin::addingWordCreatesFolderFilesRecordAndLinks()
{
    auto dialog = newWordDialog();
    QSignalSpy done(dialog.get(), &MediaWidget::done);
    dialog->show();
    fillNewWord(dialog.get(), "arbol grande");
    tick(dialog.get(), "COMIDA", Qt::Checked);
    dialog->slotDoIt();

    const QString folder = tree->lettersRoot() + "/A/arbol grande";
    QCOMPARE(MediaTreeFixture::listTree(folder),
             QStringList({"arbol-labial.avi", "arbol-senas.avi", "arbol.png"}));
    QCOMPARE(MediaTreeFixture::readFile(folder + "/arbol-senas.avi"), QByteArray("sign"));
    QCOMPARE(count("word", "fullName = 'arbol grande'"), 1);
    const int id
        = TestDatabase::scalar("SELECT id FROM word WHERE fullName = 'arbol grande'").toInt();
    QCOMPARE(scalarText(QString("SELECT name || '|' || image || '|' || sign || '|' || lips || '|' "
                                "|| id_letter FROM word WHERE id = %1")
                            .arg(id)),
             QString("árbol|arbol.png|arbol-senas.avi|arbol-labial.avi|%1").arg(letterA.id));
    QCOMPARE(count("word_x_category", QString("id_word = %1").arg(id)), 1);
    QCOMPARE(
        count("word_x_category", QString("id_word = %1 AND id_category = %2").arg(id).arg(food)),
        1);
    QCOMPARE(prompts->lastTitle(), QString("Palabra creada."));
    QCOMPARE(prompts->lastText(), QString("La palabra arbol grande ha sido creada exitósamente."));
    QCOMPARE(done.count(), 1);
    QVERIFY(!dialog->isVisible());
    QVERIFY(dialog->word());
    QCOMPARE(dialog->word()->id, id);
}

void TestAdmin::jpegPictureIsPreviewedAndStoredWithMp4Videos()
{
    auto dialog = newWordDialog();
    auto *preview = dialog->findChild<QLabel *>("imagePreview");
    QVERIFY(preview);
    QVERIFY(preview->pixmap().isNull());
    QCOMPARE(preview->text(), QString("Sin vista previa"));

    const QString jpeg = tree->outsideDir() + "/arbol.jpg";
    QImage picture(351, 211, QImage::Format_RGB32);
    picture.fill(QColor(20, 160, 60));
    QVERIFY(picture.save(jpeg, "JPG"));
    fillNewWord(dialog.get(), "arbol");
    setField(dialog.get(), "imageField", jpeg);
    QVERIFY(!preview->pixmap().isNull());
    QVERIFY(preview->pixmap().width() <= preview->width());
    setField(dialog.get(), "signField", tree->sourceFile("arbol-senas.mp4", "sign"));
    setField(dialog.get(), "lipsField", tree->sourceFile("arbol-labial.webm", "lips"));
    dialog->slotDoIt();
    QCOMPARE(MediaTreeFixture::listTree(tree->lettersRoot() + "/A/arbol"),
             QStringList({"arbol-labial.webm", "arbol-senas.mp4", "arbol.jpg"}));

    setField(dialog.get(), "imageField", tree->sourceFile("notes.txt", "not a picture"));
    QVERIFY(preview->pixmap().isNull());
}

void TestAdmin::letterFoldersAreListedInSpanishOrder()
{
    Startup::configureApplication();
    for (const char *name : {"Ñ", "O", "N", "LL", "L"})
        tree->addLetterFolder(QString::fromUtf8(name));
    AdmWindow window(&letterList, &wordList, &categoryList);
    AdmWindowTestAccess access(&window);
    window.setLanguage(&language);
    const QModelIndex root = access.model()->index(tree->lettersRoot());
    const auto names = [&] {
        QStringList list;
        for (int row = 0; row < access.model()->rowCount(root); ++row)
            list << access.model()->fileName(access.model()->index(row, 0, root));
        return list;
    };
    QTRY_COMPARE_WITH_TIMEOUT(names(), QString::fromUtf8("A B L LL N Ñ O").split(' '), 15000);
    QLocale::setDefault(QLocale::c());
}

void TestAdmin::newWordStartsWithEveryCategoryUnchecked()
{
    addCasa();
    auto dialog = newWordDialog();
    auto *list = dialog->findChild<QListWidget *>("categoriesList");
    QCOMPARE(list->count(), 2);
    for (int row = 0; row < list->count(); ++row)
        QCOMPARE(list->item(row)->checkState(), Qt::Unchecked);
    QCOMPARE(dialog->windowTitle(), QString("Palabra nueva"));
}

void TestAdmin::editingFullNameRenamesFolderAndKeepsFiles()
{
    const int id = addCasa();
    Word::Word word;
    QVERIFY(word.loadById(id));
    MediaWidget dialog(&language, &letterA, &categoryList, &word);
    QCOMPARE(field(&dialog, "imageField"), tree->lettersRoot() + "/A/casa/casa.png");
    QCOMPARE(dialog.findChild<QListWidget *>("categoriesList")->item(0)->checkState(), Qt::Checked);
    setField(&dialog, "fullNameField", "casa roja");
    dialog.slotDoIt();

    QVERIFY(!QFileInfo::exists(tree->lettersRoot() + "/A/casa"));
    QCOMPARE(MediaTreeFixture::listTree(tree->lettersRoot() + "/A/casa roja"),
             QStringList({"casa-labial.avi", "casa-senas.avi", "casa.png"}));
    QCOMPARE(scalarText(QString("SELECT fullName || '|' || image FROM word WHERE id = %1").arg(id)),
             QString("casa roja|casa.png"));
    QCOMPARE(word.imagePath(), tree->lettersRoot() + "/A/casa roja/casa.png");
    QCOMPARE(prompts->lastText(), QString("La palabra casa roja ha sido editada exitósamente."));
}

void TestAdmin::replacingPictureDeletesTheOldFile_data()
{
    QTest::addColumn<QString>("chosenName");
    QTest::addColumn<QStringList>("expectedFiles");
    QTest::newRow("same name replaces the file")
        << "casa.png" << QStringList({"casa-labial.avi", "casa-senas.avi", "casa.png"});
    QTest::newRow("other name deletes the old one")
        << "casa2.png" << QStringList({"casa-labial.avi", "casa-senas.avi", "casa2.png"});
}

void TestAdmin::replacingPictureDeletesTheOldFile()
{
    QFETCH(QString, chosenName);
    QFETCH(QStringList, expectedFiles);
    const int id = addCasa();
    Word::Word word;
    QVERIFY(word.loadById(id));
    MediaWidget dialog(&language, &letterA, &categoryList, &word);
    prompts->files << tree->sourceFile(chosenName, "new picture");
    dialog.slotBrowseWordImage();
    dialog.slotDoIt();

    const QString folder = tree->lettersRoot() + "/A/casa";
    QCOMPARE(MediaTreeFixture::listTree(folder), expectedFiles);
    QCOMPARE(MediaTreeFixture::readFile(folder + "/" + chosenName), QByteArray("new picture"));
    QCOMPARE(scalarText(QString("SELECT image FROM word WHERE id = %1").arg(id)), chosenName);
}

void TestAdmin::updatingWithoutChangesTouchesNoFileButRewritesLinks()
{
    const int id = addCasa();
    Word::Word word;
    QVERIFY(word.loadById(id));
    const QString folder = tree->lettersRoot() + "/A/casa";
    const QStringList before = MediaTreeFixture::listTree(folder);
    MediaWidget dialog(&language, &letterA, &categoryList, &word);
    QCOMPARE(dialog.windowTitle(), QString("Editar palabra"));
    tick(&dialog, "ANIMALES", Qt::Unchecked);
    tick(&dialog, "COMIDA", Qt::Checked);
    dialog.slotDoIt();

    QCOMPARE(MediaTreeFixture::listTree(folder), before);
    QCOMPARE(MediaTreeFixture::readFile(folder + "/casa.png"), QByteArray("casa.png"));
    QCOMPARE(count("word_x_category", QString("id_word = %1").arg(id)), 1);
    QCOMPARE(
        count("word_x_category", QString("id_word = %1 AND id_category = %2").arg(id).arg(food)),
        1);
}

void TestAdmin::hostileFullNameIsRefusedAndChangesNothing_data()
{
    QTest::addColumn<bool>("editMode");
    QTest::addColumn<QString>("fullName");
    const QList<QPair<QByteArray, QString>> names = {
        {"parent folder", "../../../fuera"},
        {"dot dot alone", ".."},
        {"dot alone", "."},
        {"slash", "a/b"},
        {"absolute", "/tmp/qv-fuera"},
        {"backslash", "a\\..\\b"},
        {"backslash without dots", "a\\b"},
        {"leading dot", ".oculto"},
        {"blanks only", "   "},
        {"tab only", "\t"},
        {"too long", QString(101, 'x')},
        {"control character", QString("a") + QChar(0x01)},
    };
    for (const auto &name : names) {
        QTest::newRow("new: " + name.first) << false << name.second;
        QTest::newRow("edit: " + name.first) << true << name.second;
    }
}

void TestAdmin::hostileFullNameIsRefusedAndChangesNothing()
{
    QFETCH(bool, editMode);
    QFETCH(QString, fullName);
    const int id = addCasa();
    Word::Word word;
    QVERIFY(word.loadById(id));
    const QString languageDir = language.mediaPath();
    const QString outerDir = QFileInfo(languageDir + "../..").canonicalFilePath();
    const QStringList treeBefore = MediaTreeFixture::listTree(outerDir);
    const QString wordsBefore = scalarText("SELECT group_concat(fullName || image, ',') FROM word");

    MediaWidget dialog(&language, &letterA, &categoryList, editMode ? &word : nullptr);
    QSignalSpy done(&dialog, &MediaWidget::done);
    dialog.show();
    if (!editMode) {
        fillNewWord(&dialog, fullName);
    } else {
        setField(&dialog, "fullNameField", fullName);
        setField(&dialog, "imageField", tree->sourceFile("otra.png", "x"));
    }
    dialog.slotDoIt();

    QCOMPARE(prompts->prompts.size(), 1);
    QCOMPARE(prompts->lastTitle(), QString("Descripción no válida."));
    QVERIFY(prompts->lastText().startsWith("La descripción"));
    QCOMPARE(MediaTreeFixture::listTree(outerDir), treeBefore);
    QVERIFY(!QFileInfo::exists("/tmp/qv-fuera"));
    QCOMPARE(scalarText("SELECT group_concat(fullName || image, ',') FROM word"), wordsBefore);
    QCOMPARE(done.count(), 0);
    QVERIFY(dialog.isVisible());
}

void TestAdmin::quotesInNamesAreStoredAsTyped()
{
    auto dialog = newWordDialog();
    fillNewWord(dialog.get(), "el \"oso\" d'Ana; DROP TABLE word");
    setField(dialog.get(), "nameField", "o'so");
    dialog->slotDoIt();
    QCOMPARE(count("word"), 1);
    QCOMPARE(scalarText("SELECT name || '|' || fullName FROM word"),
             QString("o'so|el \"oso\" d'Ana; DROP TABLE word"));
    QVERIFY(
        QFileInfo(tree->lettersRoot() + "/A/el \"oso\" d'Ana; DROP TABLE word/arbol.png").isFile());
}

void TestAdmin::emptyFieldKeepsDialogOpen()
{
    auto dialog = newWordDialog();
    QSignalSpy done(dialog.get(), &MediaWidget::done);
    dialog->show();
    fillNewWord(dialog.get(), "arbol");
    setField(dialog.get(), "lipsField", "");
    dialog->slotDoIt();
    QCOMPARE(prompts->lastTitle(), QString("Campos vacíos en formulario."));
    QCOMPARE(prompts->lastText(), QString("Por favor complete todos los ítemes del formulario."));
    QVERIFY(!QFileInfo::exists(tree->lettersRoot() + "/A/arbol"));
    QCOMPARE(count("word"), 0);
    QCOMPARE(done.count(), 0);
    QVERIFY(dialog->isVisible());
}

void TestAdmin::missingChosenFileIsReportedBeforeAnyChange()
{
    auto dialog = newWordDialog();
    QSignalSpy done(dialog.get(), &MediaWidget::done);
    dialog->show();
    fillNewWord(dialog.get(), "arbol");
    setField(dialog.get(), "signField", tree->outsideDir() + "/no-existe.avi");
    dialog->slotDoIt();
    QCOMPARE(prompts->lastTitle(), QString("Archivo no válido."));
    QVERIFY(!QFileInfo::exists(tree->lettersRoot() + "/A/arbol"));
    QCOMPARE(count("word"), 0);
    QCOMPARE(done.count(), 0);
    QVERIFY(dialog->isVisible());
}

void TestAdmin::refusedRecordWriteUndoesFolderAndFiles_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::newRow("word row refused") << "BEFORE INSERT ON word";
    QTest::newRow("category link refused") << "BEFORE INSERT ON word_x_category";
}

void TestAdmin::refusedRecordWriteUndoesFolderAndFiles()
{
    QFETCH(QString, trigger);
    QVERIFY(TestDatabase::exec("CREATE TRIGGER refuse " + trigger
                               + " BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    auto dialog = newWordDialog();
    QSignalSpy done(dialog.get(), &MediaWidget::done);
    dialog->show();
    fillNewWord(dialog.get(), "arbol");
    tick(dialog.get(), "ANIMALES", Qt::Checked);
    dialog->slotDoIt();

    QCOMPARE(prompts->lastTitle(), QString("Error"));
    QCOMPARE(prompts->lastText(), QString("Se presentó un error con la palabra arbol."));
    QCOMPARE(MediaTreeFixture::listTree(tree->lettersRoot() + "/A"), QStringList());
    QCOMPARE(count("word"), 0);
    QCOMPARE(count("word_x_category"), 0);
    QCOMPARE(done.count(), 1);
    QVERIFY(!dialog->isVisible());
}

void TestAdmin::refusedUpdateRestoresFolderNameAndOldMedia()
{
    const int id = addCasa();
    QVERIFY(TestDatabase::exec("CREATE TRIGGER refuse BEFORE UPDATE ON word "
                               "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    Word::Word word;
    QVERIFY(word.loadById(id));
    const QString letterDir = tree->lettersRoot() + "/A";
    const QStringList before = MediaTreeFixture::listTree(letterDir);
    MediaWidget dialog(&language, &letterA, &categoryList, &word);
    setField(&dialog, "fullNameField", "casa roja");
    setField(&dialog, "imageField", tree->sourceFile("casa.png", "new picture"));
    dialog.slotDoIt();

    QCOMPARE(prompts->lastText(), QString("Se presentó un error con la palabra casa roja."));
    QCOMPARE(MediaTreeFixture::listTree(letterDir), before);
    QCOMPARE(MediaTreeFixture::readFile(letterDir + "/casa/casa.png"), QByteArray("casa.png"));
    QCOMPARE(scalarText(QString("SELECT fullName FROM word WHERE id = %1").arg(id)),
             QString("casa"));
    QCOMPARE(word.fullName, QString("casa"));
}

void TestAdmin::fileChooserFillsOrEmptiesField()
{
    auto dialog = newWordDialog();
    prompts->files << "/somewhere/picture.png";
    dialog->slotBrowseWordImage();
    QCOMPARE(field(dialog.get(), "imageField"), QString("/somewhere/picture.png"));
    dialog->slotBrowseWordImage(); // cancelled: the chooser gives ""
    QCOMPARE(field(dialog.get(), "imageField"), QString());
    prompts->files << "/v/sign.avi"
                   << "/v/lips.mov";
    dialog->slotBrowseWordSign();
    dialog->slotBrowseWordLips();
    QCOMPARE(field(dialog.get(), "signField"), QString("/v/sign.avi"));
    QCOMPARE(field(dialog.get(), "lipsField"), QString("/v/lips.mov"));
}

void TestAdmin::renamingOntoAnotherWordFolderIsRefused()
{
    const int id = addCasa();
    tree->addWordFolder("A", "arbol", {"arbol.png"});
    Word::Word word;
    QVERIFY(word.loadById(id));
    MediaWidget dialog(&language, &letterA, &categoryList, &word);
    dialog.show();
    setField(&dialog, "fullNameField", "arbol");
    dialog.slotDoIt();
    QCOMPARE(prompts->lastTitle(), QString("Descripción no válida."));
    QCOMPARE(MediaTreeFixture::listTree(tree->lettersRoot() + "/A/arbol"),
             QStringList({"arbol.png"}));
    QVERIFY(QFileInfo(tree->lettersRoot() + "/A/casa/casa.png").isFile());
    QCOMPARE(scalarText(QString("SELECT fullName FROM word WHERE id = %1").arg(id)),
             QString("casa"));
    QVERIFY(dialog.isVisible());
}

void TestAdmin::buttonsFollowTheClickedFolderLevel()
{
    addCasa();
    tree->addWordFolder("A", "casa/Letras");
    AdmWindow window(&letterList, &wordList, &categoryList);
    AdmWindowTestAccess access(&window);
    QVERIFY(!access.addWord()->isEnabled());
    window.setLanguage(&language);
    QCOMPARE(access.tree()->rootIndex(), access.model()->index(tree->lettersRoot()));

    access.click(tree->lettersRoot() + "/A");
    QVERIFY(access.addWord()->isEnabled());
    QVERIFY(!access.editWord()->isEnabled());
    QVERIFY(!access.deleteWord()->isEnabled());
    QVERIFY(access.letter());
    QCOMPARE(access.letter()->id, letterA.id);
    QVERIFY(!access.word());

    access.click(tree->lettersRoot() + "/A/casa");
    QVERIFY(!access.addWord()->isEnabled());
    QVERIFY(access.editWord()->isEnabled());
    QVERIFY(access.deleteWord()->isEnabled());
    QVERIFY(access.word());
    QCOMPARE(access.word()->fullName, QString("casa"));

    // A folder inside a word folder, even one called "Letras", is neither letter nor word.
    access.click(tree->lettersRoot() + "/A/casa/Letras");
    QVERIFY(!access.addWord()->isEnabled());
    QVERIFY(!access.editWord()->isEnabled());
    QVERIFY(!access.deleteWord()->isEnabled());
    QVERIFY(!access.letter());
}

void TestAdmin::deletingWordRemovesRecordAndFolder()
{
    const int id = addCasa();
    tree->addWordFolder("A", "arbol", {"arbol.png"});
    AdmWindow window(&letterList, &wordList, &categoryList);
    AdmWindowTestAccess access(&window);
    window.setLanguage(&language);
    access.click(tree->lettersRoot() + "/A/casa");
    window.slotDeleteLetter();

    QCOMPARE(prompts->prompts.size(), 2);
    QCOMPARE(prompts->prompts.at(0).kind, Prompts::Kind::Question);
    QCOMPARE(prompts->prompts.at(0).text,
             QString("¿Está seguro de eliminar la palabra casa?\nTodos los medios asociados con "
                     "esta palabra seran eliminados."));
    QCOMPARE(prompts->lastText(), QString("La palabra casa ha sido eliminada exitosamente."));
    QCOMPARE(count("word", QString("id = %1").arg(id)), 0);
    QCOMPARE(MediaTreeFixture::listTree(tree->lettersRoot()),
             QStringList({"A", "A/arbol", "A/arbol/arbol.png", "B"}));
    QVERIFY(!access.word());
    QVERIFY(!access.deleteWord()->isEnabled());
}

void TestAdmin::answeringNoRemovesNothingButForgetsSelection()
{
    const int id = addCasa();
    AdmWindow window(&letterList, &wordList, &categoryList);
    AdmWindowTestAccess access(&window);
    window.setLanguage(&language);
    const QStringList before = MediaTreeFixture::listTree(tree->lettersRoot());
    access.click(tree->lettersRoot() + "/A/casa");
    prompts->answers << false;
    window.slotDeleteLetter();
    QCOMPARE(prompts->prompts.size(), 1);
    QCOMPARE(count("word", QString("id = %1").arg(id)), 1);
    QCOMPARE(MediaTreeFixture::listTree(tree->lettersRoot()), before);
    QVERIFY(!access.word());
    QVERIFY(!access.letter());
    QVERIFY(!access.editWord()->isEnabled());
    QVERIFY(!access.deleteWord()->isEnabled());
}

void TestAdmin::deletingWordWhoseFolderIsGoneStillRemovesRecord()
{
    const int id = addCasa();
    AdmWindow window(&letterList, &wordList, &categoryList);
    AdmWindowTestAccess access(&window);
    window.setLanguage(&language);
    access.click(tree->lettersRoot() + "/A/casa");
    QVERIFY(QDir(tree->lettersRoot() + "/A/casa").removeRecursively());
    window.slotDeleteLetter();
    QCOMPARE(count("word", QString("id = %1").arg(id)), 0);
    QCOMPARE(prompts->titles(), QStringList({"Eliminar palabra", "Eliminar palabra"}));
    QCOMPARE(prompts->lastText(), QString("La palabra casa ha sido eliminada exitosamente."));
}

void TestAdmin::letterFolderWithoutRecordOffersAddButAddsNothing()
{
    tree->addLetterFolder("Z");
    AdmWindow window(&letterList, &wordList, &categoryList);
    AdmWindowTestAccess access(&window);
    window.setLanguage(&language);
    access.click(tree->lettersRoot() + "/Z");
    QVERIFY(access.addWord()->isEnabled());
    QVERIFY(!access.letter());
    const int before = QApplication::topLevelWidgets().size();
    window.slotInsertLetter();
    QCOMPARE(QApplication::topLevelWidgets().size(), before);
}

void TestAdmin::folderWithoutWordRecordDeletesOnlyThatFolder()
{
    addCasa();
    tree->addWordFolder("A", "sin registro", {"x.png"});
    AdmWindow window(&letterList, &wordList, &categoryList);
    AdmWindowTestAccess access(&window);
    window.setLanguage(&language);
    access.click(tree->lettersRoot() + "/A/sin registro");
    QVERIFY(access.deleteWord()->isEnabled());
    QVERIFY(!access.word());
    window.slotDeleteLetter();
    QCOMPARE(prompts->prompts.first().title, QString("Eliminar carpeta"));
    QVERIFY(prompts->prompts.first().text.contains("sin registro"));
    QCOMPARE(prompts->lastText(),
             QString("La carpeta sin registro ha sido eliminada exitosamente."));
    QCOMPARE(count("letter", QString("id = %1").arg(letterA.id)), 1);
    QCOMPARE(count("word"), 1);
    QCOMPARE(MediaTreeFixture::listTree(tree->lettersRoot()),
             QStringList({"A", "A/casa", "A/casa/casa-labial.avi", "A/casa/casa-senas.avi",
                          "A/casa/casa.png", "B"}));
}

void TestAdmin::deletingLetterTakesItsWordsAndLinks()
{
    addCasa();
    const int arbol = TestDatabase::addWord("arbol", letterA.id);
    TestDatabase::link(arbol, food);
    const int other = TestDatabase::addWord("barco", letterA.id + 1);
    TestDatabase::link(other, food);
    AdmWindow window(&letterList, &wordList, &categoryList);
    AdmWindowTestAccess access(&window);
    window.setLanguage(&language);
    access.click(tree->lettersRoot() + "/A");
    window.slotDeleteLetter();
    QCOMPARE(prompts->prompts.first().title, QString("Eliminar letra"));
    QVERIFY2(prompts->prompts.first().text.contains("(2 palabra(s))"),
             qPrintable(prompts->prompts.first().text));
    QCOMPARE(prompts->lastText(), QString("La letra A ha sido eliminada exitosamente."));
    QCOMPARE(count("letter", QString("id = %1").arg(letterA.id)), 0);
    QCOMPARE(count("word"), 1);
    QCOMPARE(count("word_x_category"), 1);
    QCOMPARE(count("letter_x_category"), 1);
    QCOMPARE(MediaTreeFixture::listTree(tree->lettersRoot()), QStringList({"B"}));
}

void TestAdmin::refusedLetterDeleteLeavesRowsAndFolder()
{
    addCasa();
    QVERIFY(TestDatabase::exec("CREATE TRIGGER refuse BEFORE DELETE ON letter "
                               "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    const QStringList before = MediaTreeFixture::listTree(tree->lettersRoot());
    AdmWindow window(&letterList, &wordList, &categoryList);
    AdmWindowTestAccess access(&window);
    window.setLanguage(&language);
    access.click(tree->lettersRoot() + "/A");
    window.slotDeleteLetter();
    QCOMPARE(prompts->lastTitle(), QString("Error"));
    QCOMPARE(prompts->lastText(),
             QString("La letra A no ha podido ser eliminada; no se ha borrado nada."));
    QCOMPARE(count("letter", QString("id = %1").arg(letterA.id)), 1);
    QCOMPARE(count("word"), 1);
    QCOMPARE(count("word_x_category"), 1);
    QCOMPARE(MediaTreeFixture::listTree(tree->lettersRoot()), before);
}

void TestAdmin::stagingLeftoversNeverBlockADelete()
{
    addCasa();
    const QString wordDir = tree->lettersRoot() + "/A/casa";
    MediaTreeFixture::writeFile(wordDir + "/.qv-image-casa.png", "half");
    MediaTreeFixture::writeFile(wordDir + "/.qv-stage-77-sign", "half");
    AdmWindow window(&letterList, &wordList, &categoryList);
    AdmWindowTestAccess access(&window);
    window.setLanguage(&language);
    access.click(wordDir);
    window.slotDeleteLetter();
    QVERIFY(!QFileInfo::exists(wordDir));
    QCOMPARE(prompts->lastText(), QString("La palabra casa ha sido eliminada exitosamente."));
}

void TestAdmin::mountPointInsideAWordFolderIsNeverEntered()
{
    addCasa();
    const QString wordDir = tree->lettersRoot() + "/A/casa";
    const QString mounted = wordDir + "/montado";
    QDir().mkpath(mounted);
    const QString outside = QFileInfo(tree->sourceFile("disco/precioso.txt", "x")).absolutePath();
    if (QProcess::execute("mount", {"--bind", outside, mounted}) != 0)
        QSKIP("bind mounts are not allowed here");
    AdmWindow window(&letterList, &wordList, &categoryList);
    AdmWindowTestAccess access(&window);
    window.setLanguage(&language);
    access.click(wordDir);
    window.slotDeleteLetter();
    const bool kept = QFileInfo(outside + "/precioso.txt").isFile();
    QProcess::execute("umount", {mounted});
    QVERIFY(kept);
    QCOMPARE(prompts->lastTitle(), QString("Error"));
    QCOMPARE(prompts->lastText(),
             QString("El directorio casa no ha podido ser eliminado. Quedan: montado."));
}

void TestAdmin::newWordWithATakenFullNameIsRefused_data()
{
    QTest::addColumn<bool>("folder");
    QTest::addColumn<bool>("record");
    QTest::newRow("folder and record") << true << true;
    QTest::newRow("record only") << false << true;
    QTest::newRow("folder only") << true << false;
}

void TestAdmin::newWordWithATakenFullNameIsRefused()
{
    QFETCH(bool, folder);
    QFETCH(bool, record);
    int id = 0;
    if (record) {
        id = TestDatabase::addWord("casa", letterA.id);
        TestDatabase::link(id, animals);
    }
    if (folder)
        tree->addWordFolder("A", "casa", {"casa.png", "casa-senas.avi", "casa-labial.avi"});
    const QStringList treeBefore = MediaTreeFixture::listTree(tree->lettersRoot());
    const QString rowsBefore = scalarText("SELECT group_concat(id || name || fullName || image "
                                          "|| sign || lips, ',') FROM word");
    auto dialog = newWordDialog();
    QSignalSpy done(dialog.get(), &MediaWidget::done);
    dialog->show();
    fillNewWord(dialog.get(), "casa");
    setField(dialog.get(), "imageField", tree->sourceFile("casa.png", "other picture"));
    dialog->slotDoIt();

    QCOMPARE(prompts->lastTitle(), QString("Descripción no válida."));
    QCOMPARE(prompts->lastText(),
             QString("Ya existe una palabra con la descripción casa en la "
                     "letra A; no se ha cambiado nada."));
    QCOMPARE(MediaTreeFixture::listTree(tree->lettersRoot()), treeBefore);
    QCOMPARE(scalarText("SELECT group_concat(id || name || fullName || image || sign || lips, "
                        "',') FROM word"),
             rowsBefore);
    QCOMPARE(count("word_x_category"), record ? 1 : 0);
    QCOMPARE(done.count(), 0);
    QVERIFY(dialog->isVisible());
}

void TestAdmin::renamingOntoARecordWithoutFolderIsRefused()
{
    const int id = addCasa();
    TestDatabase::addWord("arbol", letterA.id);
    Word::Word word;
    QVERIFY(word.loadById(id));
    MediaWidget dialog(&language, &letterA, &categoryList, &word);
    setField(&dialog, "fullNameField", "arbol");
    dialog.slotDoIt();
    QCOMPARE(prompts->lastTitle(), QString("Descripción no válida."));
    QVERIFY(QFileInfo(tree->lettersRoot() + "/A/casa/casa.png").isFile());
    QVERIFY(!QFileInfo::exists(tree->lettersRoot() + "/A/arbol"));
    QCOMPARE(count("word", "fullName = 'arbol'"), 1);
    QCOMPARE(count("word", "fullName = 'casa'"), 1);
}

void TestAdmin::chosenFilesNeverCollide()
{
    const int id = addCasa();
    const QString folder = tree->lettersRoot() + "/A/casa";
    MediaTreeFixture::writeFile(folder + "/suelto.png", "stray");
    Word::Word word;
    QVERIFY(word.loadById(id));
    MediaWidget dialog(&language, &letterA, &categoryList, &word);
    setField(&dialog, "imageField", tree->sourceFile("suelto.png", "new picture"));
    setField(&dialog, "signField", tree->sourceFile("senas/video.avi", "sign"));
    setField(&dialog, "lipsField", tree->sourceFile("labios/video.avi", "lips"));
    dialog.slotDoIt();

    QCOMPARE(
        scalarText(
            QString("SELECT image || '|' || sign || '|' || lips FROM word WHERE id = %1").arg(id)),
        QString("suelto-2.png|video.avi|video-2.avi"));
    QCOMPARE(MediaTreeFixture::listTree(folder),
             QStringList({"suelto-2.png", "suelto.png", "video-2.avi", "video.avi"}));
    QCOMPARE(MediaTreeFixture::readFile(folder + "/suelto.png"), QByteArray("stray"));
    QCOMPARE(MediaTreeFixture::readFile(folder + "/suelto-2.png"), QByteArray("new picture"));
    QCOMPARE(MediaTreeFixture::readFile(folder + "/video.avi"), QByteArray("sign"));
    QCOMPARE(MediaTreeFixture::readFile(folder + "/video-2.avi"), QByteArray("lips"));
}

void TestAdmin::hiddenMediumNameIsStoredVisible()
{
    auto dialog = newWordDialog();
    fillNewWord(dialog.get(), "arbol");
    setField(dialog.get(), "imageField", tree->sourceFile(".x.png", "png"));
    dialog->slotDoIt();
    QCOMPARE(scalarText("SELECT image FROM word"), QString("x.png"));
    QCOMPARE(MediaTreeFixture::listTree(tree->lettersRoot() + "/A/arbol"),
             QStringList({"arbol-labial.avi", "arbol-senas.avi", "x.png"}));
}

void TestAdmin::backupRestoresUsersSettingsAndWords()
{
    addCasa();
    TestDatabase::exec("INSERT INTO user (name) VALUES ('Ana')");
    TestDatabase::setSwitch("letter", letterA.id, 1);
    QTemporaryDir place;
    AdmWindow window(&letterList, &wordList, &categoryList);
    window.setLanguage(&language);
    prompts->files << place.path();
    window.slotBackup();
    const QString copy
        = place.path() + "/quelvanto-copia-" + QDate::currentDate().toString("yyyy-MM-dd");
    QCOMPARE(prompts->lastText(), QString("La copia de seguridad se guardó en %1.").arg(copy));
    QVERIFY(QFileInfo(copy + "/bd").isFile());
    QVERIFY(QFileInfo(copy + "/media/" + languageName + "/Letras/A/casa/casa.png").isFile());

    // The school loses its word, its user and her settings...
    TestDatabase::exec("DELETE FROM word");
    TestDatabase::exec("DELETE FROM user");
    TestDatabase::exec("DELETE FROM config");
    QDir(tree->lettersRoot() + "/A/casa").removeRecursively();
    // ... and gets them back.
    prompts->files << copy;
    window.slotRestore();
    QVERIFY2(prompts->lastTitle() == "Restaurar copia", qPrintable(prompts->lastText()));
    QCOMPARE(count("word", "fullName = 'casa'"), 1);
    QCOMPARE(count("word_x_category"), 1);
    QCOMPARE(count("user", "name = 'Ana'"), 1);
    QCOMPARE(count("config", QString("key = 'letter' AND data = %1").arg(letterA.id)), 1);
    QVERIFY(QFileInfo(tree->lettersRoot() + "/A/casa/casa.png").isFile());
    // The state before the restore is kept as a copy of its own.
    const QStringList kept = QDir(place.path()).entryList({"quelvanto-anterior-*"}, QDir::Dirs);
    QCOMPARE(kept.size(), 1);
    QVERIFY(QFileInfo(place.path() + "/" + kept.first() + "/bd").isFile());
}

void TestAdmin::badCopyIsRefusedAndChangesNothing_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("no database") << "remove bd";
    QTest::newRow("not a database") << "junk bd";
    QTest::newRow("missing table") << "drop table";
    QTest::newRow("no media") << "remove media";
}

void TestAdmin::badCopyIsRefusedAndChangesNothing()
{
    QFETCH(QString, damage);
    addCasa();
    QTemporaryDir place;
    const Backup::Result made = Backup::create(place.path(), language.mediaPath());
    QVERIFY2(made.ok, qPrintable(made.error));
    if (damage == "remove bd")
        QFile::remove(made.folder + "/bd");
    else if (damage == "junk bd")
        MediaTreeFixture::writeFile(made.folder + "/bd", "this is no database");
    else if (damage == "remove media")
        QDir(made.folder + "/media").removeRecursively();
    else {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "copy");
        other.setDatabaseName(made.folder + "/bd");
        QVERIFY(other.open());
        QSqlQuery(other).exec("DROP TABLE user");
        other.close();
        other = QSqlDatabase();
        QSqlDatabase::removeDatabase("copy");
    }
    TestDatabase::exec("INSERT INTO user (name) VALUES ('Luis')");
    const QStringList treeBefore = MediaTreeFixture::listTree(tree->lettersRoot());
    AdmWindow window(&letterList, &wordList, &categoryList);
    window.setLanguage(&language);
    prompts->files << made.folder;
    window.slotRestore();
    QCOMPARE(prompts->lastTitle(), QString("Error"));
    QVERIFY(prompts->lastText().startsWith("La copia no se puede restaurar: "));
    QCOMPARE(count("user", "name = 'Luis'"), 1);
    QCOMPARE(MediaTreeFixture::listTree(tree->lettersRoot()), treeBefore);
    QCOMPARE(QDir(place.path()).entryList({"quelvanto-anterior-*"}, QDir::Dirs), QStringList());
}

void TestAdmin::removalNeverFollowsSymbolicLinks()
{
    addCasa();
    const QString outsideFile = tree->sourceFile("keep/precious.txt", "precious");
    const QString outsideDir = QFileInfo(outsideFile).absolutePath();
    const QString wordDir = tree->lettersRoot() + "/A/casa";
    QVERIFY(QFile::link(outsideDir, wordDir + "/linked-dir"));
    QVERIFY(QFile::link(outsideFile, wordDir + "/linked-file.png"));
    QVERIFY(QFile::link(outsideDir, tree->lettersRoot() + "/B/linked-word"));

    AdmWindow window(&letterList, &wordList, &categoryList);
    AdmWindowTestAccess access(&window);
    window.setLanguage(&language);
    access.click(wordDir);
    window.slotDeleteLetter();
    QVERIFY(!QFileInfo::exists(wordDir));
    QVERIFY(!QFileInfo(wordDir).isSymLink());

    // A letter folder holding a link to a folder outside: the link goes, the target stays.
    access.click(tree->lettersRoot() + "/B");
    window.slotDeleteLetter();
    QVERIFY(!QFileInfo::exists(tree->lettersRoot() + "/B"));

    QCOMPARE(MediaTreeFixture::readFile(outsideFile), QByteArray("precious"));
    QCOMPARE(MediaTreeFixture::listTree(outsideDir), QStringList({"precious.txt"}));
}

void TestAdmin::removalRefusesFoldersOutsideLetters_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("kept");
    QTest::newRow("folder outside the tree") << "outside"
                                             << "outside";
    QTest::newRow("the letters root itself") << "root"
                                             << "root";
    QTest::newRow("climbing out with ..") << "root/A/../.."
                                          << "root";
    QTest::newRow("word inside a linked letter") << "linked/x"
                                                 << "outside";
    QTest::newRow("folder beside the root named like it") << "root-copia/A"
                                                          << "root-copia";
}

void TestAdmin::removalRefusesFoldersOutsideLetters()
{
    QFETCH(QString, target);
    QFETCH(QString, kept);
    tree->addWordFolder("A", "casa", {"casa.png"});
    QDir().mkpath(tree->lettersRoot() + "-copia/A");
    MediaTreeFixture::writeFile(tree->lettersRoot() + "-copia/A/casa.png", "copy");
    const QString outside = QFileInfo(tree->sourceFile("x/file.txt", "x")).absolutePath();
    QVERIFY(QFile::link(QFileInfo(outside).absolutePath(), tree->lettersRoot() + "/linked"));
    AdmWindow window(&letterList, &wordList, &categoryList);
    window.setLanguage(&language);
    target.replace("outside", outside).replace("linked", tree->lettersRoot() + "/linked");
    target.replace("root", tree->lettersRoot());
    kept.replace("outside", outside).replace("root", tree->lettersRoot());
    const QStringList before = MediaTreeFixture::listTree(kept);

    window.removeDirectory(target);
    QCOMPARE(MediaTreeFixture::listTree(kept), before);
    QVERIFY(QFileInfo(outside + "/file.txt").isFile());
    QCOMPARE(prompts->lastTitle(), QString("Error"));
}

void TestAdmin::hiddenFileKeepsFolderAndNamesIt()
{
    addCasa();
    const QString wordDir = tree->lettersRoot() + "/A/casa";
    MediaTreeFixture::writeFile(wordDir + "/.oculto", "h");
    AdmWindow window(&letterList, &wordList, &categoryList);
    AdmWindowTestAccess access(&window);
    window.setLanguage(&language);
    access.click(wordDir);
    window.slotDeleteLetter();
    QCOMPARE(MediaTreeFixture::listTree(wordDir), QStringList({".oculto"}));
    QCOMPARE(prompts->lastTitle(), QString("Error"));
    QCOMPARE(prompts->lastText(),
             QString("El directorio casa no ha podido ser eliminado. Quedan: .oculto."));
    // A folder that stays is no success.
    for (const PromptRecorder::Prompt &prompt : prompts->prompts)
        QVERIFY(!prompt.text.contains("exitosamente"));
}

void TestAdmin::wordAddedFromWindowAppearsInTree()
{
    AdmWindow window(&letterList, &wordList, &categoryList);
    AdmWindowTestAccess access(&window);
    window.setLanguage(&language);
    const QString letterDir = tree->lettersRoot() + "/A";
    access.click(letterDir);
    window.slotInsertLetter();
    MediaWidget *editor = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *candidate = qobject_cast<MediaWidget *>(top); candidate && candidate->isVisible())
            editor = candidate;
    }
    QVERIFY(editor);
    QPointer<MediaWidget> alive(editor);
    fillNewWord(editor, "arbol");
    editor->slotDoIt();
    QTRY_VERIFY(!alive);
    const QModelIndex letterIndex = access.model()->index(letterDir);
    access.tree()->expand(letterIndex);
    QTRY_COMPARE(access.model()->rowCount(letterIndex), 1);
    QCOMPARE(access.model()->fileName(access.model()->index(0, 0, letterIndex)), QString("arbol"));

    // Escape only hides a dialog; the window still frees the editor.
    access.click(letterDir);
    window.slotInsertLetter();
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *candidate = qobject_cast<MediaWidget *>(top); candidate && candidate->isVisible())
            alive = candidate;
    }
    QVERIFY(alive);
    QTest::keyClick(alive.data(), Qt::Key_Escape);
    QTRY_VERIFY(!alive);
}

void TestAdmin::categoryNamesAreStoredInCapitals_data()
{
    QTest::addColumn<bool>("editMode");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("message");
    QTest::newRow("new, lower case") << false << "frutas"
                                     << "FRUTAS"
                                     << "La categoría frutas ha sido creada exitosamente.";
    QTest::newRow("new, blanks accepted") << false << "   "
                                          << "   "
                                          << "La categoría     ha sido creada exitosamente.";
    QTest::newRow("new, quote") << false << "l'été"
                                << "L'ÉTÉ"
                                << "La categoría l'été ha sido creada exitosamente.";
    QTest::newRow("rename, lower case") << true << "animalitos"
                                        << "ANIMALITOS"
                                        << "La categoría animalitos ha sido editada exitosamente.";
}

void TestAdmin::categoryNamesAreStoredInCapitals()
{
    QFETCH(bool, editMode);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, message);
    Category::Category existing;
    QVERIFY(existing.loadById(animals));
    CategoryWidget dialog(&language, editMode ? &existing : nullptr);
    QSignalSpy done(&dialog, &CategoryWidget::done);
    dialog.show();
    QCOMPARE(dialog.windowTitle(),
             editMode ? QString("Editar categoría") : QString("Categoría nueva"));
    setField(&dialog, "nameField", typed);
    dialog.slotDoIt();
    QCOMPARE(prompts->lastText(), message);
    QCOMPARE(count("category", "name = '" + QString(stored).replace("'", "''") + "'"), 1);
    QCOMPARE(count("category"), editMode ? 2 : 3);
    QCOMPARE(done.count(), 1);
    QVERIFY(!dialog.isVisible());
}

void TestAdmin::emptyCategoryNameIsRefused()
{
    CategoryWidget dialog(&language, nullptr);
    QSignalSpy done(&dialog, &CategoryWidget::done);
    dialog.show();
    dialog.slotDoIt();
    QCOMPARE(prompts->lastTitle(), QString("Campos vacíos en formulario."));
    QCOMPARE(count("category"), 2);
    QCOMPARE(done.count(), 0);
    QVERIFY(dialog.isVisible());
}

void TestAdmin::categoriesTabListsAndDeletes()
{
    AdmWindow window(&letterList, &wordList, &categoryList);
    AdmWindowTestAccess access(&window);
    window.setLanguage(&language);
    window.slotTabs(1);
    QCOMPARE(access.categories()->count(), 2);
    QCOMPARE(access.categories()->item(0)->text(), QString("ANIMALES"));
    QCOMPARE(access.categories()->item(0)->data(Qt::UserRole).toInt(), animals);

    window.slotCategoryClicked(access.categories()->item(1));
    QVERIFY(access.category());
    QVERIFY(access.editCategory()->isEnabled());
    window.slotDeleteCategory();
    QCOMPARE(prompts->prompts.first().text,
             QString("Está seguro de eliminar la categoría COMIDA?"));
    QCOMPARE(prompts->lastText(), QString("La categoría COMIDA ha sido eliminada exitósamente."));
    QCOMPARE(count("category"), 1);
    QCOMPARE(access.categories()->count(), 1);
    QVERIFY(access.editCategory()->isEnabled());
}

void TestAdmin::categoryWordListShowsLinkedWordsByName()
{
    const int zorro = TestDatabase::addWord("zorro", letterA.id);
    const int abeja = TestDatabase::addWord("abeja", letterA.id);
    TestDatabase::addWord("arroz", letterA.id);
    TestDatabase::link(zorro, animals);
    TestDatabase::link(abeja, animals);
    Category::Category category;
    QVERIFY(category.loadById(animals));
    CategoryWordWidget dialog(&wordList, &category);
    QSignalSpy done(&dialog, &CategoryWordWidget::done);
    QCOMPARE(dialog.windowTitle(), QString("Lista de palabras asociadas a la categoría: ANIMALES"));
    auto *list = dialog.findChild<QListWidget *>("wordsList");
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), QString("abeja"));
    QCOMPARE(list->item(0)->data(Qt::UserRole).toInt(), abeja);
    QCOMPARE(list->item(1)->text(), QString("zorro"));
    dialog.slotCloseIt();
    QCOMPARE(done.count(), 1);
    // The shared list, whose records the main window may hold, was not reloaded.
    QCOMPARE(wordList.count(), 0);
}

void TestAdmin::categoryAddedFromWindowIsListed()
{
    AdmWindow window(&letterList, &wordList, &categoryList);
    AdmWindowTestAccess access(&window);
    window.setLanguage(&language);
    window.slotTabs(1);
    window.slotInsertCategory();
    CategoryWidget *editor = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *candidate = qobject_cast<CategoryWidget *>(top);
            candidate && candidate->isVisible())
            editor = candidate;
    }
    QVERIFY(editor);
    setField(editor, "nameField", "juguetes");
    editor->slotDoIt();
    QCOMPARE(access.categories()->count(), 3);
    QCOMPARE(access.categories()->item(2)->text(), QString("JUGUETES"));
}

QTEST_MAIN(TestAdmin)
#include "tst_admin.moc"
