#pragma once

#include <QDialog>

class QLabel;
class QPdfDocument;
class QPdfView;
class QPushButton;
class QStackedWidget;

// Shows the PDF manual inside the dialog; one button hands it to another program (the
// system's viewer), the other closes.
class HelpDialog : public QDialog
{
    Q_OBJECT

public:
    explicit HelpDialog(QWidget *parent = nullptr);

    // The manual: manual-qv.pdf in the working directory when it is there, else the one
    // beside the executable, else the one installed with the program.
    static QString manualPath();

    QPdfDocument *document() const { return pdfDocument; }
    // False while the manual is missing or unreadable; a message then stands in its place.
    bool showsManual() const;

public slots:
    void slotOpenHelp();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void loadManual();

    QPdfDocument *pdfDocument = nullptr;
    QPdfView *pdfView = nullptr;
    QLabel *messageLabel = nullptr;
    QLabel *noteLabel = nullptr;
    QStackedWidget *pages = nullptr;
    QPushButton *openButton = nullptr;
    QPushButton *closeButton = nullptr;
    QString loadedPath;
};
