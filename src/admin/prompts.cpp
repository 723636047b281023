#include "prompts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace Prompts {

namespace {

Handler &handler()
{
    static Handler current;
    return current;
}

} // namespace

void setHandler(Handler newHandler)
{
    handler() = std::move(newHandler);
}

bool ask(QWidget *parent, const QString &title, const QString &text)
{
    if (handler())
        return handler()(Kind::Question, parent, title, text, nullptr);
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QPushButton *yes = box.addButton(QMessageBox::tr("&Si"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QMessageBox::tr("&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void inform(QWidget *parent, const QString &title, const QString &text)
{
    if (handler()) {
        handler()(Kind::Information, parent, title, text, nullptr);
        return;
    }
    QMessageBox::information(parent, title, text);
}

void warn(QWidget *parent, const QString &title, const QString &text)
{
    if (handler()) {
        handler()(Kind::Warning, parent, title, text, nullptr);
        return;
    }
    QMessageBox::warning(parent, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

QString openFile(QWidget *parent, const QString &caption, const QString &filter)
{
    if (handler()) {
        QString chosen;
        handler()(Kind::OpenFile, parent, caption, filter, &chosen);
        return chosen;
    }
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString chooseFolder(QWidget *parent, const QString &caption)
{
    if (handler()) {
        QString chosen;
        handler()(Kind::OpenFile, parent, caption, QString(), &chosen);
        return chosen;
    }
    return QFileDialog::getExistingDirectory(parent, caption, QString());
}

} // namespace Prompts
