#pragma once

#include "design/materials.h"
#include "design/pipeseries.h"

#include <optional>
#include <string>
#include <vector>

// The user's own pipe series and materials, from the texts of their files
// (which the front ends read and split): checked as the built-in tables are,
// and taken whole or not at all.
namespace vendrel::design {

// Where a user's table is wrong: a line of its file and a column (1 for the
// first, 0 for the line as a whole), and what is wrong.
struct TableProblem {
    long line = 0;
    int column = 0;
    messages::Message message;
};

// One size as a series file gives it, the texts as typed.
struct SizeText {
    long line = 0;
    std::string nominal;
    std::string outside;
    std::string wall;
    std::string inside;
    std::string maxVelocity;
};

// The column of the file each text of a size came from, 0 where it has none.
struct SizeColumns {
    int nominal = 0;
    int outside = 0;
    int wall = 0;
    int inside = 0;
    int maxVelocity = 0;
};

// A series from its key, title, source and material (in heading, whose
// sizes are ignored) and its sizes. A size gives an outside diameter and a
// wall, an inner diameter, or all three; a velocity limit of its own if it
// likes. The material is a key or name of materials, steel in a closed
// system when none is given. Nothing, with the first problem, where a text
// is not a positive number or SeriesProblem finds fault.
std::optional<PipeSeries> SeriesFromText(PipeSeries heading, const std::vector<SizeText>& sizes,
    const SizeColumns& columns, const MaterialCatalog& materials, TableProblem& problem);

// One material as a materials file gives it.
struct MaterialText {
    long line = 0;
    std::string key;
    std::string name;
    std::string roughness;
    std::string source;
    std::string plastic; // "yes"/"是" for a plastic pipe
    std::string family;  // the pipe it is for, as the presets name it ("steel"); else its key
};

struct MaterialColumns {
    int key = 0;
    int name = 0;
    int roughness = 0;
    int source = 0;
    int plastic = 0;
    int family = 0;
};

// The materials of a file, to be added after those of known: each with a
// key of letters, digits and "-" that is no other's, a name no other has, and
// a roughness Calculate accepts. Nothing, with the first problem, where one
// is not.
std::optional<std::vector<Material>> MaterialsFromText(const std::vector<MaterialText>& rows,
    const MaterialColumns& columns, const MaterialCatalog& known, TableProblem& problem);

} // namespace vendrel::design
