#include "editing/Grid.h"

#include "app/LotcraftError.h"

#include <algorithm>

Grid::Grid(QObject* parent)
    : QAbstractTableModel(parent), m_texts(1), m_spares(1), m_widths(1, -1) {}

void Grid::CheckCell(int row, int column) const {
    if (row < 0 || row >= m_rows)
        throw LotcraftError(QStringLiteral("the grid has no row %1: its rows are 0 to %2")
                                .arg(row)
                                .arg(m_rows - 1));
    if (column < 0 || column >= m_cols)
        throw LotcraftError(QStringLiteral("the grid has no column %1: its columns are 0 to %2")
                                .arg(column)
                                .arg(m_cols - 1));
}

void Grid::SetRows(int rows) {
    rows = std::max(rows, 1);
    if (rows == m_rows)
        return;
    if (rows > m_rows)
        beginInsertRows(QModelIndex(), m_rows - 1, rows - 2);
    else
        beginRemoveRows(QModelIndex(), rows - 1, m_rows - 2);
    m_texts.resize(size_t(CellIndex(rows, 0)));
    m_spares.resize(size_t(rows));
    const qsizetype end = CellIndex(rows, 0);
    for (auto it = m_pictures.begin(); it != m_pictures.end();)
        it = it.key() >= end ? m_pictures.erase(it) : std::next(it);
    const bool growing = rows > m_rows;
    m_rows = rows;
    m_row = std::min(m_row, m_rows - 1);
    if (growing)
        endInsertRows();
    else
        endRemoveRows();
}

void Grid::SetCols(int cols) {
    cols = std::max(cols, 1);
    if (cols == m_cols)
        return;
    beginResetModel();
    std::vector<QString> texts(size_t(qsizetype(m_rows) * cols));
    QHash<qsizetype, QImage> pictures;
    const int kept = std::min(cols, m_cols);
    for (int row = 0; row < m_rows; ++row) {
        for (int column = 0; column < kept; ++column) {
            const qsizetype from = CellIndex(row, column);
            const qsizetype to = qsizetype(row) * cols + column;
            texts[size_t(to)] = std::move(m_texts[size_t(from)]);
            if (m_pictures.contains(from))
                pictures.insert(to, m_pictures.value(from));
        }
    }
    m_texts = std::move(texts);
    m_pictures = std::move(pictures);
    m_widths.resize(size_t(cols), -1);
    m_cols = cols;
    m_col = std::min(m_col, m_cols - 1);
    endResetModel();
}

void Grid::SetRow(int row) {
    CheckCell(row, 0);
    m_row = row;
}

void Grid::SetCol(int column) {
    CheckCell(0, column);
    m_col = column;
}

QString Grid::Text() const {
    return CellText(m_row, m_col);
}

void Grid::SetText(const QString& text) {
    m_texts[size_t(CellIndex(m_row, m_col))] = text;
    CellChanged(m_row, m_col, Qt::DisplayRole);
}

QImage Grid::CellPictureAt(int row, int column) const {
    return m_pictures.value(CellIndex(row, column));
}

QImage Grid::CellPicture() const {
    return CellPictureAt(m_row, m_col);
}

void Grid::SetCellPicture(const QImage& picture) {
    if (picture.isNull())
        m_pictures.remove(CellIndex(m_row, m_col));
    else
        m_pictures.insert(CellIndex(m_row, m_col), picture);
    CellChanged(m_row, m_col, Qt::DecorationRole);
}

void Grid::CellChanged(int row, int column, int role) {
    if (row == 0 && column == 0)
        return;
    if (row == 0) {
        Q_EMIT headerDataChanged(Qt::Horizontal, column - 1, column - 1);
    } else if (column == 0) {
        Q_EMIT headerDataChanged(Qt::Vertical, row - 1, row - 1);
    } else {
        const QModelIndex cell = index(row - 1, column - 1);
        Q_EMIT dataChanged(cell, cell, {role});
    }
}

