#include "ui/qt/sizedlg.h"

#include "design/pipeseries.h"
#include "design/sizing.h"
#include "ui/form/aidforms.h"
#include "ui/qt/formwidgets.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>

namespace vendrel::ui {

CSizeDlg::CSizeDlg(std::function<form::SizeTable(int)> tableFor, form::SizeTable first, QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            | Qt::MSWindowsFixedSizeDialogHint)
    , m_tableFor(std::move(tableFor))
{
    const FormWidgets widgets(*this, form::StandardSizeForm());
    m_series = widgets.get<QComboBox>(form::IDC_SERIES);
    m_inputs = widgets.get<QLabel>(form::IDC_SIZE_INPUTS);
    m_sizes = widgets.get<QTreeWidget>(form::IDC_SIZES);

    QStringList titles;
    for (const char* title : design::kSizeColumnTitles)
        titles << QString::fromUtf8(title);
    m_sizes->setHeaderLabels(titles);
    // Numbers are read down their columns: right-aligned, like the CLI's.
    for (int column = 1; column < 5; ++column)
        m_sizes->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);

    for (int series = 0; series < form::SeriesCount(); ++series)
        m_series->addItem(QString::fromUtf8(form::SeriesAt(series).name));
    connect(m_series, &QComboBox::currentIndexChanged, this, [this](int series) { showTable(m_tableFor(series)); });
    // Enter reaches the default button, "确定"; a double click chooses too.
    connect(m_sizes, &QTreeWidget::itemDoubleClicked, this, &CSizeDlg::accept);
    showTable(std::move(first));
    m_sizes->setFocus();
}

void CSizeDlg::showTable(form::SizeTable table)
{
    m_table = std::move(table);
    m_inputs->setText(QString::fromUtf8(m_table.inputs.c_str()));
    m_sizes->clear();
    for (const auto& row : m_table.rows) {
        auto* item = new QTreeWidgetItem(m_sizes);
        for (int column = 0; column < static_cast<int>(row.size()); ++column) {
            item->setText(column, QString::fromStdString(row[static_cast<std::size_t>(column)]));
            if (column >= 1 && column <= 4)
                item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    for (int column = 0; column < m_sizes->columnCount(); ++column)
        m_sizes->resizeColumnToContents(column);
    if (m_table.recommended >= 0) {
        QTreeWidgetItem* recommended = m_sizes->topLevelItem(m_table.recommended);
        m_sizes->setCurrentItem(recommended);
        m_sizes->scrollToItem(recommended, QAbstractItemView::PositionAtCenter);
    }
}

void CSizeDlg::accept()
{
    const QList<QTreeWidgetItem*> selected = m_sizes->selectedItems();
    if (selected.isEmpty())
        return;
    m_diameter = m_table.diameters.at(static_cast<std::size_t>(m_sizes->indexOfTopLevelItem(selected.first())));
    QDialog::accept();
}

} // namespace vendrel::ui
