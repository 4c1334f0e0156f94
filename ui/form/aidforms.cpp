#include "ui/form/aidforms.h"

#include "ui/form/entryaids.h"

#include <iterator>

namespace vendrel::form {
namespace {

constexpr ControlKind Label = ControlKind::Label;
constexpr ControlKind Ok = ControlKind::DefaultButton;
constexpr ControlKind Cancel = ControlKind::Button;

// clang-format off
// The concentration is for a brine: water leaves it disabled.
const Control kFluidControls[] = {
    {ID_LABEL,              Label,               kFluidPrompt,         {  7,  10,  62, 14}, false, false, IDC_FLUID},
    {IDC_FLUID,             ControlKind::Choice, nullptr,              { 70,   9,  90, 60}, false, false, ID_LABEL},
    {ID_LABEL,              Label,               kConcentrationPrompt, {  7,  28,  62, 14}, false, false, IDC_CONCENTRATION},
    {IDC_CONCENTRATION,     ControlKind::Entry,  nullptr,              { 70,  28,  40, 14}, false, false, ID_LABEL},
    {ID_LABEL,              Label,               kTemperaturePrompt,   {  7,  46,  62, 14}, false, false, IDC_TEMPERATURE},
    {IDC_TEMPERATURE,       ControlKind::Entry,  nullptr,              { 70,  46,  40, 14}, false, false, ID_LABEL},
    {IDC_FLUID_PROPERTIES,  Label,               nullptr,              {  7,  66, 206, 30}, false, false, ID_LABEL},
    {ID_CALCULATE,          Ok,                  kOkButton,            {109, 102,  50, 14}, false, false, ID_LABEL},
    {ID_EXIT,               Cancel,              kCancelButton,        {163, 102,  50, 14}, false, false, ID_LABEL},
};

// The button by the series' material is shown only where K is that of no
// pipe of its kind.
const Control kSizeControls[] = {
    {ID_LABEL,                 Label,                kSeriesPrompt, {  7,   8,  44,  12}, false, false, IDC_SERIES},
    {IDC_SERIES,               ControlKind::Choice,  nullptr,       { 52,   7, 240,  80}, false, false, ID_LABEL},
    {IDC_SIZE_INPUTS,          Label,                nullptr,       {  7,  24, 346,  38}, false, false, ID_LABEL},
    {IDC_SERIES_MATERIAL,      Label,                nullptr,       {  7,  65, 256,  14}, false, false, ID_LABEL},
    {IDC_USE_SERIES_ROUGHNESS, ControlKind::Button,  nullptr,       {267,  65,  86,  14}, false, false, ID_LABEL},
    {IDC_SIZES,                ControlKind::List,    nullptr,       {  7,  83, 346, 140}, false, false, ID_LABEL},
    {IDC_SIZE_NOTES,           Label,                nullptr,       {  7, 227, 346,  28}, false, false, ID_LABEL},
    {ID_LABEL,                 Label,                kSizeHint,     {  7, 260, 230,  14}, false, false, ID_LABEL},
    {ID_CALCULATE,             Ok,                   kOkButton,     {249, 260,  50,  14}, false, false, ID_LABEL},
    {ID_EXIT,                  Cancel,               kCancelButton, {303, 260,  50,  14}, false, false, ID_LABEL},
};
// clang-format on

const Form kFluidForm = {
    kFluidCaption,
    220,
    123,
    "宋体",
    9,
    kFluidControls,
    static_cast<int>(std::size(kFluidControls)),
};

const Form kSizeForm = {
    kSizeCaption,
    360,
    281,
    "宋体",
    9,
    kSizeControls,
    static_cast<int>(std::size(kSizeControls)),
};

} // namespace

const Form& FluidForm()
{
    return kFluidForm;
}

const Form& StandardSizeForm()
{
    return kSizeForm;
}

} // namespace vendrel::form
