#include "admwindow.h"

#include "admin/categorywidget.h"
#include "admin/categorywordwidget.h"
#include "admin/mediawidget.h"
#include "admin/progresswindow.h"
#include "admin/prompts.h"
#include "data/category.h"
#include "data/language.h"
#include "data/letter.h"
#include "data/word.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

QString withoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    return path;
}

// Escape and the title bar only hide a dialog; every way out ends in finished().
void deleteWhenFinished(QDialog *dialog)
{
    QObject::connect(dialog, &QDialog::finished, dialog, &QObject::deleteLater);
}

} // namespace

AdmWindow::AdmWindow(Letter::LetterList *letterList, Word::WordList *wordList,
                     Category::CategoryList *categoryList, QWidget *parent)
    : QDialog(parent), letterList(letterList), wordList(wordList), categoryList(categoryList)
{
    setModal(true);
    setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);

    directoryModel = new QFileSystemModel(this);
    directoryModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    // Renaming in the tree would bypass the records.
    directoryModel->setReadOnly(true);
    mediaTree = new QTreeView(this);
    mediaTree->setObjectName("mediaTree");
    mediaTree->setModel(directoryModel);
    for (int column = 1; column < directoryModel->columnCount(); ++column)
        mediaTree->hideColumn(column);
    mediaTree->setAttribute(Qt::WA_MouseTracking);
    // One column: its untranslated "Name" header says nothing.
    mediaTree->setHeaderHidden(true);
    connect(mediaTree, &QTreeView::clicked, this, &AdmWindow::slotLetterClicked);

    lettersHeader = new QLabel(this);
    categoriesHeader = new QLabel(this);

    lettersPage = new QWidget(this);
    addWordButton = new QPushButton(tr("Agregar palabra"), lettersPage);
    editWordButton = new QPushButton(tr("Editar palabra"), lettersPage);
    deleteWordButton = new QPushButton(tr("Eliminar palabra"), lettersPage);
    auto *lettersLayout = new QVBoxLayout(lettersPage);
    lettersLayout->addWidget(lettersHeader);
    lettersLayout->addWidget(mediaTree);
    auto *wordButtons = new QHBoxLayout;
    wordButtons->addWidget(addWordButton);
    wordButtons->addWidget(editWordButton);
    wordButtons->addWidget(deleteWordButton);
    lettersLayout->addLayout(wordButtons);
    connect(addWordButton, &QPushButton::clicked, this, &AdmWindow::slotInsertLetter);
    connect(editWordButton, &QPushButton::clicked, this, &AdmWindow::slotEditLetter);
    connect(deleteWordButton, &QPushButton::clicked, this, &AdmWindow::slotDeleteLetter);
    addWordButton->setEnabled(false);
    editWordButton->setEnabled(false);
    deleteWordButton->setEnabled(false);

    categoriesPage = new QWidget(this);
    categoriesListWidget = new QListWidget(categoriesPage);
    categoriesListWidget->setObjectName("categoriesList");
    addCategoryButton = new QPushButton(tr("Agregar categoría"), categoriesPage);
    editCategoryButton = new QPushButton(tr("Editar categoría"), categoriesPage);
    deleteCategoryButton = new QPushButton(tr("Eliminar categoría"), categoriesPage);
    showWordsButton = new QPushButton(tr("Ver palabras de esta categoría"), categoriesPage);
    auto *categoriesLayout = new QVBoxLayout(categoriesPage);
    categoriesLayout->addWidget(categoriesHeader);
    categoriesLayout->addWidget(categoriesListWidget);
    auto *categoryButtons = new QHBoxLayout;
    categoryButtons->addWidget(addCategoryButton);
    categoryButtons->addWidget(editCategoryButton);
    categoryButtons->addWidget(deleteCategoryButton);
    categoryButtons->addWidget(showWordsButton);
    categoriesLayout->addLayout(categoryButtons);
    connect(categoriesListWidget, &QListWidget::itemClicked, this, &AdmWindow::slotCategoryClicked);
    connect(addCategoryButton, &QPushButton::clicked, this, &AdmWindow::slotInsertCategory);
    connect(editCategoryButton, &QPushButton::clicked, this, &AdmWindow::slotEditCategory);
    connect(deleteCategoryButton, &QPushButton::clicked, this, &AdmWindow::slotDeleteCategory);
    connect(showWordsButton, &QPushButton::clicked, this, &AdmWindow::slotShowWordsCategory);
    editCategoryButton->setEnabled(false);
    deleteCategoryButton->setEnabled(false);
    showWordsButton->setEnabled(false);

    tabWidget = new QTabWidget(this);
    tabWidget->addTab(lettersPage, tr("Letras"));
    tabWidget->addTab(categoriesPage, tr("Categorías"));
    connect(tabWidget, &QTabWidget::currentChanged, this, &AdmWindow::slotTabs);

    lettersPage->setEnabled(false);
    categoriesPage->setEnabled(false);
    tabWidget->setTabEnabled(1, false);

    // The children's record, for the teacher.
    progressButton = new QPushButton(tr("Progreso de los alumnos"), this);
    progressButton->setObjectName("progressButton");
    connect(progressButton, &QPushButton::clicked, this, &AdmWindow::slotProgress);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabWidget);
    layout->addWidget(progressButton);
    setWindowTitle(tr("Administrador de Medios"));
    resize(480, 320);
}

