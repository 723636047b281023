#include "mediawidget.h"

#include "admin/prompts.h"
#include "data/category.h"
#include "data/database.h"
#include "data/language.h"
#include "data/letter.h"
#include "data/word.h"
#include "data/wordsave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const int maxFullNameLength = 100;

QString fileNameOf(const QString &path)
{
    const int slash = path.lastIndexOf('/');
    return slash < 0 ? path : path.mid(slash + 1);
}

bool isPlainFileName(const QString &name)
{
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/');
}

// A word folder that is there must be a real folder: a link would carry copies elsewhere.
bool isUsableFolder(const QString &path)
{
    const QFileInfo info(path);
    return !info.isSymLink() && (!info.exists() || info.isDir());
}

} // namespace

MediaWidget::MediaWidget(Language::Language *language, Letter::Letter *letter,
                         Category::CategoryList *categoryList, Word::Word *word, QWidget *parent)
    : QDialog(parent)
    , editMode(word != nullptr)
    , language(language)
    , letter(letter)
    , currentWord(word)
    , categoryList(categoryList)
{
    setModal(true);
    setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);

    auto *letterLabel = new QLabel(tr("Letra : %1").arg(letter ? letter->name : QString()), this);
    auto *nameLabel = new QLabel(tr("Palabra escrita"), this);
    auto *fullNameLabel = new QLabel(tr("Descripción"), this);
    auto *imageLabel = new QLabel(tr("Imagen"), this);
    auto *signLabel = new QLabel(tr("Seña"), this);
    auto *lipsLabel = new QLabel(tr("Modulación"), this);

    nameField = new QLineEdit(this);
    fullNameField = new QLineEdit(this);
    imageField = new QLineEdit(this);
    signField = new QLineEdit(this);
    lipsField = new QLineEdit(this);
    nameField->setObjectName("nameField");
    fullNameField->setObjectName("fullNameField");
    imageField->setObjectName("imageField");
    signField->setObjectName("signField");
    lipsField->setObjectName("lipsField");
    // Wide enough to read a chosen path.
    for (QLineEdit *field : {imageField, signField, lipsField})
        field->setMinimumWidth(360);
    if (editMode) {
        nameField->setText(word->name);
        fullNameField->setText(word->fullName);
        initialImage = word->imagePath();
        initialSign = word->signPath();
        initialLips = word->lipsPath();
        imageField->setText(initialImage);
        signField->setText(initialSign);
        lipsField->setText(initialLips);
    }

    const QString browseText = editMode ? tr("Cambiar") : tr("Elegir");
    auto *imageButton = new QPushButton(browseText, this);
    auto *signButton = new QPushButton(browseText, this);
    auto *lipsButton = new QPushButton(browseText, this);
    connect(imageButton, &QPushButton::clicked, this, &MediaWidget::slotBrowseWordImage);
    connect(signButton, &QPushButton::clicked, this, &MediaWidget::slotBrowseWordSign);
    connect(lipsButton, &QPushButton::clicked, this, &MediaWidget::slotBrowseWordLips);

    auto *grid = new QGridLayout;
    grid->addWidget(nameLabel, 1, 1);
    grid->addWidget(nameField, 1, 2);
    grid->addWidget(fullNameLabel, 2, 1);
    grid->addWidget(fullNameField, 2, 2);
    grid->addWidget(imageLabel, 3, 1);
    grid->addWidget(imageField, 3, 2);
    grid->addWidget(imageButton, 3, 3);
    grid->addWidget(signLabel, 4, 1);
    grid->addWidget(signField, 4, 2);
    grid->addWidget(signButton, 4, 3);
    grid->addWidget(lipsLabel, 5, 1);
    grid->addWidget(lipsField, 5, 2);
    grid->addWidget(lipsButton, 5, 3);
    imagePreview = new QLabel(this);
    imagePreview->setObjectName("imagePreview");
    imagePreview->setFixedSize(176, 106);
    imagePreview->setAlignment(Qt::AlignCenter);
    imagePreview->setFrameShape(QFrame::StyledPanel);
    grid->addWidget(imagePreview, 6, 2, Qt::AlignLeft);
    connect(imageField, &QLineEdit::textChanged, this, &MediaWidget::showImagePreview);
    showImagePreview();

    auto *actionButton = new QPushButton(editMode ? tr("Actualizar") : tr("Agregar"), this);
    actionButton->setObjectName("actionButton");
    auto *cancelButton = new QPushButton(tr("Cancelar"), this);
    cancelButton->setObjectName("cancelButton");
    actionButton->setFixedSize(100, 25);
    cancelButton->setFixedSize(100, 25);
    connect(actionButton, &QPushButton::clicked, this, &MediaWidget::slotDoIt);
    connect(cancelButton, &QPushButton::clicked, this, &MediaWidget::slotCloseIt);

    categoriesListWidget = new QListWidget(this);
    categoriesListWidget->setObjectName("categoriesList");
    fillCategories();

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(actionButton);
    buttons->addWidget(cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(letterLabel);
    layout->addLayout(grid);
    layout->addWidget(categoriesListWidget);
    layout->addLayout(buttons);

    setWindowTitle(editMode ? tr("Editar palabra") : tr("Palabra nueva"));
}

