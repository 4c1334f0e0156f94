#include "calc/frictionfields.h"

namespace vendrel {

void SetInputs(FrictionFields& fields, std::string_view flow, std::string_view diameter, std::string_view roughness,
    std::string_view viscosity)
{
    fields.m_strFlow.assign(flow);
    fields.m_strDiameter.assign(diameter);
    fields.m_strRoughness.assign(roughness);
    fields.m_strViscosity.assign(viscosity);
    for (std::string* result : {&fields.m_strVelocity, &fields.m_strReynolds, &fields.m_strLambda,
             &fields.m_strFrictionRate, &fields.m_strRoughReynolds, &fields.m_strStatus})
        result->clear();
}

} // namespace vendrel
