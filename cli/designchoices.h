#pragma once

#include "cli/commandline.h"

#include <cstdio>
#include <optional>
#include <string>

namespace vendrel::design {
struct PipeSeries;
}

namespace vendrel::cli {

// The roughness text to calculate with: --material's, else --roughness's.
// Nothing, with error naming the option and listing the materials, for an
// unknown material.
std::optional<std::string> RoughnessFor(const CommandLine& command, std::string& error);

// The series --series names, else the default one; nullptr, with error
// listing the series, for an unknown one.
const design::PipeSeries* SeriesFor(const CommandLine& command, std::string& error);

// --material-list and --series-list: what there is, with sources.
void PrintMaterialList(std::FILE* out);
void PrintSeriesList(std::FILE* out);

} // namespace vendrel::cli
