#pragma once

#include "calc/frictionfields.h"

#include <QDialog>
#include <QIcon>

#include <array>
#include <string>

class QLineEdit;
class QPushButton;

// The calculator: four entries, five results, a status line and two buttons.
// "计算" (or Enter) calculates from what the entries hold and leaves the
// dialog open; "退出", Esc or the close box end it.
class CFrictionDlg : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CFrictionDlg)

public:
    explicit CFrictionDlg(QWidget* parent = nullptr);

    // Opens the dialog and waits until it is closed.
    int DoModal();

    // Copies all ten texts from the controls (true) or into them (false).
    bool UpdateData(bool saveAndValidate = true);

    QLineEdit* control(int id) const;

protected:
    virtual void DoDataExchange(bool saveAndValidate);
    virtual bool OnInitDialog();
    virtual void OnOK();

    void showEvent(QShowEvent* event) override;

private:
    void createControls();

    vendrel::FrictionFields m_fields;
    QIcon m_hIcon;
    bool m_initialised = false;

    struct Binding {
        int id;
        std::string vendrel::FrictionFields::*member;
        QLineEdit* control;
    };
    std::array<Binding, 10> m_bindings;
};
