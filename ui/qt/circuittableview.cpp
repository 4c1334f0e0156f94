#include "ui/qt/circuittableview.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

namespace vendrel::ui {

CircuitTableView::CircuitTableView(QWidget* parent)
    : QTableView(parent)
{
    setEditTriggers(
        QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setTabKeyNavigation(true);
    setWordWrap(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(true);
}

void CircuitTableView::moveDown()
{
    const QModelIndex current = currentIndex();
    const QModelIndex below = model()->index(current.row() + 1, current.column());
    if (below.isValid())
        setCurrentIndex(below);
}

void CircuitTableView::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState) {
        moveDown();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool CircuitTableView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    if (!QTableView::edit(index, trigger, event))
        return false;
    if (trigger == EditKeyPressed) { // the editor, the one line edit on the viewport
        for (QLineEdit* line : viewport()->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
            line->end(false);
    }
    return true;
}

void CircuitTableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Enter in the cell being edited: on to the row below, not editing it.
    QTableView::closeEditor(
        editor, hint == QAbstractItemDelegate::SubmitModelCache ? QAbstractItemDelegate::NoHint : hint);
    if (hint == QAbstractItemDelegate::SubmitModelCache)
        moveDown();
}

} // namespace vendrel::ui
