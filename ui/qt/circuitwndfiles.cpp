// The circuit window's files: opened and saved through the platform's
// dialogs, asked about before unsaved work is lost, and remembered.
#include "ui/qt/bookpainter.h"
#include "ui/qt/circuitmodel.h"
#include "ui/qt/circuittableview.h"
#include "ui/qt/circuitwnd.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QTableView>

namespace vendrel::ui {
namespace {

QString Text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

} // namespace

bool CCircuitWnd::fileDone(bool done, const QString& path, const std::string& error)
{
    if (!done) {
        QMessageBox::warning(this, Text(form::kCircuitCaption), Text(error));
        return false;
    }
    addRecentFile(path);
    changed();
    return true;
}

bool CCircuitWnd::openFile(const QString& path)
{
    std::string error;
    if (!fileDone(m_document->Open(path.toStdString(), error), path, error))
        return false;
    m_table->setCurrentIndex(m_model->index(0, 0));
    return true;
}

bool CCircuitWnd::saveFile(const QString& path)
{
    std::string error;
    return fileDone(m_document->Save(path.toStdString(), error), path, error);
}

bool CCircuitWnd::maybeSave()
{
    if (!m_document->Modified())
        return true;
    const std::string name = m_document->Path().empty() ? form::kUntitled : form::FileNameOf(m_document->Path());
    QMessageBox prompt(QMessageBox::Warning, Text(form::kCircuitCaption), Text(form::WithName(form::kSavePrompt, name)),
        QMessageBox::NoButton, this);
    QPushButton* save = prompt.addButton(Text(form::kSaveButton), QMessageBox::AcceptRole);
    QPushButton* discard = prompt.addButton(Text(form::kDiscardButton), QMessageBox::DestructiveRole);
    prompt.addButton(Text(form::kCancelButton2), QMessageBox::RejectRole);
    prompt.setDefaultButton(save);
    prompt.exec();
    if (prompt.clickedButton() == save)
        return onSave();
    return prompt.clickedButton() == discard;
}

void CCircuitWnd::onOpen()
{
    if (!maybeSave())
        return;
    const QString path = QFileDialog::getOpenFileName(
        this, Text(form::kOpenCaption), QFileInfo(Text(m_document->Path())).path(), Text(form::kFileFilter));
    if (!path.isEmpty())
        openFile(path);
}

bool CCircuitWnd::onSave()
{
    return m_document->Path().empty() ? onSaveAs() : saveFile(Text(m_document->Path()));
}

bool CCircuitWnd::onSaveAs()
{
    const QString suggested
        = m_document->Path().empty() ? Text(form::kUntitled) + QStringLiteral(".csv") : Text(m_document->Path());
    QString path = QFileDialog::getSaveFileName(this, Text(form::kSaveCaption), suggested, Text(form::kFileFilter));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    return saveFile(path);
}

// Beside the circuit file, under its name, with the suffix.
QString CCircuitWnd::exportPath(const char* caption, const char* filter, const QString& suffix)
{
    const std::string base = m_document->Path().empty() ? form::kUntitled : m_document->Path();
    const QString suggested = QFileInfo(Text(base)).path() + QLatin1Char('/') + QFileInfo(Text(base)).completeBaseName()
        + QLatin1Char('.') + suffix;
    QString path = QFileDialog::getSaveFileName(this, Text(caption), suggested, Text(filter));
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + suffix;
    return path;
}

void CCircuitWnd::onExportWorkbook()
{
    const QString path = exportPath(form::kWorkbookCaption, form::kWorkbookFilter, QStringLiteral("xlsx"));
    std::string error;
    if (!path.isEmpty() && !m_document->ExportWorkbook(path.toStdString(), error))
        QMessageBox::warning(this, Text(form::kCircuitCaption), Text(error));
}

void CCircuitWnd::onExportBook()
{
    const QString path = exportPath(form::kBookCaption, form::kBookFilter, QStringLiteral("pdf"));
    std::string error;
    if (!path.isEmpty() && !m_document->ExportBook(path.toStdString(), error))
        QMessageBox::warning(this, Text(form::kCircuitCaption), Text(error));
}

void CCircuitWnd::onPrint()
{
    std::vector<book::BookPage> pages;
    std::string error;
    if (!m_document->BookPages(pages, error)) {
        QMessageBox::warning(this, Text(form::kCircuitCaption), Text(error));
        return;
    }
    // The print dialog is the preview's own print button.
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(Text(form::kPrintCaption));
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(Text(form::kPrintCaption));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
        [&pages](QPrinter* target) { PrintBookPages(pages, *target); });
    preview.exec();
}

void CCircuitWnd::updateRecentFiles()
{
    m_recent->clear();
    const auto files = form::CircuitDocument::RecentFiles(
        QSettings().value(Text(form::kRecentFilesSetting)).toString().toStdString());
    for (std::size_t f = 0; f < files.size(); ++f) {
        const QString path = Text(files[f]);
        QAction* open = m_recent->addAction(QStringLiteral("&%1 %2").arg(f + 1).arg(path));
        connect(open, &QAction::triggered, this, [this, path] {
            if (maybeSave())
                openFile(path);
        });
    }
    m_recent->setEnabled(!files.empty());
}

void CCircuitWnd::addRecentFile(const QString& path)
{
    QSettings settings;
    const std::string stored = settings.value(Text(form::kRecentFilesSetting)).toString().toStdString();
    settings.setValue(Text(form::kRecentFilesSetting),
        Text(form::CircuitDocument::RecentFilesWith(stored, QFileInfo(path).absoluteFilePath().toStdString())));
    updateRecentFiles();
}

} // namespace vendrel::ui
