#include "progresswordsmodel.h"

#include <algorithm>

ProgressWordsModel::ProgressWordsModel(QObject *parent) : QAbstractTableModel(parent) { }

void ProgressWordsModel::setRows(const QVector<ProgressReport::WordRow> &rows)
{
    beginResetModel();
    m_rows = rows;
    endResetModel();
    // The report comes sorted by word already.
    if (m_sortColumn >= 0 && !(m_sortColumn == 0 && m_sortOrder == Qt::AscendingOrder))
        sort(m_sortColumn, m_sortOrder);
}

int ProgressWordsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int ProgressWordsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 7;
}

QVariant ProgressWordsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const ProgressReport::WordRow &row = m_rows.at(index.row());
    if (role == Qt::TextAlignmentRole && index.column() >= 2 && index.column() <= 5)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (index.column()) {
    case 0:
        return row.word;
    case 1:
        return row.letter;
    case 2:
        return row.tries;
    case 3:
        return row.firstRight;
    case 4:
        return row.revealed;
    case 5:
        return row.seen;
    default:
        return row.lastSeen;
    }
}

QVariant ProgressWordsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case 0:
        return tr("Palabra");
    case 1:
        return tr("Letra");
    case 2:
        return tr("Intentos");
    case 3:
        return tr("Bien a la primera");
    case 4:
        return tr("Reveladas");
    case 5:
        return tr("Vista en presentaciones");
    default:
        return tr("Última vez");
    }
}

void ProgressWordsModel::sort(int column, Qt::SortOrder order)
{
    m_sortColumn = column;
    m_sortOrder = order;
    emit layoutAboutToBeChanged();
    using Row = ProgressReport::WordRow;
    const auto number = [column](const Row &row) {
        switch (column) {
        case 2:
            return row.tries;
        case 3:
            return row.firstRight;
        case 4:
            return row.revealed;
        default:
            return row.seen;
        }
    };
    if (column == 0 || column == 1) {
        QVector<QPair<QString, int>> keys;
        keys.reserve(m_rows.size());
        for (int i = 0; i < m_rows.size(); ++i) {
            const QString &text = column == 0 ? m_rows.at(i).word : m_rows.at(i).letter;
            keys.append({ProgressReport::sortKey(text) + QChar(0) + text, i});
        }
        std::stable_sort(keys.begin(), keys.end(), [order](const auto &a, const auto &b) {
            return order == Qt::AscendingOrder ? a.first < b.first : b.first < a.first;
        });
        QVector<Row> sorted;
        sorted.reserve(m_rows.size());
        for (const auto &key : keys)
            sorted.append(m_rows.at(key.second));
        m_rows.swap(sorted);
    } else if (column == 6) {
        std::stable_sort(m_rows.begin(), m_rows.end(), [order](const Row &a, const Row &b) {
            return order == Qt::AscendingOrder ? a.lastSeen < b.lastSeen : a.lastSeen > b.lastSeen;
        });
    } else {
        std::stable_sort(m_rows.begin(), m_rows.end(), [&](const Row &a, const Row &b) {
            return order == Qt::AscendingOrder ? number(a) < number(b) : number(a) > number(b);
        });
    }
    emit layoutChanged();
}
