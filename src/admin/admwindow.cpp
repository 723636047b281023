#include "admwindow.h"

#include "admin/categorywidget.h"
#include "admin/categorywordwidget.h"
#include "admin/mediawidget.h"
#include "admin/progresswindow.h"
#include "admin/prompts.h"
#include "data/backup.h"
#include "data/category.h"
#include "data/database.h"
#include "data/language.h"
#include "data/letter.h"
#include "data/word.h"
#include "data/wordsave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QSqlDatabase>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>
#include <sys/stat.h>

namespace {

QString withoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    return path;
}

// Every mount point, bind mounts of the same file system included (their device is the same).
QSet<QString> mountPoints()
{
    QSet<QString> points;
    QFile file(QStringLiteral("/proc/self/mountinfo"));
    if (!file.open(QIODevice::ReadOnly))
        return points;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 5)
            continue;
        QByteArray path = fields.at(4);
        // Blanks and the like come octal-escaped ("\040").
        for (int at = path.indexOf('\\'); at >= 0 && at + 3 < path.size();
             at = path.indexOf('\\', at + 1))
            path.replace(at, 4, QByteArray(1, char(path.mid(at + 1, 3).toInt(nullptr, 8))));
        points.insert(QFile::decodeName(path));
    }
    return points;
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
    // Hidden folders are listed too: a word whose full name starts with a dot stays editable.
    directoryModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden);
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

    backupButton = new QPushButton(tr("Copia de seguridad"), this);
    restoreButton = new QPushButton(tr("Restaurar copia"), this);
    backupButton->setObjectName("backupButton");
    restoreButton->setObjectName("restoreButton");
    backupButton->setEnabled(false);
    restoreButton->setEnabled(false);
    connect(backupButton, &QPushButton::clicked, this, &AdmWindow::slotBackup);
    connect(restoreButton, &QPushButton::clicked, this, &AdmWindow::slotRestore);
    auto *backupRow = new QHBoxLayout;
    backupRow->addWidget(progressButton);
    backupRow->addStretch();
    backupRow->addWidget(backupButton);
    backupRow->addWidget(restoreButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabWidget);
    layout->addLayout(backupRow);
    setWindowTitle(tr("Administrador de Medios"));
    resize(480, 320);
}

AdmWindow::~AdmWindow() = default;

void AdmWindow::setLanguage(Language::Language *language)
{
    currentLanguage = language;
    // Saves interrupted by a crash are finished or undone before anything is shown.
    if (currentLanguage)
        WordSave::recoverAll(lettersRoot());
    lettersHeader->setText(tr("Medios instalados"));
    lettersPage->setEnabled(true);
    categoriesPage->setEnabled(true);
    tabWidget->setTabEnabled(1, true);
    backupButton->setEnabled(currentLanguage != nullptr);
    restoreButton->setEnabled(currentLanguage != nullptr);
    slotTabs(0);
}

void AdmWindow::slotBackup()
{
    if (!currentLanguage)
        return;
    const QString parent = Prompts::chooseFolder(this, tr("Elegir dónde guardar la copia"));
    if (parent.isEmpty())
        return;
    const Backup::Result result = Backup::create(parent, currentLanguage->mediaPath());
    if (result.ok)
        Prompts::inform(this, tr("Copia de seguridad"),
                        tr("La copia de seguridad se guardó en %1.").arg(result.folder));
    else
        Prompts::inform(this, tr("Error"),
                        tr("No se pudo hacer la copia de seguridad: %1").arg(result.error));
}

