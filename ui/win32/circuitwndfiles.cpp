// The circuit window's files: opened and saved through the common file
// dialogs, unsaved changes asked about first, and the files recently used.
#include "ui/win32/circuitwnd.h"

#include "ui/win32/bookpreview.h"
#include "ui/win32/registry.h"
#include "ui/win32/utf16.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <utility>

namespace vendrel::ui {
namespace {

// The form's filter, written as Qt has it ("名称 (*.csv);;…"), as the file
// dialogs want it: each name and its patterns after a zero, a zero more at
// the end.
std::wstring FileFilter(const char* filterText)
{
    const std::wstring filters = Utf16(filterText);
    std::wstring result;
    for (std::size_t at = 0; at < filters.size();) {
        const std::size_t end = std::min(filters.find(L";;", at), filters.size());
        const std::wstring filter = filters.substr(at, end - at);
        const std::size_t open = filter.rfind(L'(');
        const std::size_t close = filter.rfind(L')');
        std::wstring patterns
            = open != std::wstring::npos && close > open ? filter.substr(open + 1, close - open - 1) : filter;
        std::replace(patterns.begin(), patterns.end(), L' ', L';');
        result += filter + L'\0' + patterns + L'\0';
        at = end + 2;
    }
    return result + L'\0';
}

// The extension of the filter's first pattern ("csv"), given to a name typed without one.
std::wstring DefaultExtension(const char* filterText)
{
    const std::wstring filters = Utf16(filterText);
    const std::size_t dot = filters.find(L"*.");
    if (dot == std::wstring::npos)
        return {};
    const std::size_t end = filters.find_first_of(L" ;)", dot);
    return filters.substr(dot + 2, end == std::wstring::npos ? std::wstring::npos : end - dot - 2);
}

// The file chosen in the open or save dialog, or "" where none was; a
// circuit file unless told another filter and caption.
std::string ChooseFile(HWND owner, bool save, const std::string& current, const char* filterText = form::kFileFilter,
    const char* caption = nullptr)
{
    std::wstring file = Utf16(current);
    file.resize(std::max<std::size_t>(file.size() + 1, 32768), L'\0');
    const std::wstring filter = FileFilter(filterText);
    const std::wstring extension = DefaultExtension(filterText);
    const std::wstring title = Utf16(caption != nullptr ? caption : save ? form::kSaveCaption : form::kOpenCaption);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = extension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR
        | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST | OFN_HIDEREADONLY);
    if (!(save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog)))
        return {};
    return Utf8(file.c_str());
}

std::string FullPath(const std::string& path)
{
    const std::wstring wide = Utf16(path);
    std::wstring full(MAX_PATH, L'\0');
    DWORD size = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (size >= full.size()) {
        full.resize(size);
        size = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    }
    if (size == 0 || size >= full.size())
        return path;
    full.resize(size);
    return Utf8(full);
}

} // namespace

bool CCircuitWnd::ConfirmDiscard()
{
    CommitEdits();
    if (!m_document.Modified())
        return true;
    const std::string& path = m_document.Path();
    const std::wstring prompt
        = Utf16(form::WithName(form::kSavePrompt, path.empty() ? form::kUntitled : form::FileNameOf(path)));
    const std::wstring caption = Utf16(form::kCircuitCaption);
    // The form's own buttons, in Chinese whatever the language of Windows.
    const std::wstring texts[] = {Utf16(form::kSaveButton), Utf16(form::kDiscardButton), Utf16(form::kCancelButton2)};
    const TASKDIALOG_BUTTON buttons[]
        = {{IDYES, texts[0].c_str()}, {IDNO, texts[1].c_str()}, {IDCANCEL, texts[2].c_str()}};
    TASKDIALOGCONFIG config{};
    config.cbSize = sizeof config;
    config.hwndParent = m_hWnd;
    config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
    config.pszWindowTitle = caption.c_str();
    config.pszMainIcon = TD_WARNING_ICON;
    config.pszMainInstruction = prompt.c_str();
    config.cButtons = static_cast<UINT>(std::size(buttons));
    config.pButtons = buttons;
    config.nDefaultButton = IDYES;
    int chosen = IDCANCEL;
    if (FAILED(TaskDialogIndirect(&config, &chosen, nullptr, nullptr)))
        chosen = MessageBoxW(m_hWnd, prompt.c_str(), caption.c_str(), MB_YESNOCANCEL | MB_ICONWARNING);
    switch (chosen) {
    case IDYES:
        return OnSave();
    case IDNO:
        return true;
    default:
        return false;
    }
}

