#pragma once

#include "cli/commandline.h"
#include "design/fluids.h"
#include "design/pipeseries.h"
#include "files/userlibrary.h"
#include "messages/message.h"

#include <optional>
#include <string>
#include <vector>

namespace vendrel::cli {

// The command line's values, read and checked once for every mode: the
// materials and series (the built-in ones, the user's folder and the files
// given), the roughness and the water, the series and the limits.
struct Options {
    Options() = default;
    Options(const Options&) = delete; // series and material point into it
    Options& operator=(const Options&) = delete;

    files::UserLibrary library;
    // The series of --series-file.
    std::optional<design::PipeSeries> fileSeries;
    // The input texts as given, for the calculation: the roughness a
    // material gives, the viscosity of water at a temperature given.
    std::string flow;
    std::string diameter;
    std::string roughness;
    std::string viscosity;
    // Flow and diameter as numbers, where checked (sizing).
    double flowValue = 0;
    // The flow is that of --load (kW) at --delta-t (K), to 0.001 m³/h, as typed.
    bool flowFromLoad = false;
    double load = 0;
    double deltaT = 0; // K; in a circuit, what its sections' loads are carried at; 0 where not given
    // The material the roughness is of: the one given, else (in sizing) the
    // series'; nullptr for a roughness typed.
    const design::Material* material = nullptr;
    // The temperature of the water: as given, else 10 °C for the default
    // viscosity; none for a viscosity typed. Its density either way (10 °C
    // where not known), for Pa/m.
    std::optional<double> celsius;
    double density = 0;
    double specificHeat = 0;       // kJ/(kg·K), likewise, for the flows of loads
    bool temperatureGiven = false; // the viscosity is that of the fluid at --temperature
    // What flows: water unless --fluid names a brine; its freezing point.
    design::Fluid fluid;
    double freezingPoint = 0;
    // Sizing and the selection table.
    const design::PipeSeries* series = nullptr;
    bool seriesPlastic = false; // the series' pipes are plastic: their velocity limit
    double minRate = 100;
    double maxRate = 300;
    std::optional<double> maxVelocity; // for every size; else each size's own
    bool csv = false;
    bool workbook = false; // --circuit --format xlsx
    bool book = false;     // --circuit --format pdf
    std::string output;    // the workbook's or book's file; "" for standard output
    bool bom = false;
    // The hydraulic calculation of a circuit, as fractions: the head margin
    // and the imbalance allowed between parallel paths.
    double headMargin = 0.10;
    double staticHead = 0; // m of the circuit's water, added after the margin
    double maxImbalance = 0.15;
    bool paths = false;
    // A value an input option was given that cannot be calculated with, one
    // message per option ("--flow: \"abc\" is not a number"). The single
    // calculation shows them as its results' problems; sizing cannot start.
    std::vector<messages::Message> problems;
    // What the user is told and may go on with: a brine near its freezing point.
    std::vector<messages::Message> warnings;
    // The language of every message: the user's.
    messages::Language language = messages::Language::English;
};

// Reads what the mode of command needs into options. False, with error
// saying why, for wrong usage: an unknown material or series, a file of
// the user's that cannot be taken, a limit that is not a positive number,
// an unknown format. Warnings about files in the user's folder are in
// options.library.warnings.
bool ReadOptions(const CommandLine& command, Options& options, messages::Message& error);

// The fluid as a heading names it, with a comma after: "水 10 °C，",
// "乙二醇水溶液 30%（质量） -5 °C，冰点 -14.6 °C，"; "" for a viscosity typed.
std::string FluidHeading(const Options& options);

} // namespace vendrel::cli
