#pragma once

#include "ui/form/entryaids.h"

#include <QDialog>

#include <functional>
#include <string>

class QComboBox;
class QLabel;
class QTreeWidget;

namespace vendrel::ui {

// "选择标准管径": the sizes of a series for the calculator's entries, the
// recommended one selected. Enter, a double click or "确定" accepts the
// selected size; Esc or "取消" closes it with nothing chosen.
class CSizeDlg : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CSizeDlg)

public:
    // tableFor gives the list for a series by its index; first is the list
    // of the first series, which the caller has already made.
    CSizeDlg(std::function<form::SizeTable(int)> tableFor, form::SizeTable first, QWidget* parent);

    // The inner diameter text of the size accepted.
    const std::string& diameter() const { return m_diameter; }

    QComboBox* seriesChoice() const { return m_series; }
    QTreeWidget* sizeList() const { return m_sizes; }

public slots:
    void accept() override;

private:
    void showTable(form::SizeTable table);

    std::function<form::SizeTable(int)> m_tableFor;
    form::SizeTable m_table;
    std::string m_diameter;
    QComboBox* m_series;
    QLabel* m_inputs;
    QTreeWidget* m_sizes;
};

} // namespace vendrel::ui
