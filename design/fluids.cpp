#include "design/fluids.h"

#include "calc/numbertext.h"
#include "calc/portablemath.h"
#include "design/materials.h"
#include "design/water.h"
#include "messages/numbercheck.h"

#include <cmath>
#include <iterator>

namespace vendrel::design {
namespace {

constexpr double kCelsiusZero = 273.15; // K
constexpr double kMaxCelsius = 100;

// Å. Melinder, Properties of Secondary Working Fluids for Indirect Systems,
// 2nd ed. (IIR, 2010), aqueous solutions by mass: each property
// f = Σ c_ij (x − x_m)^i (t − t_m)^j, x in % by mass, t in °C, for i = 0…5,
// j = 0…3 − (i − 2 where i > 2), 18 terms, in that order. The coefficients as
// CoolProp's MelinderFluids (dev/incompressible_liquids/CPIncomp, EGSolution
// and PGSolution) and NREL's SecondaryCoolantProps (scp/ethylene_glycol.py,
// scp/propylene_glycol.py) print them, which agree term for term. Viscosity
// is ln(μ/mPa·s); specific heat J/(kg·K); freezing point °C.
struct Melinder {
    double meanPercent; // x_m
    double meanCelsius; // t_m
    double freezing[18];
    double density[18];
    double heat[18];
    double viscosity[18];
};
constexpr int kPowersOfT[6] = {4, 4, 4, 3, 2, 1}; // terms in t for each power of x

// clang-format off
constexpr Melinder kEthyleneGlycol = {30.8462, 31.728,
    {-15.25, -1.566e-6, -2.278e-7, 2.169e-9, -0.808, -1.339e-6, 2.047e-8, -2.717e-11, -1.334e-2, 6.322e-8, 2.373e-10,
        -2.183e-12, -7.293e-5, 1.764e-9, -2.442e-11, 1.006e-6, -7.662e-11, 1.14e-9},
    {1034, -0.4781, -2.692e-3, 4.725e-6, 1.311, -6.876e-3, 4.805e-5, 1.69e-8, 7.49e-5, 7.855e-5, -3.995e-7, 4.982e-9,
        -1.062e-4, 1.229e-6, -1.153e-8, -9.623e-7, -7.211e-8, 4.891e-8},
    {3737, 2.93, -4.675e-3, -1.389e-5, -17.99, 0.1046, -4.147e-4, 1.847e-7, -9.933e-2, 3.516e-4, 5.109e-6, -7.138e-8,
        2.61e-3, -1.189e-6, -1.643e-7, 1.537e-5, -4.272e-7, -1.618e-6},
    {0.4705, -2.55e-2, 1.782e-4, -7.669e-7, 2.471e-2, -1.171e-4, 1.052e-6, -1.634e-8, 3.328e-6, 1.086e-6, 1.051e-8,
        -6.475e-10, 1.659e-6, 3.157e-9, 4.063e-10, 3.089e-8, 1.831e-10, -1.865e-9}};
constexpr Melinder kPropyleneGlycol = {30.7031, 32.7083,
    {-13.25, -3.82e-5, 7.865e-7, -1.733e-9, -0.6631, 6.774e-6, -6.242e-8, -7.819e-10, -1.094e-2, 5.332e-8, -4.169e-9,
        3.288e-11, -2.283e-4, -1.131e-8, 1.918e-10, -3.409e-6, 8.035e-11, 1.465e-8},
    {1018, -0.5406, -2.666e-3, 1.347e-5, 0.7604, -9.45e-3, 5.541e-5, -1.343e-7, -2.498e-3, 2.7e-5, -4.018e-7, 3.376e-9,
        -1.55e-4, 2.829e-6, -7.175e-9, -1.131e-6, -2.221e-8, 2.342e-8},
    {3882, 2.699, -1.659e-3, -1.032e-5, -13.04, 5.07e-2, -4.752e-5, 1.522e-6, -0.1598, 9.534e-5, 1.167e-5, -4.87e-8,
        3.539e-4, 3.102e-5, -2.95e-7, 5e-5, -7.135e-7, -4.959e-7},
    {0.6837, -3.045e-2, 2.525e-4, -1.399e-6, 3.328e-2, -3.984e-4, 4.332e-6, -1.86e-8, 5.453e-5, -8.6e-8, -1.593e-8,
        -4.465e-11, -3.9e-6, 1.054e-7, -1.589e-9, -1.587e-8, 4.475e-10, 3.564e-9}};

// The specific gravities, at 20/20 °C, of the pure glycols that ASHRAE's
// make-up of a brine by volume takes (Fundamentals 1993, as ExpertCTR's
// glycol glossary reprints its method): ethylene glycol 1.1155, the Merck
// Index's d₄²⁰ 1.1135 (monograph 3844) over water's 0.9982; propylene
// glycol 1.038. Glycol and water measured apart, their volumes by mass.
constexpr double kEthyleneGlycolGravity = 1.1155;
constexpr double kPropyleneGlycolGravity = 1.038;

// Specific heat of liquid water at saturation, kJ/(kg·K), at 0, 10, … 100 °C:
// IAPWS-95 as the NIST Chemistry WebBook (SRD 69; Lemmon, McLinden and
// Friend) tabulates it, retrieved 2019, as the Hydraulic Institute's
// Engineering Data Book reprints it; within 0.1 %, its stated uncertainty,
// of the value at 0.1 MPa. Between the rows, linear.
constexpr double kWaterHeat[] = {4.2199, 4.1955, 4.1844, 4.1801, 4.1796, 4.1816, 4.1851, 4.1902, 4.1969, 4.2053, 4.2157};
// clang-format on

const Melinder& CorrelationOf(FluidKind kind)
{
    return kind == FluidKind::EthyleneGlycol ? kEthyleneGlycol : kPropyleneGlycol;
}

// Σ c_ij (x − x_m)^i (t − t_m)^j, the powers by multiplication: the same
// bits on every platform.
double Evaluate(const double (&c)[18], double dx, double dt)
{
    double sum = 0;
    double xPower = 1;
    int term = 0;
    for (const int terms : kPowersOfT) {
        double tPower = 1;
        for (int j = 0; j < terms; ++j) {
            sum += c[term++] * xPower * tPower;
            tPower *= dt;
        }
        xPower *= dx;
    }
    return sum;
}

double WaterHeat(double celsius)
{
    const double at = celsius / 10;
    const auto row = static_cast<std::size_t>(std::fmin(at, static_cast<double>(std::size(kWaterHeat) - 2)));
    const double share = at - static_cast<double>(row);
    return kWaterHeat[row] + share * (kWaterHeat[row + 1] - kWaterHeat[row]);
}

} // namespace

std::optional<FluidKind> FluidOfName(std::string_view text)
{
    for (const FluidKind kind : {FluidKind::Water, FluidKind::EthyleneGlycol, FluidKind::PropyleneGlycol}) {
        if (SameIgnoringCase(text, FluidKey(kind)) || text == FluidChinese(kind))
            return kind;
    }
    return std::nullopt;
}

const char* FluidKey(FluidKind kind)
{
    return kind == FluidKind::Water ? "water" : kind == FluidKind::EthyleneGlycol ? "eg" : "pg";
}

const char* FluidChinese(FluidKind kind)
{
    return kind == FluidKind::Water ? "水" : kind == FluidKind::EthyleneGlycol ? "乙二醇" : "丙二醇";
}

double MassPercentOfVolume(FluidKind kind, double volumePercent)
{
    const double gravity = kind == FluidKind::EthyleneGlycol ? kEthyleneGlycolGravity : kPropyleneGlycolGravity;
    const double glycol = volumePercent * gravity;
    return ParseNumber(FixedText(100 * glycol / (glycol + (100 - volumePercent)), 1));
}

messages::Message FluidName(const Fluid& fluid)
{
    using messages::MessageId;
    if (fluid.kind == FluidKind::Water)
        return messages::Message(MessageId::Water);
    if (fluid.volumePercent)
        return messages::Message(fluid.kind == FluidKind::EthyleneGlycol ? MessageId::EthyleneGlycolBrineByVolume
                                                                         : MessageId::PropyleneGlycolBrineByVolume,
            {{"volume", ShortestText(*fluid.volumePercent)}, {"percent", ShortestText(fluid.massPercent)}});
    return messages::Message(
        fluid.kind == FluidKind::EthyleneGlycol ? MessageId::EthyleneGlycolBrine : MessageId::PropyleneGlycolBrine,
        {{"percent", ShortestText(fluid.massPercent)}});
}

std::string FluidTitle(const Fluid& fluid)
{
    return FluidName(fluid).Text(messages::Language::Chinese);
}

double FreezingPoint(const Fluid& fluid)
{
    if (fluid.kind == FluidKind::Water)
        return 0;
    const Melinder& m = CorrelationOf(fluid.kind);
    // The correlation's terms in t are all but nil: at t_m they fall away.
    return Evaluate(m.freezing, fluid.massPercent - m.meanPercent, 0);
}

std::optional<FluidProperties> PropertiesAt(
    const Fluid& fluid, double celsius, messages::Message& problem, messages::Message* warning)
{
    using messages::Message;
    using messages::MessageId;
    problem = {};
    const std::string temperature = ShortestText(celsius);
    if (fluid.kind == FluidKind::Water) {
        if (!(celsius >= kWaterMinCelsius && celsius <= kWaterMaxCelsius)) {
            problem = Message(MessageId::WaterTemperatureRange, {{"text", temperature}});
            return std::nullopt;
        }
        FluidProperties water;
        water.density = WaterDensity(celsius);
        const double micro = WaterViscosity(celsius + kCelsiusZero, water.density); // μPa·s
        water.dynamicViscosity = micro / 1000;
        // μPa·s ÷ kg/m³ is 10⁻⁶ m²/s: the digits "按水温计算" has always written.
        water.kinematicViscosity = micro / water.density;
        water.specificHeat = WaterHeat(celsius);
        return water;
    }
    if (!(fluid.massPercent >= 0 && fluid.massPercent <= kMaxGlycolPercent)) {
        problem = Message(MessageId::GlycolShareRange, {{"text", ShortestText(fluid.massPercent)}});
        return std::nullopt;
    }
    FluidProperties brine;
    brine.freezingPoint = FreezingPoint(fluid);
    const std::string freezing = FixedText(brine.freezingPoint, 1);
    const messages::Argument name("fluid", FluidName(fluid));
    if (!(celsius > brine.freezingPoint && celsius <= kMaxCelsius)) {
        problem = Message(MessageId::BrineTemperatureRange, {{"text", temperature}, name, {"freezing", freezing}});
        return std::nullopt;
    }
    if (warning != nullptr && celsius - brine.freezingPoint < kFreezingMargin)
        *warning = Message(MessageId::NearFreezing, {{"text", temperature}, name, {"freezing", freezing}});
    const Melinder& m = CorrelationOf(fluid.kind);
    const double dx = fluid.massPercent - m.meanPercent;
    const double dt = celsius - m.meanCelsius;
    brine.density = Evaluate(m.density, dx, dt);
    brine.dynamicViscosity = math::Exp(Evaluate(m.viscosity, dx, dt));
    brine.kinematicViscosity = brine.dynamicViscosity * 1000 / brine.density;
    brine.specificHeat = Evaluate(m.heat, dx, dt) / 1000;
    return brine;
}

std::optional<FluidProperties> PropertiesOfText(
    const Fluid& fluid, std::string_view celsiusText, messages::Message& problem, messages::Message* warning)
{
    double celsius = 0;
    problem = messages::CheckNumber(celsiusText, messages::AnyNumber("°C"), celsius);
    if (!problem.Empty())
        return std::nullopt;
    return PropertiesAt(fluid, celsius, problem, warning);
}

double FlowOfLoad(double kilowatts, double deltaT, const FluidProperties& properties)
{
    return 3600 * kilowatts / (properties.density * properties.specificHeat * deltaT);
}

std::string ViscosityText(const FluidProperties& properties)
{
    return FixedText(properties.kinematicViscosity, 3);
}

} // namespace vendrel::design
