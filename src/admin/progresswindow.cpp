#include "progresswindow.h"

#include "admin/progresswordsmodel.h"
#include "admin/prompts.h"
#include "data/progressreport.h"
#include "data/user.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPageSize>
#include <QPdfWriter>
#include <QPushButton>
#include <QSaveFile>
#include <QScatterSeries>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QValueAxis>

namespace {

QTableWidget *makeTable(const QStringList &headers, QWidget *parent)
{
    auto *table = new QTableWidget(0, headers.size(), parent);
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    // Until the teacher clicks a header, the first column in ascending order.
    table->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    return table;
}

// Words sort as in a Spanish dictionary: árbol among the a, ñ after n.
class TextItem : public QTableWidgetItem
{
public:
    explicit TextItem(const QString &text) : QTableWidgetItem(text) { }
    bool operator<(const QTableWidgetItem &other) const override
    {
        return ProgressReport::sortKey(text()) + QChar(0) + text()
            < ProgressReport::sortKey(other.text()) + QChar(0) + other.text();
    }
};

// Numbers sort as numbers, not as text.
QTableWidgetItem *numberItem(int value)
{
    auto *item = new QTableWidgetItem;
    item->setData(Qt::DisplayRole, value);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QTableWidgetItem *percentItem(int part, int whole)
{
    auto *item = new QTableWidgetItem;
    item->setData(Qt::DisplayRole, qRound(ProgressReport::share(part, whole)));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

ProgressWindow::ProgressWindow(QWidget *parent)
    : QDialog(parent), m_report(std::make_unique<ProgressReport>())
{
    setWindowTitle(tr("Progreso"));

    userBox = new QComboBox(this);
    userBox->setObjectName("userBox");
    User::UserList users;
    users.load();
    users.reset();
    while (User::User *user = users.next())
        userBox->addItem(user->name, user->id);
    summaryLabel = new QLabel(this);
    summaryLabel->setWordWrap(true);

    wordsModel = new ProgressWordsModel(this);
    wordsTable = new QTableView(this);
    wordsTable->setModel(wordsModel);
    wordsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    wordsTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    wordsTable->verticalHeader()->hide();
    // Sized from the header texts: measuring every row of a long record would take seconds.
    wordsTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    wordsTable->horizontalHeader()->setStretchLastSection(true);
    wordsTable->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    wordsTable->setSortingEnabled(true);
    wordsTable->resizeColumnsToContents();
    wordsTable->setObjectName("wordsTable");
    lettersTable = makeTable(
        {tr("Letra"), tr("Palabras"), tr("Intentos"), tr("% bien a la primera"), tr("Reveladas")},
        this);
    lettersTable->setObjectName("lettersTable");
    supportsTable = makeTable({tr("Apoyo"), tr("Mostrado en preguntas"), tr("% con ayuda")}, this);
    supportsTable->setObjectName("supportsTable");

    auto *chart = new QChart;
    chart->legend()->hide();
    chartView = new QChartView(chart, this);
    chartView->setObjectName("chartView");
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->setMinimumSize(480, 300);

    tabs = new QTabWidget(this);
    tabs->addTab(wordsTable, tr("Palabras"));
    tabs->addTab(lettersTable, tr("Letras"));
    tabs->addTab(chartView, tr("Evolución"));
    tabs->addTab(supportsTable, tr("Apoyos"));

    csvButton = new QPushButton(tr("Exportar CSV..."), this);
    pdfButton = new QPushButton(tr("Informe PDF..."), this);
    auto *closeButton = new QPushButton(tr("Cerrar"), this);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Alumno:"), this));
    top->addWidget(userBox, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(csvButton);
    buttons->addWidget(pdfButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(summaryLabel);
    layout->addWidget(tabs, 1);
    layout->addLayout(buttons);

    connect(userBox, &QComboBox::currentIndexChanged, this, &ProgressWindow::slotUserChosen);
    connect(csvButton, &QPushButton::clicked, this, &ProgressWindow::slotExportCsv);
    connect(pdfButton, &QPushButton::clicked, this, &ProgressWindow::slotExportPdf);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    resize(760, 520);

    slotUserChosen(userBox->currentIndex());
}

ProgressWindow::~ProgressWindow() = default;

bool ProgressWindow::showUser(int id)
{
    const int index = userBox->findData(id);
    if (index < 0)
        return false;
    // The window opens on the first child already; its record is not read twice.
    if (index != userBox->currentIndex())
        userBox->setCurrentIndex(index);
    else if (m_userId != id)
        slotUserChosen(index);
    return true;
}

QString ProgressWindow::childName() const
{
    return userBox->currentText();
}

void ProgressWindow::slotUserChosen(int index)
{
    m_userId = index >= 0 ? userBox->itemData(index).toInt() : 0;
    const bool loaded = m_userId > 0 && m_report->load(m_userId);
    if (!loaded)
        *m_report = ProgressReport();
    fillTables();
    fillChart();

    int tries = 0, firstRight = 0;
    for (const ProgressReport::WordRow &row : m_report->words) {
        tries += row.tries;
        firstRight += row.firstRight;
    }
    if (userBox->count() == 0)
        summaryLabel->setText(tr("No hay alumnos."));
    else if (!loaded)
        summaryLabel->setText(tr("Esta base de datos no guarda el progreso de los alumnos."));
    else if (m_report->words.isEmpty())
        summaryLabel->setText(tr("Este alumno todavía no tiene actividades registradas."));
    else
        summaryLabel->setText(tr("%1 palabras practicadas, %2 preguntas, %3 % bien a la primera.")
                                  .arg(m_report->words.size())
                                  .arg(tries)
                                  .arg(qRound(ProgressReport::share(firstRight, tries))));
    csvButton->setEnabled(!m_report->words.isEmpty());
    pdfButton->setEnabled(m_userId > 0);
}

void ProgressWindow::fillTables()
{
    wordsModel->setRows(m_report->words);

    lettersTable->setSortingEnabled(false);
    lettersTable->setRowCount(m_report->letters.size());
    for (int i = 0; i < m_report->letters.size(); ++i) {
        const ProgressReport::LetterRow &row = m_report->letters.at(i);
        lettersTable->setItem(i, 0, new TextItem(row.letter));
        lettersTable->setItem(i, 1, numberItem(row.words));
        lettersTable->setItem(i, 2, numberItem(row.tries));
        lettersTable->setItem(i, 3, percentItem(row.firstRight, row.tries));
        lettersTable->setItem(i, 4, numberItem(row.revealed));
    }
    lettersTable->setSortingEnabled(true);

    supportsTable->setRowCount(m_report->supports.size());
    for (int i = 0; i < m_report->supports.size(); ++i) {
        const ProgressReport::SupportRow &row = m_report->supports.at(i);
        supportsTable->setItem(i, 0,
                               new QTableWidgetItem(ProgressReport::supportName(row.support)));
        supportsTable->setItem(i, 1, numberItem(row.shown));
        supportsTable->setItem(i, 2, percentItem(row.needed, row.shown));
    }
}

void ProgressWindow::fillChart()
{
    QChart *chart = chartView->chart();
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes())
        chart->removeAxis(axis);
    chart->setTitle(tr("Bien a la primera, por día (%)"));

    auto *line = new QLineSeries;
    auto *points = new QScatterSeries;
    points->setMarkerSize(8);
    for (const ProgressReport::DayRow &day : m_report->days) {
        const qreal x = QDateTime(day.day, QTime(12, 0)).toMSecsSinceEpoch();
        const qreal y = ProgressReport::share(day.firstRight, day.tries);
        line->append(x, y);
        points->append(x, y);
    }
    chart->addSeries(line);
    chart->addSeries(points);

    auto *dates = new QDateTimeAxis;
    dates->setFormat("dd/MM");
    if (!m_report->days.isEmpty()) {
        const QDate first = m_report->days.first().day;
        const QDate last = m_report->days.last().day;
        dates->setRange(QDateTime(first, QTime(0, 0)), QDateTime(last.addDays(1), QTime(0, 0)));
        dates->setTickCount(qBound(2, int(first.daysTo(last)) + 2, 8));
    }
    auto *shares = new QValueAxis;
    shares->setRange(0, 100);
    shares->setLabelFormat("%d");
    shares->setTitleText(tr("%"));
    chart->addAxis(dates, Qt::AlignBottom);
    chart->addAxis(shares, Qt::AlignLeft);
    for (QAbstractSeries *series : chart->series()) {
        series->attachAxis(dates);
        series->attachAxis(shares);
    }
}

bool ProgressWindow::exportCsv(const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(m_report->toCsv(childName()));
    return file.commit();
}

bool ProgressWindow::exportPdf(const QString &path)
{
    QTextDocument document;
    document.setHtml(m_report->toHtml(childName()));
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(300);
    writer.setTitle(tr("Progreso de %1").arg(childName()));
    document.setPageSize(QSizeF(writer.width(), writer.height()));
    document.print(&writer);
    return QFile(path).size() > 0;
}

void ProgressWindow::slotExportCsv()
{
    const QString start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/"
        + tr("progreso-%1.csv").arg(childName());
    const QString path = QFileDialog::getSaveFileName(this, tr("Exportar CSV"), start,
                                                      tr("Hojas de cálculo (*.csv)"));
    if (path.isEmpty())
        return;
    if (!exportCsv(path))
        Prompts::warn(this, tr("Progreso"), tr("No se pudo guardar el archivo %1.").arg(path));
}

void ProgressWindow::slotExportPdf()
{
    const QString start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/"
        + tr("progreso-%1.pdf").arg(childName());
    const QString path = QFileDialog::getSaveFileName(this, tr("Informe PDF"), start,
                                                      tr("Documentos PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!exportPdf(path))
        Prompts::warn(this, tr("Progreso"), tr("No se pudo guardar el archivo %1.").arg(path));
}
