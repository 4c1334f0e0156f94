#include "ui/win32/settingsbar.h"

#include "ui/win32/tablecolours.h"
#include "ui/win32/utf16.h"

#include <commctrl.h>

#include <algorithm>

namespace vendrel::ui {
namespace {

using Key = files::CircuitSettingKey;

int TextWidth(HWND control, HFONT font, const std::wstring& text)
{
    const HDC dc = GetDC(control);
    const HGDIOBJ previous = SelectObject(dc, font);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return extent.cx;
}

} // namespace

void CSettingsBar::Create(HWND parent, int firstId)
{
    m_settings.clear(); // those of a window closed before
    m_problemBrush.reset(CreateSolidBrush(kProblemBackground));
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const form::CircuitSettingInfo& info : form::CircuitSettings()) {
        const bool list = info.key == Key::Series || info.key == Key::Material;
        Setting setting{info.key, nullptr, nullptr, list};
        setting.label = CreateWindowExW(0, WC_STATICW, Utf16(info.label).c_str(),
            WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX | SS_CENTERIMAGE, 0, 0, 0, 0, parent, nullptr, instance,
            nullptr);
        const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstId + static_cast<int>(info.key)));
        setting.control = list
            ? CreateWindowExW(0, WC_COMBOBOXW, nullptr,
                WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 0, 0, 0, parent, id, instance,
                nullptr)
            : CreateWindowExW(WS_EX_CLIENTEDGE, WC_EDITW, nullptr, WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                0, 0, 0, 0, parent, id, instance, nullptr);
        if (list) {
            const bool series = info.key == Key::Series;
            const int count = series ? m_document.SeriesCount() : m_document.MaterialCount();
            for (int item = 0; item < count; ++item) {
                const std::string text = series ? m_document.SeriesItem(item) : m_document.MaterialItem(item);
                SendMessageW(setting.control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf16(text).c_str()));
            }
            if (!series) // the roughness typed, not a material's
                SendMessageW(setting.control, CB_ADDSTRING, 0,
                    reinterpret_cast<LPARAM>(Utf16(form::kCustomRoughnessItem).c_str()));
            SendMessageW(setting.control, CB_SETMINVISIBLE, 20, 0);
        }
        m_settings.push_back(setting);
    }
    Refresh();
}