void CCircuitWnd::OnNew()
{
    if (!ConfirmDiscard())
        return;
    const auto shown = ShownColumns();
    m_document.New();
    m_table.ShowColumns(WidthsKeeping(shown));
    Changed();
}

void CCircuitWnd::OnOpen()
{
    if (!ConfirmDiscard())
        return;
    if (const std::string path = ChooseFile(m_hWnd, false, std::string()); !path.empty())
        OpenFile(path);
}

bool CCircuitWnd::OpenFile(const std::string& path)
{
    const std::string full = FullPath(path);
    const auto shown = ShownColumns();
    std::string error;
    if (!m_document.Open(full, error)) {
        ShowError(error);
        return false;
    }
    m_table.ShowColumns(WidthsKeeping(shown));
    Changed();
    RememberRecent(full);
    return true;
}

bool CCircuitWnd::OnSave()
{
    CommitEdits();
    return m_document.Path().empty() ? OnSaveAs() : SaveTo(m_document.Path());
}

bool CCircuitWnd::OnSaveAs()
{
    CommitEdits();
    const std::string path = ChooseFile(m_hWnd, true, m_document.Path());
    return !path.empty() && SaveTo(path);
}

std::string CCircuitWnd::ChooseExport(const char* suffix, const char* filter, const char* caption) const
{
    std::string suggested = m_document.Path().empty() ? form::kUntitled : m_document.Path();
    if (const std::size_t dot = suggested.rfind('.');
        dot != std::string::npos && suggested.find_first_of("/\\", dot) == std::string::npos)
        suggested.erase(dot);
    return ChooseFile(m_hWnd, true, suggested + suffix, filter, caption);
}

void CCircuitWnd::OnExportWorkbook()
{
    CommitEdits();
    const std::string path = ChooseExport(".xlsx", form::kWorkbookFilter, form::kWorkbookCaption);
    std::string error;
    if (!path.empty() && !m_document.ExportWorkbook(path, error))
        ShowError(error);
}

void CCircuitWnd::OnExportBook()
{
    CommitEdits();
    const std::string path = ChooseExport(".pdf", form::kBookFilter, form::kBookCaption);
    std::string error;
    if (!path.empty() && !m_document.ExportBook(path, error))
        ShowError(error);
}

void CCircuitWnd::OnPrint()
{
    CommitEdits();
    std::vector<book::BookPage> pages;
    std::string error;
    if (!m_document.BookPages(pages, error)) {
        ShowError(error);
        return;
    }
    ShowBookPreview(m_hWnd, pages, form::kPrintCaption);
}

bool CCircuitWnd::SaveTo(const std::string& path)
{
    std::string error;
    if (!m_document.Save(path, error)) {
        ShowError(error);
        return false;
    }
    SetWindowTextW(m_hWnd, Utf16(m_document.Caption()).c_str());
    RememberRecent(path);
    return true;
}

void CCircuitWnd::OnRecentFile(std::size_t index)
{
    const std::vector<std::string> files = form::CircuitDocument::RecentFiles(ReadSetting(form::kRecentFilesSetting));
    if (index < files.size() && ConfirmDiscard())
        OpenFile(files[index]);
}

void CCircuitWnd::RememberRecent(const std::string& path)
{
    const std::string stored = form::CircuitDocument::RecentFilesWith(ReadSetting(form::kRecentFilesSetting), path);
    WriteSetting(form::kRecentFilesSetting, stored);
    ShowRecentFiles(m_menu, form::CircuitDocument::RecentFiles(stored));
}

} // namespace vendrel::ui
