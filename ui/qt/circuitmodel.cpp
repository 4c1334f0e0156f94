#include "ui/qt/circuitmodel.h"

#include <QBrush>
#include <QColor>
#include <QFont>

namespace vendrel::ui {
namespace {

// The index circuit's rows on a pale yellow, cells that cannot be read on a
// pale red, figures derived rather than typed in grey italics, paths out of
// balance, and the balancing figures of sections that need it, in red.
const QColor kIndexBackground(0xff, 0xf4, 0xc2);
const QColor kProblemBackground(0xf8, 0xc8, 0xc8);
const QColor kDerivedText(0x70, 0x70, 0x70);
const QColor kUnbalancedText(0xc0, 0x00, 0x00);

} // namespace

QString HeadingLines(const std::string& title)
{
    QString heading = QString::fromStdString(title);
    const qsizetype unit = heading.indexOf(QLatin1Char('('));
    if (unit > 0)
        heading.insert(unit, QLatin1Char('\n'));
    return heading;
}

CircuitModel::CircuitModel(form::CircuitDocument& document, QObject* parent)
    : QAbstractTableModel(parent)
    , m_document(document)
    , m_rows(document.RowCount() + 1)
    , m_columns(document.ColumnCount())
{ }

int CircuitModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int CircuitModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant CircuitModel::data(const QModelIndex& index, int role) const
{
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(m_document.CellText(row, column));
    case Qt::EditRole:
        return QString::fromStdString(m_document.CellEditText(row, column));
    case Qt::ToolTipRole: {
        const std::string message = m_document.CellMessage(row, column);
        return message.empty() ? QVariant() : QVariant(QString::fromStdString(message));
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(
            Qt::AlignVCenter | (m_document.ColumnAlignRight(column) ? Qt::AlignRight : Qt::AlignLeft));
    case Qt::FontRole:
        if (m_document.Look(row, column).derived) {
            QFont italic;
            italic.setItalic(true);
            return italic;
        }
        return {};
    case Qt::ForegroundRole: {
        const form::CellLook look = m_document.Look(row, column);
        return look.unbalanced ? QVariant(QBrush(kUnbalancedText))
            : look.derived     ? QVariant(QBrush(kDerivedText))
                               : QVariant();
    }
    case Qt::BackgroundRole: {
        const form::CellLook look = m_document.Look(row, column);
        if (look.problem)
            return QBrush(kProblemBackground);
        return look.index ? QVariant(QBrush(kIndexBackground)) : QVariant();
    }
    default:
        return {};
    }
}

QVariant CircuitModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return HeadingLines(m_document.ColumnTitle(section));
    return section < m_document.RowCount() ? QString::number(section + 1) : QStringLiteral("*");
}

Qt::ItemFlags CircuitModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return m_document.ColumnTyped(index.column()) ? flags | Qt::ItemIsEditable : flags;
}

bool CircuitModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !m_document.SetCell(index.row(), index.column(), value.toString().toStdString()))
        return false;
    emit edited(); // the window shows the circuit again, this table among it

    return true;
}

void CircuitModel::refresh()
{
    if (m_document.ColumnCount() != m_columns) { // another file's own columns
        beginResetModel();
        m_rows = m_document.RowCount() + 1;
        m_columns = m_document.ColumnCount();
        endResetModel();
        return;
    }
    const int rows = m_document.RowCount() + 1;
    if (rows > m_rows) {
        beginInsertRows({}, m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    } else if (rows < m_rows) {
        beginRemoveRows({}, rows, m_rows - 1);
        m_rows = rows;
        endRemoveRows();
    }
    emit dataChanged(index(0, 0), index(m_rows - 1, m_columns - 1));
    emit headerDataChanged(Qt::Vertical, 0, m_rows - 1);
    emit headerDataChanged(Qt::Horizontal, 0, m_columns - 1); // Rf's names the fluid
}

PathModel::PathModel(const form::CircuitDocument& document, QObject* parent)
    : QAbstractTableModel(parent)
    , m_document(document)
    , m_rows(static_cast<int>(document.Paths().size()))
    , m_order(form::PathOrder(document.Paths(), m_sort, m_descending))
{ }

int PathModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int PathModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(form::kPathColumns.size());
}

QVariant PathModel::data(const QModelIndex& index, int role) const
{
    const form::PathRow& path = m_document.Paths()[static_cast<std::size_t>(pathOfRow(index.row()))];
    switch (role) {
    case Qt::DisplayRole: {
        return QString::fromStdString(form::PathCell(path, static_cast<std::size_t>(index.column())));
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter
            | (index.column() == form::kPathTotalColumn || index.column() == form::kPathImbalanceColumn
                    ? Qt::AlignRight
                    : Qt::AlignLeft));
    case Qt::ForegroundRole:
        return path.unbalanced ? QVariant(QBrush(kUnbalancedText)) : QVariant();
    case Qt::BackgroundRole:
        return path.index ? QVariant(QBrush(kIndexBackground)) : QVariant();
    default:
        return {};
    }
}

QVariant PathModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return QString::fromUtf8(form::kPathColumns[static_cast<std::size_t>(section)]);
}

void PathModel::sort(int column, Qt::SortOrder order)
{
    emit layoutAboutToBeChanged();
    m_sort = form::PathSortOfColumn(column);
    m_descending = order == Qt::DescendingOrder;
    m_order = form::PathOrder(m_document.Paths(), m_sort, m_descending);
    emit layoutChanged();
}

void PathModel::refresh()
{
    // As many paths as before, as after most edits: their texts shown again, the view kept.
    const int rows = static_cast<int>(m_document.Paths().size());
    m_order = form::PathOrder(m_document.Paths(), m_sort, m_descending);
    if (rows == m_rows) {
        if (rows > 0)
            emit dataChanged(index(0, 0), index(rows - 1, columnCount() - 1));
        return;
    }
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

} // namespace vendrel::ui