int Grid::ColWidth(int column) const {
    CheckCell(0, column);
    return m_widths[size_t(column)];
}

void Grid::SetColWidth(int column, int twips) {
    CheckCell(0, column);
    m_widths[size_t(column)] = twips;
    Q_EMIT ColWidthChanged(column, twips);
}

void Grid::Clear() {
    beginResetModel();
    std::fill(m_texts.begin(), m_texts.end(), QString());
    std::fill(m_spares.begin(), m_spares.end(), QString());
    endResetModel();
}

void Grid::Refresh() {
    Q_EMIT Refreshed();
}

void Grid::Click(int row, int column) {
    if (row > 0 && row < m_rows && column >= 0 && column < m_cols) {
        m_row = row;
        m_col = column;
    }
    Q_EMIT Clicked();
}

QString Grid::Spare(int row) const {
    CheckCell(row, 0);
    return m_spares[size_t(row)];
}

void Grid::SetSpare(int row, const QString& spare) {
    CheckCell(row, 0);
    m_spares[size_t(row)] = spare;
}

void Grid::AppendRecords(const std::vector<ItemRecord>& records,
                         const std::function<void(int)>& progress, int step) {
    if (records.empty())
        return;
    beginResetModel();
    const int first = m_rows;
    const int rows = first + int(records.size());
    m_texts.resize(size_t(CellIndex(rows, 0)));
    m_spares.resize(size_t(rows));
    const int lastField = std::min(ItemRecord::LastFieldColumn, m_cols - 1);
    for (int row = first; row < rows; ++row) {
        const ItemRecord& record = records[size_t(row - first)];
        for (int column = ItemRecord::FirstFieldColumn; column <= lastField; ++column)
            m_texts[size_t(CellIndex(row, column))] =
                record.Field(ItemRecord::PositionOfColumn(column));
        m_spares[size_t(row)] = record.Field(ItemRecord::Spare);
        m_rows = row + 1;
        if (progress && (row - first + 1) % step == 0)
            progress(m_rows);
    }
    m_row = m_rows - 1;
    endResetModel();
    if (progress)
        progress(m_rows);
}

ItemRecord Grid::Record(int row) const {
    CheckCell(row, 0);
    ItemRecord record;
    for (int position = 1; position <= ItemRecord::FieldCount; ++position)
        record.SetField(position, Field(row, position));
    return record;
}

const QString& Grid::Field(int row, int position) const {
    static const QString kNone;
    if (position == ItemRecord::Spare)
        return m_spares[size_t(row)];
    const int column = ItemRecord::ColumnOfPosition(position);
    return column < m_cols ? CellText(row, column) : kNone;
}

QString Grid::Shown(const QString& text) {
    if (text.size() <= ShownLength)
        return text;
    qsizetype shown = ShownLength;
    if (text[shown - 1].isHighSurrogate())
        --shown;
    return text.left(shown) + QChar(0x2026);
}

int Grid::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows - 1;
}

int Grid::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_cols - 1;
}

QVariant Grid::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return QVariant();
    const int row = index.row() + 1;
    const int column = index.column() + 1;
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return Shown(CellText(row, column));
    if (role == Qt::DecorationRole) {
        const QImage picture = CellPictureAt(row, column);
        return picture.isNull() ? QVariant() : QVariant(picture);
    }
    return QVariant();
}

QVariant Grid::headerData(int section, Qt::Orientation orientation, int role) const {
    const int row = orientation == Qt::Horizontal ? 0 : section + 1;
    const int column = orientation == Qt::Horizontal ? section + 1 : 0;
    if (row >= m_rows || column >= m_cols)
        return QVariant();
    if (role == Qt::DisplayRole)
        return CellText(row, column);
    if (role == Qt::DecorationRole) {
        const QImage picture = CellPictureAt(row, column);
        return picture.isNull() ? QVariant() : QVariant(picture);
    }
    return QVariant();
}

Qt::ItemFlags Grid::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
