#include "categorywidget.h"

#include "admin/prompts.h"
#include "data/category.h"
#include "data/language.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CategoryWidget::CategoryWidget(Language::Language *language, Category::Category *category,
                               QWidget *parent)
    : QDialog(parent), editMode(category != nullptr), language(language), category(category)
{
    setModal(true);
    setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    if (!editMode) {
        ownCategory = std::make_unique<Category::Category>();
        this->category = ownCategory.get();
    }

    auto *languageLabel
        = new QLabel(tr("Idioma : %1").arg(language ? language->name : QString()), this);
    auto *nameLabel = new QLabel(tr("Categoría"), this);
    nameField = new QLineEdit(this);
    nameField->setObjectName("nameField");
    if (editMode)
        nameField->setText(category->name);

    auto *grid = new QGridLayout;
    grid->addWidget(nameLabel, 1, 1);
    grid->addWidget(nameField, 1, 2);

    auto *button = new QPushButton(editMode ? tr("Aceptar") : tr("Agregar"), this);
    button->setObjectName("actionButton");
    button->setFixedSize(100, 25);
    connect(button, &QPushButton::clicked, this, &CategoryWidget::slotDoIt);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(languageLabel);
    layout->addLayout(grid);
    layout->addWidget(button);

    setWindowTitle(editMode ? tr("Editar categoría") : tr("Categoría nueva"));
}

CategoryWidget::~CategoryWidget() = default;

void CategoryWidget::slotDoIt()
{
    const QString typed = nameField->text();
    if (typed.isEmpty()) {
        Prompts::inform(this, tr("Campos vacíos en formulario."),
                        tr("Por favor complete todos los ítemes del formulario."));
        return;
    }
    category->name = typed.toUpper();
    category->language = language;
    const bool ok = editMode ? category->update() : category->insert();
    if (!ok)
        Prompts::inform(this, tr("Error."),
                        tr("La categoría %1 no ha sido creada o actualizada.").arg(typed));
    else if (editMode)
        Prompts::inform(this, tr("Categoría editada."),
                        tr("La categoría %1 ha sido editada exitosamente.").arg(typed));
    else
        Prompts::inform(this, tr("Categoría creada."),
                        tr("La categoría %1 ha sido creada exitosamente.").arg(typed));
    emit done();
    close();
}

void CategoryWidget::slotCloseIt()
{
    emit done();
    close();
}
