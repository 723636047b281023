#include "helpdialog.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

HelpDialog::HelpDialog(QWidget *parent) : QDialog(parent)
{
    setModal(true);
    setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    openButton = new QPushButton(tr("Abrir manual de Quelvanto"), this);
    closeButton = new QPushButton(tr("Cerrar"), this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(openButton);
    layout->addWidget(closeButton);
    connect(openButton, &QPushButton::clicked, this, &HelpDialog::slotOpenHelp);
    connect(closeButton, &QPushButton::clicked, this, &HelpDialog::close);
    setMinimumSize(300, 100);
    setWindowTitle(tr("Ayuda de Quelvanto"));
}

QString HelpDialog::manualPath()
{
    const QString name = QStringLiteral("manual-qv.pdf");
    const QString inWorkingDir = QDir::current().absoluteFilePath(name);
    if (QFileInfo::exists(inWorkingDir))
        return inWorkingDir;
    // Started from a desktop entry or another folder: the manual ships beside the program.
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(name);
}

void HelpDialog::slotOpenHelp()
{
    // Hands the file to the associated viewer and returns at once; like the command it
    // replaces, the result is not looked at.
    QDesktopServices::openUrl(QUrl::fromLocalFile(manualPath()));
}