AdmWindow::~AdmWindow() = default;

void AdmWindow::setLanguage(Language::Language *language)
{
    currentLanguage = language;
    lettersHeader->setText(tr("Medios instalados"));
    lettersPage->setEnabled(true);
    categoriesPage->setEnabled(true);
    tabWidget->setTabEnabled(1, true);
    slotTabs(0);
}

QString AdmWindow::lettersRoot() const
{
    return currentLanguage ? currentLanguage->mediaPath() + "Letras" : QString();
}

void AdmWindow::slotTabs(int index)
{
    if (!currentLanguage)
        return;
    if (index == 0) {
        const QString root = lettersRoot();
        directoryModel->setRootPath(root);
        // A missing folder gives an invalid index: the tree then shows the model's top level.
        mediaTree->setRootIndex(directoryModel->index(root));
        slotRefresh();
    } else if (index == 1) {
        slotRefreshCategoriesList();
    }
}

void AdmWindow::slotLetterClicked(const QModelIndex &)
{
    const QModelIndex current = mediaTree->currentIndex();
    const QModelIndex parent = current.parent();
    if (!current.isValid() || !parent.isValid())
        return;
    // Levels are told by path, not by folder name, so that a word folder called "Letras" or a
    // folder inside a word folder is never taken for a letter.
    const QString root = QDir::cleanPath(lettersRoot());
    const QString parentPath = QDir::cleanPath(directoryModel->filePath(parent));
    const QString grandParentPath = QDir::cleanPath(QFileInfo(parentPath).path());
    if (parentPath == root) {
        selectedLetterPath = QDir::cleanPath(directoryModel->filePath(current));
        selectedWordPath.clear();
        selectedLetter = std::make_unique<Letter::Letter>();
        if (!selectedLetter->findByName(directoryModel->fileName(current), currentLanguage))
            selectedLetter.reset();
        selectedWord.reset();
        addWordButton->setEnabled(true);
        editWordButton->setEnabled(false);
        deleteWordButton->setEnabled(false);
    } else if (grandParentPath == root) {
        selectedLetterPath = parentPath;
        selectedWordPath = QDir::cleanPath(directoryModel->filePath(current));
        selectedLetter = std::make_unique<Letter::Letter>();
        if (!selectedLetter->findByName(directoryModel->fileName(parent), currentLanguage))
            selectedLetter.reset();
        selectedWord = std::make_unique<Word::Word>();
        if (!selectedWord->findByFullName(directoryModel->fileName(current), selectedLetter.get()))
            selectedWord.reset();
        addWordButton->setEnabled(false);
        editWordButton->setEnabled(true);
        deleteWordButton->setEnabled(true);
    } else {
        forgetSelection();
    }
}

