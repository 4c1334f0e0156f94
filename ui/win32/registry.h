#pragma once

#include <string>

// The user's settings, as REG_SZ values under HKEY_CURRENT_USER\Software\Vendrel:
// the calculator's and the circuit window's alike.
namespace vendrel::ui {

// A value's text, or "" where there is none.
std::string ReadSetting(const std::string& name);
// Writes a value; nothing is remembered where the registry is read-only.
void WriteSetting(const std::string& name, const std::string& value);

} // namespace vendrel::ui
