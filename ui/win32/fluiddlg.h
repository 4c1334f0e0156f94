#pragma once

#include "ui/form/entryaids.h"
#include "ui/win32/modaldialog.h"

#include <functional>
#include <string>

namespace vendrel::ui {

// "按介质和温度计算运动粘滞系数": asks for a fluid, a brine's concentration
// and a temperature, and shows what they give as they are typed. "确定"
// hands them to apply, which returns the aid's answer; the prompt stays
// open until usable texts or "取消".
class CFluidDlg : public ModalDialog {
public:
    struct Texts {
        int fluid = 0; // of form::kFluidChoices
        std::string concentration;
        std::string temperature;
    };
    CFluidDlg(Texts initial, std::function<form::FluidAid(const Texts&)> apply);

    // The texts accepted.
    const Texts& texts() const { return m_texts; }

private:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    Texts Typed() const;
    void ShowFluid();
    void OnOK();

    Texts m_texts;
    std::function<form::FluidAid(const Texts&)> m_apply;
};

} // namespace vendrel::ui
