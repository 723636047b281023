#pragma once

#include <QLabel>

// A picture label with a normal and a rollover picture; every menu entry and on-screen
// button of the main window is one.
class MenuWidget : public QLabel
{
    Q_OBJECT

public:
    MenuWidget(const QString &normalPicture, const QString &rolloverPicture,
               QWidget *parent = nullptr);

    void setImages(const QString &normalPicture, const QString &rolloverPicture);

    QString normalPicture() const { return m_normal; }
    QString rolloverPicture() const { return m_rollover; }
    bool isSelected() const { return selected; }

    bool active = false;
    bool selected = false;
    int clickMode = 1;

signals:
    void menuClicked();

public slots:
    void slotDeactivate();
    void slotActivate();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void showPicture(const QString &path);

    QString m_normal;
    QString m_rollover;
};
