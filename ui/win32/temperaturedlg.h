#pragma once

#include "ui/win32/modaldialog.h"

#include <functional>
#include <string>

namespace vendrel::ui {

// "按水温计算运动粘滞系数": asks for a water temperature in °C. "确定"
// hands the text to apply, which returns why it cannot be used, or nothing;
// the prompt stays open until a usable text or "取消".
class CTemperatureDlg : public ModalDialog {
public:
    CTemperatureDlg(std::string initial, std::function<std::string(const std::string&)> apply);

    // The temperature text accepted.
    const std::string& text() const { return m_text; }

private:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnOK();

    std::string m_text;
    std::function<std::string(const std::string&)> m_apply;
};

} // namespace vendrel::ui
