#include "data/category.h"
#include "data/config.h"
#include "data/language.h"
#include "data/letter.h"
#include "data/user.h"
#include "dialogs/configwidget.h"
#include "promptrecorder.h"
#include "testdatabase.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>
#include <memory>

namespace {

QListWidget *list(ConfigWidget *dialog, const char *name)
{
    return dialog->findChild<QListWidget *>(name);
}

QListWidgetItem *entry(ConfigWidget *dialog, const char *listName, const QString &text)
{
    const auto items = list(dialog, listName)->findItems(text, Qt::MatchExactly);
    return items.size() == 1 ? items.first() : nullptr;
}

QStringList checkedEntries(ConfigWidget *dialog, const char *listName)
{
    QStringList result;
    QListWidget *widget = list(dialog, listName);
    for (int row = 0; row < widget->count(); ++row) {
        if (widget->item(row)->checkState() == Qt::Checked)
            result << widget->item(row)->text();
    }
    return result;
}

// The user's rows in the order they were written, as "key=data".
QStringList storedRows(int userId)
{
    QStringList rows;
    QSqlQuery query;
    query.prepare("SELECT key, data FROM config WHERE id_user = ? ORDER BY id");
    query.addBindValue(userId);
    query.exec();
    while (query.next())
        rows << query.value(0).toString() + "=" + query.value(1).toString();
    return rows;
}

void click(ConfigWidget *dialog, const char *button)
{
    auto *widget = dialog->findChild<QPushButton *>(button);
    QVERIFY2(widget, button);
    widget->click();
}

} // namespace

class TestConfigWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void buildingShowsTheStoredSettings();
    void withoutShowOrderRowTheFirstOrderIsChosen();
    void dialogSaysNothingTickedMeansEverything();
    void showOrderOutsideTheEntriesShowsTheLastOrder_data();
    void showOrderOutsideTheEntriesShowsTheLastOrder();
    void acceptWritesEverySettingInOrderAndReloads();
    void acceptWithNothingTickedStoresOnlyShowOrder();
    void selectionWithoutWordsWarnsAndStaysOpen();
    void cancelWritesNothingButReportsDone();
    void markAllAndUnmarkAllChangeOnlyTheirList();
    void letterDeletedMeanwhileIsNotWritten();
    void letterStoredTwiceIsWrittenOnce();
    void theMainWindowsLetterStaysValid();
    void failedSaveKeepsThePreviousSettings_data();
    void failedSaveKeepsThePreviousSettings();
    void dialogKeepsNoPointerToTheUser();
    void reviewIsOnForNewUsersAndKeptWhenTurnedOff();

private:
    std::unique_ptr<ConfigWidget> makeDialog();

    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<PromptRecorder> prompts;
    Language::Language language;
    User::User user;
    Letter::LetterList letterList;
    Category::CategoryList categoryList;
    Config::Config config;
    int letterA = 0, letterB = 0, letterC = 0;
    int animals = 0, empty = 0;
};

void TestConfigWidget::init()
{
    db = std::make_unique<TestDatabase>();
    QVERIFY(db->isOpen());
    prompts = std::make_unique<PromptRecorder>();
    TestDatabase::addLanguage("Español");
    QVERIFY(language.loadById(1));
    user = User::User();
    user.name = "Ana";
    QVERIFY(user.save());
    letterA = TestDatabase::addLetter("A");
    letterB = TestDatabase::addLetter("B");
    letterC = TestDatabase::addLetter("C");
    animals = TestDatabase::addCategory("ANIMALES");
    empty = TestDatabase::addCategory("VACIA");
    TestDatabase::link(TestDatabase::addWord("abeja", letterA), animals);
    TestDatabase::addWord("barco", letterB);
    // A language-wide switch and another user's row: the dialog must leave them alone.
    TestDatabase::setSwitch("use-ch", 1, 0);
    TestDatabase::setSwitch("letter", letterC, user.id + 1);
    config = Config::Config();
    config.language = &language;
}

void TestConfigWidget::cleanup()
{
    prompts.reset();
    db.reset();
}

std::unique_ptr<ConfigWidget> TestConfigWidget::makeDialog()
{
    return std::make_unique<ConfigWidget>(&user, &language, &letterList, &categoryList, &config);
}

