#pragma once

#include "messages/message.h"

#include <optional>
#include <string>
#include <vector>

namespace vendrel::cli {

struct CommandLine {
    enum class Mode { Single, Csv, Size, Table, Circuit, MaterialList, SeriesList, FittingsList, Help, Version };
    Mode mode = Mode::Single;
    // Single calculation: the texts exactly as given, read as the form reads them.
    std::string flow;
    std::string diameter;
    std::string roughness;
    std::string viscosity;
    bool roughnessGiven = false; // else the default above
    bool viscosityGiven = false;
    // --temperature, which gives the viscosity of water at that temperature,
    // and --material, which gives the roughness.
    std::optional<std::string> temperature;
    std::optional<std::string> material;
    // --fluid, water or a glycol brine, and --concentration, its glycol, %
    // by mass: with --temperature, the fluid's viscosity and density.
    std::optional<std::string> fluid;
    std::optional<std::string> concentration;
    // --volume-concentration instead: the glycol, % by volume, mixed at 20 °C.
    std::optional<std::string> volumeConcentration;
    // --load, kW, and --delta-t, K, instead of --flow: the flow that carries
    // the load at that temperature difference.
    std::optional<std::string> load;
    std::optional<std::string> deltaT;
    // --size and --table: the series of pipe sizes, the limits and the
    // output format.
    std::optional<std::string> series;
    std::optional<std::string> minRate;
    std::optional<std::string> maxRate;
    std::optional<std::string> maxVelocity;
    std::optional<std::string> format;
    // The user's own series or materials, from a file.
    std::optional<std::string> seriesFile;
    std::optional<std::string> materialFile;
    // CSV output with a UTF-8 byte-order mark and CRLF line ends, for Excel.
    bool bom = false;
    // --circuit: the head margin and the imbalance limit, in %, and CSV of
    // the paths instead of the sections.
    std::optional<std::string> headMargin;
    std::optional<std::string> staticHead;
    std::optional<std::string> maxImbalance;
    bool paths = false;
    // --circuit --format xlsx or pdf: the workbook's or book's file; else
    // standard output.
    std::optional<std::string> output;
    // CSV or --circuit: the file to read, or empty for standard input.
    std::string csvFile;
};

// Parses the arguments after the program name. Returns false with a message in
// error when they do not form a valid call.
bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& result, messages::Message& error);

} // namespace vendrel::cli
