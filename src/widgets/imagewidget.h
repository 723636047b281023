#pragma once

#include <QWidget>

class QLabel;

// A picture box of the main window: a plain container with one picture label.
class ImageWidget : public QWidget
{
public:
    explicit ImageWidget(QWidget *parent = nullptr);

    QLabel *label = nullptr;
};
