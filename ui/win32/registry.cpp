#include "ui/win32/registry.h"

#include "ui/win32/utf16.h"

#include <windows.h>

namespace vendrel::ui {
namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\Vendrel";

} // namespace

std::string ReadSetting(const std::string& name)
{
    const std::wstring value = Utf16(name);
    // Asked for its size first: a list of recent files outgrows any fixed buffer.
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, value.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &size)
            != ERROR_SUCCESS
        || size < sizeof(wchar_t))
        return {};
    std::wstring text(size / sizeof(wchar_t), L'\0');
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, value.c_str(), RRF_RT_REG_SZ, nullptr, text.data(), &size)
        != ERROR_SUCCESS)
        return {};
    text.resize(size / sizeof(wchar_t) - 1); // without its terminating zero
    return Utf8(text);
}

void WriteSetting(const std::string& name, const std::string& value)
{
    HKEY settings = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &settings, nullptr)
        != ERROR_SUCCESS)
        return;
    const std::wstring text = Utf16(value);
    RegSetValueExW(settings, Utf16(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
        static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(settings);
}

} // namespace vendrel::ui
