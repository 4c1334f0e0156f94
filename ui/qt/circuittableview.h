#pragma once

#include <QTableView>

namespace vendrel::ui {

// The section table, kept by the keyboard as a spreadsheet is: typing
// replaces the current cell, F2 edits it from its end, Enter takes what was
// typed and goes down a row, Tab goes right, arrows move.
class CircuitTableView : public QTableView {
    Q_OBJECT

public:
    explicit CircuitTableView(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

private:
    void moveDown();
};

} // namespace vendrel::ui
