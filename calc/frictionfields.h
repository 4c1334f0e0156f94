#pragma once

#include <string>
#include <string_view>

namespace vendrel {

// The ten texts of the calculator form, UTF-8. The declaration order is the
// order in which the form exchanges them with its controls.
struct FrictionFields {
    std::string m_strDiameter;      // input D, mm
    std::string m_strRoughness;     // input K, mm
    std::string m_strLambda;        // output λ
    std::string m_strFrictionRate;  // output Rf, mm of water column per m
    std::string m_strReynolds;      // output Re, or the invalid-data message
    std::string m_strViscosity;     // input ν, 10⁻⁶ m²/s
    std::string m_strVelocity;      // output V, m/s
    std::string m_strFlow;          // input W, m³/h
    std::string m_strStatus;        // output flow zone and residual
    std::string m_strRoughReynolds; // output Re*, or the non-turbulent marker
};

// Puts four input texts into a form as typed and empties its six results, so
// that nothing of an earlier calculation shows through.
void SetInputs(FrictionFields& fields, std::string_view flow, std::string_view diameter, std::string_view roughness,
    std::string_view viscosity);

} // namespace vendrel
