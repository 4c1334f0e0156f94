#pragma once

#include "ui/form/entryaids.h"
#include "ui/win32/modaldialog.h"

#include <functional>
#include <string>

namespace vendrel::ui {

// "选择标准管径": the sizes of a series for the calculator's entries, the
// recommended one selected. Enter, a double click or "确定" accepts the
// selected size; Esc or "取消" closes it with nothing chosen.
class CSizeDlg : public ModalDialog {
public:
    // tableFor gives the list for a series by its index; first is the list
    // of the first series, which the caller has already made.
    CSizeDlg(std::function<form::SizeTable(int)> tableFor, form::SizeTable first);

    // The inner diameter text of the size accepted.
    const std::string& diameter() const { return m_diameter; }

private:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog();
    void ShowTable(form::SizeTable table);
    void OnOK();

    std::function<form::SizeTable(int)> m_tableFor;
    form::SizeTable m_table;
    std::string m_diameter;
};

} // namespace vendrel::ui
