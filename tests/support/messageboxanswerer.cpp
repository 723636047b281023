#include "messageboxanswerer.h"

#include <QApplication>
#include <QMessageBox>

MessageBoxAnswerer::MessageBoxAnswerer()
{
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            titles << box->windowTitle();
            texts << box->text();
            box->done(QMessageBox::Ok);
        }
    });
    m_timer.start(10);
}
