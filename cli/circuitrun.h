#pragma once

#include "files/circuitreader.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace vendrel::cli {

struct CommandLine;
struct Options;

// A circuit file read, before its rows are: its settings stand for the
// options the command line does not give.
struct CircuitInput {
    std::string name; // the file, or "standard input"
    files::CircuitTable table;
    // Each option the file gave ("--series"), the line and the setting's title.
    struct Origin {
        std::string option;
        long line;
        std::string_view setting;
    };
    std::vector<Origin> fromFile;
};

// Reads command's circuit file and puts its settings into command where it
// has none of the same sense. False, with the reasons on err, where the
// file cannot be read.
bool ReadCircuitInput(CommandLine& command, CircuitInput& input, std::FILE* err, messages::Language language);

// A message about an option ("--series: unknown series …") that names the
// file's line instead where the file gave the option.
messages::Message OptionFromFile(const CircuitInput& input, const messages::Message& message);

// vendrel-calc --circuit: the hydraulic calculation of a circuit file, as
// aligned Chinese text (the sections, the paths, the index circuit and the
// pump head), or CSV of the sections or, with --paths, of the paths.
// Returns the exit status.
int RunCircuit(CircuitInput& input, const Options& options, std::FILE* out, std::FILE* err);

} // namespace vendrel::cli
