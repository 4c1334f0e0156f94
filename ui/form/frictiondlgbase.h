#pragma once

#include "calc/frictionfields.h"
#include "ui/form/controlid.h"

#include <string>

namespace vendrel::form {

// What the calculator dialog does, written once for both front ends: the
// entries it opens with, the exchange of all ten texts between FrictionFields
// and the controls, and "计算". A front end derives from it and supplies how
// its toolkit reads and writes one control's text, in UTF-8.
class FrictionDlgBase {
public:
    FrictionDlgBase(const FrictionDlgBase&) = delete;
    FrictionDlgBase& operator=(const FrictionDlgBase&) = delete;

    // Copies all ten texts from the controls (true) or into them (false).
    void UpdateData(bool saveAndValidate = true);

protected:
    FrictionDlgBase() = default;
    ~FrictionDlgBase() = default;

    // Puts the inputs the form opens with in place and shows them.
    void InitFields();
    // "计算" or Enter: all ten texts from the controls, calculate, all ten
    // back. The dialog stays open for the next calculation.
    void CalculateFields();

    virtual std::string ControlText(ControlId id) const = 0;
    // Called only for a text that differs from the control's: rewriting an
    // unchanged entry would move its cursor and lose its undo history.
    virtual void SetControlText(ControlId id, const std::string& text) = 0;

    FrictionFields m_fields;

private:
    void DoDataExchange(bool saveAndValidate);
};

} // namespace vendrel::form
