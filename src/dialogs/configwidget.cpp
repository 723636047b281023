#include "configwidget.h"

#include "admin/prompts.h"
#include "data/category.h"
#include "data/config.h"
#include "data/database.h"
#include "data/language.h"
#include "data/letter.h"
#include "data/review.h"
#include "data/user.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const Qt::ItemFlags entryFlags
    = Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled;

void addEntry(QListWidget *list, const QString &name, int id, bool ticked)
{
    auto *item = new QListWidgetItem(name, list);
    item->setData(Qt::UserRole, id);
    item->setFlags(item->flags() | entryFlags);
    item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

void setAllChecked(QListWidget *list, Qt::CheckState state)
{
    for (int row = 0; row < list->count(); ++row)
        list->item(row)->setCheckState(state);
}

} // namespace

ConfigWidget::ConfigWidget(User::User *user, Language::Language *language,
                           Letter::LetterList *letters, Category::CategoryList *categories,
                           Config::Config *config, QWidget *parent)
    : QDialog(parent)
    , userId(user ? user->id : 0)
    , language(language)
    , letterList(letters)
    , categoryList(categories)
    , config(config)
{
    setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);

    auto *lettersLabel = new QLabel(tr("Letras"), this);
    auto *categoriesLabel = new QLabel(tr("Categorías"), this);
    auto *acceptButton = new QPushButton(tr("Aceptar"), this);
    auto *cancelButton = new QPushButton(tr("Cancelar"), this);
    auto *checkLettersButton = new QPushButton(tr("Marcar todas"), this);
    auto *uncheckLettersButton = new QPushButton(tr("Desmarcar todas"), this);
    auto *checkCategoriesButton = new QPushButton(tr("Marcar todas"), this);
    auto *uncheckCategoriesButton = new QPushButton(tr("Desmarcar todas"), this);
    acceptButton->setObjectName("acceptButton");
    cancelButton->setObjectName("cancelButton");
    checkLettersButton->setObjectName("checkLettersButton");
    uncheckLettersButton->setObjectName("uncheckLettersButton");
    checkCategoriesButton->setObjectName("checkCategoriesButton");
    uncheckCategoriesButton->setObjectName("uncheckCategoriesButton");

    firstCapsBox = new QCheckBox(tr("Mostrar la primera letra de la palabra en mayúscula"), this);
    firstCapsBox->setObjectName("firstCapsBox");
    firstCapsBox->setChecked(config && config->value("first-caps", userId) != 0);
    stopMotionBox = new QCheckBox(
        tr("Mostrar la imagen, el video y la palabra con pausas entre ellos"), this);
    stopMotionBox->setObjectName("stopMotionBox");
    stopMotionBox->setChecked(config && config->value("stop-motion", userId) != 0);
    // On for a new user: only a row that says 0 turns it off.
    reviewBox = new QCheckBox(tr("Repasar las palabras falladas"), this);
    reviewBox->setObjectName("reviewBox");
    reviewBox->setChecked(Review::isOn(config, userId));

    showOrderLabel = new QLabel(tr("Orden de presentación de los elementos"), this);
    showOrderBox = new QComboBox(this);
    showOrderBox->setObjectName("showOrderBox");
    const QStringList orders = {tr("Palabra, imagen, video"), tr("Palabra, video, imagen"),
                                tr("Imagen, palabra, video"), tr("Imagen, video, palabra"),
                                tr("Video, palabra, imagen"), tr("Video, imagen, palabra")};
    for (int index = 0; index < orders.size(); ++index)
        showOrderBox->addItem(orders.at(index), Config::Config::showOrderCode(index));
    const int storedOrder = config ? config->value("show-order", userId) : 0;
    // Any value outside the six entries reads as the last order ("viw") everywhere else.
    const bool known = storedOrder >= 0 && storedOrder < orders.size();
    showOrderBox->setCurrentIndex(known ? storedOrder : orders.size() - 1);

    lettersList = new QListWidget(this);
    lettersList->setObjectName("lettersList");
    categoriesList = new QListWidget(this);
    categoriesList->setObjectName("categoriesList");
    fillLetters();
    fillCategories();

    for (QPushButton *button :
         {checkLettersButton, uncheckLettersButton, checkCategoriesButton, uncheckCategoriesButton})
        button->setFixedSize(150, 25);
    acceptButton->setFixedSize(100, 25);
    cancelButton->setFixedSize(100, 25);

    connect(checkLettersButton, &QPushButton::clicked, this, &ConfigWidget::checkAllLetters);
    connect(uncheckLettersButton, &QPushButton::clicked, this, &ConfigWidget::uncheckAllLetters);
    connect(checkCategoriesButton, &QPushButton::clicked, this, &ConfigWidget::checkAllCategories);
    connect(uncheckCategoriesButton, &QPushButton::clicked, this,
            &ConfigWidget::uncheckAllCategories);
    connect(acceptButton, &QPushButton::clicked, this, &ConfigWidget::slotDoIt);
    connect(cancelButton, &QPushButton::clicked, this, &ConfigWidget::slotCloseIt);

    auto *optionsRow = new QHBoxLayout;
    optionsRow->addWidget(firstCapsBox);
    optionsRow->addWidget(stopMotionBox);
    optionsRow->addWidget(reviewBox);

    auto *showOrderBlock = new QVBoxLayout;
    showOrderBlock->addWidget(showOrderLabel);
    showOrderBlock->addWidget(showOrderBox);

    auto *lettersHeader = new QHBoxLayout;
    lettersHeader->addWidget(lettersLabel);
    lettersHeader->addWidget(checkLettersButton);
    lettersHeader->addWidget(uncheckLettersButton);
    auto *lettersColumn = new QVBoxLayout;
    lettersColumn->addLayout(lettersHeader);
    lettersColumn->addWidget(lettersList);

    auto *categoriesHeader = new QHBoxLayout;
    categoriesHeader->addWidget(categoriesLabel);
    categoriesHeader->addWidget(checkCategoriesButton);
    categoriesHeader->addWidget(uncheckCategoriesButton);
    auto *categoriesColumn = new QVBoxLayout;
    categoriesColumn->addLayout(categoriesHeader);
    categoriesColumn->addWidget(categoriesList);

    auto *listsRow = new QHBoxLayout;
    listsRow->addLayout(lettersColumn);
    listsRow->addLayout(categoriesColumn);

    // The draws read an empty selection as no filter at all; say so where the ticks are.
    auto *emptyMeansAllLabel
        = new QLabel(tr("Si no marca ninguna letra, se usan todas; si no marca ninguna categoría, "
                        "se usan todas."),
                     this);
    emptyMeansAllLabel->setObjectName("emptyMeansAllLabel");
    emptyMeansAllLabel->setWordWrap(true);

    auto *buttonsRow = new QHBoxLayout;
    buttonsRow->addWidget(acceptButton);
    buttonsRow->addWidget(cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(optionsRow);
    layout->addLayout(showOrderBlock);
    layout->addLayout(listsRow);
    layout->addWidget(emptyMeansAllLabel);
    layout->addLayout(buttonsRow);

    setWindowTitle(tr("Configuración"));
}

