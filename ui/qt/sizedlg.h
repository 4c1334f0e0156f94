#pragma once

#include "ui/form/entryaids.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <string>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace vendrel::ui {

// "选择标准管径": the sizes of a series for the calculator's entries, the
// recommended one selected. Enter, a double click or "确定" accepts the
// selected size; Esc or "取消" closes it with nothing chosen. Where the
// roughness typed is not that of the series' material, it says so, and its
// button (Alt+K) writes that K and lists the series again.
class CSizeDlg : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CSizeDlg)

public:
    // Where the lists come from, by the series' index.
    struct Source {
        std::function<form::SizeTable(int)> tableFor;
        std::function<form::SizeTable(int)> useSeriesRoughness;
    };
    // first is the list of series, which the caller has already made.
    CSizeDlg(Source source, const QStringList& seriesNames, int series, form::SizeTable first, QWidget* parent);

    // The inner diameter text of the size accepted.
    const std::string& diameter() const { return m_diameter; }

    QComboBox* seriesChoice() const { return m_series; }
    QTreeWidget* sizeList() const { return m_sizes; }
    QPushButton* seriesRoughnessButton() const { return m_useSeriesRoughness; }

public slots:
    void accept() override;

private:
    void showTable(form::SizeTable table);

    Source m_source;
    form::SizeTable m_table;
    std::string m_diameter;
    QComboBox* m_series;
    QLabel* m_inputs;
    QLabel* m_materialNote;
    QPushButton* m_useSeriesRoughness;
    QTreeWidget* m_sizes;
    QLabel* m_notes;
};

} // namespace vendrel::ui
