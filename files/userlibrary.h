#pragma once

#include "design/materials.h"
#include "design/pipeseries.h"
#include "messages/message.h"

#include <string>
#include <vector>

// The user's own pipe series and materials, read from files in any encoding
// CsvReader knows and checked as the built-in tables are: a file is taken
// whole or left out with a message naming its line and column.
//
// A series file: lines "title,…", "source,…", "material,…" (标题, 来源,
// 管材; the title is needed), then a header and a row per size, smallest
// first: nominal (公称直径), outside (外径) and wall (壁厚), or inside
// (内径), and optionally max_velocity (最大流速, m/s). Title, source and
// material may instead be columns, the same on every row.
// A materials file: a header and a row per material: key (代号), name
// (名称), roughness (粗糙度, mm), and optionally source (来源), plastic
// (塑料: yes/是) and family (类别: steel, copper… as the presets have it).
namespace vendrel::files {

struct UserLibrary {
    design::SeriesCatalog series;            // the built-in ones, then the user's
    design::MaterialCatalog materials;       // likewise
    std::vector<messages::Message> warnings; // each file left out, and why
};

// Reads the series of a file, its materials those of materials; false,
// with error naming the file and where, when it cannot be taken.
bool ReadSeriesFile(const std::string& path, const design::MaterialCatalog& materials, design::PipeSeries& series,
    messages::Message& error);
// Adds the series of a file, its key the file's name without ".csv" (or its
// "key" line); false, adding nothing, with error naming the file and where.
bool AddSeriesFile(const std::string& path, UserLibrary& library, messages::Message& error);
// Adds the materials of a file likewise.
bool AddMaterialsFile(const std::string& path, UserLibrary& library, messages::Message& error);

// Where the user's files are, in a data folder (UserDataFolder()).
std::string SeriesFolder(const std::string& dataFolder);
std::string MaterialsFile(const std::string& dataFolder);

// The built-in tables and the user's own from a data folder: its materials
// file, then every series file of its series folder; those that cannot be
// taken are warnings. A folder or file that is not there is no warning.
UserLibrary LoadUserLibrary(const std::string& dataFolder);

} // namespace vendrel::files