void AdmWindow::slotInsertLetter()
{
    if (!currentLanguage || !selectedLetter)
        return;
    auto *editor = new MediaWidget(currentLanguage, selectedLetter.get(), categoryList, nullptr);
    deleteWhenFinished(editor);
    connect(editor, &MediaWidget::done, this, &AdmWindow::slotRefresh);
    editor->show();
}

void AdmWindow::slotEditLetter()
{
    if (!currentLanguage || !selectedLetter || !selectedWord)
        return;
    auto *editor
        = new MediaWidget(currentLanguage, selectedLetter.get(), categoryList, selectedWord.get());
    deleteWhenFinished(editor);
    connect(editor, &MediaWidget::done, this, &AdmWindow::slotRefreshParent);
    editor->show();
}

void AdmWindow::slotRefresh()
{
    // The model watches the folders it has read; fetching makes sure the current one is read.
    const QModelIndex current = mediaTree->currentIndex();
    if (current.isValid() && directoryModel->canFetchMore(current))
        directoryModel->fetchMore(current);
}

void AdmWindow::slotRefreshParent()
{
    const QModelIndex parent = mediaTree->currentIndex().parent();
    if (parent.isValid() && directoryModel->canFetchMore(parent))
        directoryModel->fetchMore(parent);
}

void AdmWindow::slotDeleteLetter()
{
    QString folder;
    if (currentLanguage && selectedLetter) {
        if (selectedWord) {
            const QString name = selectedWord->name;
            if (Prompts::ask(this, tr("Eliminar palabra"),
                             tr("¿Está seguro de eliminar la palabra %1?\nTodos los medios "
                                "asociados con esta palabra seran eliminados.")
                                 .arg(name))
                && selectedWord->remove()) {
                // The folder of the stored full name under the letter folder that was clicked.
                if (MediaWidget::fullNameProblem(selectedWord->fullName).isEmpty())
                    folder = selectedLetterPath + "/" + selectedWord->fullName;
                Prompts::inform(this, tr("Eliminar palabra"),
                                tr("La palabra %1 ha sido eliminada exitosamente.").arg(name));
            }
        } else {
            const QString name = selectedLetter->name;
            if (Prompts::ask(this, tr("Eliminar letra"),
                             tr("¿Está seguro de eliminar la letra %1?\nTodas palabras y los "
                                "medios asociados con esta letra seran eliminados.")
                                 .arg(name))
                && selectedLetter->remove()) {
                folder = selectedLetterPath;
                Prompts::inform(this, tr("Eliminar letra"),
                                tr("La letra %1 ha sido eliminada exitosamente.").arg(name));
            }
        }
    }
    if (!folder.isEmpty())
        removeDirectory(folder);
    forgetSelection();
    slotRefreshParent();
}

void AdmWindow::forgetSelection()
{
    selectedLetter.reset();
    selectedWord.reset();
    selectedLetterPath.clear();
    selectedWordPath.clear();
    addWordButton->setEnabled(false);
    editWordButton->setEnabled(false);
    deleteWordButton->setEnabled(false);
}

bool AdmWindow::isInsideLetters(const QString &path) const
{
    const QString root = QFileInfo(lettersRoot()).canonicalFilePath();
    if (root.isEmpty())
        return false;
    const QFileInfo info(withoutTrailingSlash(path));
    const QString name = info.fileName();
    if (name.isEmpty() || name == "." || name == "..")
        return false;
    // The containing folder is resolved, the entry itself is not: a link inside the tree is
    // still inside, whatever it points at.
    const QString container = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (container.isEmpty())
        return false;
    return container == root || container.startsWith(root + "/");
}

