#pragma once

#include "calc/frictionfields.h"
#include "ui/form/controlid.h"
#include "ui/form/entryaids.h"

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

    // The entries' context-menu aids. The temperature and the material each
    // write one entry; a standard size writes the diameter and calculates.
    // The size list is for the entries as they are, and for the water of the
    // last temperature while the viscosity it wrote stands, else 10 °C.
    WaterTemperature ApplyWaterTemperature(std::string_view celsiusText);
    void ApplyMaterial(int material);
    SizeTable StandardSizes(int series) const;
    void ApplyStandardSize(const std::string& diameter);

    virtual std::string ControlText(ControlId id) const = 0;
    // Called only for a text that differs from the control's: rewriting an
    // unchanged entry would move its cursor and lose its undo history.
    virtual void SetControlText(ControlId id, const std::string& text) = 0;
    // An aid's value typed over an entry's text, as the user would: undo
    // brings back what was there.
    virtual void ReplaceEntryText(ControlId id, const std::string& text) = 0;

    FrictionFields m_fields;

private:
    void DoDataExchange(bool saveAndValidate);
    void SetEntry(ControlId id, const std::string& text);

    std::string m_temperatureViscosity; // the viscosity text a temperature wrote
    double m_waterCelsius = 10;
};

} // namespace vendrel::form
