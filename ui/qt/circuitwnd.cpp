#include "ui/qt/circuitwnd.h"

#include "files/platform.h"
#include "ui/qt/circuitmodel.h"
#include "ui/qt/circuitsettingsbar.h"
#include "ui/qt/circuittableview.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

#include <set>

namespace vendrel::ui {
namespace {

using Command = form::CircuitCommand;

QString Text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

} // namespace

CCircuitWnd::CCircuitWnd(QWidget* parent)
    : QMainWindow(parent)
    , m_document(std::make_unique<form::CircuitDocument>(files::LoadUserLibrary(files::UserDataFolder())))
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/vendrel/icons/vendrel-%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    m_settings = new CircuitSettingsBar(*m_document, central);
    layout->addWidget(m_settings);

    auto* splitter = new QSplitter(Qt::Vertical, central);
    m_table = new CircuitTableView(splitter);
    m_model = new CircuitModel(*m_document, this);
    m_table->setModel(m_model);
    auto* below = new QWidget(splitter);
    auto* belowLayout = new QVBoxLayout(below);
    belowLayout->setContentsMargins(6, 2, 6, 2);
    m_summary = new QLabel(below);
    QFont bold = m_summary->font();
    bold.setBold(true);
    m_summary->setFont(bold);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_notes = new QLabel(below);
    // Long lines wrap rather than hold the window wide.
    m_summary->setWordWrap(true);
    m_notes->setWordWrap(true);
    m_paths = new QTableView(below);
    m_pathModel = new PathModel(*m_document, this);
    m_paths->setModel(m_pathModel);
    m_paths->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_paths->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_paths->verticalHeader()->hide();
    m_paths->horizontalHeader()->setStretchLastSection(true);
    // Sorted by total or imbalance at a click on the heading; as found until then.
    m_paths->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_paths->setSortingEnabled(true);
    belowLayout->addWidget(m_summary);
    belowLayout->addWidget(m_notes);
    belowLayout->addWidget(m_paths, 1);
    splitter->addWidget(m_table);
    splitter->addWidget(below);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);
    setCentralWidget(central);

    createMenus();
    connect(m_model, &CircuitModel::edited, this, &CCircuitWnd::changed);
    connect(m_settings, &CircuitSettingsBar::edited, this, &CCircuitWnd::changed);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this, &CCircuitWnd::showStatus);
    restoreLayout();
    changed();
    m_table->setCurrentIndex(m_model->index(0, 0));
    m_table->setFocus();
}

CCircuitWnd::~CCircuitWnd()
{
    // The tables and the settings show the document: gone before it is.
    std::unique_ptr<QWidget> shown(takeCentralWidget());
}

QTableView* CCircuitWnd::table() const
{
    return m_table;
}

void CCircuitWnd::createMenus()
{
    std::array<QMenu*, form::kCircuitMenus.size()> menus{};
    for (std::size_t m = 0; m < menus.size(); ++m)
        menus[m] = menuBar()->addMenu(Text(form::kCircuitMenus[m]));
    for (const form::CircuitCommandInfo& info : form::CircuitCommands()) {
        QMenu* menu = menus[static_cast<std::size_t>(info.menu)];
        if (info.separatorBefore)
            menu->addSeparator();
        if (info.command == Command::Close) { // the recent files go before it
            m_recent = menu->addMenu(Text(form::kRecentFilesMenu));
            menu->addSeparator();
        }
        QAction* action = menu->addAction(Text(info.text));
        if (*info.shortcut != '\0')
            action->setShortcut(QKeySequence(Text(info.shortcut)));
        connect(action, &QAction::triggered, this, [this, command = info.command] { run(command); });
        m_actions[static_cast<std::size_t>(info.command)] = action;
    }
    updateRecentFiles();
}

void CCircuitWnd::run(form::CircuitCommand command)
{
    switch (command) {
    case Command::New:
        if (maybeSave()) {
            m_document->New();
            changed();
        }
        break;
    case Command::Open:
        onOpen();
        break;
    case Command::Save:
        onSave();
        break;
    case Command::SaveAs:
        onSaveAs();
        break;
    case Command::ExportWorkbook:
        onExportWorkbook();
        break;
    case Command::ExportBook:
        onExportBook();
        break;
    case Command::Print:
        onPrint();
        break;
    case Command::Close:
        close();
        break;
    case Command::Undo:
        if (m_document->Undo())
            changed();
        break;
    case Command::Redo:
        if (m_document->Redo())
            changed();
        break;
    case Command::Copy:
        onCopy();
        break;
    case Command::Paste:
        onPaste();
        break;
    case Command::InsertRow: {
        const QModelIndex current = m_table->currentIndex();
        m_document->InsertRows(current.isValid() ? current.row() : m_document->RowCount(), 1);
        changed();
        break;
    }
    case Command::DeleteRows:
        onDeleteRows();
        break;
    case Command::SelectAll:
        m_table->selectAll();
        break;
    }
}