void AdmWindow::removeDirectory(const QString &path)
{
    const QString folder = withoutTrailingSlash(path);
    const QFileInfo info(folder);
    if (!info.exists() && !info.isSymLink())
        return;
    if (!isInsideLetters(folder)) {
        Prompts::inform(this, tr("Error"),
                        tr("El directorio %1 no ha podido ser eliminado.").arg(info.fileName()));
        return;
    }
    if (info.isSymLink()) {
        QFile::remove(folder);
        return;
    }
    removeTree(folder);
}

void AdmWindow::removeTree(const QString &path)
{
    QDir dir(path);
    if (!dir.exists())
        return;
    const QFileInfoList entries = dir.entryInfoList();
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName();
        if (name == "." || name == "..")
            continue;
        const QString entryPath = path + "/" + name;
        // A link is removed as a link: whatever it points at is left alone.
        if (entry.isSymLink() || !entry.isDir())
            QFile::remove(entryPath);
        else
            removeTree(entryPath);
    }
    dir.refresh();
    if (dir.entryList().size() > 2)
        return;
    const QFileInfo info(path);
    if (!info.dir().rmdir(info.fileName()))
        Prompts::inform(this, tr("Error"),
                        tr("El directorio %1 no ha podido ser eliminado.").arg(info.fileName()));
}

void AdmWindow::slotCategoryClicked(QListWidgetItem *item)
{
    selectedCategory = std::make_unique<Category::Category>();
    if (!item || !selectedCategory->loadById(item->data(Qt::UserRole).toInt()))
        selectedCategory.reset();
    const bool loaded = selectedCategory != nullptr;
    editCategoryButton->setEnabled(loaded);
    deleteCategoryButton->setEnabled(loaded);
    showWordsButton->setEnabled(loaded);
}

void AdmWindow::slotRefreshCategoriesList()
{
    categoriesListWidget->clear();
    if (!categoryList || !currentLanguage)
        return;
    categoryList->load(currentLanguage);
    categoryList->reset();
    while (Category::Category *category = categoryList->next()) {
        auto *item = new QListWidgetItem(category->name, categoriesListWidget);
        item->setData(Qt::UserRole, category->id);
    }
}

void AdmWindow::slotInsertCategory()
{
    auto *editor = new CategoryWidget(currentLanguage, nullptr);
    deleteWhenFinished(editor);
    connect(editor, &CategoryWidget::done, this, &AdmWindow::slotRefreshCategoriesList);
    editor->show();
}

void AdmWindow::slotEditCategory()
{
    if (!selectedCategory)
        return;
    auto *editor = new CategoryWidget(currentLanguage, selectedCategory.get());
    deleteWhenFinished(editor);
    connect(editor, &CategoryWidget::done, this, &AdmWindow::slotRefreshCategoriesList);
    editor->show();
}

void AdmWindow::slotDeleteCategory()
{
    if (!selectedCategory)
        return;
    const QString name = selectedCategory->name;
    if (!Prompts::ask(this, tr("Eliminar categoría"),
                      tr("Está seguro de eliminar la categoría %1?").arg(name)))
        return;
    const bool removed = selectedCategory->remove();
    slotRefreshCategoriesList();
    if (removed)
        Prompts::inform(this, tr("Eliminar categoría"),
                        tr("La categoría %1 ha sido eliminada exitósamente.").arg(name));
}

void AdmWindow::slotShowWordsCategory()
{
    if (!selectedCategory)
        return;
    auto *list = new CategoryWordWidget(wordList, selectedCategory.get());
    deleteWhenFinished(list);
    list->show();
}

void AdmWindow::slotProgress()
{
    auto *window = new ProgressWindow(this);
    window->setObjectName("progressWindow");
    deleteWhenFinished(window);
    window->open();
}
