#include "menuwidget.h"

#include <QPixmap>

MenuWidget::MenuWidget(const QString &normalPicture, const QString &rolloverPicture,
                       QWidget *parent)
    : QLabel(parent), m_normal(normalPicture), m_rollover(rolloverPicture)
{
    setAttribute(Qt::WA_MouseTracking);
    showPicture(m_normal);
}

void MenuWidget::setImages(const QString &normalPicture, const QString &rolloverPicture)
{
    m_normal = normalPicture;
    m_rollover = rolloverPicture;
    showPicture(m_normal);
}

void MenuWidget::slotActivate()
{
    selected = true;
    showPicture(m_rollover);
}

void MenuWidget::slotDeactivate()
{
    selected = false;
    showPicture(m_normal);
}

void MenuWidget::enterEvent(QEnterEvent *)
{
    if (!selected)
        showPicture(m_rollover);
}

void MenuWidget::leaveEvent(QEvent *)
{
    if (!selected)
        showPicture(m_normal);
}

void MenuWidget::mouseReleaseEvent(QMouseEvent *)
{
    if (!active)
        return;
    if (clickMode == 1) {
        slotActivate();
    } else if (clickMode == 2) {
        if (selected)
            slotDeactivate();
        else
            slotActivate();
    }
    emit menuClicked();
}

void MenuWidget::showPicture(const QString &path)
{
    // Loaded at every change so a picture replaced on disk shows at once.
    setPixmap(QPixmap(path));
}
