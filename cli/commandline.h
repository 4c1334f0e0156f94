#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vendrel::cli {

struct CommandLine {
    enum class Mode { Single, Csv, Size, Table, MaterialList, SeriesList, Help, Version };
    Mode mode = Mode::Single;
    // Single calculation: the texts exactly as given, read as the form reads them.
    std::string flow;
    std::string diameter;
    std::string roughness;
    std::string viscosity;
    // --temperature, which gives the viscosity of water at that temperature,
    // and --material, which gives the roughness.
    std::optional<std::string> temperature;
    std::optional<std::string> material;
    // --size and --table: the series of pipe sizes, the limits and the
    // output format.
    std::optional<std::string> series;
    std::optional<std::string> minRate;
    std::optional<std::string> maxRate;
    std::optional<std::string> maxVelocity;
    std::optional<std::string> format;
    // CSV: the file to read, or empty for standard input.
    std::string csvFile;
};

// Parses the arguments after the program name. Returns false with a message in
// error when they do not form a valid call.
bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& result, std::string& error);

extern const char kUsage[];

} // namespace vendrel::cli
