#pragma once

#include <QDialog>

class QPushButton;

// Two buttons: one hands the PDF manual to the system's viewer, the other closes.
class HelpDialog : public QDialog
{
    Q_OBJECT

public:
    explicit HelpDialog(QWidget *parent = nullptr);

    // The manual that slotOpenHelp() opens: manual-qv.pdf in the working directory when it is
    // there, else the one beside the executable.
    static QString manualPath();

public slots:
    void slotOpenHelp();

private:
    QPushButton *openButton = nullptr;
    QPushButton *closeButton = nullptr;
};
