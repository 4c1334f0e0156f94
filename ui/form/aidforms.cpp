#include "ui/form/aidforms.h"

#include "ui/form/entryaids.h"

#include <iterator>

namespace vendrel::form {
namespace {

constexpr ControlKind Label = ControlKind::Label;
constexpr ControlKind Ok = ControlKind::DefaultButton;
constexpr ControlKind Cancel = ControlKind::Button;

// clang-format off
const Control kTemperatureControls[] = {
    {ID_LABEL,        Label,               kTemperaturePrompt, {  7,  10,  80, 14}, false, false, IDC_TEMPERATURE},
    {IDC_TEMPERATURE, ControlKind::Entry,  nullptr,            { 88,  10,  60, 14}, false, false, ID_LABEL},
    {ID_CALCULATE,    Ok,                  kOkButton,          { 44,  34,  50, 14}, false, false, ID_LABEL},
    {ID_EXIT,         Cancel,              kCancelButton,      { 98,  34,  50, 14}, false, false, ID_LABEL},
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

const Form kTemperatureForm = {
    kTemperatureCaption,
    155,
    55,
    "宋体",
    9,
    kTemperatureControls,
    static_cast<int>(std::size(kTemperatureControls)),
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

const Form& TemperatureForm()
{
    return kTemperatureForm;
}

const Form& StandardSizeForm()
{
    return kSizeForm;
}

} // namespace vendrel::form