void TestConfigWidget::buildingShowsTheStoredSettings()
{
    config.insert("letter", letterB, user.id);
    config.insert("category", animals, user.id);
    config.insert("first-caps", 1, user.id);
    config.insert("show-order", 3, user.id);
    auto dialog = makeDialog();
    QCOMPARE(dialog->windowTitle(), QString("Configuración"));
    QVERIFY(dialog->findChild<QCheckBox *>("firstCapsBox")->isChecked());
    QVERIFY(!dialog->findChild<QCheckBox *>("stopMotionBox")->isChecked());
    auto *order = dialog->findChild<QComboBox *>("showOrderBox");
    QCOMPARE(order->count(), 6);
    QCOMPARE(order->currentIndex(), 3);
    QCOMPARE(order->currentText(), QString("Imagen, video, palabra"));
    QCOMPARE(order->itemData(5).toString(), QString("viw"));
    QCOMPARE(list(dialog.get(), "lettersList")->count(), 3);
    QCOMPARE(checkedEntries(dialog.get(), "lettersList"), QStringList({"B"}));
    QCOMPARE(checkedEntries(dialog.get(), "categoriesList"), QStringList({"ANIMALES"}));
    QListWidgetItem *b = entry(dialog.get(), "lettersList", "B");
    QCOMPARE(b->data(Qt::UserRole).toInt(), letterB);
    QVERIFY(b->flags() & Qt::ItemIsUserCheckable);
}

void TestConfigWidget::withoutShowOrderRowTheFirstOrderIsChosen()
{
    auto dialog = makeDialog();
    auto *order = dialog->findChild<QComboBox *>("showOrderBox");
    QCOMPARE(order->currentIndex(), 0);
    QCOMPARE(order->currentText(), QString("Palabra, imagen, video"));
}

void TestConfigWidget::dialogSaysNothingTickedMeansEverything()
{
    auto dialog = makeDialog();
    dialog->show();
    auto *hint = dialog->findChild<QLabel *>("emptyMeansAllLabel");
    QVERIFY(hint && hint->isVisible());
    QCOMPARE(hint->text(),
             QString("Si no marca ninguna letra, se usan todas; si no marca ninguna "
                     "categoría, se usan todas."));
}

void TestConfigWidget::showOrderOutsideTheEntriesShowsTheLastOrder_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("shown");
    QTest::newRow("last entry") << 5 << 5;
    QTest::newRow("above the entries") << 7 << 5;
    QTest::newRow("negative") << -1 << 5;
}

void TestConfigWidget::showOrderOutsideTheEntriesShowsTheLastOrder()
{
    QFETCH(int, stored);
    QFETCH(int, shown);
    config.insert("show-order", stored, user.id);
    auto dialog = makeDialog();
    auto *order = dialog->findChild<QComboBox *>("showOrderBox");
    QCOMPARE(order->currentIndex(), shown);
    QCOMPARE(order->currentData().toString(), config.showOrder(user.id));
}

void TestConfigWidget::acceptWritesEverySettingInOrderAndReloads()
{
    config.insert("letter", letterC, user.id);
    config.insert("show-order", 1, user.id);
    auto dialog = makeDialog();
    QSignalSpy done(dialog.get(), &ConfigWidget::done);
    dialog->show();
    entry(dialog.get(), "lettersList", "C")->setCheckState(Qt::Unchecked);
    entry(dialog.get(), "lettersList", "A")->setCheckState(Qt::Checked);
    entry(dialog.get(), "lettersList", "B")->setCheckState(Qt::Checked);
    entry(dialog.get(), "categoriesList", "ANIMALES")->setCheckState(Qt::Checked);
    dialog->findChild<QCheckBox *>("firstCapsBox")->setChecked(true);
    dialog->findChild<QCheckBox *>("stopMotionBox")->setChecked(true);
    dialog->findChild<QComboBox *>("showOrderBox")->setCurrentIndex(4);
    click(dialog.get(), "acceptButton");

    QCOMPARE(storedRows(user.id),
             QStringList({QString("letter=%1").arg(letterA), QString("letter=%1").arg(letterB),
                          QString("category=%1").arg(animals), "first-caps=1", "stop-motion=1",
                          "show-order=4"}));
    QCOMPARE(config.letterIds, QString("%1,%2").arg(letterA).arg(letterB));
    QCOMPARE(config.categoryIds, QString::number(animals));
    QCOMPARE(config.showOrder(user.id), QString("vwi"));
    QCOMPARE(storedRows(0), QStringList({"use-ch=1"}));
    QCOMPARE(storedRows(user.id + 1), QStringList({QString("letter=%1").arg(letterC)}));
    QVERIFY(prompts->prompts.isEmpty());
    QCOMPARE(done.count(), 1);
    QVERIFY(!dialog->isVisible());
}