void CSettingsBar::SetFonts(const WindowFonts& fonts)
{
    m_font = fonts.normal.get();
    m_charWidth = fonts.charWidth;
    for (const Setting& setting : m_settings) {
        SendMessageW(setting.label, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
        SendMessageW(setting.control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
    }
    // A row as tall as a drop-down list, which takes its height from its font.
    RECT list{};
    GetWindowRect(m_settings.front().control, &list);
    m_height = list.bottom - list.top;
}

int CSettingsBar::Layout(int left, int top, int width)
{
    const int gap = 2 * m_charWidth;
    int x = left;
    int y = top;
    for (std::size_t i = 0; i < m_settings.size(); ++i) {
        const Setting& setting = m_settings[i];
        const int labelWidth = TextWidth(setting.label, m_font, Utf16(WindowText(setting.label)));
        // The form's width in average characters with the entry's margins;
        // a list as wide as its widest item too, and its button.
        int controlWidth = form::CircuitSettings()[i].width * m_charWidth + 2 * m_charWidth;
        if (setting.list) {
            const auto count = static_cast<int>(SendMessageW(setting.control, CB_GETCOUNT, 0, 0));
            for (int item = 0; item < count; ++item) {
                std::wstring text(
                    static_cast<std::size_t>(SendMessageW(setting.control, CB_GETLBTEXTLEN, item, 0)) + 1, L'\0');
                text.resize(static_cast<std::size_t>(
                    SendMessageW(setting.control, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text.data()))));
                controlWidth = std::max(controlWidth, TextWidth(setting.control, m_font, text) + 2 * m_charWidth);
            }
            controlWidth += m_height;
        }
        if (x > left && x + labelWidth + controlWidth > left + width) {
            x = left;
            y += m_height + m_height / 4;
        }
        SetWindowPos(setting.label, nullptr, x, y, labelWidth, m_height, SWP_NOZORDER | SWP_NOACTIVATE);
        // A list's height is that of its list dropped down.
        SetWindowPos(setting.control, nullptr, x + labelWidth, y, controlWidth, setting.list ? m_height * 12 : m_height,
            SWP_NOZORDER | SWP_NOACTIVATE);
        x += labelWidth + controlWidth + gap;
    }
    return y + m_height - top;
}

void CSettingsBar::Refresh()
{
    for (const Setting& setting : m_settings) {
        if (setting.list) {
            const bool series = setting.key == Key::Series;
            const int chosen = series ? m_document.SeriesChosen() : m_document.MaterialChosen();
            const int last = static_cast<int>(SendMessageW(setting.control, CB_GETCOUNT, 0, 0)) - 1;
            SendMessageW(setting.control, CB_SETCURSEL, static_cast<WPARAM>(series || chosen >= 0 ? chosen : last), 0);
        } else if (GetFocus() != setting.control) {
            const std::string text = m_document.SettingText(setting.key);
            if (WindowText(setting.control) != text)
                SetWindowTextW(setting.control, Utf16(text).c_str());
        }
        InvalidateRect(setting.control, nullptr, TRUE);
    }
}

const CSettingsBar::Setting* CSettingsBar::Find(HWND control) const
{
    for (const Setting& setting : m_settings) {
        if (setting.control == control)
            return &setting;
    }
    return nullptr;
}

bool CSettingsBar::Commit(const Setting& setting)
{
    const std::string text = WindowText(setting.control);
    return text != m_document.SettingText(setting.key) && m_document.SetSetting(setting.key, text);
}

bool CSettingsBar::OnCommand(HWND control, int code)
{
    const Setting* setting = Find(control);
    if (setting == nullptr)
        return false;
    switch (code) {
    case CBN_SELCHANGE: {
        const auto item = static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0));
        if (item < 0)
            return false;
        if (setting->key == Key::Series)
            return m_document.ChooseSeries(item);
        return m_document.ChooseMaterial(item < m_document.MaterialCount() ? item : -1);
    }
    case EN_SETFOCUS: // grey only while not being typed in
        InvalidateRect(control, nullptr, TRUE);
        return false;
    case EN_KILLFOCUS:
        InvalidateRect(control, nullptr, TRUE);
        return Commit(*setting);
    default:
        return false;
    }
}

bool CSettingsBar::CommitFocused()
{
    const Setting* setting = Find(GetFocus());
    return setting != nullptr && !setting->list && Commit(*setting);
}

void CSettingsBar::RevertFocused()
{
    if (const Setting* setting = Find(GetFocus()); setting != nullptr && !setting->list) {
        SetWindowTextW(setting->control, Utf16(m_document.SettingText(setting->key)).c_str());
        SendMessageW(setting->control, EM_SETSEL, 0, -1);
    }
}

bool CSettingsBar::CommitAll()
{
    bool changed = false;
    for (const Setting& setting : m_settings) {
        if (!setting.list)
            changed = Commit(setting) || changed;
    }
    return changed;
}

HBRUSH CSettingsBar::OnCtlColor(HDC dc, HWND control)
{
    const Setting* setting = Find(control);
    if (setting == nullptr || setting->list)
        return nullptr;
    const bool problem = !m_document.SettingMessage(setting->key).empty();
    const bool grey = m_document.SettingDerived(setting->key) && GetFocus() != control;
    SetTextColor(dc, GetSysColor(grey ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
    SetBkColor(dc, problem ? kProblemBackground : GetSysColor(COLOR_WINDOW));
    return problem ? m_problemBrush.get() : GetSysColorBrush(COLOR_WINDOW);
}

std::string CSettingsBar::FocusedMessage() const
{
    const Setting* setting = Find(GetFocus());
    return setting != nullptr ? m_document.SettingMessage(setting->key) : std::string();
}

} // namespace vendrel::ui