void AdmWindow::slotRestore()
{
    if (!currentLanguage)
        return;
    const QString copy = Prompts::chooseFolder(this, tr("Elegir la copia que se restaura"));
    if (copy.isEmpty())
        return;
    const QString problem = Backup::checkCopy(copy, currentLanguage->name);
    if (!problem.isEmpty()) {
        Prompts::inform(
            this, tr("Error"),
            tr("La copia no se puede restaurar: %1 No se ha cambiado nada.").arg(problem));
        return;
    }
    if (!Prompts::ask(this, tr("Restaurar copia"),
                      tr("¿Reemplazar los usuarios, la configuración y las palabras actuales por "
                         "los de la copia %1?\nEl estado actual se guardará como copia anterior.")
                          .arg(QFileInfo(copy).fileName())))
        return;
    const QString keep = QFileInfo(QDir::cleanPath(copy)).absolutePath();
    const Backup::Result result = Backup::restore(copy, QSqlDatabase::database().databaseName(),
                                                  currentLanguage->mediaPath(), keep);
    forgetSelection();
    if (!result.ok) {
        Prompts::inform(this, tr("Error"),
                        tr("La copia no se pudo restaurar: %1").arg(result.error));
        return;
    }
    // The tree and the lists now show the restored state.
    directoryModel->setRootPath(QString());
    slotTabs(tabWidget->currentIndex());
    slotRefreshCategoriesList();
    Prompts::inform(
        this, tr("Restaurar copia"),
        tr("La copia se restauró. El estado anterior quedó guardado en %1.").arg(result.folder));
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
    if (currentLanguage && !selectedLetterPath.isEmpty())
        WordSave::recoverLetter(selectedLetterPath);
    if (currentLanguage && Database::isReadOnly()
        && (selectedLetter || !selectedWordPath.isEmpty())) {
        Prompts::inform(this, tr("Error"), Database::readOnlyText());
    } else if (currentLanguage && selectedLetter && selectedWord) {
        const QString name = selectedWord->name;
        if (Prompts::ask(this, tr("Eliminar palabra"),
                         tr("¿Está seguro de eliminar la palabra %1?\nTodos los medios "
                            "asociados con esta palabra seran eliminados.")
                             .arg(name))) {
            if (!selectedWord->removeWithLinks()) {
                Prompts::inform(this, tr("Error"),
                                Database::withFailureReason(
                                    tr("La palabra %1 no ha podido ser eliminada.").arg(name)));
            } else {
                // The folder of the stored full name under the letter folder that was clicked.
                const bool removed = !MediaWidget::fullNameProblem(selectedWord->fullName).isEmpty()
                    || removeDirectory(selectedLetterPath + "/" + selectedWord->fullName);
                if (removed)
                    Prompts::inform(this, tr("Eliminar palabra"),
                                    tr("La palabra %1 ha sido eliminada exitosamente.").arg(name));
            }
        }
    } else if (currentLanguage && !selectedWordPath.isEmpty()) {
        // A word folder without a record: only that folder may go, never its letter.
        const QString folder = QFileInfo(selectedWordPath).fileName();
        if (Prompts::ask(this, tr("Eliminar carpeta"),
                         tr("La carpeta %1 no corresponde a ninguna palabra registrada.\n¿Desea "
                            "eliminar esta carpeta y los archivos que contiene?")
                             .arg(folder))
            && removeDirectory(selectedWordPath))
            Prompts::inform(this, tr("Eliminar carpeta"),
                            tr("La carpeta %1 ha sido eliminada exitosamente.").arg(folder));
    } else if (currentLanguage && selectedLetter) {
        const QString name = selectedLetter->name;
        const int words = selectedLetter->wordCount();
        if (Prompts::ask(this, tr("Eliminar letra"),
                         tr("¿Está seguro de eliminar la letra %1?\nTodas palabras y los medios "
                            "asociados con esta letra seran eliminados (%n palabra(s)).",
                            nullptr, words)
                             .arg(name))) {
            if (!selectedLetter->removeWithWords())
                Prompts::inform(this, tr("Error"),
                                Database::withFailureReason(
                                    tr("La letra %1 no ha podido ser eliminada; no se ha "
                                       "borrado nada.")
                                        .arg(name)));
            else if (removeDirectory(selectedLetterPath))
                Prompts::inform(this, tr("Eliminar letra"),
                                tr("La letra %1 ha sido eliminada exitosamente.").arg(name));
        }
    }
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

bool AdmWindow::removeDirectory(const QString &path)
{
    const QString folder = withoutTrailingSlash(path);
    const QFileInfo info(folder);
    if (!info.exists() && !info.isSymLink())
        return true;
    if (!isInsideLetters(folder)) {
        Prompts::inform(this, tr("Error"),
                        tr("El directorio %1 no ha podido ser eliminado.").arg(info.fileName()));
        return false;
    }
    if (info.isSymLink())
        return QFile::remove(folder);
    QStringList left;
    struct stat root;
    const bool knownDevice = ::lstat(QFile::encodeName(lettersRoot()).constData(), &root) == 0;
    m_mountPoints = mountPoints();
    removeTree(folder, knownDevice ? qint64(root.st_dev) : -1, left);
    if (left.isEmpty())
        return true;
    Prompts::inform(this, tr("Error"),
                    tr("El directorio %1 no ha podido ser eliminado. Quedan: %2.")
                        .arg(info.fileName(), left.join(", ")));
    return false;
}

void AdmWindow::removeTree(const QString &path, qint64 device, QStringList &left)
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
        struct stat status;
        const bool stated = ::lstat(QFile::encodeName(entryPath).constData(), &status) == 0;
        // A link is removed as a link: whatever it points at is left alone.
        if (entry.isSymLink() || !entry.isDir()) {
            if (!QFile::remove(entryPath))
                left << name;
        } else if (!stated || (device >= 0 && qint64(status.st_dev) != device)
                   || m_mountPoints.contains(entry.canonicalFilePath())) {
            // A mount point: the files of another file system are never touched.
            left << name;
        } else {
            removeTree(entryPath, device, left);
        }
    }
    // Staging leftovers of an interrupted save are ours: they never keep a folder.
    for (const QString &name : dir.entryList({".qv-*"}, QDir::Files | QDir::Hidden | QDir::System))
        dir.remove(name);
    dir.refresh();
    const QStringList hidden
        = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : hidden) {
        if (!left.contains(name) && name.startsWith('.'))
            left << name;
    }
    if (dir.entryList().size() > 2 || !hidden.isEmpty())
        return;
    const QFileInfo info(path);
    if (!info.dir().rmdir(info.fileName()))
        left << info.fileName();
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
