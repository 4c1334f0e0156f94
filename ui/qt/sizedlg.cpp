#include "ui/qt/sizedlg.h"

#include "design/sizing.h"
#include "ui/form/aidforms.h"
#include "ui/qt/formwidgets.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace vendrel::ui {
namespace {

// Numbers are read down their columns: right-aligned, like the CLI's.
bool IsNumberColumn(int column)
{
    return column >= 1 && column <= 4;
}

} // namespace

CSizeDlg::CSizeDlg(Source source, const QStringList& seriesNames, int series, form::SizeTable first, QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            | Qt::MSWindowsFixedSizeDialogHint)
    , m_source(std::move(source))
{
    const FormWidgets widgets(*this, form::StandardSizeForm());
    m_series = widgets.get<QComboBox>(form::IDC_SERIES);
    m_inputs = widgets.get<QLabel>(form::IDC_SIZE_INPUTS);
    m_materialNote = widgets.get<QLabel>(form::IDC_SERIES_MATERIAL);
    m_useSeriesRoughness = widgets.get<QPushButton>(form::IDC_USE_SERIES_ROUGHNESS);
    m_sizes = widgets.get<QTreeWidget>(form::IDC_SIZES);
    m_notes = widgets.get<QLabel>(form::IDC_SIZE_NOTES);
    m_useSeriesRoughness->setAutoDefault(false); // Enter chooses a size
    m_materialNote->setWordWrap(false);
    // Rows as tall as the Chinese text needs, with room above and below it:
    // the list's own height comes from the Latin letters.
    m_sizes->setUniformRowHeights(true);
    m_sizes->setStyleSheet(QStringLiteral("QTreeView::item { padding: %1px 0px; }").arg(fontMetrics().height() / 6));

    QStringList titles;
    for (const char* title : design::SizeColumnTitles(first.water))
        titles << QString::fromUtf8(title);
    m_sizes->setHeaderLabels(titles);
    for (int column = 0; column < m_sizes->columnCount(); ++column) {
        if (IsNumberColumn(column))
            m_sizes->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }

    m_series->addItems(seriesNames);
    m_series->setCurrentIndex(series);
    connect(
        m_series, &QComboBox::currentIndexChanged, this, [this](int chosen) { showTable(m_source.tableFor(chosen)); });
    connect(m_useSeriesRoughness, &QPushButton::clicked, this, [this] {
        showTable(m_source.useSeriesRoughness(m_series->currentIndex()));
        m_sizes->setFocus();
    });
    // Enter reaches the default button, "确定"; a double click chooses too.
    connect(m_sizes, &QTreeWidget::itemDoubleClicked, this, &CSizeDlg::accept);
    showTable(std::move(first));
    m_sizes->setFocus();
}

void CSizeDlg::showTable(form::SizeTable table)
{
    m_table = std::move(table);
    m_inputs->setText(QString::fromStdString(m_table.inputs));
    m_notes->setText(QString::fromStdString(m_table.notes));
    m_materialNote->setText(QString::fromStdString(m_table.materialNote));
    m_useSeriesRoughness->setText(QString::fromStdString(m_table.roughnessButton));
    m_useSeriesRoughness->setVisible(!m_table.seriesRoughness.empty());
    m_sizes->clear();
    for (const auto& row : m_table.rows) {
        auto* item = new QTreeWidgetItem(m_sizes);
        for (int column = 0; column < static_cast<int>(row.size()); ++column) {
            item->setText(column, QString::fromStdString(row[static_cast<std::size_t>(column)]));
            if (IsNumberColumn(column))
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
