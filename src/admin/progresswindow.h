#pragma once

#include <QDialog>
#include <memory>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;
class QTableWidget;
class ProgressWordsModel;
class ProgressReport;

// "Progreso": what a child practised, for the teacher. Choose a child; its words, letters,
// days (a chart of the share right at the first try) and the supports it needed; export as
// CSV or as a printable PDF.
class ProgressWindow : public QDialog
{
    Q_OBJECT

public:
    explicit ProgressWindow(QWidget *parent = nullptr);
    ~ProgressWindow() override;

    // Shows the record of that child (chooses it in the list); false when it is not there.
    bool showUser(int userId);
    int userId() const { return m_userId; }
    const ProgressReport &report() const { return *m_report; }

    bool exportCsv(const QString &path);
    bool exportPdf(const QString &path);

public slots:
    void slotUserChosen(int index);
    void slotExportCsv();
    void slotExportPdf();

private:
    friend class ProgressWindowTestAccess;

    void fillTables();
    void fillChart();
    QString childName() const;

    std::unique_ptr<ProgressReport> m_report;
    int m_userId = 0;

    QComboBox *userBox = nullptr;
    QLabel *summaryLabel = nullptr;
    QTabWidget *tabs = nullptr;
    QTableView *wordsTable = nullptr;
    ProgressWordsModel *wordsModel = nullptr;
    QTableWidget *lettersTable = nullptr;
    QTableWidget *supportsTable = nullptr;
    QChartView *chartView = nullptr;
    QPushButton *csvButton = nullptr;
    QPushButton *pdfButton = nullptr;
};