void ConfigWidget::fillLetters()
{
    lettersList->clear();
    if (!language)
        return;
    // A list of its own: loading the shared one would free the letter the main window is
    // showing.
    Letter::LetterList letters;
    letters.loadAll(language);
    letters.reset();
    while (Letter::Letter *letter = letters.next())
        addEntry(lettersList, letter->name, letter->id,
                 config && config->exists("letter", letter->id, userId));
}

void ConfigWidget::fillCategories()
{
    categoriesList->clear();
    if (!categoryList || !language)
        return;
    categoryList->load(language);
    categoryList->reset();
    while (Category::Category *category = categoryList->next())
        addEntry(categoriesList, category->name, category->id,
                 config && config->exists("category", category->id, userId));
}

void ConfigWidget::checkAllCategories()
{
    setAllChecked(categoriesList, Qt::Checked);
}

void ConfigWidget::checkAllLetters()
{
    setAllChecked(lettersList, Qt::Checked);
}

void ConfigWidget::uncheckAllCategories()
{
    setAllChecked(categoriesList, Qt::Unchecked);
}

void ConfigWidget::uncheckAllLetters()
{
    setAllChecked(lettersList, Qt::Unchecked);
}

void ConfigWidget::slotDoIt()
{
    if (!config || userId == 0 || !language)
        return;
    if (Database::isReadOnly()) {
        Prompts::warn(this, tr("No se puede guardar la configuración"), Database::readOnlyText());
        return;
    }
    QList<QPair<QString, int>> rows;
    for (int row = 0; row < lettersList->count(); ++row) {
        const QListWidgetItem *item = lettersList->item(row);
        Letter::Letter letter;
        if (letter.loadById(item->data(Qt::UserRole).toInt()) && item->checkState() == Qt::Checked)
            rows.append({QStringLiteral("letter"), letter.id});
    }
    for (int row = 0; row < categoriesList->count(); ++row) {
        const QListWidgetItem *item = categoriesList->item(row);
        Category::Category category;
        if (category.loadById(item->data(Qt::UserRole).toInt())
            && item->checkState() == Qt::Checked)
            rows.append({QStringLiteral("category"), category.id});
    }
    if (firstCapsBox->isChecked())
        rows.append({QStringLiteral("first-caps"), 1});
    if (stopMotionBox->isChecked())
        rows.append({QStringLiteral("stop-motion"), 1});
    rows.append({QStringLiteral("show-order"), showOrderBox->currentIndex()});
    const bool review = reviewBox->isChecked();
    if (!config->saveUser(userId, rows,
                          [this, review] { return Review::setOn(config, userId, review); })) {
        Prompts::warn(this, tr("No se puede guardar la configuración"),
                      Database::withFailureReason(
                          tr("La configuración no se ha guardado; se mantiene la anterior.")));
        return;
    }

    if (letterList && letterList->hasAvailable(config, language)) {
        emit done();
        close();
        return;
    }
    Prompts::warn(this, tr("No hay palabras disponibles"),
                  tr("La configuración actual de letras y categorías hace que la lista de "
                     "palabras disponibles esté vacía. Por favor revise su selección."));
}

void ConfigWidget::slotCloseIt()
{
    emit done();
    close();
}
