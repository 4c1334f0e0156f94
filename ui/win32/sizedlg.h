#pragma once

#include "ui/form/entryaids.h"
#include "ui/win32/modaldialog.h"

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace vendrel::ui {

// "选择标准管径": the sizes of a series for the calculator's entries, the
// recommended one selected. Enter, a double click or "确定" accepts the
// selected size; Esc or "取消" closes it with nothing chosen. Where the
// roughness typed is not that of the series' material, it says so, and its
// button (Alt+K) writes that K and lists the series again.
class CSizeDlg : public ModalDialog {
public:
    // Where the lists come from, by the series' index.
    struct Source {
        std::function<form::SizeTable(int)> tableFor;
        std::function<form::SizeTable(int)> useSeriesRoughness;
    };
    // first is the list of series, which the caller has already made.
    CSizeDlg(Source source, std::vector<std::string> seriesNames, int series, form::SizeTable first);
    ~CSizeDlg() override;
    CSizeDlg(const CSizeDlg&) = delete;
    CSizeDlg& operator=(const CSizeDlg&) = delete;

    // The inner diameter text of the size accepted.
    const std::string& diameter() const { return m_diameter; }

private:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog();
    void ShowTable(form::SizeTable table);
    void OnOK();

    int CurrentSeries() const;

    Source m_source;
    std::vector<std::string> m_seriesNames;
    int m_firstSeries;
    HIMAGELIST m_rowHeight = nullptr; // sets the list's row height; the list does not own it
    form::SizeTable m_table;
    std::string m_diameter;
};

} // namespace vendrel::ui