MediaWidget::~MediaWidget() = default;

QString MediaWidget::fullNameProblem(const QString &fullName)
{
    bool control = false;
    for (const QChar c : fullName)
        control = control || c.category() == QChar::Other_Control;
    if (fullName.trimmed().isEmpty() || fullName.size() > maxFullNameLength || control
        || fullName.contains('/') || fullName.contains('\\') || fullName.contains("..")
        || fullName.startsWith('.'))
        return tr("La descripción «%1» no puede usarse como nombre de la carpeta de la palabra: "
                  "no debe estar en blanco, empezar con un punto, tener más de %2 caracteres "
                  "ni contener «/», «\\» o «..».")
            .arg(fullName.left(maxFullNameLength))
            .arg(maxFullNameLength);
    return QString();
}

void MediaWidget::fillCategories()
{
    categoriesListWidget->clear();
    if (!categoryList || !language)
        return;
    categoryList->load(language);
    categoryList->reset();
    while (Category::Category *category = categoryList->next()) {
        auto *item = new QListWidgetItem(category->name, categoriesListWidget);
        item->setData(Qt::UserRole, category->id);
        item->setFlags(item->flags() | Qt::ItemIsSelectable | Qt::ItemIsEditable
                       | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        const bool linked = editMode && currentWord->hasCategory(category);
        item->setCheckState(linked ? Qt::Checked : Qt::Unchecked);
    }
}

bool MediaWidget::saveCategories(Word::Word &word)
{
    bool ok = true;
    for (int row = 0; row < categoriesListWidget->count(); ++row) {
        const QListWidgetItem *item = categoriesListWidget->item(row);
        Category::Category category;
        if (!category.loadById(item->data(Qt::UserRole).toInt()))
            continue;
        if (item->checkState() == Qt::Checked)
            ok = word.addCategory(&category) && ok;
        else
            ok = word.removeCategory(&category) && ok;
    }
    return ok;
}

void MediaWidget::showImagePreview()
{
    const QPixmap picture(imageField->text());
    if (picture.isNull()) {
        imagePreview->setPixmap(QPixmap());
        imagePreview->setText(tr("Sin vista previa"));
        return;
    }
    imagePreview->setPixmap(
        picture.scaled(imagePreview->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void MediaWidget::slotBrowseWordImage()
{
    imageField->setText(Prompts::openFile(this, tr("Elegir archivo"),
                                          tr("Archivos de imagen (*.png *.jpg *.jpeg)")));
}

void MediaWidget::slotBrowseWordSign()
{
    signField->setText(Prompts::openFile(this, tr("Elegir archivo"),
                                         tr("Video (*.mpg *.avi *.mov *.mp4 *.webm)")));
}

void MediaWidget::slotBrowseWordLips()
{
    lipsField->setText(Prompts::openFile(this, tr("Elegir archivo"),
                                         tr("Video (*.mpg *.avi *.mov *.mp4 *.webm)")));
}

void MediaWidget::slotDoIt()
{
    const QString fullName = fullNameField->text();
    for (const QLineEdit *field : {nameField, fullNameField, imageField, signField, lipsField}) {
        if (field->text().isEmpty()) {
            Prompts::inform(this, tr("Campos vacíos en formulario."),
                            tr("Por favor complete todos los ítemes del formulario."));
            return;
        }
    }
    // The full name becomes a folder name: nothing may reach outside the letter's folder.
    QString problem = fullNameProblem(fullName);
    if (problem.isEmpty() && editMode && fullName != currentWord->fullName)
        problem = fullNameProblem(currentWord->fullName);
    if (problem.isEmpty()
        && (!letter || !letter->language || letter->name.isEmpty()
            || !fullNameProblem(letter->name).isEmpty()))
        problem = tr("La letra de la palabra no tiene una carpeta válida.");
    if (!problem.isEmpty()) {
        Prompts::inform(this, tr("Descripción no válida."), problem);
        return;
    }

    const QString initial[3] = {initialImage, initialSign, initialLips};
    const QLineEdit *fields[3] = {imageField, signField, lipsField};
    WordSave::Request request;
    request.letter = letter;
    request.before = editMode ? currentWord : nullptr;
    request.name = nameField->text();
    request.fullName = fullName;
    for (int i = 0; i < 3; ++i) {
        if (fields[i]->text() == initial[i])
            continue;
        const QString source = fields[i]->text();
        if (!isPlainFileName(fileNameOf(source)) || !QFileInfo(source).isFile()) {
            Prompts::inform(this, tr("Archivo no válido."),
                            tr("El archivo %1 no existe o no puede leerse.").arg(source));
            return;
        }
        request.sources[i] = source;
    }

    const QString letterDir = letter->mediaPath().chopped(1);
    if (!QFileInfo(letterDir).isDir()) {
        Prompts::inform(this, tr("Error"),
                        tr("No existe la carpeta de la letra %1.").arg(letter->name));
        return;
    }
    if (!isUsableFolder(letterDir + "/" + fullName)
        || (editMode && !isUsableFolder(letterDir + "/" + currentWord->fullName))) {
        Prompts::inform(this, tr("Descripción no válida."),
                        tr("La carpeta %1 no es una carpeta de palabra.").arg(fullName));
        return;
    }
    if (Database::isReadOnly()) {
        Prompts::inform(this, tr("Error"), Database::readOnlyText());
        return;
    }

    request.writeLinks = [this](Word::Word &saved) { return saveCategories(saved); };
    const WordSave::Outcome outcome = WordSave::save(request);
    switch (outcome.result) {
    case WordSave::Result::Saved:
        break;
    case WordSave::Result::DuplicateFullName:
        Prompts::inform(this, tr("Descripción no válida."),
                        tr("Ya existe una palabra con la descripción %1 en la letra %2; no se ha "
                           "cambiado nada.")
                            .arg(fullName, letter->name));
        return;
    case WordSave::Result::MissingLetterFolder:
        Prompts::inform(this, tr("Error"),
                        tr("No existe la carpeta de la letra %1.").arg(letter->name));
        return;
    case WordSave::Result::FolderFailed:
        Prompts::inform(this, tr("Error"), tr("No se pudo crear la carpeta %1.").arg(fullName));
        return;
    case WordSave::Result::CopyFailed:
        Prompts::inform(this, tr("Error"),
                        tr("No se pudo copiar el archivo %1.").arg(outcome.detail));
        return;
    case WordSave::Result::RecordFailed:
        Prompts::inform(this, tr("Error"),
                        tr("Se presentó un error con la palabra %1.").arg(fullName));
        emit done();
        close();
        return;
    }

    if (editMode) {
        *currentWord = outcome.word;
    } else {
        ownWord = std::make_unique<Word::Word>(outcome.word);
        currentWord = ownWord.get();
    }
    if (editMode)
        Prompts::inform(this, tr("Palabra editada."),
                        tr("La palabra %1 ha sido editada exitósamente.").arg(fullName));
    else
        Prompts::inform(this, tr("Palabra creada."),
                        tr("La palabra %1 ha sido creada exitósamente.").arg(fullName));
    emit done();
    close();
}

void MediaWidget::slotCloseIt()
{
    emit done();
    close();
}