void TestConfigWidget::acceptWithNothingTickedStoresOnlyShowOrder()
{
    config.insert("letter", letterA, user.id);
    config.insert("stop-motion", 1, user.id);
    auto dialog = makeDialog();
    QSignalSpy done(dialog.get(), &ConfigWidget::done);
    click(dialog.get(), "uncheckLettersButton");
    dialog->findChild<QCheckBox *>("stopMotionBox")->setChecked(false);
    dialog->slotDoIt();
    QCOMPARE(storedRows(user.id), QStringList({"show-order=0"}));
    QVERIFY(config.letterIds.isEmpty());
    QCOMPARE(done.count(), 1);
}

void TestConfigWidget::selectionWithoutWordsWarnsAndStaysOpen()
{
    auto dialog = makeDialog();
    QSignalSpy done(dialog.get(), &ConfigWidget::done);
    dialog->show();
    entry(dialog.get(), "categoriesList", "VACIA")->setCheckState(Qt::Checked);
    dialog->slotDoIt();

    QCOMPARE(prompts->prompts.size(), 1);
    QCOMPARE(prompts->prompts.first().kind, Prompts::Kind::Warning);
    QCOMPARE(prompts->lastTitle(), QString("No hay palabras disponibles"));
    QCOMPARE(prompts->lastText(),
             QString("La configuración actual de letras y categorías hace que la lista de "
                     "palabras disponibles esté vacía. Por favor revise su selección."));
    QCOMPARE(done.count(), 0);
    QVERIFY(dialog->isVisible());
    // What was written stays written and loaded.
    QCOMPARE(storedRows(user.id), QStringList({QString("category=%1").arg(empty), "show-order=0"}));
    QCOMPARE(config.categoryIds, QString::number(empty));

    entry(dialog.get(), "categoriesList", "ANIMALES")->setCheckState(Qt::Checked);
    dialog->slotDoIt();
    QCOMPARE(done.count(), 1);
    QCOMPARE(prompts->prompts.size(), 1);
}

void TestConfigWidget::cancelWritesNothingButReportsDone()
{
    config.insert("letter", letterA, user.id);
    const QStringList before = storedRows(user.id);
    auto dialog = makeDialog();
    QSignalSpy done(dialog.get(), &ConfigWidget::done);
    dialog->show();
    click(dialog.get(), "checkLettersButton");
    click(dialog.get(), "cancelButton");
    QCOMPARE(storedRows(user.id), before);
    QCOMPARE(done.count(), 1);
    QVERIFY(!dialog->isVisible());
}

void TestConfigWidget::markAllAndUnmarkAllChangeOnlyTheirList()
{
    auto dialog = makeDialog();
    click(dialog.get(), "checkLettersButton");
    QCOMPARE(checkedEntries(dialog.get(), "lettersList"), QStringList({"A", "B", "C"}));
    QCOMPARE(checkedEntries(dialog.get(), "categoriesList"), QStringList());
    click(dialog.get(), "checkCategoriesButton");
    QCOMPARE(checkedEntries(dialog.get(), "categoriesList"), QStringList({"ANIMALES", "VACIA"}));
    click(dialog.get(), "uncheckLettersButton");
    QCOMPARE(checkedEntries(dialog.get(), "lettersList"), QStringList());
    QCOMPARE(checkedEntries(dialog.get(), "categoriesList").size(), 2);
    click(dialog.get(), "uncheckCategoriesButton");
    QCOMPARE(checkedEntries(dialog.get(), "categoriesList"), QStringList());
}

