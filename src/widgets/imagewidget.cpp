#include "imagewidget.h"

#include <QLabel>

ImageWidget::ImageWidget(QWidget *parent) : QWidget(parent), label(new QLabel(this)) { }
