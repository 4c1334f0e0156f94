#include "ui/dialogtemplate.h"

#include "calc/fieldlabels.h"
#include "ui/dialogtexts.h"

#include <QFont>
#include <QFontMetrics>

#include <iterator>

namespace {

using vendrel::labels::kDiameter;
using vendrel::labels::kFlow;
using vendrel::labels::kFrictionRate;
using vendrel::labels::kLambda;
using vendrel::labels::kReynolds;
using vendrel::labels::kRoughness;
using vendrel::labels::kRoughReynolds;
using vendrel::labels::kVelocity;
using vendrel::labels::kViscosity;

constexpr ControlKind Entry = ControlKind::Entry;
constexpr ControlKind Result = ControlKind::Result;
constexpr ControlKind Label = ControlKind::Label;

// clang-format off
const ControlTemplate kControls[] = {
    {IDC_FLOW,           Entry,                     nullptr,                 {131,  13,  52, 15}, false, false},
    {IDC_DIAMETER,       Entry,                     nullptr,                 {131,  39,  52, 15}, false, false},
    {IDC_ROUGHNESS,      Entry,                     nullptr,                 {131,  65,  52, 15}, false, false},
    {IDC_VISCOSITY,      Entry,                     nullptr,                 {131,  91,  52, 15}, false, false},
    {IDOK,               ControlKind::DefaultButton, vendrel::texts::kCalculate, { 23, 272,  50, 14}, false, false},
    {IDCANCEL,           ControlKind::Button,       vendrel::texts::kExit,   {133, 272,  50, 14}, false, false},
    {IDC_STATIC,         Label,                     kFlow,                   { 23,  13, 108, 14}, false, false},
    {IDC_STATIC,         Label,                     kDiameter,               { 23,  39, 108, 14}, false, false},
    {IDC_STATIC,         Label,                     kRoughness,              { 23,  65, 108, 14}, false, false},
    {IDC_STATIC,         Label,                     kViscosity,              { 23,  91, 108, 14}, false, false},
    {IDC_VELOCITY,       Result,                    nullptr,                 {131, 117,  52, 15}, true,  false},
    {IDC_STATIC,         Label,                     kVelocity,               { 23, 117, 108, 14}, false, false},
    {IDC_LAMBDA,         Result,                    nullptr,                 {131, 143,  52, 15}, false, false},
    {IDC_STATIC,         Label,                     kLambda,                 { 23, 143, 108, 14}, false, false},
    {IDC_FRICTION_RATE,  Result,                    nullptr,                 {131, 169,  52, 15}, false, true},
    {IDC_STATIC,         Label,                     kFrictionRate,           { 23, 169, 108, 14}, false, false},
    {IDC_REYNOLDS,       Result,                    nullptr,                 {131, 195,  52, 15}, true,  false},
    {IDC_STATIC,         Label,                     kReynolds,               { 23, 195, 108, 14}, false, false},
    {IDC_STATUS,         ControlKind::Status,       nullptr,                 { 23, 247, 160, 14}, false, true},
    {IDC_ROUGH_REYNOLDS, Result,                    nullptr,                 {131, 221,  52, 15}, true,  false},
    {IDC_STATIC,         Label,                     kRoughReynolds,          { 24, 221, 108, 14}, false, false},
};
// clang-format on

const DialogTemplate kFrictionDialog = {
    vendrel::texts::kCaption,
    {202, 293},
    vendrel::texts::kFontFamily,
    9,
    kControls,
    int(std::size(kControls)),
};

// Windows' MulDiv: a × b ÷ c rounded to the nearest integer.
int MulDiv(int a, int b, int c)
{
    return (a * b + c / 2) / c;
}

} // namespace

const DialogTemplate& FrictionDialogTemplate()
{
    return kFrictionDialog;
}

DialogUnits::DialogUnits(int averageCharWidth, int charHeight)
    : m_baseX(averageCharWidth)
    , m_baseY(charHeight)
{ }

DialogUnits DialogUnits::ForFont(const QFont& font)
{
    // The average width over the Latin alphabet, rounded, as Windows measures
    // a dialog font.
    const QFontMetrics metrics(font);
    const int alphabet
        = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return DialogUnits((alphabet / 26 + 1) / 2, metrics.height());
}

QRect DialogUnits::toPixels(const QRect& units) const
{
    return QRect(MulDiv(units.x(), m_baseX, 4), MulDiv(units.y(), m_baseY, 8), MulDiv(units.width(), m_baseX, 4),
        MulDiv(units.height(), m_baseY, 8));
}

QSize DialogUnits::toPixels(const QSize& units) const
{
    return QSize(MulDiv(units.width(), m_baseX, 4), MulDiv(units.height(), m_baseY, 8));
}
