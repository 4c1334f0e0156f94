#pragma once

#include "calc/frictionfields.h"
#include "files/userlibrary.h"
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
    FrictionDlgBase();
    ~FrictionDlgBase() = default;

    // Puts the inputs the form opens with in place and shows them.
    void InitFields();
    // "计算" or Enter: all ten texts from the controls, calculate, all ten
    // back. The dialog stays open for the next calculation.
    void CalculateFields();

    // The entries' context-menu aids. The fluid, the material and a
    // standard size each write their entry and calculate (the first two once
    // a flow and a diameter are there to calculate with). The size list is
    // for the entries as they are, and for the fluid the aid last wrote the
    // viscosity of while that viscosity stands, else water at 10 °C.
    FluidAid ApplyFluid(int fluid, std::string_view concentration, std::string_view celsius);
    int MaterialCount() const { return m_library.materials.size(); }
    std::string MaterialItem(int material) const { return MaterialItemText(m_library.materials, material); }
    void ApplyMaterial(int material);
    // The size window's series: the built-in ones, then the user's own, the
    // one last chosen first offered.
    int SeriesCount() const { return m_library.series.size(); }
    std::string SeriesName(int series) const { return m_library.series[series].name; }
    int LastSeries() const;
    // The sizes of a series for the entries; the series is remembered as
    // the one last chosen.
    SizeTable StandardSizes(int series);
    // Writes the K of the series' material into the roughness entry, as
    // the size window offers it, and lists the series again.
    SizeTable UseSeriesRoughness(int series);
    void ApplyStandardSize(const std::string& diameter);
    // What of the user's own files could not be read, for a message when
    // the dialog opens; empty when all could.
    std::string LibraryWarnings() const;

    virtual std::string ControlText(ControlId id) const = 0;
    // Called only for a text that differs from the control's: rewriting an
    // unchanged entry would move its cursor and lose its undo history.
    virtual void SetControlText(ControlId id, const std::string& text) = 0;
    // An aid's value typed over an entry's text, as the user would: undo
    // brings back what was there.
    virtual void ReplaceEntryText(ControlId id, const std::string& text) = 0;
    // A value remembered for the user from one run to the next, the
    // platform's way; "" where none is.
    virtual std::string Setting(const std::string& key) const = 0;
    virtual void SaveSetting(const std::string& key, const std::string& value) = 0;

    FrictionFields m_fields;

private:
    void DoDataExchange(bool saveAndValidate);
    void CalculateWhenComplete();
    void SetEntry(ControlId id, const std::string& text);

    files::UserLibrary m_library; // the built-in and the user's own series and materials
    std::string m_aidViscosity;   // the viscosity text the fluid aid wrote
    FluidAt m_aidFluid;
};

} // namespace vendrel::form
