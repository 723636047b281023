#include "helpdialog.h"

#include "data/datalocation.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPdfDocument>
#include <QPdfView>
#include <QPushButton>
#include <QStackedWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {
const char *const manualName = "manual-qv.pdf";
}

HelpDialog::HelpDialog(QWidget *parent) : QDialog(parent)
{
    setModal(true);
    setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);

    pdfDocument = new QPdfDocument(this);
    pdfView = new QPdfView(this);
    pdfView->setDocument(pdfDocument);
    pdfView->setPageMode(QPdfView::PageMode::MultiPage);
    pdfView->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    messageLabel = new QLabel(this);
    messageLabel->setAlignment(Qt::AlignCenter);
    messageLabel->setWordWrap(true);
    messageLabel->setMargin(24);
    pages = new QStackedWidget(this);
    pages->addWidget(pdfView);
    pages->addWidget(messageLabel);

    openButton = new QPushButton(tr("Abrir en otro programa"), this);
    closeButton = new QPushButton(tr("Cerrar"), this);
    noteLabel = new QLabel(this);
    noteLabel->setWordWrap(true);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(openButton);
    buttons->addWidget(noteLabel, 1);
    buttons->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages, 1);
    layout->addLayout(buttons);
    connect(openButton, &QPushButton::clicked, this, &HelpDialog::slotOpenHelp);
    connect(closeButton, &QPushButton::clicked, this, &HelpDialog::close);
    setMinimumSize(300, 100);
    resize(760, 680);
    setWindowTitle(tr("Ayuda de Quelvanto"));
}

QString HelpDialog::manualPath()
{
    const QString name = QLatin1String(manualName);
    const QString inWorkingDir = QDir::current().absoluteFilePath(name);
    if (QFileInfo::exists(inWorkingDir))
        return inWorkingDir;
    // Started from a desktop entry or another folder: the manual ships beside the program,
    // or, installed, with its shared files.
    const QString besideProgram
        = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(name);
    const QString shipped = QDir(DataLocation::current().shippedDir()).absoluteFilePath(name);
    if (!QFileInfo::exists(besideProgram) && QFileInfo::exists(shipped))
        return shipped;
    return besideProgram;
}

bool HelpDialog::showsManual() const
{
    return pages->currentWidget() == pdfView;
}

void HelpDialog::showEvent(QShowEvent *event)
{
    loadManual();
    QDialog::showEvent(event);
}

void HelpDialog::loadManual()
{
    const QString path = manualPath();
    if (path == loadedPath && pdfDocument->status() == QPdfDocument::Status::Ready)
        return;
    loadedPath = path;
    pdfDocument->close();
    const bool found = QFileInfo(path).isFile();
    if (found && pdfDocument->load(path) == QPdfDocument::Error::None) {
        pages->setCurrentWidget(pdfView);
        openButton->setEnabled(true);
        return;
    }
    messageLabel->setText(
        found ? tr("El manual de Quelvanto no se puede leer:\n%1\n\nPida a quien instaló el "
                   "programa que lo vuelva a instalar.")
                    .arg(QDir::toNativeSeparators(path))
              : tr("No se encuentra el manual de Quelvanto (%1).\n\nPida a quien instaló "
                   "el programa que lo vuelva a instalar.")
                    .arg(QLatin1String(manualName)));
    pages->setCurrentWidget(messageLabel);
    openButton->setEnabled(found);
}

void HelpDialog::slotOpenHelp()
{
    // Hands the file to the associated viewer and returns at once.
    const bool opened = QDesktopServices::openUrl(QUrl::fromLocalFile(manualPath()));
    noteLabel->setText(opened ? QString()
                              : tr("No hay ningún programa para abrir el manual; puede leerlo "
                                   "aquí mismo."));
}
