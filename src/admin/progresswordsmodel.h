#pragma once

#include "data/progressreport.h"

#include <QAbstractTableModel>
#include <QVector>

// The words of a child's record for a table view: a model instead of one item per cell, so
// that a record of tens of thousands of words opens at once. Sorts by any column, words as in
// a Spanish dictionary and numbers as numbers.
class ProgressWordsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ProgressWordsModel(QObject *parent = nullptr);

    void setRows(const QVector<ProgressReport::WordRow> &rows);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    QVector<ProgressReport::WordRow> m_rows;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
