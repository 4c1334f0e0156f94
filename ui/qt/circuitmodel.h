#pragma once

#include "ui/form/circuitdocument.h"
#include "ui/form/pathorder.h"

#include <QAbstractTableModel>

namespace vendrel::ui {

// A column's heading as the table shows it: its unit on a line of its own,
// so that narrow columns of figures keep their headings whole.
QString HeadingLines(const std::string& title);

// The circuit window's tables as Qt models over one CircuitDocument: the
// sections, with one empty row to type a new one into, and the paths.
class CircuitModel : public QAbstractTableModel {
    Q_OBJECT

public:
    CircuitModel(form::CircuitDocument& document, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // After the document changed: rows added or taken away, every cell shown again.
    void refresh();

signals:
    void edited();

private:
    form::CircuitDocument& m_document;
    int m_rows = 0;
    int m_columns = 0;
};

class PathModel : public QAbstractTableModel {
    Q_OBJECT

public:
    PathModel(const form::CircuitDocument& document, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // A click on a heading: by total or imbalance, else as found.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    void refresh();
    // The document's path shown in a row of the view.
    int pathOfRow(int row) const { return m_order[static_cast<std::size_t>(row)]; }

private:
    const form::CircuitDocument& m_document;
    int m_rows = 0;
    form::PathSort m_sort = form::PathSort::AsFound;
    bool m_descending = false;
    std::vector<int> m_order;
};

} // namespace vendrel::ui
