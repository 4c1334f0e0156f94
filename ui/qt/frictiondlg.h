#pragma once

#include "ui/form/frictiondlgbase.h"
#include "ui/form/frictionform.h"

#include <QDialog>
#include <QIcon>

#include <map>
#include <memory>
#include <vector>

class QLineEdit;
class QMenu;

namespace vendrel::ui {

class CCircuitWnd;

// The calculator: four entries, five results, a status line and two buttons,
// built from the form description. "计算" (or Enter) calculates from what the
// entries hold and leaves the dialog open; "退出", Esc or the close box end it.
class CFrictionDlg : public QDialog, public form::FrictionDlgBase {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CFrictionDlg)

public:
    explicit CFrictionDlg(QWidget* parent = nullptr);
    ~CFrictionDlg() override;

    // Opens the dialog and waits until it is closed.
    int DoModal();

    // The edit control showing one of the ten texts.
    QLineEdit* control(form::ControlId id) const;
    // The widget made for the form's control at index, in template order.
    QWidget* widgetAt(int index) const { return m_widgets.at(static_cast<std::size_t>(index)); }

    // An entry's context menu: the editing commands, its aid, then the circuit window.
    std::unique_ptr<QMenu> createEntryMenu(form::ControlId id);

    // The circuit window opened from the calculator, if it was; it outlives
    // the calculator's closing until its own work is saved or given up.
    CCircuitWnd* circuitWindow() const { return m_circuitWindow.get(); }
    void OnOpenCircuit();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnInitDialog();
    void OnOK();

    std::string ControlText(form::ControlId id) const override;
    void SetControlText(form::ControlId id, const std::string& text) override;
    void ReplaceEntryText(form::ControlId id, const std::string& text) override;
    std::string Setting(const std::string& key) const override;
    void SaveSetting(const std::string& key, const std::string& value) override;

    void OnFluid();
    void OnStandardSize();
    void showEntryMenu(form::ControlId id, const QPoint& globalPos);

    void createControls();
    QWidget* createEdit(const form::Control& control, const QRect& place);
    QWidget* createButton(const form::Control& control);
    QWidget* createLabel(const form::Control& control);

    QIcon m_hIcon;
    bool m_initialised = false;
    std::vector<QWidget*> m_widgets;               // one per form control
    std::map<form::ControlId, QLineEdit*> m_edits; // the ten bound texts
    // What the fluid aid was last given.
    int m_lastFluid = 0;
    QString m_lastConcentration = QStringLiteral("30");
    QString m_lastTemperature = QStringLiteral("10");
    std::unique_ptr<CCircuitWnd> m_circuitWindow;
};

} // namespace vendrel::ui
