#include "ui/form/frictionform.h"

#include "calc/fieldlabels.h"

#include <iterator>

namespace vendrel::form {
namespace {

using namespace labels;
constexpr ControlKind Entry = ControlKind::Entry;
constexpr ControlKind Result = ControlKind::Result;
constexpr ControlKind Label = ControlKind::Label;
constexpr bool Right = true;
constexpr bool Edge = true;

// The one place where a control's position and text are written; the labels
// of the fields are shared with vendrel-calc (calc/fieldlabels.h).
// clang-format off
const Control kControls[] = {
    {IDC_FLOW,           Entry,                      nullptr,          {131,  13,  52, 15}, false, false, ID_LABEL},
    {IDC_DIAMETER,       Entry,                      nullptr,          {131,  39,  52, 15}, false, false, ID_LABEL},
    {IDC_ROUGHNESS,      Entry,                      nullptr,          {131,  65,  52, 15}, false, false, ID_LABEL},
    {IDC_VISCOSITY,      Entry,                      nullptr,          {131,  91,  52, 15}, false, false, ID_LABEL},
    {ID_CALCULATE,       ControlKind::DefaultButton, "计算",           { 23, 272,  50, 14}, false, false, ID_LABEL},
    {ID_EXIT,            ControlKind::Button,        "退出",           {133, 272,  50, 14}, false, false, ID_LABEL},
    {ID_LABEL,           Label,                      kFlow,            { 23,  13, 108, 14}, false, false, IDC_FLOW},
    {ID_LABEL,           Label,                      kDiameter,        { 23,  39, 108, 14}, false, false, IDC_DIAMETER},
    {ID_LABEL,           Label,                      kRoughness,       { 23,  65, 108, 14}, false, false, IDC_ROUGHNESS},
    {ID_LABEL,           Label,                      kViscosity,       { 23,  91, 108, 14}, false, false, IDC_VISCOSITY},
    {IDC_VELOCITY,       Result,                     nullptr,          {131, 117,  52, 15}, Right, false, ID_LABEL},
    {ID_LABEL,           Label,                      kVelocity,        { 23, 117, 108, 14}, false, false, ID_LABEL},
    {IDC_LAMBDA,         Result,                     nullptr,          {131, 143,  52, 15}, false, false, ID_LABEL},
    {ID_LABEL,           Label,                      kLambda,          { 23, 143, 108, 14}, false, false, ID_LABEL},
    {IDC_FRICTION_RATE,  Result,                     nullptr,          {131, 169,  52, 15}, false, Edge,  ID_LABEL},
    {ID_LABEL,           Label,                      kFrictionRate,    { 23, 169, 108, 14}, false, false, ID_LABEL},
    {IDC_REYNOLDS,       Result,                     nullptr,          {131, 195,  52, 15}, Right, false, ID_LABEL},
    {ID_LABEL,           Label,                      kReynolds,        { 23, 195, 108, 14}, false, false, ID_LABEL},
    {IDC_STATUS,         ControlKind::Status,        nullptr,          { 23, 247, 160, 14}, false, Edge,  ID_LABEL},
    {IDC_ROUGH_REYNOLDS, Result,                     nullptr,          {131, 221,  52, 15}, Right, false, ID_LABEL},
    {ID_LABEL,           Label,                      kRoughReynolds,   { 24, 221, 108, 14}, false, false, ID_LABEL},
};
// clang-format on

const Form kFrictionForm = {
    "计算空调水管比摩阻(迭代)",
    202,
    293,
    "宋体", // the Song face; a front end substitutes the nearest it has
    9,
    kControls,
    static_cast<int>(std::size(kControls)),
};

} // namespace

const Form& FrictionForm()
{
    return kFrictionForm;
}

const std::array<FieldBinding, 10> kFieldBindings = {{
    {IDC_DIAMETER, &FrictionFields::m_strDiameter},
    {IDC_ROUGHNESS, &FrictionFields::m_strRoughness},
    {IDC_LAMBDA, &FrictionFields::m_strLambda},
    {IDC_FRICTION_RATE, &FrictionFields::m_strFrictionRate},
    {IDC_REYNOLDS, &FrictionFields::m_strReynolds},
    {IDC_VISCOSITY, &FrictionFields::m_strViscosity},
    {IDC_VELOCITY, &FrictionFields::m_strVelocity},
    {IDC_FLOW, &FrictionFields::m_strFlow},
    {IDC_STATUS, &FrictionFields::m_strStatus},
    {IDC_ROUGH_REYNOLDS, &FrictionFields::m_strRoughReynolds},
}};

} // namespace vendrel::form