void TestConfigWidget::letterDeletedMeanwhileIsNotWritten()
{
    auto dialog = makeDialog();
    click(dialog.get(), "checkLettersButton");
    QVERIFY(TestDatabase::exec(QString("DELETE FROM letter WHERE id = %1").arg(letterC)));
    dialog->slotDoIt();
    QCOMPARE(storedRows(user.id),
             QStringList({QString("letter=%1").arg(letterA), QString("letter=%1").arg(letterB),
                          "show-order=0"}));
}

void TestConfigWidget::letterStoredTwiceIsWrittenOnce()
{
    config.insert("letter", letterB, user.id);
    config.insert("letter", letterB, user.id);
    auto dialog = makeDialog();
    QCOMPARE(list(dialog.get(), "lettersList")->count(), 3);
    QCOMPARE(checkedEntries(dialog.get(), "lettersList"), QStringList({"B"}));
    dialog->slotDoIt();
    QCOMPARE(storedRows(user.id), QStringList({QString("letter=%1").arg(letterB), "show-order=0"}));
}

void TestConfigWidget::theMainWindowsLetterStaysValid()
{
    // The main window holds a letter drawn from the shared list while the dialog is open.
    letterList.loadRandom(&config, &language, true);
    letterList.reset();
    Letter::Letter *drawn = letterList.next();
    QVERIFY(drawn);
    const QString name = drawn->name;
    auto dialog = makeDialog();
    dialog->slotDoIt();
    QCOMPARE(letterList.count(), 1);
    letterList.reset();
    QCOMPARE(letterList.next(), drawn);
    QCOMPARE(drawn->name, name);
}

void TestConfigWidget::failedSaveKeepsThePreviousSettings_data()
{
    QTest::addColumn<QString>("refusedKey");
    QTest::newRow("a letter row refused") << "letter";
    QTest::newRow("the last row refused") << "show-order";
}

void TestConfigWidget::failedSaveKeepsThePreviousSettings()
{
    QFETCH(QString, refusedKey);
    TestDatabase::setSwitch("letter", letterA, user.id);
    TestDatabase::setSwitch("show-order", 3, user.id);
    config.load(user.id);
    const QStringList before = storedRows(user.id);
    QVERIFY(TestDatabase::exec("CREATE TRIGGER refuse BEFORE INSERT ON config WHEN NEW.key = '"
                               + refusedKey + "' BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    auto dialog = makeDialog();
    QSignalSpy done(dialog.get(), &ConfigWidget::done);
    dialog->show();
    entry(dialog.get(), "lettersList", "B")->setCheckState(Qt::Checked);
    click(dialog.get(), "acceptButton");

    QCOMPARE(storedRows(user.id), before);
    QCOMPARE(config.letterIds, QString::number(letterA));
    QCOMPARE(prompts->prompts.size(), 1);
    QCOMPARE(prompts->lastText(),
             QString("La configuración no se ha guardado; se mantiene la anterior."));
    QCOMPARE(done.count(), 0);
    QVERIFY(dialog->isVisible());
}

void TestConfigWidget::dialogKeepsNoPointerToTheUser()
{
    auto owned = std::make_unique<User::User>(user);
    ConfigWidget dialog(owned.get(), &language, &letterList, &categoryList, &config);
    owned.reset(); // the main window chose someone else meanwhile
    click(&dialog, "acceptButton");
    QCOMPARE(storedRows(user.id), QStringList({"show-order=0"}));
}

void TestConfigWidget::reviewIsOnForNewUsersAndKeptWhenTurnedOff()
{
    auto dialog = makeDialog();
    auto *review = dialog->findChild<QCheckBox *>("reviewBox");
    QVERIFY(review);
    QCOMPARE(review->text(), QString("Repasar las palabras falladas"));
    QVERIFY(review->isChecked());
    review->setChecked(false);
    dialog->slotDoIt();
    QCOMPARE(storedRows(user.id), QStringList({"show-order=0", "review-missed=0"}));

    dialog = makeDialog();
    review = dialog->findChild<QCheckBox *>("reviewBox");
    QVERIFY(!review->isChecked());
    review->setChecked(true);
    dialog->slotDoIt();
    // On again is the default: no row is left.
    QCOMPARE(storedRows(user.id), QStringList({"show-order=0"}));
    QVERIFY(makeDialog()->findChild<QCheckBox *>("reviewBox")->isChecked());
}

QTEST_MAIN(TestConfigWidget)
#include "tst_configwidget.moc"