void CCircuitWnd::changed()
{
    m_model->refresh();
    m_pathModel->refresh();
    m_settings->refresh();
    const std::string shown = m_document->SummaryText();
    const std::string whole = m_document->SummaryText(true);
    m_summary->setText(Text(shown));
    m_summary->setToolTip(whole != shown ? Text(whole) : QString());
    m_notes->setText(Text(m_document->Notes()));
    m_notes->setVisible(!m_document->Notes().empty());
    setWindowTitle(Text(m_document->Caption()));
    action(Command::Undo)->setEnabled(m_document->CanUndo());
    action(Command::Redo)->setEnabled(m_document->CanRedo());
    showStatus();
}

void CCircuitWnd::showStatus()
{
    const QModelIndex current = m_table->currentIndex();
    const std::string cell = current.isValid() ? m_document->CellMessage(current.row(), current.column()) : "";
    statusBar()->showMessage(Text(m_document->StatusText(cell)));
}

void CCircuitWnd::onCopy()
{
    // The path table copies its selected paths, or all, as it shows them.
    if (m_paths->hasFocus()) {
        std::vector<int> rows;
        const QModelIndexList selected = m_paths->selectionModel()->selectedRows();
        for (int row = 0; row < m_pathModel->rowCount(); ++row) {
            if (selected.isEmpty() || m_paths->selectionModel()->isRowSelected(row))
                rows.push_back(m_pathModel->pathOfRow(row));
        }
        QGuiApplication::clipboard()->setText(Text(form::PathsText(m_document->Paths(), rows)));
        return;
    }
    const QItemSelection selection = m_table->selectionModel()->selection();
    std::string text;
    if (selection.isEmpty()) {
        text = m_document->CopyAll();
    } else {
        int top = selection.front().top();
        int left = selection.front().left();
        int bottom = selection.front().bottom();
        int right = selection.front().right();
        for (const QItemSelectionRange& range : selection) {
            top = std::min(top, range.top());
            left = std::min(left, range.left());
            bottom = std::max(bottom, range.bottom());
            right = std::max(right, range.right());
        }
        // Whole rows go with their headings, as a section list.
        const bool rows = left == 0 && right == m_model->columnCount() - 1;
        text = m_document->CopyText(top, left, std::min(bottom, m_document->RowCount() - 1), right, rows);
    }
    QGuiApplication::clipboard()->setText(Text(text));
}

void CCircuitWnd::onPaste()
{
    const QModelIndex current = m_table->currentIndex();
    std::string error;
    if (!m_document->Paste(current.isValid() ? current.row() : 0, current.isValid() ? current.column() : 0,
            QGuiApplication::clipboard()->text().toStdString(), error)) {
        QMessageBox::warning(this, Text(form::kCircuitCaption), Text(error));
        return;
    }
    changed();
}

void CCircuitWnd::onDeleteRows()
{
    std::set<int> rows;
    for (const QModelIndex& index : m_table->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    if (rows.empty() && m_table->currentIndex().isValid())
        rows.insert(m_table->currentIndex().row());
    bool removed = false;
    // From the bottom up, so the rows above keep their numbers.
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        removed = m_document->RemoveRows(*row, 1) || removed;
    if (removed)
        changed();
}

void CCircuitWnd::restoreLayout()
{
    QSettings settings;
    const std::vector<int> size
        = form::NumbersFrom(settings.value(Text(form::kWindowSizeSetting)).toString().toStdString());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    if (size.size() == 2 && size[0] > 200 && size[1] > 150)
        resize(std::min(size[0], screen.width()), std::min(size[1], screen.height()));
    else
        resize(std::min(1860, screen.width() * 95 / 100), std::min(860, screen.height() * 9 / 10));
    const std::vector<int> widths
        = form::NumbersFrom(settings.value(Text(form::kColumnWidthsSetting)).toString().toStdString());
    const QFontMetrics metrics(m_table->font());
    const QFontMetrics headings(m_table->horizontalHeader()->font());
    for (int c = 0; c < m_document->ColumnCount(); ++c) {
        int heading = 0;
        for (const QString& line : HeadingLines(m_document->ColumnTitle(c)).split(QLatin1Char('\n')))
            heading = std::max(heading, headings.horizontalAdvance(line));
        const int fitted = std::max(metrics.averageCharWidth() * m_document->ColumnWidth(c), heading) + 12;
        const bool remembered = widths.size() == static_cast<std::size_t>(m_document->ColumnCount())
            && widths[static_cast<std::size_t>(c)] > 8;
        m_table->setColumnWidth(c, remembered ? widths[static_cast<std::size_t>(c)] : fitted);
    }
    m_paths->setColumnWidth(0, metrics.averageCharWidth() * 48);
    for (int c = 1; c < static_cast<int>(form::kPathColumns.size()) - 1; ++c)
        m_paths->setColumnWidth(
            c, headings.horizontalAdvance(Text(form::kPathColumns[static_cast<std::size_t>(c)])) + 24);
}

void CCircuitWnd::saveLayout()
{
    QSettings settings;
    settings.setValue(Text(form::kWindowSizeSetting), Text(form::NumbersText({width(), height()})));
    std::vector<int> widths;
    for (int c = 0; c < m_document->ColumnCount(); ++c)
        widths.push_back(m_table->columnWidth(c));
    settings.setValue(Text(form::kColumnWidthsSetting), Text(form::NumbersText(widths)));
}

void CCircuitWnd::closeEvent(QCloseEvent* event)
{
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    saveLayout();
    event->accept();
}

} // namespace vendrel::ui
